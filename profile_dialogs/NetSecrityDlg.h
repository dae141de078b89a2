#ifndef TIDEWAVE_NETSECRITYDLG_H
#define TIDEWAVE_NETSECRITYDLG_H

#include <wx/dialog.h>

class wxButton;
class wxCheckBox;

// "Network Security": one check box, "Forbid sharing internet connection",
// for a profile's ForbidShareInternet value.  The caller ticks the box
// before the modal run and reads it after wxID_OK; the dialog stores
// nothing.
class NetSecrityDlg : public wxDialog {
public:
    static const long ID_CBINTERNET;
    static const long ID_BTNOK;
    static const long ID_BTNCANCEL;
    static const long ID_HELPCOMMAND;

    // The position and size are taken and not used: the dialog has its own.
    NetSecrityDlg(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                  const wxSize& size = wxDefaultSize);
    ~NetSecrityDlg() override;

    wxCheckBox* m_pInternetCheckBox;
    wxButton* m_pOKButton;
    wxButton* m_pCancelButton;

private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();
};

#endif
