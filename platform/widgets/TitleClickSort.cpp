#include "platform/widgets/TitleClickSort.h"

#include "platform/widgets/DataSetModel.h"
#include "platform/widgets/ErrorGuard.h"
#include "platform/widgets/Messages.h"

#include <QHeaderView>
#include <QTableView>
#include <stdexcept>

namespace {

const QString kAscendingMark = QStringLiteral("↓");
const QString kDescendingMark = QStringLiteral("↑");

QString withoutFirst(QString text, const QString& mark)
{
    const int at = text.indexOf(mark);
    if (at >= 0)
        text.remove(at, mark.size());
    return text;
}

QString replaceFirst(QString text, const QString& mark, const QString& by)
{
    const int at = text.indexOf(mark);
    if (at >= 0)
        text.replace(at, mark.size(), by);
    return text;
}

const char* const kAttachedProperty = "titleClickSortAttached";

} // namespace

void SortByTitleClick(QTableView* grid, int column)
{
    try {
        auto* model = qobject_cast<DataSetModel*>(grid->model());
        if (!model || !model->dataSet())
            throw std::runtime_error("表格没有绑定数据集");
        const QString field = model->fieldAt(column);
        if (field.isEmpty())
            throw std::runtime_error(QStringLiteral("第%1列没有对应的字段").arg(column + 1).toStdString());
        const QString title = model->titleAt(column);

        bool ascending = true;
        QString newTitle;
        if (!title.contains(kAscendingMark) && !title.contains(kDescendingMark)) {
            newTitle = title + kAscendingMark;
        } else if (title.contains(kDescendingMark)) {
            newTitle = replaceFirst(title, kDescendingMark, kAscendingMark);
        } else {
            ascending = false;
            newTitle = replaceFirst(title, kAscendingMark, kDescendingMark);
        }
        model->dataSet()->sortBy(field, ascending);

        for (int c = 0; c < model->columnCount(); ++c) {
            if (grid->isColumnHidden(c))
                continue;
            model->setHeaderData(c, Qt::Horizontal,
                withoutFirst(withoutFirst(model->titleAt(c), kAscendingMark), kDescendingMark));
        }
        model->setHeaderData(column, Qt::Horizontal, newTitle);
    } catch (const std::exception& e) {
        Messages::show(grid, errorText(e));
    }
}

void attachTitleClickSort(QTableView* grid)
{
    if (grid->property(kAttachedProperty).toBool())
        return;
    grid->setProperty(kAttachedProperty, true);
    grid->horizontalHeader()->setSectionsClickable(true);
    grid->horizontalHeader()->setSortIndicatorShown(false);
    QObject::connect(grid->horizontalHeader(), &QHeaderView::sectionClicked, grid,
        [grid](int column) { SortByTitleClick(grid, column); });
}
