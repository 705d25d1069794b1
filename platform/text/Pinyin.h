#pragma once

#include <QString>

// Upper-case pinyin initials of a text, as typed to find a drug by name:
// each Chinese character gives the first letter of its reading, Latin
// letters and digits are kept (upper-cased), everything else is dropped.
// Known drug-name words whose characters have several readings (白术 BZ,
// 厚朴 HP, 人参 RS ...) are read as pharmacists read them.
QString PinyinInitials(const QString& text);
