#include "SocketByte.h"

#include <cerrno>

#include <sys/socket.h>

bool SendSocketByte(int socket, char byte) {
    for (;;) {
        const ssize_t n = ::send(socket, &byte, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && errno == EINTR)
            continue;
        return n == 1;
    }
}
