#include "CoreTestFixture.h"

#include "calculator/core/CellAnalysis.h"

#include <gtest/gtest.h>

namespace {

class CellAnalysisTest : public testing::Test
{
protected:
    CellAnalysis analyse(const char* kind, const char* column, const char* text, const char* branch = "子")
    {
        return AnalyseClickedCell(db,
                                  ClickedCell{QString::fromUtf8(kind), QString::fromUtf8(column),
                                              QString::fromUtf8(text)},
                                  QString::fromUtf8(branch));
    }
    Database db = MakeTamsorFixture();
};

TEST_F(CellAnalysisTest, MovementCellOpensTheMovementWindow)
{
    const CellAnalysis a = analyse("客运", "二运", "少商金");
    EXPECT_EQ(a.window, CellAnalysis::Window::MovementCell);
    EXPECT_EQ(a.caption, QStringLiteral("客运的二运:少商金"));
    EXPECT_EQ(a.texts, QStringList({"少商金三气", "少商金胜", "少商金复", "少商金郁发"}));
}

TEST_F(CellAnalysisTest, HostAndGuestQiCellsOpenTheQiWindow)
{
    const CellAnalysis guest = analyse("客气", "初气", "太阳寒水");
    EXPECT_EQ(guest.window, CellAnalysis::Window::QiCell);
    EXPECT_EQ(guest.caption, QStringLiteral("客气的初气:太阳寒水"));
    EXPECT_EQ(guest.texts, QStringList({"寒淫", "寒淫治则", "寒复", "寒复治则"}));

    const CellAnalysis host = analyse("主气", "气二", "少阴君火");
    EXPECT_EQ(host.window, CellAnalysis::Window::QiCell);
    EXPECT_EQ(host.caption, QStringLiteral("主气的气二:少阴君火"));
    EXPECT_EQ(host.texts.first(), QStringLiteral("热淫"));
}

TEST_F(CellAnalysisTest, AnalysisRowReadsTheClickedColumnOfTheYearsBranch)
{
    const CellAnalysis a = analyse("分析", "气三", "君火临相", "丑");
    EXPECT_EQ(a.window, CellAnalysis::Window::QiAnalysis);
    EXPECT_EQ(a.caption, QStringLiteral("气三的分析:君火临相"));
    EXPECT_EQ(a.texts, QStringList({"司天客主分析丑气三", "在泉客主分析丑气三", "主气治则气三",
                                    "客气治则丑气三", "运气合治丑气三"}));

    // Another year's branch gives its own rows, the host-qi rule stays the same.
    const CellAnalysis other = analyse("分析", "气三", "君火临相", "子");
    EXPECT_EQ(other.texts[0], QStringLiteral("司天客主分析子气三"));
    EXPECT_EQ(other.texts[2], QStringLiteral("主气治则气三"));
}

TEST_F(CellAnalysisTest, TextWithoutRowsStillOpensTheWindowWithEmptyTexts)
{
    const CellAnalysis a = analyse("主运", "初运", "无此运");
    EXPECT_EQ(a.window, CellAnalysis::Window::MovementCell);
    EXPECT_EQ(a.texts, QStringList({"", "", "", ""}));

    const CellAnalysis b = analyse("分析", "初气", "x", "寅");
    EXPECT_EQ(b.window, CellAnalysis::Window::QiAnalysis);
    EXPECT_EQ(b.texts, QStringList({"", "", "主气治则初气", "", ""}));
}

TEST_F(CellAnalysisTest, QuoteInTheCellTextIsEscaped)
{
    const CellAnalysis a = analyse("客运", "初运", "x' or '1'='1");
    EXPECT_EQ(a.window, CellAnalysis::Window::MovementCell);
    EXPECT_EQ(a.texts, QStringList({"", "", "", ""}));
}

struct UncolouredCase
{
    const char* kind;
    const char* column;
};

class UncolouredCellTest : public CellAnalysisTest, public testing::WithParamInterface<UncolouredCase>
{
};

TEST_P(UncolouredCellTest, GivesTheMessageAndNoWindow)
{
    const UncolouredCase c = GetParam();
    const CellAnalysis a = analyse(c.kind, c.column, "2013-1-20");
    EXPECT_EQ(a.window, CellAnalysis::Window::None);
    EXPECT_EQ(a.message, NoColouredCellMessage());
    EXPECT_TRUE(a.texts.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cells, UncolouredCellTest,
                         testing::Values(UncolouredCase{"", ""}, UncolouredCase{"公历", "初运"},
                                         UncolouredCase{"客运", "岁运"}, UncolouredCase{"分析", "初运"},
                                         UncolouredCase{"公历", "初气"}, UncolouredCase{"司天在泉", "气三"}));

TEST(NoColouredCellMessage, ThreeLines)
{
    EXPECT_EQ(NoColouredCellMessage().split(QStringLiteral("\n\r")),
              QStringList({"只有单击或双击有颜色的单元格才有\"当前单元格的分析\".",
                           "即主运客运或客运2的初运二运三运四运终运,",
                           "或者主气客气或分析的初气气二气三气四气五终气"}));
}

} // namespace
