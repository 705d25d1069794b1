// How long the drug inventory window takes to open on a category of 5 000
// drugs: making the window (both category lists, the drug list, the grid)
// and showing it in the default skin until it has been painted once.
//
//   goods_open_bench [DB_PATH] [--runs N] [--drugs N]
// The database is generated on first use (default: goods_open_bench.db in the
// current folder) and reused by later runs. Run it offscreen or under Xvfb:
//   QT_QPA_PLATFORM=offscreen build/bin/goods_open_bench

#include "clinic/db/TDM.h"
#include "clinic/catalog/U_goods.h"
#include "clinic/common/Skins.h"
#include "clinic/db/ClinicSchema.h"
#include "platform/data/DataSet.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTableView>
#include <sqlite3.h>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void generate(const QString& path, int drugCount)
{
    Database db = createClinicDatabase(path);
    Transaction transaction(db);
    db.execScript("insert into 类别表 (类别名称, 一级科目名) values ('中药', '大类别'), ('中药', '解表药'),"
                  " ('西药', '抗生素'), ('西药', '维生素');");
    Statement insert(db, "insert into 药品表 (类别ID, 药品名, 品种, 规格, 单位, 买入单价, 卖出单价, 库存量, 输入码, 说明)"
                         " values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const QStringList names = {"甘草", "麻黄", "桂枝", "白术", "人参", "当归", "川芎", "黄芪"};
    // The first category holds drugCount drugs; the others a few hundred each.
    const int total = drugCount + 900;
    for (int i = 0; i < total; ++i) {
        const QString category = i < drugCount ? QStringLiteral("1") : QString::number(2 + i % 3);
        insert.bind({category, names[i % names.size()] + QString::number(i), QStringLiteral("饮片"),
                     QStringLiteral("10g"), QStringLiteral("克"), 0.1 + (i % 50) * 0.05, 0.3 + (i % 50) * 0.1,
                     double(i % 400), QStringLiteral("YP%1").arg(i), i % 3 ? QString() : QStringLiteral("常用药")});
        insert.step();
        sqlite3_reset(insert.handle());
    }
    transaction.commit();
}

struct Timing
{
    double make = 0;  // the window made: lists read, grid filled
    double total = 0; // and shown, painted once
};

Timing openOnce()
{
    QElapsedTimer timer;
    timer.start();
    auto* window = new TfrmGoods;
    const double made = timer.nsecsElapsed() / 1e6;
    ApplySkin(window); // the built-in default skin, as a window opened from the menu wears it
    window->show();
    // Until the first paint of the drug grid has happened.
    QApplication::processEvents();
    const double ms = timer.nsecsElapsed() / 1e6;
    const int rows = window->findChild<DataSet*>("ADOQuery3")->rowCount();
    delete window;
    QApplication::processEvents();
    if (rows == 0)
        std::fprintf(stderr, "the drug list is empty\n");
    return {made, ms};
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QString path = QStringLiteral("goods_open_bench.db");
    int runs = 10;
    int drugCount = 5000;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--runs" && i + 1 < args.size())
            runs = args[++i].toInt();
        else if (args[i] == "--drugs" && i + 1 < args.size())
            drugCount = args[++i].toInt();
        else
            path = args[i];
    }
    if (!QFileInfo::exists(path)) {
        std::printf("generating %s with %d drugs in the first category\n", qPrintable(path), drugCount);
        generate(path, drugCount);
    }
    TDM dm(path);
    const qint64 drugs = dm.ADOmain().scalar("select count(*) from 药品表 where 类别ID='1'").toLongLong();

    openOnce(); // the first run also loads fonts and styles
    std::vector<double> totals;
    std::vector<double> makes;
    for (int i = 0; i < runs; ++i) {
        const Timing t = openOnce();
        totals.push_back(t.total);
        makes.push_back(t.make);
    }
    std::sort(totals.begin(), totals.end());
    std::sort(makes.begin(), makes.end());
    std::printf("inventory window on a category of %lld drugs, %d runs: min %.1f ms, median %.1f ms, max %.1f ms"
                " (making the window alone: median %.1f ms)\n",
                drugs, runs, totals.front(), totals[totals.size() / 2], totals.back(), makes[makes.size() / 2]);
    return 0;
}
