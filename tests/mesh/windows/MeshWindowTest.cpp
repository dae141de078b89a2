// The mesh windows under the test run's X server, over the simulated laptop
// and a mesh model filled through its seams.
#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <memory>
#include <thread>

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "GaugeDialog.h"
#include "GuiTestSupport.h"
#include "IPDlg.h"
#include "InterfaceTable.h"
#include "Keyboard.h"
#include "LongValues.h"
#include "MeshConfigurationDlg.h"
#include "MeshInfoManager.h"
#include "MeshShareMyInternetDlg.h"
#include "MeshStateMachine.h"
#include "MeshTestSupport.h"
#include "MeshUseOthersInternetDlg.h"
#include "ModalDialogAnswerer.h"
#include "NetworkTypes.h"
#include "Pointer.h"
#include "ProgramFolder.h"
#include "TestEnvironment.h"
#include "ViewMeshNeighborsDlg.h"
#include "XMLOperator.h"
#include "sim/SimControl.h"

namespace {

template <typename T>
T* Child(wxWindow* dialog, const char* name) {
    T* window = dynamic_cast<T*>(wxWindow::FindWindowByName(name, dialog));
    EXPECT_NE(window, nullptr) << name;
    return window;
}

void Click(wxWindow* dialog, const char* name) {
    wxButton* button = Child<wxButton>(dialog, name);
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->ProcessWindowEvent(click);
}

std::vector<std::string> Rows(wxListCtrl* list) {
    std::vector<std::string> rows;
    for (int r = 0; r < list->GetItemCount(); ++r) {
        std::string row;
        for (int c = 0; c < list->GetColumnCount(); ++c)
            row += (c ? "|" : "") + list->GetItemText(r, c).utf8_string();
        rows.push_back(row);
    }
    return rows;
}

// A click of the pointer at a point of a window (client coordinates), as a
// user makes it; true once `done` holds.
bool PointerClick(wxWindow* window, const wxPoint& at, const std::function<bool()>& done) {
    return Pointer::Click(window, at) && RunEventLoopUntil(done);
}

bool PointerClick(wxWindow* window, const std::function<bool()>& done) {
    const wxSize size = window->GetClientSize();
    return PointerClick(window, wxPoint(size.x / 2, size.y / 2), done);
}

// Every text of a report list, heading or cell, within its column with the
// list's cell margins (4 pixels each side).
void ExpectColumnsFitTheirTexts(wxListCtrl* list) {
    for (int c = 0; c < list->GetColumnCount(); ++c) {
        wxListItem heading;
        heading.SetMask(wxLIST_MASK_TEXT);
        list->GetColumn(c, heading);
        for (long r = -1; r < list->GetItemCount(); ++r) {
            const wxString text = r < 0 ? heading.GetText() : list->GetItemText(r, c);
            EXPECT_LE(list->GetTextExtent(text).GetWidth() + 8, list->GetColumnWidth(c)) << text;
        }
    }
}

size_t Calls(const std::string& prefix) {
    const std::vector<std::string> log = SimControl::CallLog();
    return std::count_if(log.begin(), log.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

// Runs the dialog modally; `steps` run inside its modal loop, and a dialog
// they leave open is ended with wxID_ABORT.
int RunModal(wxDialog& dialog, std::function<void(wxDialog&)> steps) {
    ModalDialogAnswerer::Get().ExpectAny([&dialog, steps](wxDialog* shown) {
        EXPECT_EQ(shown, &dialog);
        dialog.CallAfter([&dialog, steps] {
            steps(dialog);
            if (dialog.IsModal())
                dialog.EndModal(wxID_ABORT);
        });
        return static_cast<int>(wxID_NONE);
    });
    return dialog.ShowModal();
}

class MeshWindowTest : public GuiTest {
protected:
    void SetUp() override {
        TestEnvironment::ResetFolders();
        const std::string pictures = TIDEWAVE_PICTURE_DIR;
        ProgramFolder::Set(pictures.substr(0, pictures.rfind('/')));
        SimControl::ResetToDefault();
        SimControl::SetDelays(0, 0, 0);
        app.status = MESH_ON;
        app.showMessage = [](const wxString& text) { wxMessageBox(text, _("Message")); };
        machine = std::make_unique<MeshStateMachine>(app.Hooks(), *MeshInfoManager::GetInstance());
        MeshStateMachine::SetCurrent(machine.get());
        MeshInfoManager::GetInstance()->SetInterfaceQuery(&interfaces);
    }
    void TearDown() override {
        MeshInfoManager::GetInstance()->SetInterfaceQuery(nullptr);
        MeshInfoManager::GetInstance()->ClearMeshUseOthersInternetDlg();
        MeshStateMachine::SetCurrent(nullptr);
        GuiTest::TearDown();
    }

    // The tray's share command, which runs the dialog as the program does;
    // `steps` run inside its modal loop.
    void ShareThroughTheDialog(std::function<void(wxDialog&)> steps) {
        app.shareDialog = [steps] {
            MeshShareMyInternetDlg dlg(nullptr, wxID_ANY, wxDefaultPosition, wxDefaultSize);
            return RunModal(dlg, steps) == wxID_OK;
        };
        SimControl::ClearCallLog();
        machine->ShareMyInternet();
    }

    MeshCommandsRecorder app;
    std::unique_ptr<MeshStateMachine> machine;
    InterfaceTable interfaces{{{"lo", "127.0.0.1", true, true},
                               {"eth0", "192.168.10.57", true, true},
                               {"wlan0", "", true, true},
                               {"ra0", "", false, true}}};
};

}  // namespace

TEST_F(MeshWindowTest, ConfigurationShowsTheFileOrThePlatformsValues) {
    {
        MeshConfigurationDlg dlg(nullptr);
        EXPECT_EQ(dlg.GetTitle(), "Mesh Network Configuration");
        EXPECT_EQ(dlg.GetClientSize(), wxSize(420, 330));
        RunModal(dlg, [](wxDialog& d) {
            EXPECT_EQ(Child<wxTextCtrl>(&d, "ID_TEXTCTRL_LOCAL_HOST_NAME")->GetValue(), "laptop-07");
            EXPECT_EQ(Child<wxTextCtrl>(&d, "ID_TEXTCTRL_MESH_CHANNEL")->GetValue(), "6");
            EXPECT_EQ(Child<wxTextCtrl>(&d, "ID_TEXTCTRL_ADVERTISEMENT_TIME")->GetValue(), "60");
            EXPECT_EQ(wxWindow::FindFocus(), Child<wxTextCtrl>(&d, "ID_TEXTCTRL_LOCAL_HOST_NAME"));
        });
    }
    MeshConfigurationEntity stored;
    stored.SetHostName("Room 12");
    stored.SetChannel(99);
    stored.SetAdvertiseTime(15);
    XMLOperator xml;
    ASSERT_TRUE(xml.WriteMeshConfiguration(&stored));
    MeshConfigurationDlg dlg(nullptr);
    RunModal(dlg, [](wxDialog& d) {
        EXPECT_EQ(Child<wxTextCtrl>(&d, "ID_TEXTCTRL_LOCAL_HOST_NAME")->GetValue(), "Room 12");
        EXPECT_EQ(Child<wxTextCtrl>(&d, "ID_TEXTCTRL_MESH_CHANNEL")->GetValue(), "99");
        EXPECT_EQ(Child<wxTextCtrl>(&d, "ID_TEXTCTRL_ADVERTISEMENT_TIME")->GetValue(), "15");
    });
}

TEST_F(MeshWindowTest, ConfigurationCaptionsStandClearOfTheirFields) {
    MeshConfigurationDlg dlg(nullptr);
    RunModal(dlg, [](wxDialog& d) {
        const struct {
            const char* caption;
            const char* text;
            const char* field;
        } rows[] = {{"ID_STATICTEXT5", "Local Hostname:", "ID_TEXTCTRL_LOCAL_HOST_NAME"},
                    {"ID_STATICTEXT4", "Default Mesh Channel:", "ID_TEXTCTRL_MESH_CHANNEL"},
                    {"ID_STATICTEXT2", "Advertise Time Interval:", "ID_TEXTCTRL_ADVERTISEMENT_TIME"}};
        for (const auto& row : rows) {
            auto* caption = Child<wxStaticText>(&d, row.caption);
            wxString words = caption->GetLabel();
            words.Replace("\n", " ");
            EXPECT_EQ(words, row.text);
            wxClientDC dc(caption);
            dc.SetFont(caption->GetFont());
            const wxSize text = dc.GetMultiLineTextExtent(caption->GetLabel());
            const wxRect box = caption->GetRect();
            // Six pixels at least between the caption's words and its field.
            EXPECT_LE(box.x + text.x + 6, Child<wxTextCtrl>(&d, row.field)->GetPosition().x) << row.text;
            EXPECT_LE(text.y, box.height) << row.text;
        }
    });
}

TEST_F(MeshWindowTest, ConfigurationOkValidatesWritesAndSendsCancelDoesNot) {
    MeshConfigurationDlg dlg(nullptr);
    SimControl::ClearCallLog();
    const int result = RunModal(dlg, [](wxDialog& d) {
        auto* host = Child<wxTextCtrl>(&d, "ID_TEXTCTRL_LOCAL_HOST_NAME");
        auto* channel = Child<wxTextCtrl>(&d, "ID_TEXTCTRL_MESH_CHANNEL");
        host->ChangeValue("VRDA_GW");
        ModalDialogAnswerer::Get().Expect("VRDA_GW is not allowed, please input another name", wxID_OK);
        Click(&d, "ID_BUTTON_OK");
        EXPECT_EQ(host->GetValue(), "") << "cleared";
        EXPECT_EQ(wxWindow::FindFocus(), host);

        host->ChangeValue("Room 12");
        channel->ChangeValue("");
        ModalDialogAnswerer::Get().Expect("Please input mesh channel", wxID_OK);
        Click(&d, "ID_BUTTON_OK");
        EXPECT_TRUE(d.IsModal()) << "stays open";
        EXPECT_EQ(wxWindow::FindFocus(), channel);
        EXPECT_EQ(Calls("RVL_SetMesh"), 0u);

        channel->ChangeValue("07");
        Click(&d, "ID_BUTTON_OK");
    });
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(Calls("RVL_SetMeshHostName(\"Room 12\")"), 1u);
    EXPECT_EQ(Calls("RVL_SetMeshChannel(7)"), 1u);
    MeshConfigurationEntity stored;
    XMLOperator xml;
    ASSERT_TRUE(xml.ReadMeshConfiguration(&stored));
    EXPECT_EQ(stored.GetHostName(), "Room 12");
    EXPECT_EQ(stored.GetChannel(), 7);
    EXPECT_EQ(stored.GetAdvertiseTime(), 60);

    MeshConfigurationDlg again(nullptr);
    SimControl::ClearCallLog();
    EXPECT_EQ(RunModal(again,
                       [](wxDialog& d) {
                           Child<wxTextCtrl>(&d, "ID_TEXTCTRL_LOCAL_HOST_NAME")->ChangeValue("Other");
                           Click(&d, "ID_BUTTON_CANCEL");
                       }),
              wxID_CANCEL);
    EXPECT_EQ(Calls("RVL_SetMesh"), 0u);
    ASSERT_TRUE(xml.ReadMeshConfiguration(&stored));
    EXPECT_EQ(stored.GetHostName(), "Room 12");
}

TEST_F(MeshWindowTest, ServerDialogListsInterfacesAndSharesTheChoice) {
    struct Case {
        const char* what;
        int row;         // selected row, -1 none
        int confirm;     // answer to the confirmation, 0 none asked
        bool staysOpen;  // after OK, until Cancel
        int result;
        const char* shared;
    };
    const Case cases[] = {
        {"eth0", 0, wxID_YES, false, wxID_OK, "RVL_EnableMeshServer(\"eth0\")"},
        {"ra0 without a scan window is not shared", 1, wxID_YES, true, wxID_CANCEL, nullptr},
        {"No at the confirmation", 0, wxID_NO, false, wxID_CANCEL, nullptr},
        {"nothing selected, then Cancel", -1, 0, true, wxID_CANCEL, nullptr},
    };
    for (const Case& c : cases) {
        SimControl::ClearCallLog();
        MeshShareMyInternetDlg dlg(nullptr);
        EXPECT_EQ(dlg.GetTitle(), "Mesh Server Mode");
        const int result = RunModal(dlg, [&](wxDialog& d) {
            auto* list = Child<wxListCtrl>(&d, "ID_LISTCTRL");
            EXPECT_EQ(Rows(list), (std::vector<std::string>{"eth0|192.168.10.57|Enabled", "ra0||Disabled"}));
            wxListItem header;
            list->GetColumn(0, header);
            EXPECT_EQ(header.GetText(), "Interface");
            EXPECT_EQ(list->GetItemState(0, wxLIST_STATE_SELECTED), wxLIST_STATE_SELECTED);
            list->SetItemState(0, 0, wxLIST_STATE_SELECTED);
            if (c.row >= 0)
                list->SetItemState(c.row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
            if (c.confirm != 0)
                ModalDialogAnswerer::Get().Expect("Are you sure to make the local machine as Mesh Server?",
                                                  c.confirm);
            else
                ModalDialogAnswerer::Get().Expect("Please choose an interface to share the internet.", wxID_OK);
            Click(&d, "ID_BUTTON_OK");
            if (c.staysOpen) {
                ASSERT_TRUE(d.IsModal()) << c.what;
                Click(&d, "ID_BUTTON_CANCEL");
            }
        });
        EXPECT_EQ(result, c.result) << c.what;
        EXPECT_EQ(Calls("RVL_EnableMeshServer"), c.shared ? 1u : 0u) << c.what;
        if (c.shared) {
            EXPECT_EQ(Calls(c.shared), 1u) << c.what;
        }
    }
}

TEST_F(MeshWindowTest, ServerDialogSharesTheRowClickedAfterRefresh) {
    // eth0 comes up between the first look and Refresh.
    interfaces.interfaces = {{"ra0", "", true, true}, {"eth0", "", false, true}};
    ShareThroughTheDialog([this](wxDialog& d) {
        ASSERT_TRUE(RunEventLoopUntil([&] { return d.IsShownOnScreen(); }));
        auto* list = Child<wxListCtrl>(&d, "ID_LISTCTRL");
        EXPECT_EQ(list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED), 0) << "ra0 first";
        interfaces.interfaces[1] = {"eth0", "192.168.10.57", true, true};
        ASSERT_TRUE(PointerClick(Child<wxWindow>(&d, "ID_BUTTON_REFRESH"),
                                 [&] { return list->GetItemText(1, 1) == "192.168.10.57"; }));
        wxRect eth0;
        ASSERT_TRUE(list->GetItemRect(1, eth0));
        ASSERT_TRUE(PointerClick(list, wxPoint(eth0.x + 40, eth0.y + eth0.height / 2),
                                 [&] { return list->GetItemState(1, wxLIST_STATE_SELECTED) != 0; }));
        EXPECT_TRUE(RunEventLoopUntil([&] { return list->GetSelectedItemCount() == 1; }))
            << "ra0 is no longer selected";
        ModalDialogAnswerer::Get().Expect("Are you sure to make the local machine as Mesh Server?", wxID_YES);
        EXPECT_TRUE(PointerClick(Child<wxWindow>(&d, "ID_BUTTON_OK"), [&] { return !d.IsModal(); }));
    });
    EXPECT_EQ(Calls("RVL_EnableMeshServer"), 1u);
    EXPECT_EQ(Calls("RVL_EnableMeshServer(\"eth0\")"), 1u);
    EXPECT_EQ(app.status, MESH_SHARING_MY_INTERNET);
}

TEST_F(MeshWindowTest, ServerDialogRefusesAWiredShareWithoutAnAddress) {
    SimControl::SetWiredLink(false);
    interfaces.interfaces = {{"eth0", "", true, true}, {"ra0", "", false, true}};
    ShareThroughTheDialog([](wxDialog& d) {
        ModalDialogAnswerer::Get().Expect("eth0 cannot be shared while this machine has no IPv4 address.", wxID_OK);
        Click(&d, "ID_BUTTON_OK");
        ASSERT_TRUE(d.IsModal()) << "open for another choice";
        Click(&d, "ID_BUTTON_CANCEL");
    });
    EXPECT_EQ(Calls("RVL_EnableMeshServer"), 0u);
    EXPECT_EQ(app.status, MESH_ON);
    EXPECT_EQ(app.publishRequests, 0);
}

TEST_F(MeshWindowTest, ServerDialogEndsWithCancelWhenNothingWasShared) {
    SimControl::FailNextCall("RVL_EnableMeshServer", 2);
    MeshShareMyInternetDlg refused(nullptr);
    EXPECT_EQ(RunModal(refused,
                       [](wxDialog& d) {
                           ModalDialogAnswerer::Get().Expect("Are you sure", wxID_YES);
                           ModalDialogAnswerer::Get().Expect("This machine could not be made a mesh server.",
                                                             wxID_OK);
                           Click(&d, "ID_BUTTON_OK");
                       }),
              wxID_CANCEL);

    interfaces.interfaces = {{"lo", "127.0.0.1", true, true}};
    MeshShareMyInternetDlg empty(nullptr);
    EXPECT_EQ(RunModal(empty,
                       [](wxDialog& d) {
                           ModalDialogAnswerer::Get().Expect("There is no interface to be shared.", wxID_OK);
                           Click(&d, "ID_BUTTON_OK");
                       }),
              wxID_CANCEL);

    MeshShareMyInternetDlg closed(nullptr);
    EXPECT_EQ(RunModal(closed, [](wxDialog& d) { d.Close(); }), wxID_CANCEL) << "the close box";
}

// A wired interface without an address is refused after a click on OK;
// the arrow keys then move on in the list.
TEST_F(MeshWindowTest, ServerDialogGivesTheListTheKeysBackAfterARefusal) {
    SimControl::SetWiredLink(false);
    interfaces.interfaces = {{"eth0", "", true, true}, {"ra0", "", false, true}};
    ShareThroughTheDialog([](wxDialog& d) {
        auto* list = Child<wxListCtrl>(&d, "ID_LISTCTRL");
        ModalDialogAnswerer::Get().Expect("eth0 cannot be shared", wxID_OK);
        ASSERT_TRUE(PointerClick(Child<wxButton>(&d, "ID_BUTTON_OK"),
                                 [] { return ModalDialogAnswerer::Get().PendingExpectations() == 0; }));
        Keyboard::Press(WXK_DOWN);
        EXPECT_EQ(list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED), 1);
        Click(&d, "ID_BUTTON_CANCEL");
    });
    EXPECT_EQ(Calls("RVL_EnableMeshServer"), 0u);
}

// Escape ends a mesh window as its close box does; Enter in a field presses
// OK.
TEST_F(MeshWindowTest, EscapeAndEnterEndTheDialogs) {
    const struct {
        std::function<wxDialog*()> make;
        const char* focus;
        int key;
        int result;
        bool ownMenuFirst = false;  // the focus's own menu is open at the first Escape
    } cases[] = {
        {[] { return new MeshConfigurationDlg(nullptr); }, "ID_TEXTCTRL_LOCAL_HOST_NAME", WXK_ESCAPE, wxID_CANCEL,
         true},
        {[] { return new MeshConfigurationDlg(nullptr); }, "ID_TEXTCTRL_MESH_CHANNEL", WXK_RETURN, wxID_OK},
        {[] { return new MeshShareMyInternetDlg(nullptr); }, "ID_LISTCTRL", WXK_ESCAPE, wxID_CANCEL},
        {[] { return new ViewMeshNeighborsDlg(nullptr); }, "ID_LISTCTRL", WXK_ESCAPE, wxID_CANCEL},
    };
    for (const auto& c : cases) {
        std::unique_ptr<wxDialog> dialog(c.make());
        const wxString what = dialog->GetTitle() + (c.key == WXK_ESCAPE ? ", Escape" : ", Enter");
        const int result = RunModal(*dialog, [&](wxDialog& d) {
            wxWindow* focus = Child<wxWindow>(&d, c.focus);
            if (c.ownMenuFirst) {
                Keyboard::Press(focus, WXK_F10, wxMOD_SHIFT);
                ASSERT_TRUE(RunEventLoopUntil(Pointer::MenuShown)) << what;
                Keyboard::Press(WXK_ESCAPE);
                EXPECT_TRUE(RunEventLoopUntil([] { return !Pointer::MenuShown(); })) << what;
                EXPECT_TRUE(d.IsModal()) << what << ": Escape closed the dialog, not the menu";
            }
            Keyboard::Press(focus, c.key);
            RunEventLoopUntil([&] { return !d.IsModal(); }, 1000);
        });
        EXPECT_EQ(result, c.result) << what;  // wxID_ABORT: the key did nothing
    }
    EXPECT_EQ(Calls("RVL_SetMeshChannel"), 1u) << "Enter saved the configuration once";

    auto* client = new MeshUseOthersInternetDlg(nullptr, wxID_ANY);
    client->Show(true);
    Keyboard::Press(Child<wxWindow>(client, "ID_LISTCTRL1"), WXK_ESCAPE);
    EXPECT_FALSE(client->IsShown()) << "Mesh Client Mode, Escape";
    client->Destroy();
}

TEST_F(MeshWindowTest, ClientDialogFollowsTheModelAndJoinsTheChosenServer) {
    MeshInfoManager* model = MeshInfoManager::GetInstance();
    auto* dlg = new MeshUseOthersInternetDlg(nullptr, wxID_ANY);
    EXPECT_EQ(dlg->GetTitle(), "Mesh Client Mode");
    EXPECT_EQ(dlg->GetClientSize(), wxSize(450, 330));
    EXPECT_TRUE(Child<wxStaticText>(dlg, "ID_STATICTEXT1")->GetLabel().Contains(L"\u201CRefresh\u201D"))
        << "the prompt keeps its quotation marks in any locale";
    auto* list = Child<wxListCtrl>(dlg, "ID_LISTCTRL1");
    dlg->Show(true);
    EXPECT_TRUE(Rows(list).empty());
    ModalDialogAnswerer::Get().Expect("No Server detected!", wxID_OK);
    Click(dlg, "ID_BUTTON_OK");
    EXPECT_TRUE(dlg->IsShown());

    // Servers announced on the browse thread reach the list on this one.
    model->SetMeshUseOthersInternetDlg(dlg);
    std::thread browse([model] {
        model->ModifyMeshServer(ServerRecord("laptop-12", "10.20.0.12", 6));
        model->ModifyMeshServer(ServerRecord("laptop-15", "10.20.0.15", 11));
        model->ModifyMeshServer(ServerRecord("laptop-16", "10.20.0.16", 3));
    });
    browse.join();
    ASSERT_TRUE(RunEventLoopUntil([&] { return list->GetItemCount() == 3; }));
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"laptop-12|6|100%|Ready", "laptop-15|11|100%|Ready",
                                                    "laptop-16|3|100%|Ready"}));

    // The chosen server stays chosen while others come and go.
    list->SetItemState(2, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    std::thread withdraw([model] {
        model->RemoveMeshServer("laptop-99");
        model->RemoveMeshServer("laptop-12");
    });
    withdraw.join();
    ASSERT_TRUE(RunEventLoopUntil([&] { return list->GetItemCount() == 2; }));
    RunEventLoopFor(50);
    SimControl::ClearCallLog();
    Click(dlg, "ID_BUTTON_OK");
    EXPECT_EQ(Calls("RVL_EnableMeshClient(\"10.20.0.16\", \"10.20.0.1\", \"8.8.8.8\")"), 1u);
    EXPECT_EQ(app.status, MESH_USING_OTHERS_INTERNET);
    EXPECT_FALSE(dlg->IsShown());

    // Hidden, it still follows the model; Refresh rebuilds from it.
    model->RemoveMeshServer("laptop-15");
    ASSERT_TRUE(RunEventLoopUntil([&] { return list->GetItemCount() == 1; }));
    dlg->Show(true);
    Click(dlg, "ID_BUTTON_CANCEL");
    EXPECT_FALSE(dlg->IsShown());
    model->RemoveMeshServer("laptop-16");
    RunEventLoopFor(50);
    EXPECT_TRUE(Rows(list).empty());

    // Without the notice, Refresh reads the model again.
    model->ClearMeshUseOthersInternetDlg();
    model->ModifyMeshServer(ServerRecord("laptop-17", "10.20.0.17", 3));
    RunEventLoopFor(50);
    EXPECT_TRUE(Rows(list).empty());
    Click(dlg, "ID_BUTTON_REFRESH");
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"laptop-17|3|100%|Ready"}));
    model->RemoveMeshServer("laptop-17");
    dlg->Destroy();
}

