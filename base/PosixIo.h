#ifndef TIDEWAVE_POSIXIO_H
#define TIDEWAVE_POSIXIO_H

#include <cstddef>

// Plain descriptor I/O shared by every library (the simulated platform too).
namespace PosixIo {

// Writes all `size` bytes, going on after interrupted or short writes.
// False on the first real error (errno tells which).
bool WriteAll(int fd, const void* data, size_t size);

}  // namespace PosixIo

#endif
