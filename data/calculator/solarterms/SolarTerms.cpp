#include "data/calculator/solarterms/SolarTerms.h"

#include "data/calculator/solarterms/DeltaT.h"
#include "data/calculator/solarterms/SunLongitude.h"

#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace solarterms {

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kBeijingOffsetDays = 8.0 / 24.0;
// Iteration stops once a step is below this (about a millisecond).
constexpr double kToleranceDays = 1e-8;

constexpr std::array<std::string_view, 24> kNames = {
    "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑", "白露",
    "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒", "立春", "雨水", "惊蛰",
};

// Difference a - b of two longitudes, reduced to (-180, 180].
double angleDifference(double a, double b)
{
    double d = std::fmod(a - b, 360.0);
    if (d <= -180.0)
        d += 360.0;
    else if (d > 180.0)
        d -= 360.0;
    return d;
}

// Approximate rate of the Sun's longitude in degrees per day: the mean motion
// modulated by the orbit's eccentricity (derivative of the equation of the
// centre). Good to about 0.1%, enough for Newton steps to gain three digits
// each.
double sunLongitudeRate(double jde)
{
    const double t = (jde - kJ2000) / 36525.0;
    const double meanAnomaly = (357.52911 + 35999.05029 * t) * std::numbers::pi / 180.0;
    return 0.9856474 * (1.0 + 2.0 * 0.016709 * std::cos(meanAnomaly));
}

double decimalYearOf(double jd)
{
    return 2000.0 + (jd - 2451544.5) / 365.2425;
}

} // namespace

std::string_view solarTermName(int longitudeDegrees)
{
    const int index = ((longitudeDegrees % 360 + 360) % 360) / 15;
    return kNames[std::size_t(index)];
}

double sunReachesLongitude(double targetDegrees, double jdeGuess)
{
    double jde = jdeGuess;
    for (int i = 0; i < 30; ++i) {
        const double step = angleDifference(targetDegrees, apparentSunLongitude(jde)) / sunLongitudeRate(jde);
        jde += step;
        if (std::fabs(step) < kToleranceDays)
            return jde;
    }
    throw std::runtime_error("the Sun's longitude did not converge to " + std::to_string(targetDegrees));
}

double universalFromDynamical(double jde)
{
    return jde - deltaTSeconds(decimalYearOf(jde)) / kSecondsPerDay;
}

int longitudeOfTerm(int month, TermOfMonth term)
{
    return (285 + 30 * (month - 1) + (term == TermOfMonth::Zhongqi ? 15 : 0)) % 360;
}

SolarTermInstant solarTermOfMonth(int year, int month, TermOfMonth term)
{
    SolarTermInstant result;
    result.longitude = longitudeOfTerm(month, term);
    // A 节 falls near the 6th of its month and a 中气 near the 21st.
    const int typicalDay = term == TermOfMonth::Jie ? 6 : 21;
    const double guess = julianDayAtMidnight({year, month, typicalDay});
    result.jde = sunReachesLongitude(result.longitude, guess);
    result.beijingJd = universalFromDynamical(result.jde) + kBeijingOffsetDays;
    result.beijing = civilInstantOf(result.beijingJd);
    const CivilDate date = civilDateOf(result.beijingJd);
    if (date.year != year || date.month != month)
        throw std::runtime_error(std::string(solarTermName(result.longitude)) + " of " + std::to_string(year)
                                 + "-" + std::to_string(month) + " falls outside its month");
    return result;
}

double secondsFromMidnight(const SolarTermInstant& term)
{
    const double fraction = term.beijingJd + 0.5 - std::floor(term.beijingJd + 0.5);
    const double seconds = fraction * kSecondsPerDay;
    return seconds < kSecondsPerDay / 2 ? seconds : seconds - kSecondsPerDay;
}

} // namespace solarterms
