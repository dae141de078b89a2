#include "AvahiOutage.h"

#include <cstdio>

#include <avahi-common/error.h>

std::mutex AvahiOutage::s_mutex;
bool AvahiOutage::s_bReported = false;

void AvahiOutage::Failed(const char* format, int avahiError) {
    std::lock_guard<std::mutex> lock(s_mutex);
    if (s_bReported)
        return;
    s_bReported = true;
    std::fprintf(stderr, format, avahi_strerror(avahiError));
}

void AvahiOutage::Answered() {
    std::lock_guard<std::mutex> lock(s_mutex);
    if (!s_bReported)
        return;
    s_bReported = false;
    std::fputs("The avahi daemon answers again.\n", stderr);
}

bool AvahiOutage::IsReported() {
    std::lock_guard<std::mutex> lock(s_mutex);
    return s_bReported;
}
