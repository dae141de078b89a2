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
};

#endif
