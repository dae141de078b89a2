#include "RawArchive.h"

std::vector<uint32_t> RawArchive::Text(const std::string& ascii, bool terminate) {
    std::vector<uint32_t> out(ascii.begin(), ascii.end());
    if (terminate)
        out.push_back(0);
    return out;
}

void RawArchive::PutU32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::string RawArchive::Build(int32_t count, std::vector<Entry> entries,
                              const std::vector<std::string>& data) {
    std::string out;
    PutU32(out, 0x4B4350CCu);
    for (int i = 0; i < 512; ++i)
        PutU32(out, 0xFFFFFFFFu);
    PutU32(out, static_cast<uint32_t>(count));
    uint32_t running = static_cast<uint32_t>(2056 + entries.size() * 2056);
    for (size_t k = 0; k < entries.size(); ++k) {
        Entry& e = entries[k];
        if (e.offset == 0 && k < data.size()) {
            e.offset = running;
            running += static_cast<uint32_t>(data[k].size());
        }
        PutU32(out, e.offset);
        PutU32(out, e.size);
        for (int i = 0; i < 256; ++i)
            PutU32(out, i < static_cast<int>(e.name.size()) ? e.name[i] : 0);
        for (int i = 0; i < 256; ++i)
            PutU32(out, 0);
    }
    for (const std::string& d : data)
        out += d;
    return out;
}
