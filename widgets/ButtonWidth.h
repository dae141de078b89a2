#ifndef TIDEWAVE_BUTTONWIDTH_H
#define TIDEWAVE_BUTTONWIDTH_H

#include <initializer_list>

#include <wx/string.h>

class wxButton;

// The width a button needs to show the longest of the captions it takes in
// turn (a Connect button that also reads "Disconnect"), at least its
// present width.  Leaves the button's caption as it found it.
int ButtonWidthFor(wxButton* button, std::initializer_list<wxString> captions);

#endif
