-- The code tables that explain the codes stored in the herd tables.
CREATE TABLE IF NOT EXISTS cakcie (
    Kod_akcie CHAR(2) NOT NULL PRIMARY KEY,
    Nazov VARCHAR(30) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS ckategos (
    Kod_kategorie CHAR(1) NOT NULL PRIMARY KEY,
    Nazov VARCHAR(30) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS cdovvyrku (
    Kod_vyrKU CHAR(2) NOT NULL PRIMARY KEY,
    Nazov VARCHAR(40) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS cdovvyrvu (
    Kod_vyrVU CHAR(2) NOT NULL PRIMARY KEY,
    Nazov VARCHAR(40) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS ccharvrh (
    Kod_charVrh CHAR(1) NOT NULL PRIMARY KEY,
    Nazov VARCHAR(40) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS cbrezost (
    Kod_brezost CHAR(1) NOT NULL PRIMARY KEY,
    Nazov VARCHAR(40) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS cporod (
    Kod_porodu CHAR(1) NOT NULL PRIMARY KEY,
    Nazov VARCHAR(40) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS cgenofond (
    Kod_genofond CHAR(1) NOT NULL PRIMARY KEY,
    Nazov VARCHAR(40) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS chodnotenie (
    Kod_hodnotenie CHAR(2) NOT NULL PRIMARY KEY,
    Nazov VARCHAR(40) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS ckrajiny (
    Kod_krajiny_NUM CHAR(2) NOT NULL PRIMARY KEY,
    Kod_krajiny_TXT CHAR(2) NOT NULL,
    Nazov VARCHAR(40) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS cvyrvrh (
    Kod_VyV CHAR(1) NOT NULL PRIMARY KEY,
    perc DECIMAL(5,1) NULL,
    Nazov VARCHAR(40) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

-- Written only by the farm choice: the sections of the current farm.
CREATE TABLE IF NOT EXISTS cdruhustajnenia (
    ustajnenie CHAR(3) NOT NULL PRIMARY KEY,
    kod_druhuustajnenia CHAR(3) NOT NULL,
    druhustajnenia CHAR(10) NOT NULL,
    nazov VARCHAR(30) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS czplem (
    Plemeno_KU CHAR(8) NOT NULL PRIMARY KEY,
    Plemeno_VU CHAR(8) NULL,
    Nazov_plemena VARCHAR(21) NOT NULL,
    Skratka_plemena VARCHAR(8) NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

-- The breed of a litter from the breeds of its dam and sire.
CREATE TABLE IF NOT EXISTS cmplem (
    Plem_matka CHAR(8) NOT NULL,
    Plem_otec CHAR(8) NOT NULL,
    Plemeno_VU CHAR(8) NULL,
    Plemeno_KU CHAR(8) NOT NULL,
    Nazov_plemena VARCHAR(21) NULL,
    Skratka_plemena VARCHAR(8) NULL,
    Odchov_kan CHAR(1) NOT NULL DEFAULT '0',
    Odchov_pras CHAR(1) NOT NULL DEFAULT '0',
    Svjh_test CHAR(1) NOT NULL DEFAULT '0',
    PRIMARY KEY (Plem_matka, Plem_otec)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS ctablin (
    Linia_kanca CHAR(4) NOT NULL PRIMARY KEY,
    Skratka_nazvu VARCHAR(6) NULL,
    Skr_plemena VARCHAR(8) NULL,
    Nazov_linie VARCHAR(10) NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS csposprip (
    Kod_pripustenia CHAR(2) NOT NULL PRIMARY KEY,
    Vykonavatel VARCHAR(40) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

-- The planned veterinary actions: due a number of days after an action, in a housing.
CREATE TABLE IF NOT EXISTS cveterukony (
    CVeterUkony_ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
    Nazov_ukonu VARCHAR(40) NOT NULL,
    Vakcina VARCHAR(40) NULL,
    Den_aplikacie SMALLINT NULL,
    Ustajnenie VARCHAR(30) NULL,
    Kod_akcie CHAR(2) NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;
