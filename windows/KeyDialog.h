#ifndef TIDEWAVE_KEYDIALOG_H
#define TIDEWAVE_KEYDIALOG_H

#include <wx/dialog.h>

class wxComboBox;
class wxTextCtrl;

// Asks the key of a protected network, and for WEP its key index, before
// the scan window connects to it.  OK needs a key; nothing else is checked.
class KeyDialog : public wxDialog {
public:
    // A WPA-PSK passphrase has up to 63 characters, its hexadecimal form 64.
    enum { MAX_KEY_LENGTH = 64 };

    KeyDialog(wxWindow* parent, bool isWEP);
    ~KeyDialog() override;

    // The key exactly as typed after OK; empty after Cancel or a close.
    wxString GetKey() const { return m_key; }
    // The chosen key index, 1 to 4.
    long GetKeyIndex() const;

    void OnButton(wxCommandEvent& event);

private:
    wxComboBox* m_pKeyIndexCombo;
    wxTextCtrl* m_pKeyText;
    wxString m_key;

    wxDECLARE_EVENT_TABLE();
};

#endif
