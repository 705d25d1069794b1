#include "calculator/ui/CellAnalysisWindow.h"

#include "calculator/ui/TamsorLook.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

CellAnalysisWindow::CellAnalysisWindow(const QString& formName, const QString& caption, const QList<Page>& pages,
                                       QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window)
{
    setObjectName(formName);
    setWindowTitle(caption);
    resize(696, 480);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("当前点击的单元格是:"), this));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    layout->addWidget(Edit1);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    for (const Page& page : pages) {
        auto* sheet = new QWidget(PageControl1);
        auto* sheetLayout = new QVBoxLayout(sheet);
        for (const TextBox& box : page.boxes) {
            if (!box.label.isEmpty())
                sheetLayout->addWidget(new QLabel(box.label, sheet));
            QPlainTextEdit* memo = NewAnalysisTextBox(QStringLiteral("Memo%1").arg(m_memos.size() + 1), sheet);
            sheetLayout->addWidget(memo, 1);
            m_memos << memo;
        }
        PageControl1->addTab(sheet, page.title);
    }
    PageControl1->setCurrentIndex(0);
    layout->addWidget(PageControl1, 1);
}

void CellAnalysisWindow::showAnalysis(const QString& cellCaption, const QStringList& texts)
{
    Edit1->setText(cellCaption);
    for (int i = 0; i < m_memos.size(); ++i)
        m_memos[i]->setPlainText(texts.value(i));
    ShowAnalysisWindow(this, m_placed);
}
