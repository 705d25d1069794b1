#include "calculator/ui/PeriodGridModel.h"

#include "calculator/core/ElementColor.h"

#include <QColor>
#include <QFont>

namespace {

const QString kRowKindField = QStringLiteral("属性");
const QString kNowMark = QStringLiteral("(现在)");

} // namespace

PeriodGridModel::PeriodGridModel(QStringList fields, CellPredicate isElementCell, QObject* parent)
    : QAbstractTableModel(parent)
    , m_fields(std::move(fields))
    , m_titles(m_fields)
    , m_isElementCell(std::move(isElementCell))
{
}

void PeriodGridModel::setRows(const RowSet& rows)
{
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(size_t(rows.size()));
    for (const Row& row : rows.rows) {
        GridRow gridRow;
        gridRow.kind = row.has(kRowKindField) ? row.text(kRowKindField) : QString();
        for (const QString& field : m_fields) {
            gridRow.texts << (row.has(field) ? row.text(field) : QString());
            gridRow.elementCell.push_back(m_isElementCell(gridRow.kind, field));
        }
        m_rows.push_back(std::move(gridRow));
    }
    m_indicatorRow = -1;
    endResetModel();
}

QString PeriodGridModel::fieldName(int column) const
{
    return m_fields.value(column);
}

QString PeriodGridModel::rowKind(int row) const
{
    return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)].kind : QString();
}

QString PeriodGridModel::cellText(int row, int column) const
{
    return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)].texts.value(column) : QString();
}

QString PeriodGridModel::title(int column) const
{
    return m_titles.value(column);
}

void PeriodGridModel::setTitle(int column, const QString& title)
{
    if (column < 0 || column >= m_titles.size() || m_titles[column] == title)
        return;
    m_titles[column] = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void PeriodGridModel::resetTitles()
{
    for (int column = 0; column < m_fields.size(); ++column)
        setTitle(column, m_fields[column]);
}

void PeriodGridModel::setIndicatorRow(int row)
{
    if (row == m_indicatorRow)
        return;
    const int previous = m_indicatorRow;
    m_indicatorRow = row;
    if (previous >= 0 && previous < rowCount())
        emit headerDataChanged(Qt::Vertical, previous, previous);
    if (row >= 0 && row < rowCount())
        emit headerDataChanged(Qt::Vertical, row, row);
}

int PeriodGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PeriodGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

QVariant PeriodGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const GridRow& row = m_rows[size_t(index.row())];
    const bool element = row.elementCell[size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole: {
        // A judgement such as "客水生主·相得" reads best in two lines split
        // after the dot; the narrow qi columns would otherwise break it anywhere.
        QString text = row.texts[index.column()];
        text.replace(QStringLiteral("·"), QStringLiteral("·\n"));
        return text;
    }
    case Qt::ToolTipRole:
        return row.texts[index.column()];
    case ElementCellRole:
        return element;
    case Qt::BackgroundRole:
        if (element) {
            const Rgb c = ElementColor(row.texts[index.column()]);
            return QColor(c.red, c.green, c.blue);
        }
        return {};
    default:
        return {};
    }
}

QVariant PeriodGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        // The row indicator: a pointer at the current row, nothing elsewhere.
        if (role == Qt::DisplayRole)
            return section == m_indicatorRow ? QStringLiteral("▶") : QString();
        return {};
    }
    if (section < 0 || section >= m_titles.size())
        return {};
    const bool marked = m_titles[section].endsWith(kNowMark);
    switch (role) {
    case Qt::DisplayRole:
        return m_titles[section];
    case Qt::ForegroundRole:
        // The current periods stand out from the other titles.
        return marked ? QVariant(QColor(176, 0, 0)) : QVariant();
    case Qt::FontRole:
        if (marked) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}
