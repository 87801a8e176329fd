-- The farm registry and the work table of the current farm's herds.
CREATE TABLE IF NOT EXISTS tfarmy (
    Cislo_farmy CHAR(6) NOT NULL PRIMARY KEY,
    Cislo_farmy_OS CHAR(5) NULL,
    Nazov_farmy VARCHAR(50) NULL,
    Adresa_Ulica VARCHAR(30) NULL,
    Adresa_popCislo VARCHAR(5) NULL,
    Adresa_PSC VARCHAR(5) NULL,
    Adresa_obec VARCHAR(40) NULL,
    Telefon VARCHAR(15) NULL,
    Mobil VARCHAR(15) NULL,
    Chovatel_kraj CHAR(2) NULL,
    Chovatel_okres CHAR(2) NULL,
    Chovatel_zavod CHAR(3) NULL,
    Chovatel_chov1 CHAR(2) NULL,
    Chovatel_chov2 CHAR(2) NULL,
    Chovatel_chov3 CHAR(2) NULL,
    Chovatel_chov4 CHAR(2) NULL,
    Register_nazovChovu1 VARCHAR(30) NULL,
    Register_nazovChovu2 VARCHAR(30) NULL,
    Register_nazovChovu3 VARCHAR(30) NULL,
    Register_nazovChovu4 VARCHAR(30) NULL,
    Register_chovKU1 CHAR(1) NULL,
    Register_chovKU2 CHAR(1) NULL,
    Register_chovKU3 CHAR(1) NULL,
    Register_chovKU4 CHAR(1) NULL,
    Dni_odstavu SMALLINT NULL,
    Dni_skolka SMALLINT NULL,
    Dni_vykrm SMALLINT NULL,
    Karantena_sekcie SMALLINT NOT NULL DEFAULT 0,
    Jalovaren_sekcie SMALLINT NOT NULL DEFAULT 0,
    Jalovaren_IndBox SMALLINT NOT NULL DEFAULT 0,
    Matecnik_sekcie SMALLINT NOT NULL DEFAULT 0,
    Skolka_sekcie SMALLINT NOT NULL DEFAULT 0,
    Odchovna_sekcie SMALLINT NOT NULL DEFAULT 0,
    Vykrm_sekcie SMALLINT NOT NULL DEFAULT 0,
    Aktualna TINYINT NOT NULL DEFAULT 0
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

-- Rebuilt by every farm choice; exists from the start so that readers find
-- it (empty) before the first choice.
CREATE TABLE IF NOT EXISTS chov_far (
    Chovatel_kraj CHAR(2),
    Chovatel_okres CHAR(2),
    Chovatel_zavod CHAR(3),
    Chovatel_chov CHAR(2),
    Register_nazovChovu VARCHAR(30)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;
