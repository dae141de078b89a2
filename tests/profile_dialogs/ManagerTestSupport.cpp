#include "ManagerTestSupport.h"

#include <wx/bmpbuttn.h>
#include <wx/imaglist.h>
#include <wx/menu.h>

#include "ModalDialogAnswerer.h"
#include "ProfileFile.h"
#include "ProfileListImages.h"
#include "ProfileManagerDlg.h"
#include "ProgramFolder.h"
#include "TWMUtil.h"
#include "TestEnvironment.h"
#include "TestTree.h"
#include "WindowTextCut.h"
#include "wxCheckedListCtrl.h"

void ProfileDialogsTest::SetUp() {
    TestEnvironment::ResetFolders();
    TWMUtil::OverrideUserIdForTesting("pupil");
    ProgramFolder::Set(std::string(TIDEWAVE_PICTURE_DIR) + "/..");
    hub.store = std::make_unique<ProfileManagementControl>();
    ProfileManagerHub::Install(&hub);
    EditProfileHub::Install(&hub);
}

void ProfileDialogsTest::TearDown() {
    if (m_manager != nullptr)
        m_manager->wxFrame::Destroy();  // its own Destroy only hides it
    GuiTest::TearDown();
    ProfileManagerHub::Install(nullptr);
    EditProfileHub::Install(nullptr);
    ProfileManagerDlg::SetChoosers(nullptr, nullptr);
    TWMUtil::OverrideUserIdForTesting(wxString());
}

ProfileList_t ProfileDialogsTest::Profile(const std::string& name, const std::string& permission,
                                          const std::string& priority) {
    ProfileList_t p;
    p.name = name;
    p.permission = permission;
    p.priority = priority;
    p.icon = "1";
    p.show = "1";
    p.GenernalSet.ConnecType = "wireless";
    p.WirelessSet.SSID = name + "-net";
    p.WirelessSet.WlanSecurity = "none";
    return p;
}

void ProfileDialogsTest::Place(const std::string& folder, const ProfileList_t& profile) {
    TestTree::MakeDirs(folder, 0755);
    ASSERT_TRUE(ProfileFile::Write(profile, folder, 0644, true));
}

bool ProfileDialogsTest::Stored(const std::string& folder, const std::string& name) {
    return TestTree::Exists(ProfileFile::PathFor(folder, name));
}

ProfileManagerDlg* ProfileDialogsTest::Manager() {
    if (m_manager == nullptr) {
        m_manager = new ProfileManagerDlg(nullptr, -1);
        hub.manager = m_manager;
    }
    return m_manager;
}

wxMenuItem* MenuItem(ProfileManagerDlg* manager, const wxString& label) {
    wxMenuBar* bar = manager->GetMenuBar();
    for (size_t i = 0; i < bar->GetMenuCount(); ++i) {
        for (wxMenuItem* item : bar->GetMenu(i)->GetMenuItems()) {
            if (item->GetItemLabel() == label)
                return item;
        }
    }
    ADD_FAILURE() << "no menu item " << label.utf8_str();
    return nullptr;
}

wxWindow* MoveButton(ProfileManagerDlg* manager, bool up) {
    wxWindow* panel = wxWindow::FindWindowByName("ID_PROFILEPANEL", manager);
    for (wxWindow* child : panel->GetChildren()) {
        if (dynamic_cast<wxBitmapButton*>(child) != nullptr && child->GetPosition().y == (up ? 10 : 50))
            return child;
    }
    ADD_FAILURE() << "no move button";
    return nullptr;
}

std::vector<std::string> Names(ProfileManagerDlg* manager) {
    std::vector<std::string> names;
    auto* list = static_cast<wxCheckedListCtrl*>(wxWindow::FindWindowByName("ID_PROFILELISTCTRL", manager));
    for (int row = 0; row < list->GetItemCount(); ++row)
        names.push_back(list->GetItemText(row, 2).ToStdString());
    return names;
}

wxString MeasuredNameCell(wxWindow* list, const wxString& name) {
    auto* names = static_cast<wxCheckedListCtrl*>(list);
    int iconWidth = 0, iconHeight = 0;
    names->GetImageList(wxIMAGE_LIST_SMALL)->GetSize(ProfileListImages::FIRST_ICON, iconWidth, iconHeight);
    return WindowTextCut::Middle(*names, name, names->GetColumnWidth(2) - 8 - iconWidth - 5);
}

void ExpectQuestion(const wxString& text, int answer, const std::function<void()>& during) {
    ModalDialogAnswerer::Get().ExpectAny([=](wxDialog* dialog) {
        EXPECT_TRUE(ModalDialogAnswerer::Describe(dialog).Contains(text))
            << ModalDialogAnswerer::Describe(dialog).utf8_str();
        if (during)
            during();
        return answer;
    });
}
