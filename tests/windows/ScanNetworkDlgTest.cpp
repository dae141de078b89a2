#include <cstring>

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/control.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "ApStatusUtil.h"
#include "GaugeDialog.h"
#include "HubWindowTest.h"
#include "LinkSampler.h"
#include "LongValues.h"
#include "ModalDialogAnswerer.h"
#include "NetworkTypes.h"
#include "Pointer.h"
#include "ProfileFile.h"
#include "ScanNetworkDlg.h"
#include "SystemPaths.h"
#include "TestTree.h"
#include "WlanAcmEvent.h"
#include "sim/SimControl.h"

namespace {

class ScanWindowTest : public HubWindowTest {
protected:
    wxString ButtonLabel(const char* name) {
        return wxControl::RemoveMnemonics(wxWindow::FindWindowByName(name, Scan())->GetLabel());
    }
    bool Enabled(const char* name) { return wxWindow::FindWindowByName(name, Scan())->IsEnabled(); }
    // Types into the prompt's field and presses OK.
    static void Answer(wxDialog* prompt, const wxString& text) {
        for (wxWindow* child : prompt->GetChildren()) {
            if (auto* field = dynamic_cast<wxTextCtrl*>(child))
                field->ChangeValue(text);
        }
        ClickButton(prompt, wxID_OK);
    }
    void ConnectTo(const wxString& name, const wxString& key) {
        SelectRow(RowOf(name));
        if (!key.empty())
            RunWhenShown([key](wxDialog* prompt) { Answer(prompt, key); });
        ClickButton(Scan(), "ID_BUTTON_CONNECT");
    }
    wxWindow* IconOf(long slot) {
        const DetectedIcon* icon = Scan()->GetRecorder().GetIcon(static_cast<int>(slot));
        return icon != nullptr ? icon->button : nullptr;
    }
};

}  // namespace

TEST_F(ScanWindowTest, MadeBeforeTheControllerAndHiddenUntilShown) {
    EXPECT_FALSE(factory.controllerBeforeWindows);
    ASSERT_NE(Main(), nullptr);
    ASSERT_NE(Scan(), nullptr);
    EXPECT_EQ(hub->GetScanWindowView(), Scan());
    EXPECT_FALSE(Scan()->IsShown());
    EXPECT_EQ(Scan()->GetClientSize(), wxSize(500, 480));
}

TEST_F(ScanWindowTest, NineNetworksArePlacedAndListedTheCurrentOneRed) {
    SimControl::SetAdapterUp(ADAPTER_WIRED, false);
    SimControl::SetAdapterUp(ADAPTER_WIRELESS, true);
    APStatus current = ApStatusUtil::MakeWithSsid("Library-WEP");
    current.nSecurity = RVL_SECURITY_WEP;
    const unsigned char libraryMac[6] = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x03};
    std::memcpy(current.ucBSSID, libraryMac, 6);
    ASSERT_EQ(hub->ConnectWlanNetwork(&current, "1234567890", 1, false), HUB_OK);
    FinishConnection(true);
    ASSERT_TRUE(RunEventLoopUntil([&] { return hub->GetReadAPStatus() != nullptr; })) << "the association read";
    ShowScanWindow();
    wxListCtrl* list = Scan()->GetList();
    const long library = RowOf("Library-WEP");
    EXPECT_EQ(list->GetItemText(library, 4), "Yes");
    EXPECT_EQ(list->GetItemTextColour(library), wxColour(255, 0, 0));
    EXPECT_EQ(list->GetItemText(library, 2), "66%");
    EXPECT_EQ(list->GetItemText(library, 3), "Encrypted");
    EXPECT_EQ(list->GetItemText(library, 5), "802.11g");
    EXPECT_EQ(list->GetItemText(library, 7), "00:1A:2B:3C:4D:03");
    EXPECT_EQ(list->GetItemText(RowOf("Guest-Open"), 4), "No");
    const long hidden = RowOf("<Hidden>");
    int icons = 0, red = 0;
    for (int slot = 0; slot < 9; ++slot) {
        const DetectedIcon* icon = Scan()->GetRecorder().GetIcon(slot);
        ASSERT_NE(icon, nullptr);
        ASSERT_NE(icon->button, nullptr);
        ++icons;
        EXPECT_EQ(icon->button->GetId(), ScanNetworkDlg::ICON_ID_BASE + slot);
        if (icon->label->GetForegroundColour() == wxColour(255, 0, 0)) {
            ++red;
            EXPECT_EQ(slot, library);
        }
    }
    EXPECT_EQ(icons, 9);
    EXPECT_EQ(red, 1);
    EXPECT_EQ(Scan()->GetRecorder().GetIcon(static_cast<int>(hidden))->label->GetLabel(), "<Hidden>");
    // Two names alike but for their end stay apart on the map.
    EXPECT_NE(Scan()->GetRecorder().GetIcon(static_cast<int>(RowOf("Classroom-101")))->label->GetLabel(),
              Scan()->GetRecorder().GetIcon(static_cast<int>(RowOf("Classroom-102")))->label->GetLabel());
    // The strongest network stands on the first place of the nearest arc.
    const DetectedIcon* strongest = Scan()->GetRecorder().GetIcon(static_cast<int>(RowOf("Classroom-101")));
    EXPECT_EQ(strongest->button->GetPosition(), wxPoint(99 - 12, 24 - 12));
    EXPECT_EQ(strongest->label->GetPosition(), wxPoint(99 + 19, 24 - 5));
    EXPECT_TRUE(Enabled("ID_BUTTON_REFRESH"));
    EXPECT_FALSE(Enabled("ID_BUTTON_CONNECT"));
}

