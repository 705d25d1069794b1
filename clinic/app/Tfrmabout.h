#pragma once

#include <QWidget>

class QPlainTextEdit;

// The about window "关于本软件": a fixed-size window centred on the desktop
// whose memo (Memo1) shows the program's description. Made once at start-up
// and only shown and hidden afterwards.
class Tfrmabout : public QWidget
{
    Q_OBJECT

public:
    explicit Tfrmabout(QWidget* parent = nullptr);

    static QStringList aboutLines();
    QPlainTextEdit* memo() const { return Memo1; }

    // Shows the window (again) in front, centred on the desktop.
    void showAbout();

private:
    QPlainTextEdit* Memo1;
};
