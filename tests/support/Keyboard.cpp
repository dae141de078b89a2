#include "Keyboard.h"

#include <wx/toplevel.h>
#include <wx/uiaction.h>

#include "GuiTestSupport.h"

namespace Keyboard {

void Press(wxWindow* window, int key, int modifiers) {
    auto* top = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(window));
    if (top != nullptr) {
        top->Raise();
        EXPECT_TRUE(RunEventLoopUntil([top] { return top->IsActive(); }, 2000)) << top->GetTitle();
    }
    window->SetFocus();
    RunEventLoopFor(30);
    Press(key, modifiers);
}

void Press(int key, int modifiers) {
    wxUIActionSimulator keys;
    keys.Char(key, modifiers);
    RunEventLoopFor(50);
}

void Type(const wxString& text) {
    wxUIActionSimulator keys;
    keys.Text(text.utf8_str());
    RunEventLoopFor(50);
}

}  // namespace Keyboard
