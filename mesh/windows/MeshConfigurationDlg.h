#ifndef TIDEWAVE_MESHCONFIGURATIONDLG_H
#define TIDEWAVE_MESHCONFIGURATIONDLG_H

#include <wx/dialog.h>

#include "MeshConfigurationEntity.h"
#include "XMLOperator.h"

class wxButton;
class wxPanel;
class wxStaticBitmap;
class wxStaticText;
class wxTextCtrl;

// "Mesh Network Configuration": this host's mesh host name, default channel
// and advertise interval.  OK stores them in the mesh configuration file and
// hands name and channel to the platform; Cancel changes nothing.
class MeshConfigurationDlg : public wxDialog {
public:
    static const long ID_STATICTEXT1;
    static const long ID_STATICTEXT2;
    static const long ID_STATICTEXT3;
    static const long ID_STATICTEXT4;
    static const long ID_STATICTEXT5;
    static const long ID_STATICTEXT6;
    static const long ID_STATICTEXT7;
    static const long ID_TEXTCTRL_LOCAL_HOST_NAME;
    static const long ID_TEXTCTRL_MESH_CHANNEL;
    static const long ID_TEXTCTRL_ADVERTISEMENT_TIME;
    static const long ID_BUTTON_OK;
    static const long ID_BUTTON_CANCEL;
    static const long ID_STATICBITMAP1;
    static const long ID_PANEL1;

    // The most characters the host-name field takes.
    static constexpr int kHostNameMaxLength = 24;

    // Id, position and size are not used: the window has a fixed layout.
    MeshConfigurationDlg(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
                         const wxSize& size = wxDefaultSize);
    ~MeshConfigurationDlg() override;

    // Checks the three fields; on the first failure shows its message, then
    // clears the field where the message says so and focuses it.
    bool ValidateInput();

private:
    void OnInit(wxInitDialogEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);

    wxPanel* m_pPanel;
    wxStaticText* m_pStaticText[7];
    wxTextCtrl* m_pHostName;
    wxTextCtrl* m_pChannel;
    wxTextCtrl* m_pAdvertiseTime;
    wxButton* m_pOK;
    wxButton* m_pCancel;
    wxStaticBitmap* m_pPicture;
    MeshConfigurationEntity m_entity;
    XMLOperator m_xmlOperator;

    wxDECLARE_EVENT_TABLE();
};

#endif
