#include "clinic/admin/AdminCommands.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream in(stdin);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runAdminCommand(app.arguments().mid(1), in, out, err);
}
