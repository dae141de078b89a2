#ifndef TIDEWAVE_SSIDINPUTDIALOG_H
#define TIDEWAVE_SSIDINPUTDIALOG_H

#include <wx/dialog.h>

class wxTextCtrl;

// Asks the network name (SSID) of an access point that does not broadcast
// one.  OK refuses an empty name, a name with one of the characters the
// profile names refuse, and a name longer than an SSID's 32 bytes.
class SsidInputDialog : public wxDialog {
public:
    enum { MAX_SSID_LENGTH = 32 };

    explicit SsidInputDialog(wxWindow* parent);
    ~SsidInputDialog() override;

    // The name exactly as typed after OK; empty after Cancel or a close.
    wxString GetSSID() const { return m_strSSID; }

    void OnButton(wxCommandEvent& event);

private:
    void Refuse(const wxString& message);

    wxTextCtrl* m_pSsidText;
    wxString m_strSSID;

    wxDECLARE_EVENT_TABLE();
};

#endif
