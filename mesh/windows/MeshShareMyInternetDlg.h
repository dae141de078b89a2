#ifndef TIDEWAVE_MESHSHAREMYINTERNETDLG_H
#define TIDEWAVE_MESHSHAREMYINTERNETDLG_H

#include <vector>

#include <wx/dialog.h>

#include "InternetStateEntity.h"

class wxButton;
class wxListCtrl;
class wxPanel;
class wxStaticBitmap;
class wxStaticText;

// "Mesh Server Mode": lists the interfaces that can be shared, asks for
// confirmation and has the mesh commands make this machine the mesh server on
// the chosen one.  It ends with wxID_OK only when that worked, and with
// wxID_CANCEL on every other ending, the close box included.  An interface
// whose name begins with "ra" first brings up the scan window to connect;
// without a scan window it is not shared and the dialog stays open.  Any
// other is refused before the confirmation, and the dialog stays open, while
// this machine has no IPv4 address to announce.  The list takes one row.
class MeshShareMyInternetDlg : public wxDialog {
public:
    static const long ID_LISTCTRL;
    static const long ID_STATICTEXT1;
    static const long ID_BUTTON_REFRESH;
    static const long ID_BUTTON_OK;
    static const long ID_BUTTON_CANCEL;
    static const long ID_STATICBITMAP1;
    static const long ID_PANEL1;

    // Id, position and size are not used: the window has a fixed layout.
    MeshShareMyInternetDlg(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
                           const wxSize& size = wxDefaultSize);
    ~MeshShareMyInternetDlg() override;

    // Lists the interfaces afresh and selects the first.
    void DrawList();

private:
    void OnRefresh(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);

    wxButton* m_pRefresh;
    wxStaticBitmap* m_pPicture;
    wxButton* m_pOK;
    wxListCtrl* m_pList;
    wxPanel* m_pPanel;
    wxStaticText* m_pText;
    wxButton* m_pCancel;
    std::vector<InternetStateEntity> m_interfaces;

    wxDECLARE_EVENT_TABLE();
};

#endif
