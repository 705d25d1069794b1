#pragma once

#include <QFont>
#include <QPixmap>

class QApplication;
class QWidget;

// The look shared by Tamsor's windows: a Chinese sans-serif font that draws
// every glyph of the grids and texts, in one size everywhere.
QFont TamsorFont();
void ApplyTamsorLook(QApplication& app);

// Puts a window in the middle of the screen it is on (the desktop centre).
void CenterOnScreen(QWidget* window);

// The program's picture (about box, window icon): the five elements in their
// grid colours around 运气.
QPixmap TamsorPicture(int side);
