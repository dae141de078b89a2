#include "WindowTestSupport.h"

#include <wx/button.h>
#include <wx/control.h>
#include <wx/dialog.h>
#include <wx/window.h>

#include "ModalDialogAnswerer.h"

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

void RunWhenShown(std::function<void(wxDialog*)> whileOpen) {
    ModalDialogAnswerer::Get().ExpectAny([whileOpen](wxDialog* dialog) {
        dialog->CallAfter([dialog, whileOpen] {
            whileOpen(dialog);
            dialog->CallAfter([dialog] {
                if (dialog->IsModal()) {
                    ADD_FAILURE() << "dialog left open: " << dialog->GetTitle().utf8_str();
                    dialog->EndModal(wxID_CANCEL);
                }
            });
        });
        return wxID_NONE;  // the dialog runs for real
    });
}

namespace {
void Click(wxWindow* button) {
    ASSERT_NE(button, nullptr);
    wxCommandEvent e(wxEVT_BUTTON, button->GetId());
    e.SetEventObject(button);
    button->ProcessWindowEvent(e);
}
}  // namespace

void ClickButton(wxWindow* parent, wxWindowID id) { Click(parent->FindWindow(id)); }

void ClickButton(wxWindow* parent, const wxString& name) { Click(wxWindow::FindWindowByName(name, parent)); }
