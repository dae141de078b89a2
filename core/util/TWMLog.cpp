#include "TWMLog.h"

#include <wx/log.h>

void TWMLog(const char* logPath, const char* message) {
#ifndef NDEBUG
    if (logPath != nullptr && message != nullptr)
        wxLogDebug("%s: %s", logPath, message);
#else
    (void)logPath;
    (void)message;
#endif
}
