// The click procedures of Form1. They reach the window only through FormHost,
// so they run the same behind any front end, or behind none in a test.
#pragma once

#include <span>
#include <string_view>

namespace traits {

// What the procedures need of the window.
class FormHost {
public:
    virtual ~FormHost() = default;
    // Replaces the whole text of the named control (the procedures name `m`).
    virtual void setCaption(std::string_view control, std::u16string_view text) = 0;
    // Ends the program at once; no further procedure may run afterwards.
    virtual void end() = 0;
};

void w1_Click(FormHost& form);
void w2_Click(FormHost& form);
void w3_Click(FormHost& form);
void w4_Click(FormHost& form);
void w5_Click(FormHost& form);
void w6_Click(FormHost& form);
void Command1_Click(FormHost& form);
void Command2_Click(FormHost& form);

// A run time binds clicks by control name, as the window description names them.
struct ClickBinding {
    std::string_view control;
    void (*procedure)(FormHost&);
};

std::span<const ClickBinding> clickBindings();

// The procedure bound to a control's click, or null where the control has none.
auto findClickProcedure(std::string_view control) -> void (*)(FormHost&);

} // namespace traits
