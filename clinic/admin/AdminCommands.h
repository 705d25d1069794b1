#pragma once

#include <QStringList>
#include <QTextStream>

// The commands of mazurel-admin, apart from main() so that tests can run them.
// Returns the process exit status: 0 on success.
int runAdminCommand(const QStringList& args, QTextStream& in, QTextStream& out, QTextStream& err);
