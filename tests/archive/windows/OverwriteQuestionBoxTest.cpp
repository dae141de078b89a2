#include <wx/defs.h>
#include <wx/dialog.h>

#include "ImportFixture.h"
#include "ModalDialogAnswerer.h"
#include "OverwriteQuestionBox.h"
#include "SchoolSettingImporter.h"

namespace {

class OverwriteQuestionTest : public ImportFixture {
protected:
    void TearDown() override {
        ModalDialogAnswerer::Get().Reset();  // an expected question never shown fails the test
        ImportFixture::TearDown();
    }
    wxString Archive(const std::string& name) {
        return wxString::FromUTF8(
            MakeArchive(name, {{"sslservercert.pem", ServerCert()}, {"Home.profile", name}}).c_str());
    }
};

}  // namespace

TEST_F(OverwriteQuestionTest, NoKeepsTheProfileAndYesReplacesIt) {
    TestTree::WriteFile(SettingsFile("Home.profile"), "old");
    SchoolSettingImporter importer;
    importer.SetFileWriter(Writer());
    importer.SetOverwriteQuestion(&OverwriteQuestionBox::Ask);

    ModalDialogAnswerer::Get().Expect("Home.profile already exists.", wxID_NO);
    EXPECT_TRUE(importer.Import(Archive("first.tar"), nullptr));
    EXPECT_EQ(TestTree::ReadFile(SettingsFile("Home.profile")), "old");

    ModalDialogAnswerer::Get().ExpectAny([](wxDialog* box) {
        EXPECT_EQ(box->GetTitle(), "Confirm");
        EXPECT_TRUE(ModalDialogAnswerer::Describe(box).Contains("Are you sure you want to overwrite it?"));
        return wxID_YES;
    });
    EXPECT_TRUE(importer.Import(Archive("second.tar"), nullptr));
    EXPECT_EQ(TestTree::ReadFile(SettingsFile("Home.profile")), "second.tar");
    EXPECT_EQ(ModalDialogAnswerer::Get().Seen().size(), 2u);
}
