#ifndef TIDEWAVE_FILETARBYTES_H
#define TIDEWAVE_FILETARBYTES_H

#include <cstdint>

// Little-endian 32-bit fields of the settings archive, whatever the host's
// byte order.
namespace FileTarBytes {

inline uint32_t GetU32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

inline void PutU32(unsigned char* p, uint32_t v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
    p[2] = static_cast<unsigned char>(v >> 16);
    p[3] = static_cast<unsigned char>(v >> 24);
}

}  // namespace FileTarBytes

#endif
