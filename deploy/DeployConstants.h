#ifndef TIDEWAVE_DEPLOYCONSTANTS_H
#define TIDEWAVE_DEPLOYCONSTANTS_H

#include <cstdint>

// Fixed values of the classroom deploy exchange.
namespace DeployConstants {

constexpr unsigned short kPort = 4711;
constexpr char kAccept = 'K';
constexpr char kRefuse = 0x00;
constexpr int32_t kMaxCertificateSize = 50000;
constexpr int32_t kMaxPayloadSize = 64 * 1024 * 1024;
// The longest a peer may stay silent within a step of the exchange.
constexpr int kStepSeconds = 30;
// The whole exchange may take the step time plus what was received at this
// rate (each 32 KiB received buys a second): a slow sender lands, a
// trickler is cut after about the step time.
constexpr int kFloorBytesPerSecond = 32 * 1024;
// Places of the server: connections being received and deliveries waiting
// for (or in) the hand-over together.  When they are taken, the connection
// silent for longest makes room for a new one, unless it keeps up with the
// floor rate.
constexpr int kMaxConnections = 64;
// Keeping up is judged over the last this many seconds of a connection
// (its whole time, when it is younger): what it sent before does not count.
constexpr int kKeepUpSpanSeconds = 10;
// The lengths announced on the connections in receipt together fit in the
// receive folder's free space less this share of its file system.
constexpr int kDiskReservePercent = 10;
// Connections one source address may have in receipt at once.
constexpr int kMaxPerSource = 4;
// Deliveries waiting for the hand-over (besides the one in it).
constexpr int kMaxWaiting = 4;
constexpr const char* kCaFileName = "cacert.pem";
constexpr const char* kArchiveName = "SchoolSettings.tar";   // in the receive folder

}  // namespace DeployConstants

#endif
