#include "data/calculator/solarterms/Vsop87Earth.h"

#include "data/calculator/solarterms/Vsop87EarthTerms.h"

#include <cmath>

namespace solarterms {
namespace {

using vsop87::Term;

// X0 + X1 tau + X2 tau^2 + ... by Horner's rule.
double evaluate(std::span<const std::span<const Term>> series, double tau)
{
    double value = 0;
    for (auto it = series.rbegin(); it != series.rend(); ++it) {
        double sum = 0;
        for (const Term& t : *it)
            sum += t.a * std::cos(t.b + t.c * tau);
        value = value * tau + sum;
    }
    return value;
}

} // namespace

HeliocentricPosition earthHeliocentric(double tau)
{
    return {evaluate(vsop87::kL, tau), evaluate(vsop87::kB, tau), evaluate(vsop87::kR, tau)};
}

HeliocentricPosition earthLongitudeAndRadius(double tau)
{
    return {evaluate(vsop87::kL, tau), 0.0, evaluate(vsop87::kR, tau)};
}

} // namespace solarterms
