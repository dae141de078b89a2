#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "MeshConfigurationStore.h"
#include "MeshInfoManager.h"
#include "MeshStateMachine.h"
#include "MeshTestSupport.h"
#include "NetworkTypes.h"
#include "PublishRecord.h"
#include "TestEnvironment.h"
#include "XMLOperator.h"
#include "sim/SimControl.h"

namespace {

// The mesh commands over the simulated laptop, with the application's side
// recorded.
class MeshStateMachineTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestEnvironment::ResetFolders();
        SimControl::ResetToDefault();
        SimControl::SetDelays(0, 0, 0);
        machine = std::make_unique<MeshStateMachine>(app.Hooks(), model);
    }

    bool Called(const std::string& call) const {
        const std::vector<std::string> log = SimControl::CallLog();
        return std::find(log.begin(), log.end(), call) != log.end();
    }

    MeshInfoManager model;
    MeshCommandsRecorder app;
    std::unique_ptr<MeshStateMachine> machine;
};

}  // namespace

TEST_F(MeshStateMachineTest, TurnOnSendsAStoredConfigurationFirst) {
    machine->TurnOnMesh();
    EXPECT_TRUE(SimControl::MeshOn());
    EXPECT_EQ(SimControl::CallLog(), (std::vector<std::string>{"RVL_TurnOnMesh(1)"})) << "no file: nothing sent";
    EXPECT_EQ(app.status, MESH_ON);
    EXPECT_TRUE(model.IsMeshEnabled());
    EXPECT_EQ(app.browseRequests, 1);
    EXPECT_EQ(app.publishRequests, 0) << "turning mesh on publishes nothing";

    MeshConfigurationEntity stored;
    stored.SetHostName("Room 12");
    stored.SetChannel(11);
    XMLOperator xml;
    ASSERT_TRUE(xml.WriteMeshConfiguration(&stored));
    SimControl::ClearCallLog();
    machine->TurnOnMesh();
    EXPECT_EQ(SimControl::CallLog(), (std::vector<std::string>{"RVL_SetMeshHostName(\"Room 12\")",
                                                               "RVL_SetMeshChannel(11)", "RVL_TurnOnMesh(1)"}));
}

TEST_F(MeshStateMachineTest, RefusalsAndFailuresChangeNothing) {
    struct Case {
        const char* what;
        std::function<void()> arrange;
        std::function<void(MeshStateMachine&)> command;
        const char* message;  // empty: none
    };
    const Case cases[] = {
        {"policy, turn on", [this] { app.policyAllows = false; }, [](MeshStateMachine& m) { m.TurnOnMesh(); },
         "The current policy forbids using mesh. (i)"},
        {"policy, share", [this] { app.policyAllows = false; }, [](MeshStateMachine& m) { m.ShareMyInternet(); },
         "The current policy forbids using mesh. (i)"},
        {"policy, use other's", [this] { app.policyAllows = false; },
         [](MeshStateMachine& m) { m.UseOthersInternet(); }, "The current policy forbids using mesh. (i)"},
        {"an apply runs", [this] { app.applyIdle = false; }, [](MeshStateMachine& m) { m.TurnOnMesh(); }, ""},
        {"platform refuses mesh", [] { SimControl::FailNextCall("RVL_TurnOnMesh", 3); },
         [](MeshStateMachine& m) { m.TurnOnMesh(); }, "Mesh networking could not be turned on. (!)"},
        {"platform refuses the server", [] { SimControl::FailNextCall("RVL_EnableMeshServer", 3); },
         [](MeshStateMachine& m) { EXPECT_FALSE(m.EnableServer("eth0")); },
         "This machine could not be made a mesh server. (!)"},
        {"platform refuses the join",
         [this] {
             app.status = MESH_ON;
             SimControl::FailNextCall("RVL_EnableMeshClient", 3);
         },
         [](MeshStateMachine& m) { EXPECT_FALSE(m.JoinServer(MeshServerEntity())); },
         "Could not connect to the mesh server. (!)"},
    };
    for (const Case& c : cases) {
        app.policyAllows = app.applyIdle = true;
        app.messages.clear();
        app.status = MESH_OFF;
        c.arrange();
        const int status = app.status;
        c.command(*machine);
        EXPECT_EQ(app.status, status) << c.what;
        EXPECT_FALSE(model.IsMeshEnabled()) << c.what;
        EXPECT_EQ(app.publishRequests + app.browseRequests + app.clientShown, 0) << c.what;
        EXPECT_EQ(model.GetObserver(), nullptr) << c.what;
        if (*c.message == '\0')
            EXPECT_TRUE(app.messages.empty()) << c.what;
        else
            EXPECT_EQ(app.messages, std::vector<wxString>{c.message}) << c.what;
    }
}

