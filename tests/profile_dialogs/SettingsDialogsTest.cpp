#include <gtest/gtest.h>

#include <sys/stat.h>

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

#include "AutoRunSettings.h"
#include "DialogTestSupport.h"
#include "IPSettings.h"
#include "LayoutWalker.h"
#include "ModalDialogAnswerer.h"
#include "ProxySettings.h"
#include "TestTree.h"

class SettingsDialogsTest : public GuiTest {};

TEST_F(SettingsDialogsTest, IpSettingsRefusesWithFocusAcceptsAndCancels) {
    IPSettings dialog(nullptr);
    EXPECT_EQ(dialog.GetClientSize(), wxSize(368, 248));
    dialog.TCIP->SetValue("192.168.1.10");
    dialog.TCSM->SetValue("255.255.255.0");
    dialog.TCGA->SetValue("10.0.0.1");
    dialog.TCDNS->SetValue("192.168.1.1");
    bool maskFocused = false, ipFocused = false;
    int result = RunModal(dialog, [&] {
        EXPECT_TRUE(HasFocus(dialog.TCIP));  // where the dialog starts
        dialog.TCGA->SetValue("192.168.1.1");
        dialog.TCSM->SetValue("255.0.255.0");
        dialog.TCGA->SetFocus();
        ModalDialogAnswerer::Get().Expect("Invalid subnet mask!", wxID_OK);
        Click(Named<wxButton>(&dialog, "ID_BUTTONOK"));
        maskFocused = HasFocus(dialog.TCSM);
        ModalDialogAnswerer::Get().Expect("IP address does not match the gateway!", wxID_OK);
        dialog.TCSM->SetValue("255.255.255.0");
        dialog.TCGA->SetValue("10.0.0.1");
        Click(Named<wxButton>(&dialog, "ID_BUTTONOK"));
        ipFocused = HasFocus(dialog.TCIP);
    });
    EXPECT_EQ(result, wxID_ABORT);  // refused: still open
    EXPECT_TRUE(maskFocused);
    EXPECT_TRUE(ipFocused);

    dialog.TCGA->SetValue("192.168.1.1");
    result = RunModal(dialog, [&] { Click(Named<wxButton>(&dialog, "ID_BUTTONOK")); });
    EXPECT_EQ(result, wxID_OK);

    dialog.TCIP->SetValue("010.1.1.1");
    result = RunModal(dialog, [&] { Click(Named<wxButton>(&dialog, "ID_BUTTONCANCEL")); });
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_EQ(dialog.TCIP->GetValue(), "010.1.1.1");  // the owner puts its values back
}

TEST_F(SettingsDialogsTest, ProxySettingsRefusesWithFocusAcceptsAndCancels) {
    ProxySettings dialog(nullptr);
    EXPECT_EQ(dialog.GetClientSize(), wxSize(344, 132));
    dialog.m_tcProxy->SetValue("proxy.school");
    dialog.m_tcPort->SetValue("99999");
    bool portFocused = false;
    int result = RunModal(dialog, [&] {
        EXPECT_TRUE(HasFocus(dialog.m_tcProxy));
        ModalDialogAnswerer::Get().Expect("Port must be a number from 1 to 65535!", wxID_OK);
        Click(Named<wxButton>(&dialog, "ID_BUTTONOK"));
        portFocused = HasFocus(dialog.m_tcPort);
    });
    EXPECT_EQ(result, wxID_ABORT);
    EXPECT_TRUE(portFocused);

    dialog.m_tcPort->SetValue("+3128");
    result = RunModal(dialog, [&] { Click(Named<wxButton>(&dialog, "ID_BUTTONOK")); });
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(dialog.m_tcPort->GetValue(), "+3128");  // stored as typed

    dialog.m_tcProxy->SetValue("");
    result = RunModal(dialog, [&] { Click(Named<wxButton>(&dialog, "ID_BUTTONCANCEL")); });
    EXPECT_EQ(result, wxID_CANCEL);
}

namespace {

// The applications dialog over five entries, its chooser answering `chosen`.
class AutoRunTest : public GuiTest {
protected:
    void SetUp() override {
        for (const char* name : {"a", "b", "c", "d", "e"}) {
            const std::string path = m_tree / name;
            TestTree::WriteFile(path, "#!/bin/sh\n");
            chmod(path.c_str(), 0755);
            m_five.Add(wxString::FromUTF8(path.c_str()));
        }
        AutoRunSettings::chooseFile = [this](wxWindow*) { return m_chosen; };
    }
    void TearDown() override {
        AutoRunSettings::chooseFile = &AutoRunSettings::ChooseWithFileDialog;
        GuiTest::TearDown();
    }
    // A point on `row` of the list, found as a click finds it (once the
    // list has laid out its rows).
    static wxPoint OnRow(wxListBox* list, int row) {
        wxPoint point;
        const bool found = RunEventLoopUntil([&] {
            for (point.y = 0; point.y < list->GetClientSize().y; point.y += 2) {
                point.x = 40;
                if (list->HitTest(point) == row)
                    return true;
            }
            return false;
        });
        EXPECT_TRUE(found) << "no row " << row;
        return point + wxPoint(0, 4);
    }
    static void Select(wxListBox* list, std::initializer_list<int> rows) {
        for (int row : rows)
            list->SetSelection(row);
        wxCommandEvent selected(wxEVT_LISTBOX, list->GetId());
        selected.SetEventObject(list);
        list->GetEventHandler()->ProcessEvent(selected);
    }

