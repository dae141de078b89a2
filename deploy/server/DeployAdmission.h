#ifndef TIDEWAVE_DEPLOYADMISSION_H
#define TIDEWAVE_DEPLOYADMISSION_H

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

// Who may hold one of the deploy server's places.  The connections being
// received are kept here with their source address, when they came in, what
// they sent lately and the time of their last progress; deliveries waiting
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
//   recent span (its last span's worth of time, measured in tenths of the
//   span, or its whole time when it is younger) pays for that span at the
//   rate, so a teacher that sends steadily but pauses between its writes
//   longer than a churning crowd's connections live is not the one to go,
//   while a burst long ago shields nobody for longer than the span;
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
        Clock::duration span;  // over which keeping up is judged
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
    // The span is counted in tenths: what arrived in the current tenth of
    // a connection's time and in the nine before it.
    static constexpr int kTenths = 10;
    struct Entry {
        Key key;
        uint32_t source;
        Clock::time_point admitted;
        Clock::time_point lastProgress;
        std::array<int64_t, kTenths> received;  // by tenth, the newest at newestTenth
        int64_t newestTenth;
    };
    int64_t TenthOf(const Entry& entry, Clock::time_point t) const;
    bool KeepsUp(const Entry& entry, Clock::time_point now) const;
    // The entry (of source, unless any) silent longest that neither keeps
    // up nor is sending; null when none.
    Key Victim(const uint32_t* source, Clock::time_point now, const SendingTest& sending) const;

    Limits m_limits;
    Clock::duration m_tenth;
    std::vector<Entry> m_entries;
};

#endif
