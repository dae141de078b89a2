#ifndef TIDEWAVE_PROXYSETTINGS_H
#define TIDEWAVE_PROXYSETTINGS_H

#include <wx/dialog.h>

class wxButton;
class wxPanel;
class wxStaticBox;
class wxStaticText;
class wxTextCtrl;

// "Proxy Settings": a profile's proxy address and port.  The two text
// fields are its values: the owner writes them before the modal run and
// reads them after wxID_OK, which OK gives only when both pass the proxy
// rules.
class ProxySettings : public wxDialog {
public:
    static const long ID_TCPROXY;
    static const long ID_TCPORT;
    static const long ID_BUTTONCANCEL;
    static const long ID_BUTTONOK;
    static const long ID_STPROXY;
    static const long ID_STPORT;
    static const long ID_STATICBOX_PROXYSERVER;
    static const long ID_PANEL1;
    static const long ID_HELPCOMMAND;

    explicit ProxySettings(wxWindow* parent);
    ~ProxySettings() override;

    wxTextCtrl* m_tcProxy;
    wxTextCtrl* m_tcPort;

private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);

    wxButton* m_okButton;
    wxStaticText* m_portLabel;
    wxPanel* m_panel;
    wxStaticBox* m_frame;
    wxButton* m_cancelButton;
    wxStaticText* m_proxyLabel;

    wxDECLARE_EVENT_TABLE();
};

#endif
