// tamsor-dbgen: builds the calculator's database from its content sources.
//
//   tamsor-dbgen [--allow-missing TABLE]... SOURCE_DIR OUTPUT_DB
//
// SOURCE_DIR holds schema.sql and one TABLE.tsv per table; OUTPUT_DB is
// replaced when the build succeeds. A malformed source stops the build with
// a message naming the file and line.
#include "calculator/tools/ContentSources.h"

#include "platform/db/DatabaseError.h"

#include <QStringList>
#include <cstdio>

namespace {

int usage()
{
    std::fputs("usage: tamsor-dbgen [--allow-missing TABLE]... SOURCE_DIR OUTPUT_DB\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList allowMissing;
    QStringList positional;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--allow-missing")) {
            if (++i >= argc)
                return usage();
            allowMissing << QString::fromLocal8Bit(argv[i]);
        } else if (arg.startsWith(QLatin1String("--"))) {
            return usage();
        } else {
            positional << arg;
        }
    }
    if (positional.size() != 2)
        return usage();

    try {
        QStringList warnings;
        buildContentDatabase(positional[0], positional[1], allowMissing, &warnings);
        for (const QString& warning : warnings)
            std::fprintf(stderr, "tamsor-dbgen: warning: %s\n", warning.toLocal8Bit().constData());
    } catch (const ContentSourceError& e) {
        std::fprintf(stderr, "tamsor-dbgen: %s\n", e.message().toLocal8Bit().constData());
        return 1;
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "tamsor-dbgen: %s\n", e.message().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
