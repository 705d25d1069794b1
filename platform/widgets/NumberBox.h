#pragma once

#include "platform/text/NumberText.h"

#include <QLineEdit>
#include <QVariant>
#include <optional>

// A box for a money amount or a quantity bound to a number column. Letters
// cannot be typed into it; a text that is still not a number (a lone "-" or
// ".") is reported when the row is saved, never stored as 0. The value is
// shown formatted (yuan or quantity) and as a plain number while it is typed.
class NumberBox : public QLineEdit
{
    Q_OBJECT

public:
    enum class Format { Money, Quantity };

    explicit NumberBox(Format format, QWidget* parent = nullptr);

    Format format() const { return m_format; }

    // Shows a stored value (null: an empty box) and forgets what was typed.
    void showValue(const QVariant& value);
    // The value to store: null for an empty box, no value when the text is
    // not a number or is too large to be stored (see tooLarge()).
    std::optional<QVariant> typedValue() const;
    // The text is a number with more whole digits than a stored amount can
    // hold (kMaxWholeDigits); it would otherwise wrap round to another value.
    bool tooLarge() const;
    static constexpr int kMaxWholeDigits = 14;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString formatted(const QVariant& value) const;

    Format m_format;
};
