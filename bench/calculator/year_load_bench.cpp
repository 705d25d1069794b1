// Times a year load as the calculator's main window runs it: the solar-term
// reads and 公历 updates (WriteGregorianSpans) plus the two summary lookups.
//
//   year_load_bench [TAMSOR_DB] [--rounds N]
// Works on a copy of the database in a temporary folder (the load rewrites
// rows). Prints the median, 95th percentile and worst time per load: on the
// file opened as the calculator opens it, and for comparison with the
// engine's default journal and with the same content held in memory.

#include "calculator/core/SolarCalendar.h"
#include "calculator/core/TamsorDatabase.h"
#include "calculator/core/YearQueries.h"
#include "platform/db/Database.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <sqlite3.h>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Figures
{
    double medianMs;
    double p95Ms;
    double worstMs;
};

Figures timeLoads(Database& db, int rounds)
{
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int round = 0; round < rounds; ++round) {
        for (int year = kFirstYear; year <= kLastYear; ++year) {
            timer.start();
            const LoadedYear y = WriteGregorianSpans(db, year);
            const YearSummary s = LoadYearSummary(db, y.YearStem, y.YearBranch);
            ms.push_back(double(timer.nsecsElapsed()) / 1e6);
            if (s.YearMovement.isEmpty())
                std::fprintf(stderr, "year %d: no 岁运\n", year);
        }
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back()};
}

void print(const char* label, const Figures& f, size_t loads)
{
    std::printf("%-32s %zu loads: median %.3f ms, p95 %.3f ms, worst %.3f ms\n", label, loads, f.medianMs,
                f.p95Ms, f.worstMs);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QString source = QStringLiteral(TAMSOR_DB);
    int rounds = 3;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--rounds") && i + 1 < args.size())
            rounds = std::max(1, args[++i].toInt());
        else
            source = args[i];
    }

    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("Tamsor.db"));
    if (!dir.isValid() || !QFile::copy(source, copy)) {
        std::fprintf(stderr, "year_load_bench: cannot copy %s\n", qPrintable(source));
        return 1;
    }
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    try {
        const size_t loads = size_t(rounds) * (kLastYear - kFirstYear + 1);
        {
            // The engine's defaults: a rollback journal synced at every commit.
            Database plain = Database::open(copy);
            print("plain open (rollback journal):", timeLoads(plain, rounds), loads);
        }
        Database file = OpenTamsorDatabase(copy);
        print("OpenTamsorDatabase (WAL):", timeLoads(file, rounds), loads);

        Database memory = Database::openInMemory();
        sqlite3_backup* backup = sqlite3_backup_init(memory.handle(), "main", file.handle(), "main");
        sqlite3_backup_step(backup, -1);
        sqlite3_backup_finish(backup);
        print("same file held in memory:", timeLoads(memory, rounds), loads);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "year_load_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
