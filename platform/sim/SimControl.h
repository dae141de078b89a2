#ifndef TIDEWAVE_SIM_SIMCONTROL_H
#define TIDEWAVE_SIM_SIMCONTROL_H

#include <functional>
#include <string>
#include <vector>

#include "RvlSdk.h"
#include "sim/SimAccessPoint.h"
#include "sim/SimWorld.h"

// Drives the simulated laptop from tests, in the same process.  Changes made
// here act like edits of the world file: the change callbacks fire on the
// library's thread.
namespace SimControl {

// A fresh laptop: the built-in world (or the given one), no association, no
// overridden delays, an empty call log, no failures set up.  Registered
// change callbacks are kept.
void ResetToDefault();
bool ResetToXml(const std::string& xml, std::string* error = nullptr);
// Starts from this world file and follows its changes, as TIDEWAVE_WORLD does.
bool ResetToWorldFile(const std::string& path, std::string* error = nullptr);
// Re-reads the followed world file now if it changed; true when it was taken.
bool CheckWorldFileNow();
std::string LastWorldError();

void SetWiredLink(bool link);
void SetAdapterPresent(int adapterType, bool present);
// As RVL_UpAdapter / RVL_DownAdapter, without a journal line.
void SetAdapterUp(int adapterType, bool up);
// False when the SSID is empty or longer than 32 bytes.
bool AddAccessPoint(const SimAccessPoint& ap);
// Removes every access point with this SSID; false when there was none.
bool RemoveAccessPoint(const std::string& ssid);
// Changes the first access point with this SSID; false when there is none or
// the result has an empty or too long SSID.
bool ModifyAccessPoint(const std::string& ssid, const std::function<void(SimAccessPoint&)>& change);
SimWorld World();
bool SharingEnabled();
bool MeshOn();

// The next call of `function` ("RVL_GetAPList") returns `result` at once.
void FailNextCall(const std::string& function, int result);
// The next RVL_ListAllNeighborMPs / RVL_GetMeshGatewayInfo copies this
// record into the caller's as it is (a count above 64, texts without a NUL)
// and returns 0.
void SetNextNeighborList(const MeshNeighborList& list);
void SetNextGatewayInfo(const MeshGatewayInfo& info);
// One line per call since the last reset or clear: "RVL_UpAdapter(2)".
std::vector<std::string> CallLog();
void ClearCallLog();

// Simulated times in ms; -1 keeps the world's own value.  dhcpMs stands for
// every access point and the wired network.
void SetDelays(int scanMs, int connectMs, int dhcpMs);
// Waits until every change so far has reached the registered callbacks.
bool WaitForCallbacks(int timeoutMs);

}  // namespace SimControl

#endif
