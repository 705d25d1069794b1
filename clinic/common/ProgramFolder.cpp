#include "clinic/common/ProgramFolder.h"

#include <QCoreApplication>

namespace {
QString& overriddenFolder()
{
    static QString folder;
    return folder;
}

QString withSeparator(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
} // namespace

QString programFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return withSeparator(QCoreApplication::applicationDirPath());
}

void setProgramFolder(const QString& folder)
{
    overriddenFolder() = folder.isEmpty() ? QString() : withSeparator(folder);
}

QString skinFolder()
{
    return programFolder() + QStringLiteral("skin/");
}

QString skinSettingsFile()
{
    return programFolder() + QStringLiteral("li.ini");
}
