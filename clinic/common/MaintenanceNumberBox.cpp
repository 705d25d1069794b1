#include "clinic/common/MaintenanceNumberBox.h"

#include "platform/db/Row.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

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

MaintenanceNumberBox::MaintenanceNumberBox(Format format, QWidget* parent)
    : QLineEdit(parent)
    , m_format(format)
{
    // Digits, one point, a leading minus, and the yuan sign and separators
    // of the formatted text; letters are refused as they are typed.
    static const QRegularExpression allowed(QStringLiteral("^\\s*-?\\s*￥?[0-9,]*(\\.[0-9]*)?\\s*$"));
    setValidator(new QRegularExpressionValidator(allowed, this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    showValue(QVariant());
}

QString MaintenanceNumberBox::formatted(const QVariant& value) const
{
    if (value.isNull() && m_format == Format::Money)
        return QString();
    const Decimal4 number = valueDecimal(value);
    return m_format == Format::Money ? yuanText(number) : quantityText(number);
}

void MaintenanceNumberBox::showValue(const QVariant& value)
{
    if (hasFocus() && !isReadOnly())
        setText(value.isNull() ? QString() : valueDecimal(value).toString());
    else
        setText(formatted(value));
    setModified(false);
}

std::optional<QVariant> MaintenanceNumberBox::typedValue() const
{
    if (text().trimmed().isEmpty())
        return QVariant();
    const std::optional<Decimal4> number = parseNumberText(text());
    if (!number)
        return std::nullopt;
    return QVariant::fromValue(*number);
}

void MaintenanceNumberBox::focusInEvent(QFocusEvent* event)
{
    // Typing starts from the plain number, without sign or separators.
    if (!isReadOnly()) {
        const bool modified = isModified();
        if (const std::optional<Decimal4> number = parseNumberText(text()))
            setText(number->toString());
        setModified(modified);
    }
    QLineEdit::focusInEvent(event);
}

void MaintenanceNumberBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    const bool modified = isModified();
    if (const std::optional<Decimal4> number = parseNumberText(text()))
        setText(m_format == Format::Money ? yuanText(*number) : quantityText(*number));
    setModified(modified);
}
