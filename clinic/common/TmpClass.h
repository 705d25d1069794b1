#pragma once

#include <QString>
#include <QVariant>

class DataGrid;
class QTableView;

// The two handlers any clinic window attaches to its grids.
namespace tmpclass {

// Title-click sort of a grid over a DataSet (↓ ascending, ↑ descending).
void SortByTitleClick(QTableView* grid, int column);

// The text shown for a memo field: its whole value as text.
QString MemoAsText(const QVariant& value);

// Shows a memo field of the grid through MemoAsText, with the given display
// width in characters. Call it each time the grid's query is opened.
void attachMemoAsText(DataGrid* grid, const QString& field, int displayWidth);

} // namespace tmpclass
