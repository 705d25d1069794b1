#pragma once

#include "platform/db/DatabaseError.h"
#include "platform/db/Row.h"
#include "platform/db/SqlText.h"

#include <QString>
#include <QVariant>
#include <QList>

struct sqlite3;
struct sqlite3_stmt;

// One connection to an SQLite file.
//
// open() never creates a file: a missing file or one that is not a database
// is a DatabaseError naming the file. create() is for the set-up tools that
// build a fresh database. Every connection waits up to a few seconds for a
// lock held by another process, so two copies of a program can share a file,
// and has the engine functions the stored SQL relies on (CStr) registered.
class Database
{
public:
    static Database open(const QString& path);
    static Database create(const QString& path);
    // A private database in memory, for tests and scratch work.
    static Database openInMemory();

    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    QString fileName() const { return m_fileName; }

    // Runs one or more statements separated by semicolons (a script); no rows.
    void execScript(const QString& sql);
    // Runs one statement with optional bound parameters; returns rows changed.
    int execute(const QString& sql, const QList<QVariant>& params = {});
    // Runs one statement and returns all of its rows.
    RowSet query(const QString& sql, const QList<QVariant>& params = {});
    // Runs one statement and returns its first value (null when no row).
    QVariant scalar(const QString& sql, const QList<QVariant>& params = {});

    qint64 lastInsertId() const;

    void begin();
    void commit();
    void rollback();
    bool inTransaction() const;

    // Names of a table's columns, in declaration order (empty when no such table).
    QStringList tableColumns(const QString& table);

    sqlite3* handle() const { return m_db; }

private:
    explicit Database(sqlite3* db, QString fileName);
    static Database openWithFlags(const QString& path, int flags);
    [[noreturn]] void fail(const QString& what) const;

    friend class Statement;
    sqlite3* m_db = nullptr;
    QString m_fileName;
};

// A prepared statement; the DataSet and the benchmarks step it directly.
class Statement
{
public:
    Statement(Database& db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(const QList<QVariant>& params);
    bool step(); // true while a row is available
    int columnCount() const;
    QString columnName(int i) const;
    // The table and column a result column comes from ("" for expressions).
    QString originTable(int i) const;
    QString originColumn(int i) const;
    QVariant column(int i) const;

    sqlite3_stmt* handle() const { return m_stmt; }

private:
    Database& m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

// Commits on commit(), rolls back when left without it (an exception).
class Transaction
{
public:
    explicit Transaction(Database& db);
    ~Transaction();
    void commit();

private:
    Database& m_db;
    bool m_done = false;
};
