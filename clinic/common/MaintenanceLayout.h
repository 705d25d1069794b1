#pragma once

#include "platform/widgets/DataSetModel.h"

#include <QList>
#include <QString>
#include <tuple>

class QAbstractButton;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// The look shared by maintenance windows: labels right-aligned beside their
// edits, and the button row under the edit panel.

// Puts "label" and its edit into row `row` of a grid, in the pair of grid
// columns `pair` (0: columns 0 and 1, 1: columns 2 and 3 ...). A multi-line
// edit gets its label at the top. Returns the label.
QLabel* addLabelledRow(QGridLayout* grid, int row, const QString& label, QWidget* edit, int pair = 0,
                       int editColumnSpan = 1);

// The six buttons of a maintenance window, 新增 删除 修改 保存 取消 刷新 in
// this order, named bsSkinButtonN from firstNumber on.
using MaintenanceButtonRow = std::tuple<QPushButton*, QPushButton*, QPushButton*, QPushButton*, QPushButton*, QPushButton*>;
MaintenanceButtonRow makeMaintenanceButtons(QWidget* parent, int firstNumber);

// The buttons side by side at the left, all of one width.
QHBoxLayout* buttonRow(const QList<QAbstractButton*>& buttons);

// One grid column over a field: its display width in characters and a title
// other than the field's name when given.
GridColumn fieldColumn(const QString& field, int displayWidth = 0, const QString& title = QString());
// A right-aligned column whose values are written by format.
GridColumn numberColumn(const QString& field, int displayWidth, std::function<QString(const QVariant&)> format);
