// Times a year change in Tamsor's main window as the user makes it: a year
// picked in the list, through the load (公历 rows rewritten, summary, both
// grids re-read and fitted) to both grids painted again.
//
//   tamsor_year_change_bench [TAMSOR_DB] [--rounds N]
// Runs on a copy of the database in a temporary folder (a load rewrites
// rows), on the offscreen platform unless another is chosen. Prints the
// median, 95th percentile and worst time per change.

#include "calculator/core/LoadedYear.h"
#include "calculator/ui/TamsorLook.h"
#include "calculator/ui/UntMain.h"
#include "platform/widgets/Messages.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ApplyTamsorLook(app);
    Messages::setTestMode(true);

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
    if (!dir.isValid() || !QFile::copy(source, dir.filePath(QStringLiteral("Tamsor.db")))) {
        std::fprintf(stderr, "tamsor_year_change_bench: cannot copy %s\n", qPrintable(source));
        return 1;
    }
    QFile::setPermissions(dir.filePath(QStringLiteral("Tamsor.db")), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QDir::setCurrent(dir.path());

    std::unique_ptr<TfrmMain> frmMain(
        CreateTamsorWindows([] { return QDateTime(QDate(2014, 1, 15), QTime(10, 0)); }));
    frmMain->show();
    QApplication::processEvents();
    auto* combo = frmMain->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    auto* movements = frmMain->findChild<QTableView*>(QStringLiteral("DBGrid1"));
    auto* qi = frmMain->findChild<QTableView*>(QStringLiteral("DBGrid2"));

    std::vector<double> ms;
    QElapsedTimer timer;
    for (int round = 0; round < rounds; ++round) {
        for (int year = kFirstYear; year <= kLastYear; ++year) {
            const int index = combo->findText(QString::number(year) + QStringLiteral("年"));
            timer.start();
            combo->setCurrentIndex(index);
            emit combo->activated(index);
            // Layout changes from the load, then both grids painted now.
            QApplication::sendPostedEvents();
            movements->viewport()->repaint();
            qi->viewport()->repaint();
            ms.push_back(double(timer.nsecsElapsed()) / 1e6);
            if (frmMain->loadedYear().Year != year) {
                std::fprintf(stderr, "year %d did not load\n", year);
                return 1;
            }
        }
    }
    std::sort(ms.begin(), ms.end());
    std::printf("year change (list pick to repainted grids), %zu changes: median %.2f ms, p95 %.2f ms, "
                "worst %.2f ms\n",
                ms.size(), ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back());
    return 0;
}
