// Small helpers shared by the GUI tests of the catalogue and user windows:
// find a widget by its object name, click it, type into it, and read the last
// message box the window asked for.
#pragma once

#include "platform/widgets/Messages.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

template <class W = QWidget>
W* child(QWidget* window, const char* name)
{
    W* found = window->findChild<W*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no widget named %s", name);
    return found;
}

inline void click(QWidget* window, const char* button)
{
    QTest::mouseClick(child<QAbstractButton>(window, button), Qt::LeftButton);
}

// Key presses for each character of text (QTest::keyClicks knows only ASCII).
inline void typeText(QWidget* edit, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(edit, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// Types text at the end of a line edit or memo, as a user does.
inline void typeInto(QWidget* window, const char* name, const QString& text)
{
    QWidget* edit = child(window, name);
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        line->end(false);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(edit))
        memo->moveCursor(QTextCursor::End);
    typeText(edit, text);
}

// Replaces the text of a line edit as a user does (select all, type).
inline void retype(QWidget* window, const char* name, const QString& text)
{
    auto* line = child<QLineEdit>(window, name);
    line->selectAll();
    if (text.isEmpty())
        QTest::keyClick(line, Qt::Key_Delete);
    else
        typeText(line, text);
}

inline QString lineText(QWidget* window, const char* name)
{
    return child<QLineEdit>(window, name)->text();
}

inline bool isReadOnly(QWidget* window, const char* name)
{
    QWidget* edit = child(window, name);
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        return line->isReadOnly();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(edit))
        return memo->isReadOnly();
    return !edit->isEnabled();
}

// The enabled buttons among the given ones, in the given order.
inline QStringList enabledButtons(QWidget* window, const QStringList& names)
{
    QStringList on;
    for (const QString& name : names)
        if (child<QAbstractButton>(window, qPrintable(name))->isEnabled())
            on << name;
    return on;
}

inline QString lastMessage()
{
    const auto shown = Messages::lastShown();
    return shown ? shown->text : QString();
}
