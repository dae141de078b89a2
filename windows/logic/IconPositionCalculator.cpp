#include "IconPositionCalculator.h"

#include <cstdint>

namespace {

const int kCapacity[IconPositionCalculator::BAND_COUNT] = {8, 7, 8, 7, 8};

// x, y, label length, in table order on each arc; band 0 is the weakest.
const MapPlace kPlaces[IconPositionCalculator::BAND_COUNT][10] = {
    {{415, 24, 8}, {424, 74, 7}, {431, 124, 6}, {434, 174, 6}, {434, 224, 6}, {431, 274, 6}, {424, 324, 7},
     {415, 374, 8}},
    {{344, 49, 11}, {351, 99, 11}, {356, 149, 11}, {357, 199, 11}, {356, 249, 11}, {351, 299, 11},
     {344, 349, 11}},
    {{257, 24, 11}, {266, 74, 11}, {273, 124, 11}, {276, 174, 11}, {276, 224, 11}, {273, 274, 11},
     {266, 324, 11}, {257, 374, 11}},
    {{186, 49, 11}, {193, 99, 11}, {198, 149, 11}, {199, 199, 11}, {198, 249, 11}, {193, 299, 11},
     {186, 349, 11}},
    {{99, 24, 11}, {108, 74, 11}, {115, 124, 11}, {118, 174, 11}, {118, 224, 11}, {115, 274, 11},
     {108, 324, 11}, {99, 374, 11}},
};

}  // namespace

void IconPositionCalculator::Reset() {
    for (int& count : m_nBandCount)
        count = 0;
}

bool IconPositionCalculator::CalculatePosition(const APStatus* ap, MapPlace* place) {
    if (ap == nullptr || place == nullptr)
        return false;
    // The library's unsigned quality read as a signed number.
    const int quality = static_cast<int32_t>(ap->nSignalQuality);
    // Truncated toward zero: -19 to 19 give the weakest arc.
    const int start = quality == 100 ? 4 : quality / 20;
    if (start < 0 || start >= BAND_COUNT)
        return false;
    for (int band = start; band >= 0; --band) {
        if (m_nBandCount[band] < kCapacity[band]) {
            *place = kPlaces[band][m_nBandCount[band]];
            ++m_nBandCount[band];
            return true;
        }
    }
    return false;
}
