#pragma once

#include <QString>

// The folder of the running program, with a trailing separator. The skin
// folder and li.ini lie there (the database and help texts lie in the
// working folder instead).
QString programFolder();
// Tests put the program folder somewhere of their own; empty restores the
// real one.
void setProgramFolder(const QString& folder);

// programFolder() + "skin/", with a trailing separator.
QString skinFolder();
// programFolder() + "li.ini".
QString skinSettingsFile();
