#include "platform/data/DataSet.h"

#include <algorithm>

namespace {

const QString kIdColumn = QStringLiteral("ID");

bool isNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

// Orders nulls first, then numbers by value, then texts (Latin case ignored).
int compareValues(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return int(!a.isNull()) - int(!b.isNull());
    const bool an = isNumber(a);
    const bool bn = isNumber(b);
    if (an && bn) {
        const double x = a.toDouble();
        const double y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (an != bn)
        return an ? -1 : 1;
    return QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive);
}

bool sameValue(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    if (isNumber(a) || isNumber(b)) {
        bool okA = false, okB = false;
        const double x = a.toDouble(&okA);
        const double y = b.toDouble(&okB);
        if (okA && okB)
            return x == y;
    }
    return QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive) == 0;
}

} // namespace

DataSet::DataSet(QObject* parent)
    : QObject(parent)
{
}

DataSet::~DataSet() = default;

void DataSet::open(Database& db, const QString& sql)
{
    close();
    m_db = &db;
    m_sql = sql;
    try {
        loadRows(sql);
    } catch (...) {
        close();
        throw;
    }
    m_current = m_rows.empty() ? -1 : 0;
    setState(State::Browse);
    emit rowsReset();
    emit currentRowChanged(m_current);
}

void DataSet::refresh()
{
    if (!m_db || m_sql.isEmpty())
        return;
    const bool hadId = m_current >= 0 && hasColumn(kIdColumn);
    const QVariant id = hadId ? value(kIdColumn) : QVariant();
    const QString table = m_updateTable;
    Database& db = *m_db;
    const QString sql = m_sql;
    open(db, sql);
    if (!table.isEmpty() && m_updateTable.isEmpty())
        m_updateTable = table;
    if (hadId)
        locate(kIdColumn, id);
}

void DataSet::openInMemory(const QStringList& columns)
{
    close();
    m_columns = QSharedPointer<const Columns>::create(columns);
    m_tableColumnOf = QStringList(columns.size(), QString());
    setState(State::Browse);
    emit rowsReset();
    emit currentRowChanged(m_current);
}

void DataSet::close()
{
    const bool wasOpen = isOpen();
    m_rows.clear();
    m_current = -1;
    m_beforeEdit.reset();
    m_updateTable.clear();
    m_tableColumnOf.clear();
    m_sql.clear();
    m_db = nullptr;
    m_columns.reset();
    if (wasOpen) {
        setState(State::Inactive);
        emit rowsReset();
    }
}

void DataSet::setUpdateTable(const QString& table)
{
    m_updateTable = table;
    if (table.isEmpty() || !m_db || !m_columns)
        return;
    // Map result columns to the table's columns by name.
    const QStringList tableColumns = m_db->tableColumns(table);
    m_tableColumnOf = QStringList(m_columns->count(), QString());
    for (int i = 0; i < m_columns->count(); ++i) {
        for (const QString& c : tableColumns)
            if (c.compare(m_columns->names()[i], Qt::CaseInsensitive) == 0)
                m_tableColumnOf[i] = c;
    }
}

void DataSet::loadRows(const QString& sql)
{
    Statement statement(*m_db, sql);
    const int n = statement.columnCount();
    QStringList names;
    names.reserve(n);
    for (int i = 0; i < n; ++i)
        names << statement.columnName(i);
    m_columns = QSharedPointer<const Columns>::create(names);
    findUpdateTable(statement);
    m_rows.clear();
    while (statement.step()) {
        std::vector<QVariant> values;
        values.reserve(size_t(n));
        for (int i = 0; i < n; ++i)
            values.push_back(statement.column(i));
        m_rows.emplace_back(m_columns, std::move(values));
    }
}

void DataSet::findUpdateTable(Statement& statement)
{
    // The table whose key column `ID` the SELECT reads is the one we write to.
    m_updateTable.clear();
    const int n = statement.columnCount();
    m_tableColumnOf = QStringList(n, QString());
    for (int i = 0; i < n; ++i) {
        if (statement.originColumn(i).compare(kIdColumn, Qt::CaseInsensitive) == 0
            && statement.columnName(i).compare(kIdColumn, Qt::CaseInsensitive) == 0) {
            m_updateTable = statement.originTable(i);
            break;
        }
    }
    if (m_updateTable.isEmpty())
        return;
    for (int i = 0; i < n; ++i)
        if (statement.originTable(i) == m_updateTable)
            m_tableColumnOf[i] = statement.originColumn(i);
}

