#pragma once

#include "platform/data/DataSet.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;
class MoneyBox;

// The edit panel of a maintenance window: edit widgets bound to fields of a
// DataSet's current row.
//
// The widgets always show the current row. They are read-only while the set
// is browsing and writable while it is editing or inserting; what the user
// types goes into the set at once (DataSet::setValue), so post() stores it
// and cancel() brings the old values back into the widgets. Buttons can
// follow the state as well: "新增 删除 修改 刷新" enabled while browsing,
// "保存 取消" while editing.
//
//   auto* binder = new FieldBinder(&m_drugs, this);
//   binder->bind(edtName, "药品名");
//   binder->bind(edtPrice, "卖出单价");   // a MoneyBox
//   binder->setStateButtons({btnNew, btnDelete, btnEdit, btnRefresh}, {btnSave, btnCancel});
class FieldBinder : public QObject
{
    Q_OBJECT

public:
    explicit FieldBinder(DataSet* dataSet, QObject* parent = nullptr);

    void bind(QLineEdit* edit, const QString& field);
    void bind(QPlainTextEdit* edit, const QString& field);
    // The combo box's text (a typed text or the chosen item).
    void bind(QComboBox* box, const QString& field);
    void bind(MoneyBox* box, const QString& field);

    void setStateButtons(const QList<QAbstractButton*>& browseButtons, const QList<QAbstractButton*>& editButtons);

    // Shows the current row's values again and applies the state.
    void refresh();

private:
    struct Binding
    {
        QPointer<QWidget> widget;
        QString field;
        std::function<void()> load;               // current row -> widget
        std::function<void(bool)> setWritable;
    };

    void addBinding(QWidget* widget, const QString& field, std::function<void()> load,
        std::function<void(bool)> setWritable);
    // Writes a typed value into the set, unless the widget is being loaded.
    void store(const QString& field, const QVariant& value);
    void applyState();
    void reloadField(const QString& field);

    DataSet* m_dataSet;
    QList<Binding> m_bindings;
    QList<QPointer<QAbstractButton>> m_browseButtons;
    QList<QPointer<QAbstractButton>> m_editButtons;
    bool m_loading = false;
    bool m_storing = false;
};
