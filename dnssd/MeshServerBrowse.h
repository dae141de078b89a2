#ifndef TIDEWAVE_MESHSERVERBROWSE_H
#define TIDEWAVE_MESHSERVERBROWSE_H

#include <string>
#include <vector>

#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-common/simple-watch.h>

#include "MeshTxtRecord.h"

class MeshInfoManager;

// One browse of the mesh servers other laptops announce
// ("_kxStudentServer._tcp"), keeping the mesh model to them: a new service
// is resolved and a readable server record added, a removed one taken out.
// A service removed while it is being resolved has its resolver ended with
// it: the daemon may answer the resolver after the removal, and the server
// would stay listed although it is gone.  A browse failure ends the loop.
// It must outlive the client whose browser it serves; the resolvers still
// running are the client's to free.
class MeshServerBrowse {
public:
    MeshServerBrowse(MeshInfoManager& model, AvahiSimplePoll* poll);

    // The service browser's callback; `self` is the MeshServerBrowse.
    static void OnBrowse(AvahiServiceBrowser* browser, AvahiIfIndex interface, AvahiProtocol protocol,
                         AvahiBrowserEvent event, const char* name, const char* type, const char* domain,
                         AvahiLookupResultFlags flags, void* self);

private:
    static void OnResolve(AvahiServiceResolver* resolver, AvahiIfIndex interface, AvahiProtocol protocol,
                          AvahiResolverEvent event, const char* name, const char* type, const char* domain,
                          const char* hostName, const AvahiAddress* address, uint16_t port, AvahiStringList* txt,
                          AvahiLookupResultFlags flags, void* self);
    MeshTxtRecord::OwnHost OwnHost() const;

    // A service the browser lists, on one interface and protocol, and the
    // resolver running for it.
    struct Resolution {
        AvahiIfIndex interface;
        AvahiProtocol protocol;
        std::string name, type, domain;
        AvahiServiceResolver* resolver;
    };

    // Frees the resolvers running for that service.
    void EndResolution(const Resolution& service);

    MeshInfoManager& m_model;
    AvahiSimplePoll* m_poll;
    std::vector<Resolution> m_resolving;
};

#endif
