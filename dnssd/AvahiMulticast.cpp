#include "AvahiMulticast.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include <arpa/inet.h>
#include <avahi-common/error.h>
#include <wx/arrstr.h>

#include "AvahiOutage.h"
#include "HostAddresses.h"
#include "MeshInfoManager.h"
#include "MeshServerBrowse.h"
#include "MeshText.h"
#include "ProfileVersion.h"
#include "PublishRecord.h"
#include "TWMUtil.h"

namespace {

std::string ItemText(AvahiStringList* item) {
    return std::string(reinterpret_cast<const char*>(avahi_string_list_get_text(item)),
                       avahi_string_list_get_size(item));
}

}  // namespace

struct AvahiMulticast::Run {
    AvahiSimplePoll* poll = nullptr;
    bool daemonUnavailable = false;
};

AvahiLoopHandle AvahiMulticast::s_loop;
std::atomic<bool> AvahiMulticast::s_bFirstBrowse{true};
std::atomic<int> AvahiMulticast::s_nFirstWaitMs{30000};
std::atomic<bool> AvahiMulticast::s_bAbandonWait{false};
std::mutex AvahiMulticast::s_starterMutex;
AvahiMulticast::DeployStarter AvahiMulticast::s_deployStarter;

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
    int result = 1;
    run.poll = s_loop.Open();
    MeshServerBrowse servers(model, run.poll);
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
                meshOn ? &MeshServerBrowse::OnBrowse : &AvahiMulticast::OnTeacherBrowse,
                meshOn ? static_cast<void*>(&servers) : &run);
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

void AvahiMulticast::SetDeployStarter(DeployStarter starter) {
    std::lock_guard<std::mutex> lock(s_starterMutex);
    s_deployStarter = std::move(starter);
}

void AvahiMulticast::StartDeploy(const std::string& address) {
    DeployStarter starter;
    {
        std::lock_guard<std::mutex> lock(s_starterMutex);
        starter = s_deployStarter;
    }
    if (starter)
        starter(address);
}

std::string AvahiMulticast::GetLocalSettingsVersion() {
    ProfileVersion profileVersion;
    wxArrayString version;
    if (!profileVersion.GetProfileVersion(version) || version.empty())
        return std::string();
    return TWMUtil::WxStringToStdString(version[0]);
}

bool AvahiMulticast::AddressInList(const char* list, const char* address, const char* delimiters) {
    if (list == nullptr || address == nullptr || delimiters == nullptr)
        return false;
    const size_t length = strnlen(list, kMaxAddressListBytes + 1);
    const std::string copy(list, std::min(length, kMaxAddressListBytes));
    // The bound cuts the last token unless a delimiter follows it.
    const bool lastCut =
        length > kMaxAddressListBytes && std::strchr(delimiters, list[kMaxAddressListBytes]) == nullptr;
    for (size_t start = 0; start < copy.size();) {
        size_t end = copy.find_first_of(delimiters, start);
        if (end == std::string::npos) {
            if (lastCut)
                break;
            end = copy.size();
        }
        if (end > start) {
            const std::string token = copy.substr(start, end - start);
            std::printf(" token %s ip %s\n", token.c_str(), address);
            if (token == address)
                return true;
        }
        start = end + 1;
    }
    return false;
}

void AvahiMulticast::resolveTeacher_callback(AvahiServiceResolver* resolver, AvahiIfIndex, AvahiProtocol,
                                             AvahiResolverEvent event, const char* name, const char* type,
                                             const char* domain, const char*, const AvahiAddress* address,
                                             uint16_t, AvahiStringList* txt, AvahiLookupResultFlags, void*) {
    assert(resolver != nullptr);
    if (event == AVAHI_RESOLVER_FAILURE)
        std::fprintf(stderr, "(Resolver) Failed to resolve service '%s' of type '%s' in domain '%s': %s\n", name,
                     type, domain, avahi_strerror(avahi_client_errno(avahi_service_resolver_get_client(resolver))));
    else if (event == AVAHI_RESOLVER_FOUND && address != nullptr)
        ResolveTeacher(*address, txt);
    avahi_service_resolver_free(resolver);
}

void AvahiMulticast::ResolveTeacher(const AvahiAddress& address, AvahiStringList* txt) {
    char text[AVAHI_ADDRESS_STR_MAX] = {};
    avahi_address_snprint(text, sizeof text, &address);
    // The deploy server listens on IPv4 only.
    if (address.proto != AVAHI_PROTO_INET) {
        std::printf("IPv6 address %s.\n", text);
        return;
    }
    if (!PublishRecord::CaPresent()) {
        std::puts("Don't have CA");
        StartDeploy(text);
        return;
    }
    if (txt == nullptr)
        return;
    const std::string list = ItemText(txt);
    if (!MeshText::IsPlainText(list.data(), list.size())) {
        std::printf("teacher at %s announces unreadable items, ignored\n", text);
        return;
    }
    AvahiStringList* second = avahi_string_list_get_next(txt);
    const bool sameVersion = second != nullptr && ItemText(second) == GetLocalSettingsVersion();
    std::printf("deployAddress %s\n", list.c_str());
    for (uint32_t own : HostAddresses::IPv4()) {
        char ownText[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &own, ownText, sizeof ownText);
        const std::string listed = std::string(ownText) + ":0";
        if (listed == "127.0.0.1:0")
            continue;
        if (AddressInList(list.c_str(), listed.c_str(), "@") && !sameVersion) {
            StartDeploy(text);
            std::puts("[Client]IP Exist");
            return;
        }
        std::puts("[Client]IP isn't Exist");
    }
}
