#include "clinic/common/MaintenanceLayout.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

QLabel* addLabelledRow(QGridLayout* grid, int row, const QString& label, QWidget* edit, int pair, int editColumnSpan)
{
    auto* caption = new QLabel(label, edit->parentWidget());
    caption->setBuddy(edit);
    const bool multiLine = qobject_cast<QPlainTextEdit*>(edit) != nullptr;
    caption->setAlignment(Qt::AlignRight | (multiLine ? Qt::AlignTop : Qt::AlignVCenter));
    if (multiLine)
        caption->setContentsMargins(0, 4, 0, 0);
    grid->addWidget(caption, row, pair * 2, multiLine ? Qt::AlignRight | Qt::AlignTop : Qt::Alignment());
    grid->addWidget(edit, row, pair * 2 + 1, 1, editColumnSpan);
    return caption;
}

QHBoxLayout* buttonRow(const QList<QAbstractButton*>& buttons)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    int width = 0;
    for (QAbstractButton* button : buttons)
        width = qMax(width, button->sizeHint().width());
    for (QAbstractButton* button : buttons) {
        button->setMinimumWidth(qMax(width, 76));
        // Enter in a dialog's edit box must not press 新增.
        if (auto* push = qobject_cast<QPushButton*>(button))
            push->setAutoDefault(false);
        row->addWidget(button);
    }
    row->addStretch(1);
    return row;
}

GridColumn fieldColumn(const QString& field, int displayWidth, const QString& title)
{
    GridColumn column;
    column.field = field;
    column.title = title;
    column.displayWidth = displayWidth;
    return column;
}

GridColumn numberColumn(const QString& field, int displayWidth, std::function<QString(const QVariant&)> format)
{
    GridColumn column = fieldColumn(field, displayWidth);
    column.format = std::move(format);
    column.alignment = Qt::AlignRight | Qt::AlignVCenter;
    return column;
}

MaintenanceButtonRow makeMaintenanceButtons(QWidget* parent, int firstNumber)
{
    auto make = [&](int offset, const QString& caption) {
        auto* button = new QPushButton(caption, parent);
        button->setObjectName(QStringLiteral("bsSkinButton%1").arg(firstNumber + offset));
        return button;
    };
    return {make(0, QStringLiteral("新增")), make(1, QStringLiteral("删除")), make(2, QStringLiteral("修改")),
            make(3, QStringLiteral("保存")), make(4, QStringLiteral("取消")), make(5, QStringLiteral("刷新"))};
}
