#ifndef TIDEWAVE_WIZARDHEADER_H
#define TIDEWAVE_WIZARDHEADER_H

#include <wx/bitmap.h>
#include <wx/font.h>
#include <wx/gdicmn.h>

// The parts the new-profile wizard's pages share: the header picture and
// the title font.
namespace WizardHeader {

// "pic/step1.png" scaled to `size`; a plain panel when it is missing.
wxBitmap Picture(const wxSize& size);
// 13-point bold "Arial" of the swiss family.
wxFont TitleFont();

}  // namespace WizardHeader

#endif
