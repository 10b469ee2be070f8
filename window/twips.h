// Twips to pixels. The one rounding rule of the program: an edge goes to the
// nearest pixel, halves away from zero (as Win32's MulDiv rounds). Edges are
// converted, never sizes, so controls that touch in twips touch in pixels.
#pragma once

#include "form_description.h"

namespace form {

constexpr int toPixels(int twips, int dpi) {
    const long long n = static_cast<long long>(twips) * dpi;
    constexpr long long half = TwipsPerInch / 2;
    return static_cast<int>(n >= 0 ? (n + half) / TwipsPerInch : -((-n + half) / TwipsPerInch));
}

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

constexpr PixelRect toPixels(const Rect& r, int dpiX, int dpiY) {
    return {toPixels(r.left, dpiX), toPixels(r.top, dpiY), toPixels(r.right(), dpiX),
            toPixels(r.bottom(), dpiY)};
}

} // namespace form
