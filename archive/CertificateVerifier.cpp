#include "CertificateVerifier.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include <openssl/crypto.h>
#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509_vfy.h>

namespace {

struct StoreFree { void operator()(X509_STORE* s) const { X509_STORE_free(s); } };
struct CtxFree { void operator()(X509_STORE_CTX* c) const { X509_STORE_CTX_free(c); } };
struct CertFree { void operator()(X509* c) const { X509_free(c); } };
struct FileClose { void operator()(FILE* f) const { std::fclose(f); } };
struct OpenSslFree { void operator()(void* p) const { OPENSSL_free(p); } };

// The dates found wrong in the chain: of the certificate checked (depth 0)
// and of the CA file's certificates above it (the chain is built from the
// CA file alone).  0 where none was.
struct DateFaults {
    int certificate = 0;
    int ca = 0;
};

bool IsDateError(int error) {
    return error == X509_V_ERR_CERT_HAS_EXPIRED || error == X509_V_ERR_CERT_NOT_YET_VALID;
}

// Notes a certificate out of date and lets the verification go on, so that
// the whole chain is looked at; any other error ends it.
int NoteDateFaults(int ok, X509_STORE_CTX* ctx) {
    if (ok == 1)
        return 1;
    const int error = X509_STORE_CTX_get_error(ctx);
    auto* faults = static_cast<DateFaults*>(X509_STORE_CTX_get_app_data(ctx));
    if (faults == nullptr || !IsDateError(error))
        return 0;
    int& fault = X509_STORE_CTX_get_error_depth(ctx) == 0 ? faults->certificate : faults->ca;
    if (fault == 0)
        fault = error;
    return 1;
}

CertificateVerifier::Verdict VerdictOf(const DateFaults& faults) {
    using Verdict = CertificateVerifier::Verdict;
    if (faults.ca != 0 && faults.certificate != 0)
        return Verdict::ALL_OUT_OF_DATE;
    if (faults.ca != 0)
        return faults.ca == X509_V_ERR_CERT_HAS_EXPIRED ? Verdict::CA_EXPIRED : Verdict::CA_NOT_YET_VALID;
    if (faults.certificate != 0)
        return faults.certificate == X509_V_ERR_CERT_HAS_EXPIRED ? Verdict::EXPIRED : Verdict::NOT_YET_VALID;
    return Verdict::TRUSTED;
}

CertificateVerifier::Verdict VerdictOf(int error) {
    switch (error) {
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT:
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT_LOCALLY:
    case X509_V_ERR_UNABLE_TO_VERIFY_LEAF_SIGNATURE:
    case X509_V_ERR_DEPTH_ZERO_SELF_SIGNED_CERT:
    case X509_V_ERR_SELF_SIGNED_CERT_IN_CHAIN:
    case X509_V_ERR_CERT_SIGNATURE_FAILURE:
    case X509_V_ERR_UNABLE_TO_DECRYPT_CERT_SIGNATURE:
        return CertificateVerifier::Verdict::NOT_SIGNED;
    default:
        return CertificateVerifier::Verdict::REFUSED;
    }
}

}  // namespace

CertificateVerifier::Verdict CertificateVerifier::Check(const std::string& caFile, const std::string& certFile) {
    std::unique_ptr<X509_STORE, StoreFree> store(X509_STORE_new());
    if (!store || X509_STORE_load_file(store.get(), caFile.c_str()) != 1 ||
        sk_X509_OBJECT_num(X509_STORE_get0_objects(store.get())) == 0) {
        ERR_clear_error();
        return Verdict::NO_CA;
    }
    std::unique_ptr<FILE, FileClose> file(std::fopen(certFile.c_str(), "r"));
    if (!file)
        return Verdict::UNREADABLE;
    std::unique_ptr<X509, CertFree> cert(PEM_read_X509(file.get(), nullptr, nullptr, nullptr));
    if (!cert) {
        ERR_clear_error();
        return Verdict::UNREADABLE;
    }
    std::unique_ptr<X509_STORE_CTX, CtxFree> ctx(X509_STORE_CTX_new());
    if (!ctx || X509_STORE_CTX_init(ctx.get(), store.get(), cert.get(), nullptr) != 1) {
        ERR_clear_error();
        return Verdict::REFUSED;
    }
    DateFaults faults;
    X509_STORE_CTX_set_app_data(ctx.get(), &faults);
    X509_STORE_CTX_set_verify_cb(ctx.get(), NoteDateFaults);
    const bool ok = X509_verify_cert(ctx.get()) == 1;
    const int error = X509_STORE_CTX_get_error(ctx.get());
    ERR_clear_error();
    // Passed but for dates: the dates decide.  A chain refused for anything
    // else is refused for that, whatever its dates.
    return ok ? VerdictOf(faults) : VerdictOf(error);
}

bool CertificateVerifier::IsOnePemCertificate(const std::string& file) {
    std::unique_ptr<FILE, FileClose> in(std::fopen(file.c_str(), "rb"));
    if (!in)
        return false;
    ERR_clear_error();
    int blocks = 0;
    bool certificate = false;
    for (;;) {
        char* rawName = nullptr;
        char* rawHeader = nullptr;
        unsigned char* rawData = nullptr;
        long length = 0;
        const int read = PEM_read(in.get(), &rawName, &rawHeader, &rawData, &length);
        std::unique_ptr<char, OpenSslFree> name(rawName), header(rawHeader);
        std::unique_ptr<unsigned char, OpenSslFree> data(rawData);
        if (read != 1)
            break;
        if (++blocks > 1)
            break;
        const unsigned char* p = data.get();
        std::unique_ptr<X509, CertFree> cert(
            name != nullptr && std::strcmp(name.get(), PEM_STRING_X509) == 0 &&
                    (header == nullptr || header.get()[0] == '\0')
                ? d2i_X509(nullptr, &p, length)
                : nullptr);
        certificate = cert != nullptr && p == data.get() + length;
    }
    // The loop ends at the end of the file or at a block that does not
    // decode; only the former leaves no error but "no start line".
    const unsigned long error = ERR_peek_last_error();
    const bool cleanEnd = ERR_GET_LIB(error) == ERR_LIB_PEM && ERR_GET_REASON(error) == PEM_R_NO_START_LINE;
    ERR_clear_error();
    return blocks == 1 && certificate && cleanEnd;
}
