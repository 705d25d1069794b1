#include "platform/widgets/FieldBinder.h"

#include "platform/widgets/NumberBox.h"
#include "platform/widgets/ErrorGuard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

FieldBinder::FieldBinder(DataSet* dataSet, QWidget* window)
    : QObject(window)
    , m_dataSet(dataSet)
    , m_window(window)
{
    connect(dataSet, &DataSet::currentRowChanged, this, &FieldBinder::showCurrentRow);
    connect(dataSet, &DataSet::rowsReset, this, &FieldBinder::showCurrentRow);
    connect(dataSet, &DataSet::stateChanged, this, [this](DataSet::State state) {
        // After post or cancel the controls show the stored values again.
        if (state == DataSet::State::Browse)
            showCurrentRow();
    });
    connect(dataSet, &DataSet::fieldChanged, this, [this](const QString& field) {
        if (const Binding* binding = bindingOf(field))
            showField(*binding);
    });
}

void FieldBinder::bindText(QLineEdit* edit, const QString& field)
{
    m_bindings.append({edit, field, QString()});
    connect(edit, &QLineEdit::textEdited, this, [this, edit, field](const QString& text) { typed(edit, field, text); });
    showField(m_bindings.last());
}

void FieldBinder::bindMemo(QPlainTextEdit* memo, const QString& field)
{
    m_bindings.append({memo, field, QString()});
    connect(memo, &QPlainTextEdit::textChanged, this, [this, memo, field] {
        if (!m_showing)
            typed(memo, field, memo->toPlainText());
    });
    showField(m_bindings.last());
}

void FieldBinder::bindChoice(QComboBox* box, const QString& field)
{
    m_bindings.append({box, field, QString()});
    connect(box, &QComboBox::activated, this, [this, box, field](int index) { typed(box, field, box->itemText(index)); });
    showField(m_bindings.last());
}

void FieldBinder::bindNumber(NumberBox* box, const QString& field, const QString& caption)
{
    m_bindings.append({box, field, caption});
    connect(box, &QLineEdit::textEdited, this, [this, box, field] {
        // Only a number goes into the row; other texts wait for commitNumbers().
        if (const std::optional<QVariant> value = box->typedValue())
            typed(box, field, *value);
        else if (!m_dataSet->isEditing())
            typed(box, QString(), QVariant());
    });
    showField(m_bindings.last());
}

QString FieldBinder::commitNumbers()
{
    for (const Binding& binding : std::as_const(m_bindings)) {
        auto* box = qobject_cast<NumberBox*>(binding.control.data());
        if (!box || !box->isModified())
            continue;
        const std::optional<QVariant> value = box->typedValue();
        if (!value && box->tooLarge())
            return QStringLiteral("“%1”的数值太大，现在是“%2”。").arg(binding.caption, box->text().trimmed());
        if (!value)
            return QStringLiteral("“%1”必须是数字，现在是“%2”。").arg(binding.caption, box->text().trimmed());
        if (m_dataSet->isEditing()) {
            m_typingInto = box;
            m_dataSet->setValue(binding.field, *value);
            m_typingInto = nullptr;
        }
    }
    return QString();
}

void FieldBinder::showCurrentRow()
{
    for (const Binding& binding : std::as_const(m_bindings))
        showField(binding);
}

QList<QWidget*> FieldBinder::controls() const
{
    QList<QWidget*> list;
    for (const Binding& binding : m_bindings)
        if (binding.control)
            list.append(binding.control);
    return list;
}

const FieldBinder::Binding* FieldBinder::bindingOf(const QString& field) const
{
    for (const Binding& binding : m_bindings)
        if (binding.field.compare(field, Qt::CaseInsensitive) == 0)
            return &binding;
    return nullptr;
}

void FieldBinder::showField(const Binding& binding)
{
    QWidget* control = binding.control;
    if (!control || control == m_typingInto)
        return;
    const bool hasRow = m_dataSet->isOpen() && m_dataSet->currentRow() >= 0 && m_dataSet->hasColumn(binding.field);
    const QVariant value = hasRow ? m_dataSet->value(binding.field) : QVariant();
    const QString text = valueText(value);
    m_showing = true;
    if (auto* box = qobject_cast<NumberBox*>(control)) {
        box->showValue(value);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (edit->text() != text)
            edit->setText(text);
        edit->setModified(false);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
        if (memo->toPlainText() != text)
            memo->setPlainText(text);
    } else if (auto* box = qobject_cast<QComboBox*>(control)) {
        box->setCurrentIndex(box->findText(text, Qt::MatchFixedString));
    }
    m_showing = false;
}

void FieldBinder::typed(QWidget* control, const QString& field, const QVariant& value)
{
    if (!m_dataSet->isOpen())
        return;
    m_typingInto = control;
    runShowingErrors(m_window, [&] {
        if (!m_dataSet->isEditing())
            m_dataSet->edit();
        if (!field.isEmpty())
            m_dataSet->setValue(field, value);
    });
    m_typingInto = nullptr;
}
