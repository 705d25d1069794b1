#include "platform/widgets/DataSetModel.h"

#include "platform/widgets/ErrorGuard.h"

DataSetModel::DataSetModel(DataSet* dataSet, QObject* parent)
    : QAbstractTableModel(parent)
    , m_dataSet(dataSet)
{
    connect(dataSet, &DataSet::rowsReset, this, &DataSetModel::resetAll);
    connect(dataSet, &DataSet::rowChanged, this, [this](int row) {
        if (row >= 0 && row < rowCount())
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    connect(dataSet, &DataSet::stateChanged, this, [this](DataSet::State state) {
        // Closing the set empties the grid.
        if (state == DataSet::State::Inactive)
            resetAll();
    });
    followSetColumns();
}

void DataSetModel::setColumns(const QList<GridColumn>& columns)
{
    beginResetModel();
    m_automaticColumns = columns.isEmpty();
    m_columns = columns;
    if (m_automaticColumns)
        m_columns.clear();
    endResetModel();
    followSetColumns();
}

// With automatic columns, a set re-opened on another SELECT brings its own
// columns; titles changed by the sort survive as long as the names stay.
void DataSetModel::followSetColumns()
{
    if (!m_automaticColumns || !m_dataSet || !m_dataSet->isOpen())
        return;
    const QStringList& names = m_dataSet->columnNames();
    bool same = names.size() == m_columns.size();
    for (int i = 0; same && i < names.size(); ++i)
        same = m_columns[i].field == names[i];
    if (same)
        return;
    beginResetModel();
    m_columns.clear();
    for (const QString& name : names) {
        GridColumn column;
        column.field = name;
        column.title = name;
        m_columns.append(column);
    }
    endResetModel();
}

void DataSetModel::resetAll()
{
    beginResetModel();
    endResetModel();
    followSetColumns();
}

void DataSetModel::updateColumn(int column, const GridColumn& value)
{
    if (column < 0 || column >= m_columns.size())
        return;
    m_columns[column] = value;
    emit headerDataChanged(Qt::Horizontal, column, column);
    if (rowCount() > 0)
        emit dataChanged(index(0, column), index(rowCount() - 1, column));
}

int DataSetModel::columnOfField(const QString& field) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString DataSetModel::fieldAt(int column) const
{
    return column >= 0 && column < m_columns.size() ? m_columns[column].field : QString();
}

QString DataSetModel::titleAt(int column) const
{
    if (column < 0 || column >= m_columns.size())
        return QString();
    const GridColumn& c = m_columns[column];
    return c.title.isEmpty() ? c.field : c.title;
}

int DataSetModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_dataSet || !m_dataSet->isOpen())
        return 0;
    return m_dataSet->rowCount();
}

int DataSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QString DataSetModel::displayText(int row, int column) const
{
    const GridColumn& c = m_columns[column];
    if (c.field.isEmpty() || !m_dataSet->hasColumn(c.field))
        return QString();
    const QVariant value = m_dataSet->valueAt(row, c.field);
    return c.format ? c.format(value) : valueText(value);
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return QVariant();
    const GridColumn& c = m_columns[index.column()];
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.row(), index.column());
    case Qt::EditRole:
        return c.field.isEmpty() || !m_dataSet->hasColumn(c.field) ? QVariant()
                                                                   : m_dataSet->valueAt(index.row(), c.field);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(c.alignment);
    default:
        return QVariant();
    }
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::EditRole))
        return titleAt(section);
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return QString();
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool DataSetModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size()
        || (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    m_columns[section].title = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && !m_readOnly && m_columns[index.column()].editable
        && !m_columns[index.column()].field.isEmpty())
        f |= Qt::ItemIsEditable;
    return f;
}

bool DataSetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString field = m_columns[index.column()].field;
    return runShowingErrors(nullptr, [&] {
        if (m_dataSet->currentRow() != index.row())
            m_dataSet->setCurrentRow(index.row());
        if (!m_dataSet->isEditing())
            m_dataSet->edit();
        m_dataSet->setValue(field, value);
    });
}
