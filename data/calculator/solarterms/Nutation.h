#pragma once

// Nutation in longitude after the IAU 1980 theory (Wahr), with all 63 terms of
// its table in longitude as given in Meeus, Astronomical Algorithms, 2nd ed.,
// table 22.A. The full table agrees with the IAU series to about 0.01".
namespace solarterms {

// t: Julian centuries of dynamical time since J2000.0. Returns arcseconds.
double nutationInLongitude(double t);

} // namespace solarterms
