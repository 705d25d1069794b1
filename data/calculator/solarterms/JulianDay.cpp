#include "data/calculator/solarterms/JulianDay.h"

#include <algorithm>
#include <cmath>

namespace solarterms {

double julianDayAtMidnight(CivilDate date)
{
    int y = date.year;
    int m = date.month;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    const int a = y / 100;
    const int b = 2 - a + a / 4;
    return std::floor(365.25 * (y + 4716)) + std::floor(30.6001 * (m + 1)) + date.day + b - 1524.5;
}

CivilDate civilDateOf(double jd)
{
    const double z = std::floor(jd + 0.5);
    const double alpha = std::floor((z - 1867216.25) / 36524.25);
    const double a = z + 1 + alpha - std::floor(alpha / 4);
    const double b = a + 1524;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);
    CivilDate date;
    date.day = int(b - d - std::floor(30.6001 * e));
    date.month = int(e < 14 ? e - 1 : e - 13);
    date.year = int(date.month > 2 ? c - 4716 : c - 4715);
    return date;
}

CivilInstant civilInstantOf(double jd)
{
    const double midnight = std::floor(jd + 0.5) - 0.5;
    // Truncated, not rounded, so that 23:59:59.7 stays on its own day.
    const long seconds = std::min(long(std::floor((jd - midnight) * 86400.0)), 86399L);
    CivilInstant instant;
    instant.date = civilDateOf(jd);
    instant.hour = int(seconds / 3600);
    instant.minute = int(seconds / 60 % 60);
    instant.second = int(seconds % 60);
    return instant;
}

} // namespace solarterms
