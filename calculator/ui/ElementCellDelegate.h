#pragma once

#include <QColor>
#include <QStyledItemDelegate>

// Paints the element cells of the movement and qi grids: the cell's element
// colour as background, or black for the grid's current cell while the grid
// has the keyboard focus, and the text in a colour that stays readable on
// that background. Every other cell is painted the grid's usual way.
class ElementCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Black or white, whichever contrasts more with the background.
    static QColor readableTextColor(const QColor& background);
};
