// Loads 200 000 prescription lines through DataSet and through a bare
// sqlite3_step loop over the same columns, and prints both times and their ratio.
//
//   dataset_bench [DB_PATH] [--mode both|dataset|bare]
// The database is generated on first use (default: dataset_bench.db in the
// current folder) and reused by later runs.

#include "clinic/db/ClinicSchema.h"
#include "platform/data/DataSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <sqlite3.h>
#include <cstdio>
#include <vector>

namespace {

constexpr int kLines = 200000;
const char* const kSelect = "select ID, 药方主表ID, 药品名, 规格, 单位, 数量, 备注, 单价, 小计 from 药方从表";

void generate(const QString& path)
{
    Database db = createClinicDatabase(path);
    Transaction transaction(db);
    Statement insert(db, "insert into 药方从表 (药方主表ID, 药品名, 规格, 单位, 数量, 备注, 单价, 小计)"
                         " values (?, ?, ?, ?, ?, ?, ?, ?)");
    const QStringList names = {"甘草", "麻黄", "桂枝", "白术", "人参", "当归", "川芎", "黄芪"};
    for (int i = 0; i < kLines; ++i) {
        sqlite3_stmt* st = insert.handle();
        sqlite3_reset(st);
        insert.bind({QString::number(i / 8 + 1), names[i % names.size()], QStringLiteral("10g"),
                     QStringLiteral("克"), 9.5 + (i % 7), i % 5 ? QString() : QStringLiteral("先煎"),
                     0.35 + (i % 11) * 0.1, (9.5 + (i % 7)) * (0.35 + (i % 11) * 0.1)});
        insert.step();
    }
    transaction.commit();
}

// The plain loop: step, read every column into the same kinds of values a
// program would keep (texts as QString, numbers as numbers).
struct BareLine
{
    qint64 id;
    QString head, name, spec, unit, note;
    double quantity, price, amount;
};

double loadBare(Database& db, qint64* checksum)
{
    QElapsedTimer timer;
    timer.start();
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db.handle(), kSelect, -1, &st, nullptr);
    std::vector<BareLine> lines;
    auto text = [st](int i) {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                 sqlite3_column_bytes(st, i));
    };
    while (sqlite3_step(st) == SQLITE_ROW) {
        lines.push_back({sqlite3_column_int64(st, 0), text(1), text(2), text(3), text(4), text(6),
                         sqlite3_column_double(st, 5), sqlite3_column_double(st, 7), sqlite3_column_double(st, 8)});
    }
    sqlite3_finalize(st);
    *checksum = qint64(lines.size());
    return timer.nsecsElapsed() / 1e6;
}

double loadDataSet(Database& db, qint64* checksum)
{
    QElapsedTimer timer;
    timer.start();
    DataSet lines;
    lines.open(db, QString::fromUtf8(kSelect));
    *checksum = lines.rowCount();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString mode = QStringLiteral("both");
    const int modeAt = int(args.indexOf(QStringLiteral("--mode")));
    if (modeAt >= 0 && modeAt + 1 < args.size()) {
        mode = args[modeAt + 1];
        args.remove(modeAt, 2);
    }
    const QString path = args.value(0, QStringLiteral("dataset_bench.db"));
    try {
        if (!QFileInfo::exists(path)) {
            std::printf("generating %d lines in %s\n", kLines, qPrintable(path));
            generate(path);
        }
        Database db = Database::open(path);
        qint64 rows = 0;
        loadBare(db, &rows); // warm the page cache once
        double bare = 0, dataSet = 0;
        constexpr int kRounds = 5;
        for (int i = 0; i < kRounds; ++i) {
            if (mode != QLatin1String("dataset"))
                bare += loadBare(db, &rows);
            if (mode != QLatin1String("bare"))
                dataSet += loadDataSet(db, &rows);
        }
        std::printf("rows: %lld\n", rows);
        if (mode != QLatin1String("dataset"))
            std::printf("bare sqlite3_step loop: %.1f ms per load\n", bare / kRounds);
        if (mode != QLatin1String("bare"))
            std::printf("DataSet::open:          %.1f ms per load\n", dataSet / kRounds);
        if (mode == QLatin1String("both"))
            std::printf("ratio DataSet / bare:   %.2f\n", dataSet / bare);
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
