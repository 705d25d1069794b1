-- Mazurel's clinic database (OK.db).
-- Text columns compare without regard to Latin case, as the original engine did.
-- Money and quantities are plain SQLite numbers in natural units (12.5 yuan),
-- so criteria such as 卖出单价 >= 10 and sum(b.数量*a.剂数) work as written.
-- Rows refer to other rows by the decimal text of their ID (类别ID, 药方主表ID).

CREATE TABLE 类别表 (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  类别名称 TEXT COLLATE NOCASE,
  一级科目名 TEXT COLLATE NOCASE,
  说明 TEXT COLLATE NOCASE
);

CREATE TABLE 药品表 (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  类别ID TEXT COLLATE NOCASE,
  药品名 TEXT COLLATE NOCASE,
  品种 TEXT COLLATE NOCASE,
  规格 TEXT COLLATE NOCASE,
  单位 TEXT COLLATE NOCASE,
  买入单价 NUMERIC,
  卖出单价 NUMERIC,
  库存量 NUMERIC,
  输入码 TEXT COLLATE NOCASE,
  说明 TEXT COLLATE NOCASE
);
CREATE INDEX 药品表_类别ID ON 药品表(类别ID);
CREATE INDEX 药品表_输入码 ON 药品表(输入码);
CREATE INDEX 药品表_药品名 ON 药品表(药品名);

CREATE TABLE 药方主表 (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  类别ID TEXT COLLATE NOCASE,
  药方名 TEXT COLLATE NOCASE,
  说明 TEXT COLLATE NOCASE,
  说明2 TEXT COLLATE NOCASE,
  单据号 TEXT COLLATE NOCASE,
  病历ID INTEGER,
  姓名 TEXT COLLATE NOCASE,
  性别 TEXT COLLATE NOCASE,
  年龄 TEXT COLLATE NOCASE,
  日期 TEXT COLLATE NOCASE,
  医师 TEXT COLLATE NOCASE,
  医嘱 TEXT COLLATE NOCASE,
  用法用量 TEXT COLLATE NOCASE,
  剂数 INTEGER,
  扣减库存次数 INTEGER,
  挂号费 NUMERIC,
  其它费 NUMERIC,
  处方金额 NUMERIC,
  处方总金额 NUMERIC
);
CREATE INDEX 药方主表_类别ID ON 药方主表(类别ID);
CREATE INDEX 药方主表_病历ID ON 药方主表(病历ID);
CREATE INDEX 药方主表_单据号 ON 药方主表(单据号);

-- The widths of the line columns are enforced, so an over-long value fails
-- the statement with a clear message instead of being stored.
CREATE TABLE 药方从表 (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  药方主表ID TEXT COLLATE NOCASE CONSTRAINT "药方主表ID 超过50个字符" CHECK (length(药方主表ID) <= 50),
  药品名 TEXT COLLATE NOCASE CONSTRAINT "药品名 超过50个字符" CHECK (length(药品名) <= 50),
  规格 TEXT COLLATE NOCASE CONSTRAINT "规格 超过50个字符" CHECK (length(规格) <= 50),
  单位 TEXT COLLATE NOCASE CONSTRAINT "单位 超过50个字符" CHECK (length(单位) <= 50),
  数量 NUMERIC,
  备注 TEXT COLLATE NOCASE CONSTRAINT "备注 超过255个字符" CHECK (length(备注) <= 255),
  单价 NUMERIC,
  小计 NUMERIC
);
CREATE INDEX 药方从表_药方主表ID ON 药方从表(药方主表ID);

CREATE TABLE 病历表 (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  病历编号 TEXT COLLATE NOCASE,
  姓名 TEXT COLLATE NOCASE,
  性别 TEXT COLLATE NOCASE,
  年龄 TEXT COLLATE NOCASE,
  联系方式 TEXT COLLATE NOCASE,
  身份证号 TEXT COLLATE NOCASE,
  首诊日期 TEXT COLLATE NOCASE,
  药物过敏史 TEXT COLLATE NOCASE,
  主诉 TEXT COLLATE NOCASE,
  病史 TEXT COLLATE NOCASE,
  体检 TEXT COLLATE NOCASE,
  诊断 TEXT COLLATE NOCASE,
  处理意见 TEXT COLLATE NOCASE,
  复诊记录 TEXT COLLATE NOCASE
);
CREATE INDEX 病历表_姓名 ON 病历表(姓名);

CREATE TABLE 用户表 (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  用户名 TEXT COLLATE NOCASE,
  登陆名 TEXT COLLATE NOCASE,
  密码 TEXT COLLATE NOCASE
);

CREATE TABLE 设置表 (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  诊所名称 TEXT COLLATE NOCASE,
  默认登陆名 TEXT COLLATE NOCASE,
  默认密码 TEXT COLLATE NOCASE
);