TEST_F(ScanWindowTest, SelectionSurvivesTheViewSwitchAndASortAndAMapClickClearsIt) {
    ShowScanWindow();
    const long row = RowOf("Guest-Open");
    ClickButton(Scan(), ScanNetworkDlg::ICON_ID_BASE + static_cast<int>(row));  // a click on its icon
    EXPECT_EQ(Scan()->GetSelectedIcon(), row);
    EXPECT_TRUE(Enabled("ID_BUTTON_CONNECT"));
    ClickButton(Scan(), "ID_BUTTON_DETAIL");
    EXPECT_TRUE(Scan()->IsShowingDetail());
    EXPECT_EQ(ButtonLabel("ID_BUTTON_DETAIL"), "<< Back");
    EXPECT_EQ(Scan()->GetList()->GetItemState(row, wxLIST_STATE_SELECTED), wxLIST_STATE_SELECTED);
    ClickButton(Scan(), "ID_BUTTON_DETAIL");
    EXPECT_EQ(Scan()->GetSelectedIcon(), row);

    // Sorting by name keeps the selected position, now another network.
    wxListEvent click(wxEVT_LIST_COL_CLICK, Scan()->GetList()->GetId());
    click.m_col = 1;
    Scan()->GetEventHandler()->ProcessEvent(click);
    EXPECT_EQ(Scan()->GetSelectedIcon(), row);
    EXPECT_EQ(Scan()->GetList()->GetItemText(0, 1), "<Hidden>");  // empty name first
    EXPECT_EQ(Scan()->GetList()->GetItemText(1, 1), "Cafeteria");
    EXPECT_EQ(Scan()->GetList()->GetItemState(row, wxLIST_STATE_SELECTED), wxLIST_STATE_SELECTED);

    // The pointer on a label selects its network, like one on its icon,
    // and on the empty map selects none.
    const long labelled = RowOf("Cafeteria");
    wxWindow* label = Scan()->GetRecorder().GetIcon(static_cast<int>(labelled))->label;
    ASSERT_TRUE(Pointer::Click(label, wxPoint(4, label->GetSize().GetHeight() / 2)));
    EXPECT_TRUE(RunEventLoopUntil([&] { return Scan()->GetSelectedIcon() == labelled; }));
    bool asked = false;  // a double click connects: the key is asked
    RunWhenShown([&](wxDialog* prompt) {
        asked = true;
        ClickButton(prompt, wxID_CANCEL);
    });
    ASSERT_TRUE(Pointer::Click(label, wxPoint(4, label->GetSize().GetHeight() / 2), true));
    EXPECT_TRUE(RunEventLoopUntil([&] { return asked; }));
    // On its icon too, once: the icon and the map beneath it both see the
    // pointer, but the key is asked one time (a second prompt fails the hook).
    asked = false;
    RunWhenShown([&](wxDialog* prompt) {
        asked = true;
        ClickButton(prompt, wxID_CANCEL);
    });
    wxWindow* icon = Scan()->GetRecorder().GetIcon(static_cast<int>(labelled))->button;
    ASSERT_TRUE(Pointer::Click(icon, wxPoint(icon->GetSize().GetWidth() / 2, icon->GetSize().GetHeight() / 2), true));
    EXPECT_TRUE(RunEventLoopUntil([&] { return asked; }));
    RunEventLoopFor(300);
    ASSERT_TRUE(Pointer::Click(Scan()->GetMap(), wxPoint(480, 390)));
    EXPECT_TRUE(RunEventLoopUntil([&] { return Scan()->GetSelectedIcon() == -1; }));
    EXPECT_FALSE(Enabled("ID_BUTTON_CONNECT"));
    EXPECT_EQ(Scan()->GetList()->GetSelectedItemCount(), 0);
}

