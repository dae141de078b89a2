#ifndef TIDEWAVE_MESHTESTSUPPORT_H
#define TIDEWAVE_MESHTESTSUPPORT_H

#include <functional>
#include <vector>

#include <wx/string.h>

#include "MeshServerEntity.h"
#include "MeshServerObserver.h"
#include "MeshStateMachine.h"
#include "NetworkTypes.h"

// A mesh server of the classroom: service and host name alike, DNS
// 10.20.0.1 and 8.8.8.8.
inline MeshServerEntity ServerRecord(const char* host, const char* ip, int channel) {
    MeshServerEntity s;
    s.SetName(host);
    s.SetHostName(host);
    s.SetIPAddress(ip);
    s.SetDNS("10.20.0.1");
    s.SetDNS_back("8.8.8.8");
    s.SetChannel(channel);
    return s;
}

// This laptop's own record while it shares its internet.
inline MeshServerEntity OwnServerRecord() {
    MeshServerEntity own = ServerRecord("laptop-07", "10.20.0.7", 6);
    own.SetName(wxString());
    return own;
}

// The application's side of the mesh commands, recorded.
struct MeshCommandsRecorder : MeshServerObserver {
    int status = MESH_OFF;
    int publishRequests = 0, browseRequests = 0, clientShown = 0;
    bool policyAllows = true, applyIdle = true;
    std::vector<wxString> messages;  // text, then " (!)" or " (i)" for the icon
    std::function<void(const wxString&)> showMessage;  // besides recording
    std::function<bool()> shareDialog = [] { return false; };

    void OnMeshServersChanged() override {}

    MeshStateMachine::Hooks Hooks() {
        MeshStateMachine::Hooks hooks;
        hooks.getStatus = [this] { return status; };
        hooks.setStatus = [this](int s) { status = s; };
        hooks.requestPublish = [this] { ++publishRequests; };
        hooks.requestBrowse = [this] { ++browseRequests; };
        hooks.canUseMesh = [this] { return policyAllows; };
        hooks.applyIdle = [this] { return applyIdle; };
        hooks.showMessage = [this](const wxString& text, bool exclamation) {
            messages.push_back(text + (exclamation ? " (!)" : " (i)"));
            if (showMessage)
                showMessage(text);
        };
        hooks.runShareDialog = [this] { return shareDialog(); };
        hooks.clientDialog = [this]() -> MeshServerObserver* { return this; };
        hooks.showClientDialog = [this] { ++clientShown; };
        hooks.cancelClientDialog = [] {};
        return hooks;
    }
};

#endif
