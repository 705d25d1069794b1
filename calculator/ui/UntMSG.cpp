#include "calculator/ui/UntMSG.h"

#include "calculator/ui/TamsorLook.h"
#include "platform/text/TextCodec.h"
#include "platform/widgets/Messages.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmMSG::TfrmMSG(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window)
{
    setObjectName(QStringLiteral("frmMSG"));
    setWindowTitle(QStringLiteral("显示文本窗口"));
    resize(488, 335);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    // Long paragraphs wrap at the window's width, so the vertical bar is
    // the one that matters; the horizontal one appears for unbreakable lines.
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    Button1 = new QPushButton(QStringLiteral("关闭"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &TfrmMSG::Button1Click);

    auto* strip = new QHBoxLayout;
    strip->addStretch(1);
    strip->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(Memo1, 1);
    strip->setContentsMargins(6, 0, 6, 0);
    layout->addLayout(strip);
}

bool TfrmMSG::showTextFile(const QString& fileName)
{
    QString text;
    QString error;
    if (!readTextFile(fileName, &text, &error)) {
        Messages::showError(parentWidget(), error);
        return false;
    }
    Memo1->setPlainText(text);
    ShowAnalysisWindow(this, m_placed);
    return true;
}

void TfrmMSG::Button1Click()
{
    hide();
}
