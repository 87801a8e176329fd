-- The transfer batch: sows listed with their former and new breeder codes,
-- checked and then moved to the new breeder on the current farm. Codes are
-- kept as typed (VARCHAR, wider than their width) so that the check refuses
-- a value that is too long instead of cutting it. Each row has its own key.
CREATE TABLE IF NOT EXISTS davka_presun (
    davka_presun_ID INT AUTO_INCREMENT PRIMARY KEY,
    PPodnik VARCHAR(20) NULL,
    POkres VARCHAR(20) NULL,
    PZavod VARCHAR(20) NULL,
    PCHov VARCHAR(20) NULL,
    PRMcis VARCHAR(20) NULL,
    NPodnik VARCHAR(20) NULL,
    NOkres VARCHAR(20) NULL,
    NZavod VARCHAR(20) NULL,
    NCHov VARCHAR(20) NULL,
    status_zaznamu TINYINT(1) NULL,
    ERR_oznam VARCHAR(100) NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;
