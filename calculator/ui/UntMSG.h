#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// The text window (form frmMSG, "显示文本窗口"): Memo1 shows a whole text
// file, Button1 "关闭" hides the window. What is typed into Memo1 is never
// saved.
class TfrmMSG : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmMSG(QWidget* mainWindow);

    // Loads a GBK (or UTF-8) text file from the working folder into Memo1 and
    // shows the window without blocking. A file that cannot be read gives an
    // error message naming it, and the window is not shown; returns false.
    bool showTextFile(const QString& fileName);

private:
    void Button1Click();

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;
    bool m_placed = false;
};
