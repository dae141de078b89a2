#ifndef TIDEWAVE_DEPLOYADMISSION_H
#define TIDEWAVE_DEPLOYADMISSION_H

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

// Who may hold one of the deploy server's places.  The connections being
// received are kept here with their source address, when they came in, what
// they sent and the time of their last progress; deliveries waiting for
// (or in) the hand-over are counted by the caller and take places too, but
// are never closed to make room.
//
// A new connection is let in when its source holds fewer than the
// per-source quota and the server fewer than the cap.  Otherwise the
// connection silent for longest (of the same source, when that source is
// at its quota) is closed to make room, however short its silence: a
// crowd that keeps every place full of young connections cannot keep a
// teacher out.  Two kinds of connection are never closed for a newcomer:
// - one that keeps up with the floor rate: what it has received pays for
//   its whole life so far at that rate (the measure the whole exchange's
//   allowance uses), so a teacher that sends steadily but pauses between
//   its writes longer than a churning crowd's connections live is not the
//   one to go;
// - one that has bytes waiting to be read: it is sending, however long
//   ago the server last read from it.
// When every candidate is one of these, the newcomer is turned away: every
// place is then held by a peer that really sends, or by a delivery.
class DeployAdmission {
public:
    using Clock = std::chrono::steady_clock;
    using Key = const void*;

    struct Limits {
        int maxConnections;  // receiving and handed over together
        int maxPerSource;    // receiving, per source address
        int64_t floorBytesPerSecond;
    };
    struct Decision {
        bool admit;
        Key evict;  // to close first; null when none
    };
    // True when the connection has bytes waiting to be read.
    using SendingTest = std::function<bool(Key)>;

    explicit DeployAdmission(const Limits& limits);

    // Decides on a connection from source at now; held is the number of
    // deliveries handed over.  Asks the sending test at most once for each
    // connection.  Adds nothing: the caller adds what it lets in.
    Decision Admit(uint32_t source, int held, Clock::time_point now, const SendingTest& sending) const;
    void Add(Key key, uint32_t source, Clock::time_point now);
    // bytes arrived on the connection at now.
    void Progress(Key key, int64_t bytes, Clock::time_point now);
    void Remove(Key key);
    int Count() const { return static_cast<int>(m_entries.size()); }

private:
    struct Entry {
        Key key;
        uint32_t source;
        Clock::time_point admitted;
        Clock::time_point lastProgress;
        int64_t received;
    };
    bool KeepsUp(const Entry& entry, Clock::time_point now) const;
    // The entry (of source, unless any) silent longest that neither keeps
    // up nor is sending; null when none.
    Key Victim(const uint32_t* source, Clock::time_point now, const SendingTest& sending) const;

    Limits m_limits;
    std::vector<Entry> m_entries;
};

#endif
