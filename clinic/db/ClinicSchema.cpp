#include "clinic/db/ClinicSchema.h"

#include "ClinicSchemaText.h"

void createClinicSchema(Database& db)
{
    db.execScript(QString::fromUtf8(kClinicSchemaSql));
}

Database createClinicDatabase(const QString& path)
{
    Database db = Database::create(path);
    Transaction transaction(db);
    createClinicSchema(db);
    db.execScript(QString::fromUtf8(kClinicInitialSql));
    transaction.commit();
    return db;
}

QStringList checkClinicDatabase(Database& db)
{
    QStringList problems;
    const RowSet integrity = db.query(QStringLiteral("PRAGMA integrity_check"));
    for (const Row& row : integrity.rows) {
        const QString line = row.at(0).toString();
        if (line != QLatin1String("ok"))
            problems << QStringLiteral("完整性检查：%1").arg(line);
    }
    // Compare with the tables a fresh database has.
    Database reference = Database::openInMemory();
    createClinicSchema(reference);
    const RowSet tables = reference.query(
        QStringLiteral("select name from sqlite_master where type='table' and name not like 'sqlite%' order by name"));
    for (const Row& table : tables.rows) {
        const QString name = table.text(QStringLiteral("name"));
        const QStringList present = db.tableColumns(name);
        if (present.isEmpty()) {
            problems << QStringLiteral("缺少表：%1").arg(name);
            continue;
        }
        for (const QString& column : reference.tableColumns(name))
            if (!present.contains(column, Qt::CaseInsensitive))
                problems << QStringLiteral("表 %1 缺少字段：%2").arg(name, column);
    }
    return problems;
}
