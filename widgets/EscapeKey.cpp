#include "EscapeKey.h"

#include <wx/event.h>
#include <wx/toplevel.h>

void EscapeKey::ClosesWindow(wxTopLevelWindow* window) {
    window->Bind(wxEVT_CHAR_HOOK, [window](wxKeyEvent& event) {
        if (event.GetKeyCode() != WXK_ESCAPE || event.GetModifiers() != wxMOD_NONE) {
            event.Skip();
            return;
        }
        window->Close();
    });
}
