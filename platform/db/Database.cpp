#include "platform/db/Database.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace {

constexpr int kBusyTimeoutMs = 5000;

// CStr(number): the number's decimal text, as the original engine's Cstr
// gave it ("12" for 12, no sign or separators for keys). SQLite matches
// function names without regard to case, so CStr, Cstr and cstr all work.
void cstrFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_value* v = argv[0];
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL:
        sqlite3_result_null(ctx);
        return;
    case SQLITE_INTEGER: {
        const QByteArray text = QByteArray::number(sqlite3_value_int64(v));
        sqlite3_result_text(ctx, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        return;
    }
    case SQLITE_FLOAT: {
        const double d = sqlite3_value_double(v);
        const QByteArray text = QByteArray::number(d, 'g', 15);
        sqlite3_result_text(ctx, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        return;
    }
    default:
        sqlite3_result_value(ctx, v);
        return;
    }
}

QString engineMessage(sqlite3* db)
{
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
}

} // namespace

Database::Database(sqlite3* db, QString fileName)
    : m_db(db)
    , m_fileName(std::move(fileName))
{
}

Database::Database(Database&& other) noexcept
    : m_db(std::exchange(other.m_db, nullptr))
    , m_fileName(std::move(other.m_fileName))
{
}

Database& Database::operator=(Database&& other) noexcept
{
    if (this != &other) {
        if (m_db)
            sqlite3_close_v2(m_db);
        m_db = std::exchange(other.m_db, nullptr);
        m_fileName = std::move(other.m_fileName);
    }
    return *this;
}

Database::~Database()
{
    if (m_db)
        sqlite3_close_v2(m_db);
}

Database Database::openWithFlags(const QString& path, int flags)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString why = engineMessage(db);
        sqlite3_close_v2(db);
        throw DatabaseError(QStringLiteral("无法打开数据库文件 %1：%2").arg(path, why));
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    sqlite3_extended_result_codes(db, 1);
    sqlite3_create_function_v2(db, "CStr", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               cstrFunction, nullptr, nullptr, nullptr);
    Database result(db, path);
    // Reading the schema proves the file is a database, not some other file.
    try {
        result.query(QStringLiteral("select count(*) from sqlite_master"));
    } catch (const DatabaseError& e) {
        throw DatabaseError(QStringLiteral("文件 %1 不是可用的数据库：%2").arg(path, e.message()));
    }
    return result;
}

Database Database::open(const QString& path)
{
    if (!QFileInfo(path).isFile())
        throw DatabaseError(QStringLiteral("数据库文件不存在：%1").arg(QFileInfo(path).absoluteFilePath()));
    return openWithFlags(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX);
}

Database Database::create(const QString& path)
{
    if (QFileInfo::exists(path))
        throw DatabaseError(QStringLiteral("文件已存在，不会覆盖：%1").arg(path));
    return openWithFlags(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX);
}

Database Database::openInMemory()
{
    return openWithFlags(QStringLiteral(":memory:"),
                         SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_MEMORY);
}

void Database::fail(const QString& what) const
{
    throw DatabaseError(what.isEmpty() ? engineMessage(m_db)
                                       : QStringLiteral("%1：%2").arg(what, engineMessage(m_db)));
}

void Database::execScript(const QString& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : "unknown error");
        sqlite3_free(error);
        throw DatabaseError(message);
    }
}

int Database::execute(const QString& sql, const QList<QVariant>& params)
{
    Statement st(*this, sql);
    st.bind(params);
    while (st.step()) {
    }
    return sqlite3_changes(m_db);
}

RowSet Database::query(const QString& sql, const QList<QVariant>& params)
{
    Statement st(*this, sql);
    st.bind(params);
    RowSet result;
    const int n = st.columnCount();
    QStringList names;
    names.reserve(n);
    for (int i = 0; i < n; ++i)
        names << st.columnName(i);
    result.columns = QSharedPointer<const Columns>::create(names);
    while (st.step()) {
        std::vector<QVariant> values;
        values.reserve(size_t(n));
        for (int i = 0; i < n; ++i)
            values.push_back(st.column(i));
        result.rows.emplace_back(result.columns, std::move(values));
    }
    return result;
}

QVariant Database::scalar(const QString& sql, const QList<QVariant>& params)
{
    Statement st(*this, sql);
    st.bind(params);
    if (st.step() && st.columnCount() > 0)
        return st.column(0);
    return QVariant();
}

qint64 Database::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

void Database::begin()
{
    execScript(QStringLiteral("BEGIN IMMEDIATE"));
}

void Database::commit()
{
    execScript(QStringLiteral("COMMIT"));
}

void Database::rollback()
{
    if (inTransaction())
        execScript(QStringLiteral("ROLLBACK"));
}

bool Database::inTransaction() const
{
    return sqlite3_get_autocommit(m_db) == 0;
}

QStringList Database::tableColumns(const QString& table)
{
    QStringList names;
    const RowSet info = query(QStringLiteral("PRAGMA table_info(%1)").arg(quotedIdentifier(table)));
    for (const Row& row : info.rows)
        names << row.text(QStringLiteral("name"));
    return names;
}

Statement::Statement(Database& db, const QString& sql)
    : m_db(db)
{
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db.m_db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr) != SQLITE_OK) {
        const QString message = engineMessage(db.m_db);
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw DatabaseError(message);
    }
    if (!m_stmt)
        throw DatabaseError(QStringLiteral("空的SQL语句"));
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

void Statement::bind(const QList<QVariant>& params)
{
    for (int i = 0; i < params.size(); ++i) {
        const QVariant& v = params[i];
        const int pos = i + 1;
        int rc = SQLITE_OK;
        if (v.isNull()) {
            rc = sqlite3_bind_null(m_stmt, pos);
        } else {
            switch (v.typeId()) {
            case QMetaType::Bool:
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
                rc = sqlite3_bind_int64(m_stmt, pos, v.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(m_stmt, pos, v.toDouble());
                break;
            case QMetaType::QByteArray: {
                const QByteArray bytes = v.toByteArray();
                rc = sqlite3_bind_blob(m_stmt, pos, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
                break;
            }
            default:
                if (v.canConvert<Decimal4>() && v.userType() == qMetaTypeId<Decimal4>()) {
                    rc = sqlite3_bind_double(m_stmt, pos, v.value<Decimal4>().toDouble());
                } else {
                    const QByteArray text = v.toString().toUtf8();
                    rc = sqlite3_bind_text(m_stmt, pos, text.constData(), int(text.size()), SQLITE_TRANSIENT);
                }
            }
        }
        if (rc != SQLITE_OK)
            m_db.fail(QString());
    }
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    m_db.fail(QString());
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int i) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, i));
}

QString Statement::originTable(int i) const
{
    const char* name = sqlite3_column_table_name(m_stmt, i);
    return name ? QString::fromUtf8(name) : QString();
}

QString Statement::originColumn(int i) const
{
    const char* name = sqlite3_column_origin_name(m_stmt, i);
    return name ? QString::fromUtf8(name) : QString();
}

QVariant Statement::column(int i) const
{
    switch (sqlite3_column_type(m_stmt, i)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(m_stmt, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, i));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(m_stmt, i)),
                                   sqlite3_column_bytes(m_stmt, i)));
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, i)));
    }
    }
}

Transaction::Transaction(Database& db)
    : m_db(db)
{
    m_db.begin();
}

Transaction::~Transaction()
{
    if (!m_done) {
        try {
            m_db.rollback();
        } catch (...) {
        }
    }
}

void Transaction::commit()
{
    m_db.commit();
    m_done = true;
}
