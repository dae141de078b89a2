#include "WindowTestSupport.h"

#include <wx/control.h>
#include <wx/window.h>

#include "TWMApp.h"

// The windows reach the application object through wxGetApp().
wxApp* CreateTestApplication() { return new TWMApp; }

wxString TextOf(wxWindow* parent, const wxString& name) {
    wxWindow* child = parent != nullptr ? wxWindow::FindWindowByName(name, parent) : nullptr;
    EXPECT_NE(child, nullptr) << name.utf8_str();
    return child != nullptr ? wxControl::RemoveMnemonics(child->GetLabel()) : wxString();
}

void ClickAt(wxWindow* target, const wxPoint& pos, bool doubleClick) {
    const wxEventType types[] = {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_LEFT_DCLICK, wxEVT_LEFT_UP};
    const int count = doubleClick ? 4 : 2;
    for (int i = 0; i < count; ++i) {
        wxMouseEvent e(types[i]);
        e.SetPosition(pos);
        e.SetEventObject(target);
        e.SetId(target->GetId());
        e.m_leftDown = types[i] != wxEVT_LEFT_UP;
        target->GetEventHandler()->ProcessEvent(e);
    }
}
