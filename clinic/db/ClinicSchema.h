#pragma once

#include "platform/db/Database.h"

#include <QString>
#include <QStringList>

// The login a new clinic database accepts; the login dialog notes it.
inline const QString kInitialLoginName = QStringLiteral("ADMIN");
inline const QString kInitialPassword = QStringLiteral("123");

// The name of the clinic database in the working folder.
inline const QString kClinicDatabaseFile = QStringLiteral("OK.db");

// Creates the tables and indexes of the clinic database in an empty database.
void createClinicSchema(Database& db);
// Creates a new database file with the tables and the initial content
// (one settings row, one user). Refuses to overwrite an existing file.
Database createClinicDatabase(const QString& path);
// Problems of an existing database: the engine's integrity check and any
// missing table or column. Empty when all is well.
QStringList checkClinicDatabase(Database& db);
