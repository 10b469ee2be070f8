#include "pictures.h"

#include <objidl.h>
// GDI+ needs min and max in scope.
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus
#include <gdiplus.h>

#include <string>

namespace rtw {

Pictures::Pictures() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
}

Pictures::~Pictures() {
    Gdiplus::GdiplusShutdown(token_);
}

Gdiplus::Bitmap* Pictures::load(HINSTANCE instance, std::string_view name) {
    std::wstring wide(name.begin(), name.end());
    for (wchar_t& c : wide) {
        c = wchar_t(towupper(c));
    }
    HRSRC found = FindResourceW(instance, wide.c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    if (!found) {
        return nullptr;
    }
    const DWORD size = SizeofResource(instance, found);
    const void* data = LockResource(LoadResource(instance, found));
    // The stream must own a copy: GDI+ reads from it for the bitmap's lifetime.
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy) {
        return nullptr;
    }
    memcpy(GlobalLock(copy), data, size);
    GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(copy, TRUE, &stream) != S_OK) {
        GlobalFree(copy);
        return nullptr;
    }
    auto* bitmap = Gdiplus::Bitmap::FromStream(stream);
    stream->Release();
    if (bitmap && bitmap->GetLastStatus() != Gdiplus::Ok) {
        delete bitmap;
        return nullptr;
    }
    return bitmap;
}

void Pictures::release(Gdiplus::Bitmap* picture) {
    delete picture;
}

void Pictures::draw(HDC dc, Gdiplus::Bitmap* picture, int left, int top) {
    if (!picture) {
        return;
    }
    Gdiplus::Graphics g(dc);
    g.DrawImage(picture, left, top, int(picture->GetWidth()), int(picture->GetHeight()));
}

} // namespace rtw
