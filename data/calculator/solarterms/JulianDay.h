#pragma once

// Julian Day numbers and the Gregorian calendar (Meeus, Astronomical
// Algorithms, chapter 7), for dates after the Gregorian reform of 1582.
namespace solarterms {

struct CivilDate
{
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// A date and a time of day to the whole second.
struct CivilInstant
{
    CivilDate date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Julian Day at 00:00 of the date (ends in .5).
double julianDayAtMidnight(CivilDate date);

// The date whose day contains the Julian Day jd (days start at jd = n + 0.5).
CivilDate civilDateOf(double jd);

// Date and time of jd, the time truncated to the whole second so that the
// date shown is always the day that contains jd.
CivilInstant civilInstantOf(double jd);

} // namespace solarterms
