#ifndef TIDEWAVE_MESHUSEOTHERSINTERNETDLG_H
#define TIDEWAVE_MESHUSEOTHERSINTERNETDLG_H

#include <vector>

#include <wx/dialog.h>
#include <wx/thread.h>

#include "MeshServerEntity.h"
#include "MeshServerObserver.h"

class wxButton;
class wxListCtrl;
class wxStaticBitmap;
class wxStaticText;

// "Mesh Client Mode": the mesh servers the mesh model holds, one row each.
// OK has the mesh commands join the selected server (the first row when none
// is selected) and hides the window; the hub makes it once, hidden, and the
// mesh model refreshes it on every change of its list.
class MeshUseOthersInternetDlg : public wxDialog, public MeshServerObserver {
public:
    static const long ID_STATICTEXT1;
    static const long ID_LISTCTRL1;
    static const long ID_BUTTON_REFRESH;
    static const long ID_BUTTON_OK;
    static const long ID_BUTTON_CANCEL;
    static const long ID_STATICBITMAP1;

    // Id, position and size are not used: the window has a fixed layout.
    MeshUseOthersInternetDlg(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
                             const wxSize& size = wxDefaultSize);
    ~MeshUseOthersInternetDlg() override;

    // Showing refreshes the list first.
    bool Show(bool show = true) override;
    // Rows from a copy of the model's list: host name, channel, "100%",
    // "Ready"; the servers selected before stay selected.  GUI thread.
    void RefreshList();

    // The model's change notice, on any thread: the refresh follows on the
    // GUI thread.
    void OnMeshServersChanged() override;

    // Hides the window as its Cancel button does.
    void Cancel();

private:
    void OnRefresh(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);

    wxButton* m_pRefresh;
    wxStaticBitmap* m_pPicture;
    wxButton* m_pOK;
    wxListCtrl* m_pList;
    wxStaticText* m_pText;
    wxButton* m_pCancel;
    std::vector<MeshServerEntity> m_servers;
    wxMutex m_refreshMutex;

    wxDECLARE_EVENT_TABLE();
};

#endif
