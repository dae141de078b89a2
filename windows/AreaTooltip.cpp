#include "AreaTooltip.h"

#include <gtk/gtk.h>
#include <wx/window.h>

namespace {

// Where the widget's own coordinates start on the screen.
wxPoint ScreenOrigin(GtkWidget* widget) {
    GdkWindow* window = gtk_widget_get_window(widget);
    if (window == nullptr)
        return wxPoint();
    int x = 0, y = 0;
    gdk_window_get_origin(window, &x, &y);
    if (!gtk_widget_get_has_window(widget)) {
        // Drawn on its parent's window, at its allocation.
        GtkAllocation allocation;
        gtk_widget_get_allocation(widget, &allocation);
        x += allocation.x;
        y += allocation.y;
    }
    return wxPoint(x, y);
}

gboolean OnQueryTooltip(GtkWidget*, gint x, gint y, gboolean, GtkTooltip* tooltip, gpointer data) {
    wxRect area;
    const wxString text = static_cast<AreaTooltip*>(data)->TextAt(wxPoint(x, y), &area);
    if (text.empty())
        return FALSE;
    gtk_tooltip_set_text(tooltip, text.utf8_str());
    const GdkRectangle tipArea = {area.x, area.y, area.width, area.height};
    gtk_tooltip_set_tip_area(tooltip, &tipArea);
    return TRUE;
}

}  // namespace

AreaTooltip::AreaTooltip(wxWindow& window, Lookup lookup) : m_window(window), m_lookup(std::move(lookup)) {
    GtkWidget* widget = m_window.GetHandle();
    gtk_widget_set_has_tooltip(widget, TRUE);
    m_handler = g_signal_connect(widget, "query-tooltip", G_CALLBACK(OnQueryTooltip), this);
}

AreaTooltip::~AreaTooltip() { g_signal_handler_disconnect(m_window.GetHandle(), m_handler); }

void AreaTooltip::Requery() { gtk_widget_trigger_tooltip_query(m_window.GetHandle()); }

void AreaTooltip::Follow(const wxPoint& at) {
    if (!m_area.IsEmpty() && !m_area.Contains(at))
        Requery();
}

wxString AreaTooltip::TextAt(const wxPoint& widgetPoint, wxRect* widgetArea) {
    const wxPoint origin = ScreenOrigin(m_window.GetHandle());
    wxRect area;
    const wxString text = m_lookup(origin + widgetPoint, &area);
    m_area = text.empty() ? wxRect() : area;
    *widgetArea = wxRect(area.GetPosition() - origin, area.GetSize());
    return text;
}
