#ifndef TIDEWAVE_DATACENTERLINUXPARTS_H
#define TIDEWAVE_DATACENTERLINUXPARTS_H

// What the files of DataCenterLinux share: DataCenterLinux.cpp (bring-up,
// mode and adapters, the current access point, adapter switching),
// DataCenterLinuxConnect.cpp (scanning, wireless connect and disconnect) and
// DataCenterLinuxStatus.cpp (the status timer, the status check and its
// questions).  Nothing else includes it.

#include "RvlSdk.h"

namespace DataCenterLinuxParts {

constexpr const char* kLog = "/tmp/DataCenterLinux.log";

enum { ID_TIMER_STATUS = 6300, ID_TIMER_ALLOCATOR };

// A zero-filled 256-byte text buffer filled by the library, byte 255 forced
// to NUL.
struct TextBuffer {
    char text[RVL_TEXT_BUFFER] = {};
    void Terminate() { text[RVL_TEXT_BUFFER - 1] = '\0'; }
};

inline bool AdapterFlag(int (*query)(int, int*), int type) {
    int value = 0;
    return query(type, &value) == 0 && value != 0;
}

inline bool StatusFlag(int (*query)(int*)) {
    int value = 0;
    return query(&value) == 0 && value != 0;
}

}  // namespace DataCenterLinuxParts

#endif
