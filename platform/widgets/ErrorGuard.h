#pragma once

#include <QApplication>
#include <QString>
#include <exception>
#include <functional>

class QWidget;

// The text to show for a failure: a database error's own message, or the
// exception's text.
QString errorText(const std::exception& error);

// Runs a window's action. An exception that escapes it is shown once in an
// error box with its own text and goes no further, so the window stays open.
// Returns false when the action failed.
bool runShowingErrors(QWidget* parent, const std::function<void()>& action);

// The application object of our programs: an exception that escapes any
// event handler is shown in the error box (the program's default error
// report) instead of ending the program; the window stays open.
class GuardedApplication : public QApplication
{
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
