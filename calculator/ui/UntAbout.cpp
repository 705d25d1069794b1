#include "calculator/ui/UntAbout.h"

#include "calculator/core/ElementColor.h"
#include "calculator/ui/TamsorLook.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtMath>

namespace {

// The program's picture: the five elements as a ring of their grid colours
// in the order of mutual generation, 木 火 土 金 水, around 运气.
QPixmap programPicture(int side)
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

} // namespace

TAboutBox::TAboutBox(QWidget* mainWindow)
    : QDialog(mainWindow)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(550, 413);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);

    ProgramIcon = new QLabel(panel);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(programPicture(160));
    ProgramIcon->setFixedSize(160, 160);

    auto* productName = new QLabel(QStringLiteral("Product Name: Tamsor"), panel);
    productName->setObjectName(QStringLiteral("ProductName"));
    auto* version = new QLabel(QStringLiteral("Version:4.5"), panel);
    version->setObjectName(QStringLiteral("Version"));
    auto* what = new QLabel(QStringLiteral("五运六气计算"), panel);
    QFont big = TamsorFont();
    big.setPointSize(14);
    productName->setFont(big);
    what->setFont(big);

    auto* texts = new QVBoxLayout;
    texts->addStretch(1);
    texts->addWidget(productName);
    texts->addWidget(version);
    texts->addSpacing(12);
    texts->addWidget(what);
    texts->addStretch(1);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(24, 24, 24, 24);
    panelLayout->addWidget(ProgramIcon, 0, Qt::AlignVCenter);
    panelLayout->addSpacing(24);
    panelLayout->addLayout(texts, 1);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    OKButton->setAutoDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel, 1);
    layout->addLayout(buttons);
}

void TAboutBox::showBox()
{
    CenterOnScreen(this);
    show();
    raise();
    activateWindow();
    OKButton->setFocus();
}

void TAboutBox::OKButtonClick()
{
    close();
}
