// Pictures from the executable's resources, decoded by GDI+ with their
// transparency.
#pragma once

#include <windows.h>

#include <string_view>

namespace Gdiplus {
class Bitmap;
}

namespace rtw {

class Pictures {
public:
    Pictures();
    ~Pictures();
    Pictures(const Pictures&) = delete;
    Pictures& operator=(const Pictures&) = delete;

    // The picture stored as an RCDATA resource of this name, or null.
    Gdiplus::Bitmap* load(HINSTANCE instance, std::string_view name);
    static void release(Gdiplus::Bitmap* picture);
    // Draws at natural size from the top-left corner.
    static void draw(HDC dc, Gdiplus::Bitmap* picture, int left, int top);

private:
    ULONG_PTR token_ = 0;
};

} // namespace rtw
