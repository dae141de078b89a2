#include "MeshConfigurationValidator.h"

#include <climits>

#include <wx/intl.h>

#include "TWMUtil.h"

namespace {

// The reserved name of the mesh gateway.
const char* const kReservedName = "VRDA_GW";

bool InRange(const wxString& text, int low, int high) {
    int value = 0;
    return MeshConfigurationValidator::ReadNumber(text, value) && value >= low && value <= high;
}

}  // namespace

bool MeshConfigurationValidator::ReadNumber(const wxString& text, int& value) {
    size_t i = 0;
    bool negative = false;
    if (i < text.length() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.length())
        return false;
    long long magnitude = 0;
    for (; i < text.length(); ++i) {
        const wxUniChar c = text[i];
        if (c < '0' || c > '9')
            return false;
        if (magnitude <= INT_MAX)
            magnitude = magnitude * 10 + (c.GetValue() - '0');
    }
    if (negative)
        value = magnitude > INT_MAX ? INT_MIN : -static_cast<int>(magnitude);
    else
        value = magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
    return true;
}

bool MeshConfigurationValidator::Validate(const wxString& hostName, const wxString& channel,
                                          const wxString& advertiseTime, Failure& failure) {
    if (hostName.empty()) {
        failure = {_("Please input HostName"), true, HOST_NAME, false};
        return false;
    }
    if (hostName == kReservedName) {
        failure = {_("VRDA_GW is not allowed, please input another name"), true, HOST_NAME, true};
        return false;
    }
    if (TWMUtil::CheckInvalidChars(hostName) == 1) {
        failure = {_("HostName cannot contain any of the following characters\n \\ / : * ? \" ' < > |"), false,
                   HOST_NAME, true};
        return false;
    }
    if (channel.empty()) {
        failure = {_("Please input mesh channel"), true, CHANNEL, false};
        return false;
    }
    if (!InRange(channel, 1, 14)) {
        failure = {_("Invalid mesh channel!\n\nMust contain only numbers 1-14"), true, CHANNEL, true};
        return false;
    }
    if (advertiseTime.empty()) {
        failure = {_("Please input advertise time interval"), true, ADVERTISE_TIME, false};
        return false;
    }
    if (!InRange(advertiseTime, 1, 60)) {
        failure = {_("Invalid Advertise time!\n\nMust contain only numbers 1-60"), true, ADVERTISE_TIME, true};
        return false;
    }
    return true;
}
