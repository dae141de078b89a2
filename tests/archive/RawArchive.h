#ifndef TIDEWAVE_TEST_RAWARCHIVE_H
#define TIDEWAVE_TEST_RAWARCHIVE_H

#include <cstdint>
#include <string>
#include <vector>

// Builds settings archives byte by byte, well-formed or not, so that tests
// can hand the reader shapes the writer would never produce.
class RawArchive {
public:
    struct Entry {
        uint32_t offset;
        uint32_t size;
        std::vector<uint32_t> name;   // written as given, then zero-filled
    };

    static std::vector<uint32_t> Text(const std::string& ascii, bool terminate = true);

    // Magic, header with the given count, the entries, then data.  Entries
    // whose offset is 0 get the writer's layout over the data blocks.
    static std::string Build(int32_t count, std::vector<Entry> entries,
                             const std::vector<std::string>& data);

    static void PutU32(std::string& out, uint32_t v);
};

#endif
