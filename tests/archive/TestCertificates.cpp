#include "TestCertificates.h"

#include <cstdio>
#include <stdexcept>

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include "TestTree.h"

namespace {

EVP_PKEY* NewKey() {
    EVP_PKEY* key = EVP_EC_gen("P-256");
    if (key == nullptr)
        throw std::runtime_error("key generation failed");
    return key;
}

void AddExt(X509* cert, X509* issuer, int nid, const char* value) {
    X509V3_CTX ctx;
    X509V3_set_ctx(&ctx, issuer, cert, nullptr, nullptr, 0);
    X509_EXTENSION* ext = X509V3_EXT_conf_nid(nullptr, &ctx, nid, value);
    X509_add_ext(cert, ext, -1);
    X509_EXTENSION_free(ext);
}

// A certificate for key, signed by issuerKey (self-signed when issuer is null).
X509* MakeCert(const char* cn, EVP_PKEY* key, X509* issuer, EVP_PKEY* issuerKey, bool ca,
               long fromSeconds, long toSeconds, long serial) {
    X509* cert = X509_new();
    X509_set_version(cert, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert), serial);
    X509_gmtime_adj(X509_getm_notBefore(cert), fromSeconds);
    X509_gmtime_adj(X509_getm_notAfter(cert), toSeconds);
    X509_set_pubkey(cert, key);
    X509_NAME* name = X509_get_subject_name(cert);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>(cn), -1, -1, 0);
    X509_set_issuer_name(cert, issuer ? X509_get_subject_name(issuer) : name);
    AddExt(cert, issuer ? issuer : cert, NID_basic_constraints, ca ? "critical,CA:TRUE" : "CA:FALSE");
    if (ca)
        AddExt(cert, cert, NID_key_usage, "critical,keyCertSign,cRLSign");
    if (X509_sign(cert, issuerKey ? issuerKey : key, EVP_sha256()) == 0)
        throw std::runtime_error("signing failed");
    return cert;
}

void WriteCert(const std::string& path, X509* cert) {
    FILE* f = std::fopen(path.c_str(), "w");
    PEM_write_X509(f, cert);
    std::fclose(f);
}

void WriteKey(const std::string& path, EVP_PKEY* key) {
    FILE* f = std::fopen(path.c_str(), "w");
    PEM_write_PrivateKey(f, key, nullptr, nullptr, 0, nullptr, nullptr);
    std::fclose(f);
}

}  // namespace

TestCertificates::TestCertificates(const std::string& folder)
    : caFile(folder + "/ca.pem"), serverCert(folder + "/server.pem"), serverKey(folder + "/server.key"),
      otherCaFile(folder + "/otherca.pem"), foreignCert(folder + "/foreign.pem"),
      foreignKey(folder + "/foreign.key"), expiredCert(folder + "/expired.pem"),
      futureCert(folder + "/future.pem"), expiredCaFile(folder + "/expiredca.pem"),
      futureCaFile(folder + "/futureca.pem"), garbageFile(folder + "/garbage.pem") {
    const long day = 86400;
    EVP_PKEY* caKey = NewKey();
    X509* ca = MakeCert("Test School CA", caKey, nullptr, nullptr, true, -day, 30 * day, 1);
    EVP_PKEY* otherKey = NewKey();
    X509* other = MakeCert("Other CA", otherKey, nullptr, nullptr, true, -day, 30 * day, 2);
    EVP_PKEY* serverK = NewKey();
    X509* server = MakeCert("127.0.0.1", serverK, ca, caKey, false, -day, 30 * day, 3);
    EVP_PKEY* foreignK = NewKey();
    X509* foreign = MakeCert("127.0.0.1", foreignK, other, otherKey, false, -day, 30 * day, 4);
    X509* expired = MakeCert("old server", serverK, ca, caKey, false, -10 * day, -2 * day, 5);
    X509* future = MakeCert("new server", serverK, ca, caKey, false, day, 30 * day, 6);
    X509* expiredCa = MakeCert("Test School CA", caKey, nullptr, nullptr, true, -40 * day, -day, 7);
    X509* futureCa = MakeCert("Test School CA", caKey, nullptr, nullptr, true, day, 40 * day, 8);

    WriteCert(caFile, ca);
    WriteCert(otherCaFile, other);
    WriteCert(serverCert, server);
    WriteKey(serverKey, serverK);
    WriteCert(foreignCert, foreign);
    WriteKey(foreignKey, foreignK);
    WriteCert(expiredCert, expired);
    WriteCert(futureCert, future);
    WriteCert(expiredCaFile, expiredCa);
    WriteCert(futureCaFile, futureCa);
    TestTree::WriteFile(garbageFile, "-----BEGIN CERTIFICATE-----\nbm90IGEgY2VydGlmaWNhdGU=\n-----END CERTIFICATE-----\n");

    for (X509* c : {ca, other, server, foreign, expired, future, expiredCa, futureCa})
        X509_free(c);
    for (EVP_PKEY* k : {caKey, otherKey, serverK, foreignK})
        EVP_PKEY_free(k);
}
