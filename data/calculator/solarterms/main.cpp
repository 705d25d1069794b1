// solarterm-gen: writes the calculator's solar-term calendar for 1900-2100 as
// TSV to standard output, or to the file named by the only argument. Terms
// that fall within ten minutes of midnight in Beijing time are listed on
// standard error with their full instant, since their day is the one a small
// error in the theory or in Delta T could move.

#include "data/calculator/solarterms/CalendarTable.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>

namespace {

constexpr double kNearMidnightSeconds = 10 * 60;

void logIfNearMidnight(const solarterms::SolarTermInstant& term)
{
    const double offset = solarterms::secondsFromMidnight(term);
    if (std::fabs(offset) >= kNearMidnightSeconds)
        return;
    const solarterms::CivilInstant& t = term.beijing;
    std::fprintf(stderr, "near midnight: %s (%3d°) %04d-%02d-%02d %02d:%02d:%02d Beijing time, %+.1f s from midnight\n",
                 std::string(solarterms::solarTermName(term.longitude)).c_str(), term.longitude, t.date.year,
                 t.date.month, t.date.day, t.hour, t.minute, t.second, offset);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 2) {
        std::cerr << "usage: solarterm-gen [OUTPUT.tsv]\n";
        return 2;
    }
    try {
        const auto rows = solarterms::calendarRows(solarterms::kCalendarFirstYear, solarterms::kCalendarLastYear);
        for (const auto& row : rows) {
            logIfNearMidnight(row.jie);
            logIfNearMidnight(row.zhongqi);
        }
        if (argc == 2) {
            std::ofstream file(argv[1], std::ios::binary);
            solarterms::writeCalendarTsv(file, rows);
            if (!file.flush()) {
                std::cerr << "solarterm-gen: cannot write " << argv[1] << "\n";
                return 1;
            }
        } else {
            solarterms::writeCalendarTsv(std::cout, rows);
        }
    } catch (const std::exception& e) {
        std::cerr << "solarterm-gen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
