#pragma once

#include "platform/db/Database.h"

#include <QString>

// The input code of a drug name: the upper-case pinyin initials of the
// trimmed name (at most 255 letters), typed in prescription windows to find
// the drug. The same name always gives the same code.
QString InputCodeOf(const QString& text);

// Gives every drug whose input code is missing or blank the code of its
// name; drugs with a code keep it.
void FillMissingInputCodes(Database& db);
