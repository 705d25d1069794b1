#include "data/calculator/solarterms/CalendarTable.h"

namespace solarterms {

std::vector<CalendarRow> calendarRows(int firstYear, int lastYear)
{
    std::vector<CalendarRow> rows;
    rows.reserve(std::size_t(lastYear - firstYear + 1) * 12);
    for (int year = firstYear; year <= lastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            rows.push_back({year, month, solarTermOfMonth(year, month, TermOfMonth::Jie),
                            solarTermOfMonth(year, month, TermOfMonth::Zhongqi)});
        }
    }
    return rows;
}

void writeCalendarTsv(std::ostream& out, const std::vector<CalendarRow>& rows)
{
    out << "nian\tjieqimonth\tjieqiday\tzhongqiday\n";
    for (const CalendarRow& row : rows)
        out << row.year << '\t' << row.month << '\t' << row.jie.beijing.date.day << '\t'
            << row.zhongqi.beijing.date.day << '\n';
}

} // namespace solarterms
