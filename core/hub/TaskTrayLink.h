#ifndef TIDEWAVE_TASKTRAYLINK_H
#define TIDEWAVE_TASKTRAYLINK_H

#include "MeshStatus.h"

class wxEvtHandler;

// The tray icon as the core sees it.  The tray registers itself with the hub
// once it exists; until then nothing is called.
class TaskTrayLink {
public:
    virtual ~TaskTrayLink() = default;
    virtual wxEvtHandler* GetTrayEventHandler() = 0;
    // The status check's tick.
    virtual void UpdateTrayIcon(int mode, const MeshStatus& status) = 0;
    // The icon alone, for a result shown between two ticks.
    virtual void RefreshTrayIcon(int mode, const MeshStatus& status) = 0;
    virtual bool GetApplyWirelessFlag() = 0;
    virtual void SetApplyWirelessFlag(bool flag) = 0;
    virtual void ApplyWirelessProfile() = 0;
};

#endif
