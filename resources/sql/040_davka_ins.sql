-- The mating batch: the matings typed in from the litter sheets before they
-- are checked and applied. Codes and the count are kept as typed (VARCHAR,
-- wider than their width) so that the check can refuse a value that is too
-- long instead of cutting it, and a grid cell never fails on a typed text.
-- Each row has its own key, so the check marks exactly the row at fault (two
-- herds may report the same sow number on one day).
CREATE TABLE IF NOT EXISTS davka_ins (
    davka_ins_ID INT AUTO_INCREMENT PRIMARY KEY,
    Prasnica_farma VARCHAR(20) NULL,
    Chovatel_chov VARCHAR(20) NULL,
    Datum_pripustenia DATE NULL,
    Kod_pripustenia VARCHAR(20) NULL,
    Linia_kanca VARCHAR(20) NULL,
    Register_kanca VARCHAR(20) NULL,
    Pocet_REIns VARCHAR(20) NULL,
    status_zaznamu TINYINT(1) NULL,
    ERR_oznam VARCHAR(100) NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;
