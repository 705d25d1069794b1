#pragma once

#include <QString>

// A random text of the given length drawn from the chosen character classes
// (upper-case letters, then lower-case letters, then digits). With no class
// chosen there is nothing to draw from and the caller's text comes back.
QString RandomText(bool upper, bool lower, bool digits, int length, const QString& fallback = QString());

// How many times part occurs in text, occurrences not overlapping
// ("aa" in "aaa" is 1). An empty part occurs 0 times.
int CountOccurrences(const QString& text, const QString& part);
