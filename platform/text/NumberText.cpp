#include "platform/text/NumberText.h"

namespace {

QString withThousandsSeparators(const QString& digits)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char(',');
        out += digits[i];
    }
    return out;
}

} // namespace

QString yuanText(Decimal4 value)
{
    const QString money = value.toMoneyText(); // "-1234.50"
    const bool negative = money.startsWith(QLatin1Char('-'));
    const QString magnitude = negative ? money.mid(1) : money;
    const qsizetype point = magnitude.indexOf(QLatin1Char('.'));
    const QString text = QStringLiteral("￥") + withThousandsSeparators(magnitude.left(point)) + magnitude.mid(point);
    return negative ? QLatin1Char('-') + text : text;
}

QString quantityText(Decimal4 value)
{
    const QString text = value.toString();
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point < 0)
        return text + QStringLiteral(".00");
    if (text.size() - point - 1 < 2)
        return text + QLatin1Char('0');
    return text;
}

std::optional<Decimal4> parseNumberText(const QString& text)
{
    QString plain = text.trimmed();
    plain.remove(QLatin1Char(','));
    plain.remove(QStringLiteral("￥"));
    plain.remove(QLatin1Char(' '));
    return Decimal4::parse(plain);
}
