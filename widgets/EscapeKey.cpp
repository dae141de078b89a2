#include "EscapeKey.h"

#include <gtk/gtk.h>
#include <wx/event.h>
#include <wx/toplevel.h>

namespace {

// An open menu or drop-down list of the window holds the grab of the
// window's group (a modal window holds it itself).  A menu of the menu bar
// hands a key it has no use for to the bar, and so to the window, as the
// window's own: such an Escape is the menu's.
bool PopupOpen(wxTopLevelWindow* window) {
    GtkWidget* top = window->GetHandle();
    GtkWidget* grab = gtk_window_group_get_current_grab(gtk_window_get_group(GTK_WINDOW(top)));
    return grab != nullptr && gtk_widget_get_toplevel(grab) != top;
}

}  // namespace

void EscapeKey::ClosesWindow(wxTopLevelWindow* window) {
    window->Bind(wxEVT_CHAR_HOOK, [window](wxKeyEvent& event) {
        if (event.GetKeyCode() != WXK_ESCAPE || event.GetModifiers() != wxMOD_NONE || PopupOpen(window)) {
            event.Skip();
            return;
        }
        window->Close();
    });
}
