#include "UserNotices.h"

#include <atomic>

namespace {
std::atomic<UserNotices*> g_notices{nullptr};
}

UserNotices* UserNotices::Get() { return g_notices.load(); }

void UserNotices::Install(UserNotices* notices) { g_notices.store(notices); }
