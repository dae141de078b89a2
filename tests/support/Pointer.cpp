#include "Pointer.h"

#include <gtk/gtk.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "GuiTestSupport.h"

// Last: the X headers' macros would clash with names of the others.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <gdk/gdkx.h>

namespace Pointer {

namespace {

// The first shown label inside `widget`: a tooltip window's text.
GtkLabel* ShownLabel(GtkWidget* widget) {
    if (!gtk_widget_get_visible(widget))
        return nullptr;
    if (GTK_IS_LABEL(widget))
        return GTK_LABEL(widget);
    GtkLabel* found = nullptr;
    if (GTK_IS_CONTAINER(widget)) {
        GList* children = gtk_container_get_children(GTK_CONTAINER(widget));
        for (GList* c = children; c != nullptr && found == nullptr; c = c->next)
            found = ShownLabel(GTK_WIDGET(c->data));
        g_list_free(children);
    }
    return found;
}

// The shown tooltip window with its label; null while none shows.
GtkWidget* ShownTooltip(GtkLabel** label) {
    GtkWidget* shown = nullptr;
    GList* toplevels = gtk_window_list_toplevels();
    for (GList* t = toplevels; t != nullptr && shown == nullptr; t = t->next) {
        GtkWidget* widget = GTK_WIDGET(t->data);
        if (!GTK_IS_WINDOW(widget) || !gtk_widget_get_mapped(widget) ||
            gtk_window_get_window_type(GTK_WINDOW(widget)) != GTK_WINDOW_POPUP ||
            gtk_window_get_type_hint(GTK_WINDOW(widget)) != GDK_WINDOW_TYPE_HINT_TOOLTIP)
            continue;
        if ((*label = ShownLabel(widget)) != nullptr)
            shown = widget;
    }
    g_list_free(toplevels);
    return shown;
}

}  // namespace

bool MoveTo(wxWindow* window, const wxPoint& at) {
    const wxPoint target = window->ClientToScreen(at);
    wxUIActionSimulator pointer;
    pointer.MouseMove(target);
    return RunEventLoopUntil([&] { return wxGetMousePosition() == target; });
}

bool Click(wxWindow* window, const wxPoint& at, bool doubleClick) {
    if (!MoveTo(window, at))
        return false;
    wxUIActionSimulator pointer;
    if (doubleClick)
        pointer.MouseDblClick();
    else
        pointer.MouseClick();
    RunEventLoopFor(50);
    return true;
}

bool Turn(wxWindow* window, const wxPoint& at, Wheel turn, bool shift) {
    if (!MoveTo(window, at))
        return false;
    Display* display = GDK_DISPLAY_XDISPLAY(gdk_display_get_default());
    const KeyCode shiftKey = XKeysymToKeycode(display, XK_Shift_L);
    if (shift)
        XTestFakeKeyEvent(display, shiftKey, True, CurrentTime);
    XTestFakeButtonEvent(display, static_cast<unsigned>(turn), True, CurrentTime);
    XTestFakeButtonEvent(display, static_cast<unsigned>(turn), False, CurrentTime);
    if (shift)
        XTestFakeKeyEvent(display, shiftKey, False, CurrentTime);
    XSync(display, False);
    RunEventLoopFor(50);
    return true;
}

wxString Tooltip() {
    GtkLabel* label = nullptr;
    return ShownTooltip(&label) != nullptr ? wxString::FromUTF8(gtk_label_get_text(label)) : wxString();
}

wxRect TooltipRect() {
    GtkLabel* label = nullptr;
    GtkWidget* shown = ShownTooltip(&label);
    if (shown == nullptr)
        return wxRect();
    int x = 0, y = 0;
    gdk_window_get_origin(gtk_widget_get_window(shown), &x, &y);
    return wxRect(x, y, gtk_widget_get_allocated_width(shown), gtk_widget_get_allocated_height(shown));
}

bool MenuShown() {
    bool shown = false;
    GList* toplevels = gtk_window_list_toplevels();
    for (GList* t = toplevels; t != nullptr && !shown; t = t->next) {
        GtkWidget* widget = GTK_WIDGET(t->data);
        shown = GTK_IS_WINDOW(widget) && gtk_widget_get_mapped(widget) &&
                gtk_window_get_window_type(GTK_WINDOW(widget)) == GTK_WINDOW_POPUP &&
                GTK_IS_MENU(gtk_bin_get_child(GTK_BIN(widget)));
    }
    g_list_free(toplevels);
    return shown;
}

wxString WaitForTooltip(const wxString& text, int timeoutMs) {
    wxString shown;
    RunEventLoopUntil([&] { return (shown = Tooltip()) == text; }, timeoutMs);
    return shown;
}

}  // namespace Pointer
