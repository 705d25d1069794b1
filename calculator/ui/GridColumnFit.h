#pragma once

#include <QList>

// Column widths for a grid of a given inner width. Every column gets at
// least its minimum; a column whose content wants more gets it while room
// is left, the columns that want the least extra first, so as many columns
// as possible show their texts on one line. Room left when every column is
// satisfied is shared in proportion to the minimums, so the grid is filled.
QList<int> FitColumnWidths(const QList<int>& minimum, const QList<int>& wanted, int available);
