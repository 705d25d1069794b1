#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The modal viewer of the program's help text files: a prompt, a multi-line
// box with the file's text (editable, never saved) and "确定"/"取消".
// Its layout is measured in dialog units of its font: x units across are
// x·w/4 pixels and y units down y·h/8 pixels, w being the average width of
// the Latin letters and h the character height.
class TextFileDialog : public QDialog
{
    Q_OBJECT

public:
    TextFileDialog(const QString& caption, const QString& prompt, const QString& text, int maxLength,
        QWidget* parent = nullptr);

    QLabel* promptLabel() const { return m_prompt; }
    QPlainTextEdit* textBox() const { return m_text; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    int maxLength() const { return m_maxLength; }

private:
    void limitTyping(int position, int removed, int added);

    QLabel* m_prompt;
    QPlainTextEdit* m_text;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    int m_maxLength;
    bool m_limiting = false;
};

// Shows a text file (GBK or UTF-8; a name without a folder is looked up in
// the working folder) in the viewer. True when closed with "确定". A file
// that cannot be read throws std::runtime_error naming the file, before any
// dialog is shown. The typing limit never shortens the loaded text.
bool ShowTextFile(const QString& caption, const QString& prompt, const QString& fileName, int maxLength);
