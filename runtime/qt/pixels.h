// The window description's twips as Qt pixel rectangles and points.
#pragma once

#include "form_description.h"
#include "twips.h"

#include <QPoint>
#include <QRect>

namespace rt {

using form::toPixels;

struct Dpi {
    int x = 96;
    int y = 96;
};

inline QRect toPixels(const form::Rect& r, Dpi dpi) {
    const form::PixelRect p = form::toPixels(r, dpi.x, dpi.y);
    return QRect(p.left, p.top, p.right - p.left, p.bottom - p.top);
}

inline QPoint toPixels(int x, int y, Dpi dpi) {
    return {toPixels(x, dpi.x), toPixels(y, dpi.y)};
}

} // namespace rt
