#include "clinic/admin/AdminCommands.h"

#include "clinic/common/InputCode.h"
#include "clinic/db/ClinicSchema.h"

namespace {

const char* const kUsage =
    "用法：\n"
    "  mazurel-admin init-db PATH          新建诊所数据库（已有文件不会被覆盖）\n"
    "  mazurel-admin check-db PATH         检查数据库的完整性和表结构\n"
    "  mazurel-admin input-code [TEXT...]  输出每个文本的输入码；没有参数时逐行读标准输入\n";

int initDb(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 2) {
        err << kUsage;
        return 2;
    }
    try {
        createClinicDatabase(args[1]);
    } catch (const DatabaseError& e) {
        err << e.message() << '\n';
        return 1;
    }
    out << "已新建数据库：" << args[1] << '\n';
    return 0;
}

int checkDb(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 2) {
        err << kUsage;
        return 2;
    }
    try {
        Database db = Database::open(args[1]);
        const QStringList problems = checkClinicDatabase(db);
        for (const QString& problem : problems)
            out << problem << '\n';
        if (!problems.isEmpty())
            return 1;
    } catch (const DatabaseError& e) {
        err << e.message() << '\n';
        return 1;
    }
    out << "数据库正常：" << args[1] << '\n';
    return 0;
}

int inputCode(const QStringList& args, QTextStream& in, QTextStream& out)
{
    if (args.size() > 1) {
        for (qsizetype i = 1; i < args.size(); ++i)
            out << InputCodeOf(args[i]) << '\n';
        return 0;
    }
    QString line;
    while (in.readLineInto(&line))
        out << InputCodeOf(line) << '\n';
    return 0;
}

} // namespace

int runAdminCommand(const QStringList& args, QTextStream& in, QTextStream& out, QTextStream& err)
{
    const QString command = args.value(0);
    if (command == QLatin1String("init-db"))
        return initDb(args, out, err);
    if (command == QLatin1String("check-db"))
        return checkDb(args, out, err);
    if (command == QLatin1String("input-code"))
        return inputCode(args, in, out);
    err << kUsage;
    return 2;
}
