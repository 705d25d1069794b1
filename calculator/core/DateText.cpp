#include "calculator/core/DateText.h"

#include "calculator/core/CalendarError.h"

#include <QRegularExpression>

QString DateText(const QDate& date)
{
    return DateText(date.year(), date.month(), date.day());
}

QString DateText(int year, int month, int day)
{
    return QStringLiteral("%1-%2-%3").arg(year).arg(month).arg(day);
}

QDate DateFromText(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,4})-(\\d{1,2})-(\\d{1,2})$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        throw CalendarError(text);
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!date.isValid())
        throw CalendarError(text);
    return date;
}
