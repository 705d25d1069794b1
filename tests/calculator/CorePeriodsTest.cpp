#include "calculator/core/ElementColor.h"
#include "calculator/core/Periods.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// Movement starts of a year: 初运 1-20, 二运 4-2, 三运 6-15, 四运 8-30,
// 终运 11-11, end (next 大寒) 2014-1-20.
const std::array<QDate, 6> kStarts{QDate(2013, 1, 20), QDate(2013, 4, 2),  QDate(2013, 6, 15),
                                   QDate(2013, 8, 30), QDate(2013, 11, 11), QDate(2014, 1, 20)};

QDateTime at(int y, int m, int d, int hour, int minute)
{
    return QDateTime(QDate(y, m, d), QTime(hour, minute));
}

struct PeriodCase
{
    QDateTime instant;
    std::optional<int> period;
};

class PeriodContainingTest : public testing::TestWithParam<PeriodCase>
{
};

TEST_P(PeriodContainingTest, StartInclusiveEndExclusive)
{
    const PeriodCase c = GetParam();
    EXPECT_EQ(PeriodContaining(kStarts, c.instant), c.period) << c.instant.toString().toStdString();
    EXPECT_EQ(PeriodContaining(kStarts, c.instant.date()), c.period);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, PeriodContainingTest,
    testing::Values(PeriodCase{at(2013, 1, 19, 23, 59), std::nullopt}, // before the year
                    PeriodCase{at(2013, 1, 20, 0, 0), 0},
                    PeriodCase{at(2013, 4, 1, 23, 59), 0},  // last minute of 初运
                    PeriodCase{at(2013, 4, 2, 0, 0), 1},    // 二运 begins at 00:00
                    PeriodCase{at(2013, 4, 2, 12, 30), 1},
                    PeriodCase{at(2013, 6, 15, 0, 0), 2}, PeriodCase{at(2013, 8, 30, 0, 0), 3},
                    PeriodCase{at(2013, 11, 11, 0, 0), 4},
                    PeriodCase{at(2014, 1, 19, 23, 59), 4}, // last minute of the year
                    PeriodCase{at(2014, 1, 20, 0, 0), std::nullopt}, // next year's start
                    PeriodCase{at(2020, 6, 1, 0, 0), std::nullopt}));

TEST(PeriodContaining, FewerThanTwoStartsHoldNothing)
{
    EXPECT_EQ(PeriodContaining(std::span<const QDate>(), QDate(2013, 5, 1)), std::nullopt);
    const std::array<QDate, 1> one{QDate(2013, 1, 20)};
    EXPECT_EQ(PeriodContaining(one, QDate(2013, 1, 20)), std::nullopt);
}

struct CellCase
{
    const char* rowKind;
    const char* column;
    bool movement;
    bool qi;
};

class CellKindTest : public testing::TestWithParam<CellCase>
{
};

TEST_P(CellKindTest, ColouredCells)
{
    const CellCase c = GetParam();
    const QString kind = QString::fromUtf8(c.rowKind);
    const QString column = QString::fromUtf8(c.column);
    EXPECT_EQ(IsMovementCell(kind, column), c.movement) << c.rowKind << " " << c.column;
    EXPECT_EQ(IsQiCell(kind, column), c.qi) << c.rowKind << " " << c.column;
}

INSTANTIATE_TEST_SUITE_P(
    Grids, CellKindTest,
    testing::Values(CellCase{"主运", "初运", true, false}, CellCase{"客运", "终运", true, false},
                    CellCase{"客运2", "三运", true, false}, CellCase{"分析", "初运", false, false},
                    CellCase{"公历", "初运", false, false}, CellCase{"交司", "二运", false, false},
                    CellCase{"客运", "岁运", false, false}, CellCase{"客运", "年干", false, false},
                    CellCase{"主运", "初气", false, false}, CellCase{"主气", "初气", false, true},
                    CellCase{"客气", "终气", false, true}, CellCase{"分析", "气五", false, true},
                    CellCase{"公历", "初气", false, false}, CellCase{"司天在泉", "气三", false, false},
                    CellCase{"客气", "岁气", false, false}, CellCase{"客气", "初运", false, false},
                    CellCase{"", "", false, false}));

struct ColorCase
{
    const char* text;
    Rgb color;
};

class ElementColorTest : public testing::TestWithParam<ColorCase>
{
};

TEST_P(ElementColorTest, LastElementOfTheOrderWins)
{
    const ColorCase c = GetParam();
    const Rgb got = ElementColor(QString::fromUtf8(c.text));
    EXPECT_EQ(got, c.color) << c.text << " gave " << got.red << "," << got.green << "," << got.blue;
}

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kSilver{192, 192, 192};
constexpr Rgb kLime{0, 255, 0};
constexpr Rgb kSky{166, 202, 240};
constexpr Rgb kYellow{255, 255, 0};

INSTANTIATE_TEST_SUITE_P(
    Precedence, ElementColorTest,
    testing::Values(ColorCase{"", kRed}, ColorCase{"同气", kRed}, ColorCase{"少商金", kSilver},
                    ColorCase{"太角木", kLime}, ColorCase{"太阳寒水", kSky}, ColorCase{"少阴君火", kRed},
                    ColorCase{"太宫土", kYellow}, ColorCase{"火生土", kYellow}, ColorCase{"土生火", kYellow},
                    ColorCase{"金生水", kSky}, ColorCase{"水生金", kSky}, ColorCase{"火克金", kRed},
                    ColorCase{"金克木", kLime}, ColorCase{"水生木", kSky}, ColorCase{"木火", kRed},
                    ColorCase{"金木水火土", kYellow}, ColorCase{"客水胜主·从", kSky}));

} // namespace
