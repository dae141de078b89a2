#ifndef TIDEWAVE_SETTINGSREPUBLISHER_H
#define TIDEWAVE_SETTINGSREPUBLISHER_H

#include <functional>

#include "KXClientObserver.h"

// The republish routine that follows every deploy arrival: imports the
// received "SchoolSettings.tar" when it is there, then has the GUI thread
// refresh the main window's profile choice, the profile manager and the
// policy, in this order, and finally raises the publish request.  The
// application supplies the hooks; a refresh hook returns false when the hub
// does not have that object (it never creates the hub).
class SettingsRepublisher : public KXClientObserver {
public:
    struct Hooks {
        // Runs the function on the GUI thread and waits for it, bounded.
        // Empty: the function runs on the calling thread.
        std::function<void(const std::function<void()>&)> runOnGuiThread;
        std::function<bool()> refreshMainWindow;
        std::function<bool()> refreshProfileManager;
        std::function<bool()> reloadPolicy;
        std::function<void()> requestPublish;
    };

    explicit SettingsRepublisher(Hooks hooks);

    void Republish() override;

    // True when a regular file of this user stands at the archive path.
    static bool ArchivePresent();

private:
    Hooks m_hooks;
};

#endif
