#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box (form AboutBox, caption "About"): the program picture
// ProgramIcon, "Product Name:" with the product title, "Version:4.5", and
// OKButton "OK" that closes it. Fixed size, shown without blocking.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* mainWindow);

    // Shows the box in the middle of the desktop.
    void showBox();

private:
    void OKButtonClick();

    QLabel* ProgramIcon = nullptr;
    QPushButton* OKButton = nullptr;
};
