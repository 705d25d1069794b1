#pragma once

#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <optional>

class QWidget;

// The one way windows show message boxes, question boxes, input boxes and
// file dialogs.
//
// Going through one place lets tests decide the answers in advance instead
// of blocking on a real modal box: in test mode no box is ever shown, every
// box is recorded (see shown()), and the answer comes from the queues filled
// by setNextAnswer(), setNextInput() and setNextFileName(). Outside test mode
// a queued answer is used as well (the box is then not shown); with an empty
// queue the real box appears.
class Messages
{
public:
    // A plain message box with an OK button. An empty title shows the
    // program's name.
    static void show(QWidget* parent, const QString& text, const QString& title = QString());
    // An error box (a failed action); the title is the program's name.
    static void showError(QWidget* parent, const QString& text);

    // A question box with the given buttons; returns the button chosen.
    // Closing the box counts as its escape button (Cancel or No).
    static QMessageBox::StandardButton ask(QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    // OK/Cancel box: true for OK.
    static bool askOkCancel(QWidget* parent, const QString& title, const QString& text);
    // Yes/No box: true for Yes.
    static bool askYesNo(QWidget* parent, const QString& title, const QString& text);

    // A one-line input box prefilled with value; no value when cancelled.
    // The typed text comes back as typed (not trimmed).
    static std::optional<QString> inputText(QWidget* parent, const QString& caption, const QString& prompt,
        const QString& value, QLineEdit::EchoMode echo = QLineEdit::Normal);

    // File dialogs; the empty text when cancelled.
    static QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
        const QString& filter = QString());
    static QString saveFileName(QWidget* parent, const QString& caption, const QString& path,
        const QString& filter = QString());

    // ---- for tests ----
    enum class Kind { Message, Error, Question, Input, OpenFile, SaveFile };
    struct Shown
    {
        Kind kind;
        QString title;
        QString text;        // the message, question or prompt; the folder for file dialogs
        QString value;       // the prefilled value of an input box
        bool answered;       // false when test mode gave a default answer
    };

    // In test mode no box is ever shown. Unqueued answers: OK for messages,
    // the escape button for questions, cancel for input boxes and files.
    static void setTestMode(bool on);
    static bool testMode();
    // Queues the answer of the next question (or message) box.
    static void setNextAnswer(QMessageBox::StandardButton button);
    // Queues the answer of the next input box: a text means OK with that text,
    // no value means cancel.
    static void setNextInput(std::optional<QString> text);
    // Queues the answer of the next file dialog; "" means cancel.
    static void setNextFileName(const QString& path);
    // Every box asked for since the last clearShown(), oldest first.
    static QList<Shown> shown();
    static std::optional<Shown> lastShown();
    static void clearShown();
    // Forgets queued answers and recorded boxes.
    static void reset();
};
