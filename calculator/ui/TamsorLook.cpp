#include "calculator/ui/TamsorLook.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

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
