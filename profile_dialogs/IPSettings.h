#ifndef TIDEWAVE_IPSETTINGS_H
#define TIDEWAVE_IPSETTINGS_H

#include <wx/dialog.h>

class wxButton;
class wxPanel;
class wxStaticText;
class wxTextCtrl;

// "IP Settings": a profile's fixed IPv4 address, subnet mask, gateway and
// DNS server.  Its four text fields are its values: the owner writes them
// before the modal run and reads them after wxID_OK, which OK gives only
// when the four texts pass the IP rules.
class IPSettings : public wxDialog {
public:
    static const long ID_TCIP;
    static const long ID_TCSM;
    static const long ID_TCGA;
    static const long ID_BUTTONCANCEL;
    static const long ID_BUTTONOK;
    static const long ID_TCDNS;
    static const long ID_STIP;
    static const long ID_STSM;
    static const long ID_STGA;
    static const long ID_STDNS;
    static const long ID_PANEL1;
    static const long ID_HELPCOMMAND;

    explicit IPSettings(wxWindow* parent);
    ~IPSettings() override;

    // The four fields, for the owner to preset and read.
    wxTextCtrl* TCIP;
    wxTextCtrl* TCSM;
    wxTextCtrl* TCGA;
    wxTextCtrl* TCDNS;

private:
    wxPanel* m_panel;
    wxStaticText* m_ipLabel;
    wxStaticText* m_maskLabel;
    wxStaticText* m_gatewayLabel;
    wxStaticText* m_dnsLabel;
    wxButton* m_okButton;
    wxButton* m_cancelButton;

    void OnInitDialog(wxInitDialogEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();
};

#endif
