#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
struct WholeYearAnalysis;

// The whole-year analysis (form frmYear, "全年运气分析"):
//   Edit4 (reads as a label), Edit1, Edit2   同化/异化 wording, name, judgement
//   Memo1                                    平气判断; Button1 "说明" explains it
//   Edit3                                    the 干德符 sentence
//   Memo10, Memo11                           运气同治, 运气合治
//   PageControl1 岁运 > PageControl2          Memo2 三气之纪, Memo3 胜, Memo4 复, Memo5 郁发
//   PageControl1 司天 / 在泉                  Memo6, Memo7 / Memo8, Memo9 (淫胜, 治则)
class TfrmYear : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmYear(QWidget* mainWindow);

    // Puts every text of the analysis into its field and shows the window
    // without blocking; a window already shown is refilled in place.
    void showAnalysis(const WholeYearAnalysis& analysis);

    // The explanation of the balanced-year judgement shown by "说明".
    static QString BalanceMethodExplanation();

private:
    void Button1Click();

    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QPlainTextEdit* Memo4 = nullptr;
    QPlainTextEdit* Memo5 = nullptr;
    QPlainTextEdit* Memo6 = nullptr;
    QPlainTextEdit* Memo7 = nullptr;
    QPlainTextEdit* Memo8 = nullptr;
    QPlainTextEdit* Memo9 = nullptr;
    QPlainTextEdit* Memo10 = nullptr;
    QPlainTextEdit* Memo11 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QTabWidget* PageControl2 = nullptr;
    QPushButton* Button1 = nullptr;
    bool m_placed = false;
};
