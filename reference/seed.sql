-- The reference data a new office starts with, besides the territory tables, which the build
-- fills from the KOATUU classifier (data/). The office enters officials and staff through the
-- program's dialogs. The build runs these statements in its one transaction.

-- Rows of form 6-zem that the documents use: citizens' land for commercial farming held as
-- land shares, for a personal peasant farm, and for a dwelling house.
INSERT INTO row6zem (id, rowcode, name, rownum) VALUES
  (1, '2.2.1', 'для ведення товарного сільськогосподарського виробництва (земельні частки (паї))', 20),
  (2, NULL,    'для ведення особистого селянського господарства', 21),
  (3, NULL,    'для будівництва і обслуговування жилого будинку, господарських будівель і споруд', 22);

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

