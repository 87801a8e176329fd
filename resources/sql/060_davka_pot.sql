-- The offspring selection batch: one row per reared piglet of each weaned
-- litter, made by the program; the user fills in the ear number, category
-- and teats of the selected piglets. Typed values are kept as typed
-- (VARCHAR, wider than their width) so that the check can refuse a value
-- instead of cutting it. Each row has its own key; the check marks the rows
-- at fault in status_zaznamu / ERR_oznam like every other batch.
CREATE TABLE IF NOT EXISTS davka_pot (
    davka_pot_ID INT AUTO_INCREMENT PRIMARY KEY,
    Chovatel_chov CHAR(2) NOT NULL,
    Prasnica_farma CHAR(5) NOT NULL,
    Datum_oprasenia DATE NOT NULL,
    Usne_cislo VARCHAR(20) NULL,
    Kod_kategorie VARCHAR(20) NULL,
    Farma_povodu VARCHAR(14) NULL,
    Ustajnenie CHAR(3) NULL,
    Datum_presunu DATE NULL,
    Datum_potvrdenia_presunu DATE NULL,
    Kod_akcie CHAR(2) NULL,
    Datum_akcie DATE NULL,
    Cecky VARCHAR(20) NULL,
    Kod_VyrVU VARCHAR(20) NULL,
    Linia_kanca CHAR(4) NULL,
    Register_kanca CHAR(5) NULL,
    Plemeno_VU CHAR(8) NULL,
    status_zaznamu TINYINT(1) NULL,
    ERR_oznam VARCHAR(100) NULL,
    KEY ix_davka_pot_vrh (Chovatel_chov, Prasnica_farma, Datum_oprasenia)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;
