#include "DeployAdmission.h"

#include <algorithm>

#include "TransferDeadline.h"

DeployAdmission::DeployAdmission(const Limits& limits)
    : m_limits(limits), m_step(std::max<Clock::duration>(limits.span / kSteps, Clock::duration(1))) {}

DeployAdmission::Decision DeployAdmission::Admit(uint32_t source, int held, Clock::time_point now,
                                                 const SendingTest& sending) const {
    const int fromSource = static_cast<int>(std::count_if(
        m_entries.begin(), m_entries.end(), [source](const Entry& e) { return e.source == source; }));
    if (fromSource < m_limits.maxPerSource && Count() + held < m_limits.maxConnections)
        return Decision{true, nullptr};
    const bool ownSource = fromSource >= m_limits.maxPerSource;
    Key victim = nullptr;
    Candidates(
        [&](const Entry& e) { return !ownSource || e.source == source; }, now, sending,
        [&victim](const Entry& e) {
            victim = e.key;
            return true;
        });
    return Decision{victim != nullptr, victim};
}

DeployAdmission::RoomDecision DeployAdmission::Reserve(Key key, int64_t length, int64_t room,
                                                       Clock::time_point now, const SendingTest& sending) {
    const auto self = std::find_if(m_entries.begin(), m_entries.end(), [key](const Entry& e) { return e.key == key; });
    if (self == m_entries.end())
        return RoomDecision{false, {}};
    int64_t needed = length - room;
    for (const Entry& e : m_entries)
        needed += e.unwritten;
    RoomDecision decision{needed <= 0, {}};
    if (!decision.fits) {
        // A closed connection's file goes, and with it what it has written.
        Candidates(
            [key](const Entry& e) { return e.key != key && e.reserved > 0; }, now, sending,
            [&](const Entry& e) {
                decision.evict.push_back(e.key);
                needed -= e.reserved;
                return needed <= 0;
            });
        decision.fits = needed <= 0;
        if (!decision.fits)
            decision.evict.clear();
    }
    if (decision.fits) {
        self->reserved = length;
        self->unwritten = length;
    }
    return decision;
}

int64_t DeployAdmission::StepOf(const Entry& entry, Clock::time_point t) const {
    return t > entry.admitted ? (t - entry.admitted) / m_step : 0;
}

bool DeployAdmission::KeepsUp(const Entry& entry, Clock::time_point now) const {
    // Up to what was earned, all of it included: a connection that has
    // received nothing lately has earned nothing and does not keep up,
    // however young.  No grace is given to the young, because a silent
    // crowd that churns fast enough is all young: a grace would let it
    // shield every place.  A teacher just connected, before its first
    // bytes, is not shielded either, but it has been silent no longer than
    // it has lived, so the silent-longest order reaches it after every
    // connection silent for longer.
    const Clock::time_point from = now - m_limits.span;
    int64_t bytes = 0;
    for (const Step& step : entry.received) {
        if (step.last > from)
            bytes += step.bytes;
    }
    const Clock::duration span = std::min(now - entry.admitted, m_limits.span);
    return bytes > 0 && span <= TransferDeadline::Earned(bytes, m_limits.floorBytesPerSecond);
}

template <typename Among, typename Take>
void DeployAdmission::Candidates(Among among, Clock::time_point now, const SendingTest& sending, Take take) const {
    // Silent longest first; each candidate is tested once.
    std::vector<const Entry*> candidates;
    candidates.reserve(m_entries.size());
    for (const Entry& e : m_entries) {
        if (among(e) && !KeepsUp(e, now))
            candidates.push_back(&e);
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Entry* a, const Entry* b) { return a->lastProgress < b->lastProgress; });
    for (const Entry* e : candidates) {
        if ((!sending || !sending(e->key)) && take(*e))
            return;
    }
}

void DeployAdmission::Add(Key key, uint32_t source, Clock::time_point now) {
    m_entries.push_back(Entry{key, source, now, now, {}, 0, 0, 0});
}

void DeployAdmission::Progress(Key key, int64_t bytes, Clock::time_point now) {
    for (Entry& e : m_entries) {
        if (e.key == key) {
            bytes = std::max<int64_t>(bytes, 0);
            const int64_t newest = std::max(StepOf(e, now), e.newestStep);
            for (int64_t t = std::max(e.newestStep + 1, newest - (kKept - 1)); t <= newest; ++t)
                e.received[static_cast<size_t>(t % kKept)] = Step{};
            e.newestStep = newest;
            Step& step = e.received[static_cast<size_t>(newest % kKept)];
            step.bytes += bytes;
            step.last = std::max(step.last, now);
            e.unwritten = std::max<int64_t>(e.unwritten - bytes, 0);
            e.lastProgress = now;
            return;
        }
    }
}

void DeployAdmission::Remove(Key key) {
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(), [key](const Entry& e) { return e.key == key; }),
                    m_entries.end());
}
