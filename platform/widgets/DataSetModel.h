#pragma once

#include "platform/data/DataSet.h"

#include <QAbstractTableModel>
#include <QList>
#include <QPointer>
#include <functional>

// One column of a grid over a DataSet.
struct GridColumn
{
    QString field;            // the DataSet column shown; empty for a column with no field
    QString title;            // header text; empty: the field name
    int displayWidth = 0;     // width in characters; 0: the view decides
    // Display text of a value; empty: the value as text (a memo shows its whole text).
    std::function<QString(const QVariant&)> format;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool editable = false;    // typed values go into the set (when the model is not read-only)
};

// A table model over a DataSet: one row per fetched row, the columns given by
// setColumns() (or every column of the set, titled by its name). Titles can
// be changed through setHeaderData(), which the title-click sort uses for its
// arrow marks. The model follows the set: fetching, sorting, adding and
// removing rows reset it; edits of one row refresh that row.
class DataSetModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit DataSetModel(DataSet* dataSet, QObject* parent = nullptr);

    DataSet* dataSet() const { return m_dataSet; }
    // Empty list: every column of the set, in order, titled by name.
    void setColumns(const QList<GridColumn>& columns);
    const QList<GridColumn>& columns() const { return m_columns; }
    const GridColumn& column(int index) const { return m_columns[index]; }
    // Replaces one column's settings (its format, width, title ...).
    void updateColumn(int column, const GridColumn& value);
    // -1 when no column shows the field.
    int columnOfField(const QString& field) const;
    QString fieldAt(int column) const;
    QString titleAt(int column) const;

    // A read-only model refuses every edit, whatever its columns say.
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isReadOnly() const { return m_readOnly; }

    // The display text of one cell, as the grid shows it.
    QString displayText(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    void followSetColumns();
    void resetAll();

    QPointer<DataSet> m_dataSet;
    QList<GridColumn> m_columns;
    bool m_automaticColumns = true;
    bool m_readOnly = false;
};
