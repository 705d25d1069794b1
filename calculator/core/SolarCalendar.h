#pragma once

#include "calculator/core/LoadedYear.h"

#include <QDate>
#include <QDateTime>

class Database;

// Operations on the solar-term table `calendar`. A missing calendar row
// reads as day 0, which makes the date text invalid: these throw
// CalendarError quoting that text; engine faults are DatabaseError.

// The movement-and-qi year an instant belongs to: its Gregorian year once
// that year's 大寒 day has begun, otherwise the year before.
int MovementQiYearOf(Database& db, const QDateTime& instant);
int MovementQiYearOf(Database& db, const QDate& date);

// Computes the period starts of year Y from the solar terms and rewrites the
// "公历" rows of YUN and QI with them. The updates run in one transaction:
// when a calendar row is missing nothing is written and CalendarError says
// which date could not be built.
LoadedYear WriteGregorianSpans(Database& db, int year);
