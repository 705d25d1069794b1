// Tests on Tamsor.db as the build makes it from data/calculator. Each test
// works on its own copy, since loading a year rewrites the 公历 rows.
#ifdef TAMSOR_DB

#include "CoreTestFixture.h"

#include "calculator/cli/CliReport.h"
#include "calculator/core/DateText.h"
#include "calculator/core/Periods.h"
#include "calculator/core/SolarCalendar.h"
#include "calculator/core/TamsorDatabase.h"
#include "calculator/core/WholeYearAnalysis.h"
#include "calculator/core/YearQueries.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

class RealDatabaseTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const QString copy = dir.filePath(QStringLiteral("Tamsor.db"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(TAMSOR_DB), copy)) << TAMSOR_DB;
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        db.emplace(OpenTamsorDatabase(copy));
    }

    QStringList gregorianRow(const QString& table, const QStringList& columns)
    {
        const Row row =
            db->query(QStringLiteral("select * from %1 where 属性='公历'").arg(table)).firstOrEmpty();
        QStringList texts;
        for (const QString& column : columns)
            texts << row.text(column);
        return texts;
    }

    QTemporaryDir dir;
    std::optional<Database> db;
};

struct SpanCase
{
    int year;
    QStringList movementTexts; // 公历 row of YUN after the load
    QStringList qiTexts;       // 公历 row of QI after the load
};

class RealSpansTest : public RealDatabaseTest, public testing::WithParamInterface<SpanCase>
{
};

// Expected dates worked out by hand from calendar.tsv:
//  2013: 大寒 1-20, 春分 3-20 (+13 = 4-2), 小满 5-21, 芒种 6-5 (+10 = 6-15),
//        大暑 7-22, 处暑 8-23 (+7 = 8-30), 秋分 9-23, 立冬 11-7 (+4 = 11-11),
//        小雪 11-22; 2014 大寒 1-20.
//  2031: 大寒 1-20, 春分 3-21 (+13 = 4-3), 小满 5-21, 芒种 6-6 (+10 = 6-16),
//        大暑 7-23, 处暑 8-23 (+7 = 8-30), 秋分 9-23, 立冬 11-7 (+4 = 11-11),
//        小雪 11-22; 2032 大寒 1-20.
TEST_P(RealSpansTest, GregorianRowsHoldTheYearsStarts)
{
    const SpanCase c = GetParam();
    const LoadedYear y = WriteGregorianSpans(*db, c.year);
    EXPECT_EQ(gregorianRow(QStringLiteral("YUN"), MovementColumns()), c.movementTexts);
    EXPECT_EQ(gregorianRow(QStringLiteral("QI"), QiColumns()), c.qiTexts);
    EXPECT_EQ(DateText(y.YearStart), c.movementTexts[0]);
    EXPECT_EQ(DateText(y.NextYearStart), c.movementTexts[4].section(QStringLiteral("到"), 1));
}

INSTANTIATE_TEST_SUITE_P(
    HandComputed, RealSpansTest,
    testing::Values(SpanCase{2013,
                             {"2013-1-20", "2013-4-2", "2013-6-15", "2013-8-30", "2013-11-11到2014-1-20"},
                             {"2013-1-20", "2013-3-20", "2013-5-21", "2013-7-22", "2013-9-23",
                              "2013-11-22到2014-1-20"}},
                    SpanCase{2031,
                             {"2031-1-20", "2031-4-3", "2031-6-16", "2031-8-30", "2031-11-11到2032-1-20"},
                             {"2031-1-20", "2031-3-21", "2031-5-21", "2031-7-23", "2031-9-23",
                              "2031-11-22到2032-1-20"}}));

TEST_F(RealDatabaseTest, EveryOfferedYearLoadsAndOnlyTheGregorianRowsChange)
{
    const QString yunBefore = rowsOtherThanGregorian(*db, QStringLiteral("YUN"));
    const QString qiBefore = rowsOtherThanGregorian(*db, QStringLiteral("QI"));
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const LoadedYear y = WriteGregorianSpans(*db, year);
        ASSERT_EQ(y.YearStart.year(), year);
        ASSERT_EQ(y.YearStart.month(), 1);
        ASSERT_EQ(y.NextYearStart.year(), year + 1);
        for (size_t k = 0; k + 1 < y.MovementStarts.size(); ++k)
            ASSERT_LT(y.MovementStarts[k], y.MovementStarts[k + 1]) << year << " movement " << k;
        for (size_t k = 0; k + 1 < y.QiStarts.size(); ++k)
            ASSERT_LT(y.QiStarts[k], y.QiStarts[k + 1]) << year << " qi " << k;
        const YearSummary s = LoadYearSummary(*db, y.YearStem, y.YearBranch);
        ASSERT_FALSE(s.YearMovement.isEmpty()) << year;
        ASSERT_FALSE(s.SitianQi.isEmpty()) << year;
        ASSERT_FALSE(s.ZaiquanQi.isEmpty()) << year;
        EXPECT_EQ(LoadMovementRows(*db, y.YearStem).size(), 6) << year;
        EXPECT_EQ(gregorianRow(QStringLiteral("QI"), {QStringLiteral("终气")}).first(),
                  DateText(y.QiStarts[5]) + QStringLiteral("到") + DateText(y.NextYearStart));
    }
    EXPECT_EQ(rowsOtherThanGregorian(*db, QStringLiteral("YUN")), yunBefore);
    EXPECT_EQ(rowsOtherThanGregorian(*db, QStringLiteral("QI")), qiBefore);
}

