#include "platform/widgets/MoneyBox.h"

#include "platform/db/Row.h"

#include <cmath>

namespace {
const QString kYuan = QStringLiteral("￥");

// "1234567.50" -> "1,234,567.50"
QString withThousands(const QString& plain)
{
    const int point = plain.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? plain : plain.left(point);
    const QString rest = point < 0 ? QString() : plain.mid(point);
    for (int at = whole.size() - 3; at > 0; at -= 3)
        whole.insert(at, QLatin1Char(','));
    return whole + rest;
}

QString plainNumber(QString text)
{
    return text.remove(kYuan).remove(QLatin1Char(',')).remove(QLatin1Char(' ')).trimmed();
}
} // namespace

QString moneyText(Decimal4 amount)
{
    const QString text = amount.toMoneyText();
    if (text.startsWith(QLatin1Char('-')))
        return QLatin1Char('-') + kYuan + withThousands(text.mid(1));
    return kYuan + withThousands(text);
}

QString moneyTextOf(const QVariant& value)
{
    return moneyText(valueDecimal(value));
}

MoneyBox::MoneyBox(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    setDecimals(2);
    setRange(-1e12, 1e12);
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setKeyboardTracking(false);
}

Decimal4 MoneyBox::money() const
{
    return Decimal4::fromDouble(value());
}

void MoneyBox::setMoney(Decimal4 amount)
{
    setValue(amount.toDouble());
}

QString MoneyBox::textFromValue(double value) const
{
    return moneyText(Decimal4::fromDouble(value));
}

double MoneyBox::valueFromText(const QString& text) const
{
    const auto parsed = Decimal4::parse(plainNumber(text));
    return parsed ? parsed->toDouble() : 0.0;
}

QValidator::State MoneyBox::validate(QString& text, int& /*pos*/) const
{
    const QString plain = plainNumber(text);
    if (plain.isEmpty() || plain == QLatin1String("-") || plain == QLatin1String("."))
        return QValidator::Intermediate;
    const auto parsed = Decimal4::parse(plain);
    if (!parsed)
        return QValidator::Invalid;
    const int point = plain.indexOf(QLatin1Char('.'));
    if (point >= 0 && plain.size() - point - 1 > 2)
        return QValidator::Invalid;
    return QValidator::Acceptable;
}
