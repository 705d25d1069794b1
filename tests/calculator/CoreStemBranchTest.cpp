#include "calculator/core/StemBranch.h"

#include <gtest/gtest.h>

#include <QSet>

TEST(StemBranchNames, TablesAndOutOfRangeIndexes)
{
    EXPECT_EQ(StemName(0), QStringLiteral("甲"));
    EXPECT_EQ(StemName(9), QStringLiteral("癸"));
    EXPECT_EQ(BranchName(0), QStringLiteral("子"));
    EXPECT_EQ(BranchName(11), QStringLiteral("亥"));
    for (int outside : {-1, 10, 12, 100})
        EXPECT_EQ(StemName(outside), QString()) << outside;
    for (int outside : {-1, 12, 13})
        EXPECT_EQ(BranchName(outside), QString()) << outside;
}

struct YearCase
{
    int year;
    const char* stem;
    const char* branch;
};

class YearStemBranchTest : public testing::TestWithParam<YearCase>
{
};

TEST_P(YearStemBranchTest, NamesTheYear)
{
    const YearCase c = GetParam();
    const StemBranch sb = YearStemBranch(c.year);
    EXPECT_EQ(sb.stem, QString::fromUtf8(c.stem));
    EXPECT_EQ(sb.branch, QString::fromUtf8(c.branch));
}

INSTANTIATE_TEST_SUITE_P(KnownYears, YearStemBranchTest,
                         testing::Values(YearCase{1901, "辛", "丑"}, YearCase{1902, "壬", "寅"},
                                         YearCase{1911, "辛", "亥"}, YearCase{1984, "甲", "子"},
                                         YearCase{2000, "庚", "辰"}, YearCase{2013, "癸", "巳"},
                                         YearCase{2031, "辛", "亥"}, YearCase{1900, "庚", "子"}));

TEST(YearStemBranch, StemRepeatsEveryTenBranchEveryTwelveAndSixtyPairsPerCycle)
{
    QSet<QString> pairs;
    for (int year = 1901; year <= 2031; ++year) {
        const StemBranch sb = YearStemBranch(year);
        ASSERT_FALSE(sb.stem.isEmpty()) << year;
        ASSERT_FALSE(sb.branch.isEmpty()) << year;
        EXPECT_EQ(YearStemBranch(year + 10).stem, sb.stem) << year;
        EXPECT_EQ(YearStemBranch(year + 12).branch, sb.branch) << year;
        if (year < 1961)
            pairs.insert(sb.stem + sb.branch);
    }
    EXPECT_EQ(pairs.size(), 60);
}

struct DayCase
{
    QDate date;
    const char* stem;
};

class DayStemTest : public testing::TestWithParam<DayCase>
{
};

TEST_P(DayStemTest, NamesTheDay)
{
    const DayCase c = GetParam();
    EXPECT_EQ(DayStem(c.date), QString::fromUtf8(c.stem)) << c.date.toString(Qt::ISODate).toStdString();
}

// 1900-01-01 was a 甲戌 day and 2000-01-01 a 戊午 day. Days before the
// reference day 1901-01-06 must run the cycle backwards, not mirror it.
INSTANTIATE_TEST_SUITE_P(KnownDays, DayStemTest,
                         testing::Values(DayCase{QDate(1901, 1, 6), "甲"}, DayCase{QDate(1901, 1, 16), "甲"},
                                         DayCase{QDate(1901, 1, 20), "戊"}, DayCase{QDate(1901, 1, 15), "癸"},
                                         DayCase{QDate(2000, 1, 1), "戊"}, DayCase{QDate(2013, 1, 20), "丙"},
                                         DayCase{QDate(1901, 1, 5), "癸"}, DayCase{QDate(1900, 1, 1), "甲"},
                                         DayCase{QDate(1900, 1, 2), "乙"}));
