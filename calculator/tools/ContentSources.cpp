#include "calculator/tools/ContentSources.h"

#include "platform/db/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace {

QString located(const QString& fileName, int line, const QString& message)
{
    return line > 0 ? QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(message)
                    : QStringLiteral("%1: %2").arg(fileName, message);
}

QByteArray readWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ContentSourceError(located(path, 0, QStringLiteral("cannot open: %1").arg(file.errorString())));
    return file.readAll();
}

struct ColumnInfo
{
    QString name;
    bool isInteger = false;
};

std::vector<ColumnInfo> columnsOf(Database& db, const QString& table)
{
    std::vector<ColumnInfo> columns;
    const RowSet info = db.query(QStringLiteral("PRAGMA table_info(%1)").arg(quotedIdentifier(table)));
    for (const Row& row : info.rows)
        columns.push_back({row.text(QStringLiteral("name")),
                           row.text(QStringLiteral("type")).compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0});
    return columns;
}

QStringList tablesOf(Database& db)
{
    QStringList names;
    const RowSet rows = db.query(QStringLiteral(
        "select name from sqlite_master where type='table' and name not like 'sqlite\\_%' escape '\\' order by name"));
    for (const Row& row : rows.rows)
        names << row.text(QStringLiteral("name"));
    return names;
}

void loadTable(Database& db, const QString& table, const TableSource& source)
{
    const std::vector<ColumnInfo> columns = columnsOf(db, table);
    std::vector<bool> integerColumn;
    QStringList quotedNames;
    for (const QString& name : source.header) {
        auto found = std::find_if(columns.begin(), columns.end(), [&](const ColumnInfo& c) {
            return c.name.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (found == columns.end())
            throw ContentSourceError(located(source.fileName, source.headerLine,
                                             QStringLiteral("table %1 has no column \"%2\"").arg(table, name)));
        if (source.header.count(name) > 1)
            throw ContentSourceError(located(source.fileName, source.headerLine,
                                             QStringLiteral("column \"%1\" appears twice in the header").arg(name)));
        integerColumn.push_back(found->isInteger);
        quotedNames << quotedIdentifier(found->name);
    }
    QStringList marks;
    for (qsizetype i = 0; i < quotedNames.size(); ++i)
        marks << QStringLiteral("?");
    const QString insert = QStringLiteral("insert into %1 (%2) values (%3)")
                               .arg(quotedIdentifier(table), quotedNames.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));

    static const QRegularExpression integerPattern(QStringLiteral("^-?[0-9]+$"));
    for (const TableSource::Line& line : source.rows) {
        QList<QVariant> values;
        for (qsizetype i = 0; i < line.fields.size(); ++i) {
            const QString where = located(source.fileName, line.number, QStringLiteral("column \"%1\"").arg(source.header[i]));
            const QString value = unescapeField(line.fields[i], where);
            if (integerColumn[size_t(i)]) {
                if (!integerPattern.match(value).hasMatch())
                    throw ContentSourceError(QStringLiteral("%1: \"%2\" is not an integer").arg(where, value));
                values << QVariant(value.toLongLong());
            } else {
                values << QVariant(value);
            }
        }
        try {
            db.execute(insert, values);
        } catch (const DatabaseError& e) {
            throw ContentSourceError(located(source.fileName, line.number, e.message()));
        }
    }
}

} // namespace

QString unescapeField(const QString& field, const QString& where)
{
    if (!field.contains(QLatin1Char('\\')))
        return field;
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field[i];
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        const QChar next = i + 1 < field.size() ? field[i + 1] : QChar();
        if (next == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else if (next == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        else
            throw ContentSourceError(QStringLiteral("%1: unknown escape \"\\%2\" (use \\n, \\t or \\\\)")
                                         .arg(where, next.isNull() ? QString() : QString(next)));
        ++i;
    }
    return out;
}

TableSource parseTableSource(const QByteArray& bytes, const QString& fileName)
{
    TableSource source;
    source.fileName = fileName;
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    const QList<QByteArray> lines = data.split('\n');
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const int number = int(index) + 1;
        QByteArray raw = lines[index];
        if (raw.endsWith('\r'))
            raw.chop(1);
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString line = decoder.decode(raw);
        if (decoder.hasError())
            throw ContentSourceError(located(fileName, number, QStringLiteral("not valid UTF-8")));
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (source.header.isEmpty()) {
            for (const QString& name : fields)
                if (name.trimmed().isEmpty() || name != name.trimmed())
                    throw ContentSourceError(located(fileName, number, QStringLiteral("empty or padded column name in the header")));
            source.header = fields;
            source.headerLine = number;
            continue;
        }
        if (fields.size() != source.header.size())
            throw ContentSourceError(located(fileName, number, QStringLiteral("expected %1 fields, found %2")
                                                                   .arg(source.header.size()).arg(fields.size())));
        source.rows.push_back({number, fields});
    }
    if (source.header.isEmpty())
        throw ContentSourceError(located(fileName, 0, QStringLiteral("no header line")));
    return source;
}

void loadContent(Database& db, const QString& sourceDir, const QStringList& tablesAllowedMissing, QStringList* warnings)
{
    const QDir dir(sourceDir);
    const QString schemaPath = dir.filePath(QStringLiteral("schema.sql"));
    const QString schema = QString::fromUtf8(readWhole(schemaPath));
    try {
        db.execScript(schema);
    } catch (const DatabaseError& e) {
        throw ContentSourceError(located(schemaPath, 0, e.message()));
    }

    const QStringList tables = tablesOf(db);
    for (const QString& file : dir.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name)) {
        const QString table = QFileInfo(file).completeBaseName();
        if (!tables.contains(table))
            throw ContentSourceError(located(dir.filePath(file), 0, QStringLiteral("schema.sql creates no table \"%1\"").arg(table)));
    }

    Transaction transaction(db);
    for (const QString& table : tables) {
        const QString path = dir.filePath(table + QStringLiteral(".tsv"));
        if (!QFileInfo::exists(path)) {
            if (!tablesAllowedMissing.contains(table))
                throw ContentSourceError(located(path, 0, QStringLiteral("missing: every table needs its source file")));
            if (warnings)
                *warnings << QStringLiteral("%1 is absent: table %2 stays empty").arg(path, table);
            continue;
        }
        loadTable(db, table, parseTableSource(readWhole(path), path));
    }
    transaction.commit();
}

void buildContentDatabase(const QString& sourceDir, const QString& outputPath, const QStringList& tablesAllowedMissing,
                          QStringList* warnings)
{
    const QString partPath = outputPath + QStringLiteral(".part");
    QFile::remove(partPath);
    try {
        Database db = Database::create(partPath);
        loadContent(db, sourceDir, tablesAllowedMissing, warnings);
    } catch (...) {
        QFile::remove(partPath);
        throw;
    }
    if (QFileInfo::exists(outputPath) && !QFile::remove(outputPath))
        throw ContentSourceError(located(outputPath, 0, QStringLiteral("cannot replace the existing file")));
    // The program opens the database with a write-ahead log. A log left
    // behind by a program that was killed belongs to the old file: replayed
    // into the new one it would corrupt it, so it goes with the old file.
    for (const char* suffix : {"-wal", "-shm"})
        QFile::remove(outputPath + QLatin1String(suffix));
    if (!QFile::rename(partPath, outputPath))
        throw ContentSourceError(located(outputPath, 0, QStringLiteral("cannot move %1 into place").arg(partPath)));
}
