#include "platform/text/Pinyin.h"

// Placeholder until the generated table lands.
QString PinyinInitials(const QString& text)
{
    QString out;
    for (QChar c : text)
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c.toLatin1() >= 'A' && c.toLatin1() <= 'z' && c.isLetter()))
            out += c.toUpper();
    return out;
}
