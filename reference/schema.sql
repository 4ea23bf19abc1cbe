-- The reference database of the program: territory tree, settlements, council list, approving
-- bodies and their signatories, land-use purposes, rows of form 6-zem, grounds-for-granting codes,
-- title-block staff and the executing organisation.
PRAGMA encoding = 'UTF-8';

-- Territorial units in three levels: 1 region, 2 district (or city of regional significance),
-- 3 council. a_rada_code is the unit's part of the KOATUU code within its parent.
CREATE TABLE a_rada (
  a_rada_id       INTEGER PRIMARY KEY,
  a_rada_papa_id  INTEGER NOT NULL DEFAULT 0,
  a_rada_level    INTEGER NOT NULL,
  a_rada_adm_name TEXT,
  a_rada_name     TEXT,
  a_rada_st       TEXT,
  a_rada_cap      TEXT,
  a_rada_code     INTEGER NOT NULL,
  a_rada_t        TEXT,
  a_zem           TEXT,
  a_golova        TEXT,
  a_arhit         TEXT,
  a_goladm        TEXT
);
CREATE INDEX a_rada_papa ON a_rada (a_rada_papa_id);

-- Settlements of a council (a level 3 row); a_selo_code is the last two digits of the code.
CREATE TABLE a_selo (
  a_rada_id   INTEGER NOT NULL,
  a_selo_id   INTEGER PRIMARY KEY,
  a_selo_name TEXT,
  a_selo_code INTEGER
);
CREATE INDEX a_selo_rada ON a_selo (a_rada_id);

-- Councils entered by the operator; the program assigns Rada_id (greatest plus one).
CREATE TABLE Rada (
  Rada_id   INTEGER PRIMARY KEY,
  Region_id INTEGER,
  RadaName  TEXT
);

-- Approving bodies; the database assigns id.
CREATE TABLE pog_name (
  id        INTEGER PRIMARY KEY AUTOINCREMENT,
  OrganName TEXT
);

-- The person who signs for each approving body (same id as the body).
CREATE TABLE pog_pib (
  id  INTEGER NOT NULL,
  pib TEXT
);

-- Land-use purposes; the database assigns Id.
CREATE TABLE cilove (
  Id    INTEGER PRIMARY KEY AUTOINCREMENT,
  CName TEXT
);

-- Rows of the statistical form 6-zem; rownum is what a parcel's KZ holds.
CREATE TABLE row6zem (
  id      INTEGER PRIMARY KEY,
  rowcode TEXT,
  name    TEXT,
  rownum  INTEGER
);

-- Grounds for granting: a two-character code and the issuing body it stands for.
CREATE TABLE pz (
  code TEXT NOT NULL,
  desk TEXT
);

-- Title-block signatories; only the first row is used.
CREATE TABLE worker (
  pDur   TEXT, nDur   TEXT,
  pSkl   TEXT, nSkl   TEXT,
  pKresl TEXT, nKresl TEXT,
  pChek  TEXT, nChek  TEXT
);

-- The executing organisation; only the first row is used.
CREATE TABLE organ (
  Organ TEXT
);
