#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

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

} // namespace

QFont toQFont(const form::Font& font) {
    QFont f;
    const QString family = QString::fromUtf8(font.family.data(), qsizetype(font.family.size()));
    QStringList families{family};
    if (!QFontDatabase::hasFamily(family)) {
        for (const StandIn& s : StandIns) {
            if (s.family == font.family) {
                families.clear();
                for (const char* name : s.families) {
                    families << QString::fromLatin1(name);
                }
                f.setStretch(s.stretch);
            }
        }
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
