#pragma once

// Shared by Tamsor's GUI tests: a working folder with a fresh copy of the
// built Tamsor.db, the window set created on an injected date, and ways to
// reach the grids' cells by row kind and field.

#include "calculator/ui/PeriodGridModel.h"
#include "calculator/ui/UntMain.h"
#include "platform/db/Database.h"
#include "platform/text/TextCodec.h"
#include "platform/widgets/Messages.h"

#include <QDir>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A temporary working folder holding a copy of Tamsor.db; it is the current
// folder while the object lives.
class TamsorFolder
{
public:
    TamsorFolder()
        : m_previous(QDir::currentPath())
    {
        if (!m_dir.isValid() || !QFile::copy(QStringLiteral(TAMSOR_DB), m_dir.filePath(QStringLiteral("Tamsor.db"))))
            qFatal("cannot copy %s", TAMSOR_DB);
        QFile::setPermissions(m_dir.filePath(QStringLiteral("Tamsor.db")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QDir::setCurrent(m_dir.path());
    }
    ~TamsorFolder() { QDir::setCurrent(m_previous); }

    QString path() const { return m_dir.path(); }
    // A connection of the test's own, for preparing rows and reading expectations.
    Database open() const { return Database::open(m_dir.filePath(QStringLiteral("Tamsor.db"))); }
    void writeFile(const QString& name, const QString& text, bool gbk) const
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(name));
        file.write(gbk ? encodeGbk(text) : text.toUtf8());
    }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// The program's windows, created as the program creates them, with "now"
// taken from the test.
struct TamsorWindows
{
    std::unique_ptr<TfrmMain> frmMain;

    explicit TamsorWindows(const QDateTime& now)
        : frmMain(CreateTamsorWindows([now] { return now; }))
    {
    }

    // Shows the main window (FormShow runs) and makes it the active one, so
    // that the grids can take the keyboard focus.
    bool show()
    {
        frmMain->show();
        frmMain->activateWindow();
        return QTest::qWaitForWindowActive(frmMain.get());
    }

    template <typename T> T* find(const char* name) const
    {
        T* child = frmMain->findChild<T*>(QString::fromLatin1(name));
        if (!child)
            qFatal("no child %s", name);
        return child;
    }
    QTableView* grid(const char* name) const { return find<QTableView>(name); }
};

inline PeriodGridModel* gridModel(QTableView* grid)
{
    return qobject_cast<PeriodGridModel*>(grid->model());
}

// The first cell of the row with that 属性 under that field; invalid when absent.
inline QModelIndex cellOf(QTableView* grid, const QString& rowKind, const QString& field)
{
    PeriodGridModel* model = gridModel(grid);
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->rowKind(row) != rowKind)
            continue;
        for (int column = 0; column < model->columnCount(); ++column)
            if (model->fieldName(column) == field)
                return model->index(row, column);
    }
    return {};
}

inline QString cellText(QTableView* grid, const QModelIndex& index)
{
    return gridModel(grid)->cellText(index.row(), index.column());
}

inline QStringList columnTitles(QTableView* grid)
{
    QStringList titles;
    for (int column = 0; column < grid->model()->columnCount(); ++column)
        titles << grid->model()->headerData(column, Qt::Horizontal).toString();
    return titles;
}

inline void clickCell(QTableView* grid, const QModelIndex& index)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
}

inline void doubleClickCell(QTableView* grid, const QModelIndex& index)
{
    const QPoint at = grid->visualRect(index).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
}
