#include "clinic/app/ClinicProgram.h"

#include "clinic/app/Login.h"
#include "clinic/db/TDM.h"
#include "clinic/app/Tfrmabout.h"
#include "clinic/app/TfrmMain.h"
#include "clinic/app/TfrmPrintPaper.h"
#include "clinic/db/ClinicSchema.h"
#include "platform/widgets/Messages.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
// The one message of a database that cannot be opened: which file, where.
QString databaseProblemText(const QString& file, const QString& engineMessage)
{
    const QString folder = QDir::toNativeSeparators(QDir::currentPath());
    if (!QFileInfo::exists(file))
        return QStringLiteral("找不到数据库文件 %1。\n文件夹：%2\n\n程序将退出。").arg(file, folder);
    return QStringLiteral("无法打开数据库文件 %1。\n文件夹：%2\n%3\n\n程序将退出。").arg(file, folder, engineMessage);
}
} // namespace

void loadQtTranslations(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
}

int runClinicProgram(QApplication& app)
{
    app.setApplicationName(QStringLiteral("Mazurel"));
    app.setApplicationDisplayName(QStringLiteral("Mazurel"));
    loadQtTranslations(app);

    TfrmMain frmMain;
    auto* frmabout = new Tfrmabout(&frmMain);
    frmMain.setAboutWindow(frmabout);
    TDM dm(kClinicDatabaseFile);
    TfrmPrintPaper frmPrintPaper;

    bool loggedIn = false;
    try {
        loggedIn = Login();
    } catch (const DatabaseError& e) {
        Messages::showError(nullptr, databaseProblemText(dm.databaseFile(), e.message()));
        return 1;
    }
    if (!loggedIn)
        return 0;
    frmMain.show();
    return app.exec();
}
