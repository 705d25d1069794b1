#pragma once

#include "platform/db/Database.h"

#include <QString>

// A small Tamsor database, built from the real schema with a few rows per
// table: the rows of stems 甲 and 乙 and of branches 子 and 丑, the shared
// rows, and solar terms for the years given to addCalendarYear. In memory,
// or as a new file when a path is given.
Database MakeTamsorFixture(const QString& path = QString());

// Solar-term days of one year, as the calendar table stores them (only the
// cells the calculator reads; other months get day 1).
struct SolarTermDays
{
    int dahan;      // zhongqiday of January
    int chunfen;    // zhongqiday of March
    int xiaoman;    // zhongqiday of May
    int mangzhong;  // jieqiday of June
    int dashu;      // zhongqiday of July
    int chushu;     // zhongqiday of August
    int qiufen;     // zhongqiday of September
    int lidong;     // jieqiday of November
    int xiaoxue;    // zhongqiday of November
};
void addCalendarYear(Database& db, int year, const SolarTermDays& days);

// All rows of a table but the 公历 row, as text, for "nothing else changed".
QString rowsOtherThanGregorian(Database& db, const QString& table);
