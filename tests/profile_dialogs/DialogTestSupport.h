#ifndef TIDEWAVE_DIALOGTESTSUPPORT_H
#define TIDEWAVE_DIALOGTESTSUPPORT_H

#include <functional>

#include <wx/string.h>
#include <wx/window.h>

#include "GuiTestSupport.h"

class wxCheckBox;
class wxComboBox;
class wxDialog;

// The next modal dialog runs for real; `whileOpen` runs inside its modal
// loop once it shows.  A dialog still open afterwards is ended with
// wxID_ABORT, so a refusal reads as that result.
void ExpectRealModal(const std::function<void(wxDialog*)>& whileOpen);

// ExpectRealModal, then the dialog's ShowModal.
int RunModal(wxDialog& dialog, const std::function<void()>& whileOpen);

// The control of that window name under `top` (fails the test when there
// is none of that kind).
template <class T>
T* Named(wxWindow* top, const wxString& name) {
    T* control = dynamic_cast<T*>(wxWindow::FindWindowByName(name, top));
    EXPECT_NE(control, nullptr) << name.utf8_str();
    return control;
}

// What a user's click, tick, pick or typing sends.
void Click(wxWindow* button);
void Tick(wxCheckBox* box, bool checked);
void Pick(wxComboBox* combo, int position);
void Type(wxWindow* textField, const wxString& text);

// The window with the keyboard focus is `window`.
bool HasFocus(wxWindow* window);

// Moves the pointer, as a mouse does, onto `point` of `window`'s client
// area and waits until the window's tooltip reads `tip` (empty: none);
// what it reads then.
wxString TipAt(wxWindow* window, const wxPoint& point, const wxString& tip);

#endif
