-- Reference rows of the code tables, as the central breeding register
-- delivers them. Every code the program itself writes has its row here.
INSERT IGNORE INTO cakcie (Kod_akcie, Nazov) VALUES
('00', 'Sekcia ustajnenia'),
('01', 'Narodenie'),
('02', 'Zaradenie do KÚ'),
('03', 'Vyradenie'),
('04', 'Prvá ruja'),
('05', 'Pripustenie'),
('06', 'Zistenie brezosti'),
('07', 'Oprasenie'),
('08', 'Odstav'),
('09', 'Selekcia potomstva'),
('10', 'Presun medzi ustajneniami'),
('11', 'Zaradenie do testu VÚ'),
('12', 'Meranie vlastnej úžitkovosti'),
('13', 'Zaradenie do testu SVJH'),
('14', 'Veterinárny úkon'),
('15', 'Predaj na trhu NT'),
('16', 'Nákup do chovu'),
('17', 'Úhyn'),
('18', 'Nútená porážka'),
('19', 'Predaj na jatky'),
('70', 'Presun do iného chovu'),
('99', 'Iná udalosť');

INSERT IGNORE INTO ckategos (Kod_kategorie, Nazov) VALUES
('1', 'Prasnica'),
('2', 'Kanec'),
('3', 'Prasnička'),
('4', 'Prasnička - test VÚ'),
('5', 'Potomstvo SVJH'),
('6', 'Kanček'),
('7', 'Kanček - test VÚ'),
('8', 'Kastrát'),
('9', 'Výkrmová ošípaná');

INSERT IGNORE INTO cdovvyrku (Kod_vyrKU, Nazov) VALUES
('00', 'Nevyradená'),
('01', 'Nízka plodnosť'),
('02', 'Neplodnosť, opakované prebiehanie'),
('03', 'Choroby končatín'),
('04', 'Choroby mliečnej žľazy'),
('05', 'Vysoký vek'),
('06', 'Úhyn'),
('07', 'Zlé materské vlastnosti'),
('08', 'Nízka úžitkovosť'),
('09', 'Exteriérové chyby'),
('10', 'Predaj do chovu'),
('11', 'Potrat'),
('99', 'Iné dôvody');

INSERT IGNORE INTO cdovvyrvu (Kod_vyrVU, Nazov) VALUES
('00', 'Nevyradený'),
('01', 'Úhyn'),
('02', 'Choroba'),
('03', 'Exteriérová chyba'),
('04', 'Nízky prírastok'),
('05', 'Vysoká hrúbka slaniny'),
('06', 'Predaj mimo testu'),
('99', 'Iné dôvody');

INSERT IGNORE INTO ccharvrh (Kod_charVrh, Nazov) VALUES
('1', 'Normálny vrh'),
('2', 'Vrh s pomocou'),
('3', 'Predčasný vrh'),
('4', 'Oneskorený vrh'),
('5', 'Potrat'),
('6', 'Vrh s úhynom prasnice');

INSERT IGNORE INTO cbrezost (Kod_brezost, Nazov) VALUES
('0', 'Nezistená'),
('1', 'Brezá'),
('2', 'Nebrezá'),
('3', 'Pochybná');

INSERT IGNORE INTO cporod (Kod_porodu, Nazov) VALUES
('0', 'Nezistený'),
('1', 'Ľahký pôrod'),
('2', 'Pôrod s pomocou'),
('3', 'Ťažký pôrod'),
('4', 'Cisársky rez'),
('5', 'Indukovaný pôrod');

INSERT IGNORE INTO cgenofond (Kod_genofond, Nazov) VALUES
('1', 'Šľachtiteľský chov'),
('2', 'Rozmnožovací chov'),
('3', 'Hybridizačný program'),
('4', 'Úžitkový chov'),
('5', 'Genofondový chov');

INSERT IGNORE INTO chodnotenie (Kod_hodnotenie, Nazov) VALUES
('00', 'Nehodnotené'),
('01', 'Elita'),
('02', 'Výborné'),
('03', 'Veľmi dobré'),
('04', 'Dobré'),
('05', 'Vyhovujúce'),
('06', 'Nevyhovujúce');

INSERT IGNORE INTO ckrajiny (Kod_krajiny_NUM, Kod_krajiny_TXT, Nazov) VALUES
('00', 'SK', 'Slovensko'),
('01', 'CZ', 'Česko'),
('02', 'HU', 'Maďarsko'),
('03', 'PL', 'Poľsko'),
('04', 'AT', 'Rakúsko'),
('05', 'DE', 'Nemecko'),
('06', 'DK', 'Dánsko'),
('07', 'NL', 'Holandsko'),
('08', 'BE', 'Belgicko'),
('09', 'FR', 'Francúzsko'),
('10', 'GB', 'Veľká Británia'),
('11', 'NO', 'Nórsko'),
('12', 'SE', 'Švédsko'),
('13', 'FI', 'Fínsko'),
('14', 'IE', 'Írsko'),
('15', 'US', 'Spojené štáty'),
('16', 'CA', 'Kanada');

INSERT IGNORE INTO cvyrvrh (Kod_VyV, perc, Nazov) VALUES
('0', 0.0, 'Nehodnotená'),
('1', 90.0, 'Veľmi vyrovnaný vrh'),
('2', 75.0, 'Vyrovnaný vrh'),
('3', 50.0, 'Menej vyrovnaný vrh'),
('4', 25.0, 'Nevyrovnaný vrh');

