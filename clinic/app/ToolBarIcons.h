#pragma once

#include <QIcon>
#include <QString>

// The toolbar's icons: a coloured tile with the command's key character,
// drawn at run time so the program needs no image files.
QIcon toolBarIcon(const QString& caption);
