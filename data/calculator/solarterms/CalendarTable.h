#pragma once

#include "data/calculator/solarterms/SolarTerms.h"

#include <ostream>
#include <vector>

// The calculator's solar-term calendar: for each Gregorian year and month the
// day of the month of its 节 and of its 中气 in Beijing time.
namespace solarterms {

constexpr int kCalendarFirstYear = 1900;
constexpr int kCalendarLastYear = 2100;

struct CalendarRow
{
    int year = 0;
    int month = 0;
    SolarTermInstant jie;
    SolarTermInstant zhongqi;
};

// Rows for every month of the years firstYear..lastYear, in order.
std::vector<CalendarRow> calendarRows(int firstYear, int lastYear);

// Tab-separated table with the header "nian jieqimonth jieqiday zhongqiday"
// and one line per row, each ending in a newline.
void writeCalendarTsv(std::ostream& out, const std::vector<CalendarRow>& rows);

} // namespace solarterms
