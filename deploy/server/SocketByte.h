#ifndef TIDEWAVE_SOCKETBYTE_H
#define TIDEWAVE_SOCKETBYTE_H

// Sends one byte without waiting and without a SIGPIPE: one byte always
// fits a deploy connection's send buffer, so a peer that cannot take it is
// gone.  False when it was not sent.
bool SendSocketByte(int socket, char byte);

#endif
