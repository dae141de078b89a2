#ifndef TIDEWAVE_FAKEEDITPROFILEHUB_H
#define TIDEWAVE_FAKEEDITPROFILEHUB_H

#include <set>

#include "ApStatusUtil.h"
#include "EditProfileHub.h"

// The edit dialog's view of the program, as a test sets it up.
class FakeEditProfileHub : public EditProfileHub {
public:
    int mode = 2;
    wxString currentProfile;
    bool canScan = true;
    std::set<wxString> managerNames;  // the profile manager's working list
    std::set<wxString> storedNames;
    bool scanWindow = true;
    bool pickResult = false;
    APStatus picked = ApStatusUtil::MakeWithSsid("");
    int picks = 0;

    int GetNetworkMode() override { return mode; }
    wxString GetCurrentProfileName() override { return currentProfile; }
    bool CanScanWireless() override { return canScan; }
    bool IsNameTaken(const wxString& name, const wxString& oldName) override {
        return managerNames.count(name) > 0 && (oldName.empty() || name != oldName);
    }
    bool IsNameStored(const wxString& name) override { return storedNames.count(name) > 0; }
    bool HasScanWindow() override { return scanWindow; }
    bool PickAccessPoint(APStatus* out) override {
        ++picks;
        if (pickResult)
            *out = picked;
        return pickResult;
    }
};

#endif