const QStringList& DataSet::columnNames() const
{
    static const QStringList none;
    return m_columns ? m_columns->names() : none;
}

int DataSet::columnIndex(const QString& name) const
{
    return m_columns ? m_columns->indexOf(name) : -1;
}

int DataSet::requireColumn(const QString& field) const
{
    const int i = columnIndex(field);
    if (i < 0)
        throw DatabaseError(QStringLiteral("没有找到字段：%1").arg(field));
    return i;
}

bool DataSet::setCurrentRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    if (row == m_current)
        return true;
    if (isEditing())
        post();
    m_current = row;
    emit currentRowChanged(m_current);
    return true;
}

bool DataSet::next()
{
    return m_current + 1 < rowCount() && setCurrentRow(m_current + 1);
}

bool DataSet::prior()
{
    return m_current > 0 && setCurrentRow(m_current - 1);
}

QVariant DataSet::value(const QString& field) const
{
    const int column = requireColumn(field);
    if (m_current < 0)
        return QVariant();
    return m_rows[size_t(m_current)].at(column);
}

QString DataSet::text(const QString& field) const
{
    return valueText(value(field));
}

qint64 DataSet::integer(const QString& field) const
{
    return valueInteger(value(field));
}

Decimal4 DataSet::decimal(const QString& field) const
{
    return valueDecimal(value(field));
}

bool DataSet::boolean(const QString& field) const
{
    return valueBoolean(value(field));
}

void DataSet::setValue(const QString& field, const QVariant& newValue)
{
    const int column = requireColumn(field);
    if (!isEditing() || m_current < 0)
        throw DatabaseError(QStringLiteral("数据集不在编辑状态，不能修改字段：%1").arg(field));
    QVariant stored = newValue;
    if (newValue.userType() == qMetaTypeId<Decimal4>())
        stored = QVariant(newValue.value<Decimal4>().toDouble());
    QVariant& slot = m_rows[size_t(m_current)].values()[size_t(column)];
    if (slot == stored && slot.typeId() == stored.typeId())
        return;
    slot = stored;
    emit fieldChanged(m_columns->names()[column]);
    emit rowChanged(m_current);
}

QVariant DataSet::valueAt(int row, int column) const
{
    return m_rows[size_t(row)].at(column);
}

QVariant DataSet::valueAt(int row, const QString& field) const
{
    return m_rows[size_t(row)].at(requireColumn(field));
}

void DataSet::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void DataSet::edit()
{
    if (!isOpen())
        throw DatabaseError(QStringLiteral("数据集没有打开"));
    if (isEditing())
        return;
    if (m_rows.empty()) {
        append();
        return;
    }
    m_beforeEdit = m_rows[size_t(m_current)];
    setState(State::Edit);
}

void DataSet::append()
{
    if (!isOpen())
        throw DatabaseError(QStringLiteral("数据集没有打开"));
    if (isEditing())
        post();
    m_rows.emplace_back(m_columns, std::vector<QVariant>(size_t(m_columns->count())));
    m_current = rowCount() - 1;
    m_beforeEdit.reset();
    setState(State::Insert);
    emit rowsReset();
    emit currentRowChanged(m_current);
    if (m_newRowDefaults)
        m_newRowDefaults(*this);
}

void DataSet::post()
{
    if (!isEditing())
        return;
    if (m_db && !m_updateTable.isEmpty())
        writeThrough(); // throws on failure; the state and the typed values stay
    m_beforeEdit.reset();
    setState(State::Browse);
    emit rowChanged(m_current);
}

