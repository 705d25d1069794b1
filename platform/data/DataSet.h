#pragma once

#include "platform/db/Database.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

// The one row set behind every grid, edit panel and line set.
//
// Rows are fetched into memory by open(); one row is current. The set is in
// one of three states: browsing, editing the current row, or inserting a new
// row (which is already the current row while it is being typed). post()
// keeps the typed values, cancel() throws them away.
//
// When the SELECT reads the `ID` column of a table, the set writes through to
// that table: post() updates or inserts the row by its `ID` (and learns the
// new `ID` of an inserted row), remove() deletes it. Columns that come from
// other tables of a join, or from expressions, are never written. A set
// opened with openInMemory() keeps its rows to itself until someone saves them.
class DataSet : public QObject
{
    Q_OBJECT

public:
    enum class State { Inactive, Browse, Edit, Insert };
    Q_ENUM(State)

    explicit DataSet(QObject* parent = nullptr);
    ~DataSet() override;

    // Runs a SELECT and fetches all of its rows. The database must outlive the
    // set while it is open. Throws DatabaseError (the set is then closed).
    void open(Database& db, const QString& sql);
    // Re-runs the last SELECT, keeping the current row on the same `ID` when
    // it is still there.
    void refresh();
    // A set of rows that lives only in memory, with the given columns.
    void openInMemory(const QStringList& columns);
    void close();

    bool isOpen() const { return m_state != State::Inactive; }
    bool isEmpty() const { return m_rows.empty(); }
    int rowCount() const { return int(m_rows.size()); }
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }
    QString sql() const { return m_sql; }
    // The table written through to; empty for a read-only or in-memory set.
    QString updateTable() const { return m_updateTable; }
    // Overrides the write-through table (empty: never write).
    void setUpdateTable(const QString& table);

    const QStringList& columnNames() const;
    int columnIndex(const QString& name) const;
    bool hasColumn(const QString& name) const { return columnIndex(name) >= 0; }

    // -1 when the set is empty.
    int currentRow() const { return m_current; }
    // Moves to a row; posts a pending edit first, as a grid does on leaving a
    // row. Returns false for a row outside the set.
    bool setCurrentRow(int row);
    void first() { setCurrentRow(0); }
    void last() { setCurrentRow(rowCount() - 1); }
    bool next(); // false at the last row
    bool prior(); // false at the first row

    // Field access on the current row. Reading on an empty set gives null.
    QVariant value(const QString& field) const;
    QString text(const QString& field) const;
    qint64 integer(const QString& field) const;
    Decimal4 decimal(const QString& field) const;
    bool boolean(const QString& field) const;
    // Writing needs the editing or inserting state (see edit()).
    void setValue(const QString& field, const QVariant& value);

    // Any row, for grids.
    QVariant valueAt(int row, int column) const;
    QVariant valueAt(int row, const QString& field) const;
    const Row& rowAt(int row) const { return m_rows[size_t(row)]; }

    // Starts editing the current row; on an empty set starts a new row.
    void edit();
    // Adds a new row at the end and makes it current, filled by the defaults hook.
    void append();
    // Stores the typed values: writes them through to the table when the set
    // has one. On a database error the set stays in its editing state with
    // the typed values and the error propagates.
    void post();
    // Throws away the typed values (and a row being inserted).
    void cancel();
    // Deletes the current row (from the table as well, when written through).
    void remove();

    // Moves to the first row whose field equals the value (texts compared
    // without regard to Latin case, numbers as numbers). False when none.
    bool locate(const QString& field, const QVariant& value);
    // Stable sort of the fetched rows; numbers as numbers, texts as texts,
    // nulls first. The current row stays on the same record.
    void sortBy(const QString& field, bool ascending);

    // Fills a new row's defaults on append() (and edit() of an empty set).
    void setNewRowDefaults(std::function<void(DataSet&)> hook) { m_newRowDefaults = std::move(hook); }

signals:
    void stateChanged(DataSet::State state);
    void currentRowChanged(int row);
    // A field of the current row got a new value (by setValue).
    void fieldChanged(const QString& field);
    // Rows were fetched, sorted, added or removed: views should re-read everything.
    void rowsReset();
    // One row's values changed (post, cancel, setValue).
    void rowChanged(int row);

private:
    void setState(State state);
    void loadRows(const QString& sql);
    void findUpdateTable(Statement& statement);
    void writeThrough();
    void rereadRow(qint64 id);
    int requireColumn(const QString& field) const;

    Database* m_db = nullptr;
    QString m_sql;
    QSharedPointer<const Columns> m_columns;
    std::vector<Row> m_rows;
    int m_current = -1;
    State m_state = State::Inactive;
    std::optional<Row> m_beforeEdit; // the row as it was before edit()
    QString m_updateTable;
    // Per result column: the update table's column it reads, or "" when it
    // comes from another table or an expression and is never written.
    QStringList m_tableColumnOf;
    std::function<void(DataSet&)> m_newRowDefaults;
};
