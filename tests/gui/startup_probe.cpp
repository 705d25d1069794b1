// Runs the clinic program as it starts for a user and measures the time from
// the start of main() to the login dialog on the screen.
//
//   mazurel_startup_probe quit     cancels the login as soon as it shows
//                                  (time the whole process from outside)
//   mazurel_startup_probe login    logs in with the prefilled values and keeps
//                                  running (for screenshots of the main window)
//   mazurel_startup_probe about    logs in and opens the about window
//   mazurel_startup_probe help     logs in and opens the help text viewer
//
// Run it in a working folder that holds OK.db; it prints the time in
// milliseconds on standard error.
#include "clinic/app/ClinicProgram.h"
#include "clinic/app/TfrmMain.h"
#include "platform/widgets/ErrorGuard.h"

#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

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
            }
        });
    });
    poll->start();
    return runClinicProgram(app);
}
