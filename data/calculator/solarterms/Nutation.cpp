#include "data/calculator/solarterms/Nutation.h"

#include <cmath>
#include <numbers>

namespace solarterms {
namespace {

// Multiples of the fundamental arguments D, M, M', F and Omega, and the
// coefficient of the sine in units of 0.0001" with its change per century.
struct Term
{
    signed char d, m, mMoon, f, omega;
    double sine;
    double sinePerCentury;
};

constexpr Term kTerms[] = {
    {0, 0, 0, 0, 1, -171996, -174.2},
    {-2, 0, 0, 2, 2, -13187, -1.6},
    {0, 0, 0, 2, 2, -2274, -0.2},
    {0, 0, 0, 0, 2, 2062, 0.2},
    {0, 1, 0, 0, 0, 1426, -3.4},
    {0, 0, 1, 0, 0, 712, 0.1},
    {-2, 1, 0, 2, 2, -517, 1.2},
    {0, 0, 0, 2, 1, -386, -0.4},
    {0, 0, 1, 2, 2, -301, 0},
    {-2, -1, 0, 2, 2, 217, -0.5},
    {-2, 0, 1, 0, 0, -158, 0},
    {-2, 0, 0, 2, 1, 129, 0.1},
    {0, 0, -1, 2, 2, 123, 0},
    {2, 0, 0, 0, 0, 63, 0},
    {0, 0, 1, 0, 1, 63, 0.1},
    {2, 0, -1, 2, 2, -59, 0},
    {0, 0, -1, 0, 1, -58, -0.1},
    {0, 0, 1, 2, 1, -51, 0},
    {-2, 0, 2, 0, 0, 48, 0},
    {0, 0, -2, 2, 1, 46, 0},
    {2, 0, 0, 2, 2, -38, 0},
    {0, 0, 2, 2, 2, -31, 0},
    {0, 0, 2, 0, 0, 29, 0},
    {-2, 0, 1, 2, 2, 29, 0},
    {0, 0, 0, 2, 0, 26, 0},
    {-2, 0, 0, 2, 0, -22, 0},
    {0, 0, -1, 2, 1, 21, 0},
    {0, 2, 0, 0, 0, 17, -0.1},
    {2, 0, -1, 0, 1, 16, 0},
    {-2, 2, 0, 2, 2, -16, 0.1},
    {0, 1, 0, 0, 1, -15, 0},
    {-2, 0, 1, 0, 1, -13, 0},
    {0, -1, 0, 0, 1, -12, 0},
    {0, 0, 2, -2, 0, 11, 0},
    {2, 0, -1, 2, 1, -10, 0},
    {2, 0, 1, 2, 2, -8, 0},
    {0, 1, 0, 2, 2, 7, 0},
    {-2, 1, 1, 0, 0, -7, 0},
    {0, -1, 0, 2, 2, -7, 0},
    {2, 0, 0, 2, 1, -7, 0},
    {2, 0, 1, 0, 0, 6, 0},
    {-2, 0, 2, 2, 2, 6, 0},
    {-2, 0, 1, 2, 1, 6, 0},
    {2, 0, -2, 0, 1, -6, 0},
    {2, 0, 0, 0, 1, -6, 0},
    {0, -1, 1, 0, 0, 5, 0},
    {-2, -1, 0, 2, 1, -5, 0},
    {-2, 0, 0, 0, 1, -5, 0},
    {0, 0, 2, 2, 1, -5, 0},
    {-2, 0, 2, 0, 1, 4, 0},
    {-2, 1, 0, 2, 1, 4, 0},
    {0, 0, 1, -2, 0, 4, 0},
    {-1, 0, 1, 0, 0, -4, 0},
    {-2, 1, 0, 0, 0, -4, 0},
    {1, 0, 0, 0, 0, -4, 0},
    {0, 0, 1, 2, 0, 3, 0},
    {0, 0, -2, 2, 2, -3, 0},
    {-1, -1, 1, 0, 0, -3, 0},
    {0, 1, 1, 0, 0, -3, 0},
    {0, -1, 1, 2, 2, -3, 0},
    {2, -1, -1, 2, 2, -3, 0},
    {0, 0, 3, 2, 2, -3, 0},
    {2, -1, 0, 2, 2, -3, 0},
};

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

} // namespace

double nutationInLongitude(double t)
{
    const double t2 = t * t;
    const double t3 = t2 * t;
    // Mean elongation of the Moon, mean anomalies of the Sun and the Moon,
    // the Moon's argument of latitude and the longitude of its ascending node.
    const double d = radians(297.85036 + 445267.111480 * t - 0.0019142 * t2 + t3 / 189474.0);
    const double m = radians(357.52772 + 35999.050340 * t - 0.0001603 * t2 - t3 / 300000.0);
    const double mMoon = radians(134.96298 + 477198.867398 * t + 0.0086972 * t2 + t3 / 56250.0);
    const double f = radians(93.27191 + 483202.017538 * t - 0.0036825 * t2 + t3 / 327270.0);
    const double omega = radians(125.04452 - 1934.136261 * t + 0.0020708 * t2 + t3 / 450000.0);

    double sum = 0;
    for (const Term& term : kTerms) {
        const double argument = term.d * d + term.m * m + term.mMoon * mMoon + term.f * f + term.omega * omega;
        sum += (term.sine + term.sinePerCentury * t) * std::sin(argument);
    }
    return sum * 1e-4;
}

} // namespace solarterms
