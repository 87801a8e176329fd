-- The register documents: the farm's outbox to the central breeding register.
-- Payload columns hold fixed-width text exactly as the writers produce it
-- (VARCHAR keeps the one-blank `spac` that CHAR would strip).

CREATE TABLE IF NOT EXISTS dos1 (
    dos1_ID INT AUTO_INCREMENT PRIMARY KEY,
    cislo_farmy VARCHAR(6) NOT NULL,
    datum_vytvorenia DATE NOT NULL,
    podnik VARCHAR(2) NOT NULL, okres VARCHAR(2) NOT NULL, zavod VARCHAR(3) NOT NULL,
    chov VARCHAR(2) NOT NULL,
    linia VARCHAR(4) NOT NULL, rmcislo VARCHAR(5) NOT NULL,
    liniaot VARCHAR(4) NOT NULL, regot VARCHAR(5) NOT NULL,
    podm VARCHAR(2) NOT NULL, okrm VARCHAR(2) NOT NULL, zavm VARCHAR(3) NOT NULL,
    chovm VARCHAR(2) NOT NULL, cism VARCHAR(5) NOT NULL,
    uscis VARCHAR(5) NOT NULL, spicka VARCHAR(2) NOT NULL,
    datnar VARCHAR(6) NOT NULL, datzv VARCHAR(6) NOT NULL,
    sthybr VARCHAR(8) NOT NULL, dovoz VARCHAR(2) NOT NULL, struky VARCHAR(2) NOT NULL,
    dovvyr VARCHAR(2) NOT NULL, gener VARCHAR(1) NOT NULL,
    spac VARCHAR(1) NOT NULL, DI VARCHAR(2) NOT NULL,
    KEY dos1_farm_day (cislo_farmy, datum_vytvorenia),
    KEY dos1_day (datum_vytvorenia)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS dzarpop (
    dzarpop_ID INT AUTO_INCREMENT PRIMARY KEY,
    cislo_farmy VARCHAR(6) NOT NULL,
    datum_vytvorenia DATE NOT NULL,
    podnik VARCHAR(2) NOT NULL, okres VARCHAR(2) NOT NULL, zavod VARCHAR(3) NOT NULL,
    chov VARCHAR(2) NOT NULL,
    linia VARCHAR(4) NOT NULL, rmcislo VARCHAR(5) NOT NULL,
    liniaot VARCHAR(4) NOT NULL, regot VARCHAR(5) NOT NULL,
    podm VARCHAR(2) NOT NULL, okrm VARCHAR(2) NOT NULL, zavm VARCHAR(3) NOT NULL,
    chovm VARCHAR(2) NOT NULL, cism VARCHAR(5) NOT NULL,
    uscis VARCHAR(5) NOT NULL, spicka VARCHAR(2) NOT NULL,
    datnar VARCHAR(6) NOT NULL, datzv VARCHAR(6) NOT NULL,
    sthybr VARCHAR(8) NOT NULL, dovoz VARCHAR(2) NOT NULL, struky VARCHAR(2) NOT NULL,
    dovvyr VARCHAR(2) NOT NULL, gener VARCHAR(1) NOT NULL,
    spac VARCHAR(1) NOT NULL, inf VARCHAR(2) NOT NULL,
    KEY dzarpop_farm_day (cislo_farmy, datum_vytvorenia),
    KEY dzarpop_day (datum_vytvorenia),
    KEY dzarpop_gilt (podm, okrm, zavm, chovm, cism, datnar, uscis, spicka)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS dos3 (
    dos3_ID INT AUTO_INCREMENT PRIMARY KEY,
    cislo_farmy VARCHAR(6) NOT NULL,
    datum_vytvorenia DATE NOT NULL,
    chovatel_kraj VARCHAR(2) NOT NULL, chovatel_okres VARCHAR(2) NOT NULL,
    chovatel_zavod VARCHAR(3) NOT NULL, chovatel_chov VARCHAR(2) NOT NULL,
    sposins VARCHAR(1) NOT NULL, kod_pripustenia VARCHAR(2) NOT NULL,
    datumPrip_mes VARCHAR(2) NOT NULL, datumPrip_den VARCHAR(2) NOT NULL,
    prasnica_farma VARCHAR(5) NOT NULL, prasprv VARCHAR(1) NOT NULL,
    linia_kanca VARCHAR(4) NOT NULL, register_kanca VARCHAR(5) NOT NULL,
    porins VARCHAR(1) NOT NULL, sthybr3 VARCHAR(4) NOT NULL,
    pocet_REIns VARCHAR(3) NOT NULL, datumPrip_Rok VARCHAR(2) NOT NULL,
    spac VARCHAR(1) NOT NULL, DI VARCHAR(2) NOT NULL,
    KEY dos3_farm_day (cislo_farmy, datum_vytvorenia),
    KEY dos3_day (datum_vytvorenia)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS dos4 (
    dos4_ID INT AUTO_INCREMENT PRIMARY KEY,
    cislo_farmy VARCHAR(6) NOT NULL,
    datum_vytvorenia DATE NOT NULL,
    podnik VARCHAR(2) NOT NULL, okres VARCHAR(2) NOT NULL, zavod VARCHAR(3) NOT NULL,
    chov VARCHAR(2) NOT NULL,
    prasn4 VARCHAR(5) NOT NULL, datins VARCHAR(6) NOT NULL, datopr4 VARCHAR(6) NOT NULL,
    porvrhu VARCHAR(2) NOT NULL, vset4 VARCHAR(3) NOT NULL, zive4 VARCHAR(3) NOT NULL,
    def4 VARCHAR(2) NOT NULL, chvrhu4 VARCHAR(1) NOT NULL, datodst VARCHAR(6) NOT NULL,
    doch4 VARCHAR(3) NOT NULL, hmotn VARCHAR(6) NOT NULL, vyrovvrh VARCHAR(1) NOT NULL,
    spac VARCHAR(1) NOT NULL, DI VARCHAR(2) NOT NULL,
    KEY dos4_farm_day (cislo_farmy, datum_vytvorenia),
    KEY dos4_day (datum_vytvorenia)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS dos22 (
    dos22_ID INT AUTO_INCREMENT PRIMARY KEY,
    cislo_farmy VARCHAR(6) NOT NULL,
    datum_vytvorenia DATE NOT NULL,
    podnik VARCHAR(2) NOT NULL, okres VARCHAR(2) NOT NULL, zavod VARCHAR(3) NOT NULL,
    chov VARCHAR(2) NOT NULL,
    prasn VARCHAR(5) NOT NULL, medz VARCHAR(1) NOT NULL, brez VARCHAR(1) NOT NULL,
    porvrh VARCHAR(2) NOT NULL, vset VARCHAR(3) NOT NULL, zive VARCHAR(3) NOT NULL,
    def VARCHAR(2) NOT NULL, datopr VARCHAR(4) NOT NULL, chvrhu VARCHAR(1) NOT NULL,
    spac VARCHAR(1) NOT NULL, DI VARCHAR(2) NOT NULL,
    KEY dos22_farm_day (cislo_farmy, datum_vytvorenia),
    KEY dos22_day (datum_vytvorenia)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS dos23 (
    DOS23_ID INT AUTO_INCREMENT PRIMARY KEY,
    cislo_farmy VARCHAR(6) NOT NULL,
    datum_vytvorenia DATE NOT NULL,
    podnik VARCHAR(2) NOT NULL, okres VARCHAR(2) NOT NULL, zavod VARCHAR(3) NOT NULL,
    chov VARCHAR(2) NOT NULL,
    pras23 VARCHAR(5) NOT NULL, vyrovvrh VARCHAR(1) NOT NULL, doch VARCHAR(3) NOT NULL,
    odstav VARCHAR(4) NOT NULL, hmotv VARCHAR(6) NOT NULL,
    spac VARCHAR(1) NOT NULL, DI VARCHAR(2) NOT NULL,
    KEY dos23_farm_day (cislo_farmy, datum_vytvorenia),
    KEY dos23_day (datum_vytvorenia)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS dpotoms (
    dpotoms_ID INT AUTO_INCREMENT PRIMARY KEY,
    cislo_farmy VARCHAR(6) NOT NULL,
    datum_vytvorenia DATE NOT NULL,
    podnik VARCHAR(2) NOT NULL, okres VARCHAR(2) NOT NULL, zavod VARCHAR(3) NOT NULL,
    chov VARCHAR(2) NOT NULL,
    prasnica VARCHAR(5) NOT NULL,
    uscisl1 VARCHAR(5) NOT NULL, str1 VARCHAR(2) NOT NULL, kat1 VARCHAR(1) NOT NULL,
    uscisl2 VARCHAR(5) NOT NULL, str2 VARCHAR(2) NOT NULL, kat2 VARCHAR(1) NOT NULL,
    uscisl3 VARCHAR(5) NOT NULL, str3 VARCHAR(2) NOT NULL, kat3 VARCHAR(1) NOT NULL,
    uscisl4 VARCHAR(5) NOT NULL, str4 VARCHAR(2) NOT NULL, kat4 VARCHAR(1) NOT NULL,
    uscisl5 VARCHAR(5) NOT NULL, str5 VARCHAR(2) NOT NULL, kat5 VARCHAR(1) NOT NULL,
    uscisl6 VARCHAR(5) NOT NULL, str6 VARCHAR(2) NOT NULL, kat6 VARCHAR(1) NOT NULL,
    uscisl7 VARCHAR(5) NOT NULL, str7 VARCHAR(2) NOT NULL, kat7 VARCHAR(1) NOT NULL,
    uscisl8 VARCHAR(5) NOT NULL, str8 VARCHAR(2) NOT NULL, kat8 VARCHAR(1) NOT NULL,
    uscisl9 VARCHAR(5) NOT NULL, str9 VARCHAR(2) NOT NULL, kat9 VARCHAR(1) NOT NULL,
    dnar VARCHAR(4) NOT NULL,
    KEY dpotoms_farm_day (cislo_farmy, datum_vytvorenia),
    KEY dpotoms_day (datum_vytvorenia)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE IF NOT EXISTS dprepra (
    dprepra_ID INT AUTO_INCREMENT PRIMARY KEY,
    cislo_farmy VARCHAR(6) NOT NULL,
    datum_vytvorenia DATE NOT NULL,
    ppodnik VARCHAR(2) NOT NULL, pokres VARCHAR(2) NOT NULL, pzavod VARCHAR(3) NOT NULL,
    pchov VARCHAR(2) NOT NULL, plinia VARCHAR(4) NOT NULL, prmcis VARCHAR(5) NOT NULL,
    npodnik VARCHAR(2) NOT NULL, nokres VARCHAR(2) NOT NULL, nzavod VARCHAR(3) NOT NULL,
    nchov VARCHAR(2) NOT NULL, nrmcis VARCHAR(5) NOT NULL,
    spac VARCHAR(1) NOT NULL, DI VARCHAR(2) NOT NULL,
    KEY dprepra_farm_day (cislo_farmy, datum_vytvorenia),
    KEY dprepra_day (datum_vytvorenia)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;
