#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/frame.h>

#include "DialogTestSupport.h"
#include "NetSecrityDlg.h"

class NetSecrityDlgTest : public GuiTest {};

TEST_F(NetSecrityDlgTest, PresetBoxComesBackOnOkAndCancel) {
    auto* owner = new wxFrame(nullptr, wxID_ANY, "owner", wxPoint(100, 80), wxSize(600, 400));
    owner->Show();
    for (const bool ok : {true, false}) {
        NetSecrityDlg dialog(owner, wxID_ANY, wxDefaultPosition, wxDefaultSize);
        EXPECT_EQ(dialog.GetTitle(), "Network Security");
        EXPECT_EQ(dialog.GetClientSize(), wxSize(343, 103));
        EXPECT_FALSE(dialog.m_pInternetCheckBox->GetValue());
        EXPECT_EQ(dialog.m_pInternetCheckBox, Named<wxCheckBox>(&dialog, "ID_CBINTERNET"));
        dialog.m_pInternetCheckBox->SetValue(true);
        bool focused = false;
        wxPoint offCentre;
        const int result = RunModal(dialog, [&] {
            focused = HasFocus(dialog.m_pInternetCheckBox);
            offCentre = dialog.GetScreenRect().GetPosition() + dialog.GetSize() / 2 -
                        (owner->GetScreenRect().GetPosition() + owner->GetSize() / 2);
            Click(Named<wxButton>(&dialog, ok ? "ID_BTNOK" : "ID_BTNCANCEL"));
        });
        EXPECT_EQ(result, ok ? wxID_OK : wxID_CANCEL);
        EXPECT_TRUE(dialog.m_pInternetCheckBox->GetValue());
        EXPECT_TRUE(focused);
        EXPECT_LE(std::abs(offCentre.x) + std::abs(offCentre.y), 4) << offCentre.x << "," << offCentre.y;
    }
}
