#include "sim/WorldReader.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <tinyxml.h>

namespace {

// Attribute readers: each returns false with a message on a bad value and
// leaves the target alone when the attribute is absent.
class ElementReader {
public:
    ElementReader(const TiXmlElement* e, std::string& error) : m_e(e), m_error(error) {}

    bool Fail(const std::string& attribute, const std::string& what) {
        m_error = "<" + m_e->ValueStr() + "> line " + std::to_string(m_e->Row()) + ": attribute \"" +
                  attribute + "\" " + what;
        return false;
    }

    bool FailElement(const std::string& what) {
        m_error = "<" + m_e->ValueStr() + "> line " + std::to_string(m_e->Row()) + ": " + what;
        return false;
    }

    bool Text(const char* name, std::string& out, size_t maxBytes) {
        const std::string* v = m_e->Attribute(std::string(name));
        if (v == nullptr)
            return true;
        if (v->size() > maxBytes)
            return Fail(name, "is longer than " + std::to_string(maxBytes) + " bytes");
        out = *v;
        return true;
    }

    bool Int(const char* name, long lo, long hi, long& out) {
        const std::string* v = m_e->Attribute(std::string(name));
        if (v == nullptr)
            return true;
        errno = 0;
        char* end = nullptr;
        long n = std::strtol(v->c_str(), &end, 10);
        if (v->empty() || *end != '\0' || errno != 0 || n < lo || n > hi)
            return Fail(name, "must be a whole number from " + std::to_string(lo) + " to " + std::to_string(hi));
        out = n;
        return true;
    }

    template <typename T>
    bool Number(const char* name, long lo, long hi, T& out) {
        long n = static_cast<long>(out);
        if (!Int(name, lo, hi, n))
            return false;
        out = static_cast<T>(n);
        return true;
    }

    bool Flag(const char* name, bool& out) {
        const std::string* v = m_e->Attribute(std::string(name));
        if (v == nullptr)
            return true;
        if (*v != "0" && *v != "1")
            return Fail(name, "must be 0 or 1");
        out = *v == "1";
        return true;
    }

    bool Address(const char* name, std::string& out) {
        const std::string* v = m_e->Attribute(std::string(name));
        if (v == nullptr)
            return true;
        in_addr a;
        if (!v->empty() && inet_pton(AF_INET, v->c_str(), &a) != 1)
            return Fail(name, "is not a dotted IPv4 address");
        out = *v;
        return true;
    }

    bool Mac(const char* name, std::array<uint8_t, 6>& out) {
        const std::string* v = m_e->Attribute(std::string(name));
        if (v == nullptr)
            return true;
        std::array<uint8_t, 6> mac{};
        if (v->size() != 17)
            return Fail(name, "must be six hexadecimal pairs separated by \":\"");
        for (size_t i = 0; i < 6; ++i) {
            int hi = HexDigit((*v)[i * 3]), lo = HexDigit((*v)[i * 3 + 1]);
            if (hi < 0 || lo < 0 || (i < 5 && (*v)[i * 3 + 2] != ':'))
                return Fail(name, "must be six hexadecimal pairs separated by \":\"");
            mac[i] = static_cast<uint8_t>(hi * 16 + lo);
        }
        out = mac;
        return true;
    }

    bool HexBytes(const char* name, std::string& out, size_t maxBytes) {
        const std::string* v = m_e->Attribute(std::string(name));
        if (v == nullptr)
            return true;
        if (v->size() % 2 != 0 || v->size() / 2 > maxBytes)
            return Fail(name, "must be an even number of hexadecimal digits, at most " +
                                  std::to_string(maxBytes) + " bytes");
        std::string bytes;
        for (size_t i = 0; i < v->size(); i += 2) {
            int hi = HexDigit((*v)[i]), lo = HexDigit((*v)[i + 1]);
            if (hi < 0 || lo < 0)
                return Fail(name, "must be hexadecimal digits");
            bytes.push_back(static_cast<char>(hi * 16 + lo));
        }
        out = bytes;
        return true;
    }

