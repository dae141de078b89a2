#ifndef TIDEWAVE_INTERFACETABLE_H
#define TIDEWAVE_INTERFACETABLE_H

#include <stdexcept>
#include <string>
#include <vector>

#include "InterfaceQuery.h"

// Network interfaces as a table says, in place of the kernel's.
class InterfaceTable : public InterfaceQuery {
public:
    struct Interface {
        const char* name;
        const char* address;
        bool up;
        bool readable;  // flags can be read
    };
    std::vector<Interface> interfaces;
    bool socketOpens = true;
    int openSockets = 0;

    InterfaceTable() = default;
    explicit InterfaceTable(std::vector<Interface> list) : interfaces(std::move(list)) {}

    std::vector<std::string> Names() override {
        std::vector<std::string> names;
        for (const Interface& i : interfaces)
            names.push_back(i.name);
        return names;
    }
    std::string IPv4(const std::string& name) override { return Find(name).address; }
    bool OpenSocket() override {
        openSockets += socketOpens ? 1 : 0;
        return socketOpens;
    }
    bool ReadUpFlag(const std::string& name, bool& up) override {
        up = Find(name).up;
        return Find(name).readable;
    }
    void CloseSocket() override { --openSockets; }

private:
    const Interface& Find(const std::string& name) {
        for (const Interface& i : interfaces)
            if (name == i.name)
                return i;
        throw std::runtime_error("unknown interface " + name);
    }
};

#endif