TEST_F(ScanWindowTest, TheConnectingTextKeepsItsWordsWholeAndCutsALongNameInItsMiddle) {
    const char* const names[] = {LongValues::kSsid, "Riverside Primary Staff Wing 101",
                                 "WWWWWWWWWWWWWWWW WWWWWWWWWWWWWWW"};
    std::string xml = "<world scanDelayMs=\"0\"><wireless up=\"1\"/>";
    for (int i = 0; i < 3; ++i)
        xml += std::string("<accessPoint ssid=\"") + names[i] + "\" bssid=\"00:1a:2b:3c:4d:0" + std::to_string(i + 1) +
               "\" channel=\"6\" phy=\"g\" security=\"open\" dhcpDelayMs=\"0\" dhcpAddress=\"10.20.9.5" +
               std::to_string(i) + "\" signal=\"" + std::to_string(90 - 10 * i) + "\"/>";
    ASSERT_TRUE(SimControl::ResetToXml(xml + "</world>"));
    ShowScanWindow(3);
    auto* line = static_cast<wxStaticText*>(wxWindow::FindWindowByName("ID_STATICTEXT_LABEL", Scan()->GetGauge()));
    const wxString before = "Connecting to ", after = " ...";
    for (int i = 0; i < 3; ++i) {
        const wxString name = wxString::FromUTF8(names[i]);
        SCOPED_TRACE(names[i]);
        ConnectTo(name, "");
        ASSERT_TRUE(Scan()->GetGauge()->IsShown());
        const wxString shown = line->GetLabelText();
        EXPECT_EQ(line->GetToolTipText(), before + name + after);
        ASSERT_TRUE(shown.StartsWith(before) && shown.EndsWith(after)) << shown.utf8_str();
        const wxString cut = shown.Mid(before.length(), shown.length() - before.length() - after.length());
        EXPECT_TRUE(name.StartsWith(cut.BeforeFirst(L'\u2026')) && name.EndsWith(cut.AfterFirst(L'\u2026')));
        ASSERT_TRUE(RunEventLoopUntil([&] {
            char ip[RVL_TEXT_BUFFER] = {};
            return hub->IsAllocatorTimerRunning() && RVL_GetIPAddressHLAN(ADAPTER_WIRELESS, ip) == 0 &&
                   ip == "10.20.9.5" + std::to_string(i);
        }));
        hub->OnAllocatorTimer();
        ASSERT_TRUE(RunEventLoopUntil([&] { return !Scan()->GetGauge()->IsShown(); }));
    }
}