    TestTree m_tree;
    wxArrayString m_five;
    wxString m_chosen;
};

}  // namespace

TEST_F(AutoRunTest, DeleteAsksAndRemovesTheSelectedRowsOnly) {
    AutoRunSettings dialog(nullptr, wxID_ANY);
    dialog.SetAppList(m_five);
    wxListBox* list = Named<wxListBox>(&dialog, "ID_LIST_APP");
    wxButton* del = Named<wxButton>(&dialog, "ID_BTN_DELETE");
    const int result = RunModal(dialog, [&] {
        EXPECT_FALSE(del->IsEnabled());
        Select(list, {1});
        EXPECT_TRUE(del->IsEnabled());
        ModalDialogAnswerer::Get().Expect("Are you sure you want to delete this item?", wxID_NO);
        Click(del);
        Select(list, {3});
        ModalDialogAnswerer::Get().Expect("Are you sure you want to delete these items?", wxID_YES);
        Click(del);
        Click(Named<wxButton>(&dialog, "ID_BTN_OK"));
    });
    EXPECT_EQ(result, wxID_OK);
    const wxArrayString kept = dialog.GetAppList();
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[0], m_five[0]);
    EXPECT_EQ(kept[1], m_five[2]);
    EXPECT_EQ(kept[2], m_five[4]);
}

TEST_F(AutoRunTest, AddTakesOnlyNewProgramsAndCancelKeepsNothing) {
    AutoRunSettings dialog(nullptr, wxID_ANY);
    wxArrayString two;
    two.Add(m_five[0]);
    two.Add(m_five[1]);
    dialog.SetAppList(two);
    const std::string text = m_tree / "notes.txt";
    TestTree::WriteFile(text, "not a program");
    int result = RunModal(dialog, [&] {
        m_chosen = m_five[1];
        ModalDialogAnswerer::Get().Expect("This application is already in the list.", wxID_OK);
        Click(Named<wxButton>(&dialog, "ID_BTN_ADD"));
        m_chosen = wxString::FromUTF8(text.c_str());
        ModalDialogAnswerer::Get().Expect("This file cannot be started as a program.", wxID_OK);
        Click(Named<wxButton>(&dialog, "ID_BTN_ADD"));
        m_chosen = m_five[2];
        Click(Named<wxButton>(&dialog, "ID_BTN_ADD"));
        Click(Named<wxButton>(&dialog, "ID_BTN_CANCEL"));
    });
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_TRUE(dialog.GetAppList().empty());  // never confirmed
    result = RunModal(dialog, [&] { Click(Named<wxButton>(&dialog, "ID_BTN_OK")); });
    EXPECT_EQ(result, wxID_OK);
    ASSERT_EQ(dialog.GetAppList().size(), 3u);
    EXPECT_EQ(dialog.GetAppList()[2], m_five[2]);
}

TEST_F(AutoRunTest, LongPathsAreCutInTheMiddleAndShownWholeUnderThePointer) {
    // Programs of 255 bytes, apart only at their end.
    const std::string folder = m_tree / std::string(241 - m_tree.Path().size(), 'W');
    TestTree::MakeDirs(folder);
    wxArrayString programs;
    for (const char* name : {"/portal-start", "/portal-stop", "/portal-pause"}) {
        TestTree::WriteFile(folder + name, "#!/bin/sh\n");
        chmod((folder + name).c_str(), 0755);
        programs.Add(wxString::FromUTF8((folder + name).c_str()));
    }
    AutoRunSettings dialog(nullptr, wxID_ANY);
    dialog.SetAppList(wxArrayString(2, &programs[0]));
    wxListBox* list = Named<wxListBox>(&dialog, "ID_LIST_APP");
    const int result = RunModal(dialog, [&] {
        m_chosen = programs[2];
        Click(Named<wxButton>(&dialog, "ID_BTN_ADD"));
        m_chosen = programs[0];
        ModalDialogAnswerer::Get().Expect("This application is already in the list.", wxID_OK);
        Click(Named<wxButton>(&dialog, "ID_BTN_ADD"));
        RunEventLoopFor(100);
        EXPECT_EQ(LayoutWalker::Check(&dialog), std::vector<std::string>());
        ASSERT_EQ(list->GetCount(), 3u);
        for (unsigned row = 0; row < 3; ++row) {
            const wxString cell = list->GetString(row);
            const wxString start = cell.BeforeFirst(wxUniChar(0x2026)), end = cell.AfterFirst(wxUniChar(0x2026));
            EXPECT_TRUE(!start.empty() && programs[row].StartsWith(start) && programs[row].EndsWith(end) &&
                        end.EndsWith(programs[row].AfterLast('/')))
                << cell.utf8_str();
            EXPECT_EQ(TipAt(list, OnRow(list, row), programs[row]).utf8_string(), programs[row].utf8_string()) << row;
        }
        // The rows below a deleted one keep their own paths.
        Select(list, {0});
        ModalDialogAnswerer::Get().Expect("Are you sure you want to delete this item?", wxID_YES);
        Click(Named<wxButton>(&dialog, "ID_BTN_DELETE"));
        EXPECT_EQ(TipAt(list, OnRow(list, 0), programs[1]).utf8_string(), programs[1].utf8_string());
        Click(Named<wxButton>(&dialog, "ID_BTN_OK"));
    });
    EXPECT_EQ(result, wxID_OK);
    const wxArrayString kept = dialog.GetAppList();
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0], programs[1]);
    EXPECT_EQ(kept[1], programs[2]);
}
