#pragma once

// Delta T = TT - UT in seconds, from the polynomial expressions of Espenak and
// Meeus (2006) used for NASA's Five Millennium Canon of Solar Eclipses. They
// follow the observed values to about a second from 1860 to 2005; after that
// they are an extrapolation that ran a few seconds high in the 2020s
// (about 74 s against the observed 69 s in 2024).
namespace solarterms {

// decimalYear: for example 2000.5 for the middle of the year 2000.
// Valid from 1860 to 2150.
double deltaTSeconds(double decimalYear);

} // namespace solarterms
