#include "clinic/common/TextUtil.h"

#include <QRandomGenerator>

QString RandomText(bool upper, bool lower, bool digits, int length, const QString& fallback)
{
    QString alphabet;
    if (upper)
        alphabet += QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    if (lower)
        alphabet += QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    if (digits)
        alphabet += QStringLiteral("0123456789");
    if (alphabet.isEmpty())
        return fallback;
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text += alphabet[QRandomGenerator::global()->bounded(int(alphabet.size()))];
    return text;
}

int CountOccurrences(const QString& text, const QString& part)
{
    if (part.isEmpty())
        return 0;
    int count = 0;
    for (qsizetype at = text.indexOf(part); at >= 0; at = text.indexOf(part, at + part.size()))
        ++count;
    return count;
}
