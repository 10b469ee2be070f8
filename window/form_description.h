// The vocabulary of a window description: places in twips, colours as
// 0x00BBGGRR, fonts by name. No toolkit type appears here, so every front end
// and every test reads the same description.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace form {

// 1/1440 inch; 15 twips make a pixel at 96 dots per inch.
inline constexpr int TwipsPerInch = 1440;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    constexpr bool contains(const Rect& r) const {
        return r.left >= left && r.top >= top && r.right() <= right() && r.bottom() <= bottom();
    }
};

// 0x00BBGGRR, as the window description stores it.
using Colour = std::uint32_t;
constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return Colour(r) | Colour(g) << 8 | Colour(b) << 16;
}
constexpr std::uint8_t red(Colour c) {
    return c & 0xFF;
}
constexpr std::uint8_t green(Colour c) {
    return (c >> 8) & 0xFF;
}
constexpr std::uint8_t blue(Colour c) {
    return (c >> 16) & 0xFF;
}

inline constexpr int ArabicCharset = 178;
inline constexpr int FontWeightNormal = 400;
inline constexpr int FontWeightBold = 700;

struct Font {
    std::string_view family;
    double points = 0;
    int weight = FontWeightNormal;
    int charset = ArabicCharset;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

// What controls without a font of their own use, on every front end.
inline constexpr Font WindowDefaultFont{"MS Sans Serif", 8.25, FontWeightNormal};

enum class Kind { Label, ClickArea, Line, Picture, PushButton };
enum class Alignment { Left, Centre };
enum class Border { None, FixedSingle };

struct Control {
    std::string_view name;
    Kind kind = Kind::Label;
    // Left, top, width, height; for a line, from (left, top) to (right, bottom).
    Rect rect;
    std::u16string_view text;
    // Absent: the window's default font.
    std::optional<Font> font;
    // Text colour, or a line's colour; absent: the system's control text colour.
    std::optional<Colour> colour;
    Alignment alignment = Alignment::Left;
    Border border = Border::None;
    // A line's width in pixels.
    int lineWidth = 0;
    // Position in the tab order; absent for controls that have none.
    std::optional<int> tabIndex;
    // Name of the picture a picture control shows.
    std::string_view picture;
    // What assistive technology announces for a control that shows no text.
    std::u16string_view accessibleName;
};

struct Form {
    std::string_view name;
    std::u16string_view title;
    int clientWidth = 0;
    int clientHeight = 0;
    Colour background = rgb(255, 255, 255);
    bool minButton = true;
    bool maxButton = true;
    bool resizable = true;
    std::string_view icon;
    // From the top of the stacking order to the bottom.
    std::span<const Control> controls;

    const Control* find(std::string_view controlName) const {
        for (const Control& c : controls) {
            if (c.name == controlName) {
                return &c;
            }
        }
        return nullptr;
    }
};

} // namespace form
