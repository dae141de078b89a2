#include <gtest/gtest.h>

#include "CatalogueChooser.h"
#include "TestTree.h"

TEST(CatalogueChooser, FullLanguageBeforeItsLanguagePartAndCommentsIgnored) {
    const wxString map =
        "# language  catalogue\n"
        "\n"
        "de de_general\n"
        "  de_AT   de_austria  \n"
        "fr_FR\tfrench\n";
    EXPECT_EQ(CatalogueChooser::MapLanguage(map, "de_AT"), "de_austria");
    EXPECT_EQ(CatalogueChooser::MapLanguage(map, "de_CH"), "de_general");
    EXPECT_EQ(CatalogueChooser::MapLanguage(map, "fr_FR"), "french");
    EXPECT_EQ(CatalogueChooser::MapLanguage(map, "fr_CA"), "");
    EXPECT_EQ(CatalogueChooser::MapLanguage(map, "it"), "");
    EXPECT_EQ(CatalogueChooser::MapLanguage("", "de_DE"), "");
}

TEST(CatalogueChooser, NamesThatCouldLeaveTheFolderAreNoMapping) {
    const wxString map = "de ../../etc/passwd\nde_DE ..\nde_AT sub/de\nde_CH .\n";
    EXPECT_EQ(CatalogueChooser::MapLanguage(map, "de_DE"), "");
    EXPECT_EQ(CatalogueChooser::MapLanguage(map, "de_AT"), "");
    EXPECT_EQ(CatalogueChooser::MapLanguage(map, "de_CH"), "");
}

TEST(CatalogueChooser, MissingCatalogueFallsBackToEnglishThenToNone) {
    TestTree tree;
    const wxString dir = tree.Path();
    TestTree::WriteFile(tree / "langToFile", "de_DE de\nfr_FR fr\n");
    TestTree::WriteFile(tree / "de.mo", "x");
    EXPECT_EQ(CatalogueChooser::ChooseFile(dir, "de_DE"), dir + "/de.mo");
    EXPECT_EQ(CatalogueChooser::ChooseFile(dir, "fr_FR"), "") << "no fr.mo and no en.mo";
    TestTree::WriteFile(tree / "en.mo", "x");
    EXPECT_EQ(CatalogueChooser::ChooseFile(dir, "fr_FR"), dir + "/en.mo");
    EXPECT_EQ(CatalogueChooser::ChooseFile(dir, "ja_JP"), dir + "/en.mo");
    EXPECT_EQ(CatalogueChooser::ChooseFile(dir + "/missing", "de_DE"), "");
}
