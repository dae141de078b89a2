#ifndef TIDEWAVE_DEPLOYADMISSION_H
#define TIDEWAVE_DEPLOYADMISSION_H

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

// Who may hold one of the deploy server's places, and the room on disk set
// aside for them.  The connections being received are kept here with their
// source address, when they came in, what they sent lately, the time of
// their last progress and the length they announced; deliveries waiting
// for (or in) the hand-over are counted by the caller and take places too,
// but are never closed to make room.
//
// A new connection is let in when its source holds fewer than the
// per-source quota and the server fewer than the cap.  Otherwise the
// connection silent for longest (of the same source, when that source is
// at its quota) is closed to make room, however short its silence: a
// crowd that keeps every place full of young connections cannot keep a
// teacher out.  Two kinds of connection are never closed for a newcomer:
// - one that keeps up with the floor rate: what it received over the
//   recent span (the whole of the last span's worth of time, or its whole
//   time when it is younger) is at least that time's worth at the rate,
//   so a teacher that sends steadily but pauses between its writes longer
//   than a churning crowd's connections live is not the one to go, while
//   a burst long ago shields nobody for longer than the span;
// - one that has bytes waiting to be read: it is sending, however long
//   ago the server last read from it.
// When every candidate is one of these, the newcomer is turned away: every
// place is then held by a peer that really sends, or by a delivery.
//
// An announced length is let in when it fits, with the lengths still to
// come on the other connections, in the room the caller finds on disk;
// otherwise connections are closed in the same order, of any source, when
// that frees enough.
class DeployAdmission {
public:
    using Clock = std::chrono::steady_clock;
    using Key = const void*;

    struct Limits {
        int maxConnections;  // receiving and handed over together
        int maxPerSource;    // receiving, per source address
        int64_t floorBytesPerSecond;
        Clock::duration span;  // over which keeping up is judged
    };
    struct Decision {
        bool admit;
        Key evict;  // to close first; null when none
    };
    struct RoomDecision {
        bool fits;
        std::vector<Key> evict;  // to close first, when it fits
    };
    // True when the connection has bytes waiting to be read.
    using SendingTest = std::function<bool(Key)>;

    explicit DeployAdmission(const Limits& limits);

    // Decides on a connection from source at now; held is the number of
    // deliveries handed over.  Asks the sending test at most once for each
    // connection.  Adds nothing: the caller adds what it lets in.
    Decision Admit(uint32_t source, int held, Clock::time_point now, const SendingTest& sending) const;
    void Add(Key key, uint32_t source, Clock::time_point now);
    // bytes arrived on the connection at now; once its length is set
    // aside, they are the payload, written to disk.
    void Progress(Key key, int64_t bytes, Clock::time_point now);
    // Sets room aside for the length the connection announced (what its
    // file takes on disk), when it fits in room (the free space less the
    // reserve, as found now) beside what the connections in receipt have
    // still to write; else when closing the connections in evict frees
    // enough, each taking what was set aside for it along.  Asks the
    // sending test at most once for each connection.
    RoomDecision Reserve(Key key, int64_t length, int64_t room, Clock::time_point now, const SendingTest& sending);
    void Remove(Key key);
    int Count() const { return static_cast<int>(m_entries.size()); }

private:
    // What arrived is kept by step of a connection's time, a hundredth of
    // the span each, with when the last of it came; a step counts while
    // that last arrival lies within the span.  The span is thus covered
    // whole, and bytes older than it count only beside later ones of the
    // same step.
    static constexpr int kSteps = 100;
    // The steps the span may reach: the current one and those it covers.
    static constexpr int kKept = kSteps + 1;
    struct Step {
        int64_t bytes = 0;
        Clock::time_point last = Clock::time_point::min();  // of its bytes
    };
    struct Entry {
        Key key;
        uint32_t source;
        Clock::time_point admitted;
        Clock::time_point lastProgress;
        std::array<Step, kKept> received;  // by step, the newest at newestStep
        int64_t newestStep;
        int64_t reserved;   // set aside on disk for its length
        int64_t unwritten;  // of that, still to come
    };
    int64_t StepOf(const Entry& entry, Clock::time_point t) const;
    bool KeepsUp(const Entry& entry, Clock::time_point now) const;
    // Those among the entries that may be closed, silent longest first:
    // neither keeping up nor sending.  Each is given to take, the sending
    // test asked just before, until take says it has enough.
    template <typename Among, typename Take>
    void Candidates(Among among, Clock::time_point now, const SendingTest& sending, Take take) const;

    Limits m_limits;
    Clock::duration m_step;
    std::vector<Entry> m_entries;
};

#endif
