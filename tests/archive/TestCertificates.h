#ifndef TIDEWAVE_TEST_TESTCERTIFICATES_H
#define TIDEWAVE_TEST_TESTCERTIFICATES_H

#include <string>

// Certificates made for one test run in a folder of the caller's: a CA,
// a server certificate it signed (with its key), one signed by another CA,
// an expired one and one not valid yet, both signed by the first CA, the
// first CA's certificate expired and not valid yet (its name and key, so
// the first CA's certificates chain to them), and a garbage file.
class TestCertificates {
public:
    explicit TestCertificates(const std::string& folder);

    std::string caFile;          // ca.pem
    std::string serverCert;      // server.pem, signed by ca.pem
    std::string serverKey;       // server.key
    std::string otherCaFile;     // otherca.pem
    std::string foreignCert;     // foreign.pem, signed by otherca.pem
    std::string foreignKey;      // foreign.key
    std::string expiredCert;     // expired.pem, signed by ca.pem, expired
    std::string futureCert;      // future.pem, signed by ca.pem, valid from tomorrow
    std::string expiredCaFile;   // expiredca.pem, ca.pem's CA expired
    std::string futureCaFile;    // futureca.pem, ca.pem's CA valid from tomorrow
    std::string garbageFile;     // garbage.pem
};

#endif
