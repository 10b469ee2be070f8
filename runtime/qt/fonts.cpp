#include "fonts.h"

#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <array>

namespace rt {

namespace {

struct StandIn {
    std::string_view family;
    // Qt takes each glyph from the first of these that has it.
    std::array<const char*, 2> families;
    // Horizontal scale in percent: the stand-in for the narrow Naskh face is
    // wider than it, and the title must still fit its label on one line.
    int stretch;
};

constexpr std::array<StandIn, 4> StandIns{{
    {"Traditional Arabic", {"Amiri", "Noto Naskh Arabic UI"}, 84},
    {"Times New Roman", {"Liberation Serif", "Noto Naskh Arabic UI"}, 100},
    {"Tahoma", {"Noto Sans Arabic UI", "DejaVu Sans"}, 100},
    {"MS Sans Serif", {"Noto Sans Arabic UI", "DejaVu Sans"}, 100},
}};

const StandIn* standInFor(std::string_view family) {
    for (const StandIn& s : StandIns) {
        if (s.family == family) {
            return &s;
        }
    }
    return nullptr;
}

} // namespace

// Asked of fontconfig, not of Qt's font database: Qt reads its whole database
// in first and lists every family for each question, which made building the
// window take 6 ms instead of under 4.
bool systemHasFamily(const QString& family) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(family.toUtf8().constData()));
    FcObjectSet* properties = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, properties);
    const bool has = fonts && fonts->nfont > 0;
    if (fonts) {
        FcFontSetDestroy(fonts);
    }
    FcObjectSetDestroy(properties);
    FcPatternDestroy(pattern);
    return has;
}

QFont toQFont(const form::Font& font) {
    QFont f;
    const QString family = QString::fromUtf8(font.family.data(), qsizetype(font.family.size()));
    QStringList families{family};
    const StandIn* standIn = standInFor(font.family);
    if (standIn && !systemHasFamily(family)) {
        families.clear();
        for (const char* name : standIn->families) {
            families << QString::fromLatin1(name);
        }
        f.setStretch(standIn->stretch);
    }
    f.setFamilies(families);
    f.setPointSizeF(font.points);
    f.setWeight(QFont::Weight(font.weight));
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeout);
    return f;
}

QFont windowDefaultFont() {
    return toQFont(form::WindowDefaultFont);
}

} // namespace rt
