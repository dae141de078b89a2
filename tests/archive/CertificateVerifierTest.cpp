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

TEST(CertificateVerifierTest, AVerdictOfDatesNamesTheCertificateOutOfDate) {
    TestTree tree;
    TestCertificates certs(tree.Path());
    using V = CertificateVerifier::Verdict;
    struct Case {
        const char* what;
        const std::string& ca;
        const std::string& certificate;
        V verdict;
    };
    const Case cases[] = {
        {"all in date", certs.caFile, certs.serverCert, V::TRUSTED},
        {"server expired", certs.caFile, certs.expiredCert, V::EXPIRED},
        {"server not valid yet", certs.caFile, certs.futureCert, V::NOT_YET_VALID},
        {"CA expired", certs.expiredCaFile, certs.serverCert, V::CA_EXPIRED},
        {"CA not valid yet", certs.futureCaFile, certs.serverCert, V::CA_NOT_YET_VALID},
        {"both expired", certs.expiredCaFile, certs.expiredCert, V::ALL_OUT_OF_DATE},
        {"CA expired, server not valid yet", certs.expiredCaFile, certs.futureCert, V::ALL_OUT_OF_DATE},
        {"both not valid yet", certs.futureCaFile, certs.futureCert, V::ALL_OUT_OF_DATE},
        // Not signed by it: its dates do not matter.
        {"another CA's, against a CA expired", certs.expiredCaFile, certs.foreignCert, V::NOT_SIGNED},
        {"another CA's", certs.caFile, certs.foreignCert, V::NOT_SIGNED},
    };
    for (const Case& c : cases)
        EXPECT_EQ(static_cast<int>(CertificateVerifier::Check(c.ca, c.certificate)), static_cast<int>(c.verdict))
            << c.what;
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

TEST(CertificateVerifierTest, WhatMayBecomeTheCA) {
    TestTree tree;
    TestCertificates certs(tree.Path());
    const std::string ca = TestTree::ReadFile(certs.caFile);
    const std::string key = TestTree::ReadFile(certs.serverKey);
    const size_t body = ca.find('\n') + 1;
    struct Case {
        const char* what;
        std::string content;
        bool kept;
    };
    const Case cases[] = {
        {"one certificate", ca, true},
        {"with text around it", "CA of room 12\n" + ca + "\n", true},
        {"arbitrary bytes", std::string("\x7f" "ELF\x02\x01\x01\0\0\0", 10) + std::string(300, 'x'), false},
        {"empty", "", false},
        {"two certificates", ca + TestTree::ReadFile(certs.serverCert), false},
        {"a certificate and a key", ca + key, false},
        {"a key", key, false},
        {"a broken block after it", ca + "-----BEGIN CERTIFICATE-----\nnot base64\n", false},
        {"a truncated body", ca.substr(0, body + 40) + "\n-----END CERTIFICATE-----\n", false},
        {"the garbage file", TestTree::ReadFile(certs.garbageFile), false},
    };
    for (const Case& c : cases) {
        TestTree::WriteFile(tree / "payload", c.content);
        EXPECT_EQ(CertificateVerifier::IsOnePemCertificate(tree / "payload"), c.kept) << c.what;
    }
    EXPECT_FALSE(CertificateVerifier::IsOnePemCertificate(tree / "missing"));
}

}  // namespace
