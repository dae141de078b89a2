#ifndef TIDEWAVE_IPDLG_H
#define TIDEWAVE_IPDLG_H

#include <wx/dialog.h>

class wxButton;
class wxPanel;
class wxStaticText;
class wxTextCtrl;

// Asks for one IP address as free text.  OK (or Enter) stores the text as
// typed in m_strIP and ends with wxID_OK; nothing is checked here.
class IPDlg : public wxDialog {
public:
    static const long ID_STATICTEXT1;
    static const long ID_TEXTCTRL1;
    static const long ID_BUTTON1;
    static const long ID_PANEL1;

    IPDlg(wxWindow* parent, wxWindowID id = wxID_ANY);
    ~IPDlg() override;

    wxString m_strIP;

private:
    void OnOK(wxCommandEvent& event);

    wxButton* m_pOK;
    wxPanel* m_pPanel;
    wxStaticText* m_pLabel;
    wxTextCtrl* m_pText;

    wxDECLARE_EVENT_TABLE();
};

#endif
