-- The planned veterinary actions keep their housing as the housing kind's
-- name ("Matečník"), as the shipped plan does: a name means the same on
-- every farm. Rows saved with a section code ("M01", "KAN") get the name of
-- the code's kind.
UPDATE cveterukony SET Ustajnenie = CASE
    WHEN Ustajnenie = 'KAN' THEN 'Kančín'
    WHEN LEFT(Ustajnenie, 1) = 'K' THEN 'Karanténa'
    WHEN LEFT(Ustajnenie, 1) = 'J' THEN 'Jalováreň - sekcie'
    WHEN LEFT(Ustajnenie, 1) = 'B' THEN 'Jalováreň - ind.boxy'
    WHEN LEFT(Ustajnenie, 1) = 'M' THEN 'Matečník'
    WHEN LEFT(Ustajnenie, 1) = 'S' THEN 'Škôlka'
    WHEN LEFT(Ustajnenie, 1) = 'P' THEN 'Odchovňa'
    WHEN LEFT(Ustajnenie, 1) = 'V' THEN 'Výkrm'
    ELSE Ustajnenie END
WHERE Ustajnenie = 'KAN' OR Ustajnenie RLIKE '^[KJBMSPV][0-9][0-9]$';
