#pragma once

#include <QString>

// A colour as red, green and blue components (0–255); the window layer turns
// it into a QColor. Kept free of QtGui so the core needs only QtCore.
struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The background of a movement or qi cell from the element its text names:
// 金 silver, 木 lime green, 水 sky blue, 火 red, 土 yellow; a text naming
// several takes the last of 金 木 水 火 土 (土 over 火 over 水 over 木 over 金);
// a text naming none is red.
Rgb ElementColor(const QString& text);
