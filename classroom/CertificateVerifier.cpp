#include "CertificateVerifier.h"

#include <cstdio>
#include <memory>

#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509_vfy.h>

namespace {

struct StoreFree { void operator()(X509_STORE* s) const { X509_STORE_free(s); } };
struct CtxFree { void operator()(X509_STORE_CTX* c) const { X509_STORE_CTX_free(c); } };
struct CertFree { void operator()(X509* c) const { X509_free(c); } };
struct FileClose { void operator()(FILE* f) const { std::fclose(f); } };

}  // namespace

bool CertificateVerifier::Verify(const std::string& caFile, const std::string& certFile) {
    std::unique_ptr<X509_STORE, StoreFree> store(X509_STORE_new());
    if (!store || X509_STORE_load_file(store.get(), caFile.c_str()) != 1) {
        ERR_clear_error();
        return false;
    }
    std::unique_ptr<FILE, FileClose> file(std::fopen(certFile.c_str(), "r"));
    if (!file)
        return false;
    std::unique_ptr<X509, CertFree> cert(PEM_read_X509(file.get(), nullptr, nullptr, nullptr));
    if (!cert) {
        ERR_clear_error();
        return false;
    }
    std::unique_ptr<X509_STORE_CTX, CtxFree> ctx(X509_STORE_CTX_new());
    if (!ctx || X509_STORE_CTX_init(ctx.get(), store.get(), cert.get(), nullptr) != 1) {
        ERR_clear_error();
        return false;
    }
    const bool ok = X509_verify_cert(ctx.get()) == 1;
    ERR_clear_error();
    return ok;
}
