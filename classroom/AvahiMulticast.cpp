#include "AvahiMulticast.h"

#include <cassert>
#include <chrono>
#include <cstdio>
#include <thread>

#include <avahi-common/error.h>

#include "AvahiOutage.h"
#include "AvahiPublisher.h"
#include "HostAddresses.h"
#include "MeshInfoManager.h"
#include "MeshTxtRecord.h"
#include "TWMUtil.h"

struct AvahiMulticast::Run {
    AvahiSimplePoll* poll = nullptr;
    MeshInfoManager* model = nullptr;
    bool daemonUnavailable = false;
};

AvahiLoopHandle AvahiMulticast::s_loop;
std::atomic<bool> AvahiMulticast::s_bFirstBrowse{true};
std::atomic<int> AvahiMulticast::s_nFirstWaitMs{30000};
std::atomic<bool> AvahiMulticast::s_bAbandonWait{false};

void AvahiMulticast::SetFirstBrowseWaitMs(int ms) { s_nFirstWaitMs = ms; }

void AvahiMulticast::AbandonFirstWait() { s_bAbandonWait = true; }

void AvahiMulticast::StopBrowse() { s_loop.Quit(); }

void AvahiMulticast::WaitBeforeFirstBrowse() {
    if (!s_bFirstBrowse.exchange(false))
        return;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(s_nFirstWaitMs.load());
    while (std::chrono::steady_clock::now() < end && !s_bAbandonWait)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

int AvahiMulticast::BrowseLoop(MeshInfoManager& model, bool& daemonUnavailable) {
    daemonUnavailable = false;
    WaitBeforeFirstBrowse();
    std::puts("start  avahimulitcast browse ");
    Run run;
    run.model = &model;
    int result = 1;
    run.poll = s_loop.Open();
    if (run.poll == nullptr) {
        std::fputs("Failed to create simple poll object.\n", stderr);
    } else {
        int error = 0;
        AvahiClient* client = avahi_client_new(avahi_simple_poll_get(run.poll), static_cast<AvahiClientFlags>(0),
                                               &AvahiMulticast::OnClientState, &run, &error);
        if (client == nullptr) {
            AvahiOutage::Failed("Failed to create client: %s\n", error);
            run.daemonUnavailable = true;
        } else {
            AvahiOutage::Answered();
            const bool meshOn = model.IsMeshEnabled();
            AvahiServiceBrowser* browser = avahi_service_browser_new(
                client, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, meshOn ? "_kxStudentServer._tcp" : "_kxTeacher._tcp",
                nullptr, static_cast<AvahiLookupFlags>(0),
                meshOn ? &AvahiMulticast::OnServerBrowse : &AvahiMulticast::OnTeacherBrowse, &run);
            if (browser != nullptr) {
                avahi_simple_poll_loop(run.poll);
                avahi_service_browser_free(browser);
                result = 0;
            } else {
                std::fprintf(stderr, "Failed to create service browser: %s\n",
                             avahi_strerror(avahi_client_errno(client)));
            }
            avahi_client_free(client);  // frees resolvers still running
        }
    }
    s_loop.Close();
    std::puts("free  avahimulitcast");
    daemonUnavailable = run.daemonUnavailable;
    return result;
}

void AvahiMulticast::OnClientState(AvahiClient* client, AvahiClientState state, void* data) {
    assert(client != nullptr);
    if (state != AVAHI_CLIENT_FAILURE)
        return;
    auto* run = static_cast<Run*>(data);
    AvahiOutage::Failed("Client failure: %s\n", avahi_client_errno(client));
    run->daemonUnavailable = true;
    avahi_simple_poll_quit(run->poll);
}

void AvahiMulticast::OnTeacherBrowse(AvahiServiceBrowser* browser, AvahiIfIndex, AvahiProtocol,
                                     AvahiBrowserEvent event, const char*, const char*, const char*,
                                     AvahiLookupResultFlags, void* data) {
    if (browser != nullptr && event == AVAHI_BROWSER_FAILURE)
        avahi_simple_poll_quit(static_cast<Run*>(data)->poll);
}

void AvahiMulticast::OnServerBrowse(AvahiServiceBrowser* browser, AvahiIfIndex interface, AvahiProtocol protocol,
                                    AvahiBrowserEvent event, const char* name, const char* type,
                                    const char* domain, AvahiLookupResultFlags, void* data) {
    assert(browser != nullptr);
    auto* run = static_cast<Run*>(data);
    AvahiClient* client = avahi_service_browser_get_client(browser);
    switch (event) {
    case AVAHI_BROWSER_NEW:
        // The resolver frees itself in its callback.
        if (avahi_service_resolver_new(client, interface, protocol, name, type, domain, AVAHI_PROTO_UNSPEC,
                                       static_cast<AvahiLookupFlags>(0), &AvahiMulticast::OnServerResolve,
                                       run) == nullptr)
            std::fprintf(stderr, "Failed to resolve service '%s': %s\n", name,
                         avahi_strerror(avahi_client_errno(client)));
        break;
    case AVAHI_BROWSER_REMOVE:
        std::puts("Remove client-------------- ");
        run->model->RemoveMeshServer(TWMUtil::StdStringToWxString(name));
        std::printf("Service Name: %s\n", name);
        break;
    case AVAHI_BROWSER_FAILURE:
        avahi_simple_poll_quit(run->poll);
        break;
    case AVAHI_BROWSER_ALL_FOR_NOW:
    case AVAHI_BROWSER_CACHE_EXHAUSTED:
        break;
    }
}

MeshTxtRecord::OwnHost AvahiMulticast::OwnHost(const MeshInfoManager& model) {
    MeshTxtRecord::OwnHost own;
    own.addresses = HostAddresses::IPv4();
    own.serviceName = AvahiPublisher::PublishedServerName();
    MeshServerEntity ownServer;
    if (model.GetLocalMeshServer(ownServer))
        own.announcedAddress = MeshTxtRecord::ServerItems(ownServer)[0];
    return own;
}

void AvahiMulticast::OnServerResolve(AvahiServiceResolver* resolver, AvahiIfIndex, AvahiProtocol,
                                     AvahiResolverEvent event, const char* name, const char* type,
                                     const char* domain, const char*, const AvahiAddress* address, uint16_t,
                                     AvahiStringList* txt, AvahiLookupResultFlags, void* data) {
    assert(resolver != nullptr);
    auto* run = static_cast<Run*>(data);
    if (event == AVAHI_RESOLVER_FAILURE) {
        std::fprintf(stderr, "(Resolver) Failed to resolve service '%s' of type '%s' in domain '%s': %s\n", name,
                     type, domain, avahi_strerror(avahi_client_errno(avahi_service_resolver_get_client(resolver))));
    } else if (event == AVAHI_RESOLVER_FOUND && address != nullptr) {
        char text[AVAHI_ADDRESS_STR_MAX] = {};
        avahi_address_snprint(text, sizeof text, address);
        MeshServerEntity server;
        switch (MeshTxtRecord::ReadServer(*address, name, txt, OwnHost(*run->model), server)) {
        case MeshTxtRecord::SERVER_READ:
            std::printf("discoverAddress %s:0\n", text);
            run->model->ModifyMeshServer(server);
            std::puts("After ModifyMeshServer");
            break;
        case MeshTxtRecord::NOT_IPV4:
            std::printf("IPv6 address %s.\n", text);
            break;
        case MeshTxtRecord::OWN_SERVICE:
            std::puts("[Client]Local Server");
            break;
        case MeshTxtRecord::TOO_FEW_ITEMS:
            std::printf("length of AvahiStringList: %u\n", avahi_string_list_length(txt));
            break;
        case MeshTxtRecord::BAD_ITEMS:
            std::printf("mesh server '%s' announces unreadable items, ignored\n", name);
            break;
        }
    }
    avahi_service_resolver_free(resolver);
}
