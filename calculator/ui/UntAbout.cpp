#include "calculator/ui/UntAbout.h"

#include "calculator/ui/TamsorLook.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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
    ProgramIcon->setPixmap(TamsorPicture(160));
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