TEST_F(ScanWindowTest, ANewNetworkBecomesAStoredProfileThroughTheEditor) {
    factory.withEditor = true;
    factory.editor = [](wxWindow* parent, ProfileList_t& profile) {
        EXPECT_NE(parent, nullptr);
        profile.icon = "3";  // the user's edit comes back
        return true;
    };
    ShowScanWindow();
    ConnectTo("Classroom-101", "lantern-wpa-key");
    EXPECT_TRUE(Scan()->GetGauge()->IsShown());
    EXPECT_EQ(TextOf(Scan()->GetGauge(), "ID_STATICTEXT_LABEL"), "Connecting to Classroom-101 ...");
    EXPECT_FALSE(Enabled("ID_BUTTON_REFRESH"));
    // Another network asked for meanwhile opens no prompt and leaves the
    // attempt's key alone.
    const long other = RowOf("Classroom-102");
    ClickButton(Scan(), ScanNetworkDlg::ICON_ID_BASE + static_cast<int>(other));
    ClickAt(IconOf(other), wxPoint(5, 5), true);
    RunEventLoopFor(20);
    ModalDialogAnswerer::Get().Expect("Successfully connected to Classroom-101.\nWould you like to create", wxID_YES);
    ModalDialogAnswerer::Get().Expect("Profile created successfully.", wxID_OK);
    FinishConnection(true);
    EXPECT_EQ(factory.editorRuns, 1);
    ProfileList_t stored;
    ASSERT_TRUE(ProfileFile::Read(ProfileFile::PathFor(SystemPaths::AdminDir(), "Classroom-101"), stored));
    EXPECT_EQ(stored.WirelessSet.WPAKey, "lantern-wpa-key");
    EXPECT_EQ(stored.WirelessSet.WlanSecurity, "wpa-psk");
    EXPECT_EQ(stored.icon, "3");
    ASSERT_EQ(factory.manager.added.size(), 1u);
    EXPECT_EQ(factory.manager.added[0].name, "Classroom-101");
    // Rebuilt with the new current network.
    EXPECT_EQ(Scan()->GetList()->GetItemText(RowOf("Classroom-101"), 4), "Yes");
    EXPECT_TRUE(Enabled("ID_BUTTON_REFRESH"));
}

TEST_F(ScanWindowTest, TheConnectedMarkLeavesANetworkWhenItsLinkIsClosed) {
    ShowScanWindow();
    ConnectTo("Library-WEP", "1234567890");
    FinishConnection(true);
    wxListCtrl* list = Scan()->GetList();
    ASSERT_TRUE(RunEventLoopUntil([&] { return list->GetItemText(RowOf("Library-WEP"), 4) == "Yes"; }));

    // Connect on Classroom-102 with the pointer, through the key, the wait,
    // the question whether to make a profile, the editor and the
    // confirmation: no network is marked that the laptop is not on.
    SimControl::SetDelays(0, 400, 800);
    LinkSampler sampler([&] { return JudgeScanMap(Scan()); });
    factory.withEditor = true;
    factory.editor = [&](wxWindow*, ProfileList_t&) {
        sampler.Sample("the profile editor");
        return true;
    };
    const long row = RowOf("Classroom-102");
    auto middle = [](wxWindow* w) { return wxPoint(w->GetSize().GetWidth() / 2, w->GetSize().GetHeight() / 2); };
    ASSERT_TRUE(Pointer::Click(IconOf(row), middle(IconOf(row))));
    ASSERT_TRUE(RunEventLoopUntil([&] { return Scan()->GetSelectedIcon() == row && Enabled("ID_BUTTON_CONNECT"); }));
    RunWhenShown([&](wxDialog* prompt) {
        sampler.Sample("the key asked");
        Answer(prompt, "lantern-wpa-key-2");
    });
    wxWindow* connect = wxWindow::FindWindowByName("ID_BUTTON_CONNECT", Scan());
    ASSERT_TRUE(Pointer::Click(connect, middle(connect)));
    ASSERT_TRUE(RunEventLoopUntil([&] { return hub->IsAllocatorTimerRunning(); }));
    sampler.Sample("the attempt started");
    ASSERT_TRUE(RunEventLoopUntil([&] {
        char ip[RVL_TEXT_BUFFER] = {};
        return RVL_GetIPAddressHLAN(ADAPTER_WIRELESS, ip) == 0 && std::strcmp(ip, "10.20.2.57") == 0;
    }));
    for (const char* asked : {"Successfully connected to Classroom-102.", "Profile created successfully."}) {
        ModalDialogAnswerer::Get().ExpectAny([&sampler, asked](wxDialog* shown) {
            EXPECT_TRUE(ModalDialogAnswerer::Describe(shown).Contains(asked));
            sampler.Sample(asked);
            return wxID_YES;
        });
    }
    hub->OnAllocatorTimer();
    ASSERT_TRUE(RunEventLoopUntil([&] { return list->GetItemText(RowOf("Classroom-102"), 4) == "Yes"; }));
    sampler.Sample("the end");
    EXPECT_EQ(factory.editorRuns, 1);
    EXPECT_GT(sampler.Samples(), 10);
    EXPECT_EQ(sampler.Faults(), "");
}

