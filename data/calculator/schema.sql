-- Tamsor.db: the calculator's tables. Built by tamsor-dbgen from this file
-- and one TABLE.tsv per table (see README.md in this folder).
-- Text columns compare without regard to Latin case, as the program's
-- lookups expect; "order" is a reserved word and always quoted.

-- The five movements: per stem the host (主运) and guest (客运, 客运2)
-- movements of the five periods, plus rows shared by all years.
CREATE TABLE YUN (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  属性 TEXT COLLATE NOCASE NOT NULL,
  年干 TEXT COLLATE NOCASE,
  岁运 TEXT COLLATE NOCASE,
  初运 TEXT COLLATE NOCASE,
  二运 TEXT COLLATE NOCASE,
  三运 TEXT COLLATE NOCASE,
  四运 TEXT COLLATE NOCASE,
  终运 TEXT COLLATE NOCASE,
  "order" INTEGER NOT NULL,
  说明 TEXT COLLATE NOCASE
);

-- The six qi: per branch the guest qi and the analysis rows, plus the host
-- qi and rows shared by all years.
CREATE TABLE QI (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  属性 TEXT COLLATE NOCASE NOT NULL,
  年支 TEXT COLLATE NOCASE,
  岁气 TEXT COLLATE NOCASE,
  初气 TEXT COLLATE NOCASE,
  气二 TEXT COLLATE NOCASE,
  气三 TEXT COLLATE NOCASE,
  气四 TEXT COLLATE NOCASE,
  气五 TEXT COLLATE NOCASE,
  终气 TEXT COLLATE NOCASE,
  "order" INTEGER NOT NULL,
  说明 TEXT COLLATE NOCASE
);

-- Solar terms: the day of the month of its two terms, per year and month.
CREATE TABLE calendar (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  nian INTEGER NOT NULL,
  jieqimonth INTEGER NOT NULL CHECK (jieqimonth BETWEEN 1 AND 12),
  jieqiday INTEGER NOT NULL CHECK (jieqiday BETWEEN 1 AND 31),
  zhongqiday INTEGER NOT NULL CHECK (zhongqiday BETWEEN 1 AND 31),
  UNIQUE (nian, jieqimonth)
);

-- Texts on a movement (key: a movement text such as 太宫土, or its 平 form).
CREATE TABLE 五运胜复 (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  五运 TEXT COLLATE NOCASE NOT NULL UNIQUE,
  三气之纪 TEXT COLLATE NOCASE,
  胜 TEXT COLLATE NOCASE,
  复 TEXT COLLATE NOCASE,
  郁发 TEXT COLLATE NOCASE
);

-- Texts on a qi (key: a qi text such as 厥阴风木).
CREATE TABLE 六气胜复 (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  六气 TEXT COLLATE NOCASE NOT NULL UNIQUE,
  淫胜 TEXT COLLATE NOCASE,
  淫胜治则 TEXT COLLATE NOCASE,
  复气 TEXT COLLATE NOCASE,
  复气治则 TEXT COLLATE NOCASE
);

-- The sixty years of the cycle with their agreement of movement and qi and
-- the balanced-year verdict.
CREATE TABLE 甲子表 (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  天干 TEXT COLLATE NOCASE NOT NULL,
  地支 TEXT COLLATE NOCASE NOT NULL,
  运气同化或异化字样 TEXT COLLATE NOCASE,
  运气同化或异化名称 TEXT COLLATE NOCASE,
  运气同化或异化判断 TEXT COLLATE NOCASE,
  平气判断 TEXT COLLATE NOCASE,
  运气同治 TEXT COLLATE NOCASE,
  运气合治 TEXT COLLATE NOCASE,
  是否平气 INTEGER NOT NULL CHECK (是否平气 IN (0, 1)),
  UNIQUE (天干, 地支)
);

-- Pairs of year stem and day stem that form 干德符; no row means no.
CREATE TABLE 天干合 (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  年干 TEXT COLLATE NOCASE NOT NULL,
  日干 TEXT COLLATE NOCASE NOT NULL,
  判断 TEXT COLLATE NOCASE,
  UNIQUE (年干, 日干)
);

-- Each qi as the year's 司天 and as its 在泉.
CREATE TABLE 司天在泉 (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  司天在泉 TEXT COLLATE NOCASE NOT NULL CHECK (司天在泉 IN ('司天', '在泉')),
  三阴三阳 TEXT COLLATE NOCASE NOT NULL,
  淫胜 TEXT COLLATE NOCASE,
  治则 TEXT COLLATE NOCASE,
  UNIQUE (司天在泉, 三阴三阳)
);
