#include <cstdlib>

#include <gtest/gtest.h>

#include "CertificateVerifier.h"
#include "TestCertificates.h"
#include "TestTree.h"

namespace {

TEST(CertificateVerifierTest, TrustsOnlyTheGivenCA) {
    TestTree tree;
    TestCertificates certs(tree.Path());
    EXPECT_TRUE(CertificateVerifier::Verify(certs.caFile, certs.serverCert));
    EXPECT_FALSE(CertificateVerifier::Verify(certs.caFile, certs.foreignCert));
    EXPECT_TRUE(CertificateVerifier::Verify(certs.otherCaFile, certs.foreignCert));
    EXPECT_FALSE(CertificateVerifier::Verify(certs.caFile, certs.expiredCert));
}

TEST(CertificateVerifierTest, DefaultPathsAreNotTrusted) {
    // The other CA put where OpenSSL's defaults would look: still refused.
    TestTree tree;
    TestCertificates certs(tree.Path());
    setenv("SSL_CERT_FILE", certs.otherCaFile.c_str(), 1);
    setenv("SSL_CERT_DIR", tree.Path().c_str(), 1);
    EXPECT_FALSE(CertificateVerifier::Verify(certs.caFile, certs.foreignCert));
    unsetenv("SSL_CERT_FILE");
    unsetenv("SSL_CERT_DIR");
}

TEST(CertificateVerifierTest, MissingOrBrokenFilesDoNotVerify) {
    TestTree tree;
    TestCertificates certs(tree.Path());
    EXPECT_FALSE(CertificateVerifier::Verify(tree / "none.pem", certs.serverCert));
    EXPECT_FALSE(CertificateVerifier::Verify(certs.caFile, tree / "none.pem"));
    EXPECT_FALSE(CertificateVerifier::Verify(certs.caFile, certs.garbageFile));
    EXPECT_FALSE(CertificateVerifier::Verify(certs.garbageFile, certs.serverCert));
    TestTree::WriteFile(tree / "empty.pem", "");
    EXPECT_FALSE(CertificateVerifier::Verify(tree / "empty.pem", certs.serverCert));
    // A CA file given as the server certificate verifies against itself only.
    EXPECT_TRUE(CertificateVerifier::Verify(certs.caFile, certs.caFile));
}

}  // namespace
