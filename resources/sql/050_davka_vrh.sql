-- The litter batch: closed litters typed in from the litter sheets before they
-- are checked and applied. Codes, counts and the weight are kept as typed
-- (VARCHAR) so that the check can refuse a value instead of the grid failing
-- on it, and so that a weight typed without its decimal point ("685") can be
-- told from one typed with it ("68.5"). Each row has its own key: the check
-- marks exactly the row at fault.
CREATE TABLE IF NOT EXISTS davka_vrh (
    davka_vrh_ID INT AUTO_INCREMENT PRIMARY KEY,
    Prasnica_farma VARCHAR(20) NULL,
    Chovatel_chov VARCHAR(20) NULL,
    Datum_oprasenia DATE NULL,
    Kod_charVrh VARCHAR(20) NULL,
    Vsetky_nar VARCHAR(20) NULL,
    Zivo_nar VARCHAR(20) NULL,
    Pocet_dochov VARCHAR(20) NULL,
    Hmotnost_vrhu_dochov VARCHAR(20) NULL,
    Datum_odstavu DATE NULL,
    Kod_VyV VARCHAR(20) NULL,
    status_zaznamu TINYINT(1) NULL,
    ERR_oznam VARCHAR(100) NULL,
    KEY ix_davka_vrh_sow (Chovatel_chov, Prasnica_farma)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;
