#include "ProfileManagerHub.h"

#include "DataCenter.h"
#include "PolicyManager.h"
#include "ScanResultView.h"

namespace {

class HubOfTheProgram : public ProfileManagerHub {
public:
    ProfileManagementControl* Store() override { return DataCenter::GetInstance()->GetProfileManagementControl(); }
    bool CanMaintainProfiles() override {
        PolicyManager* policy = DataCenter::GetInstance()->GetPolicyManager();
        return policy == nullptr || policy->CanMaintainProfiles();
    }
    void CloseScanWindow() override {
        if (ScanResultView* scan = DataCenter::GetInstance()->GetScanWindowView())
            scan->CloseIfShown();
    }
};

ProfileManagerHub* g_installed = nullptr;

}  // namespace

ProfileManagerHub& ProfileManagerHub::Get() {
    static HubOfTheProgram program;
    return g_installed != nullptr ? *g_installed : program;
}

void ProfileManagerHub::Install(ProfileManagerHub* hub) { g_installed = hub; }
