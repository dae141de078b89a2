#include "ProfileDialogsHub.h"

#include "DataCenter.h"
#include "PolicyManager.h"

namespace {

class HubOfTheProgram : public ProfileDialogsHub {
public:
    ProfileManagementControl* Store() override { return DataCenter::GetInstance()->GetProfileManagementControl(); }
    bool CanMaintainProfiles() override {
        PolicyManager* policy = DataCenter::GetInstance()->GetPolicyManager();
        return policy == nullptr || policy->CanMaintainProfiles();
    }
    bool CanScanWireless() override {
        PolicyManager* policy = DataCenter::GetInstance()->GetPolicyManager();
        return policy == nullptr || policy->CanScanWireless();
    }
    int NetworkMode() override { return DataCenter::GetInstance()->GetNetworkMode(); }
    ScanResultView* ScanWindow() override { return DataCenter::GetInstance()->GetScanWindowView(); }
    ProfileManagerView* Manager() override { return DataCenter::GetInstance()->GetProfileManagerView(); }
};

ProfileDialogsHub* g_installed = nullptr;

}  // namespace

ProfileDialogsHub& ProfileDialogsHub::Get() {
    static HubOfTheProgram program;
    return g_installed != nullptr ? *g_installed : program;
}

void ProfileDialogsHub::Install(ProfileDialogsHub* hub) { g_installed = hub; }
