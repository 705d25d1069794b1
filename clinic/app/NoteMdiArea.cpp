#include "clinic/app/NoteMdiArea.h"

#include <QPainter>
#include <QTabBar>

NoteMdiArea::NoteMdiArea(QWidget* parent)
    : QMdiArea(parent)
{
    setObjectName(QStringLiteral("mdiArea"));
    setViewMode(QMdiArea::TabbedView);
    setTabsClosable(true);
    setTabsMovable(true);
    setDocumentMode(true);
    if (auto* tabs = findChild<QTabBar*>()) {
        tabs->setObjectName(QStringLiteral("mdiTabBar"));
        tabs->setExpanding(false);
        tabs->setElideMode(Qt::ElideRight);
    }
}

QStringList NoteMdiArea::noteLines()
{
    return {
        QStringLiteral("注意："),
        QStringLiteral("一些常用的字符串，可以事先输入到一个TXT文本文件中，到用时选择COPY粘贴就行了。"),
        QStringLiteral("例如开药方时的[医嘱]，[用法用量]，病历中输入的各种[症状]等等。"),
    };
}

QFont NoteMdiArea::noteFont() const
{
    QFont font = this->font();
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
        QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Sans CJK SC")});
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

void NoteMdiArea::setNoteColor(const QColor& color)
{
    m_noteColor = color;
    viewport()->update();
}

void NoteMdiArea::paintEvent(QPaintEvent* event)
{
    QMdiArea::paintEvent(event);
    if (!subWindowList().isEmpty())
        return;
    QPainter painter(viewport());
    painter.setFont(noteFont());
    painter.setPen(m_noteColor);
    const int lineHeight = QFontMetrics(painter.font()).lineSpacing() + 6;
    int y = 40;
    for (const QString& line : noteLines()) {
        painter.drawText(QRect(40, y, viewport()->width() - 80, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, line);
        y += lineHeight;
    }
}
