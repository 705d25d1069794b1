#pragma once

// Heliocentric position of the Earth from the VSOP87 theory (Bretagnon and
// Francou 1988), version D: spherical coordinates referred to the mean
// dynamical ecliptic and equinox of the date. The series are those of the
// theory's own file, without the terms below 1e-10 over 1900-2100, so they
// follow the complete theory to a few milliarcseconds there.
namespace solarterms {

struct HeliocentricPosition
{
    double longitude = 0; // radians, not reduced to one turn
    double latitude = 0;  // radians
    double radius = 0;    // astronomical units
};

// tau: Julian millennia of dynamical time (TT) since J2000.0,
// (JDE - 2451545) / 365250.
HeliocentricPosition earthHeliocentric(double tau);

// Longitude and radius only, for callers that need no latitude (the Sun's
// longitude does not depend on it to a microarcsecond).
HeliocentricPosition earthLongitudeAndRadius(double tau);

} // namespace solarterms