TEST_F(MeshWindowTest, NeighbourSearchShowsTheGaugeThenTheRows) {
    ASSERT_EQ(RVL_TurnOnMesh(1), 0);
    ViewMeshNeighborsDlg dlg(nullptr);
    EXPECT_EQ(dlg.GetTitle(), "Mesh Neighbors");
    SimControl::ClearCallLog();
    const int result = RunModal(dlg, [](wxDialog& d) {
        auto& view = static_cast<ViewMeshNeighborsDlg&>(d);
        GaugeDialog* gauge = view.GetGauge();
        EXPECT_TRUE(gauge->IsShown());
        EXPECT_EQ(gauge->GetPosition(), wxPoint(377, 270));
        EXPECT_EQ(Child<wxStaticText>(gauge, "ID_STATICTEXT_LABEL")->GetLabel(), "Searching for network neighbors...");
        EXPECT_TRUE(view.GetSearchTimer().IsOneShot());
        EXPECT_EQ(view.GetSearchTimer().GetInterval(), 2000);
        // Refresh again within the wait: one read, after the last press.
        RunEventLoopFor(500);
        Click(&d, "ID_BUTTON_REFRESH");
        auto* list = Child<wxListCtrl>(&d, "ID_LISTCTRL");
        EXPECT_TRUE(RunEventLoopUntil([&] { return list->GetItemCount() > 0; }, 4000));
        EXPECT_EQ(Calls("RVL_ListAllNeighborMPs"), 1u);
        EXPECT_FALSE(gauge->IsShown());
        EXPECT_EQ(Rows(list), (std::vector<std::string>{"laptop-12|02:00:5e:10:00:12|100",
                                                        "laptop-15|02:00:5e:10:00:15|58"}));
        wxListItem header;
        list->GetColumn(0, header);
        EXPECT_EQ(header.GetText(), "Hostname ");

        // Mesh off: no neighbour, one message, with the gauge already gone.
        ASSERT_EQ(RVL_TurnOnMesh(0), 0);
        ModalDialogAnswerer::Get().ExpectAny([gauge](wxDialog* box) {
            EXPECT_TRUE(ModalDialogAnswerer::Describe(box).Contains("Could not find any neighbor!"));
            EXPECT_FALSE(gauge->IsShown());
            return static_cast<int>(wxID_OK);
        });
        view.StartSearch();
        view.Refresh();
        EXPECT_EQ(list->GetItemCount(), 0);
        Click(&d, "ID_BUTTON_OK");
    });
    EXPECT_EQ(result, wxID_OK);
}

