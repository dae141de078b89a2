#ifndef TIDEWAVE_POLICYMANAGER_H
#define TIDEWAVE_POLICYMANAGER_H

#include <atomic>
#include <mutex>
#include <string>

// The administrator's four allow flags from the policy file.  Each flag is
// true until a complete policy file says otherwise.  The flags may be
// reloaded on the deploy thread while the GUI thread reads them.
class PolicyManager {
public:
    // Reads the policy file at once.
    PolicyManager();

    // Reads the first four child elements of the policy file's root, whatever
    // their names; each allows exactly when its "value" attribute reads as the
    // number 1.  Only a complete file (read within the bounds of
    // XMLOperator::LoadDocument, four elements) changes the flags, all four
    // together; otherwise they keep their values and the result is false.
    bool LoadPolicy();

    bool CanUseMesh() const { return m_bUseMesh.load(); }
    bool CanScanWireless() const { return m_bScanWireless.load(); }
    bool CanMaintainProfiles() const { return m_bMaintainProfiles.load(); }
    bool CanTurnWirelessOnOff() const { return m_bTurnWirelessOnOff.load(); }

    static std::string PolicyFilePath();

private:
    std::mutex m_loadMutex;  // one load at a time, so the four flags come from one file
    std::atomic<bool> m_bUseMesh{true};
    std::atomic<bool> m_bScanWireless{true};
    std::atomic<bool> m_bMaintainProfiles{true};
    std::atomic<bool> m_bTurnWirelessOnOff{true};
};

#endif