TEST_F(MeshStateMachineTest, OnlyASuccessfulShareIsAdvertised) {
    ASSERT_EQ(RVL_UpAdapter(ADAPTER_WIRED), 0);
    app.status = MESH_ON;
    bool sharedOnce = false;
    app.shareDialog = [&] {
        EXPECT_EQ(app.status, MESH_ON) << "nothing is shared before OK";
        return sharedOnce = machine->EnableServer("eth0");
    };
    machine->ShareMyInternet();
    ASSERT_TRUE(sharedOnce);
    EXPECT_TRUE(Called("RVL_EnableMeshServer(\"eth0\")"));
    EXPECT_EQ(app.status, MESH_SHARING_MY_INTERNET);
    EXPECT_EQ(app.publishRequests, 1);
    MeshServerEntity own;
    ASSERT_TRUE(model.GetLocalMeshServer(own));
    EXPECT_EQ(own.GetIPAddress(), "192.168.10.57");
    EXPECT_EQ(own.GetHostName(), "laptop-07");
    EXPECT_EQ(own.GetDNS(), "10.20.0.1");
    EXPECT_EQ(own.GetDNS_back(), "8.8.8.8");
    EXPECT_EQ(own.GetChannel(), 6);

    // Cancelled, or refused by the platform: the running share stays.
    for (int i = 0; i < 2; ++i) {
        if (i == 1)
            SimControl::FailNextCall("RVL_EnableMeshServer", 2);
        app.shareDialog = [&] { return i == 0 ? false : machine->EnableServer("ra0"); };
        machine->ShareMyInternet();
        EXPECT_EQ(app.status, MESH_SHARING_MY_INTERNET);
        EXPECT_EQ(app.publishRequests, 1);
        EXPECT_TRUE(model.GetLocalMeshServer(own));
    }
    // A gateway record the platform fills to the brim is read within its
    // fields, and announced as far as peers read it.
    MeshGatewayInfo full;
    std::memset(&full, '7', sizeof full);
    SimControl::SetNextGatewayInfo(full);
    app.shareDialog = [] { return true; };
    machine->ShareMyInternet();
    ASSERT_TRUE(model.GetLocalMeshServer(own));
    EXPECT_EQ(own.GetHostName(), wxString(33, '7'));
    EXPECT_EQ(own.GetChannel(), '7');
    MeshTxtRecord::Items announced;
    ASSERT_TRUE(PublishRecord::Current(model, announced));
    const std::string item(MeshTxtRecord::kMaxServerItemBytes, '7');
    EXPECT_EQ(announced, (MeshTxtRecord::Items{item, item, item, item, "55"}));

    // A mesh client that opens the dialog and cancels stays a client
    // throughout, so no status check meanwhile shows it sharing.
    for (int status : {MESH_ON, MESH_USING_OTHERS_INTERNET}) {
        app.status = status;
        app.shareDialog = [&] {
            EXPECT_EQ(app.status, status) << "while the dialog runs";
            return false;
        };
        machine->ShareMyInternet();
        EXPECT_EQ(app.status, status);
    }
}

TEST_F(MeshStateMachineTest, AShareWithoutAnAddressIsRefusedOrLeavesTheStatus) {
    struct Case {
        const char* what;
        bool cable;        // the wired address is there
        int status;        // before the command
        const char* name;  // the interface the dialog shares
        bool canShare;
        int statusAfter;
    };
    const Case cases[] = {
        {"wired, with an address", true, MESH_ON, "eth0", true, MESH_SHARING_MY_INTERNET},
        {"wired, without", false, MESH_ON, "eth0", false, MESH_ON},
        {"wireless, connected by the scan window afterwards", false, MESH_ON, "ra0", true, MESH_ON},
        {"wireless, while a share runs", false, MESH_SHARING_MY_INTERNET, "ra0", true, MESH_SHARING_MY_INTERNET},
        {"a name like ra0 in capitals", false, MESH_ON, "RA0", false, MESH_ON},
    };
    for (const Case& c : cases) {
        SimControl::ResetToDefault();
        SimControl::SetWiredLink(c.cable);
        app.status = c.status;
        app.messages.clear();
        app.publishRequests = 0;
        model.SetIsMeshServer(c.status == MESH_SHARING_MY_INTERNET);
        EXPECT_EQ(machine->CanShare(c.name), c.canShare) << c.what;
        // The share as the dialog makes it, after its check or with the
        // address lost meanwhile.
        app.shareDialog = [&] { return machine->EnableServer(c.name); };
        machine->ShareMyInternet();
        EXPECT_EQ(app.status, c.statusAfter) << c.what;
        MeshServerEntity own;
        EXPECT_EQ(model.GetLocalMeshServer(own), c.statusAfter == MESH_SHARING_MY_INTERNET) << c.what;
        const bool announced = c.status != c.statusAfter;
        EXPECT_EQ(app.publishRequests, announced ? 1 : 0) << c.what;
        std::vector<wxString> told;
        if (!c.canShare)
            told.push_back(wxString(c.name) + " cannot be shared while this machine has no IPv4 address. (!)");
        if (!c.cable)
            told.push_back("Nothing is announced while this machine has no IPv4 address. Share its internet again "
                           "once it is connected. (!)");
        EXPECT_EQ(app.messages, told) << c.what;
    }
}

