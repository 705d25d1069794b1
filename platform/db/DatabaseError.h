#pragma once

#include <QString>
#include <stdexcept>

// A failure reported by the database engine (or by our layer over it).
// The message is the engine's own text, prefixed with what we were doing
// when it is useful (the file name on open, for example).
class DatabaseError : public std::runtime_error
{
public:
    explicit DatabaseError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};
