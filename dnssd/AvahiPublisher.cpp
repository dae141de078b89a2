#include "AvahiPublisher.h"

#include <cassert>
#include <cstdio>

#include <avahi-common/alternative.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>

#include "AvahiOutage.h"
#include "MeshText.h"

namespace {

const char* const kServerType = "_kxStudentServer._tcp";
const char* const kStudentType = "_kxStudent._tcp";

}  // namespace

AvahiLoopHandle AvahiPublisher::s_loop;
std::mutex AvahiPublisher::s_nameMutex;
std::string AvahiPublisher::s_serverName;

void ExcuteFreeAvahi() { AvahiPublisher::Quit(); }

void AvahiPublisher::Quit() { s_loop.Quit(); }

std::string AvahiPublisher::PublishedServerName() {
    std::lock_guard<std::mutex> lock(s_nameMutex);
    return s_serverName;
}

void AvahiPublisher::SetPublishedServerName(const std::string& name) {
    std::lock_guard<std::mutex> lock(s_nameMutex);
    s_serverName = name;
}

AvahiPublisher::AvahiPublisher(const std::string& hostName, const RecordSource& source) : m_source(source) {
    m_pName = avahi_strdup(MeshText::CutUtf8(hostName, kMaxNameBytes).c_str());
}

AvahiPublisher::~AvahiPublisher() { avahi_free(m_pName); }

AvahiPublisher::Outcome AvahiPublisher::Run(const std::string& hostName, const RecordSource& source) {
    AvahiPublisher publisher(hostName, source);
    publisher.m_pPoll = s_loop.Open();
    if (publisher.m_pPoll == nullptr) {
        std::fputs("Failed to create simple poll object.\n", stderr);
        return FAILED;
    }
    int error = 0;
    AvahiClient* client =
        avahi_client_new(avahi_simple_poll_get(publisher.m_pPoll), static_cast<AvahiClientFlags>(0),
                         &AvahiPublisher::OnClientState, &publisher, &error);
    if (client == nullptr) {
        AvahiOutage::Failed("Failed to create client: %s\n", error);
        publisher.m_outcome = DAEMON_UNAVAILABLE;
    } else {
        AvahiOutage::Answered();
        avahi_simple_poll_loop(publisher.m_pPoll);
        std::puts("avahipublish end");
        avahi_client_free(client);  // frees the group too
    }
    publisher.m_pGroup = nullptr;
    SetPublishedServerName(std::string());
    s_loop.Close();
    return publisher.m_outcome;
}

void AvahiPublisher::Stop(Outcome outcome) {
    m_outcome = outcome;
    avahi_simple_poll_quit(m_pPoll);
}

void AvahiPublisher::OnClientState(AvahiClient* client, AvahiClientState state, void* self) {
    assert(client != nullptr);
    auto* publisher = static_cast<AvahiPublisher*>(self);
    switch (state) {
    case AVAHI_CLIENT_S_RUNNING:
        publisher->CreateServices(client);
        break;
    case AVAHI_CLIENT_FAILURE:
        AvahiOutage::Failed("Client failure: %s\n", avahi_client_errno(client));
        publisher->Stop(DAEMON_UNAVAILABLE);
        break;
    case AVAHI_CLIENT_S_REGISTERING:
        // The daemon's host name changed: the service is added again once it
        // runs.
        if (publisher->m_pGroup != nullptr)
            avahi_entry_group_reset(publisher->m_pGroup);
        break;
    case AVAHI_CLIENT_S_COLLISION:
    case AVAHI_CLIENT_CONNECTING:
        break;
    }
}

void AvahiPublisher::OnGroupState(AvahiEntryGroup* group, AvahiEntryGroupState state, void* self) {
    auto* publisher = static_cast<AvahiPublisher*>(self);
    assert(publisher->m_pGroup == nullptr || publisher->m_pGroup == group);
    publisher->m_pGroup = group;
    switch (state) {
    case AVAHI_ENTRY_GROUP_ESTABLISHED:
        std::fprintf(stderr, "Service '%s' successfully established.\n", publisher->m_pName);
        break;
    case AVAHI_ENTRY_GROUP_COLLISION:
        publisher->Rename(avahi_entry_group_get_client(group));
        break;
    case AVAHI_ENTRY_GROUP_FAILURE:
        std::fprintf(stderr, "Entry group failure: %s\n",
                     avahi_strerror(avahi_client_errno(avahi_entry_group_get_client(group))));
        publisher->Stop(FAILED);
        break;
    case AVAHI_ENTRY_GROUP_UNCOMMITED:
    case AVAHI_ENTRY_GROUP_REGISTERING:
        break;
    }
}

void AvahiPublisher::Rename(AvahiClient* client) {
    char* next = avahi_alternative_service_name(m_pName);
    avahi_free(m_pName);
    m_pName = next;
    std::fprintf(stderr, "Service name collision, renaming service to '%s'\n", m_pName);
    avahi_entry_group_reset(m_pGroup);
    CreateServices(client);
}

void AvahiPublisher::CreateServices(AvahiClient* client) {
    assert(client != nullptr);
    if (m_pGroup == nullptr) {
        m_pGroup = avahi_entry_group_new(client, &AvahiPublisher::OnGroupState, this);
        if (m_pGroup == nullptr) {
            std::fprintf(stderr, "avahi_entry_group_new() failed: %s\n", avahi_strerror(avahi_client_errno(client)));
            Stop(FAILED);
            return;
        }
    }
    if (!avahi_entry_group_is_empty(m_pGroup))
        return;
    std::fprintf(stderr, "Adding service '%s'\n", m_pName);

    MeshTxtRecord::Items items;
    const bool meshServer = m_source(items);
    // Known before the service appears, so that this host's browser never
    // takes it for another's.
    SetPublishedServerName(meshServer ? m_pName : "");
    AvahiStringList* txt = MeshTxtRecord::MakeList(items);
    const int added = avahi_entry_group_add_service_strlst(
        m_pGroup, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, static_cast<AvahiPublishFlags>(0), m_pName,
        meshServer ? kServerType : kStudentType, nullptr, nullptr, kPort, txt);
    avahi_string_list_free(txt);
    if (added < 0) {
        std::puts("ret < 0");
        if (added == AVAHI_ERR_COLLISION) {
            Rename(client);
            return;
        }
        std::fprintf(stderr, "Failed to add _ipp._tcp service: %s\n", avahi_strerror(added));
        Stop(FAILED);
        return;
    }
    const int committed = avahi_entry_group_commit(m_pGroup);
    if (committed < 0) {
        std::fprintf(stderr, "Failed to commit entry group: %s\n", avahi_strerror(committed));
        Stop(FAILED);
        return;
    }
    std::puts("Service successfully established.");
}
