#include "sim/SimControl.h"

#include <chrono>
#include <thread>

#include "sim/CallJournal.h"
#include "sim/DefaultWorld.h"
#include "sim/SimLaptop.h"
#include "sim/WorldReader.h"

namespace {

bool ValidSsid(const std::string& ssid) { return !ssid.empty() && ssid.size() <= RVL_SSID_MAX; }

void SetError(std::string* out, const std::string& error) {
    if (out != nullptr)
        *out = error;
}

}  // namespace

namespace SimControl {

void ResetToDefault() {
    SimLaptop::Instance().ResetTo(DefaultWorld::Make(), std::string());
    CallJournal::Instance().Clear();
}

bool ResetToXml(const std::string& xml, std::string* error) {
    SimWorld world;
    std::string message;
    if (!WorldReader::Parse(xml, world, message)) {
        SetError(error, message);
        return false;
    }
    SimLaptop::Instance().ResetTo(world, std::string());
    CallJournal::Instance().Clear();
    return true;
}

bool ResetToWorldFile(const std::string& path, std::string* error) {
    SimWorld world;
    std::string message;
    if (!WorldReader::ReadFile(path, world, message)) {
        SetError(error, message);
        return false;
    }
    SimLaptop::Instance().ResetTo(world, path);
    CallJournal::Instance().Clear();
    return true;
}

bool CheckWorldFileNow() { return SimLaptop::Instance().CheckWorldFile(); }

std::string LastWorldError() { return SimLaptop::Instance().LastWorldError(); }

void SetWiredLink(bool link) {
    SimLaptop::Instance().ChangeWorld([link](SimWorld& w) {
        w.wired.link = link;
        return true;
    });
}

void SetAdapterPresent(int adapterType, bool present) {
    SimLaptop::Instance().ChangeWorld([adapterType, present](SimWorld& w) {
        SimAdapterConfig& a = adapterType == RVL_ADAPTER_WIRED ? w.wired : w.wireless;
        if (present && !a.present)
            a.up = true;
        a.present = present;
        return adapterType == RVL_ADAPTER_WIRED || adapterType == RVL_ADAPTER_WIRELESS;
    });
}

void SetAdapterUp(int adapterType, bool up) {
    if (up)
        SimLaptop::Instance().Up(adapterType);
    else
        SimLaptop::Instance().Down(adapterType);
}

bool AddAccessPoint(const SimAccessPoint& ap) {
    if (!ValidSsid(ap.ssid))
        return false;
    return SimLaptop::Instance().ChangeWorld([&ap](SimWorld& w) {
        w.accessPoints.push_back(ap);
        return true;
    });
}

bool RemoveAccessPoint(const std::string& ssid) {
    return SimLaptop::Instance().ChangeWorld([&ssid](SimWorld& w) {
        const size_t before = w.accessPoints.size();
        for (auto it = w.accessPoints.begin(); it != w.accessPoints.end();)
            it = it->ssid == ssid ? w.accessPoints.erase(it) : it + 1;
        return w.accessPoints.size() != before;
    });
}

bool ModifyAccessPoint(const std::string& ssid, const std::function<void(SimAccessPoint&)>& change) {
    return SimLaptop::Instance().ChangeWorld([&](SimWorld& w) {
        for (SimAccessPoint& ap : w.accessPoints) {
            if (ap.ssid == ssid) {
                change(ap);
                return ValidSsid(ap.ssid);
            }
        }
        return false;
    });
}

SimWorld World() { return SimLaptop::Instance().World(); }
bool SharingEnabled() { return SimLaptop::Instance().Sharing(); }
bool MeshOn() { return SimLaptop::Instance().MeshOn(); }

void FailNextCall(const std::string& function, int result) { CallJournal::Instance().FailNext(function, result); }
std::vector<std::string> CallLog() { return CallJournal::Instance().Lines(); }

void SetNextNeighborList(const MeshNeighborList& list) {
    CallJournal::Instance().RawNext("RVL_ListAllNeighborMPs",
                                    std::string(reinterpret_cast<const char*>(&list), sizeof list));
}

void SetNextGatewayInfo(const MeshGatewayInfo& info) {
    CallJournal::Instance().RawNext("RVL_GetMeshGatewayInfo",
                                    std::string(reinterpret_cast<const char*>(&info), sizeof info));
}

void ClearCallLog() {
    // Keeps the failures set up; only the lines go.
    CallJournal::Instance().ClearLines();
}

void SetDelays(int scanMs, int connectMs, int dhcpMs) { SimLaptop::Instance().SetDelays(scanMs, connectMs, dhcpMs); }

bool WaitForCallbacks(int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!SimLaptop::Instance().NoticesDelivered()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace SimControl
