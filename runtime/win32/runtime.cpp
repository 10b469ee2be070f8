#include "runtime.h"

#include "pictures.h"
#include "twips.h"

#include <string>
#include <vector>

namespace rtw {

namespace {

constexpr wchar_t FormClass[] = L"FruitTraitsForm";
constexpr wchar_t ClickAreaClass[] = L"FruitTraitsClickArea";
constexpr int FirstButtonId = 100;

std::wstring wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}
std::wstring wide(std::string_view text) {
    return {text.begin(), text.end()};
}

COLORREF toColorRef(form::Colour c) {
    return RGB(form::red(c), form::green(c), form::blue(c));
}

HFONT makeFont(const form::Font& f, int dpi) {
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(int(f.points * 100 + 0.5), dpi, 72 * 100);
    lf.lfWeight = f.weight;
    lf.lfItalic = f.italic;
    lf.lfUnderline = f.underline;
    lf.lfStrikeOut = f.strikeout;
    lf.lfCharSet = BYTE(f.charset);
    lf.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = wide(f.family);
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&lf);
}

// One control of the description as built here. Labels, rules and pictures
// are drawn by the form itself; click areas and buttons are child windows,
// so that Windows' own z-order routes the clicks.
struct Built {
    const form::Control* control = nullptr;
    RECT pixels{};
    HWND window = nullptr;
    HFONT font = nullptr;
    Gdiplus::Bitmap* picture = nullptr;
    std::u16string text;
    void (*click)(traits::FormHost&) = nullptr;
};

class Form : public traits::FormHost {
public:
    Form(HINSTANCE instance, const form::Form& description,
         std::span<const traits::ClickBinding> bindings);
    ~Form() override;

    HWND window() const { return window_; }
    bool create();
    // Focus to the first control in the tab order that takes it.
    void focusFirst();
    void setCaption(std::string_view control, std::u16string_view text) override;
    void end() override;

    LRESULT handle(HWND window, UINT message, WPARAM w, LPARAM l);
    void clicked(Built& control);

private:
    void paint(HDC dc);
    Built* find(std::string_view name);

    HINSTANCE instance_;
    const form::Form& description_;
    std::span<const traits::ClickBinding> bindings_;
    HWND window_ = nullptr;
    int dpiX_ = 96;
    int dpiY_ = 96;
    HFONT defaultFont_ = nullptr;
    Pictures pictures_;
    std::vector<Built> controls_;
    bool ended_ = false;
};

Form* formOf(HWND window) {
    return reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK formProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
        SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(create->lpCreateParams));
    }
    if (Form* form = formOf(window)) {
        return form->handle(window, message, w, l);
    }
    return DefWindowProcW(window, message, w, l);
}

// A click area draws nothing and takes the clicks inside it: pressed and
// released with the left button.
LRESULT CALLBACK clickAreaProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
        SetCapture(window);
        return 0;
    case WM_LBUTTONUP: {
        const bool captured = GetCapture() == window;
        ReleaseCapture();
        RECT r;
        GetClientRect(window, &r);
        const POINT p{short(LOWORD(l)), short(HIWORD(l))};
        if (captured && PtInRect(&r, p)) {
            auto* built = reinterpret_cast<Built*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            HWND parent = GetParent(window);
            if (built && parent) {
                formOf(parent)->clicked(*built);
            }
        }
        return 0;
    }
    }
    return DefWindowProcW(window, message, w, l);
}

Form::Form(HINSTANCE instance, const form::Form& description,
           std::span<const traits::ClickBinding> bindings)
    : instance_(instance), description_(description), bindings_(bindings) {}

Form::~Form() {
    for (Built& b : controls_) {
        if (b.font) {
            DeleteObject(b.font);
        }
        Pictures::release(b.picture);
    }
    if (defaultFont_) {
        DeleteObject(defaultFont_);
    }
}