TEST_F(ScanWindowTest, AProposalNeverReplacesAStoredProfile) {
    // A profile named like the network, and one named like the proposal.
    AddProfile("Guest-Open", "lan");
    AddProfile("Guest-Open_0", "lan");
    const std::string path = ProfileFile::PathFor(SystemPaths::AdminDir(), "Guest-Open_0");
    const std::string before = TestTree::ReadFile(path);
    factory.withEditor = true;
    factory.editor = [](wxWindow*, ProfileList_t& profile) {
        EXPECT_EQ(profile.name, "Guest-Open_0");
        return true;
    };
    ShowScanWindow();
    ConnectTo("Guest-Open", "");
    ModalDialogAnswerer::Get().Expect("Would you like to create a new profile", wxID_YES);
    ModalDialogAnswerer::Get().Expect("Failed to create profile.", wxID_OK);
    FinishConnection(true);
    EXPECT_EQ(TestTree::ReadFile(path), before);
    EXPECT_TRUE(factory.manager.added.empty());
}

TEST_F(ScanWindowTest, WithoutAnEditorOrWithAWrongKeyNoProfileIsOffered) {
    ShowScanWindow();
    ConnectTo("Classroom-102", "not-the-key");
    ModalDialogAnswerer::Get().Expect("Cannot connect.", wxID_OK);
    FinishConnection(false);
    EXPECT_EQ(factory.editorRuns, 0);
    EXPECT_TRUE(Enabled("ID_BUTTON_CANCEL"));

    ConnectTo("Guest-Open", "");  // no editor in this build: nothing asked
    FinishConnection(true);
    EXPECT_EQ(factory.editorRuns, 0);
    EXPECT_EQ(Scan()->GetList()->GetItemText(RowOf("Guest-Open"), 4), "Yes");
}

TEST_F(ScanWindowTest, AHiddenNetworkIsJoinedByTheNameTypedForIt) {
    ShowScanWindow();
    SelectRow(RowOf("<Hidden>"));
    RunWhenShown([](wxDialog* prompt) {
        EXPECT_TRUE(ModalDialogAnswerer::Describe(prompt).Contains("Connect to Wireless Network"));
        Answer(prompt, "Lab-Hidden");
    });
    RunWhenShown([](wxDialog* prompt) { Answer(prompt, "hidden-lab-key"); });
    ClickButton(Scan(), "ID_BUTTON_CONNECT");
    EXPECT_EQ(TextOf(Scan()->GetGauge(), "ID_STATICTEXT_LABEL"), "Connecting to Lab-Hidden ...");
    FinishConnection(true);
    const APStatus* current = hub->GetCurrentAPStatus();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(ApStatusUtil::SsidBytes(*current), "Lab-Hidden");
    EXPECT_EQ(Scan()->GetList()->GetItemText(RowOf("<Hidden>"), 4), "Yes");  // still shown as hidden
}

TEST_F(ScanWindowTest, AResultDuringAPromptDestroysNoIconAndTheMapIsRebuiltAfterwards) {
    ShowScanWindow();
    const long row = RowOf("Classroom-102");
    ClickButton(Scan(), ScanNetworkDlg::ICON_ID_BASE + static_cast<int>(row));
    wxWindow* icon = IconOf(row);
    icon->SetName("icon under the double-click");  // a new icon may take its memory
    bool iconKept = false;
    RunWhenShown([&](wxDialog* prompt) {
        Scan()->GetEventHandler()->AddPendingEvent(WlanAcmEvent(ID_WLAN_ACM, WLAN_DISCONNECTED, REASON_NORMAL));
        RunEventLoopFor(50);
        iconKept = IconOf(row) != nullptr && IconOf(row)->GetName() == "icon under the double-click";
        ClickButton(prompt, wxID_CANCEL);
    });
    ClickAt(icon, wxPoint(5, 5), true);  // the double-click opens the key prompt
    EXPECT_TRUE(iconKept);
    RunEventLoopFor(50);
    ASSERT_NE(IconOf(row), nullptr);
    EXPECT_NE(IconOf(row)->GetName(), "icon under the double-click") << "rebuilt once the prompt closed";
    EXPECT_TRUE(Enabled("ID_BUTTON_REFRESH"));
}

