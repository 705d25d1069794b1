#include "clinic/admin/AdminCommands.h"
#include "clinic/db/ClinicSchema.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ClinicDatabase, NewDatabaseHoldsTheInitialLogin)
{
    QTemporaryDir dir;
    Database db = createClinicDatabase(dir.filePath("OK.db"));
    const RowSet users = db.query(" Select * from 用户表");
    ASSERT_EQ(users.size(), 1);
    EXPECT_EQ(users[0].text("用户名"), kInitialLoginName);
    EXPECT_EQ(users[0].text("密码"), kInitialPassword);
    EXPECT_FALSE(users[0].text("登陆名").isEmpty());
    const RowSet settings = db.query("select * from 设置表");
    ASSERT_EQ(settings.size(), 1);
    EXPECT_EQ(settings[0].text("默认登陆名"), kInitialLoginName);
    EXPECT_EQ(settings[0].text("默认密码"), kInitialPassword);
    EXPECT_TRUE(checkClinicDatabase(db).isEmpty());
    for (const char* table : {"类别表", "药品表", "药方主表", "药方从表", "病历表"})
        EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from %1").arg(QString::fromUtf8(table))).toInt(), 0);
}

TEST(ClinicDatabase, NeverOverwritesAnExistingFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("OK.db");
    {
        Database db = createClinicDatabase(path);
        db.execute("insert into 病历表 (姓名) values ('张三')");
    }
    EXPECT_THROW(createClinicDatabase(path), DatabaseError);
    Database db = Database::open(path);
    EXPECT_EQ(db.scalar("select count(*) from 病历表").toInt(), 1);
}

TEST(ClinicDatabase, LineWidthsAreEnforcedWithoutHalfWrites)
{
    Database db = Database::openInMemory();
    createClinicSchema(db);
    const QString fifty(50, QChar(u'药'));
    db.execute("insert into 药方从表 (药方主表ID, 药品名, 备注) values ('1', ?, ?)", {fifty, QString(255, u'x')});
    struct Case { const char* column; int width; };
    for (const Case& c : {Case{"药方主表ID", 50}, Case{"药品名", 50}, Case{"规格", 50}, Case{"单位", 50}, Case{"备注", 255}}) {
        const QString column = QString::fromUtf8(c.column);
        try {
            Transaction transaction(db);
            db.execute("insert into 药方从表 (药方主表ID, 药品名) values ('2', '甘草')");
            db.execute(QStringLiteral("insert into 药方从表 (%1) values (?)").arg(column), {QString(c.width + 1, u'长')});
            transaction.commit();
            ADD_FAILURE() << c.column << " accepted an over-long value";
        } catch (const DatabaseError& e) {
            EXPECT_TRUE(e.message().contains(column)) << e.what();
        }
    }
    EXPECT_EQ(db.scalar("select count(*) from 药方从表").toInt(), 1); // nothing half-written
}

TEST(ClinicDatabase, CheckFindsMissingColumnsAndTables)
{
    Database db = Database::openInMemory();
    db.execScript("create table 用户表 (ID integer primary key, 用户名 text)");
    const QStringList problems = checkClinicDatabase(db);
    EXPECT_TRUE(problems.join('\n').contains("缺少表：药品表"));
    EXPECT_TRUE(problems.join('\n').contains("表 用户表 缺少字段：密码"));
}

QString runAdmin(const QStringList& args, int* status, const QString& input = QString())
{
    QString inText = input, outText, errText;
    QTextStream in(&inText), out(&outText), err(&errText);
    *status = runAdminCommand(args, in, out, err);
    out.flush();
    err.flush();
    return outText + errText;
}

TEST(AdminTool, CommandsAndExitStatus)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("OK.db");
    int status = -1;
    runAdmin({"init-db", path}, &status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(runAdmin({"init-db", path}, &status).indexOf(path), -1);
    EXPECT_NE(status, 0);
    runAdmin({"check-db", path}, &status);
    EXPECT_EQ(status, 0);
    runAdmin({"check-db", dir.filePath("none.db")}, &status);
    EXPECT_NE(status, 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("none.db")));
    EXPECT_EQ(runAdmin({"input-code", "维生素C", "  甘草"}, &status), "WSSC\nGC\n");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(runAdmin({"input-code"}, &status, "麻黄\n桂枝\n"), "MH\nGZ\n");
    EXPECT_TRUE(runAdmin({"frobnicate"}, &status).contains("用法"));
    EXPECT_NE(status, 0);
    runAdmin({}, &status);
    EXPECT_NE(status, 0);
}

} // namespace
