#include "clinic/common/MdiWindows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace {
QPointer<QMdiArea>& registeredArea()
{
    static QPointer<QMdiArea> area;
    return area;
}
} // namespace

void setMdiArea(QMdiArea* area)
{
    registeredArea() = area;
}

QMdiArea* mdiArea()
{
    return registeredArea();
}

QMdiSubWindow* showMdiChild(QWidget* window)
{
    QMdiArea* area = mdiArea();
    if (!area) {
        // No main window (a test of one window): show it on its own.
        window->setAttribute(Qt::WA_DeleteOnClose);
        ApplySkin(window);
        window->show();
        return nullptr;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = area->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    ApplySkin(window);
    sub->showMaximized();
    area->setActiveSubWindow(sub);
    return sub;
}

QList<QWidget*> mdiChildrenOfClass(const QString& className)
{
    QList<QWidget*> found;
    if (QMdiArea* area = mdiArea()) {
        for (QMdiSubWindow* sub : area->subWindowList()) {
            QWidget* w = sub->widget();
            if (w && QString::fromLatin1(w->metaObject()->className()).compare(className, Qt::CaseInsensitive) == 0)
                found.append(w);
        }
    }
    return found;
}
