// Opens Tamsor's main window on a fixed date (2014-01-15) with one of its
// other windows beside it, for screenshots under Xvfb:
//
//   tamsor_screens [main|year|cellYun|cellQi|qiAnalyz|focus|text|classic|lingshu|about|message] [YEAR]
// Runs in the folder that holds Tamsor.db and the text files (the build's
// bin folder).

#include "calculator/ui/TamsorLook.h"
#include "calculator/ui/UntMain.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QElapsedTimer>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <memory>

namespace {

void clickCell(TfrmMain* frmMain, const char* gridName, int row, int column)
{
    auto* grid = frmMain->findChild<QTableView*>(QString::fromLatin1(gridName));
    const QModelIndex index = grid->model()->index(row, column);
    grid->setFocus();
    grid->setCurrentIndex(index);
    emit grid->clicked(index);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tamsor"));
    ApplyTamsorLook(app);
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("main");
    const int year = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;

    std::unique_ptr<TfrmMain> frmMain(
        CreateTamsorWindows([] { return QDateTime(QDate(2014, 1, 15), QTime(10, 0)); }));
    frmMain->show();
    QTimer::singleShot(200, frmMain.get(), [&] {
        if (year != 0) {
            auto* combo = frmMain->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
            const int index = combo->findText(QString::number(year) + QStringLiteral("年"));
            combo->setCurrentIndex(index);
            emit combo->activated(index);
        }
        auto speed = [&](const char* name) {
            frmMain->findChild<QToolButton*>(QString::fromLatin1(name))->click();
        };
        auto button = [&](const char* name) {
            frmMain->findChild<QPushButton*>(QString::fromLatin1(name))->click();
        };
        if (which == QLatin1String("year"))
            speed("SpeedButton1");
        else if (which == QLatin1String("cellYun")) {
            clickCell(frmMain.get(), "DBGrid1", 3, 4);
            speed("SpeedButton2");
        } else if (which == QLatin1String("cellQi")) {
            clickCell(frmMain.get(), "DBGrid2", 4, 5);
            speed("SpeedButton2");
        } else if (which == QLatin1String("qiAnalyz")) {
            clickCell(frmMain.get(), "DBGrid2", 5, 3);
            speed("SpeedButton2");
        } else if (which == QLatin1String("focus")) {
            clickCell(frmMain.get(), "DBGrid1", 2, 5);
        } else if (which == QLatin1String("text"))
            button("Button2");
        else if (which == QLatin1String("classic"))
            button("Button5");
        else if (which == QLatin1String("lingshu")) {
            QElapsedTimer timer;
            timer.start();
            button("Button4");
            std::printf("灵枢 shown in %lld ms\n", static_cast<long long>(timer.elapsed()));
            std::fflush(stdout);
        }
        else if (which == QLatin1String("about"))
            button("Button6");
        else if (which == QLatin1String("message"))
            speed("SpeedButton2");
    });
    return app.exec();
}
