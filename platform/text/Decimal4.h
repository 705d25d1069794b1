#pragma once

#include <QMetaType>
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

// A fixed-point number with four decimal places, as the clinic's money and
// quantity columns hold them: an integer count of ten-thousandths.
//   parse("2.5") -> 2.5000; toString() -> "2.5"; toMoneyText() -> "2.50"
// Products round half to even at the fourth place; money text rounds half
// away from zero at the second.
class Decimal4
{
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Decimal4() = default;
    static constexpr Decimal4 fromRaw(std::int64_t raw) { Decimal4 d; d.m_raw = raw; return d; }
    static constexpr Decimal4 fromInteger(std::int64_t n) { return fromRaw(n * kScale); }
    // Nearest representable value of a stored floating-point number.
    static Decimal4 fromDouble(double value);
    // Accepts an optional sign, digits and at most one point; more than four
    // decimals are rounded half to even. Anything else gives no value.
    static std::optional<Decimal4> parse(const QString& text);

    constexpr std::int64_t raw() const { return m_raw; }
    double toDouble() const { return double(m_raw) / double(kScale); }
    bool isZero() const { return m_raw == 0; }

    // Shortest decimal text: "0", "2.5", "10", "-0.125".
    QString toString() const;
    // Two decimals, rounded half away from zero: "12.35".
    QString toMoneyText() const;

    constexpr Decimal4 operator+(Decimal4 o) const { return fromRaw(m_raw + o.m_raw); }
    constexpr Decimal4 operator-(Decimal4 o) const { return fromRaw(m_raw - o.m_raw); }
    constexpr Decimal4 operator-() const { return fromRaw(-m_raw); }
    Decimal4& operator+=(Decimal4 o) { m_raw += o.m_raw; return *this; }
    Decimal4& operator-=(Decimal4 o) { m_raw -= o.m_raw; return *this; }
    Decimal4 operator*(Decimal4 o) const;
    constexpr auto operator<=>(const Decimal4&) const = default;

private:
    std::int64_t m_raw = 0;
};

Q_DECLARE_METATYPE(Decimal4)
