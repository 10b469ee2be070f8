// Twips to pixels. The one rounding rule of the program: an edge goes to the
// nearest pixel, halves away from zero (as Win32's MulDiv rounds). Edges are
// converted, never sizes, so controls that touch in twips touch in pixels.
#pragma once

#include "form_description.h"

#include <QRect>

namespace rt {

constexpr int toPixels(int twips, int dpi) {
    const long long n = static_cast<long long>(twips) * dpi;
    constexpr long long half = form::TwipsPerInch / 2;
    return static_cast<int>(n >= 0 ? (n + half) / form::TwipsPerInch
                                   : -((-n + half) / form::TwipsPerInch));
}

struct Dpi {
    int x = 96;
    int y = 96;
};

inline QRect toPixels(const form::Rect& r, Dpi dpi) {
    const int left = toPixels(r.left, dpi.x);
    const int top = toPixels(r.top, dpi.y);
    return QRect(left, top, toPixels(r.right(), dpi.x) - left, toPixels(r.bottom(), dpi.y) - top);
}

inline QPoint toPixels(int x, int y, Dpi dpi) {
    return {toPixels(x, dpi.x), toPixels(y, dpi.y)};
}

} // namespace rt
