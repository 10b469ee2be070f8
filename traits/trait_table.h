// The six fruits: which click area stands for each, where its name and picture
// are shown, and what its click puts into the description label `m`.
#pragma once

#include "texts.h"

#include <array>
#include <optional>
#include <string_view>

namespace traits {

enum class Fruit { Apricot, Grapes, Strawberry, Banana, Apple, Orange };

struct FruitEntry {
    std::string_view clickArea;
    Fruit fruit;
    std::string_view nameLabel;
    std::u16string_view nameText;
    std::string_view picture;
    std::u16string_view traitText;
};

// In the order of the click areas, w1 to w6.
inline constexpr std::array<FruitEntry, 6> TraitTable{{
    {"w1", Fruit::Apricot, "Label4", ApricotName, "Image6", ApricotTraits},
    {"w2", Fruit::Grapes, "Label10", GrapesName, "Image1", GrapesTraits},
    {"w3", Fruit::Strawberry, "Label9", StrawberryName, "Image5", StrawberryTraits},
    {"w4", Fruit::Banana, "Label8", BananaName, "Image3", BananaTraits},
    {"w5", Fruit::Apple, "Label7", AppleName, "Image4", AppleTraits},
    {"w6", Fruit::Orange, "Label6", OrangeName, "Image2", OrangeTraits},
}};

// The trait text of one of the click areas w1 to w6; nothing for any other name.
constexpr std::optional<std::u16string_view> traitText(std::string_view clickArea) {
    for (const FruitEntry& entry : TraitTable) {
        if (entry.clickArea == clickArea) {
            return entry.traitText;
        }
    }
    return std::nullopt;
}

} // namespace traits
