#include "MeshStateMachine.h"

#include <atomic>
#include <cstring>

#include <wx/intl.h>

#include "MeshConfigurationEntity.h"
#include "MeshConfigurationStore.h"
#include "MeshGatewayRecord.h"
#include "MeshInfoManager.h"
#include "MeshServerObserver.h"
#include "MeshText.h"
#include "NetworkTypes.h"
#include "RvlSdk.h"
#include "TWMUtil.h"
#include "XMLOperator.h"

namespace {

std::atomic<MeshStateMachine*> g_current{nullptr};

// This host's own gateway record from the platform, read into a zeroed
// record.
MeshServerEntity ReadOwnGateway() {
    MeshGatewayInfo info;
    std::memset(&info, 0, sizeof info);
    RVL_GetMeshGatewayInfo(&info);
    return MeshGatewayRecord::Unpack(info);
}

}  // namespace

MeshStateMachine::MeshStateMachine(Hooks hooks, MeshInfoManager& model) : m_hooks(std::move(hooks)), m_model(model) {}

MeshStateMachine::~MeshStateMachine() {
    MeshStateMachine* self = this;
    g_current.compare_exchange_strong(self, nullptr);
}

MeshStateMachine* MeshStateMachine::Current() { return g_current; }

void MeshStateMachine::SetCurrent(MeshStateMachine* machine) { g_current = machine; }

bool MeshStateMachine::MayUseMesh() {
    if (!m_hooks.canUseMesh()) {
        m_hooks.showMessage(_("The current policy forbids using mesh."), false);
        return false;
    }
    return m_hooks.applyIdle();
}

void MeshStateMachine::TurnOnMesh() {
    if (!MayUseMesh())
        return;
    // The mesh comes up with the configured name and channel, when a
    // complete configuration is on file.
    XMLOperator xml;
    MeshConfigurationEntity configuration;
    if (xml.ReadMeshConfiguration(&configuration))
        MeshConfigurationStore::SendToPlatform(configuration.GetHostName(), configuration.GetChannel());
    if (RVL_TurnOnMesh(1) != 0) {
        m_hooks.showMessage(_("Mesh networking could not be turned on."), true);
        return;
    }
    m_hooks.setStatus(MESH_ON);
    m_model.SetMeshEnabled(true);
    m_hooks.requestBrowse();
}

void MeshStateMachine::TurnOffMesh() {
    RVL_TurnOnMesh(0);
    m_hooks.setStatus(MESH_OFF);
    // No server is joined while mesh is off.
    m_hooks.cancelClientDialog();
    m_model.SetMeshEnabled(false);
    m_model.SetIsMeshServer(false);
    m_hooks.requestPublish();
    m_hooks.requestBrowse();
}

void MeshStateMachine::ShareMyInternet() {
    if (!MayUseMesh())
        return;
    // The state stays what it is while the dialog runs, and after it when
    // nothing was shared: the status checks meanwhile show what the laptop
    // does.
    if (!m_hooks.runShareDialog())
        return;
    // A wireless interface is shared before its connection is made; without
    // any address yet there is nothing to announce.
    const MeshServerEntity own = ReadOwnGateway();
    if (own.GetIPAddress().empty()) {
        m_hooks.showMessage(_("Nothing is announced while this machine has no IPv4 address. Share its internet "
                              "again once it is connected."),
                            true);
        return;
    }
    m_hooks.setStatus(MESH_SHARING_MY_INTERNET);
    m_model.SetLocalMeshServer(own);
    m_model.SetIsMeshServer(true);
    m_hooks.requestPublish();
}

void MeshStateMachine::UseOthersInternet() {
    if (!MayUseMesh())
        return;
    MeshServerObserver* dialog = m_hooks.clientDialog();
    if (dialog == nullptr)
        return;
    m_model.SetMeshUseOthersInternetDlg(dialog);
    m_hooks.showClientDialog();
}

bool MeshStateMachine::ConnectsWhenShared(const wxString& interfaceName) { return interfaceName.StartsWith("ra"); }

bool MeshStateMachine::CanShare(const wxString& interfaceName) {
    if (ConnectsWhenShared(interfaceName) || !ReadOwnGateway().GetIPAddress().empty())
        return true;
    m_hooks.showMessage(
        wxString::Format(_("%s cannot be shared while this machine has no IPv4 address."), interfaceName), true);
    return false;
}

bool MeshStateMachine::EnableServer(const wxString& interfaceName) {
    char name[RVL_TEXT_BUFFER];
    MeshText::FillField(name, sizeof name, TWMUtil::WxStringToStdString(interfaceName));
    if (RVL_EnableMeshServer(name) != 0) {
        m_hooks.showMessage(_("This machine could not be made a mesh server."), true);
        return false;
    }
    return true;
}

bool MeshStateMachine::JoinServer(const MeshServerEntity& server) {
    if (m_hooks.getStatus() == MESH_OFF)
        return false;
    MeshGatewayInfo info = MeshGatewayRecord::Pack(server);
    if (RVL_EnableMeshClient(&info) != 0) {
        m_hooks.showMessage(_("Could not connect to the mesh server."), true);
        return false;
    }
    m_hooks.setStatus(MESH_USING_OTHERS_INTERNET);
    m_model.SetIsMeshServer(false);
    m_hooks.requestPublish();
    return true;
}
