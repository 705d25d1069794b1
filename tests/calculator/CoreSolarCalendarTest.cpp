#include "CoreTestFixture.h"

#include "calculator/core/CalendarError.h"
#include "calculator/core/DateText.h"
#include "calculator/core/SolarCalendar.h"

#include <gtest/gtest.h>

namespace {

// The solar terms of 2013 and the 大寒 of 2014 as they fall in China.
constexpr SolarTermDays k2013{20, 20, 21, 5, 22, 23, 23, 7, 22};
constexpr SolarTermDays k2014{20, 21, 21, 6, 23, 23, 23, 7, 22};
// An invented year whose offsets all cross into the next month.
constexpr SolarTermDays k2050{21, 25, 21, 25, 22, 28, 23, 29, 22};
constexpr SolarTermDays k2051{19, 20, 21, 5, 22, 23, 23, 7, 22};

QString gregorianCell(Database& db, const QString& table, const QString& column)
{
    return db.query(QStringLiteral("select * from %1 where 属性='公历'").arg(table)).firstOrEmpty().text(column);
}

class SolarCalendarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        addCalendarYear(db, 2013, k2013);
        addCalendarYear(db, 2014, k2014);
        addCalendarYear(db, 2050, k2050);
        addCalendarYear(db, 2051, k2051);
    }
    Database db = MakeTamsorFixture();
};

TEST(DateText, WrittenWithoutLeadingZerosAndReadBack)
{
    EXPECT_EQ(DateText(QDate(2013, 1, 5)), QStringLiteral("2013-1-5"));
    EXPECT_EQ(DateText(QDate(2013, 11, 22)), QStringLiteral("2013-11-22"));
    EXPECT_EQ(DateFromText(QStringLiteral("2013-1-20")), QDate(2013, 1, 20));
    EXPECT_EQ(DateFromText(QStringLiteral("2013-01-05")), QDate(2013, 1, 5));
}

TEST(DateText, TextNamingNoDayIsAnErrorQuotingIt)
{
    for (const char* text : {"2033-1-0", "2013-2-30", "2013-13-1", "", "2013/1/20", "2013-1-20 "}) {
        try {
            DateFromText(QString::fromUtf8(text));
            ADD_FAILURE() << "accepted " << text;
        } catch (const CalendarError& e) {
            EXPECT_EQ(e.dateText(), QString::fromUtf8(text));
            EXPECT_TRUE(e.message().contains(QStringLiteral("'") + QString::fromUtf8(text) + QStringLiteral("'")));
        }
    }
}

struct InstantCase
{
    QDateTime instant;
    int year;
};

class MovementQiYearTest : public SolarCalendarTest, public testing::WithParamInterface<InstantCase>
{
};

TEST_P(MovementQiYearTest, YearTurnsAtMidnightOfDahan)
{
    const InstantCase c = GetParam();
    EXPECT_EQ(MovementQiYearOf(db, c.instant), c.year) << c.instant.toString().toStdString();
    EXPECT_EQ(MovementQiYearOf(db, c.instant.date()), c.year);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, MovementQiYearTest,
    testing::Values(InstantCase{QDateTime(QDate(2014, 1, 19), QTime(23, 59)), 2013},
                    InstantCase{QDateTime(QDate(2014, 1, 20), QTime(0, 0)), 2014},
                    InstantCase{QDateTime(QDate(2014, 1, 20), QTime(23, 59)), 2014},
                    InstantCase{QDateTime(QDate(2014, 1, 15), QTime(9, 0)), 2013},
                    InstantCase{QDateTime(QDate(2014, 1, 1), QTime(0, 0)), 2013},
                    InstantCase{QDateTime(QDate(2013, 12, 31), QTime(23, 59)), 2013},
                    InstantCase{QDateTime(QDate(2013, 6, 1), QTime(12, 0)), 2013},
                    InstantCase{QDateTime(QDate(2014, 2, 1), QTime(0, 0)), 2014}));

TEST_F(SolarCalendarTest, InstantInAYearWithoutCalendarRowsIsAnError)
{
    try {
        MovementQiYearOf(db, QDateTime(QDate(1850, 3, 1), QTime(8, 0)));
        FAIL() << "no error";
    } catch (const CalendarError& e) {
        EXPECT_EQ(e.dateText(), QStringLiteral("1850-1-0"));
    }
}

