-- The reference data a new office starts with, besides the territory tables, which the build
-- fills from the KOATUU classifier (data/). The office enters officials and staff through the
-- program's dialogs. The build runs these statements in its one transaction.

-- Rows of form 6-zem: the group of citizens' land of section I (rows 18 to 40, without the "у тому
-- числі" sub-rows 25, 29, 33 and 37, whose codes the form's transcription leaves uncertain). The
-- code is what the 6-zem table prints; the name is the purpose a plan's title reads for the row.
-- No office edits this table: a change here raises the data version, and the start gives the
-- working copies the new rows (reference::UpgradeWorkingBase).
INSERT INTO row6zem (id, rowcode, name, rownum) VALUES
  (18, '2.1',   'для ведення селянського (фермерського) господарства', 18),
  (19, '2.2',   'для ведення товарного сільськогосподарського виробництва', 19),
  (20, '2.2.1', 'для ведення товарного сільськогосподарського виробництва (земельні частки (паї))', 20),
  (21, '2.3',   'для ведення особистого селянського господарства', 21),
  (22, '2.4',   'для будівництва і обслуговування жилого будинку, господарських будівель і споруд', 22),
  (23, '2.5',   'для ведення садівництва', 23),
  (24, '2.5.1', 'для колективного садівництва', 24),
  (26, '2.5.2', 'для індивідуального садівництва', 26),
  (27, '2.6',   'для дачного будівництва', 27),
  (28, '2.6.1', 'для кооперативного дачного будівництва', 28),
  (30, '2.6.2', 'для індивідуального дачного будівництва', 30),
  (31, '2.7',   'для гаражного будівництва', 31),
  (32, '2.7.1', 'для кооперативного гаражного будівництва', 32),
  (34, '2.7.2', 'для індивідуального гаражного будівництва', 34),
  (35, '2.8',   'для городництва', 35),
  (36, '2.8.1', 'для колективного городництва', 36),
  (38, '2.8.2', 'для індивідуального городництва', 38),
  (39, '2.9',   'для здійснення несільськогосподарської підприємницької діяльності', 39),
  (40, '2.10',  'для сінокосіння і випасання худоби', 40);

-- Grounds for granting: decision of a council's executive committee or of its session, order of
-- the district administration or of its head.
INSERT INTO pz (code, desk) VALUES
  ('РВ', 'виконавчого комітету'),
  ('РС', 'сесії'),
  ('РА', 'районної державної адміністрації'),
  ('РГ', 'голови районної державної адміністрації');

-- Land-use purposes of the classifier of land purposes.
INSERT INTO cilove (Id, CName) VALUES
  (1,  'для ведення товарного сільськогосподарського виробництва'),
  (2,  'для ведення фермерського господарства'),
  (3,  'для ведення особистого селянського господарства'),
  (4,  'для індивідуального садівництва'),
  (5,  'для колективного садівництва'),
  (6,  'для городництва'),
  (7,  'для сінокосіння і випасання худоби'),
  (8,  'для будівництва і обслуговування жилого будинку, господарських будівель і споруд (присадибна ділянка)'),
  (9,  'для колективного житлового будівництва'),
  (10, 'для будівництва індивідуальних гаражів'),
  (11, 'для колективного гаражного будівництва');

-- Approving bodies; the office enters the names of the people who sign for them.
INSERT INTO pog_name (id, OrganName) VALUES
  (1, 'Відділ містобудування та архітектури районної державної адміністрації'),
  (2, 'Районна санітарно-епідеміологічна станція'),
  (3, 'Державна екологічна інспекція'),
  (4, 'Відділ культури районної державної адміністрації');
INSERT INTO pog_pib (id, pib) VALUES
  (1, ''),
  (2, ''),
  (3, ''),
  (4, '');

-- Title block: the positions of the four signature lines; the office enters the names.
INSERT INTO worker (pDur, nDur, pSkl, nSkl, pKresl, nKresl, pChek, nChek) VALUES
  ('Директор', '', 'Склав', '', 'Креслив', '', 'Перевірив', '');

INSERT INTO organ (Organ) VALUES ('');

