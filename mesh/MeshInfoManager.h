#ifndef TIDEWAVE_MESHINFOMANAGER_H
#define TIDEWAVE_MESHINFOMANAGER_H

#include <atomic>
#include <mutex>
#include <vector>

#include <wx/string.h>
#include <wx/thread.h>

#include "InternetStateEntity.h"
#include "MeshServerEntity.h"

class InterfaceQuery;
class MeshServerObserver;

// The mesh model: the mesh servers DNS-SD browsing found, this host's own
// mesh-server record, the mesh-on and mesh-server flags and the one observer
// told of list changes.
//
// The browse thread changes the list while the GUI thread reads it and the
// publish thread reads the own record: the list and the own record are kept
// under one mutex and copied out under it, the flags are atomic.  The
// observer is told after that mutex is released, under a second one that
// registering and unregistering take too: once unregistering has returned,
// the observer is no longer called and may go.
class MeshInfoManager {
public:
    // More servers than a classroom holds are ignored, so that a flood of
    // announcements cannot grow the list without end.
    static constexpr size_t kMaxServers = 256;

    // The process-wide model.  The application makes it before any DNS-SD
    // thread starts; it is never destroyed.
    static MeshInfoManager* GetInstance();

    // Tests make models of their own.
    MeshInfoManager() = default;
    MeshInfoManager(const MeshInfoManager&) = delete;
    MeshInfoManager& operator=(const MeshInfoManager&) = delete;

    // Adds a server whose host name is not listed; for a listed host name
    // takes over channel, signal strength and status flag only.  Tells the
    // observer when something changed.
    void ModifyMeshServer(const MeshServerEntity& server);
    // Erases the first server with this service name; tells the observer
    // when one was erased.
    void RemoveMeshServer(const wxString& serviceName);
    // A copy of the list, in order of first discovery.
    std::vector<MeshServerEntity> GetMeshServerInfoList() const;

    // This host's own record: address, host name, the two DNS servers and
    // the channel are stored; always true.
    bool SetLocalMeshServer(const MeshServerEntity& server);
    // Copies the own record's five values into `out` while this host is a
    // mesh server; returns whether it is (otherwise `out` is left alone).
    bool GetLocalMeshServer(MeshServerEntity& out) const;

    void SetMeshEnabled(bool enabled) { m_bMeshEnabled = enabled; }
    bool IsMeshEnabled() const { return m_bMeshEnabled; }
    void SetIsMeshServer(bool server) { m_bIsMeshServer = server; }

    // The observer is told on the thread that changed the list and must not
    // register or unregister from within the notice.
    void SetMeshUseOthersInternetDlg(MeshServerObserver* observer);
    // Waits for a notice under way.
    void ClearMeshUseOthersInternetDlg() { SetMeshUseOthersInternetDlg(nullptr); }
    MeshServerObserver* GetObserver() const;

    // Appends one record per interface whose name contains "eth" or "ra",
    // in the kernel's order: its IPv4 address and "Enabled" or "Disabled".
    // An interface whose flags cannot be read is left out; without a socket
    // every offered interface is "Disabled".
    void GetInternetStateList(std::vector<InternetStateEntity>& out) const;
    static void GetInternetStateList(std::vector<InternetStateEntity>& out, InterfaceQuery& query);
    // The interfaces come from the kernel unless a stand-in is set (null
    // restores the kernel).  GUI thread.
    void SetInterfaceQuery(InterfaceQuery* query) { m_pInterfaces = query; }

private:
    std::vector<MeshServerEntity>::iterator FindMeshServer(const MeshServerEntity& server);
    void AddMeshServer(const MeshServerEntity& server);
    void Notify();

    mutable wxMutex m_mutex;
    std::vector<MeshServerEntity> m_meshServerList;
    MeshServerEntity m_localMeshServer;
    mutable std::mutex m_observerMutex;
    MeshServerObserver* m_pObserver = nullptr;
    std::atomic<bool> m_bMeshEnabled{false};
    std::atomic<bool> m_bIsMeshServer{false};
    InterfaceQuery* m_pInterfaces = nullptr;
};

#endif
