#include "platform/db/SqlText.h"

QString escapeSql(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\''), QLatin1String("''"));
    return escaped;
}

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + escapeSql(text) + QLatin1Char('\'');
}

QString quotedIdentifier(const QString& name)
{
    QString escaped = name;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}