TEST_F(RealDatabaseTest, MidJanuary2014BelongsToTheLastPeriodsOf2013)
{
    const QDateTime instant(QDate(2014, 1, 15), QTime(10, 0));
    ASSERT_EQ(MovementQiYearOf(*db, instant), 2013);
    const LoadedYear y = WriteGregorianSpans(*db, 2013);
    EXPECT_EQ(PeriodContaining(y.MovementStarts, instant), 4); // 终运
    EXPECT_EQ(PeriodContaining(y.QiStarts, instant), 5);       // 终气
}

WholeYearAnalysis analyseYear(Database& db, int year)
{
    const LoadedYear y = WriteGregorianSpans(db, year);
    return AnalyseWholeYear(db, y, LoadYearSummary(db, y.YearStem, y.YearBranch));
}

// 1905 乙巳: its 大寒 (1905-1-21) is a 庚 day, and 乙 with 庚 forms 干德符,
// though the cycle table does not call 乙巳 balanced.
TEST_F(RealDatabaseTest, YearFormingGanDeFuIsReadAsBalanced)
{
    const WholeYearAnalysis a = analyseYear(*db, 1905);
    EXPECT_EQ(a.dayStem, QStringLiteral("庚"));
    EXPECT_TRUE(a.formsGanDeFu);
    EXPECT_FALSE(a.tableSaysBalanced);
    EXPECT_TRUE(a.ganDeFuSentence.startsWith(QStringLiteral("交运日日干是庚,年干是乙,乙庚")));
    EXPECT_TRUE(a.ganDeFuSentence.endsWith(QStringLiteral(",形成干德符,是平气之年.")));
    EXPECT_EQ(a.threeKindsKey, QStringLiteral("平商金"));
    EXPECT_TRUE(a.threeKinds.startsWith(QStringLiteral("平商金"))) << a.threeKinds.left(20).toStdString();
    const WholeYearAnalysis sameMovementNotBalanced = analyseYear(*db, 1965); // 乙巳 again, 大寒 on another stem
    EXPECT_EQ(a.victory, sameMovementNotBalanced.victory);
    EXPECT_FALSE(a.victory.isEmpty());
    EXPECT_FALSE(a.sitianExcess.isEmpty());
    EXPECT_FALSE(a.zaiquanRule.isEmpty());
}

// 1984 甲子: its 大寒 (1984-1-21) is a 甲 day; 甲 with 甲 forms nothing and
// the table does not call 甲子 balanced.
TEST_F(RealDatabaseTest, YearWithoutGanDeFuKeepsItsMovement)
{
    const WholeYearAnalysis a = analyseYear(*db, 1984);
    EXPECT_EQ(a.ganDeFuSentence, QStringLiteral("交运日日干是甲,年干是甲,没有形成干德符."));
    EXPECT_FALSE(a.countsAsBalanced);
    EXPECT_EQ(a.threeKindsKey, QStringLiteral("太宫土"));
    EXPECT_TRUE(a.threeKinds.startsWith(QStringLiteral("太宫土"))) << a.threeKinds.left(20).toStdString();
}

// 2013 癸巳: no 干德符 (大寒 on a 丙 day), but the table calls it balanced.
TEST_F(RealDatabaseTest, TableVerdictAloneGivesTheBalancedReading)
{
    const WholeYearAnalysis a = analyseYear(*db, 2013);
    EXPECT_EQ(a.ganDeFuSentence, QStringLiteral("交运日日干是丙,年干是癸,没有形成干德符."));
    EXPECT_TRUE(a.tableSaysBalanced);
    EXPECT_EQ(a.threeKindsKey, QStringLiteral("平徵火"));
    EXPECT_FALSE(a.threeKinds.isEmpty());
}

TEST_F(RealDatabaseTest, CommandLineReportOf2013)
{
    const QStringList lines =
        YearReport(*db, 2013, QDateTime(QDate(2014, 1, 15), QTime(8, 0))).split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 8);
    EXPECT_EQ(lines.mid(0, 4), QStringList({"2013癸巳年", "岁运:少徵火", "司天:厥阴风木", "在泉:少阳相火"}));
    EXPECT_EQ(lines[5], QStringLiteral("五运 公历: 初运=2013-1-20  二运=2013-4-2  三运=2013-6-15  四运=2013-8-30  "
                                       "终运=2013-11-11到2014-1-20"));
    EXPECT_EQ(lines[7], QStringLiteral("现在 2014-1-15: 五运 终运, 六气 终气"));
    EXPECT_TRUE(lines.contains(QStringLiteral("是否干德符: 交运日日干是丙,年干是癸,没有形成干德符.")));
}

} // namespace

#endif
