#ifndef TIDEWAVE_CERTIFICATEVERIFIER_H
#define TIDEWAVE_CERTIFICATEVERIFIER_H

#include <string>

// Checks a PEM certificate against the CA certificates of one PEM file and
// nothing else: no default certificate folder or file of the system is
// trusted, so a certificate from a public CA does not verify.
class CertificateVerifier {
public:
    enum class Verdict {
        TRUSTED,
        NO_CA,            // caFile missing, unreadable, or without a certificate
        UNREADABLE,       // certFile missing or not a PEM certificate
        NOT_SIGNED,       // no chain from the certificate to a certificate of caFile
        EXPIRED,          // the certificate is out of date, its chain is not
        NOT_YET_VALID,
        CA_EXPIRED,       // a certificate of caFile in its chain is out of date, it is not
        CA_NOT_YET_VALID,
        ALL_OUT_OF_DATE,  // both the certificate and one of caFile in its chain
        REFUSED,          // any other failure of the verification
    };

    // TRUSTED only when certFile holds a certificate that chains to a
    // certificate of caFile and passes OpenSSL's default verification (dates
    // included); otherwise why not.  A chain refused for nothing but dates
    // tells which of its certificates are out of date.
    static Verdict Check(const std::string& caFile, const std::string& certFile);

    // Whether Check trusts the certificate.
    static bool Verify(const std::string& caFile, const std::string& certFile) {
        return Check(caFile, certFile) == Verdict::TRUSTED;
    }

    // True when the file holds exactly one PEM block, a certificate that
    // parses as X.509 to its last byte, and nothing else but text around
    // it: what may be kept as the CA certificate.
    static bool IsOnePemCertificate(const std::string& file);
};

#endif
