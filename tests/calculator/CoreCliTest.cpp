// tamsor-cli as a user runs it: exit status and messages.
#include "CoreTestFixture.h"

#include "calculator/core/TamsorDatabase.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct CliRun
{
    int exitCode;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& args, const QString& workingFolder)
{
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.start(QStringLiteral(TAMSOR_CLI), args);
    if (!process.waitForFinished(30000))
        return {-1, {}, QStringLiteral("did not finish")};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// A Tamsor.db file with the fixture's rows and the solar terms of 2013
// only, so 2013 cannot be loaded without its next 大寒.
class CliTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Database db = MakeTamsorFixture(dir.filePath(QStringLiteral("Tamsor.db")));
        addCalendarYear(db, 2013, {20, 20, 21, 5, 22, 23, 23, 7, 22});
    }
    QTemporaryDir dir;
};

TEST_F(CliTest, WrongUsageShowsTheUsageAndExitsWithTwo)
{
    const QList<QStringList> wrong{{}, {QStringLiteral("1900")}, {QStringLiteral("2032")},
                                   {QStringLiteral("abc")}, {QStringLiteral("2013"), QStringLiteral("2013-2-30")},
                                   {QStringLiteral("--db")}, {QStringLiteral("--frobnicate"), QStringLiteral("2013")},
                                   {QStringLiteral("2013"), QStringLiteral("2013-1-1"), QStringLiteral("x")}};
    for (const QStringList& args : wrong) {
        const CliRun run = runCli(args, dir.path());
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << args.join(' ').toStdString();
    }
    const CliRun help = runCli({QStringLiteral("--help")}, dir.path());
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: tamsor-cli [--db PATH] YEAR [DATE]")));
}

TEST_F(CliTest, MissingDatabaseFileIsAnErrorAndIsNotCreated)
{
    const QString missing = dir.filePath(QStringLiteral("none.db"));
    const CliRun run = runCli({QStringLiteral("--db"), missing, QStringLiteral("2013")}, dir.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("none.db"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(CliTest, YearWithoutItsNextDahanFailsQuotingTheDate)
{
    const CliRun run = runCli({QStringLiteral("2013")}, dir.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(QStringLiteral("2014-1-0"))) << run.err.toStdString();
}

TEST_F(CliTest, LoadedYearIsPrintedFromTheDatabaseInTheWorkingFolder)
{
    Database db = Database::open(dir.filePath(QStringLiteral("Tamsor.db")));
    addCalendarYear(db, 2014, {20, 21, 21, 6, 23, 23, 23, 7, 22});
    const CliRun run = runCli({QStringLiteral("2013"), QStringLiteral("2013-4-2 00:00")}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 8);
    EXPECT_EQ(lines[0], QStringLiteral("2013癸巳年"));
    EXPECT_EQ(lines[1], QStringLiteral("岁运:")); // the fixture has no rows for 癸
    EXPECT_EQ(lines[6], QStringLiteral("六气 公历: 初气=2013-1-20  气二=2013-3-20  气三=2013-5-21  气四=2013-7-22  "
                                       "气五=2013-9-23  终气=2013-11-22到2014-1-20"));
    EXPECT_EQ(lines[7], QStringLiteral("现在 2013-4-2: 五运 二运, 六气 气二"));
}

TEST(OpenTamsorDatabase, OpensWithAWriteAheadLogAndNeverCreatesAFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tamsor.db"));
    EXPECT_THROW(OpenTamsorDatabase(path), DatabaseError);
    EXPECT_FALSE(QFile::exists(path));

    Database::create(path).execScript(QStringLiteral("create table t (x)"));
    Database db = OpenTamsorDatabase(path);
    EXPECT_EQ(db.scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    EXPECT_EQ(db.scalar(QStringLiteral("PRAGMA synchronous")).toInt(), 1); // NORMAL
}

} // namespace