TEST_F(MeshWindowTest, ListsWidenTheirColumnsToTheLongestAnnouncedNames) {
    // A host name of 32 bytes is the most an announcement or a neighbour
    // record carries; the channel of an announcement may be any number.
    const std::string wide(32, 'W');
    MeshServerEntity server = ServerRecord("", LongValues::kAddress, INT_MIN);
    server.SetName(wide);
    server.SetHostName(wide);
    MeshInfoManager* model = MeshInfoManager::GetInstance();
    model->ModifyMeshServer(server);
    auto* client = new MeshUseOthersInternetDlg(nullptr, wxID_ANY);
    client->Show(true);
    auto* servers = Child<wxListCtrl>(client, "ID_LISTCTRL1");
    ASSERT_EQ(servers->GetItemCount(), 1);
    ExpectColumnsFitTheirTexts(servers);
    EXPECT_EQ(servers->GetColumnWidth(2), 130) << "a column wide enough keeps its width";
    model->RemoveMeshServer(wide);
    client->Destroy();

    ASSERT_EQ(RVL_TurnOnMesh(1), 0);
    MeshNeighborList heard;
    std::memset(&heard, 0, sizeof heard);
    heard.count = 2;
    std::memcpy(heard.entries[0].HostName, wide.data(), 32);  // no NUL: the whole field
    std::memcpy(heard.entries[1].HostName, LongValues::kSsidTwoByte, 32);
    SimControl::SetNextNeighborList(heard);
    ViewMeshNeighborsDlg neighbours(nullptr);
    RunModal(neighbours, [](wxDialog& d) {
        auto* list = Child<wxListCtrl>(&d, "ID_LISTCTRL");
        ASSERT_TRUE(RunEventLoopUntil([&] { return list->GetItemCount() == 2; }, 4000));
        ExpectColumnsFitTheirTexts(list);
    });
}

TEST_F(MeshWindowTest, IpDialogStoresTheTextAsTyped) {
    IPDlg dlg(nullptr);
    EXPECT_EQ(dlg.GetClientSize(), wxSize(280, 160));
    EXPECT_EQ(RunModal(dlg,
                       [](wxDialog& d) {
                           Child<wxTextCtrl>(&d, "ID_TEXTCTRL1")->ChangeValue(" not an address ");
                           Click(&d, "ID_BUTTON1");
                       }),
              wxID_OK);
    EXPECT_EQ(dlg.m_strIP, " not an address ");
}
