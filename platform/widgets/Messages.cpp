#include "platform/widgets/Messages.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QQueue>
#include <functional>

namespace {

struct TestState
{
    bool testMode = false;
    QQueue<QMessageBox::StandardButton> answers;
    QQueue<std::optional<QString>> inputs;
    QQueue<QString> fileNames;
    QList<Messages::Shown> shown;
};

TestState& state()
{
    static TestState s;
    return s;
}

// Boxes sit over a window so that they wear its skin: the given one, else
// the active window, else the visible main window.
QWidget* boxParent(QWidget* parent)
{
    if (parent)
        return parent;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->inherits("QMainWindow"))
            return top;
    return nullptr;
}

QString titleOrProgramName(const QString& title)
{
    return title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
}

void record(Messages::Kind kind, const QString& title, const QString& text, const QString& value, bool answered)
{
    // Tests read the latest boxes; a long working session must not grow the record without end.
    constexpr qsizetype kMaxRecorded = 1000;
    auto& shown = state().shown;
    if (shown.size() >= kMaxRecorded)
        shown.removeFirst();
    shown.append(Messages::Shown{kind, title, text, value, answered});
}

// The answer a closed box gives: Cancel, No or Abort when offered, else the
// only button.
QMessageBox::StandardButton escapeButton(QMessageBox::StandardButtons buttons)
{
    for (auto b : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Abort, QMessageBox::Close})
        if (buttons.testFlag(b))
            return b;
    return QMessageBox::Ok;
}

QMessageBox::StandardButton runBox(QMessageBox::Icon icon, QWidget* parent, const QString& title,
    const QString& text, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
    Messages::Kind kind)
{
    auto& s = state();
    if (!s.answers.isEmpty()) {
        record(kind, title, text, QString(), true);
        return s.answers.dequeue();
    }
    if (s.testMode) {
        record(kind, title, text, QString(), false);
        return kind == Messages::Kind::Question ? escapeButton(buttons) : QMessageBox::Ok;
    }
    record(kind, title, text, QString(), true);
    QMessageBox box(icon, titleOrProgramName(title), text, buttons, boxParent(parent));
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    const int result = box.exec();
    return result == 0 ? escapeButton(buttons) : QMessageBox::StandardButton(result);
}

QString runFileDialog(Messages::Kind kind, const QString& caption, const QString& folder,
    const std::function<QString()>& showDialog)
{
    auto& s = state();
    if (!s.fileNames.isEmpty()) {
        record(kind, caption, folder, QString(), true);
        return s.fileNames.dequeue();
    }
    record(kind, caption, folder, QString(), !s.testMode);
    return s.testMode ? QString() : showDialog();
}

} // namespace

void Messages::show(QWidget* parent, const QString& text, const QString& title)
{
    runBox(QMessageBox::NoIcon, parent, title, text, QMessageBox::Ok, QMessageBox::Ok, Kind::Message);
}

void Messages::showError(QWidget* parent, const QString& text)
{
    runBox(QMessageBox::Critical, parent, QString(), text, QMessageBox::Ok, QMessageBox::Ok, Kind::Error);
}

QMessageBox::StandardButton Messages::ask(QWidget* parent, const QString& title, const QString& text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return runBox(QMessageBox::Question, parent, title, text, buttons, defaultButton, Kind::Question);
}

bool Messages::askOkCancel(QWidget* parent, const QString& title, const QString& text)
{
    return ask(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

bool Messages::askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    return ask(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

std::optional<QString> Messages::inputText(QWidget* parent, const QString& caption, const QString& prompt,
    const QString& value, QLineEdit::EchoMode echo)
{
    auto& s = state();
    if (!s.inputs.isEmpty()) {
        record(Kind::Input, caption, prompt, value, true);
        return s.inputs.dequeue();
    }
    record(Kind::Input, caption, prompt, value, !s.testMode);
    if (s.testMode)
        return std::nullopt;
    bool ok = false;
    const QString text = QInputDialog::getText(boxParent(parent), caption, prompt, echo, value, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

QString Messages::openFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter)
{
    return runFileDialog(Kind::OpenFile, caption, folder,
        [&] { return QFileDialog::getOpenFileName(boxParent(parent), caption, folder, filter); });
}

QString Messages::saveFileName(QWidget* parent, const QString& caption, const QString& path, const QString& filter)
{
    return runFileDialog(Kind::SaveFile, caption, path,
        [&] { return QFileDialog::getSaveFileName(boxParent(parent), caption, path, filter); });
}

void Messages::setTestMode(bool on)
{
    state().testMode = on;
}

bool Messages::testMode()
{
    return state().testMode;
}

void Messages::setNextAnswer(QMessageBox::StandardButton button)
{
    state().answers.enqueue(button);
}

void Messages::setNextInput(std::optional<QString> text)
{
    state().inputs.enqueue(std::move(text));
}

void Messages::setNextFileName(const QString& path)
{
    state().fileNames.enqueue(path);
}

QList<Messages::Shown> Messages::shown()
{
    return state().shown;
}

std::optional<Messages::Shown> Messages::lastShown()
{
    const auto& list = state().shown;
    return list.isEmpty() ? std::nullopt : std::optional<Shown>(list.last());
}

void Messages::clearShown()
{
    state().shown.clear();
}

void Messages::reset()
{
    auto& s = state();
    s.answers.clear();
    s.inputs.clear();
    s.fileNames.clear();
    s.shown.clear();
}
