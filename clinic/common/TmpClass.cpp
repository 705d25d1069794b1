#include "clinic/common/TmpClass.h"

#include "platform/widgets/DataGrid.h"
#include "platform/widgets/TitleClickSort.h"

namespace tmpclass {

void SortByTitleClick(QTableView* grid, int column)
{
    ::SortByTitleClick(grid, column);
}

QString MemoAsText(const QVariant& value)
{
    return valueText(value);
}

void attachMemoAsText(DataGrid* grid, const QString& field, int displayWidth)
{
    DataSetModel* model = grid->dataModel();
    const int column = model ? model->columnOfField(field) : -1;
    if (column < 0)
        return;
    GridColumn settings = model->column(column);
    settings.format = &MemoAsText;
    settings.displayWidth = displayWidth;
    model->updateColumn(column, settings);
    grid->setColumnWidth(column, displayWidth * grid->fontMetrics().averageCharWidth() + 12);
}

} // namespace tmpclass