TEST_F(SolarCalendarTest, WritesStartsOfEveryPeriodAndTheGregorianRows)
{
    const QString yunBefore = rowsOtherThanGregorian(db, QStringLiteral("YUN"));
    const QString qiBefore = rowsOtherThanGregorian(db, QStringLiteral("QI"));

    const LoadedYear y = WriteGregorianSpans(db, 2013);

    EXPECT_EQ(y.Year, 2013);
    EXPECT_EQ(y.YearStem, QStringLiteral("癸"));
    EXPECT_EQ(y.YearBranch, QStringLiteral("巳"));
    EXPECT_EQ(y.YearStart, QDate(2013, 1, 20));
    EXPECT_EQ(y.NextYearStart, QDate(2014, 1, 20));
    const std::array<QDate, 6> movements{QDate(2013, 1, 20), QDate(2013, 4, 2),   QDate(2013, 6, 15),
                                         QDate(2013, 8, 30), QDate(2013, 11, 11), QDate(2014, 1, 20)};
    EXPECT_EQ(y.MovementStarts, movements);
    const std::array<QDate, 7> qi{QDate(2013, 1, 20), QDate(2013, 3, 20), QDate(2013, 5, 21), QDate(2013, 7, 22),
                                  QDate(2013, 9, 23), QDate(2013, 11, 22), QDate(2014, 1, 20)};
    EXPECT_EQ(y.QiStarts, qi);

    const QStringList yunTexts{"2013-1-20", "2013-4-2", "2013-6-15", "2013-8-30", "2013-11-11到2014-1-20"};
    const QStringList qiTexts{"2013-1-20",  "2013-3-20",  "2013-5-21",
                              "2013-7-22",  "2013-9-23",  "2013-11-22到2014-1-20"};
    const QStringList yunColumns{"初运", "二运", "三运", "四运", "终运"};
    const QStringList qiColumns{"初气", "气二", "气三", "气四", "气五", "终气"};
    for (int i = 0; i < yunColumns.size(); ++i)
        EXPECT_EQ(gregorianCell(db, QStringLiteral("YUN"), yunColumns[i]), yunTexts[i]) << i;
    for (int i = 0; i < qiColumns.size(); ++i)
        EXPECT_EQ(gregorianCell(db, QStringLiteral("QI"), qiColumns[i]), qiTexts[i]) << i;

    EXPECT_EQ(rowsOtherThanGregorian(db, QStringLiteral("YUN")), yunBefore);
    EXPECT_EQ(rowsOtherThanGregorian(db, QStringLiteral("QI")), qiBefore);
    EXPECT_FALSE(db.inTransaction());
}

TEST_F(SolarCalendarTest, OffsetsCarryIntoTheNextMonth)
{
    const LoadedYear y = WriteGregorianSpans(db, 2050);
    EXPECT_EQ(y.MovementStarts[1], QDate(2050, 4, 7));  // 3-25 + 13
    EXPECT_EQ(y.MovementStarts[2], QDate(2050, 7, 5));  // 6-25 + 10
    EXPECT_EQ(y.MovementStarts[3], QDate(2050, 9, 4));  // 8-28 + 7
    EXPECT_EQ(y.MovementStarts[4], QDate(2050, 12, 3)); // 11-29 + 4
    EXPECT_EQ(gregorianCell(db, QStringLiteral("YUN"), QStringLiteral("终运")), QStringLiteral("2050-12-3到2051-1-19"));
}

TEST_F(SolarCalendarTest, LaterLoadReplacesTheEarlierDates)
{
    WriteGregorianSpans(db, 2050);
    WriteGregorianSpans(db, 2013);
    EXPECT_EQ(gregorianCell(db, QStringLiteral("YUN"), QStringLiteral("二运")), QStringLiteral("2013-4-2"));
    EXPECT_EQ(gregorianCell(db, QStringLiteral("QI"), QStringLiteral("终气")), QStringLiteral("2013-11-22到2014-1-20"));
}

// A year whose next 大寒 is missing (2014 has no 2015 row) stops quoting the
// day-0 text, and the rows of the previous load stay whole.
TEST_F(SolarCalendarTest, MissingCalendarRowStopsAndLeavesTheRowsAsTheyWere)
{
    WriteGregorianSpans(db, 2013);
    const QString yun = rowsOtherThanGregorian(db, QStringLiteral("YUN"));
    try {
        WriteGregorianSpans(db, 2014);
        FAIL() << "no error";
    } catch (const CalendarError& e) {
        EXPECT_EQ(e.dateText(), QStringLiteral("2015-1-0"));
        EXPECT_TRUE(e.message().contains(QStringLiteral("2015-1-0")));
    }
    EXPECT_FALSE(db.inTransaction());
    EXPECT_EQ(gregorianCell(db, QStringLiteral("YUN"), QStringLiteral("初运")), QStringLiteral("2013-1-20"));
    EXPECT_EQ(gregorianCell(db, QStringLiteral("QI"), QStringLiteral("终气")), QStringLiteral("2013-11-22到2014-1-20"));
    EXPECT_EQ(rowsOtherThanGregorian(db, QStringLiteral("YUN")), yun);
}

TEST_F(SolarCalendarTest, DayThatDoesNotExistIsQuoted)
{
    db.execute(QStringLiteral("update calendar set jieqiday=31 where nian=2013 and jieqimonth=11"));
    try {
        WriteGregorianSpans(db, 2013);
        FAIL() << "no error";
    } catch (const CalendarError& e) {
        EXPECT_EQ(e.dateText(), QStringLiteral("2013-11-31"));
    }
    EXPECT_EQ(gregorianCell(db, QStringLiteral("YUN"), QStringLiteral("初运")), QStringLiteral("旧"));
}

} // namespace
