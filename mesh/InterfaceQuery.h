#ifndef TIDEWAVE_INTERFACEQUERY_H
#define TIDEWAVE_INTERFACEQUERY_H

#include <string>
#include <vector>

// What the mesh model asks the system about its network interfaces, so that
// tests can stand in for the kernel.
class InterfaceQuery {
public:
    virtual ~InterfaceQuery() = default;

    // Interface names in the kernel's index order, up to the first entry
    // without a name.
    virtual std::vector<std::string> Names() = 0;
    // The IPv4 address text of the interface, empty when it has none.
    virtual std::string IPv4(const std::string& name) = 0;
    // Opens the datagram socket the flags are read through; false when none
    // can be opened.
    virtual bool OpenSocket() = 0;
    // Reads the interface's up flag through the open socket; false when the
    // flags cannot be read.
    virtual bool ReadUpFlag(const std::string& name, bool& up) = 0;
    virtual void CloseSocket() = 0;
};

#endif
