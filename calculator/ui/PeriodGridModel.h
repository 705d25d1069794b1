#pragma once

#include "platform/db/Row.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <vector>

// The rows of the movement grid or the qi grid: a fixed list of fields shown
// as columns, each column titled with its field name unless a title was set
// (the "(现在)" marks). Cells whose row kind and field make them element
// cells (by the predicate given) carry their element colour as background.
class PeriodGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Roles beyond Qt's own.
    enum Role {
        ElementCellRole = Qt::UserRole + 1, // bool: the cell is coloured by its element
    };

    using CellPredicate = std::function<bool(const QString& rowKind, const QString& field)>;

    PeriodGridModel(QStringList fields, CellPredicate isElementCell, QObject* parent = nullptr);

    // Replaces every row; a field the rows lack shows empty.
    void setRows(const RowSet& rows);

    QString fieldName(int column) const;
    QString rowKind(int row) const; // 属性 of the row
    QString cellText(int row, int column) const;

    QString title(int column) const;
    void setTitle(int column, const QString& title);
    // Every title back to its field name.
    void resetTitles();

    // The row marked in the row indicator (the grid's current row); -1 for none.
    void setIndicatorRow(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct GridRow
    {
        QString kind;
        QStringList texts; // one per field
        std::vector<bool> elementCell;
    };

    QStringList m_fields;
    QStringList m_titles;
    CellPredicate m_isElementCell;
    std::vector<GridRow> m_rows;
    int m_indicatorRow = -1;
};