TEST_F(MeshStateMachineTest, JoiningIsDecidedByTheClientDialogsOk) {
    app.status = MESH_SHARING_MY_INTERNET;
    model.SetIsMeshServer(true);
    machine->UseOthersInternet();
    EXPECT_EQ(model.GetObserver(), &app);
    EXPECT_EQ(app.clientShown, 1);
    MeshServerEntity own;
    EXPECT_TRUE(model.GetLocalMeshServer(own)) << "a share stays advertised until a join succeeds";
    EXPECT_EQ(app.publishRequests, 0);

    MeshServerEntity server;
    server.SetIPAddress("10.20.0.12");
    server.SetDNS("10.20.0.1");
    server.SetDNS_back("8.8.8.8");
    EXPECT_TRUE(machine->JoinServer(server));
    EXPECT_TRUE(Called("RVL_EnableMeshClient(\"10.20.0.12\", \"10.20.0.1\", \"8.8.8.8\")"));
    EXPECT_EQ(app.status, MESH_USING_OTHERS_INTERNET);
    EXPECT_FALSE(model.GetLocalMeshServer(own));
    EXPECT_EQ(app.publishRequests, 1);
}

TEST_F(MeshStateMachineTest, TurningOffAlwaysGoesAhead) {
    app.status = MESH_SHARING_MY_INTERNET;
    model.SetMeshEnabled(true);
    model.SetIsMeshServer(true);
    MeshServerEntity listed;
    listed.SetHostName("laptop-12");
    model.ModifyMeshServer(listed);
    SimControl::FailNextCall("RVL_TurnOnMesh", 5);
    machine->TurnOffMesh();
    EXPECT_EQ(app.status, MESH_OFF);
    EXPECT_FALSE(model.IsMeshEnabled());
    MeshServerEntity own;
    EXPECT_FALSE(model.GetLocalMeshServer(own));
    EXPECT_EQ(app.publishRequests, 1);
    EXPECT_EQ(app.browseRequests, 1);
    EXPECT_EQ(model.GetMeshServerInfoList().size(), 1u) << "the server list is kept";
    EXPECT_TRUE(app.messages.empty());
}

TEST(MeshConfigurationStore, FileElsePlatformElseDefaults) {
    struct Case {
        const char* what;
        std::function<void()> arrange;
        const char* name;
        int channel;
        int time;
    };
    const Case cases[] = {
        {"complete file, channel unchecked",
         [] {
             MeshConfigurationEntity e;
             e.SetHostName("Room 12");
             e.SetChannel(99);
             e.SetAdvertiseTime(7);
             XMLOperator xml;
             xml.WriteMeshConfiguration(&e);
         },
         "Room 12", 99, 7},
        {"platform's name and channel", [] {}, "laptop-07", 6, 60},
        {"platform without a name", [] { SimControl::FailNextCall("RVL_GetMeshHostName", 1); }, "Mesh_User", 1, 60},
        {"platform stores no channel", [] { SimControl::FailNextCall("RVL_GetMeshChannel", 1); }, "laptop-07", 1,
         60},
    };
    for (const Case& c : cases) {
        TestEnvironment::ResetFolders();
        SimControl::ResetToDefault();
        c.arrange();
        XMLOperator xml;
        const MeshConfigurationEntity e = MeshConfigurationStore::Load(xml);
        EXPECT_EQ(e.GetHostName(), c.name) << c.what;
        EXPECT_EQ(e.GetChannel(), c.channel) << c.what;
        EXPECT_EQ(e.GetAdvertiseTime(), c.time) << c.what;
    }
}