    bool Choice(const char* name, const char* const* words, long hi, uint32_t& out) {
        const std::string* v = m_e->Attribute(std::string(name));
        if (v == nullptr)
            return true;
        for (long i = 0; words[i] != nullptr; ++i) {
            if (*v == words[i]) {
                out = static_cast<uint32_t>(i);
                return true;
            }
        }
        long n = 0;
        if (!Int(name, 0, hi, n))
            return false;
        out = static_cast<uint32_t>(n);
        return true;
    }

private:
    static int HexDigit(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    const TiXmlElement* m_e;
    std::string& m_error;
};

const long kMaxDelayMs = 600000;

bool ReadAdapter(const TiXmlElement* e, bool wired, SimAdapterConfig& a, std::string& error) {
    ElementReader r(e, error);
    a.present = true;
    if (!r.Flag("present", a.present) || !r.Flag("up", a.up))
        return false;
    if (wired) {
        return r.Flag("link", a.link) && r.Text("connectType", a.connectType, 200) &&
               r.Address("dhcpAddress", a.dhcpAddress) &&
               r.Number("dhcpDelayMs", 0, kMaxDelayMs, a.dhcpDelayMs);
    }
    return true;
}

bool ReadAccessPoint(const TiXmlElement* e, SimAccessPoint& ap, std::string& error) {
    static const char* const kPhy[] = {"b", "g", "n", nullptr};
    static const char* const kSecurity[] = {"open", "wep", "wpa-psk", "unknown", nullptr};
    ElementReader r(e, error);
    bool hasText = e->Attribute("ssid") != nullptr, hasHex = e->Attribute("ssidHex") != nullptr;
    if (hasText == hasHex)
        return r.Fail("ssid", "or \"ssidHex\" must be given, one of them");
    if (!r.Text("ssid", ap.ssid, RVL_SSID_MAX) || !r.HexBytes("ssidHex", ap.ssid, RVL_SSID_MAX) ||
        !r.Flag("hidden", ap.hidden) || !r.Mac("bssid", ap.bssid) ||
        !r.Number("channel", 1, 196, ap.channel) || !r.Choice("phy", kPhy, 255, ap.phy) ||
        !r.Choice("security", kSecurity, 0xFFFF, ap.security) || !r.Number("signal", 0, 100, ap.signal) ||
        !r.Text("key", ap.key, RVL_TEXT_BUFFER - 1) || !r.Number("keyIndex", 0, 4, ap.keyIndex) ||
        !r.Address("dhcpAddress", ap.dhcpAddress) || !r.Number("dhcpDelayMs", 0, kMaxDelayMs, ap.dhcpDelayMs))
        return false;
    if (ap.ssid.empty())
        return r.Fail("ssid", "must not be empty (use hidden=\"1\" for a hidden network)");
    return true;
}

bool ReadMesh(const TiXmlElement* e, SimMeshConfig& mesh, std::string& error) {
    ElementReader r(e, error);
    if (!r.Flag("on", mesh.on) || !r.Text("hostName", mesh.hostName, 32) ||
        !r.Number("channel", 1, 14, mesh.channel) || !r.Address("gatewayIp", mesh.gatewayIp) ||
        !r.Address("dns", mesh.dns) || !r.Address("dns2", mesh.dns2))
        return false;
    for (const TiXmlElement* n = e->FirstChildElement(); n != nullptr; n = n->NextSiblingElement()) {
        ElementReader nr(n, error);
        if (n->ValueStr() != "neighbor")
            return nr.FailElement("is not allowed here: <mesh> holds <neighbor> elements only");
        if (mesh.neighbors.size() >= RVL_NEIGHBOR_MAX)
            return nr.FailElement("is one too many: at most 64 neighbours");
        SimNeighbor nb;
        if (!nr.Number("rssi", -128, 127, nb.rssi) || !nr.Text("hostName", nb.hostName, 32) ||
            !nr.Mac("mac", nb.mac))
            return false;
        mesh.neighbors.push_back(nb);
    }
    return true;
}

}  // namespace

bool WorldReader::Parse(const std::string& xml, SimWorld& out, std::string& error) {
    TiXmlDocument doc;
    doc.Parse(xml.c_str(), nullptr, TIXML_ENCODING_UTF8);
    if (doc.Error()) {
        error = std::string("not well-formed XML at line ") + std::to_string(doc.ErrorRow()) + ": " +
                doc.ErrorDesc();
        return false;
    }
    const TiXmlElement* root = doc.RootElement();
    if (root == nullptr || root->ValueStr() != "world") {
        error = "the root element must be <world>";
        return false;
    }
    SimWorld world;
    world.wired.present = false;
    world.wireless.present = false;
    ElementReader rr(root, error);
    if (!rr.Number("scanDelayMs", 0, kMaxDelayMs, world.scanDelayMs) ||
        !rr.Number("connectDelayMs", 0, kMaxDelayMs, world.connectDelayMs))
        return false;
    bool seenWired = false, seenWireless = false, seenMesh = false;
    for (const TiXmlElement* e = root->FirstChildElement(); e != nullptr; e = e->NextSiblingElement()) {
        const std::string& name = e->ValueStr();
        ElementReader r(e, error);
        bool ok;
        if (name == "wired" && !seenWired) {
            seenWired = true;
            ok = ReadAdapter(e, true, world.wired, error);
        } else if (name == "wireless" && !seenWireless) {
            seenWireless = true;
            ok = ReadAdapter(e, false, world.wireless, error);
        } else if (name == "accessPoint") {
            SimAccessPoint ap;
            ok = ReadAccessPoint(e, ap, error);
            if (ok)
                world.accessPoints.push_back(ap);
        } else if (name == "mesh" && !seenMesh) {
            seenMesh = true;
            ok = ReadMesh(e, world.mesh, error);
        } else {
            ok = r.FailElement("is not allowed here: <world> holds one <wired>, one <wireless>, one <mesh> "
                             "and any number of <accessPoint>");
        }
        if (!ok)
            return false;
    }
    out = world;
    return true;
}

bool WorldReader::ReadFile(const std::string& path, SimWorld& out, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        error = "cannot read " + path;
        return false;
    }
    if (!Parse(text.str(), out, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}
