#ifndef TIDEWAVE_SCANRECORDER_H
#define TIDEWAVE_SCANRECORDER_H

#include <functional>
#include <mutex>

#include "DetectedIcon.h"

// The 38 slots of the scan map: slot k holds the access point placed k-th
// since the last Clear.  One process-wide lock guards appending and
// clearing.
class ScanRecorder {
public:
    enum { SLOT_COUNT = 38 };

    ScanRecorder();
    ~ScanRecorder();
    ScanRecorder(const ScanRecorder&) = delete;
    ScanRecorder& operator=(const ScanRecorder&) = delete;

    // A copy of the record in the first free slot; the slot, or -1 when all
    // are in use.
    int AppendAPStatus(const APStatus* ap);
    // A copy of the slot's record; all zeros for an empty or unknown slot.
    APStatus GetAPStatus(int slot) const;
    // The slot's entry, null when it is empty or unknown.
    DetectedIcon* GetIcon(int slot) const;
    // Empties every slot; `release` first sees each entry in use, to take
    // its controls away.
    void Clear(const std::function<void(DetectedIcon&)>& release = nullptr);

private:
    static std::mutex& Lock();

    DetectedIcon* m_pIcons[SLOT_COUNT];
};

#endif
