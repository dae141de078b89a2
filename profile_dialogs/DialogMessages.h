#ifndef TIDEWAVE_DIALOGMESSAGES_H
#define TIDEWAVE_DIALOGMESSAGES_H

#include <wx/string.h>

class wxWindow;

// The message boxes of the profile dialogs.
namespace DialogMessages {

// An input fault or a refusal: "Message", OK, information icon.
void Tell(wxWindow* parent, const wxString& message);
// A question: "Confirm", Yes and No with No the default; true for Yes.
bool Ask(wxWindow* parent, const wxString& question);

}  // namespace DialogMessages

#endif
