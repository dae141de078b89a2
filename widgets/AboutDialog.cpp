#include "AboutDialog.h"

#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "CustomStaticText.h"
#include "PictureLoader.h"

#ifndef TIDEWAVE_VERSION
#error "TIDEWAVE_VERSION must be defined by the build"
#endif

AboutDialog::AboutDialog(wxWindow* parent, wxWindowID id)
    : wxDialog(parent, id, _("About Tidewave"), wxDefaultPosition, wxSize(360, 190),
               wxDEFAULT_DIALOG_STYLE) {
    SetClientSize(360, 170);
    const wxBitmap logo = PictureLoader::Load("pic/about.png");
    new wxStaticBitmap(this, wxID_ANY, logo, wxPoint(20, 20), wxSize(64, 64));

    auto* name = new CustomStaticText(this, wxID_ANY, "Tidewave", wxPoint(104, 22));
    wxFont big = name->GetFont();
    big.SetPointSize(16);
    big.SetWeight(wxFONTWEIGHT_BOLD);
    name->SetFont(big);
    name->SetForegroundColour(wxColour(20, 80, 190));

    new wxStaticText(this, wxID_ANY, wxString::Format(_("Version %s"), TIDEWAVE_VERSION),
                     wxPoint(104, 56));
    new wxStaticText(this, wxID_ANY, _("Network connection manager"), wxPoint(104, 78));

    auto* ok = new wxButton(this, wxID_OK, _("OK"), wxPoint(260, 124), wxSize(80, 30));
    ok->SetDefault();
    SetEscapeId(wxID_OK);
    Centre(wxBOTH);
}

AboutDialog::~AboutDialog() = default;
