-- Saved quick selections. sqlvyraz holds the generated statement with its
-- placeholders; vyber the selection's description (JSON: table, columns with
-- titles, condition parts with their values, sort), from which the statement
-- is generated again and its values bound when it runs. A row without a
-- description runs its sqlvyraz as it stands, through the read-only path.
CREATE TABLE IF NOT EXISTS sys_zostavy (
    zostava_id INT NOT NULL AUTO_INCREMENT,
    nazov VARCHAR(60) NOT NULL,
    popis VARCHAR(255) NOT NULL DEFAULT '',
    sqlvyraz TEXT NOT NULL,
    modifikovana DATETIME NOT NULL,
    vyber TEXT NULL,
    PRIMARY KEY (zostava_id),
    UNIQUE KEY uk_sys_zostavy_nazov (nazov)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;
