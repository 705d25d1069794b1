#pragma once

// The Sun's apparent geocentric ecliptic longitude, referred to the true
// equinox of the date: VSOP87 Earth position turned round to the Sun, reduced
// to the FK5 frame, plus nutation in longitude and annual aberration.
namespace solarterms {

// jde: Julian Ephemeris Day (dynamical time, TT). Returns degrees in [0, 360).
double apparentSunLongitude(double jde);

} // namespace solarterms
