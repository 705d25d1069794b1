#pragma once

#include <QString>
#include <stdexcept>

// A date text that names no real day, typically "2033-1-0" built from a
// calendar row that is missing (its day reads as 0). Stops a year load; the
// message quotes the text so the user sees which date could not be read.
class CalendarError : public std::runtime_error
{
public:
    explicit CalendarError(const QString& dateText)
        : std::runtime_error(messageFor(dateText).toStdString())
        , m_dateText(dateText)
    {
    }

    QString dateText() const { return m_dateText; }
    QString message() const { return messageFor(m_dateText); }

    static QString messageFor(const QString& dateText)
    {
        return QStringLiteral("'%1' 不是有效的日期（节气日历中缺少这一天所需的记录）").arg(dateText);
    }

private:
    QString m_dateText;
};
