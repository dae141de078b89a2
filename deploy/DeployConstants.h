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
// The whole exchange may take the step time plus the announced length at
// this rate: a slow sender lands, a trickler does not stay for ever.
constexpr int kFloorBytesPerSecond = 32 * 1024;
// Places of the server: connections being received and deliveries waiting
// for (or in) the hand-over together.
constexpr int kMaxConnections = 64;
// Connections one source address may have in receipt at once.
constexpr int kMaxPerSource = 4;
// A connection silent this long may be closed to let a new one in.
constexpr int kEvictAfterMs = 1000;
// Deliveries waiting for the hand-over (besides the one in it).
constexpr int kMaxWaiting = 4;
constexpr const char* kCaFileName = "cacert.pem";
constexpr const char* kArchiveName = "SchoolSettings.tar";   // in the receive folder

}  // namespace DeployConstants

#endif
