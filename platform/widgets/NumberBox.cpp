#include "platform/widgets/NumberBox.h"

#include "platform/db/Row.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

NumberBox::NumberBox(Format format, QWidget* parent)
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

QString NumberBox::formatted(const QVariant& value) const
{
    if (value.isNull() && m_format == Format::Money)
        return QString();
    const Decimal4 number = valueDecimal(value);
    return m_format == Format::Money ? yuanText(number) : quantityText(number);
}

void NumberBox::showValue(const QVariant& value)
{
    if (hasFocus() && !isReadOnly())
        setText(value.isNull() ? QString() : valueDecimal(value).toString());
    else
        setText(formatted(value));
    setModified(false);
}

bool NumberBox::tooLarge() const
{
    // Whole digits without leading zeros, separators or sign.
    int digits = 0;
    bool leading = true;
    for (const QChar c : text()) {
        if (c == QLatin1Char('.'))
            break;
        if (!c.isDigit() || (leading && c == QLatin1Char('0')))
            continue;
        leading = false;
        ++digits;
    }
    return digits > kMaxWholeDigits;
}

std::optional<QVariant> NumberBox::typedValue() const
{
    if (text().trimmed().isEmpty())
        return QVariant();
    if (tooLarge())
        return std::nullopt;
    const std::optional<Decimal4> number = parseNumberText(text());
    if (!number)
        return std::nullopt;
    return QVariant::fromValue(*number);
}

void NumberBox::focusInEvent(QFocusEvent* event)
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

void NumberBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    const bool modified = isModified();
    if (const std::optional<Decimal4> number = parseNumberText(text()))
        setText(m_format == Format::Money ? yuanText(*number) : quantityText(*number));
    setModified(modified);
}
