#ifndef TIDEWAVE_NETWORKSTATUSVIEW_H
#define TIDEWAVE_NETWORKSTATUSVIEW_H

#include "MeshStatus.h"

// The part of the main window the hub's status check calls directly.
class NetworkStatusView {
public:
    virtual ~NetworkStatusView() = default;
    virtual void UpdateNetworkStatus(int mode, const MeshStatus& status) = 0;
    // The commands of a mode, after the profile store was told of it.
    virtual void UpdateControls(int mode) = 0;
    virtual bool IsApplyingProfile() = 0;
    // The busy notice "Applying profile <name>..." (the tray's profile pick).
    virtual void ShowApplyingProfile(const wxString& name, bool show) = 0;
    // Refills the profile switcher (after a settings import).
    virtual void RefreshProfileCombo() = 0;
};

#endif
