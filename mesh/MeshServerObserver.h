#ifndef TIDEWAVE_MESHSERVEROBSERVER_H
#define TIDEWAVE_MESHSERVEROBSERVER_H

// Told by the mesh model that its server list changed.  The call comes on the
// thread that changed the list (the DNS-SD browse thread), never while the
// list's lock is held; a window carries it over to the GUI thread itself.
// Unregistering waits for a call under way, so the call returns without
// waiting for the GUI thread.
class MeshServerObserver {
public:
    virtual ~MeshServerObserver() = default;
    virtual void OnMeshServersChanged() = 0;
};

#endif
