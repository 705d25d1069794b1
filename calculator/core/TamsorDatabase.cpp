#include "calculator/core/TamsorDatabase.h"

Database OpenTamsorDatabase(const QString& path)
{
    Database db = Database::open(path);
    try {
        db.execScript(QStringLiteral("PRAGMA journal_mode=WAL"));
    } catch (const DatabaseError&) {
        // Another program holds the file in a way that forbids the switch;
        // the classic journal is slower but just as correct.
    }
    db.execScript(QStringLiteral("PRAGMA synchronous=NORMAL"));
    return db;
}
