#pragma once

#include <QString>

// The one way to splice a text into SQL: single quotes are doubled so the
// value can never end the literal early or change the statement.
//   escapeSql("O'Neil")  -> O''Neil
//   quoted("O'Neil")     -> 'O''Neil'
QString escapeSql(const QString& text);
QString quoted(const QString& text);

// A table or column name in double quotes, for names such as "order" that
// are reserved words in SQL.
QString quotedIdentifier(const QString& name);
