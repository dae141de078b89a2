#ifndef TIDEWAVE_DATACENTEREDITPROFILEHUB_H
#define TIDEWAVE_DATACENTEREDITPROFILEHUB_H

#include "EditProfileHub.h"

// The edit dialog's questions answered by the network hub and the objects
// it owns; a part the hub does not have answers as if it had nothing to say
// against the user (scanning allowed, no name taken, no profile in use).
class DataCenterEditProfileHub : public EditProfileHub {
public:
    int GetNetworkMode() override;
    wxString GetCurrentProfileName() override;
    bool CanScanWireless() override;
    bool IsNameTaken(const wxString& name, const wxString& oldName) override;
    bool IsNameStored(const wxString& name) override;
    bool HasScanWindow() override;
    bool PickAccessPoint(APStatus* out) override;
};

#endif
