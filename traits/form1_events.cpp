#include "form1_events.h"

#include "texts.h"
#include "trait_table.h"

#include <array>

namespace traits {

namespace {
void showTraits(FormHost& form, std::string_view clickArea) {
    form.setCaption("m", *traitText(clickArea));
}
} // namespace

void w1_Click(FormHost& form) {
    showTraits(form, "w1");
}
void w2_Click(FormHost& form) {
    showTraits(form, "w2");
}
void w3_Click(FormHost& form) {
    showTraits(form, "w3");
}
void w4_Click(FormHost& form) {
    showTraits(form, "w4");
}
void w5_Click(FormHost& form) {
    showTraits(form, "w5");
}
void w6_Click(FormHost& form) {
    showTraits(form, "w6");
}
void Command2_Click(FormHost& form) {
    form.setCaption("m", CreditText);
}
void Command1_Click(FormHost& form) {
    form.end();
}

namespace {
constexpr std::array<ClickBinding, 8> Bindings{{
    {"w1", &w1_Click},
    {"w2", &w2_Click},
    {"w3", &w3_Click},
    {"w4", &w4_Click},
    {"w5", &w5_Click},
    {"w6", &w6_Click},
    {"Command1", &Command1_Click},
    {"Command2", &Command2_Click},
}};
} // namespace

std::span<const ClickBinding> clickBindings() {
    return Bindings;
}

auto findClickProcedure(std::string_view control) -> void (*)(FormHost&) {
    for (const ClickBinding& binding : Bindings) {
        if (binding.control == control) {
            return binding.procedure;
        }
    }
    return nullptr;
}

} // namespace traits
