#include "MeshTxtRecord.h"

#include <arpa/inet.h>

#include "MeshText.h"
#include "TWMUtil.h"

MeshTxtRecord::Items MeshTxtRecord::StudentItems(const std::string& mac, bool caPresent, bool versionRead,
                                                 const std::string& version) {
    return {mac + (caPresent ? "@1" : "@0"), versionRead ? MeshText::CutUtf8(version, kMaxVersionBytes) : kNoValue};
}

MeshTxtRecord::Items MeshTxtRecord::ServerItems(const MeshServerEntity& server) {
    // Peers refuse a record with a longer text (a gateway field holds no
    // more), and the platform may hand over 33 bytes without a NUL.  The
    // daemon refuses a record with an empty item: a field the platform left
    // empty (a machine with one DNS server) goes out as " ".
    auto item = [](const wxString& text) {
        const std::string cut = MeshText::CutUtf8(TWMUtil::WxStringToStdString(text), kMaxServerItemBytes);
        return cut.empty() ? std::string(kNoValue) : cut;
    };
    return {item(server.GetIPAddress()), item(server.GetHostName()), item(server.GetDNS()),
            item(server.GetDNS_back()), std::to_string(server.GetChannel())};
}

AvahiStringList* MeshTxtRecord::MakeList(const Items& items) {
    AvahiStringList* list = nullptr;
    for (const std::string& item : items)
        list = avahi_string_list_add_arbitrary(list, reinterpret_cast<const uint8_t*>(item.data()), item.size());
    return list;
}

bool MeshTxtRecord::IsOwnAddress(uint32_t address, const std::vector<uint32_t>& hostAddresses) {
    const uint32_t loopback = htonl(INADDR_LOOPBACK);
    for (uint32_t own : hostAddresses) {
        if (own != loopback && own == address)
            return true;
    }
    return false;
}

MeshTxtRecord::ReadResult MeshTxtRecord::ReadServer(const AvahiAddress& address, const char* serviceName,
                                                    AvahiStringList* txt, const OwnHost& own, MeshServerEntity& out) {
    if (address.proto != AVAHI_PROTO_INET)
        return NOT_IPV4;
    // A service resolved at one of this host's own addresses is its own.  One
    // resolved at a loopback address, as a daemon that serves this host alone
    // gives every service, is told by its name or its announced address; a
    // service at any other address belongs to another host, whatever it is
    // called or announces.
    const uint32_t resolved = address.data.ipv4.address;
    if (IsOwnAddress(resolved, own.addresses))
        return OWN_SERVICE;
    const bool loopback = (ntohl(resolved) >> 24) == 127;
    if (loopback && serviceName != nullptr && !own.serviceName.empty() && own.serviceName == serviceName)
        return OWN_SERVICE;
    if (avahi_string_list_length(txt) < 5)
        return TOO_FEW_ITEMS;
    std::string items[5];
    AvahiStringList* l = txt;
    for (int i = 0; i < 5; ++i, l = avahi_string_list_get_next(l)) {
        const char* text = reinterpret_cast<const char*>(avahi_string_list_get_text(l));
        const size_t size = avahi_string_list_get_size(l);
        if ((i < 4 && size > kMaxServerItemBytes) || !MeshText::IsPlainText(text, size))
            return BAD_ITEMS;
        items[i].assign(text, size);
        if (i < 4 && items[i] == kNoValue)
            items[i].clear();
    }
    if (loopback && !own.announcedAddress.empty() && items[0] == own.announcedAddress)
        return OWN_SERVICE;
    out.SetName(serviceName != nullptr ? MeshText::DecodeOrEmpty(serviceName) : wxString());
    out.SetIPAddress(TWMUtil::StdStringToWxString(items[0]));
    out.SetHostName(TWMUtil::StdStringToWxString(items[1]));
    out.SetDNS(TWMUtil::StdStringToWxString(items[2]));
    out.SetDNS_back(TWMUtil::StdStringToWxString(items[3]));
    out.SetChannel(TWMUtil::ParseLeadingInt(items[4].c_str()));
    return SERVER_READ;
}
