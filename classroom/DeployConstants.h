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
constexpr int kStepSeconds = 30;
// Connections served at once; one more is accepted and closed at once.
constexpr int kMaxConnections = 64;
constexpr const char* kCaFileName = "cacert.pem";
constexpr const char* kArchivePath = "/tmp/SchoolSettings.tar";   // under SystemPaths::Fixed

}  // namespace DeployConstants

#endif
