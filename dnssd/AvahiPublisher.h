#ifndef TIDEWAVE_AVAHIPUBLISHER_H
#define TIDEWAVE_AVAHIPUBLISHER_H

#include <functional>
#include <mutex>
#include <string>

#include <avahi-client/client.h>
#include <avahi-client/publish.h>
#include <avahi-common/simple-watch.h>

#include "AvahiLoopHandle.h"
#include "MeshTxtRecord.h"

// One run of the DNS-SD publisher: on avahi's simple-poll loop it publishes
// this machine's one service on port 651 under this host's name (cut to 63
// bytes; " #2", " #3" ... after collisions) until it is asked to quit.  The
// record is read afresh each time the service is added.  One run at a time.
class AvahiPublisher {
public:
    enum Outcome {
        ENDED,               // asked to quit
        DAEMON_UNAVAILABLE,  // no client could be made, or the client failed
        FAILED               // avahi refused the service or its group
    };

    // Fills the items of the record to announce; true for the mesh-server
    // service "_kxStudentServer._tcp", false for "_kxStudent._tcp".
    typedef std::function<bool(MeshTxtRecord::Items&)> RecordSource;

    static constexpr int kPort = 651;
    static constexpr size_t kMaxNameBytes = 63;

    // Runs on the calling thread until Quit or a failure.
    static Outcome Run(const std::string& hostName, const RecordSource& source);
    // Asks the running loop to quit and returns at once.
    static void Quit();
    // The name this host's mesh-server service is published under now;
    // empty while none is.  Any thread.
    static std::string PublishedServerName();

private:
    AvahiPublisher(const std::string& hostName, const RecordSource& source);
    ~AvahiPublisher();

    static void OnClientState(AvahiClient* client, AvahiClientState state, void* self);
    static void OnGroupState(AvahiEntryGroup* group, AvahiEntryGroupState state, void* self);
    void CreateServices(AvahiClient* client);
    void Rename(AvahiClient* client);
    void Stop(Outcome outcome);
    static void SetPublishedServerName(const std::string& name);

    static AvahiLoopHandle s_loop;
    static std::mutex s_nameMutex;
    static std::string s_serverName;

    RecordSource m_source;
    AvahiSimplePoll* m_pPoll = nullptr;
    char* m_pName = nullptr;
    AvahiEntryGroup* m_pGroup = nullptr;
    Outcome m_outcome = ENDED;
};

// Asks the running publisher to quit (the application's housekeeping tick).
void ExcuteFreeAvahi();

#endif
