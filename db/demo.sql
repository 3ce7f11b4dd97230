-- A small purchase site: its address book, both price lists and a few carriers.
-- The season's tickets come from scripts/generate-tickets (scripts/run loads both).
-- UTF-8 text; load with --default-character-set=utf8mb4, the server stores it as cp1250.
INSERT INTO adresar (kodpar, nazev, ulice, mesto, psc, ico, kod_platce, telefon) VALUES
('10001', 'Zemědělské družstvo Kněžice', 'Kněžice 112', 'Kněžice', '58402', '00134341', 'CZ00134341', '569 432 111'),
('10002', 'AGRO Žďárec s.r.o.', 'Hlavní 5', 'Žďárec', '59455', '25312456', 'CZ25312456', '566 523 004'),
('10003', 'Josef Řezníček', 'Na Výsluní 17', 'Větrný Jeníkov', '58842', '61231455', '', ''),
('10004', 'Statek U Dvořáků', 'Dvořákova 3', 'Třešť', '58901', '45678123', 'CZ45678123', '567 234 998'),
('10005', 'O''Neill Agro s.r.o.', 'Průmyslová 1488', 'Jihlava', '58601', '28745612', 'CZ28745612', '567 310 222'),
('10006', 'Farma Šťastný a syn', 'Ořechová 9', 'Humpolec', '39601', '70894561', 'CZ6903121234', ''),
('20001', 'Mlýny Pelhřimov a.s.', 'Mlýnská 44', 'Pelhřimov', '39301', '46347691', 'CZ46347691', '565 321 100'),
('20002', 'Sladovna Bříza', 'Sladovnická 2', 'Bříza', '41201', '27145876', 'CZ27145876', '');

INSERT INTO vazlabcenik (KOMODITA, NAZEV, N_OD, N_DO, OBJEM_OD, OBJEM_DO, SITO_OD, SITO_DO,
  NECIST_OD, NECIST_DO, ZAKL_VLHKOST, PC, KURZ, PARTIE) VALUES
('61', 'Pšenice potravinářská A', 2.10, 9.99, 78, 99, 0, 100, 0, 2, 14, 5400, 1, ''),
('61', 'Pšenice potravinářská B', 1.80, 2.09, 76, 99, 0, 100, 0, 2, 14, 5100, 1, ''),
('61', 'Pšenice krmná', 0, 1.79, 0, 99, 0, 100, 0, 5, 14, 4600, 1, ''),
('62', 'Ječmen sladovnický', 0, 1.85, 0, 99, 85, 100, 0, 2, 14, 5200, 1, ''),
('62', 'Ječmen krmný', 0, 9.99, 0, 99, 0, 100, 0, 5, 14, 4300, 1, ''),
('63', 'Řepka olejná', 0, 9.99, 0, 99, 0, 100, 0, 2, 8, 11800, 1, ''),
('65', 'Kukuřice', 0, 9.99, 0, 99, 0, 100, 0, 3, 14, 195, 24.35, 'EUR');

INSERT INTO vazlabcens (KOMODITA, NAZEV, OD, DO, PC, SLUZBA, PARTIE) VALUES
('61,62', 'Obiloviny', 14.01, 16, 180, 'S', ''),
('61,62', 'Obiloviny', 16.01, 20, 260, 'S', ''),
('63', 'Řepka', 8.01, 12, 350, 'S', ''),
('61,62,65', 'Obiloviny', 2.01, 5, 90, 'Č', ''),
('63', 'Řepka', 2.01, 6, 150, 'Č', '');

INSERT INTO vazlabdopravce (dopra1, dopra2, dopra3, dopra4) VALUES
('Autodoprava Novák', 'Průmyslová 12', '586 01 Jihlava', 'IČ 12345678'),
('ČSAD Pelhřimov a.s.', 'Nádražní 1', '393 01 Pelhřimov', 'IČ 46345678');
