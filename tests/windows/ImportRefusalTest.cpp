#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <wx/filedlg.h>
#include <wx/menu.h>

#include "GuiTestSupport.h"
#include "HubWindowTest.h"
#include "ModalDialogAnswerer.h"
#include "NetworkManagerDlg.h"
#include "SettingsArchives.h"
#include "SystemPaths.h"
#include "TestCertificates.h"
#include "TestTree.h"

namespace {

class ImportRefusalTest : public HubWindowTest {
protected:
    void SetUp() override {
        HubWindowTest::SetUp();
        archives = std::make_unique<SettingsArchives>();  // its program folder over the fixture's
        tree = &archives->tree;
        certs = &archives->certs;
        program = archives->tree / "program";
    }

    std::string Archive(const std::string& name, const TestArchive::Files& files) {
        return archives->Make(name, files).utf8_string();
    }
    std::string WithCertificate(const std::string& name, const std::string& certificate) {
        return Archive(name, {{"sslservercert.pem", TestTree::ReadFile(certificate)}, {"Home.profile", "x"}});
    }
    // As WithCertificate, checked against this CA certificate of the laptop.
    std::string AgainstCa(const std::string& ca, const std::string& name, const std::string& certificate) {
        TestTree::WriteFile(program + "/cacert.pem", TestTree::ReadFile(ca));
        return WithCertificate(name, certificate);
    }

    // File > Import School Settings on the main window, the file chosen in
    // its file dialog; the message box that follows is read and answered.
    std::string ImportThroughTheMenu(const std::string& path) {
        ModalDialogAnswerer::Get().ExpectAny([&](wxDialog* d) {
            auto* files = dynamic_cast<wxFileDialog*>(d);
            EXPECT_NE(files, nullptr);
            if (files == nullptr)
                return wxID_CANCEL;
            // The chooser takes the file once it has read the file's folder.
            const wxString chosen = wxString::FromUTF8(path.c_str());
            files->SetPath(chosen);
            EXPECT_TRUE(RunEventLoopUntil([&] { return files->GetPath() == chosen; })) << path;
            return wxID_OK;
        });
        wxString said;
        ModalDialogAnswerer::Get().ExpectAny([&](wxDialog* box) {
            said = ModalDialogAnswerer::Describe(box);
            return wxID_OK;
        });
        const int id = Main()->GetMenus()->FindMenuItem("File", "Import School Settings ...");
        wxCommandEvent e(wxEVT_MENU, id);
        Main()->GetEventHandler()->ProcessEvent(e);
        return said.utf8_string();
    }

    std::unique_ptr<SettingsArchives> archives;
    TestTree* tree = nullptr;
    TestCertificates* certs = nullptr;
    std::string program;
};

TEST_F(ImportRefusalTest, AFailedImportSaysWhy) {
    struct Case {
        const char* what;
        std::function<std::string()> archive;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"random bytes",
         [&] {
             TestTree::WriteFile(*tree / "random.tar", std::string("\x8f\x01\xfe\x22 not an archive", 20));
             return *tree / "random.tar";
         },
         "The file is not a school settings archive."},
        {"cut short",
         [&] {
             const std::string whole = TestTree::ReadFile(WithCertificate("whole.tar", certs->serverCert));
             TestTree::WriteFile(*tree / "short.tar", whole.substr(0, whole.size() - 10));
             return *tree / "short.tar";
         },
         "The school settings archive is damaged."},
        {"cut short inside its header",
         [&] {
             const std::string whole = TestTree::ReadFile(WithCertificate("whole.tar", certs->serverCert));
             TestTree::WriteFile(*tree / "header.tar", whole.substr(0, 1000));
             return *tree / "header.tar";
         },
         "The school settings archive is damaged."},
        {"no certificate", [&] { return Archive("nocert.tar", {{"Home.profile", "x"}}); },
         "The archive holds no server certificate."},
        {"garbage certificate", [&] { return WithCertificate("garbage.tar", certs->garbageFile); },
         "The archive's server certificate cannot be read."},
        {"another CA", [&] { return WithCertificate("foreign.tar", certs->foreignCert); },
         "The archive's server certificate is not signed by this computer's CA."},
        {"expired", [&] { return WithCertificate("expired.tar", certs->expiredCert); },
         "The archive's server certificate has expired."},
        {"not valid yet", [&] { return WithCertificate("future.tar", certs->futureCert); },
         "The archive's server certificate is not valid yet."},
        {"the laptop's CA expired", [&] { return AgainstCa(certs->expiredCaFile, "caold.tar", certs->serverCert); },
         "This computer's CA certificate has expired."},
        {"the laptop's CA not valid yet",
         [&] { return AgainstCa(certs->futureCaFile, "canew.tar", certs->serverCert); },
         "This computer's CA certificate is not valid yet."},
        {"both expired", [&] { return AgainstCa(certs->expiredCaFile, "bothold.tar", certs->expiredCert); },
         "Neither the archive's server certificate nor this computer's CA certificate is valid at today's date."},
        {"no CA file",
         [&] {
             std::remove((program + "/cacert.pem").c_str());
             return WithCertificate("noca.tar", certs->serverCert);
         },
         "This computer has no CA certificate to check the archive's server certificate against."},
    };
    for (const Case& c : cases) {
        const std::string expected = std::string("Message\nFailed to import school settings.\n\n") + c.reason;
        EXPECT_EQ(ImportThroughTheMenu(c.archive()), expected) << c.what;
    }
    EXPECT_FALSE(TestTree::Exists(SystemPaths::AdminDir() + "/Home.profile")) << "nothing was copied";
}

}  // namespace
