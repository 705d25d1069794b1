#include "clinic/common/ShowTextFile.h"

#include "clinic/common/Skins.h"
#include "platform/text/TextCodec.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <cmath>
#include <stdexcept>

namespace {

// Dialog units of a font: the average width of the 52 Latin letters and the
// character height.
struct DialogUnits
{
    double charWidth;
    double charHeight;
    int across(double x) const { return int(std::lround(x * charWidth / 4.0)); }
    int down(double y) const { return int(std::lround(y * charHeight / 8.0)); }
};

DialogUnits unitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits{letters / 52.0, double(metrics.height())};
}

QFont songFont(int pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
        QStringLiteral("Noto Sans CJK SC")});
    font.setPointSize(pointSize);
    return font;
}

} // namespace

TextFileDialog::TextFileDialog(const QString& caption, const QString& prompt, const QString& text, int maxLength,
    QWidget* parent)
    : QDialog(parent)
    , m_prompt(new QLabel(prompt, this))
    , m_text(new QPlainTextEdit(this))
    , m_ok(new QPushButton(QStringLiteral("确定"), this))
    , m_cancel(new QPushButton(QStringLiteral("取消"), this))
    , m_maxLength(maxLength)
{
    setObjectName(QStringLiteral("TextFileDialog"));
    setWindowTitle(caption);
    m_prompt->setObjectName(QStringLiteral("promptLabel"));
    m_text->setObjectName(QStringLiteral("textBox"));
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_cancel->setObjectName(QStringLiteral("cancelButton"));

    const DialogUnits units = unitsOf(font());
    const int clientWidth = units.across(300);
    const int buttonHeight = units.down(14);

    m_prompt->setFont(songFont(10));
    m_prompt->setWordWrap(true);
    const int labelWidth = qMin(m_prompt->sizeHint().width(), units.across(164));
    m_prompt->setGeometry(units.across(8), units.down(8), labelWidth, m_prompt->heightForWidth(labelWidth));

    m_text->setGeometry(m_prompt->x(), m_prompt->geometry().bottom() + 1 + 5, clientWidth - 40, 10 * buttonHeight);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setPlainText(text);
    connect(m_text->document(), &QTextDocument::contentsChange, this, &TextFileDialog::limitTyping);

    const int buttonWidth = units.across(50);
    const int buttonsTop = m_text->geometry().bottom() + 1 + 15;
    const int firstLeft = (clientWidth - (2 * buttonWidth + 10)) / 2;
    m_ok->setGeometry(firstLeft, buttonsTop, buttonWidth, buttonHeight);
    m_cancel->setGeometry(firstLeft + buttonWidth + 10, buttonsTop, buttonWidth, buttonHeight);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(clientWidth, m_ok->geometry().bottom() + 1 + 13);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// Typing stops at the limit; text already longer (a long file) stays whole.
void TextFileDialog::limitTyping(int position, int removed, int added)
{
    if (m_limiting || added <= removed)
        return;
    const int length = m_text->document()->characterCount() - 1;
    const int excess = length - m_maxLength;
    if (excess <= 0)
        return;
    const int cut = qMin(excess, added - removed);
    m_limiting = true;
    QTextCursor cursor(m_text->document());
    cursor.setPosition(position + added - cut);
    cursor.setPosition(position + added, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    m_limiting = false;
}

bool ShowTextFile(const QString& caption, const QString& prompt, const QString& fileName, int maxLength)
{
    QString text;
    QString error;
    if (!readTextFile(fileName, &text, &error))
        throw std::runtime_error(error.toStdString());
    TextFileDialog dialog(caption, prompt, text, maxLength, QApplication::activeWindow());
    ApplySkin(&dialog);
    return dialog.exec() == QDialog::Accepted;
}
