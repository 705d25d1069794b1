#include "calculator/ui/UntYear.h"

#include "calculator/core/WholeYearAnalysis.h"
#include "calculator/ui/TamsorLook.h"
#include "platform/widgets/Messages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLineEdit* newField(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    return edit;
}

// A page holding two text boxes, each under its label.
QWidget* twoBoxPage(QWidget* parent, const QString& firstLabel, QPlainTextEdit*& first, const QString& firstName,
                    const QString& secondLabel, QPlainTextEdit*& second, const QString& secondName)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(firstLabel, page));
    first = NewAnalysisTextBox(firstName, page);
    layout->addWidget(first, 1);
    layout->addWidget(new QLabel(secondLabel, page));
    second = NewAnalysisTextBox(secondName, page);
    layout->addWidget(second, 1);
    return page;
}

QWidget* oneBoxPage(QWidget* parent, QPlainTextEdit*& box, const QString& name)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    box = NewAnalysisTextBox(name, page);
    layout->addWidget(box);
    return page;
}

} // namespace

TfrmYear::TfrmYear(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window)
{
    setObjectName(QStringLiteral("frmYear"));
    setWindowTitle(QStringLiteral("全年运气分析"));
    resize(707, 501);

    // First the 同化/异化 wording, reading as a label, and the name; the
    // judgement, up to a long sentence, gets a line of its own.
    Edit4 = newField(QStringLiteral("Edit4"), this);
    Edit4->setFrame(false);
    Edit4->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; font-weight: bold; }"));
    Edit4->setFocusPolicy(Qt::NoFocus);
    Edit1 = newField(QStringLiteral("Edit1"), this);
    Edit2 = newField(QStringLiteral("Edit2"), this);
    Edit4->setFixedWidth(Edit4->fontMetrics().horizontalAdvance(QStringLiteral("运气同化或异化:")) + 8);
    auto* kindLine = new QHBoxLayout;
    kindLine->addWidget(Edit4);
    kindLine->addWidget(Edit1, 1);

    auto* Label2 = new QLabel(QStringLiteral("平气判断:(依据《内经讲义》的判断方法)"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Button1 = new QPushButton(QStringLiteral("说明"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &TfrmYear::Button1Click);
    auto* balanceTitle = new QHBoxLayout;
    balanceTitle->addWidget(Label2);
    balanceTitle->addWidget(Button1);
    balanceTitle->addStretch(1);
    Memo1 = NewAnalysisTextBox(QStringLiteral("Memo1"), this);

    Edit3 = newField(QStringLiteral("Edit3"), this);
    auto* ganDeFuLine = new QHBoxLayout;
    ganDeFuLine->addWidget(new QLabel(QStringLiteral("是否干德符:"), this));
    ganDeFuLine->addWidget(Edit3, 1);

    Memo10 = NewAnalysisTextBox(QStringLiteral("Memo10"), this);
    Memo11 = NewAnalysisTextBox(QStringLiteral("Memo11"), this);
    auto* treatments = new QGridLayout;
    treatments->addWidget(new QLabel(QStringLiteral("运气同治:"), this), 0, 0);
    treatments->addWidget(new QLabel(QStringLiteral("运气合治:"), this), 0, 1);
    treatments->addWidget(Memo10, 1, 0);
    treatments->addWidget(Memo11, 1, 1);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl2 = new QTabWidget(PageControl1);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->addTab(oneBoxPage(PageControl2, Memo2, QStringLiteral("Memo2")), QStringLiteral("三气之纪"));
    PageControl2->addTab(oneBoxPage(PageControl2, Memo3, QStringLiteral("Memo3")), QStringLiteral("胜"));
    PageControl2->addTab(oneBoxPage(PageControl2, Memo4, QStringLiteral("Memo4")), QStringLiteral("复"));
    PageControl2->addTab(oneBoxPage(PageControl2, Memo5, QStringLiteral("Memo5")), QStringLiteral("郁发"));
    auto* movementPage = new QWidget(PageControl1);
    auto* movementLayout = new QVBoxLayout(movementPage);
    movementLayout->addWidget(PageControl2);
    PageControl1->addTab(movementPage, QStringLiteral("岁运"));
    PageControl1->addTab(twoBoxPage(PageControl1, QStringLiteral("淫胜:"), Memo6, QStringLiteral("Memo6"),
                                    QStringLiteral("治则:"), Memo7, QStringLiteral("Memo7")),
                         QStringLiteral("司天"));
    PageControl1->addTab(twoBoxPage(PageControl1, QStringLiteral("淫胜:"), Memo8, QStringLiteral("Memo8"),
                                    QStringLiteral("治则:"), Memo9, QStringLiteral("Memo9")),
                         QStringLiteral("在泉"));
    PageControl1->setCurrentIndex(0);
    PageControl2->setCurrentIndex(0);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kindLine);
    layout->addWidget(Edit2);
    layout->addLayout(balanceTitle);
    layout->addWidget(Memo1, 2);
    layout->addLayout(ganDeFuLine);
    layout->addLayout(treatments, 2);
    layout->addWidget(PageControl1, 5);
}

void TfrmYear::showAnalysis(const WholeYearAnalysis& a)
{
    Edit4->setText(a.kindLabel);
    Edit1->setText(a.kindName);
    Edit2->setText(a.kindJudgement);
    Memo1->setPlainText(a.balanceJudgement);
    Edit3->setText(a.ganDeFuSentence);
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4})
        edit->setCursorPosition(0);
    Memo10->setPlainText(a.jointTreatment);
    Memo11->setPlainText(a.combinedTreatment);
    Memo2->setPlainText(a.threeKinds);
    Memo3->setPlainText(a.victory);
    Memo4->setPlainText(a.revenge);
    Memo5->setPlainText(a.outburst);
    Memo6->setPlainText(a.sitianExcess);
    Memo7->setPlainText(a.sitianRule);
    Memo8->setPlainText(a.zaiquanExcess);
    Memo9->setPlainText(a.zaiquanRule);
    ShowAnalysisWindow(this, m_placed);
}

QString TfrmYear::BalanceMethodExplanation()
{
    return QStringLiteral("不同的书关于平气判断是不太相同的,\n\r"
                          "本程序采用的是<内经讲义>的平气判断方法,\n\r"
                          "即\"运太过被抑制或运不及得资助,抑制或资助是指司天之气或地支四方正气的生克关系而言\"\n\r"
                          "所以可能在平气判断时与其它书有出入.");
}

void TfrmYear::Button1Click()
{
    Messages::show(this, BalanceMethodExplanation());
}
