#include "TrayMeshHooks.h"

#include <wx/msgdlg.h>

#include "DataCenter.h"
#include "MeshShareMyInternetDlg.h"
#include "MeshUseOthersInternetDlg.h"
#include "PolicyManager.h"
#include "TWMApp.h"
#include "TWMTaskTray.h"

MeshStateMachine::Hooks TrayMeshHooks::Make(TWMApp& app) {
    MeshStateMachine::Hooks hooks;
    hooks.getStatus = [&app] { return app.m_nMeshStatus; };
    hooks.setStatus = [&app](int status) { app.m_nMeshStatus = status; };
    hooks.requestPublish = [&app] { app.StartPublishTimer(); };
    hooks.requestBrowse = [&app] { app.StartBrowseTimer(); };
    hooks.canUseMesh = [] {
        PolicyManager* policy = DataCenter::GetInstance()->GetPolicyManager();
        return policy == nullptr || policy->CanUseMesh();
    };
    hooks.applyIdle = &TWMTaskTray::NoTrayApplyPending;
    hooks.showMessage = [](const wxString& text, bool exclamation) {
        wxMessageBox(text, _("Message"), wxOK | (exclamation ? wxICON_EXCLAMATION : wxICON_INFORMATION));
    };
    hooks.runShareDialog = [] {
        MeshShareMyInternetDlg dlg(nullptr, wxID_ANY, wxDefaultPosition, wxDefaultSize);
        return dlg.ShowModal() == wxID_OK;
    };
    hooks.clientDialog = []() -> MeshServerObserver* {
        return DataCenter::GetInstance()->GetMeshUseOthersInternetDlg();
    };
    hooks.showClientDialog = [] {
        if (MeshUseOthersInternetDlg* dlg = DataCenter::GetInstance()->GetMeshUseOthersInternetDlg()) {
            dlg->Show(true);
            dlg->Raise();
        }
    };
    hooks.cancelClientDialog = [] {
        if (MeshUseOthersInternetDlg* dlg = DataCenter::GetInstance()->GetMeshUseOthersInternetDlg())
            dlg->Cancel();
    };
    return hooks;
}
