#pragma once

#include <QMdiArea>
#include <QColor>
#include <QStringList>

// The main window's MDI area in tab mode. While no window is open it shows
// a fixed note in bold 宋体 (a Chinese serif font where 宋体 is missing).
class NoteMdiArea : public QMdiArea
{
    Q_OBJECT
    // Skins set it with "qproperty-noteColor: #445566;".
    Q_PROPERTY(QColor noteColor READ noteColor WRITE setNoteColor)
    // The colour of the empty area: "qproperty-deskColor: #e9e4d8;".
    Q_PROPERTY(QColor deskColor READ deskColor WRITE setDeskColor)

public:
    explicit NoteMdiArea(QWidget* parent = nullptr);

    static QStringList noteLines();
    QFont noteFont() const;
    QColor noteColor() const { return m_noteColor; }
    void setNoteColor(const QColor& color);
    QColor deskColor() const { return background().color(); }
    void setDeskColor(const QColor& color) { setBackground(color); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_noteColor = QColor(0x33, 0x33, 0x33);
};
