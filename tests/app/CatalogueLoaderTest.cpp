#include <wx/intl.h>

#include "CatalogueLoader.h"
#include "GuiTestSupport.h"
#include "TestTree.h"

TEST(CatalogueLoader, ASecondCatalogueTranslatesTheProgramsTexts) {
    TestTree tree;
    TestTree::WriteFile(tree / "langToFile", "de_DE de\n");
    TestTree::WriteFile(tree / "de.mo", TestTree::ReadFile(TIDEWAVE_TEST_CATALOGUE));
    EXPECT_EQ(_("Wired LAN"), "Wired LAN");
    ASSERT_TRUE(CatalogueLoader::Load(tree.Path(), "de_DE"));
    EXPECT_EQ(_("Wired LAN"), "Kabelnetz");
    EXPECT_EQ(_("Successfully Connected!"), "Erfolgreich verbunden!");
    EXPECT_EQ(_("Wireless LAN"), "Wireless LAN") << "texts the catalogue lacks stay as written";
    // Loading the same catalogue again changes nothing.
    EXPECT_TRUE(CatalogueLoader::Load(tree.Path(), "de_DE"));
    EXPECT_EQ(_("Wired LAN"), "Kabelnetz");
}
