#include "clinic/common/MaintenanceController.h"

#include "platform/widgets/FieldBinder.h"
#include "clinic/common/MaintenanceStates.h"
#include "platform/widgets/ErrorGuard.h"
#include "platform/widgets/Messages.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

void setEditReadOnly(QWidget* edit, bool readOnly)
{
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        line->setReadOnly(readOnly);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(edit))
        memo->setReadOnly(readOnly);
    else if (edit)
        edit->setEnabled(!readOnly); // a fixed list has no read-only mode
}

namespace {
void enable(QWidget* widget, bool on)
{
    if (widget)
        widget->setEnabled(on);
}
} // namespace

MaintenanceController::MaintenanceController(QWidget* window, DataSet* dataSet, FieldBinder* fields,
                                             const MaintenanceButtons& buttons)
    : QObject(window)
    , m_window(window)
    , m_dataSet(dataSet)
    , m_fields(fields)
    , m_buttons(buttons)
{
    connect(dataSet, &DataSet::stateChanged, this, &MaintenanceController::followState);
    followState();
}

void MaintenanceController::setBrowseReadOnly(const QList<QWidget*>& edits)
{
    for (QWidget* edit : edits)
        m_browseReadOnly.append(edit);
    followState();
}

void MaintenanceController::setKeyEdit(QWidget* edit)
{
    m_keyEdit = edit;
    setKeyEditWritable(false);
}

void MaintenanceController::setLockedWhileEditing(const QList<QWidget*>& controls)
{
    for (QWidget* control : controls)
        m_lockedWhileEditing.append(control);
    followState();
}

void MaintenanceController::followState()
{
    const std::optional<MaintenanceButtonStates> states = maintenanceButtonStates(m_dataSet->state());
    if (!states)
        return;
    enable(m_buttons.add, states->add);
    enable(m_buttons.remove, states->remove);
    enable(m_buttons.modify, states->modify);
    enable(m_buttons.save, states->save);
    enable(m_buttons.cancel, states->cancel);
    enable(m_buttons.refresh, states->refresh);
    for (QWidget* widget : std::as_const(m_buttons.browseOnly))
        enable(widget, !states->editsWritable);
    for (const QPointer<QWidget>& edit : std::as_const(m_browseReadOnly))
        setEditReadOnly(edit, !states->editsWritable);
    for (const QPointer<QWidget>& control : std::as_const(m_lockedWhileEditing))
        enable(control, !states->editsWritable);
    if (!states->editsWritable) {
        setKeyEditWritable(false);
        // Boxes that just became read-only show their values formatted again.
        if (m_fields)
            m_fields->showCurrentRow();
    }
}

void MaintenanceController::setKeyEditWritable(bool writable)
{
    setEditReadOnly(m_keyEdit, !writable);
}

void MaintenanceController::add()
{
    runShowingErrors(m_window, [&] {
        setKeyEditWritable(true);
        m_rowBeforeAppend = m_dataSet->currentRow();
        m_dataSet->append();
        if (afterAppend)
            afterAppend(*m_dataSet);
    });
    if (!m_dataSet->isEditing())
        setKeyEditWritable(false);
}

void MaintenanceController::modify()
{
    runShowingErrors(m_window, [&] {
        setKeyEditWritable(true);
        m_dataSet->edit();
    });
    if (!m_dataSet->isEditing())
        setKeyEditWritable(false);
}

void MaintenanceController::save()
{
    if (!m_dataSet->isEditing())
        return;
    QString message;
    const bool checked = runShowingErrors(m_window, [&] {
        message = m_fields ? m_fields->commitNumbers() : QString();
        if (message.isEmpty() && beforePost)
            message = beforePost(*m_dataSet);
    });
    if (!checked)
        return;
    if (!message.isEmpty()) {
        Messages::show(m_window, message);
        return;
    }
    const bool saved = runShowingErrors(m_window, [&] {
        m_dataSet->post();
        if (afterPost)
            afterPost(*m_dataSet);
    });
    if (!saved)
        return;
    Messages::show(m_window, QStringLiteral("保存完成"));
    setKeyEditWritable(false);
}

void MaintenanceController::cancel()
{
    const bool dropsNewRow = m_dataSet->state() == DataSet::State::Insert;
    m_dataSet->cancel();
    // A dropped new row gives the current row back to the row it came from.
    if (dropsNewRow && m_rowBeforeAppend >= 0)
        m_dataSet->setCurrentRow(m_rowBeforeAppend);
    m_rowBeforeAppend = -1;
    setKeyEditWritable(false);
}

void MaintenanceController::remove()
{
    if (!Messages::askOkCancel(m_window, QStringLiteral("删除确认"), QStringLiteral("是否删除当前记录？")))
        return;
    if (runShowingErrors(m_window, [&] { m_dataSet->remove(); }))
        Messages::show(m_window, QStringLiteral("删除完成"));
}

void MaintenanceController::refresh()
{
    // The rows are read again and the first one becomes current.
    runShowingErrors(m_window, [&] {
        m_dataSet->refresh();
        m_dataSet->first();
    });
}
