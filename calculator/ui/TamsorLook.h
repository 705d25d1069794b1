#pragma once

#include <QFont>
#include <QPixmap>

class QApplication;
class QPlainTextEdit;
class QString;
class QWidget;

// The look shared by Tamsor's windows: a Chinese sans-serif font that draws
// every glyph of the grids and texts, in one size everywhere.
QFont TamsorFont();
void ApplyTamsorLook(QApplication& app);

// Puts a window in the middle of the screen it is on (the desktop centre).
void CenterOnScreen(QWidget* window);

// Shows an analysis or text window without blocking: centred the first time,
// where the user left it afterwards; placed remembers which.
void ShowAnalysisWindow(QWidget* window, bool& placed);

// A read-only, wrapping text box with its own vertical scroll bar, as the
// analysis windows show their texts.
QPlainTextEdit* NewAnalysisTextBox(const QString& objectName, QWidget* parent);

// The program's picture (about box, window icon): the five elements in their
// grid colours around 运气.
QPixmap TamsorPicture(int side);
