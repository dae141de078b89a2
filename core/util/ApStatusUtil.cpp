#include "ApStatusUtil.h"

#include <algorithm>
#include <cstring>

#include "TWMUtil.h"

namespace ApStatusUtil {

size_t SsidLength(const APStatus& ap) {
    return std::min<size_t>(ap.nSSIDLength, RVL_SSID_MAX);
}

std::string SsidBytes(const APStatus& ap) {
    return std::string(reinterpret_cast<const char*>(ap.ucSSID), SsidLength(ap));
}

std::string SsidBytesToNul(const APStatus& ap) {
    const char* bytes = reinterpret_cast<const char*>(ap.ucSSID);
    return std::string(bytes, strnlen(bytes, RVL_SSID_MAX));
}

wxString SsidText(const APStatus& ap) { return TWMUtil::StdStringToWxString(SsidBytes(ap)); }

const unsigned char* SsidKey(const APStatus& ap) {
    return reinterpret_cast<const unsigned char*>(&ap.nSSIDLength);
}

bool SsidKeyEquals(const APStatus& a, const APStatus& b) { return SsidKeyEquals(SsidKey(a), SsidKey(b)); }

bool SsidKeyEquals(const unsigned char* a, const unsigned char* b) {
    return a != nullptr && b != nullptr && std::memcmp(a, b, SSID_KEY_SIZE) == 0;
}

APStatus MakeWithSsid(const std::string& ssid) {
    APStatus ap;
    std::memset(&ap, 0, sizeof ap);
    const size_t n = std::min<size_t>(ssid.size(), RVL_SSID_MAX);
    std::memcpy(ap.ucSSID, ssid.data(), n);
    ap.nSSIDLength = static_cast<uint32_t>(n);
    const wxString wide = TWMUtil::StdStringToWxString(ssid.substr(0, n));
    for (size_t i = 0; i < wide.length() && i < RVL_SSID_MAX; ++i)
        ap.wszSSID[i] = static_cast<wchar_t>(wide[i].GetValue());
    return ap;
}

}  // namespace ApStatusUtil
