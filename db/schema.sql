-- The tables of the enterprise database that vovuvaKOR reads and writes.
-- At a site they exist already (made by others, sometimes with other sizes or extra columns);
-- the program relies only on the table and column names and the column kinds.
-- Run in a database created with: CHARACTER SET cp1250 COLLATE cp1250_general_ci

DROP TABLE IF EXISTS `vazlab`, `vazlab_arch`, `historiem`, `adresar`, `vazlabcenik`, `vazlabcens`,
  `vazlabcmr`, `vazlabdopravce`;

CREATE TABLE `vazlab` (
  `id` int(11) NOT NULL AUTO_INCREMENT,
  `CISLODOKLA` int(11) DEFAULT NULL,
  `DATUM` date DEFAULT NULL,
  `TYPDOKLADU` varchar(30) DEFAULT NULL,
  `SKLAD` varchar(10) DEFAULT NULL,
  `KODPAR` varchar(10) DEFAULT NULL,
  `NAZEVPODNI` varchar(60) DEFAULT NULL,
  `SIDLO` varchar(40) DEFAULT NULL,
  `ULICE` varchar(40) DEFAULT NULL,
  `PSC` varchar(6) DEFAULT NULL,
  `POSTA` varchar(40) DEFAULT NULL,
  `SPZ` varchar(15) DEFAULT NULL,
  `KOMODITA` varchar(10) DEFAULT NULL,
  `NOMENKLA` varchar(20) DEFAULT NULL,
  `NAZEVOSIVA` varchar(40) DEFAULT NULL,
  `BRUTTO` decimal(12,2) DEFAULT NULL,
  `TARA` decimal(12,2) DEFAULT NULL,
  `NETTO` decimal(12,2) DEFAULT NULL,
  `MJ` varchar(10) DEFAULT NULL,
  `VLHKOST` decimal(6,2) DEFAULT NULL,
  `SRAZKA_VLH` decimal(12,2) DEFAULT NULL,
  `OBJEM_HMOT` decimal(8,2) DEFAULT NULL,
  `PODIL_SITO` decimal(6,2) DEFAULT NULL,
  `OBSAH_N` decimal(6,2) DEFAULT NULL,
  `NECISTOTY` decimal(6,2) DEFAULT NULL,
  `SRAZKA_NECI` decimal(12,2) DEFAULT NULL,
  `VYKUP` decimal(12,2) DEFAULT NULL,
  `NC` decimal(12,2) DEFAULT NULL,
  `MENA` varchar(3) DEFAULT NULL,
  `KURZ` decimal(10,4) DEFAULT NULL,
  `NCCELKEM` decimal(14,2) DEFAULT NULL,
  `SUSENI` decimal(12,2) DEFAULT NULL,
  `CISTENI` decimal(12,2) DEFAULT NULL,
  `CERTIFIKAT` varchar(60) DEFAULT NULL,
  `CISLOFAKT` varchar(20) DEFAULT NULL,
  `DATUMFAKT` date DEFAULT NULL,
  `DATCASVST` datetime DEFAULT NULL,
  `DAT_DODAVKY` date DEFAULT NULL,
  `DODANONETTO` decimal(12,2) DEFAULT NULL,
  `DODAVHLKOST` decimal(6,2) DEFAULT NULL,
  `SRAZKY1` decimal(12,2) DEFAULT NULL,
  `SRAZKY2` decimal(12,2) DEFAULT NULL,
  `DOKLADODBE` varchar(30) DEFAULT NULL,
  `KONTRAKT` varchar(30) DEFAULT NULL,
  `PC` decimal(12,2) DEFAULT NULL,
  `MENA_PC` varchar(3) DEFAULT NULL,
  `DATBRUTTO` datetime DEFAULT NULL,
  `DATTARA` datetime DEFAULT NULL,
  `DATNETTO` datetime DEFAULT NULL,
  `FIRMA_BURZA` varchar(50) DEFAULT NULL,
  `KONTRAKT_BURZA` varchar(20) DEFAULT NULL,
  `NC_BURZA` decimal(12,2) DEFAULT NULL,
  `PC_BURZA` decimal(12,2) DEFAULT NULL,
  `MENA_BURZA` varchar(3) DEFAULT NULL,
  `POZN1_BURZA` varchar(100) DEFAULT NULL,
  `POZN2_BURZA` varchar(100) DEFAULT NULL,
  `POZN3_BURZA` varchar(100) DEFAULT NULL,
  `KORDL` varchar(20) DEFAULT NULL,
  `CERTIFIKAT3` varchar(60) DEFAULT NULL,
  `DISPOZICE` varchar(60) DEFAULT NULL,
  `ICO` varchar(12) DEFAULT NULL,
  `DIC` varchar(16) DEFAULT NULL,
  `POZNAMKA` varchar(100) DEFAULT NULL,
  PRIMARY KEY (`id`),
  KEY `cislo_datum` (`CISLODOKLA`, `DATUM`),
  KEY `datum` (`DATUM`)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250 COLLATE=cp1250_general_ci;

CREATE TABLE `vazlab_arch` LIKE `vazlab`;

CREATE TABLE `historiem` (
  `id` int(11) NOT NULL AUTO_INCREMENT,
  `modul` varchar(40) DEFAULT NULL,
  `pc` varchar(10) DEFAULT NULL,
  `stredisko` varchar(10) DEFAULT NULL,
  `datumcas` varchar(19) DEFAULT NULL,
  `ipadr` varchar(15) DEFAULT NULL,
  `computeruser` varchar(62) DEFAULT NULL,
  `computername` varchar(15) DEFAULT NULL,
  `mdatumcas` varchar(19) DEFAULT NULL,
  `mverze` varchar(23) DEFAULT NULL,
  PRIMARY KEY (`id`)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250 COLLATE=cp1250_general_ci;

CREATE TABLE `adresar` (
  `id` int(11) NOT NULL AUTO_INCREMENT,
  `kodpar` varchar(10) NOT NULL,
  `nazev` varchar(60) DEFAULT NULL,
  `ulice` varchar(40) DEFAULT NULL,
  `mesto` varchar(40) DEFAULT NULL,
  `psc` varchar(6) DEFAULT NULL,
  `ico` varchar(12) DEFAULT NULL,
  `kod_platce` varchar(16) DEFAULT NULL,
  `telefon` varchar(20) DEFAULT NULL,
  PRIMARY KEY (`id`),
  KEY `adresar_kodpar` (`kodpar`)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250 COLLATE=cp1250_general_ci;

CREATE TABLE `vazlabcenik` (
  `id` int(11) NOT NULL AUTO_INCREMENT,
  `KOMODITA` varchar(30) DEFAULT NULL,
  `NAZEV` varchar(40) DEFAULT NULL,
  `N_OD` decimal(8,2) DEFAULT NULL,
  `N_DO` decimal(8,2) DEFAULT NULL,
  `OBJEM_OD` decimal(8,2) DEFAULT NULL,
  `OBJEM_DO` decimal(8,2) DEFAULT NULL,
  `SITO_OD` decimal(8,2) DEFAULT NULL,
  `SITO_DO` decimal(8,2) DEFAULT NULL,
  `NECIST_OD` decimal(8,2) DEFAULT NULL,
  `NECIST_DO` decimal(8,2) DEFAULT NULL,
  `ZAKL_VLHKOST` decimal(6,2) DEFAULT NULL,
  `PC` decimal(12,2) DEFAULT NULL,
  `KURZ` decimal(10,4) DEFAULT NULL,
  `PARTIE` varchar(20) DEFAULT NULL,
  PRIMARY KEY (`id`)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250 COLLATE=cp1250_general_ci;

CREATE TABLE `vazlabcens` (
  `id` int(11) NOT NULL AUTO_INCREMENT,
  `KOMODITA` varchar(30) DEFAULT NULL,
  `NAZEV` varchar(40) DEFAULT NULL,
  `OD` decimal(8,2) DEFAULT NULL,
  `DO` decimal(8,2) DEFAULT NULL,
  `PC` decimal(12,2) DEFAULT NULL,
  `SLUZBA` char(1) DEFAULT NULL,
  `PARTIE` varchar(20) DEFAULT NULL,
  PRIMARY KEY (`id`)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250 COLLATE=cp1250_general_ci;

-- the print table of the CMR note: the ticket's columns and the note's own lines
CREATE TABLE `vazlabcmr` LIKE `vazlab`;
ALTER TABLE `vazlabcmr`
  ADD `odes1` varchar(50) DEFAULT NULL, ADD `odes2` varchar(50) DEFAULT NULL,
  ADD `odes3` varchar(50) DEFAULT NULL, ADD `odes4` varchar(50) DEFAULT NULL,
  ADD `dopra1` varchar(50) DEFAULT NULL, ADD `dopra2` varchar(50) DEFAULT NULL,
  ADD `dopra3` varchar(50) DEFAULT NULL, ADD `dopra4` varchar(50) DEFAULT NULL,
  ADD `mistonakla` varchar(50) DEFAULT NULL;

CREATE TABLE `vazlabdopravce` (
  `id` int(11) NOT NULL AUTO_INCREMENT,
  `dopra1` varchar(50) DEFAULT NULL,
  `dopra2` varchar(50) DEFAULT NULL,
  `dopra3` varchar(50) DEFAULT NULL,
  `dopra4` varchar(50) DEFAULT NULL,
  PRIMARY KEY (`id`)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250 COLLATE=cp1250_general_ci;
