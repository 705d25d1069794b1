#pragma once

#include "platform/text/Decimal4.h"

#include <QHash>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

// Column names of one result, shared by all of its rows. Lookup by name
// ignores the case of Latin letters, as the original engine did.
class Columns
{
public:
    Columns() = default;
    explicit Columns(const QStringList& names);

    const QStringList& names() const { return m_names; }
    int count() const { return int(m_names.size()); }
    int indexOf(const QString& name) const; // -1 when absent

private:
    QStringList m_names;
    QHash<QString, int> m_index; // lower-cased name -> first position
};

// Reading a stored value the ways the programs need: null reads as "" / 0 / false.
QString valueText(const QVariant& value);
qint64 valueInteger(const QVariant& value);
Decimal4 valueDecimal(const QVariant& value);
bool valueBoolean(const QVariant& value);

// One row of a result: values in column order, read by column name.
// Asking for a column the row does not have is a programming error and throws.
class Row
{
public:
    Row() = default;
    Row(QSharedPointer<const Columns> columns, std::vector<QVariant> values);

    const Columns& columns() const { return *m_columns; }
    QSharedPointer<const Columns> sharedColumns() const { return m_columns; }
    bool has(const QString& name) const { return m_columns && m_columns->indexOf(name) >= 0; }

    const QVariant& value(const QString& name) const;
    const QVariant& at(int column) const { return m_values[size_t(column)]; }
    QString text(const QString& name) const { return valueText(value(name)); }
    qint64 integer(const QString& name) const { return valueInteger(value(name)); }
    Decimal4 decimal(const QString& name) const { return valueDecimal(value(name)); }
    bool boolean(const QString& name) const { return valueBoolean(value(name)); }

    std::vector<QVariant>& values() { return m_values; }
    const std::vector<QVariant>& values() const { return m_values; }

private:
    int indexOrThrow(const QString& name) const;

    QSharedPointer<const Columns> m_columns;
    std::vector<QVariant> m_values;
};

// All rows of one query.
struct RowSet
{
    QSharedPointer<const Columns> columns;
    std::vector<Row> rows;

    bool isEmpty() const { return rows.empty(); }
    int size() const { return int(rows.size()); }
    const Row& operator[](int i) const { return rows[size_t(i)]; }
    // The first row, or a row of nulls when there is none ("" / 0 / false).
    Row firstOrEmpty() const;
};
