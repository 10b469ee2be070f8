#include "form1.h"

#include "texts.h"

#include <array>

namespace form {

namespace {

constexpr Colour Blue = rgb(0, 0, 255);
constexpr Colour Red = rgb(255, 0, 0);
constexpr Colour DarkBlue = rgb(0, 0, 192);
constexpr Colour DarkRed = rgb(192, 0, 0);

constexpr Font TitleFont{"Traditional Arabic", 26.25, FontWeightBold};
constexpr Font HeadingFont{"Traditional Arabic", 21.75, FontWeightBold};
constexpr Font DescriptionFont{"Times New Roman", 14.25, FontWeightBold};
constexpr Font NameFont{"Tahoma", 9.75, FontWeightNormal};

constexpr Control button(std::string_view name, Rect r, std::u16string_view text, int tab) {
    return {.name = name, .kind = Kind::PushButton, .rect = r, .text = text, .tabIndex = tab};
}
constexpr Control clickArea(std::string_view name, Rect r, std::u16string_view fruit) {
    return {.name = name, .kind = Kind::ClickArea, .rect = r, .accessibleName = fruit};
}
constexpr Control nameLabel(std::string_view name, Rect r, std::u16string_view text, int tab) {
    return {.name = name,
            .kind = Kind::Label,
            .rect = r,
            .text = text,
            .font = NameFont,
            .tabIndex = tab};
}
constexpr Control rule(std::string_view name, int x1, int y1, int x2, int y2) {
    return {.name = name,
            .kind = Kind::Line,
            .rect = {x1, y1, x2 - x1, y2 - y1},
            .colour = DarkRed,
            .lineWidth = 1};
}
constexpr Control picture(std::string_view name, Rect r, std::string_view fruit) {
    return {.name = name, .kind = Kind::Picture, .rect = r, .picture = fruit};
}

using traits::TitleText;

// Top of the stacking order first: the buttons, then the click areas above the
// names and pictures, the rules above the pictures.
constexpr std::array<Control, 26> Controls{{
    button("Command2", {2160, 4930, 1095, 305}, traits::CreditButtonText, 10),
    button("Command1", {3480, 4930, 1095, 305}, traits::CloseButtonText, 9),
    {.name = "Label2",
     .kind = Kind::Label,
     .rect = {120, 5040, 1335, 255},
     .text = traits::SiteAddress,
     .tabIndex = 11},
    clickArea("w6", {120, 720, 855, 1695}, traits::OrangeName),
    clickArea("w5", {1080, 720, 855, 1695}, traits::AppleName),
    clickArea("w4", {1920, 600, 1455, 1815}, traits::BananaName),
    clickArea("w3", {4680, 720, 855, 1695}, traits::StrawberryName),
    clickArea("w2", {5520, 720, 1095, 1695}, traits::GrapesName),
    clickArea("w1", {3360, 720, 1335, 1695}, traits::ApricotName),
    nameLabel("Label10", {5880, 2040, 375, 255}, traits::GrapesName, 8),
    nameLabel("Label9", {4920, 2040, 495, 255}, traits::StrawberryName, 7),
    nameLabel("Label8", {2280, 2040, 255, 255}, traits::BananaName, 6),
    nameLabel("Label7", {1320, 2040, 375, 255}, traits::AppleName, 5),
    nameLabel("Label6", {240, 2040, 495, 255}, traits::OrangeName, 4),
    nameLabel("Label4", {3600, 2040, 735, 255}, traits::ApricotName, 3),
    {.name = "Label3",
     .kind = Kind::Label,
     .rect = {2880, 2520, 1335, 615},
     .text = traits::HeadingText,
     .font = HeadingFont,
     .colour = Red,
     .alignment = Alignment::Centre,
     .tabIndex = 2},
    rule("Lin2", 0, 2400, 6840, 2400),
    {.name = "m",
     .kind = Kind::Label,
     .rect = {240, 3120, 6255, 1815},
     .text = traits::GreetingText,
     .font = DescriptionFont,
     .colour = DarkBlue,
     .alignment = Alignment::Centre,
     .border = Border::FixedSingle,
     .tabIndex = 1},
    {.name = "Label1",
     .kind = Kind::Label,
     .rect = {1200, -120, 4575, 735},
     .text = TitleText,
     .font = TitleFont,
     .colour = Blue,
     .alignment = Alignment::Centre,
     .tabIndex = 0},
    rule("Lin1", 0, 600, 6840, 600),
    picture("Image6", {3360, 840, 1215, 1140}, "apricot"),
    picture("Image5", {4680, 840, 780, 1050}, "strawberry"),
    picture("Image4", {1080, 960, 765, 945}, "apple"),
    picture("Image3", {1920, 600, 1275, 1425}, "banana"),
    picture("Image2", {120, 1080, 780, 780}, "orange"),
    picture("Image1", {5640, 960, 900, 960}, "grapes"),
}};

constexpr Form Form1{
    .name = "Form1",
    .title = TitleText,
    .clientWidth = 6750,
    .clientHeight = 5265,
    .background = rgb(255, 255, 255),
    .minButton = true,
    .maxButton = false,
    .resizable = true,
    .icon = "banana",
    .controls = Controls,
};

} // namespace

const Form& form1() {
    return Form1;
}

} // namespace form
