#pragma once

#include "platform/text/Decimal4.h"

#include <QLineEdit>
#include <QVariant>
#include <optional>

// Texts of money and quantity boxes.
//   yuanText(1234.5)  -> "￥1,234.50"   yuanText(-3) -> "-￥3.00"
//   (the display format "￥,0.00;-￥,0.00")
QString yuanText(Decimal4 value);
//   quantityText(12) -> "12.00"   quantityText(0.125) -> "0.125"
QString quantityText(Decimal4 value);
// Reads what a user typed into a number box: blanks, the yuan sign and
// thousands separators are allowed ("￥1,234.50", "-￥3", " 12 "). No value
// when the text is not a number ("12a", "1.2.3"); empty text is not a number
// either, the box treats it as "no value" itself.
std::optional<Decimal4> parseNumberText(const QString& text);

// A box for a money amount or a quantity bound to a number column. Letters
// cannot be typed into it; a text that is still not a number (a lone "-" or
// ".") is reported when the row is saved, never stored as 0. The value is
// shown formatted (yuan or quantity) and as a plain number while it is typed.
class MaintenanceNumberBox : public QLineEdit
{
    Q_OBJECT

public:
    enum class Format { Money, Quantity };

    explicit MaintenanceNumberBox(Format format, QWidget* parent = nullptr);

    Format format() const { return m_format; }

    // Shows a stored value (null: an empty box) and forgets what was typed.
    void showValue(const QVariant& value);
    // The value to store: null for an empty box, no value when the text is
    // not a number.
    std::optional<QVariant> typedValue() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString formatted(const QVariant& value) const;

    Format m_format;
};
