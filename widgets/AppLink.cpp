#include "AppLink.h"

#include <atomic>

#include "NetworkTypes.h"

namespace {

class NoApplication : public AppLink {
public:
    int GetMeshStatus() const override { return MESH_OFF; }
    bool TurnMeshOff() override { return false; }
    bool IsTrayApplyIdle() const override { return true; }
    void RequestPublish() override {}
    void ForgetTaskTray(const TaskTrayLink*) override {}
};

NoApplication g_none;
std::atomic<AppLink*> g_app{nullptr};

}  // namespace

AppLink& AppLink::Get() {
    AppLink* app = g_app.load();
    return app != nullptr ? *app : g_none;
}

void AppLink::Install(AppLink* app) { g_app.store(app); }
