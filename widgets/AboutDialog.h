#ifndef TIDEWAVE_ABOUTDIALOG_H
#define TIDEWAVE_ABOUTDIALOG_H

#include <wx/dialog.h>

// The About box: the program's picture, name and version and an OK button.
// Its opener shows it modal and destroys it afterwards.
class AboutDialog : public wxDialog {
public:
    AboutDialog(wxWindow* parent, wxWindowID id);
    ~AboutDialog() override;
};

#endif
