#pragma once

#include "calculator/core/LoadedYear.h"

#include <QDateTime>
#include <QString>
#include <optional>

class Database;

// Loads a year as the window does (rewriting the 公历 rows) and returns the
// text tamsor-cli prints: the summary, both 公历 rows as stored after the
// load, the periods containing `now` when given, and the whole-year analysis.
// Throws CalendarError or DatabaseError when the year cannot be loaded.
QString YearReport(Database& db, int year, const std::optional<QDateTime>& now);
