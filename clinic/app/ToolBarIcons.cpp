#include "clinic/app/ToolBarIcons.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace {
struct Glyph
{
    QString character;
    QColor colour;
};

Glyph glyphOf(const QString& caption)
{
    static const QHash<QString, Glyph> glyphs = {
        {QStringLiteral("存货管理"), {QStringLiteral("存"), QColor(0x2e, 0x7d, 0x32)}},
        {QStringLiteral("药方库"), {QStringLiteral("库"), QColor(0x8d, 0x5a, 0x3c)}},
        {QStringLiteral("开药方"), {QStringLiteral("方"), QColor(0xc6, 0x28, 0x28)}},
        {QStringLiteral("查询病历"), {QStringLiteral("病"), QColor(0x15, 0x65, 0xc0)}},
        {QStringLiteral("选择皮肤"), {QStringLiteral("肤"), QColor(0x6a, 0x1b, 0x9a)}},
        {QStringLiteral("历史药方查询"), {QStringLiteral("史"), QColor(0xe6, 0x5c, 0x00)}},
        {QStringLiteral("药品库查询"), {QStringLiteral("药"), QColor(0x00, 0x83, 0x8f)}},
        {QStringLiteral("药方库查询"), {QStringLiteral("查"), QColor(0x4e, 0x34, 0x2e)}},
    };
    return glyphs.value(caption, Glyph{caption.left(1), QColor(0x55, 0x55, 0x55)});
}

QPixmap tile(const Glyph& glyph, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, size);
    gradient.setColorAt(0, glyph.colour.lighter(135));
    gradient.setColorAt(1, glyph.colour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    const qreal margin = size / 16.0;
    painter.drawRoundedRect(QRectF(margin, margin, size - 2 * margin, size - 2 * margin), size / 5.0, size / 5.0);
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Microsoft YaHei"), QStringLiteral("SimHei")});
    font.setPixelSize(int(size * 0.56));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, glyph.character);
    return pixmap;
}
} // namespace

QIcon toolBarIcon(const QString& caption)
{
    const Glyph glyph = glyphOf(caption);
    QIcon icon;
    icon.addPixmap(tile(glyph, 32));
    icon.addPixmap(tile(glyph, 64));
    return icon;
}
