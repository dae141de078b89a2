#include "StoredChoices.h"

namespace StoredChoices {

namespace {

const char* const kWirelessTypes[] = {"Automatic", "802.11b", "802.11g", "802.11n"};
const char* const kSecurities[] = {"none", "wep", "wpa-psk", "unknown"};
const char* const kKeyIndexes[] = {"1", "2", "3", "4"};

template <size_t N>
const char* ValueAt(int position, const char* const (&values)[N]) {
    return position >= 0 && static_cast<size_t>(position) < N ? values[position] : nullptr;
}

template <size_t N>
int PositionOf(const std::string& value, const char* const (&values)[N]) {
    for (size_t i = 0; i < N; ++i) {
        if (value == values[i])
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

const char* WirelessType(int position) { return ValueAt(position, kWirelessTypes); }

const char* Security(int position) { return ValueAt(position, kSecurities); }

int WirelessTypePosition(const std::string& value) { return PositionOf(value, kWirelessTypes); }

int SecurityPosition(const std::string& value) { return PositionOf(value, kSecurities); }

int KeyIndexPosition(const std::string& value) { return PositionOf(value, kKeyIndexes); }

}  // namespace StoredChoices
