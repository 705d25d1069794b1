#include "CoreTestFixture.h"

#include "calculator/core/LoadedYear.h"
#include "calculator/core/WholeYearAnalysis.h"
#include "calculator/core/YearQueries.h"

#include <gtest/gtest.h>

namespace {

// 1984-1-16 is a 己 day, so a 甲 year starting then meets the fixture's
// 天干合 pair (甲, 己); 1984-1-17 is a 庚 day and meets none.
const QDate kJiDay(1984, 1, 16);
const QDate kGengDay(1984, 1, 17);

LoadedYear yearOf(const QString& stem, const QString& branch, const QDate& start)
{
    LoadedYear y;
    y.Year = start.year();
    y.YearStem = stem;
    y.YearBranch = branch;
    y.YearStart = start;
    return y;
}

class WholeYearTest : public testing::Test
{
protected:
    WholeYearAnalysis analyse(const QString& stem, const QString& branch, const QDate& start)
    {
        const LoadedYear y = yearOf(stem, branch, start);
        return AnalyseWholeYear(db, y, LoadYearSummary(db, stem, branch));
    }
    Database db = MakeTamsorFixture();
};

TEST_F(WholeYearTest, YearWithoutGanDeFuAndNotBalancedReadsItsOwnMovement)
{
    const WholeYearAnalysis a = analyse(QStringLiteral("甲"), QStringLiteral("子"), kGengDay);
    EXPECT_EQ(a.kindLabel, QStringLiteral("运气异化:"));
    EXPECT_EQ(a.kindName, QStringLiteral("甲子名称"));
    EXPECT_EQ(a.kindJudgement, QStringLiteral("甲子判断"));
    EXPECT_EQ(a.balanceJudgement, QStringLiteral("甲子平气判断"));
    EXPECT_EQ(a.jointTreatment, QStringLiteral("甲子同治"));
    EXPECT_EQ(a.combinedTreatment, QStringLiteral("甲子合治"));
    EXPECT_EQ(a.dayStem, QStringLiteral("庚"));
    EXPECT_FALSE(a.formsGanDeFu);
    EXPECT_FALSE(a.countsAsBalanced);
    EXPECT_EQ(a.ganDeFuSentence, QStringLiteral("交运日日干是庚,年干是甲,没有形成干德符."));
    EXPECT_EQ(a.threeKindsKey, QStringLiteral("太宫土"));
    EXPECT_EQ(a.threeKinds, QStringLiteral("太宫土三气"));
    EXPECT_EQ(a.victory, QStringLiteral("太宫土胜"));
    EXPECT_EQ(a.revenge, QStringLiteral("太宫土复"));
    EXPECT_EQ(a.outburst, QStringLiteral("太宫土郁发"));
    EXPECT_EQ(a.sitianExcess, QStringLiteral("少阴司天淫胜"));
    EXPECT_EQ(a.sitianRule, QStringLiteral("少阴司天治则"));
    EXPECT_EQ(a.zaiquanExcess, QStringLiteral("阳明在泉淫胜"));
    EXPECT_EQ(a.zaiquanRule, QStringLiteral("阳明在泉治则"));
}

TEST_F(WholeYearTest, GanDeFuMakesTheYearBalancedForTheThreeKindsTextOnly)
{
    const WholeYearAnalysis a = analyse(QStringLiteral("甲"), QStringLiteral("子"), kJiDay);
    EXPECT_EQ(a.dayStem, QStringLiteral("己"));
    EXPECT_TRUE(a.formsGanDeFu);
    EXPECT_FALSE(a.tableSaysBalanced);
    EXPECT_TRUE(a.countsAsBalanced);
    EXPECT_EQ(a.ganDeFuSentence, QStringLiteral("交运日日干是己,年干是甲,甲己合而化土,形成干德符,是平气之年."));
    EXPECT_EQ(a.threeKindsKey, QStringLiteral("平宫土"));
    EXPECT_EQ(a.threeKinds, QStringLiteral("平宫土三气"));
    EXPECT_EQ(a.victory, QStringLiteral("太宫土胜"));
    EXPECT_EQ(a.revenge, QStringLiteral("太宫土复"));
    EXPECT_EQ(a.outburst, QStringLiteral("太宫土郁发"));
}

TEST_F(WholeYearTest, TableVerdictAloneAlsoGivesTheBalancedReading)
{
    const WholeYearAnalysis a = analyse(QStringLiteral("乙"), QStringLiteral("丑"), kGengDay);
    EXPECT_TRUE(a.tableSaysBalanced);
    EXPECT_FALSE(a.formsGanDeFu);
    EXPECT_EQ(a.ganDeFuSentence, QStringLiteral("交运日日干是庚,年干是乙,没有形成干德符."));
    EXPECT_EQ(a.threeKindsKey, QStringLiteral("平商金"));
    EXPECT_EQ(a.threeKinds, QStringLiteral("平商金三气"));
    EXPECT_EQ(a.victory, QStringLiteral("少商金胜"));
    EXPECT_EQ(a.sitianExcess, QStringLiteral("太阴司天淫胜"));
    EXPECT_EQ(a.zaiquanExcess, QStringLiteral("太阳在泉淫胜"));
}

TEST_F(WholeYearTest, YearWithoutRowsGivesEmptyTextsNotAnError)
{
    const WholeYearAnalysis a = analyse(QStringLiteral("丙"), QStringLiteral("寅"), kGengDay);
    EXPECT_EQ(a.kindLabel, QStringLiteral(":"));
    EXPECT_EQ(a.kindName, QString());
    EXPECT_FALSE(a.tableSaysBalanced);
    EXPECT_EQ(a.ganDeFuSentence, QStringLiteral("交运日日干是庚,年干是丙,没有形成干德符."));
    EXPECT_EQ(a.threeKinds, QString());
    EXPECT_EQ(a.victory, QString());
    EXPECT_EQ(a.sitianRule, QString());
    EXPECT_EQ(a.zaiquanRule, QString());
}

TEST(BalancedMovementKey, ReplacesEveryTaiAndShaoOnlyWhenBalanced)
{
    EXPECT_EQ(BalancedMovementKey(QStringLiteral("太宫土"), true), QStringLiteral("平宫土"));
    EXPECT_EQ(BalancedMovementKey(QStringLiteral("少商金"), true), QStringLiteral("平商金"));
    EXPECT_EQ(BalancedMovementKey(QStringLiteral("太少太"), true), QStringLiteral("平平平"));
    EXPECT_EQ(BalancedMovementKey(QStringLiteral("太宫土"), false), QStringLiteral("太宫土"));
    EXPECT_EQ(BalancedMovementKey(QString(), true), QString());
}

} // namespace
