#pragma once

#include "platform/text/Decimal4.h"

#include <QString>
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
