#include "calculator/core/ElementColor.h"

#include <array>

namespace {

struct ElementShade
{
    char16_t element;
    Rgb color;
};

// In this order, so that a later element found in the text wins.
constexpr std::array<ElementShade, 5> kShades{{
    {u'金', {192, 192, 192}},
    {u'木', {0, 255, 0}},
    {u'水', {166, 202, 240}},
    {u'火', {255, 0, 0}},
    {u'土', {255, 255, 0}},
}};

} // namespace

Rgb ElementColor(const QString& text)
{
    Rgb color{255, 0, 0};
    for (const ElementShade& shade : kShades) {
        if (text.contains(QChar(shade.element)))
            color = shade.color;
    }
    return color;
}
