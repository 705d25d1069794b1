#pragma once

#include "platform/db/Database.h"

#include <QString>

// The calculator's database file, relative to the working folder.
inline const char* const kTamsorDatabaseFile = "Tamsor.db";

// Opens Tamsor.db (never creates it: a missing file is a DatabaseError) and
// makes writes cheap. Every year load rewrites the two 公历 rows, which are
// recomputed at the next load anyway; waiting for the disk at each commit
// made a load take about 20 ms. A write-ahead log synced only at checkpoints
// brings it well under a millisecond and still cannot corrupt the file.
Database OpenTamsorDatabase(const QString& path = QString::fromLatin1(kTamsorDatabaseFile));
