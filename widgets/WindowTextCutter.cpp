#include "WindowTextCutter.h"

#include <gtk/gtk.h>
#include <pango/pangocairo.h>

#include <wx/window.h>

#include "WindowTextCut.h"

WindowTextCutter::WindowTextCutter(wxWindow& window)
    : m_window(window), m_measure(Current()), m_bound([&window](const std::string& part) {
          return window.GetTextExtent(wxString::FromUTF8(part)).GetWidth();
      }) {}

WindowTextCutter::~WindowTextCutter() {
    if (m_handler != 0)
        g_signal_handler_disconnect(m_window.GetHandle(), m_handler);
}

// The toolkit lays a window's text out for the resolution of the window's
// own text context, which follows the desktop's setting.
WindowTextCutter::Measure WindowTextCutter::Current() const {
    Measure measure;
    measure.font = m_window.GetFont();
    if (GtkWidget* widget = m_window.GetHandle())
        measure.resolution = pango_cairo_context_get_resolution(gtk_widget_get_pango_context(widget));
    return measure;
}

wxString WindowTextCutter::Middle(const wxString& text, int width) {
    const Measure measure = Current();
    if (measure != m_measure) {
        m_bound.Forget();
        m_measure = measure;
    }
    const wxScopedCharBuffer utf8 = text.utf8_str();
    if (m_bound.SurelyFits(std::string_view(utf8.data(), utf8.length()), width))
        return text;
    return WindowTextCut::Middle(m_window, text, width);
}

// A change of the desktop's text scaling or theme restyles every widget.
void WindowTextCutter::OnMeasureChange(std::function<void()> changed) {
    m_changed = std::move(changed);
    if (m_handler == 0 && m_window.GetHandle() != nullptr)
        m_handler = g_signal_connect(m_window.GetHandle(), "style-updated", G_CALLBACK(StyleUpdated), this);
}

void WindowTextCutter::StyleUpdated(void*, WindowTextCutter* self) {
    if (self->m_changed && self->Current() != self->m_measure)
        self->m_window.CallAfter(self->m_changed);
}
