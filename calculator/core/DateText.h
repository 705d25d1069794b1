#pragma once

#include <QDate>
#include <QString>

// Dates as the calculator writes and reads them: year-month-day in decimal
// digits without leading zeros, e.g. "2013-1-20". Independent of the locale.

QString DateText(const QDate& date);
QString DateText(int year, int month, int day);

// The day a date text names. Throws CalendarError quoting the text when it
// is not of that form or names no real day ("2013-1-0", "2013-2-30").
QDate DateFromText(const QString& text);