bool Form::create() {
    HDC screen = GetDC(nullptr);
    dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
    dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    defaultFont_ = makeFont(form::WindowDefaultFont, dpiY_);

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                        (description_.minButton ? WS_MINIMIZEBOX : 0) |
                        (description_.maxButton ? WS_MAXIMIZEBOX : 0);
    RECT frame{0, 0, form::toPixels(description_.clientWidth, dpiX_),
               form::toPixels(description_.clientHeight, dpiY_)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + (work.right - work.left - width) / 2;
    const int y = work.top + (work.bottom - work.top - height) / 2;

    const std::wstring title = wide(description_.title);
    window_ = CreateWindowExW(0, FormClass, title.c_str(), style, x, y, width, height, nullptr,
                              nullptr, instance_, this);
    if (!window_) {
        return false;
    }

    controls_.reserve(description_.controls.size());
    int buttonId = FirstButtonId;
    for (const form::Control& c : description_.controls) {
        Built b;
        b.control = &c;
        const form::PixelRect p = form::toPixels(c.rect, dpiX_, dpiY_);
        b.pixels = {p.left, p.top, p.right, p.bottom};
        b.text = std::u16string(c.text);
        for (const traits::ClickBinding& binding : bindings_) {
            if (binding.control == c.name) {
                b.click = binding.procedure;
            }
        }
        if (c.font) {
            b.font = makeFont(*c.font, dpiY_);
        }
        if (c.kind == form::Kind::Picture) {
            b.picture = pictures_.load(instance_, c.picture);
        }
        controls_.push_back(std::move(b));
    }
    // Child windows, top of the stack first; each new one goes below the last.
    HWND above = HWND_TOP;
    for (Built& b : controls_) {
        const RECT& r = b.pixels;
        if (b.control->kind == form::Kind::PushButton) {
            const std::wstring caption = wide(b.control->text);
            b.window = CreateWindowExW(0, L"BUTTON", caption.c_str(),
                                       WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, r.left,
                                       r.top, r.right - r.left, r.bottom - r.top, window_,
                                       HMENU(INT_PTR(buttonId++)), instance_, nullptr);
            SendMessageW(b.window, WM_SETFONT, WPARAM(b.font ? b.font : defaultFont_), FALSE);
        } else if (b.control->kind == form::Kind::ClickArea) {
            b.window = CreateWindowExW(WS_EX_TRANSPARENT, ClickAreaClass, L"",
                                       WS_CHILD | WS_VISIBLE, r.left, r.top, r.right - r.left,
                                       r.bottom - r.top, window_, nullptr, instance_, nullptr);
            SetWindowLongPtrW(b.window, GWLP_USERDATA, LONG_PTR(&b));
        } else {
            continue;
        }
        SetWindowPos(b.window, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = b.window;
    }
    return true;
}

void Form::focusFirst() {
    const Built* first = nullptr;
    for (const Built& b : controls_) {
        if (b.window && b.control->kind == form::Kind::PushButton && b.control->tabIndex &&
            (!first || *b.control->tabIndex < *first->control->tabIndex)) {
            first = &b;
        }
    }
    if (first) {
        SetFocus(first->window);
    }
}

Built* Form::find(std::string_view name) {
    for (Built& b : controls_) {
        if (b.control->name == name) {
            return &b;
        }
    }
    return nullptr;
}

void Form::clicked(Built& control) {
    // Once the program has ended no procedure runs again.
    if (control.click && !ended_) {
        control.click(*this);
    }
}

void Form::setCaption(std::string_view name, std::u16string_view text) {
    Built* b = find(name);
    if (!b || b->control->kind != form::Kind::Label) {
        const std::wstring what = L"no label named " + wide(name);
        MessageBoxW(window_, what.c_str(), L"Run-time error", MB_OK | MB_ICONERROR);
        ended_ = true;
        PostQuitMessage(1);
        return;
    }
    b->text = std::u16string(text);
    InvalidateRect(window_, &b->pixels, TRUE);
    UpdateWindow(window_);
}

void Form::end() {
    if (ended_) {
        return;
    }
    ended_ = true;
    ShowWindow(window_, SW_HIDE);
    PostQuitMessage(0);
}

void Form::paint(HDC dc) {
    // The buttons paint themselves; keep the form's drawing off them.
    for (const Built& b : controls_) {
        if (b.control->kind == form::Kind::PushButton) {
            ExcludeClipRect(dc, b.pixels.left, b.pixels.top, b.pixels.right, b.pixels.bottom);
        }
    }
    SetBkMode(dc, TRANSPARENT);
    // Bottom of the stack first, so what lies above is drawn over it.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        const Built& b = *it;
        const form::Control& c = *b.control;
        RECT r = b.pixels;
        switch (c.kind) {
        case form::Kind::Picture:
            Pictures::draw(dc, b.picture, r.left, r.top);
            break;
        case form::Kind::Line: {
            HBRUSH brush = CreateSolidBrush(toColorRef(c.colour.value_or(0)));
            RECT line{r.left, r.top, r.right, r.top + (c.lineWidth > 0 ? c.lineWidth : 1)};
            FillRect(dc, &line, brush);
            DeleteObject(brush);
            break;
        }
        case form::Kind::Label: {
            if (c.border == form::Border::FixedSingle) {
                DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
            }
            HGDIOBJ old = SelectObject(dc, b.font ? b.font : defaultFont_);
            SetTextColor(dc, c.colour ? toColorRef(*c.colour) : GetSysColor(COLOR_BTNTEXT));
            // Left-to-right reading order: no DT_RTLREADING.
            const UINT flags = DT_WORDBREAK | DT_NOPREFIX | DT_TOP |
                               (c.alignment == form::Alignment::Centre ? DT_CENTER : DT_LEFT);
            DrawTextW(dc, reinterpret_cast<const wchar_t*>(b.text.data()), int(b.text.size()), &r,
                      flags);
            SelectObject(dc, old);
            break;
        }
        case form::Kind::ClickArea:
        case form::Kind::PushButton:
            break;
        }
    }
}

LRESULT Form::handle(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (!window_) {
        window_ = window; // messages arrive before CreateWindowEx returns
    }
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window_, &ps);
        paint(dc);
        EndPaint(window_, &ps);
        return 0;
    }
    case WM_COMMAND:
        if (HIWORD(w) == BN_CLICKED) {
            for (Built& b : controls_) {
                if (b.window && GetDlgCtrlID(b.window) == LOWORD(w)) {
                    clicked(b);
                    break;
                }
            }
        }
        return 0;
    case DM_GETDEFID: {
        // Enter presses the focused button, as in a dialog.
        HWND focus = GetFocus();
        for (const Built& b : controls_) {
            if (b.window && b.window == focus && b.control->kind == form::Kind::PushButton) {
                return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
            }
        }
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

} // namespace

int run(HINSTANCE instance, const form::Form& description,
        std::span<const traits::ClickBinding> bindings) {
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = formProc;
    form.hInstance = instance;
    form.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    form.hbrBackground = CreateSolidBrush(toColorRef(description.background));
    form.lpszClassName = FormClass;
    form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    form.hIconSm =
        HICON(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                         GetSystemMetrics(SM_CYSMICON), 0));
    WNDCLASSEXW area{};
    area.cbSize = sizeof area;
    area.lpfnWndProc = clickAreaProc;
    area.hInstance = instance;
    area.hCursor = form.hCursor;
    area.lpszClassName = ClickAreaClass;
    if (!RegisterClassExW(&form) || !RegisterClassExW(&area)) {
        return 1;
    }

    Form window(instance, description, bindings);
    if (!window.create()) {
        return 1;
    }
    ShowWindow(window.window(), SW_SHOWNORMAL);
    UpdateWindow(window.window());
    window.focusFirst();

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab between the buttons, Space and Enter on the focused one.
        if (!IsDialogMessageW(window.window(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return int(message.wParam);
}

} // namespace rtw
