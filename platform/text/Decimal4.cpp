#include "platform/text/Decimal4.h"

#include <cmath>
#include <limits>

namespace {

// Divides with rounding half to even.
__int128 divideHalfEven(__int128 numerator, __int128 divisor)
{
    __int128 quotient = numerator / divisor;
    __int128 remainder = numerator % divisor;
    if (remainder < 0)
        remainder = -remainder;
    const __int128 twice = remainder * 2;
    if (twice > divisor || (twice == divisor && (quotient % 2 != 0)))
        quotient += numerator < 0 ? -1 : 1;
    return quotient;
}

} // namespace

Decimal4 Decimal4::fromDouble(double value)
{
    return fromRaw(std::llround(value * double(kScale)));
}

std::optional<Decimal4> Decimal4::parse(const QString& input)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    int pos = 0;
    bool negative = false;
    if (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')) {
        negative = text[0] == QLatin1Char('-');
        ++pos;
    }
    __int128 digits = 0;
    int decimals = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (c == QLatin1Char('.')) {
            if (seenPoint)
                return std::nullopt;
            seenPoint = true;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            seenDigit = true;
            if (digits > (__int128(1) << 100))
                return std::nullopt; // far beyond any amount we store
            digits = digits * 10 + (c.unicode() - '0');
            if (seenPoint && ++decimals > 30)
                return std::nullopt; // no one types that; keeps the divisor in range
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    __int128 raw;
    if (decimals <= 4) {
        for (int i = decimals; i < 4; ++i)
            digits *= 10;
        raw = digits;
    } else {
        __int128 divisor = 1; // at most 10^31: the digits are capped near 2^100
        for (int i = 4; i < decimals; ++i)
            divisor *= 10;
        raw = divideHalfEven(digits, divisor);
    }
    // Out of range is no number at all, never a wrapped-round value.
    if (raw > std::numeric_limits<std::int64_t>::max())
        return std::nullopt;
    return fromRaw(negative ? -std::int64_t(raw) : std::int64_t(raw));
}

QString Decimal4::toString() const
{
    const std::int64_t magnitude = m_raw < 0 ? -m_raw : m_raw;
    QString text = QString::number(magnitude / kScale);
    std::int64_t fraction = magnitude % kScale;
    if (fraction != 0) {
        QString decimals = QString::number(fraction).rightJustified(4, QLatin1Char('0'));
        while (decimals.endsWith(QLatin1Char('0')))
            decimals.chop(1);
        text += QLatin1Char('.') + decimals;
    }
    return m_raw < 0 ? QLatin1Char('-') + text : text;
}

QString Decimal4::toMoneyText() const
{
    const std::int64_t magnitude = m_raw < 0 ? -m_raw : m_raw;
    const std::int64_t cents = (magnitude + 50) / 100; // half away from zero
    const QString text = QStringLiteral("%1.%2")
                             .arg(cents / 100)
                             .arg(cents % 100, 2, 10, QLatin1Char('0'));
    return (m_raw < 0 && cents != 0) ? QLatin1Char('-') + text : text;
}

Decimal4 Decimal4::operator*(Decimal4 o) const
{
    return fromRaw(std::int64_t(divideHalfEven(__int128(m_raw) * o.m_raw, kScale)));
}
