#pragma once

#include "platform/text/Decimal4.h"

#include <QDoubleSpinBox>
#include <QVariant>

// Money as windows show it: a yuan sign, thousands separators and two
// decimals, the sign in front of the yuan sign ("￥1,234.50", "-￥3.00").
QString moneyText(Decimal4 amount);
// The same for a stored value (null shows as "￥0.00"); fits GridColumn::format.
QString moneyTextOf(const QVariant& value);

// A box for an amount of money with two decimals, shown as moneyText().
class MoneyBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit MoneyBox(QWidget* parent = nullptr);

    Decimal4 money() const;
    void setMoney(Decimal4 amount);

    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;
};
