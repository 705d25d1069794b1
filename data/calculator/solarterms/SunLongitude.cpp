#include "data/calculator/solarterms/SunLongitude.h"

#include "data/calculator/solarterms/Nutation.h"
#include "data/calculator/solarterms/Vsop87Earth.h"

#include <cmath>
#include <numbers>

namespace solarterms {

namespace {
constexpr double kJ2000 = 2451545.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
// Constant of aberration in arcseconds; divided by the distance in AU it
// gives the displacement of the Sun in longitude.
constexpr double kAberration = 20.4898;
// Correction from the VSOP87 dynamical frame to FK5 in longitude (Meeus 32.3);
// the companion term with tan(latitude) is below 1e-5" for the Sun.
constexpr double kFk5Correction = -0.09033;
// VSOP87D carries longitudes to the equinox of date with the IAU 1976
// precession rate, which the IAU 2000 resolutions lowered by 0.29965" per
// century. Almanacs computed with today's IAU 2006/2000A models use the lower
// rate; without this term our instants drift from theirs by about 7 s per
// century away from 2000 (measured drift: 0.28" per century).
constexpr double kPrecessionRateCorrection = -0.29965;
} // namespace

double apparentSunLongitude(double jde)
{
    const double tau = (jde - kJ2000) / 365250.0;
    const HeliocentricPosition earth = earthLongitudeAndRadius(tau);
    // The Sun seen from the Earth lies opposite the Earth seen from the Sun.
    const double geometric = earth.longitude * kDegreesPerRadian + 180.0;
    const double centuries = tau * 10;
    const double arcseconds = kFk5Correction + kPrecessionRateCorrection * centuries + nutationInLongitude(centuries)
        - kAberration / earth.radius;
    const double longitude = std::fmod(geometric + arcseconds / 3600.0, 360.0);
    return longitude < 0 ? longitude + 360.0 : longitude;
}

} // namespace solarterms
