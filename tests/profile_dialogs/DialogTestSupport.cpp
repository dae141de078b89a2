#include "DialogTestSupport.h"

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <wx/tooltip.h>

#include "ModalDialogAnswerer.h"
#include "Pointer.h"

void ExpectRealModal(const std::function<void(wxDialog*)>& whileOpen) {
    ModalDialogAnswerer::Get().ExpectAny([whileOpen](wxDialog* dialog) {
        dialog->CallAfter([dialog, whileOpen] {
            RunEventLoopFor(50);
            whileOpen(dialog);
            if (dialog->IsModal())
                dialog->EndModal(wxID_ABORT);
        });
        return wxID_NONE;
    });
}

int RunModal(wxDialog& dialog, const std::function<void()>& whileOpen) {
    ExpectRealModal([whileOpen](wxDialog*) { whileOpen(); });
    return dialog.ShowModal();
}

void Click(wxWindow* button) {
    if (button == nullptr)
        return;
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
}

void Tick(wxCheckBox* box, bool checked) {
    if (box == nullptr)
        return;
    box->SetValue(checked);
    wxCommandEvent tick(wxEVT_CHECKBOX, box->GetId());
    tick.SetEventObject(box);
    tick.SetInt(checked ? 1 : 0);
    box->GetEventHandler()->ProcessEvent(tick);
}

void Pick(wxComboBox* combo, int position) {
    if (combo == nullptr)
        return;
    combo->SetSelection(position);
    wxCommandEvent pick(wxEVT_COMBOBOX, combo->GetId());
    pick.SetEventObject(combo);
    pick.SetInt(position);
    pick.SetString(combo->GetString(position));
    combo->GetEventHandler()->ProcessEvent(pick);
}

void Type(wxWindow* textField, const wxString& text) {
    if (auto* field = dynamic_cast<wxTextCtrl*>(textField))
        field->ChangeValue(text);
}

bool HasFocus(wxWindow* window) {
    RunEventLoopFor(30);
    return window != nullptr && wxWindow::FindFocus() == window;
}

wxString TipAt(wxWindow* window, const wxPoint& point, const wxString& tip) {
    Pointer::MoveTo(window, point);
    RunEventLoopUntil([&] { return window->GetToolTipText() == tip; }, 3000);
    return window->GetToolTipText();
}