TEST_F(ScanWindowTest, AfterACloseAnOldAttemptsResultAndAScanDuringAPromptDestroyNothing) {
    ShowScanWindow();
    ConnectTo("Guest-Open", "");
    Scan()->Close();
    Scan()->ShowForConnect();  // scanning again
    WlanAcmEvent connected(ID_WLAN_ACM, WLAN_CONNECTED, REASON_NORMAL);
    Scan()->GetEventHandler()->ProcessEvent(connected);  // the attempt from before the close
    EXPECT_TRUE(Scan()->GetGauge()->IsShown());
    EXPECT_EQ(Scan()->GetList()->GetItemCount(), 0) << "no earlier map while scanning";
    ASSERT_TRUE(RunEventLoopUntil([&] { return Scan()->GetList()->GetItemCount() == 9; }));

    const long row = RowOf("Classroom-102");
    ClickButton(Scan(), ScanNetworkDlg::ICON_ID_BASE + static_cast<int>(row));
    wxWindow* icon = IconOf(row);
    icon->SetName("icon under the double-click");
    AccessPointList later{};
    later.nCount = 2;
    later.list[0] = ApStatusUtil::MakeWithSsid("Later-A");
    later.list[1] = ApStatusUtil::MakeWithSsid("Later-B");
    bool iconKept = false;
    RunWhenShown([&](wxDialog* prompt) {
        Scan()->UI_UpdateAPSatus(0, &later);
        iconKept = IconOf(row) != nullptr && IconOf(row)->GetName() == "icon under the double-click";
        ClickButton(prompt, wxID_CANCEL);
    });
    ClickAt(icon, wxPoint(5, 5), true);
    EXPECT_TRUE(iconKept);
    RunEventLoopFor(50);
    ASSERT_EQ(Scan()->GetList()->GetItemCount(), 2) << "the scan is shown once the prompt closed";
    EXPECT_EQ(Scan()->GetList()->GetItemText(0, 1), "Later-A");
}

TEST_F(ScanWindowTest, ADoubleClickOnTheConnectedNetworkDisconnects) {
    ShowScanWindow();
    ConnectTo("Guest-Open", "");
    FinishConnection(true);
    const long row = RowOf("Guest-Open");
    ClickButton(Scan(), ScanNetworkDlg::ICON_ID_BASE + static_cast<int>(row));
    EXPECT_EQ(ButtonLabel("ID_BUTTON_CONNECT"), "Disconnect");
    ClickAt(IconOf(row), wxPoint(5, 5), true);
    RunEventLoopFor(50);
    EXPECT_EQ(hub->GetCurrentAPStatus(), nullptr);
    EXPECT_EQ(ButtonLabel("ID_BUTTON_CONNECT"), "Connect");
    EXPECT_EQ(Scan()->GetList()->GetItemText(RowOf("Guest-Open"), 4), "No");
}

TEST_F(ScanWindowTest, SelectModeHandsTheNetworkBackWithoutAPrompt) {
    SimControl::SetAdapterUp(ADAPTER_WIRELESS, true);
    bool labelledOk = false;
    RunWhenShown([&](wxDialog*) {
        ASSERT_TRUE(RunEventLoopUntil([&] { return Scan()->GetList()->GetItemCount() == 9; }));
        labelledOk = ButtonLabel("ID_BUTTON_CONNECT") == "OK";
        SelectRow(RowOf("<Hidden>"));
        ClickButton(Scan(), "ID_BUTTON_CONNECT");
    });
    APStatus picked{};
    ASSERT_TRUE(Scan()->PickAccessPoint(&picked));
    EXPECT_TRUE(labelledOk);
    EXPECT_EQ(picked.nSSIDLength, 0u);
    EXPECT_EQ(picked.nSignalQuality, 35u);
    EXPECT_EQ(picked.nSecurity, static_cast<uint32_t>(RVL_SECURITY_WPA_PSK));
    EXPECT_FALSE(Scan()->IsShown());
}

