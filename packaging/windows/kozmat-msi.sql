-- SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
-- SPDX-License-Identifier: GPL-3.0-or-later
-- What wixl leaves out of kozmat.msi, run by msibuild (one statement a line) once the database
-- has the Arabic code page; @VERSION@ and @UPGRADE_CODE@ are the package's (scripts/package-windows).
--
-- The Arabic texts, which wixl writes as empty strings.
UPDATE `Property` SET `Value` = 'كوزماط' WHERE `Property` = 'ProductName'
UPDATE `Shortcut` SET `Name` = 'كوزماط' WHERE `Shortcut` = 'Menu'
UPDATE `LaunchCondition` SET `Description` = 'على هذا الحاسوب إصدار أحدث من كوزماط. لتثبيت هذا الإصدار أزل الأحدث أولاً.' WHERE `Condition` = 'NOT WIX_DOWNGRADE_DETECTED'
--
-- The same version too is removed before this one goes in, as older ones are: two builds of
-- one version are then one program, never two (a key column: the row is written anew, with
-- MigrateFeatures and IncludeMaximum). The same package again finds only itself: nothing to do.
DELETE FROM `Upgrade` WHERE `ActionProperty` = 'WIX_UPGRADE_DETECTED'
INSERT INTO `Upgrade` (`UpgradeCode`, `VersionMax`, `Attributes`, `ActionProperty`) VALUES ('@UPGRADE_CODE@', '@VERSION@', 513, 'WIX_UPGRADE_DETECTED')
--
-- Where setup.exe installed the program, this package takes its place: its files, folder,
-- shortcut and Apps & features entry go (packaging/windows/kozmat.nsi).
UPDATE `Property` SET `Value` = 'SETUPEXEDIR;WIX_DOWNGRADE_DETECTED;WIX_UPGRADE_DETECTED' WHERE `Property` = 'SecureCustomProperties'
INSERT INTO `RemoveFile` (`FileKey`, `Component_`, `FileName`, `DirProperty`, `InstallMode`) VALUES ('SetupExeProgram', 'Program', 'kozmat.exe', 'SETUPEXEDIR', 1)
INSERT INTO `RemoveFile` (`FileKey`, `Component_`, `FileName`, `DirProperty`, `InstallMode`) VALUES ('SetupExeUninstaller', 'Program', 'uninstall.exe', 'SETUPEXEDIR', 1)
INSERT INTO `RemoveFile` (`FileKey`, `Component_`, `DirProperty`, `InstallMode`) VALUES ('SetupExeFolder', 'Program', 'SETUPEXEDIR', 1)
INSERT INTO `RemoveFile` (`FileKey`, `Component_`, `FileName`, `DirProperty`, `InstallMode`) VALUES ('SetupExeShortcut', 'Program', 'كوزماط.lnk', 'CommonPrograms', 1)
CREATE TABLE `RemoveRegistry` (`RemoveRegistry` CHAR(72) NOT NULL, `Root` SHORT NOT NULL, `Key` CHAR(255) NOT NULL LOCALIZABLE, `Name` CHAR(255) LOCALIZABLE, `Component_` CHAR(72) NOT NULL PRIMARY KEY `RemoveRegistry`)
INSERT INTO `RemoveRegistry` (`RemoveRegistry`, `Root`, `Key`, `Name`, `Component_`) VALUES ('SetupExeEntry', 2, 'Software\Microsoft\Windows\CurrentVersion\Uninstall\org.example.Kozmat', '-', 'Program')
INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('RemoveRegistryValues', 2600)
