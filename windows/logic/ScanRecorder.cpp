#include "ScanRecorder.h"

std::mutex& ScanRecorder::Lock() {
    static std::mutex* lock = new std::mutex;  // never destroyed
    return *lock;
}

ScanRecorder::ScanRecorder() {
    for (DetectedIcon*& icon : m_pIcons)
        icon = nullptr;
}

ScanRecorder::~ScanRecorder() { Clear(); }

int ScanRecorder::AppendAPStatus(const APStatus* ap) {
    if (ap == nullptr)
        return -1;
    std::lock_guard<std::mutex> guard(Lock());
    for (int slot = 0; slot < SLOT_COUNT; ++slot) {
        if (m_pIcons[slot] == nullptr) {
            m_pIcons[slot] = new DetectedIcon;
            m_pIcons[slot]->AP = *ap;
            return slot;
        }
    }
    return -1;
}

APStatus ScanRecorder::GetAPStatus(int slot) const {
    const DetectedIcon* icon = GetIcon(slot);
    return icon != nullptr ? icon->AP : APStatus{};
}

DetectedIcon* ScanRecorder::GetIcon(int slot) const {
    return slot >= 0 && slot < SLOT_COUNT ? m_pIcons[slot] : nullptr;
}

void ScanRecorder::Clear(const std::function<void(DetectedIcon&)>& release) {
    std::lock_guard<std::mutex> guard(Lock());
    for (DetectedIcon*& icon : m_pIcons) {
        if (icon == nullptr)
            continue;
        if (release)
            release(*icon);
        delete icon;
        icon = nullptr;
    }
}
