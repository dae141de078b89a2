#ifndef TIDEWAVE_AVAHIMULTICAST_H
#define TIDEWAVE_AVAHIMULTICAST_H

#include <atomic>
#include <functional>
#include <mutex>
#include <string>

#include <avahi-client/client.h>
#include <avahi-client/lookup.h>

#include "AvahiLoopHandle.h"

class MeshInfoManager;

// The DNS-SD browser: one loop at a time on avahi's simple-poll loop.  While
// mesh is on it browses "_kxStudentServer._tcp" and keeps the mesh model up
// to date with the servers other laptops announce (MeshServerBrowse);
// otherwise it watches "_kxTeacher._tcp" and changes nothing.  The service
// type is chosen when a loop starts.  The first loop of the process starts
// only after a wait.
class AvahiMulticast {
public:
    // 0 when a browser ran until it was asked to quit or failed, 1 when none
    // could be set up; daemonUnavailable tells a missing or failing daemon.
    static int BrowseLoop(MeshInfoManager& model, bool& daemonUnavailable);
    // Asks the running loop to quit; nothing during the first wait.
    static void StopBrowse();

    // The first loop's wait (30 s unless changed), and the stop of a wait in
    // progress when the program no longer needs the browser.
    static void SetFirstBrowseWaitMs(int ms);
    static void AbandonFirstWait();

    // A teacher's machine resolved from "_kxTeacher._tcp"; the browser starts
    // no resolver for one.  Over IPv4 only, it has the deploy server started
    // for the teacher's address when this machine has no classroom CA
    // certificate yet, or when the teacher's first item lists one of this
    // host's addresses ("a.b.c.d:0", separated by "@") and its second item
    // is not this machine's settings version.  Frees the resolver.
    static void resolveTeacher_callback(AvahiServiceResolver* resolver, AvahiIfIndex interface,
                                        AvahiProtocol protocol, AvahiResolverEvent event, const char* name,
                                        const char* type, const char* domain, const char* hostName,
                                        const AvahiAddress* address, uint16_t port, AvahiStringList* txt,
                                        AvahiLookupResultFlags flags, void* userdata);
    // Whether a token of `list`, split at any of `delimiters`, is `address`.
    // Only the first kMaxAddressListBytes bytes of the list are read, and a
    // token they cut is not compared.
    static bool AddressInList(const char* list, const char* address, const char* delimiters);
    static constexpr size_t kMaxAddressListBytes = 99;
    // The settings version on file; empty when there is none.
    static std::string GetLocalSettingsVersion();

    // What starts the deploy server for a teacher (the application's); with
    // none, nothing is started.  It is called on the browse thread.
    typedef std::function<void(const std::string& address)> DeployStarter;
    static void SetDeployStarter(DeployStarter starter);

private:
    struct Run;

    static void OnClientState(AvahiClient* client, AvahiClientState state, void* run);
    static void OnTeacherBrowse(AvahiServiceBrowser* browser, AvahiIfIndex interface, AvahiProtocol protocol,
                                AvahiBrowserEvent event, const char* name, const char* type, const char* domain,
                                AvahiLookupResultFlags flags, void* run);
    static void WaitBeforeFirstBrowse();
    static void ResolveTeacher(const AvahiAddress& address, AvahiStringList* txt);
    static void StartDeploy(const std::string& address);

    static AvahiLoopHandle s_loop;
    static std::atomic<bool> s_bFirstBrowse;
    static std::atomic<int> s_nFirstWaitMs;
    static std::atomic<bool> s_bAbandonWait;
    static std::mutex s_starterMutex;
    static DeployStarter s_deployStarter;
};

#endif
