#include "clinic/common/Skins.h"

#include "clinic/common/ProgramFolder.h"
#include "clinic/common/ProgramValues.h"
#include "platform/text/TextCodec.h"
#include "platform/widgets/Messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QMdiArea>
#include <QScreen>
#include <QSettings>

namespace {

const QString kSection = QStringLiteral("SETSKIN");
const QString kKey = QStringLiteral("SKN_FILE_NAME");

bool isStyleSheetFile(const QString& path)
{
    return QFileInfo(path).suffix().toLower() == QLatin1String("qss");
}

bool isMdiFrame(QWidget* window)
{
    auto* main = qobject_cast<QMainWindow*>(window);
    return main && qobject_cast<QMdiArea*>(main->centralWidget());
}

// Replaces the window's look with a style sheet; false when the file cannot
// be read, and the window then keeps the look it had.
bool loadSkinInto(QWidget* window, const QString& path)
{
    QString sheet;
    if (!readSkin(path, &sheet))
        return false;
    window->setStyleSheet(sheet);
    return true;
}

} // namespace

bool readSkin(const QString& path, QString* styleSheet)
{
    QString error;
    return !path.isEmpty() && QFileInfo(path).isFile() && readTextFile(path, styleSheet, &error);
}

QString builtInSkin()
{
    static const QString sheet = [] {
        QString text;
        readSkin(QStringLiteral(":/skin/default.qss"), &text);
        return text;
    }();
    return sheet;
}

void ApplySkin(QWidget* window)
{
    if (!window)
        return;
    if (isMdiFrame(window)) {
        window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
        // Centred on the screen, and maximised where a window manager does it.
        if (const QScreen* screen = window->screen())
            window->setGeometry(screen->availableGeometry());
        window->setWindowState(Qt::WindowMaximized);
    } else if (window->isWindow()) {
        window->setWindowState(Qt::WindowNoState);
    }

    const QString& skinFile = programValues().CurrentSkinFile;
    if (!isStyleSheetFile(skinFile) || !loadSkinInto(window, skinFile))
        window->setStyleSheet(builtInSkin());
}

QString storedSkinName(const QString& chosenPath)
{
    const QString folder = skinFolder();
    if (chosenPath.startsWith(folder))
        return chosenPath.mid(folder.size());
    return chosenPath;
}

QString skinPathOfStoredName(const QString& name)
{
    return QDir::isAbsolutePath(name) ? name : skinFolder() + name;
}

void SelectSkin(QWidget* mainWindow, SkinMode mode)
{
    QSettings ini(skinSettingsFile(), QSettings::IniFormat);
    const QString key = kSection + QLatin1Char('/') + kKey;

    if (mode == SkinMode::StartUp) {
        const QString name = ini.value(key, kDefaultSkinName).toString();
        programValues().CurrentSkinFile = skinPathOfStoredName(name);
        // Whatever its extension, the persisted skin is read as a style sheet.
        loadSkinInto(mainWindow, programValues().CurrentSkinFile);
        return;
    }

    const QString chosen = Messages::openFileName(mainWindow, QStringLiteral("选择皮肤"), skinFolder(),
        QStringLiteral("皮肤文件 (*.qss);;所有文件 (*)"));
    if (chosen.isEmpty())
        return;
    if (isStyleSheetFile(chosen))
        loadSkinInto(mainWindow, chosen);
    programValues().CurrentSkinFile = chosen;
    ini.setValue(key, storedSkinName(chosen));
    ini.sync();
}
