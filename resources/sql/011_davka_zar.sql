-- The enrolment batch: the sows typed in before they are checked and applied.
-- Codes are kept as typed (VARCHAR, wider than their width) so that the check
-- can refuse a value that is too long instead of cutting it.
CREATE TABLE IF NOT EXISTS davka_zar (
    davka_zar_ID INT AUTO_INCREMENT PRIMARY KEY,
    Prasnica_vKU VARCHAR(5) NULL,
    Prasnica_KrCislo VARCHAR(20) NULL,
    Chovatel_Chov VARCHAR(20) NULL,
    Datum_narodenia DATE NULL,
    Cecky VARCHAR(5) NULL,
    Kod_kategorie VARCHAR(1) NULL,
    Plemeno_KU VARCHAR(8) NULL,
    Kod_genofond VARCHAR(1) NULL,
    Kod_krajiny_NUM VARCHAR(2) NULL,
    Linia_otca VARCHAR(20) NULL,
    Register_otca VARCHAR(20) NULL,
    Povod_kraj VARCHAR(20) NULL,
    Povod_okres VARCHAR(20) NULL,
    Povod_zavod VARCHAR(20) NULL,
    Povod_chov VARCHAR(20) NULL,
    Povod_matka VARCHAR(20) NULL,
    Povod_uscislo VARCHAR(20) NULL,
    Linia_otcaMatky VARCHAR(20) NULL,
    Register_otcaMatky VARCHAR(20) NULL,
    Prasnica_farma VARCHAR(20) NULL,
    Ustajnenie VARCHAR(3) NULL,
    Farma_prisunu VARCHAR(6) NULL,
    Farma_povodu VARCHAR(14) NULL,
    status_zaznamu TINYINT(1) NULL,
    ERR_oznam VARCHAR(100) NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;
