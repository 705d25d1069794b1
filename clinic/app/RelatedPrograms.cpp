#include "clinic/app/RelatedPrograms.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

namespace {

Launcher desktopLauncher()
{
    return Launcher{
        [](const QString& program, const QString& folder) {
            return QProcess::startDetached(program, {}, folder);
        },
        [](const QUrl& url) { return QDesktopServices::openUrl(url); },
    };
}

QString firstExecutable(const QStringList& candidates)
{
    for (const QString& path : candidates) {
        const QFileInfo info(path);
        if (info.isFile() && info.isExecutable())
            return info.absoluteFilePath();
    }
    return QString();
}

void start(const QString& program)
{
    if (!program.isEmpty())
        launcher().startProgram(program, QFileInfo(program).absolutePath());
}

} // namespace

Launcher& launcher()
{
    static Launcher l = desktopLauncher();
    return l;
}

void resetLauncher()
{
    launcher() = desktopLauncher();
}

QString findTamsorProgram(const QString& programFolder)
{
    return firstExecutable({programFolder + QStringLiteral("Tamsor_V45_EXE/tamsor"),
        programFolder + QStringLiteral("Tamsor_V45_EXE/tamsor.exe"), programFolder + QStringLiteral("tamsor"),
        programFolder + QStringLiteral("tamsor.exe")});
}

QString findMeridorProgram(const QString& programFolder)
{
    return firstExecutable({programFolder + QStringLiteral("Meridor45_exe/MeridorV4.5"),
        programFolder + QStringLiteral("Meridor45_exe/MeridorV4.5.exe")});
}

void startTamsor(const QString& programFolder)
{
    start(findTamsorProgram(programFolder));
}

void startMeridor(const QString& programFolder)
{
    start(findMeridorProgram(programFolder));
}

void openTamsorPage()
{
    launcher().openUrl(QUrl(kMakerSite + QStringLiteral("/tamsor.asp")));
}

void openMeridorPage()
{
    launcher().openUrl(QUrl(kMakerSite + QStringLiteral("/meridor.asp")));
}

void openApkFolder(const QString& programFolder)
{
    const QString folder = programFolder + QStringLiteral("APK");
    if (QFileInfo(folder).isDir())
        launcher().openUrl(QUrl::fromLocalFile(folder));
}
