#include "CoreTestFixture.h"

#include "calculator/core/LoadedYear.h"
#include "calculator/core/YearQueries.h"

#include <gtest/gtest.h>

namespace {

QStringList column(const RowSet& rows, const QString& name)
{
    QStringList values;
    for (const Row& row : rows.rows)
        values << row.text(name);
    return values;
}

class YearQueriesTest : public testing::Test
{
protected:
    Database db = MakeTamsorFixture();
};

TEST_F(YearQueriesTest, SummaryOfAYear)
{
    const YearSummary s = LoadYearSummary(db, QStringLiteral("甲"), QStringLiteral("子"));
    EXPECT_EQ(s.YearMovement, QStringLiteral("太宫土"));
    EXPECT_EQ(s.SitianQi, QStringLiteral("少阴君火"));
    EXPECT_EQ(s.ZaiquanQi, QStringLiteral("阳明燥金"));

    LoadedYear y;
    y.Year = 1984;
    y.YearStem = QStringLiteral("甲");
    y.YearBranch = QStringLiteral("子");
    EXPECT_EQ(YearSummaryLines(y, s),
              QStringList({"1984甲子年", "岁运:太宫土", "司天:少阴君火", "在泉:阳明燥金"}));
}

TEST_F(YearQueriesTest, SummaryWithoutRowsHasEmptyValues)
{
    const YearSummary s = LoadYearSummary(db, QStringLiteral("丙"), QStringLiteral("寅"));
    EXPECT_EQ(s.YearMovement, QString());
    EXPECT_EQ(s.SitianQi, QString());
    EXPECT_EQ(s.ZaiquanQi, QString());
}

TEST_F(YearQueriesTest, MovementGridHoldsSharedRowsAndTheStemsRowsInOrder)
{
    const RowSet rows = LoadMovementRows(db, QStringLiteral("乙"));
    EXPECT_EQ(column(rows, QStringLiteral("属性")), QStringList({"公历", "交司", "主运", "客运", "客运2", "分析"}));
    EXPECT_EQ(column(rows, QStringLiteral("年干")), QStringList({"", "", "乙", "乙", "乙", ""}));
    EXPECT_EQ(rows[3].text(QStringLiteral("岁运")), QStringLiteral("少商金"));
    // The grid shows the columns by name.
    for (const char* name : {"属性", "年干", "岁运", "初运", "二运", "三运", "四运", "终运"})
        EXPECT_TRUE(rows[0].has(QString::fromUtf8(name))) << name;
}

TEST_F(YearQueriesTest, QiGridHoldsSharedRowsAndTheBranchsRowsInOrder)
{
    const RowSet rows = LoadQiRows(db, QStringLiteral("丑"));
    EXPECT_EQ(column(rows, QStringLiteral("属性")),
              QStringList({"公历", "交司", "司天在泉", "主气", "客气", "分析"}));
    EXPECT_EQ(rows[4].text(QStringLiteral("年支")), QStringLiteral("丑"));
    EXPECT_EQ(rows[5].text(QStringLiteral("初气")), QStringLiteral("同气木"));
}

TEST_F(YearQueriesTest, QuoteInAKeyCannotWidenTheQuery)
{
    const QString hostile = QStringLiteral("x' or '1'='1");
    EXPECT_EQ(column(LoadMovementRows(db, hostile), QStringLiteral("属性")),
              QStringList({"公历", "交司", "分析"}));
    EXPECT_EQ(column(LoadQiRows(db, hostile), QStringLiteral("属性")),
              QStringList({"公历", "交司", "司天在泉", "主气"}));
    EXPECT_EQ(LoadYearMovement(db, hostile), QString());
}

TEST_F(YearQueriesTest, UnloadedGridsShowEveryRow)
{
    EXPECT_EQ(LoadAllMovementRows(db).size(), 9);
    EXPECT_EQ(LoadAllQiRows(db).size(), 17);
}

} // namespace