TEST_F(ScanWindowTest, EmptyAndFailedScansLeaveUsableButtonsAndNothingToSort) {
    ShowScanWindow();
    const struct { bool threadFails; int failResult; const char* message; } cases[] = {
        {true, 0, "Failed to scan for networks!"},
        {false, 3, "Failed to scan for networks!"},
        {false, 2, "Cannot find WLAN adapter!"},
        {false, 0, nullptr},  // nothing in the air
    };
    SelectRow(RowOf("Guest-Open"));  // a selection on the map the scan clears
    for (const auto& c : cases) {
        hub->failScanThread = c.threadFails;
        if (c.failResult != 0)
            SimControl::FailNextCall("RVL_GetAPList", c.failResult);
        if (!c.threadFails && c.failResult == 0) {
            ASSERT_TRUE(SimControl::ResetToXml("<world scanDelayMs=\"0\"><wireless up=\"1\"/></world>"));
        }
        if (c.message != nullptr)
            ModalDialogAnswerer::Get().Expect(c.message, wxID_OK);
        ClickButton(Scan(), "ID_BUTTON_REFRESH");
        ASSERT_TRUE(RunEventLoopUntil([&] { return !Scan()->GetGauge()->IsShown(); })) << c.failResult;
        RunEventLoopFor(30);
        if (c.threadFails) {
            EXPECT_FALSE(Scan()->GetGauge()->IsShown()) << "no gauge without a scan";
        }
        EXPECT_TRUE(Enabled("ID_BUTTON_REFRESH")) << c.failResult;
        EXPECT_TRUE(Enabled("ID_BUTTON_CANCEL")) << c.failResult;
        EXPECT_EQ(Scan()->GetAPCount(), 0) << c.failResult;
        WlanAcmEvent disconnected(ID_WLAN_ACM, WLAN_DISCONNECTED, REASON_NORMAL);
        Scan()->GetEventHandler()->ProcessEvent(disconnected);  // redraws the empty map
        EXPECT_FALSE(Enabled("ID_BUTTON_CONNECT")) << c.failResult;
        wxListEvent click(wxEVT_LIST_COL_CLICK, Scan()->GetList()->GetId());
        click.m_col = 2;
        Scan()->GetEventHandler()->ProcessEvent(click);
        EXPECT_EQ(Scan()->GetList()->GetItemCount(), 0) << "a sort shows no network of an earlier scan";
        hub->failScanThread = false;
    }
}

TEST_F(ScanWindowTest, AScanReportOverThirtyTwoIsReadAsThirtyTwo) {
    ShowScanWindow();
    AccessPointList list{};
    list.nCount = 5000;
    for (int i = 0; i < RVL_AP_LIST_MAX; ++i) {
        list.list[i] = ApStatusUtil::MakeWithSsid("AP-" + std::to_string(i));
        list.list[i].nSignalQuality = static_cast<uint32_t>(i * 3);
    }
    Scan()->UI_UpdateAPSatus(0, &list);
    EXPECT_EQ(Scan()->GetAPCount(), 32);
    EXPECT_EQ(Scan()->GetList()->GetItemCount(), 32);
}

TEST_F(ScanWindowTest, AShownWindowIsOnlyRaisedByAConnectOpener) {
    SimControl::SetAdapterUp(ADAPTER_WIRELESS, true);
    Scan()->SetUsedForConnect(false);
    Scan()->ShowForConnect();
    EXPECT_TRUE(Scan()->IsShown());
    EXPECT_TRUE(Scan()->IsUsedForConnect());
    Scan()->SetUsedForConnect(false);  // now picking for a profile dialog
    Scan()->ShowForConnect();
    EXPECT_FALSE(Scan()->IsUsedForConnect());
    Scan()->CloseIfShown();
    EXPECT_FALSE(Scan()->IsShown());
}
