#include "DataCenterEditProfileHub.h"

#include <vector>

#include "DataCenter.h"
#include "PolicyManager.h"
#include "ProfileManagementControl.h"
#include "ProfileManagerView.h"
#include "ScanResultView.h"
#include "TWMUtil.h"

namespace {

EditProfileHub* g_installed = nullptr;

}  // namespace

EditProfileHub& EditProfileHub::Current() {
    static DataCenterEditProfileHub hub;
    return g_installed != nullptr ? *g_installed : hub;
}

void EditProfileHub::Install(EditProfileHub* hub) { g_installed = hub; }

int DataCenterEditProfileHub::GetNetworkMode() { return DataCenter::GetInstance()->GetNetworkMode(); }

wxString DataCenterEditProfileHub::GetCurrentProfileName() {
    ProfileManagementControl* store = DataCenter::GetInstance()->GetProfileManagementControl();
    return store != nullptr ? store->GetCurrentProfileName() : wxString();
}

bool DataCenterEditProfileHub::CanScanWireless() {
    PolicyManager* policy = DataCenter::GetInstance()->GetPolicyManager();
    return policy == nullptr || policy->CanScanWireless();
}

bool DataCenterEditProfileHub::IsNameTaken(const wxString& name, const wxString& oldName) {
    ProfileManagerView* manager = DataCenter::GetInstance()->GetProfileManagerView();
    return manager != nullptr && manager->IsNameTaken(name, oldName);
}

bool DataCenterEditProfileHub::IsNameStored(const wxString& name) {
    ProfileManagementControl* store = DataCenter::GetInstance()->GetProfileManagementControl();
    if (store == nullptr)
        return false;
    std::vector<ProfileList_t> list;
    const bool admin = TWMUtil::IsAdmin();
    if (!store->GetProfileList(list, admin, true))
        store->GetProfileList(list, admin, false);  // the lists as last read
    for (const ProfileList_t& profile : list) {
        if (TWMUtil::StdStringToWxString(profile.name) == name)
            return true;
    }
    return false;
}

bool DataCenterEditProfileHub::HasScanWindow() { return DataCenter::GetInstance()->GetScanWindowView() != nullptr; }

bool DataCenterEditProfileHub::PickAccessPoint(APStatus* out) {
    ScanResultView* scan = DataCenter::GetInstance()->GetScanWindowView();
    return scan != nullptr && scan->PickAccessPoint(out);
}
