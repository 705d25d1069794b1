#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

// The common shape of the three cell-analysis windows: "当前点击的单元格是:"
// over the one-line field Edit1 naming the clicked cell, and the page
// control PageControl1 whose pages hold the text boxes Memo1, Memo2, … in
// order, each under its own label when it has one. The window is filled and
// shown without blocking the main window; closing it only hides it.
class CellAnalysisWindow : public QWidget
{
    Q_OBJECT

public:
    struct TextBox
    {
        QString label; // empty: the box fills its page alone
    };
    struct Page
    {
        QString title;
        QList<TextBox> boxes;
    };

    // Fills Edit1 and the text boxes (texts in Memo order; missing ones
    // empty) and shows the window, refilling it in place when already shown.
    void showAnalysis(const QString& cellCaption, const QStringList& texts);

protected:
    CellAnalysisWindow(const QString& formName, const QString& caption, const QList<Page>& pages,
                       QWidget* mainWindow);

private:
    QLineEdit* Edit1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QList<QPlainTextEdit*> m_memos;
    bool m_placed = false;
};
