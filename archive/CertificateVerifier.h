#ifndef TIDEWAVE_CERTIFICATEVERIFIER_H
#define TIDEWAVE_CERTIFICATEVERIFIER_H

#include <string>

// Checks a PEM certificate against the CA certificates of one PEM file and
// nothing else: no default certificate folder or file of the system is
// trusted, so a certificate from a public CA does not verify.
class CertificateVerifier {
public:
    // True only when certFile holds a certificate that chains to a
    // certificate of caFile and passes OpenSSL's default verification (dates
    // included).  A missing, unreadable or malformed file gives false.
    static bool Verify(const std::string& caFile, const std::string& certFile);

    // True when the file holds exactly one PEM block, a certificate that
    // parses as X.509 to its last byte, and nothing else but text around
    // it: what may be kept as the CA certificate.
    static bool IsOnePemCertificate(const std::string& file);
};

#endif
