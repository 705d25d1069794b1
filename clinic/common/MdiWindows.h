#pragma once

#include "clinic/common/Skins.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <exception>
#include <memory>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

// Where the clinic's MDI child windows are shown: the main window registers
// its MDI area when it is made.
void setMdiArea(QMdiArea* area);
QMdiArea* mdiArea();

// Shows a window as a new tab of the MDI area, in the current skin; the
// window is deleted when it is closed.
QMdiSubWindow* showMdiChild(QWidget* window);

// The open MDI child windows whose class name (as moc knows it, e.g.
// "TfrmOpenPaper") equals className, compared without regard to case.
QList<QWidget*> mdiChildrenOfClass(const QString& className);

// Makes a new W and lets prepare() fill it; an exception while doing either
// is swallowed, the half-made window deleted, and the result is empty.
template <class W, class Prepare>
std::unique_ptr<W> makePreparedWindow(Prepare& prepare)
{
    try {
        auto window = std::make_unique<W>();
        prepare(*window);
        return window;
    } catch (const std::exception&) {
        return nullptr;
    }
}

// The opener convention of MDI child windows: makes a new W, lets prepare()
// fill it, and shows it as a new tab. When making or preparing throws, the
// half-made window is deleted, nothing is shown and the result is false.
//   bool OpenMedicalRecord(const QString& id)
//   { return openMdiWindow<TfrmBingLi>([&](TfrmBingLi& w) { w.loadRecord(id); }); }
template <class W, class Prepare>
bool openMdiWindow(Prepare prepare)
{
    std::unique_ptr<W> window = makePreparedWindow<W>(prepare);
    if (!window)
        return false;
    showMdiChild(window.release());
    return true;
}

template <class W>
bool openMdiWindow()
{
    return openMdiWindow<W>([](W&) {});
}

// The opener convention of modal windows (category editors, user accounts):
// makes a new W with no owner, lets prepare() fill it, dresses it in the
// current skin and runs it modally; it is deleted afterwards. A failure while
// making or preparing deletes it and gives false.
template <class W, class Prepare>
bool openModalWindow(Prepare prepare)
{
    std::unique_ptr<W> window = makePreparedWindow<W>(prepare);
    if (!window)
        return false;
    ApplySkin(window.get());
    window->exec();
    return true;
}

template <class W>
bool openModalWindow()
{
    return openModalWindow<W>([](W&) {});
}
