// Runs the clinic program as it starts for a user and measures the time from
// the start of main() to the login dialog on the screen.
//
//   mazurel_startup_probe quit     cancels the login as soon as it shows
//                                  (time the whole process from outside)
//   mazurel_startup_probe login    logs in with the prefilled values and keeps
//                                  running (for screenshots of the main window)
//   mazurel_startup_probe about    logs in and opens the about window
//   mazurel_startup_probe help     logs in and opens the help text viewer
//   mazurel_startup_probe menu     logs in and opens the first menu
//   mazurel_startup_probe message  logs in and shows a message box
//   mazurel_startup_probe grid     logs in and opens two tabs with a grid
//   mazurel_startup_probe chooser  logs in and opens the skin chooser
//
// Run it in a working folder that holds OK.db; it prints the time in
// milliseconds on standard error.
#include "clinic/app/ClinicProgram.h"
#include "clinic/db/TDM.h"
#include "clinic/app/TfrmMain.h"
#include "clinic/common/MdiWindows.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/TitleClickSort.h"
#include "platform/widgets/ErrorGuard.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

namespace {
// Two tabs, one with a grid of the users, to see how a skin dresses them.
void showSampleGrids()
{
    auto* users = new DataSet(qApp);
    users->open(TDM::instance().ADOmain(), QStringLiteral("select * from 用户表"));
    for (const QString& title : {QStringLiteral("用户列表"), QStringLiteral("药品库查询")}) {
        auto* page = new QWidget;
        page->setWindowTitle(title);
        auto* layout = new QVBoxLayout(page);
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(QStringLiteral("药品名：")));
        row->addWidget(new QLineEdit(QStringLiteral("黄芪")));
        row->addWidget(new QPushButton(QStringLiteral("执行查询")));
        row->addWidget(new QPushButton(QStringLiteral("重置")));
        layout->addLayout(row);
        auto* grid = new DataGrid;
        grid->setDataSet(users);
        grid->setReadOnly(true);
        grid->setTitleClickSort(true);
        SortByTitleClick(grid, 1);
        layout->addWidget(grid);
        showMdiChild(page);
    }
}
} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer clock;
    clock.start();
    GuardedApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("quit");

    auto* poll = new QTimer(&app);
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, &app, [&, poll] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || dialog->objectName() != QLatin1String("LoginDialog"))
            return;
        poll->stop();
        std::fprintf(stderr, "login dialog shown after %lld ms\n", static_cast<long long>(clock.elapsed()));
        if (mode == QLatin1String("quit")) {
            dialog->reject();
            return;
        }
        dialog->accept();
        QTimer::singleShot(300, &app, [mode] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                auto* main = qobject_cast<TfrmMain*>(top);
                if (!main)
                    continue;
                if (mode == QLatin1String("about"))
                    main->menuAction(QStringLiteral("关于本软件"))->trigger();
                else if (mode == QLatin1String("help"))
                    main->menuAction(QStringLiteral("本软件使用说明"))->trigger();
                else if (mode == QLatin1String("menu"))
                    main->menuBar()->actions().at(1)->menu()->popup(main->mapToGlobal(QPoint(90, 30)));
                else if (mode == QLatin1String("message"))
                    main->menuAction(QStringLiteral("存货管理 "))->trigger();
                else if (mode == QLatin1String("chooser"))
                    main->menuAction(QStringLiteral("选择皮肤"))->trigger();
                else if (mode == QLatin1String("grid"))
                    showSampleGrids();
            }
        });
    });
    poll->start();
    return runClinicProgram(app);
}
