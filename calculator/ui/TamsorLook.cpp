#include "calculator/ui/TamsorLook.h"

#include "calculator/core/ElementColor.h"

#include <QApplication>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QWidget>
#include <QtMath>
#include <cmath>

QFont TamsorFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Microsoft YaHei"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("SimSun")});
    font.setPointSize(9);
    return font;
}

void ApplyTamsorLook(QApplication& app)
{
    app.setFont(TamsorFont());
}

void CenterOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

// The program's picture: the five elements as a ring of their grid colours
// in the order of mutual generation, 木 火 土 金 水, around 运气.
QPixmap TamsorPicture(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QStringList elements{QStringLiteral("木"), QStringLiteral("火"), QStringLiteral("土"),
                               QStringLiteral("金"), QStringLiteral("水")};
    const QPointF centre(side / 2.0, side / 2.0);
    const double ring = side * 0.34;
    const double disc = side * 0.14;
    QFont font = TamsorFont();
    font.setPixelSize(int(disc));
    font.setBold(true);
    painter.setFont(font);
    for (int i = 0; i < elements.size(); ++i) {
        const double angle = qDegreesToRadians(-90.0 + 72.0 * i);
        const QPointF at = centre + QPointF(ring * std::cos(angle), ring * std::sin(angle));
        const Rgb c = ElementColor(elements[i]);
        painter.setPen(QPen(QColor(80, 80, 80), 1.5));
        painter.setBrush(QColor(c.red, c.green, c.blue));
        painter.drawEllipse(at, disc, disc);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(at.x() - disc, at.y() - disc, 2 * disc, 2 * disc), Qt::AlignCenter, elements[i]);
    }
    font.setPixelSize(int(side * 0.13));
    painter.setFont(font);
    painter.setPen(QColor(120, 0, 0));
    painter.drawText(QRectF(0, 0, side, side), Qt::AlignCenter, QStringLiteral("运气"));
    return pixmap;
}

void ShowAnalysisWindow(QWidget* window, bool& placed)
{
    if (!placed) {
        CenterOnScreen(window);
        placed = true;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

QPlainTextEdit* NewAnalysisTextBox(const QString& objectName, QWidget* parent)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(objectName);
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return memo;
}
