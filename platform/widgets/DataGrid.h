#pragma once

#include "platform/widgets/DataSetModel.h"

#include <QStringList>
#include <QTableView>

class GridFooter;

// The grid of our windows: a table view over a DataSet that keeps the set's
// current row and the grid's current row together, with a read-only switch,
// the title-click sort and an optional footer row of column sums.
//
//   auto* grid = new DataGrid(this);
//   grid->setObjectName("DBGridEh1");
//   grid->setDataSet(&m_rows, {{.field = "药品名", .displayWidth = 12},
//                              {.field = "小计", .format = moneyFormat}});
//   grid->setReadOnly(true);
//   grid->setTitleClickSort(true);
//   grid->setFooterSums({"小计"});
class DataGrid : public QTableView
{
    Q_OBJECT

public:
    explicit DataGrid(QWidget* parent = nullptr);

    // Shows the set with the given columns (empty: all columns of the set).
    void setDataSet(DataSet* dataSet, const QList<GridColumn>& columns = {});
    DataSet* dataSet() const;
    DataSetModel* dataModel() const { return m_model; }

    void setReadOnly(bool readOnly);
    bool isReadOnly() const;
    void setTitleClickSort(bool on);

    // Shows a footer row under the grid with the sum of each named field,
    // written with that column's format. An empty list hides the footer.
    void setFooterSums(const QStringList& fields);
    // The footer's text under a field ("" when it has no sum).
    QString footerText(const QString& field) const;

signals:
    // A cell was clicked: the row and the field of its column.
    void cellClicked(int row, const QString& field);

protected:
    void updateGeometries() override;

private:
    void followSetRow(int row);
    void applyDisplayWidths();

    DataSetModel* m_model = nullptr;
    GridFooter* m_footer = nullptr;
    QStringList m_sumFields;
};
