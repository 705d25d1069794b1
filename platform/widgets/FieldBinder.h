#pragma once

#include "platform/data/DataSet.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class NumberBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Edit controls bound to the fields of a row set's current row, as the edit
// panel of a maintenance window has them.
//
// The controls show the current row whenever it changes. What the user types
// goes into the row at once; typing while the set is browsing starts editing
// the current row first (on an empty set that starts a new row). Number
// boxes write only texts that are numbers; commitNumbers() reports any other
// text before the row is posted.
class FieldBinder : public QObject
{
    Q_OBJECT

public:
    // Errors while starting an edit are shown over window.
    FieldBinder(DataSet* dataSet, QWidget* window);

    void bindText(QLineEdit* edit, const QString& field);
    void bindMemo(QPlainTextEdit* memo, const QString& field);
    // A fixed list: the field holds the chosen item's text; a value that is
    // not in the list shows no item.
    void bindChoice(QComboBox* box, const QString& field);
    // caption names the box in the message about a text that is no number.
    void bindNumber(NumberBox* box, const QString& field, const QString& caption);

    // Writes the typed numbers into the row. The message names the first box
    // whose text is not a number; empty when all were written.
    QString commitNumbers();

    // Shows the current row in every control (an empty set shows nothing).
    void showCurrentRow();

    QList<QWidget*> controls() const;

private:
    struct Binding
    {
        QPointer<QWidget> control;
        QString field;
        QString caption;
    };

    void showField(const Binding& binding);
    void typed(QWidget* control, const QString& field, const QVariant& value);
    const Binding* bindingOf(const QString& field) const;

    DataSet* m_dataSet;
    QWidget* m_window;
    QList<Binding> m_bindings;
    QWidget* m_typingInto = nullptr; // the control whose text is being written
    bool m_showing = false;          // controls are being filled from the row
};
