#include "GuiTestSupport.h"

#include "clinic/common/ProgramFolder.h"
#include "clinic/db/ClinicSchema.h"
#include "platform/text/TextCodec.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QQueue>
#include <QTimer>
#include <QtTest>

TempClinicFolder::TempClinicFolder()
    : m_previousFolder(QDir::currentPath())
{
    QDir(m_dir.path()).mkpath(QStringLiteral("program/skin"));
    createClinicDatabase(databasePath());
    const QDir shipped(QStringLiteral(SOURCE_DIR "/data/skin"));
    for (const QString& name : shipped.entryList({QStringLiteral("*.qss")}, QDir::Files))
        QFile::copy(shipped.filePath(name), programFolder() + QStringLiteral("skin/") + name);
    QDir::setCurrent(m_dir.path());
    setProgramFolder(programFolder());
}

TempClinicFolder::~TempClinicFolder()
{
    QDir::setCurrent(m_previousFolder);
    setProgramFolder(QString());
}

QString TempClinicFolder::databasePath() const
{
    return m_dir.filePath(QStringLiteral("OK.db"));
}

QString TempClinicFolder::programFolder() const
{
    return m_dir.filePath(QStringLiteral("program")) + QLatin1Char('/');
}

Database TempClinicFolder::open() const
{
    return Database::open(databasePath());
}

void TempClinicFolder::writeFile(const QString& name, const QString& text, bool gbk) const
{
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(name));
    file.write(gbk ? encodeGbk(text) : text.toUtf8());
}

namespace {

struct ModalQueue : QObject
{
    QQueue<std::function<void(QWidget*)>> handlers;
    QTimer timer;

    ModalQueue()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, this, [this] { poll(); });
    }

    void poll()
    {
        if (handlers.isEmpty()) {
            timer.stop();
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        auto handler = handlers.dequeue();
        handler(modal);
    }
};

ModalQueue& modalQueue()
{
    static ModalQueue* queue = new ModalQueue;
    return *queue;
}

} // namespace

void whenModalShown(std::function<void(QWidget*)> handler)
{
    modalQueue().handlers.enqueue(std::move(handler));
    modalQueue().timer.start();
}

int pendingModalHandlers()
{
    return int(modalQueue().handlers.size());
}

void clearModalHandlers()
{
    modalQueue().handlers.clear();
}

void acceptDialog(QWidget* dialog)
{
    if (auto* box = dialog->findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) {
            QTest::mouseClick(ok, Qt::LeftButton);
            return;
        }
    }
    if (auto* d = qobject_cast<QDialog*>(dialog))
        d->accept();
}

void rejectDialog(QWidget* dialog)
{
    if (auto* box = dialog->findChild<QDialogButtonBox*>()) {
        if (QPushButton* cancel = box->button(QDialogButtonBox::Cancel)) {
            QTest::mouseClick(cancel, Qt::LeftButton);
            return;
        }
    }
    if (auto* d = qobject_cast<QDialog*>(dialog))
        d->reject();
}
