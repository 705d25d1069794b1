#include "calculator/ui/ElementCellDelegate.h"

#include "calculator/ui/PeriodGridModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <cmath>

namespace {

// Relative luminance as the WCAG contrast formula defines it.
double luminance(const QColor& c)
{
    auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

} // namespace

QColor ElementCellDelegate::readableTextColor(const QColor& background)
{
    const double l = luminance(background);
    const double withBlack = (l + 0.05) / 0.05;
    const double withWhite = 1.05 / (l + 0.05);
    return withBlack >= withWhite ? QColor(Qt::black) : QColor(Qt::white);
}

void ElementCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!index.data(PeriodGridModel::ElementCellRole).toBool()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    // The focused current cell is black; a coloured cell otherwise keeps its
    // colour even when selected, so the element stays visible.
    const bool focusedCurrent = (option.state & QStyle::State_HasFocus)
                                && opt.widget && opt.widget->hasFocus();
    const QColor background = focusedCurrent ? QColor(Qt::black) : index.data(Qt::BackgroundRole).value<QColor>();
    const QColor text = readableTextColor(background);
    opt.backgroundBrush = background;
    opt.palette.setColor(QPalette::Text, text);
    opt.palette.setColor(QPalette::HighlightedText, text);
    opt.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    // Drawn through the style directly: the base paint() would read the
    // background and colours back from the model.
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
}
