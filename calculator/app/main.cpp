// Tamsor, the five-movements-six-qi calculator. Creates its windows, shows
// the main window on today's date and runs until the main window closes.
#include "calculator/ui/TamsorLook.h"
#include "calculator/ui/UntMain.h"
#include "platform/widgets/ErrorGuard.h"

#include <QDateTime>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

int main(int argc, char* argv[])
{
    GuardedApplication app(argc, argv);
    // The name titles message boxes. No display name: the desktop would add
    // it to every window caption ("全年运气分析 — Tamsor").
    app.setApplicationName(QStringLiteral("Tamsor"));

    // Standard buttons and dialogs of Qt in Chinese (确定, 取消, 是, 否).
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);
    ApplyTamsorLook(app);
    app.setWindowIcon(QIcon(TamsorPicture(64)));

    std::unique_ptr<TfrmMain> frmMain(CreateTamsorWindows([] { return QDateTime::currentDateTime(); }));
    frmMain->show();
    return app.exec();
}
