#include "platform/db/Database.h"
#include "platform/db/SqlText.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SqlText, EscapeDoublesSingleQuotesOnly)
{
    EXPECT_EQ(escapeSql(QStringLiteral("O'Neil")), QStringLiteral("O''Neil"));
    EXPECT_EQ(quoted(QStringLiteral("a'b''c")), QStringLiteral("'a''b''''c'"));
    EXPECT_EQ(quoted(QStringLiteral("100% \\n")), QStringLiteral("'100% \\n'"));
    EXPECT_EQ(quotedIdentifier(QStringLiteral("order")), QStringLiteral("\"order\""));
}

// Texts that would break or change a statement if spliced carelessly.
class HostileText : public ::testing::TestWithParam<const char*>
{
};

TEST_P(HostileText, RoundTripsThroughSplicedSql)
{
    Database db = Database::openInMemory();
    db.execScript("create table t (ID integer primary key, name text collate nocase);"
                  "insert into t (name) values ('keep');");
    const QString text = QString::fromUtf8(GetParam());
    db.execute("insert into t (name) values (" + quoted(text) + ")");
    const RowSet found = db.query("select name from t where name=" + quoted(text));
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].text("name"), text);
    // The statement was not altered: the other row is still there and alone.
    EXPECT_EQ(db.scalar("select count(*) from t").toInt(), 2);
    EXPECT_EQ(db.query("select * from t where name like '%" + escapeSql(text) + "%'").size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileText,
                         ::testing::Values("O'Neil", "'", "''", "a' or '1'='1", "x'); drop table t; --",
                                           "100%", "back\\slash\\", "引号'中文'", "%_'%"));

TEST(Database, OpenNeverCreatesAFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("OK.db"));
    try {
        Database::open(path);
        FAIL() << "open created or accepted a missing file";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("OK.db"))) << e.what();
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST(Database, NotADatabaseIsReportedWithItsName)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("broken.db"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    try {
        Database::open(path);
        FAIL() << "a garbage file was opened";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("broken.db"))) << e.what();
    }
}

TEST(Database, ErrorsCarryTheEngineMessage)
{
    Database db = Database::openInMemory();
    try {
        db.query("select * from 没有的表");
        FAIL();
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("no such table"))) << e.what();
    }
}

TEST(Database, CStrJoinsNumbersToTextReferences)
{
    Database db = Database::openInMemory();
    db.execScript("create table 类别表 (ID integer primary key autoincrement, 一级科目名 text);"
                  "create table 药品表 (ID integer primary key autoincrement, 类别ID text, 药品名 text);");
    for (int i = 1; i <= 12; ++i)
        db.execute("insert into 类别表 (一级科目名) values (?)", {QStringLiteral("类%1").arg(i)});
    db.execute("insert into 药品表 (类别ID, 药品名) values ('12', '甘草'), ('012', '错'), ('12.0', '错')");
    for (const char* sql : {"select a.药品名, b.一级科目名 from 药品表 a, 类别表 b where a.类别ID=Cstr(b.ID)",
                            "select a.药品名, b.一级科目名 from 药品表 a left join 类别表 b on CStr(b.ID)=a.类别ID "
                            "where b.ID is not null",
                            "select a.药品名, b.一级科目名 from 药品表 a, 类别表 b where a.类别ID=cstr(b.ID)"}) {
        const RowSet rows = db.query(QString::fromUtf8(sql));
        ASSERT_EQ(rows.size(), 1) << sql;
        EXPECT_EQ(rows[0].text("药品名"), QStringLiteral("甘草"));
        EXPECT_EQ(rows[0].text("一级科目名"), QStringLiteral("类12"));
    }
    EXPECT_EQ(db.scalar("select CStr(12)").toString(), QStringLiteral("12"));
    EXPECT_TRUE(db.scalar("select CStr(null)").isNull());
}

TEST(Database, RowsReadByColumnNameInEveryType)
{
    Database db = Database::openInMemory();
    const RowSet rows = db.query("select null as n, 'abc' as t, 42 as i, 12.5 as m, 1 as b, 3.0 as r");
    const Row& row = rows[0];
    EXPECT_EQ(row.text("n"), QString());
    EXPECT_EQ(row.integer("n"), 0);
    EXPECT_FALSE(row.boolean("n"));
    EXPECT_EQ(row.text("T"), QStringLiteral("abc")); // names ignore Latin case
    EXPECT_EQ(row.integer("i"), 42);
    EXPECT_EQ(row.decimal("m").toString(), QStringLiteral("12.5"));
    EXPECT_EQ(row.text("r"), QStringLiteral("3"));
    EXPECT_TRUE(row.boolean("b"));
    EXPECT_THROW(row.value("missing"), DatabaseError);
    const RowSet none = db.query("select 1 as x where 1=2");
    EXPECT_EQ(none.firstOrEmpty().text("x"), QString());
}

TEST(Database, TransactionRollsBackWhenLeftWithoutCommit)
{
    Database db = Database::openInMemory();
    db.execScript("create table t (ID integer primary key, v text)");
    try {
        Transaction transaction(db);
        db.execute("insert into t (v) values ('a')");
        db.execute("insert into nothing values (1)"); // fails
        transaction.commit();
    } catch (const DatabaseError&) {
    }
    EXPECT_EQ(db.scalar("select count(*) from t").toInt(), 0);
    EXPECT_FALSE(db.inTransaction());
}

TEST(Database, TwoConnectionsShareOneFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shared.db"));
    Database first = Database::create(path);
    first.execScript("create table t (v integer)");
    Database second = Database::open(path);
    first.begin();
    first.execute("insert into t values (1)");
    first.commit();
    EXPECT_EQ(second.scalar("select count(*) from t").toInt(), 1);
}

} // namespace
