#pragma once

#include "platform/data/DataSet.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class FieldBinder;
class QAbstractButton;
class QWidget;

// The buttons of a maintenance window. browseOnly lists further controls
// that are usable only while browsing (the inventory's "添加到开药方").
struct MaintenanceButtons
{
    QAbstractButton* add = nullptr;     // 新增
    QAbstractButton* remove = nullptr;  // 删除
    QAbstractButton* modify = nullptr;  // 修改
    QAbstractButton* save = nullptr;    // 保存
    QAbstractButton* cancel = nullptr;  // 取消
    QAbstractButton* refresh = nullptr; // 刷新
    QList<QWidget*> browseOnly;
};

// The behaviour every maintenance window shares: a row set with an edit
// panel (FieldBinder) and the buttons 新增 删除 修改 保存 取消 刷新.
//
// The buttons follow the set's state (MaintenanceStates.h). Deleting asks
// "是否删除当前记录？" (OK/Cancel, titled "删除确认") and reports "删除完成";
// saving reports "保存完成". A database error is shown in the error box; a
// failed post leaves the row in editing with what was typed.
//
// A window connects its own button handlers to add(), remove() and so on,
// and adds its differences through the hooks and edit lists below.
class MaintenanceController : public QObject
{
    Q_OBJECT

public:
    MaintenanceController(QWidget* window, DataSet* dataSet, FieldBinder* fields,
                          const MaintenanceButtons& buttons);

    // Edits that are read-only while browsing and writable while editing.
    void setBrowseReadOnly(const QList<QWidget*>& edits);
    // The box writable only from 新增 or 修改 to the end of that edit (a
    // category's name, a user's display name); it starts read-only.
    void setKeyEdit(QWidget* edit);
    // Controls that would move off the row being edited (grids, category
    // lists): disabled while editing, so that a row is never posted without
    // the checks of 保存 nor dropped unnoticed.
    void setLockedWhileEditing(const QList<QWidget*>& controls);

    // Checks and last values before a row is posted; a message stops the save
    // and leaves the row in editing.
    std::function<QString(DataSet&)> beforePost;
    // After a successful post, before "保存完成" (re-reading the row).
    std::function<void(DataSet&)> afterPost;
    // After 新增 appended the row (preset values).
    std::function<void(DataSet&)> afterAppend;

    void add();
    void remove();
    void modify();
    void save();
    void cancel();
    void refresh();

    // Shows the buttons and edits for the set's current state.
    void followState();

private:
    void setKeyEditWritable(bool writable);

    QWidget* m_window;
    DataSet* m_dataSet;
    FieldBinder* m_fields;
    MaintenanceButtons m_buttons;
    QList<QPointer<QWidget>> m_browseReadOnly;
    QList<QPointer<QWidget>> m_lockedWhileEditing;
    QPointer<QWidget> m_keyEdit;
    int m_rowBeforeAppend = -1;
};

// Read-only switch of the edit controls a maintenance panel uses (line
// edits, memos, number boxes, fixed lists).
void setEditReadOnly(QWidget* edit, bool readOnly);
