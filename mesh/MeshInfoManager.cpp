#include "MeshInfoManager.h"

#include <cstdio>

#include <wx/intl.h>

#include "MeshServerObserver.h"
#include "SystemInterfaceQuery.h"
#include "TWMUtil.h"

MeshInfoManager* MeshInfoManager::GetInstance() {
    static MeshInfoManager* const instance = new MeshInfoManager;
    return instance;
}

std::vector<MeshServerEntity>::iterator MeshInfoManager::FindMeshServer(const MeshServerEntity& server) {
    auto it = m_meshServerList.begin();
    while (it != m_meshServerList.end() && it->GetHostName() != server.GetHostName())
        ++it;
    return it;
}

void MeshInfoManager::AddMeshServer(const MeshServerEntity& server) {
    std::puts("AddMeshServer");
    m_meshServerList.push_back(server);
}

void MeshInfoManager::ModifyMeshServer(const MeshServerEntity& server) {
    bool changed = false;
    {
        wxMutexLocker lock(m_mutex);
        auto it = FindMeshServer(server);
        if (it == m_meshServerList.end()) {
            if (m_meshServerList.size() >= kMaxServers) {
                std::printf("mesh server list full, %s ignored\n",
                            static_cast<const char*>(server.GetHostName().utf8_str()));
                return;
            }
            AddMeshServer(server);
            changed = true;
        } else {
            if (it->GetChannel() != server.GetChannel()) {
                it->SetChannel(server.GetChannel());
                changed = true;
            }
            if (it->GetSignalStrength() != server.GetSignalStrength()) {
                it->SetSignalStrength(server.GetSignalStrength());
                changed = true;
            }
            if (it->GetStatus() != server.GetStatus()) {
                it->SetStatus(server.GetStatus());
                changed = true;
            }
        }
    }
    if (changed)
        Notify();
}

void MeshInfoManager::RemoveMeshServer(const wxString& serviceName) {
    bool erased = false;
    {
        wxMutexLocker lock(m_mutex);
        for (auto it = m_meshServerList.begin(); it != m_meshServerList.end(); ++it) {
            if (it->GetName() == serviceName) {
                m_meshServerList.erase(it);
                erased = true;
                break;
            }
        }
    }
    // A withdrawal of a service never listed changes nothing the observer
    // shows.
    if (erased)
        Notify();
}

std::vector<MeshServerEntity> MeshInfoManager::GetMeshServerInfoList() const {
    wxMutexLocker lock(m_mutex);
    return m_meshServerList;
}

void MeshInfoManager::SetMeshUseOthersInternetDlg(MeshServerObserver* observer) {
    std::lock_guard<std::mutex> lock(m_observerMutex);
    m_pObserver = observer;
}

MeshServerObserver* MeshInfoManager::GetObserver() const {
    std::lock_guard<std::mutex> lock(m_observerMutex);
    return m_pObserver;
}

void MeshInfoManager::Notify() {
    std::puts("Notify");
    std::lock_guard<std::mutex> lock(m_observerMutex);
    if (m_pObserver == nullptr) {
        std::puts("m_pMeshUseOthersInternetDlg==NULL");
        return;
    }
    std::puts("m_pMeshUseOthersInternetDlg!=NULL");
    m_pObserver->OnMeshServersChanged();
}

bool MeshInfoManager::SetLocalMeshServer(const MeshServerEntity& server) {
    wxMutexLocker lock(m_mutex);
    m_localMeshServer.SetIPAddress(server.GetIPAddress());
    m_localMeshServer.SetHostName(server.GetHostName());
    m_localMeshServer.SetDNS(server.GetDNS());
    m_localMeshServer.SetDNS_back(server.GetDNS_back());
    m_localMeshServer.SetChannel(server.GetChannel());
    return true;
}

bool MeshInfoManager::GetLocalMeshServer(MeshServerEntity& out) const {
    if (!m_bIsMeshServer) {
        std::puts("m_bIsMeshServer = false");
        return false;
    }
    std::puts("m_bIsMeshServer = true");
    wxMutexLocker lock(m_mutex);
    out.SetIPAddress(m_localMeshServer.GetIPAddress());
    out.SetHostName(m_localMeshServer.GetHostName());
    out.SetDNS(m_localMeshServer.GetDNS());
    out.SetDNS_back(m_localMeshServer.GetDNS_back());
    out.SetChannel(m_localMeshServer.GetChannel());
    return true;
}

void MeshInfoManager::GetInternetStateList(std::vector<InternetStateEntity>& out) const {
    if (m_pInterfaces != nullptr) {
        GetInternetStateList(out, *m_pInterfaces);
        return;
    }
    SystemInterfaceQuery query;
    GetInternetStateList(out, query);
}

void MeshInfoManager::GetInternetStateList(std::vector<InternetStateEntity>& out, InterfaceQuery& query) {
    for (const std::string& name : query.Names()) {
        if (name.find("eth") == std::string::npos && name.find("ra") == std::string::npos)
            continue;
        InternetStateEntity entity;
        entity.SetName(TWMUtil::StdStringToWxString(name));
        entity.SetIPAddress(TWMUtil::StdStringToWxString(query.IPv4(name)));
        if (!query.OpenSocket()) {
            entity.SetState(_("Disabled"));
            out.push_back(entity);
            continue;
        }
        bool up = false;
        const bool read = query.ReadUpFlag(name, up);
        query.CloseSocket();
        if (!read)
            continue;
        entity.SetState(up ? _("Enabled") : _("Disabled"));
        out.push_back(entity);
    }
}
