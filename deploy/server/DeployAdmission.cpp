#include "DeployAdmission.h"

#include <algorithm>

DeployAdmission::DeployAdmission(const Limits& limits) : m_limits(limits) {}

DeployAdmission::Decision DeployAdmission::Admit(uint32_t source, int held, Clock::time_point now,
                                                 const SendingTest& sending) {
    const int fromSource = static_cast<int>(std::count_if(
        m_entries.begin(), m_entries.end(), [source](const Entry& e) { return e.source == source; }));
    if (fromSource >= m_limits.maxPerSource) {
        const Key victim = Victim(&source, now, sending);
        return Decision{victim != nullptr, victim};
    }
    if (Count() + held < m_limits.maxConnections)
        return Decision{true, nullptr};
    const Key victim = Victim(nullptr, now, sending);
    return Decision{victim != nullptr, victim};
}

DeployAdmission::Key DeployAdmission::Victim(const uint32_t* source, Clock::time_point now,
                                             const SendingTest& sending) {
    for (;;) {
        Entry* oldest = nullptr;
        for (Entry& e : m_entries) {
            if (source != nullptr && e.source != *source)
                continue;
            if (now - e.lastProgress >= m_limits.evictAfter &&
                (oldest == nullptr || e.lastProgress < oldest->lastProgress))
                oldest = &e;
        }
        if (oldest == nullptr)
            return nullptr;
        if (!sending || !sending(oldest->key))
            return oldest->key;
        oldest->lastProgress = now;
    }
}

void DeployAdmission::Add(Key key, uint32_t source, Clock::time_point now) {
    m_entries.push_back(Entry{key, source, now});
}

void DeployAdmission::Progress(Key key, Clock::time_point now) {
    for (Entry& e : m_entries) {
        if (e.key == key) {
            e.lastProgress = now;
            return;
        }
    }
}

void DeployAdmission::Remove(Key key) {
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(), [key](const Entry& e) { return e.key == key; }),
                    m_entries.end());
}
