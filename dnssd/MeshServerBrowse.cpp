#include "MeshServerBrowse.h"

#include <algorithm>
#include <cassert>
#include <cstdio>

#include <avahi-common/error.h>

#include "AvahiPublisher.h"
#include "HostAddresses.h"
#include "MeshInfoManager.h"
#include "TWMUtil.h"

MeshServerBrowse::MeshServerBrowse(MeshInfoManager& model, AvahiSimplePoll* poll) : m_model(model), m_poll(poll) {}

void MeshServerBrowse::OnBrowse(AvahiServiceBrowser* browser, AvahiIfIndex interface, AvahiProtocol protocol,
                                AvahiBrowserEvent event, const char* name, const char* type, const char* domain,
                                AvahiLookupResultFlags, void* data) {
    assert(browser != nullptr);
    auto* self = static_cast<MeshServerBrowse*>(data);
    AvahiClient* client = avahi_service_browser_get_client(browser);
    switch (event) {
    case AVAHI_BROWSER_NEW:
        // The resolver is freed in its callback, or when the service goes
        // before it answers.  Only an IPv4 address is used: asked for either
        // kind, the resolver ends at whichever comes first, often the host's
        // IPv6 address, and the server would be passed over.
        if (AvahiServiceResolver* resolver = avahi_service_resolver_new(
                client, interface, protocol, name, type, domain, AVAHI_PROTO_INET,
                static_cast<AvahiLookupFlags>(0), &MeshServerBrowse::OnResolve, self))
            self->m_resolving.push_back({interface, protocol, name, type, domain, resolver});
        else
            std::fprintf(stderr, "Failed to resolve service '%s': %s\n", name,
                         avahi_strerror(avahi_client_errno(client)));
        break;
    case AVAHI_BROWSER_REMOVE:
        self->EndResolution({interface, protocol, name, type, domain, nullptr});
        std::puts("Remove client-------------- ");
        self->m_model.RemoveMeshServer(TWMUtil::StdStringToWxString(name));
        std::printf("Service Name: %s\n", name);
        break;
    case AVAHI_BROWSER_FAILURE:
        avahi_simple_poll_quit(self->m_poll);
        break;
    case AVAHI_BROWSER_ALL_FOR_NOW:
    case AVAHI_BROWSER_CACHE_EXHAUSTED:
        break;
    }
}

void MeshServerBrowse::EndResolution(const Resolution& service) {
    for (auto r = m_resolving.begin(); r != m_resolving.end();) {
        if (r->interface == service.interface && r->protocol == service.protocol && r->name == service.name &&
            r->type == service.type && r->domain == service.domain) {
            avahi_service_resolver_free(r->resolver);
            r = m_resolving.erase(r);
        } else {
            ++r;
        }
    }
}

MeshTxtRecord::OwnHost MeshServerBrowse::OwnHost() const {
    MeshTxtRecord::OwnHost own;
    own.addresses = HostAddresses::IPv4();
    own.serviceName = AvahiPublisher::PublishedServerName();
    MeshServerEntity ownServer;
    if (m_model.GetLocalMeshServer(ownServer))
        own.announcedAddress = MeshTxtRecord::ServerItems(ownServer)[0];
    return own;
}

void MeshServerBrowse::OnResolve(AvahiServiceResolver* resolver, AvahiIfIndex, AvahiProtocol,
                                 AvahiResolverEvent event, const char* name, const char* type, const char* domain,
                                 const char*, const AvahiAddress* address, uint16_t, AvahiStringList* txt,
                                 AvahiLookupResultFlags, void* data) {
    assert(resolver != nullptr);
    auto* self = static_cast<MeshServerBrowse*>(data);
    auto& resolving = self->m_resolving;
    const auto running = std::find_if(resolving.begin(), resolving.end(),
                                      [&](const Resolution& r) { return r.resolver == resolver; });
    if (running != resolving.end())
        resolving.erase(running);
    if (event == AVAHI_RESOLVER_FAILURE) {
        std::fprintf(stderr, "(Resolver) Failed to resolve service '%s' of type '%s' in domain '%s': %s\n", name,
                     type, domain, avahi_strerror(avahi_client_errno(avahi_service_resolver_get_client(resolver))));
    } else if (event == AVAHI_RESOLVER_FOUND && address != nullptr) {
        char text[AVAHI_ADDRESS_STR_MAX] = {};
        avahi_address_snprint(text, sizeof text, address);
        MeshServerEntity server;
        switch (MeshTxtRecord::ReadServer(*address, name, txt, self->OwnHost(), server)) {
        case MeshTxtRecord::SERVER_READ:
            std::printf("discoverAddress %s:0\n", text);
            self->m_model.ModifyMeshServer(server);
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
