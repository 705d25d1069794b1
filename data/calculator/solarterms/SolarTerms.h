#pragma once

#include "data/calculator/solarterms/JulianDay.h"

#include <string_view>

// The 24 solar terms: the instants when the Sun's apparent longitude reaches a
// multiple of 15 degrees, given in China Standard Time (UTC+8).
namespace solarterms {

// Chinese name of the term at a longitude that is a multiple of 15 degrees
// (0 = 春分, 15 = 清明, ..., 285 = 小寒, 300 = 大寒).
std::string_view solarTermName(int longitudeDegrees);

// Instant (JDE, dynamical time) when the apparent longitude of the Sun
// equals targetDegrees, found from a first guess within about ten days of it.
double sunReachesLongitude(double targetDegrees, double jdeGuess);

// Julian Day of universal time for a Julian Ephemeris Day (minus Delta T).
double universalFromDynamical(double jde);

// Each Gregorian month holds one 节 (jie) and one 中气 (zhongqi): January
// 小寒 285° and 大寒 300°, February 立春 315° and 雨水 330°, and so on round
// the year 30° a month.
enum class TermOfMonth { Jie, Zhongqi };

int longitudeOfTerm(int month, TermOfMonth term);

struct SolarTermInstant
{
    int longitude = 0;        // degrees, a multiple of 15
    double jde = 0;           // dynamical time
    double beijingJd = 0;     // Julian Day in China Standard Time
    CivilInstant beijing;     // the same, to the second
};

// The term of the given kind that falls in the given Gregorian month, in
// Beijing time. Throws std::runtime_error if it falls outside that month,
// which does not happen for the years 1900-2100.
SolarTermInstant solarTermOfMonth(int year, int month, TermOfMonth term);

// Seconds from the instant to the nearest midnight in Beijing time: negative
// before midnight (23:59:30 gives -30), positive after (00:00:45 gives 45).
double secondsFromMidnight(const SolarTermInstant& term);

} // namespace solarterms
