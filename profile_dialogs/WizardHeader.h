#ifndef TIDEWAVE_WIZARDHEADER_H
#define TIDEWAVE_WIZARDHEADER_H

#include <wx/bitmap.h>
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

// The parts the new-profile wizard's pages share: the header picture, the
// title font, and the help command that F1 gives on each page.
namespace WizardHeader {

// "pic/step1.png" scaled to `size`; a plain panel when it is missing.
wxBitmap Picture(const wxSize& size);
// 13-point bold "Arial" of the swiss family.
wxFont TitleFont();
// The command that would show page `pageLabel` of the user manual, when the
// manual is there; empty otherwise.  F1 on a page forms it and starts
// nothing.
wxString HelpCommand(int pageLabel);

}  // namespace WizardHeader

#endif