INSERT IGNORE INTO czplem (Plemeno_KU, Plemeno_VU, Nazov_plemena, Skratka_plemena) VALUES
('00000000', '00000000', 'Neurčené plemeno', '-'),
('11000000', '11000000', 'Biela ušľachtilá', 'BU'),
('22000000', '22000000', 'Landrase', 'L'),
('33000000', '33000000', 'Duroc', 'D'),
('44000000', '44000000', 'Pietrain', 'P'),
('55000000', '55000000', 'Hampshire', 'H'),
('66000000', '66000000', 'Mangalica', 'M'),
('12000000', '12000000', 'BU x L', 'BUxL'),
('21000000', '21000000', 'L x BU', 'LxBU'),
('12330000', '12330000', '(BU x L) x D', 'F1xD'),
('12440000', '12440000', '(BU x L) x P', 'F1xP'),
('45000000', '45000000', 'P x H', 'PxH'),
('12450000', '12450000', '(BU x L) x (P x H)', 'F1xPH'),
('99999999', '99999999', 'Kríženec - neurčený', 'KR');

INSERT IGNORE INTO cmplem (Plem_matka, Plem_otec, Plemeno_VU, Plemeno_KU, Nazov_plemena,
                           Skratka_plemena, Odchov_kan, Odchov_pras, Svjh_test) VALUES
('11000000', '11000000', '11000000', '11000000', 'Biela ušľachtilá', 'BU', '1', '1', '1'),
('22000000', '22000000', '22000000', '22000000', 'Landrase', 'L', '1', '1', '1'),
('33000000', '33000000', '33000000', '33000000', 'Duroc', 'D', '1', '1', '1'),
('44000000', '44000000', '44000000', '44000000', 'Pietrain', 'P', '1', '1', '1'),
('55000000', '55000000', '55000000', '55000000', 'Hampshire', 'H', '1', '1', '1'),
('11000000', '22000000', '12000000', '12000000', 'BU x L', 'BUxL', '0', '1', '0'),
('22000000', '11000000', '21000000', '21000000', 'L x BU', 'LxBU', '0', '1', '0'),
('12000000', '33000000', '12330000', '12330000', '(BU x L) x D', 'F1xD', '0', '0', '1'),
('21000000', '33000000', '12330000', '12330000', '(BU x L) x D', 'F1xD', '0', '0', '1'),
('12000000', '44000000', '12440000', '12440000', '(BU x L) x P', 'F1xP', '0', '0', '1'),
('21000000', '44000000', '12440000', '12440000', '(BU x L) x P', 'F1xP', '0', '0', '1'),
('44000000', '55000000', '45000000', '45000000', 'P x H', 'PxH', '1', '0', '0'),
('12000000', '45000000', '12450000', '12450000', '(BU x L) x (P x H)', 'F1xPH', '0', '0', '1');

INSERT IGNORE INTO ctablin (Linia_kanca, Skratka_nazvu, Skr_plemena, Nazov_linie) VALUES
('1101', 'ADAM', 'BU', 'Adam'),
('1102', 'BAGR', 'BU', 'Bager'),
('1103', 'CYRL', 'BU', 'Cyril'),
('2201', 'DUNJ', 'L', 'Dunaj'),
('2202', 'EGON', 'L', 'Egon'),
('2203', 'FENX', 'L', 'Fénix'),
('3301', 'GAST', 'D', 'Gaštan'),
('3302', 'HRON', 'D', 'Hron'),
('4401', 'IVAN', 'P', 'Ivan'),
('4402', 'JASP', 'P', 'Jaspis'),
('5501', 'KAMN', 'H', 'Kameň');

INSERT IGNORE INTO csposprip (Kod_pripustenia, Vykonavatel) VALUES
('00', 'Nezistený spôsob'),
('01', 'Prirodzená plemenitba'),
('02', 'Inseminácia - vlastná insemin. stanica'),
('03', 'Inseminácia - dovezená inseminačná dávka'),
('11', 'Ján Kováč - inseminačný technik'),
('12', 'Peter Horváth - inseminačný technik'),
('13', 'Mária Šimková - inseminačná technička');

INSERT IGNORE INTO cveterukony (CVeterUkony_ID, Nazov_ukonu, Vakcina, Den_aplikacie, Ustajnenie, Kod_akcie) VALUES
(1, 'Vakcinácia proti parvoviróze', 'Parvoruvax', 14, 'Jalováreň - sekcie', '02'),
(2, 'Revakcinácia proti parvoviróze', 'Parvoruvax', 35, 'Jalováreň - sekcie', '02'),
(3, 'Vakcinácia proti červienke', 'Ruvax', 80, 'Matečník', '05'),
(4, 'Odčervenie prasníc', 'Dectomax', 100, 'Matečník', '05'),
(5, 'Vakcinácia proti E. coli', 'Porcilis Porcoli', 95, 'Matečník', '05'),
(6, 'Aplikácia železa - 1. dávka', 'Feridextran', 3, 'Matečník', '07'),
(7, 'Aplikácia železa - 2. dávka', 'Feridextran', 14, 'Matečník', '07'),
(8, 'Vakcinácia proti mykoplazmóze', 'Stellamune', 7, 'Matečník', '07'),
(9, 'Odčervenie odstavčiat', 'Dectomax', 10, 'Škôlka', '08'),
(10, 'Karanténne vyšetrenie', NULL, 7, 'Karanténa', '02');
