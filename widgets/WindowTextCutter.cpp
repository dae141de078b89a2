#include "WindowTextCutter.h"

#include <wx/window.h>

#include "WindowTextCut.h"

WindowTextCutter::WindowTextCutter(const wxWindow& window)
    : m_window(window), m_bound([&window](const std::string& part) {
          return window.GetTextExtent(wxString::FromUTF8(part)).GetWidth();
      }) {}

wxString WindowTextCutter::Middle(const wxString& text, int width) {
    const wxFont font = m_window.GetFont();
    if (font != m_font) {
        m_bound.Forget();
        m_font = font;
    }
    const wxScopedCharBuffer utf8 = text.utf8_str();
    if (m_bound.SurelyFits(std::string_view(utf8.data(), utf8.length()), width))
        return text;
    return WindowTextCut::Middle(m_window, text, width);
}
