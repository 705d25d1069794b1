// tamsor-cli: loads one movement-and-qi year from Tamsor.db and prints what
// the calculator's main window and whole-year analysis would show.
#include "calculator/cli/CliReport.h"
#include "calculator/core/CalendarError.h"
#include "calculator/core/TamsorDatabase.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {

constexpr int kUsageError = 2;
constexpr int kLoadError = 1;

QString usage()
{
    return QStringLiteral(
        "Usage: tamsor-cli [--db PATH] YEAR [DATE]\n"
        "\n"
        "Loads the movement-and-qi year YEAR (%1 to %2) from Tamsor.db in the\n"
        "current folder, or from PATH, rewrites its 公历 rows as the calculator\n"
        "does, and prints the year summary (stem and branch, 岁运, 司天, 在泉),\n"
        "both 公历 rows and the whole-year analysis.\n"
        "\n"
        "DATE, written year-month-day with an optional hh:mm (2013-6-1 or\n"
        "2013-06-01 08:30), also prints the movement and qi periods that hold it.\n"
        "\n"
        "Exit status: 0 on success, 1 when the year cannot be loaded, 2 on wrong usage.\n")
        .arg(kFirstYear)
        .arg(kLastYear);
}

std::optional<QDateTime> parseInstant(const QString& text)
{
    const QString trimmed = text.simplified();
    for (const char* format : {"yyyy-M-d", "yyyy-M-d H:mm", "yyyy-M-d H:mm:ss"}) {
        const QDateTime t = QDateTime::fromString(trimmed, QLatin1String(format));
        if (t.isValid())
            return t;
        const QDate d = QDate::fromString(trimmed, QLatin1String(format));
        if (d.isValid())
            return QDateTime(d, QTime(0, 0));
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = app.arguments().mid(1);
    QString dbPath = QString::fromLatin1(kTamsorDatabaseFile);
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            out << usage();
            return 0;
        }
        if (arg == QLatin1String("--db")) {
            if (i + 1 >= args.size()) {
                err << "tamsor-cli: --db needs a file path\n\n" << usage();
                return kUsageError;
            }
            dbPath = args[++i];
        } else if (arg.startsWith(QLatin1String("--db="))) {
            dbPath = arg.mid(5);
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            err << "tamsor-cli: unknown option " << arg << "\n\n" << usage();
            return kUsageError;
        } else {
            positional << arg;
        }
    }
    if (positional.isEmpty() || positional.size() > 2) {
        err << usage();
        return kUsageError;
    }

    bool isNumber = false;
    const int year = positional[0].toInt(&isNumber);
    if (!isNumber || year < kFirstYear || year > kLastYear) {
        err << "tamsor-cli: YEAR must be a year from " << kFirstYear << " to " << kLastYear << ", not '"
            << positional[0] << "'\n";
        return kUsageError;
    }
    std::optional<QDateTime> now;
    if (positional.size() == 2) {
        now = parseInstant(positional[1]);
        if (!now) {
            err << "tamsor-cli: DATE must be written year-month-day, e.g. 2013-6-1, not '" << positional[1]
                << "'\n";
            return kUsageError;
        }
    }

    try {
        Database db = OpenTamsorDatabase(dbPath);
        out << YearReport(db, year, now);
        out.flush();
        return 0;
    } catch (const CalendarError& e) {
        err << "tamsor-cli: " << e.message() << '\n';
    } catch (const DatabaseError& e) {
        err << "tamsor-cli: " << e.message() << '\n';
    }
    return kLoadError;
}