void DataSet::writeThrough()
{
    const Row& row = m_rows[size_t(m_current)];
    QStringList columns;
    QList<QVariant> values;
    for (int i = 0; i < m_tableColumnOf.size(); ++i) {
        const QString& column = m_tableColumnOf[i];
        if (column.isEmpty() || column.compare(kIdColumn, Qt::CaseInsensitive) == 0)
            continue;
        if (m_state == State::Edit && m_beforeEdit && m_beforeEdit->at(i) == row.at(i)
            && m_beforeEdit->at(i).typeId() == row.at(i).typeId())
            continue; // unchanged: leave what another user may have written
        columns << column;
        values << row.at(i);
    }
    const QString table = quotedIdentifier(m_updateTable);
    if (m_state == State::Insert) {
        QStringList names, marks;
        for (const QString& c : columns) {
            names << quotedIdentifier(c);
            marks << QStringLiteral("?");
        }
        const QString sql = columns.isEmpty()
            ? QStringLiteral("insert into %1 default values").arg(table)
            : QStringLiteral("insert into %1 (%2) values (%3)").arg(table, names.join(u','), marks.join(u','));
        m_db->execute(sql, values);
        rereadRow(m_db->lastInsertId());
        return;
    }
    if (columns.isEmpty())
        return;
    QStringList sets;
    for (const QString& c : columns)
        sets << quotedIdentifier(c) + QStringLiteral("=?");
    values << row.value(kIdColumn);
    m_db->execute(QStringLiteral("update %1 set %2 where \"ID\"=?").arg(table, sets.join(u',')), values);
}

void DataSet::rereadRow(qint64 id)
{
    // The new row as the database stored it: its ID and any defaults.
    const RowSet stored = m_db->query(
        QStringLiteral("select * from %1 where \"ID\"=?").arg(quotedIdentifier(m_updateTable)), {id});
    Row& row = m_rows[size_t(m_current)];
    if (stored.isEmpty()) {
        const int idColumn = columnIndex(kIdColumn);
        if (idColumn >= 0)
            row.values()[size_t(idColumn)] = QVariant(id);
        return;
    }
    const Row& fresh = stored[0];
    for (int i = 0; i < m_tableColumnOf.size(); ++i)
        if (!m_tableColumnOf[i].isEmpty() && fresh.has(m_tableColumnOf[i]))
            row.values()[size_t(i)] = fresh.value(m_tableColumnOf[i]);
}

void DataSet::cancel()
{
    if (m_state == State::Insert) {
        m_rows.erase(m_rows.begin() + m_current);
        m_current = std::min(m_current, rowCount() - 1);
        setState(State::Browse);
        emit rowsReset();
        emit currentRowChanged(m_current);
        return;
    }
    if (m_state == State::Edit) {
        if (m_beforeEdit)
            m_rows[size_t(m_current)] = *m_beforeEdit;
        m_beforeEdit.reset();
        setState(State::Browse);
        emit rowChanged(m_current);
        emit currentRowChanged(m_current);
    }
}

void DataSet::remove()
{
    if (m_current < 0)
        throw DatabaseError(QStringLiteral("没有可删除的记录"));
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_state == State::Edit)
        cancel();
    if (m_db && !m_updateTable.isEmpty()) {
        m_db->execute(QStringLiteral("delete from %1 where \"ID\"=?").arg(quotedIdentifier(m_updateTable)),
                      {value(kIdColumn)});
    }
    m_rows.erase(m_rows.begin() + m_current);
    m_current = std::min(m_current, rowCount() - 1);
    emit rowsReset();
    emit currentRowChanged(m_current);
}

bool DataSet::locate(const QString& field, const QVariant& wanted)
{
    const int column = requireColumn(field);
    for (int i = 0; i < rowCount(); ++i) {
        if (sameValue(m_rows[size_t(i)].at(column), wanted)) {
            setCurrentRow(i);
            return true;
        }
    }
    return false;
}

void DataSet::sortBy(const QString& field, bool ascending)
{
    const int column = requireColumn(field);
    if (isEditing())
        post();
    const Row* currentRecord = m_current >= 0 ? &m_rows[size_t(m_current)] : nullptr;
    std::vector<int> order(m_rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = compareValues(m_rows[size_t(a)].at(column), m_rows[size_t(b)].at(column));
        return ascending ? c < 0 : c > 0;
    });
    std::vector<Row> sorted;
    sorted.reserve(m_rows.size());
    int newCurrent = -1;
    for (int i : order) {
        if (currentRecord == &m_rows[size_t(i)])
            newCurrent = int(sorted.size());
        sorted.push_back(std::move(m_rows[size_t(i)]));
    }
    m_rows = std::move(sorted);
    m_current = newCurrent;
    emit rowsReset();
    emit currentRowChanged(m_current);
}
