#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

// Starting the related programs and pages of the "相关软件" menu. Nothing is
// reported when a program, folder or page is missing.

// How programs and pages are started; tests put recorders here.
struct Launcher
{
    std::function<bool(const QString& program, const QString& workingFolder)> startProgram;
    std::function<bool(const QUrl& url)> openUrl;
};
Launcher& launcher();
void resetLauncher();

// The web site of the related programs' maker.
inline const QString kMakerSite = QStringLiteral("https://example.com");

// Where the calculator is looked for, in order: the folder Tamsor_V45_EXE
// beside this program, then this program's own folder. Empty when absent.
QString findTamsorProgram(const QString& programFolder);
QString findMeridorProgram(const QString& programFolder);

void startTamsor(const QString& programFolder);
void startMeridor(const QString& programFolder);
void openTamsorPage();
void openMeridorPage();
void openApkFolder(const QString& programFolder);
