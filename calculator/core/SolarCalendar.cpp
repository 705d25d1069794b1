#include "calculator/core/SolarCalendar.h"

#include "calculator/core/DateText.h"
#include "calculator/core/StemBranch.h"
#include "platform/db/Database.h"

#include <optional>

namespace {

// Day of month `month` of year `year` read from one calendar column
// ("jieqiday" or "zhongqiday"); a missing row reads as 0.
int calendarDay(Database& db, const char* column, int year, int month)
{
    const QString sql = QStringLiteral("select %1 from calendar where nian=%2 and jieqimonth=%3")
                            .arg(QLatin1String(column))
                            .arg(year)
                            .arg(month);
    return int(db.query(sql).firstOrEmpty().integer(QLatin1String(column)));
}

// The day a solar term falls on, through the date text so that a missing
// row ("…-0") stops with the text quoted.
QDate solarTermDate(Database& db, const char* column, int year, int month)
{
    return DateFromText(DateText(year, month, calendarDay(db, column, year, month)));
}

QDate jieqiDate(Database& db, int year, int month)
{
    return solarTermDate(db, "jieqiday", year, month);
}

QDate zhongqiDate(Database& db, int year, int month)
{
    return solarTermDate(db, "zhongqiday", year, month);
}

// Rewrites one column of the "公历" row of YUN or QI.
void updateGregorianRow(Database& db, const char* table, const char* column, const QString& value)
{
    db.execute(QStringLiteral("update %1 set %2='%3' where 属性='公历'")
                   .arg(QLatin1String(table), QString::fromUtf8(column), escapeSql(value)));
}

QString untilNextYear(const QDate& start, const QDate& nextYearStart)
{
    return DateText(start) + QStringLiteral("到") + DateText(nextYearStart);
}

} // namespace

int MovementQiYearOf(Database& db, const QDate& date)
{
    const int year = date.year();
    const QDate dahan = zhongqiDate(db, year, 1);
    return date >= dahan ? year : year - 1;
}

int MovementQiYearOf(Database& db, const QDateTime& instant)
{
    // Boundaries lie at 00:00, so the day alone decides.
    return MovementQiYearOf(db, instant.date());
}

LoadedYear WriteGregorianSpans(Database& db, int year)
{
    LoadedYear y;
    y.Year = year;
    const StemBranch sb = YearStemBranch(year);
    y.YearStem = sb.stem;
    y.YearBranch = sb.branch;

    // All updates or none: a year that cannot be computed leaves the rows of
    // the previous load intact instead of half-overwritten. One transaction is
    // also one write to disk instead of ten.
    std::optional<Transaction> transaction;
    if (!db.inTransaction())
        transaction.emplace(db);

    y.YearStart = zhongqiDate(db, year, 1);
    y.MovementStarts[0] = y.QiStarts[0] = y.YearStart;

    y.NextYearStart = zhongqiDate(db, year + 1, 1);
    y.MovementStarts[5] = y.QiStarts[6] = y.NextYearStart;

    updateGregorianRow(db, "yun", "初运", DateText(y.YearStart));

    y.MovementStarts[1] = zhongqiDate(db, year, 3).addDays(13); // 春分 + 13
    updateGregorianRow(db, "yun", "二运", DateText(y.MovementStarts[1]));

    y.MovementStarts[2] = jieqiDate(db, year, 6).addDays(10); // 芒种 + 10
    updateGregorianRow(db, "yun", "三运", DateText(y.MovementStarts[2]));

    y.MovementStarts[3] = zhongqiDate(db, year, 8).addDays(7); // 处暑 + 7
    updateGregorianRow(db, "yun", "四运", DateText(y.MovementStarts[3]));

    y.MovementStarts[4] = jieqiDate(db, year, 11).addDays(4); // 立冬 + 4
    updateGregorianRow(db, "yun", "终运", untilNextYear(y.MovementStarts[4], y.NextYearStart));

    // The first qi starts on 大寒 as the first movement does; read again as
    // the movement and qi rows are written as two separate runs.
    y.QiStarts[0] = zhongqiDate(db, year, 1);
    updateGregorianRow(db, "qi", "初气", DateText(y.QiStarts[0]));

    y.QiStarts[1] = zhongqiDate(db, year, 3); // 春分
    updateGregorianRow(db, "qi", "气二", DateText(y.QiStarts[1]));

    y.QiStarts[2] = zhongqiDate(db, year, 5); // 小满
    updateGregorianRow(db, "qi", "气三", DateText(y.QiStarts[2]));

    y.QiStarts[3] = zhongqiDate(db, year, 7); // 大暑
    updateGregorianRow(db, "qi", "气四", DateText(y.QiStarts[3]));

    y.QiStarts[4] = zhongqiDate(db, year, 9); // 秋分
    updateGregorianRow(db, "qi", "气五", DateText(y.QiStarts[4]));

    y.QiStarts[5] = zhongqiDate(db, year, 11); // 小雪
    updateGregorianRow(db, "qi", "终气", untilNextYear(y.QiStarts[5], y.NextYearStart));

    if (transaction)
        transaction->commit();
    return y;
}
