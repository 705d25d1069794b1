#pragma once

#include "platform/db/Database.h"

#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>

class QDialog;

// A temporary working folder holding a fresh clinic database (OK.db with
// its initial content); it is the current folder while the object lives.
// The program folder (skins, li.ini) is a folder of its own inside it, with
// a copy of the shipped skins.
class TempClinicFolder
{
public:
    TempClinicFolder();
    ~TempClinicFolder();

    QString path() const { return m_dir.path(); }
    QString databasePath() const;
    QString programFolder() const; // with a trailing separator
    // A connection of the test's own to OK.db.
    Database open() const;
    // Writes a text file into the working folder (UTF-8, or GBK when asked).
    void writeFile(const QString& name, const QString& text, bool gbk = false) const;

private:
    QTemporaryDir m_dir;
    QString m_previousFolder;
};

// Answers the modal dialogs a test step will open, in order: each handler
// gets the next visible modal widget and must close it (click a button,
// accept() or reject()). Handlers left over after a timeout fail the test
// through pendingModalHandlers().
void whenModalShown(std::function<void(QWidget*)> handler);
int pendingModalHandlers();
void clearModalHandlers();

// Clicks the OK (accept) button of a dialog's button box, or accept()s it.
void acceptDialog(QWidget* dialog);
void rejectDialog(QWidget* dialog);
