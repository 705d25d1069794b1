#include "platform/widgets/FieldBinder.h"

#include "platform/widgets/ErrorGuard.h"
#include "platform/widgets/MoneyBox.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

FieldBinder::FieldBinder(DataSet* dataSet, QObject* parent)
    : QObject(parent)
    , m_dataSet(dataSet)
{
    connect(dataSet, &DataSet::currentRowChanged, this, &FieldBinder::refresh);
    connect(dataSet, &DataSet::rowsReset, this, &FieldBinder::refresh);
    connect(dataSet, &DataSet::stateChanged, this, &FieldBinder::refresh);
    connect(dataSet, &DataSet::rowChanged, this, [this](int row) {
        if (row == m_dataSet->currentRow() && !m_storing)
            refresh();
    });
    connect(dataSet, &DataSet::fieldChanged, this, &FieldBinder::reloadField);
}

void FieldBinder::addBinding(QWidget* widget, const QString& field, std::function<void()> load,
    std::function<void(bool)> setWritable)
{
    m_bindings.append(Binding{widget, field, std::move(load), std::move(setWritable)});
    m_loading = true;
    m_bindings.last().load();
    m_loading = false;
    m_bindings.last().setWritable(m_dataSet->isEditing());
}

void FieldBinder::bind(QLineEdit* edit, const QString& field)
{
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) { store(field, text); });
    addBinding(
        edit, field, [this, edit, field] { edit->setText(m_dataSet->text(field)); },
        [edit](bool writable) { edit->setReadOnly(!writable); });
}

void FieldBinder::bind(QPlainTextEdit* edit, const QString& field)
{
    connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, field] { store(field, edit->toPlainText()); });
    addBinding(
        edit, field, [this, edit, field] { edit->setPlainText(m_dataSet->text(field)); },
        [edit](bool writable) { edit->setReadOnly(!writable); });
}

void FieldBinder::bind(QComboBox* box, const QString& field)
{
    connect(box, &QComboBox::currentTextChanged, this, [this, field](const QString& text) { store(field, text); });
    addBinding(
        box, field,
        [this, box, field] {
            const QString text = m_dataSet->text(field);
            const int index = box->findText(text);
            if (box->isEditable())
                box->setEditText(text);
            else
                box->setCurrentIndex(index);
        },
        [box](bool writable) { box->setEnabled(writable); });
}

void FieldBinder::bind(MoneyBox* box, const QString& field)
{
    connect(box, &QDoubleSpinBox::valueChanged, this, [this, box, field] { store(field, box->money().toDouble()); });
    addBinding(
        box, field, [this, box, field] { box->setMoney(m_dataSet->decimal(field)); },
        [box](bool writable) { box->setReadOnly(!writable); });
}

void FieldBinder::setStateButtons(const QList<QAbstractButton*>& browseButtons,
    const QList<QAbstractButton*>& editButtons)
{
    m_browseButtons.clear();
    m_editButtons.clear();
    for (QAbstractButton* b : browseButtons)
        m_browseButtons.append(b);
    for (QAbstractButton* b : editButtons)
        m_editButtons.append(b);
    applyState();
}

void FieldBinder::store(const QString& field, const QVariant& value)
{
    if (m_loading || !m_dataSet->isEditing())
        return;
    m_storing = true;
    runShowingErrors(nullptr, [&] { m_dataSet->setValue(field, value); });
    m_storing = false;
}

void FieldBinder::refresh()
{
    m_loading = true;
    for (const Binding& b : m_bindings)
        if (b.widget)
            b.load();
    m_loading = false;
    applyState();
}

void FieldBinder::reloadField(const QString& field)
{
    if (m_storing)
        return;
    m_loading = true;
    for (const Binding& b : m_bindings)
        if (b.widget && b.field.compare(field, Qt::CaseInsensitive) == 0)
            b.load();
    m_loading = false;
}

void FieldBinder::applyState()
{
    const bool editing = m_dataSet->isEditing();
    for (const Binding& b : m_bindings)
        if (b.widget)
            b.setWritable(editing);
    for (const auto& b : m_browseButtons)
        if (b)
            b->setEnabled(!editing);
    for (const auto& b : m_editButtons)
        if (b)
            b->setEnabled(editing);
}
