#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include "LayoutWalker.h"
#include "LongValues.h"
#include "ManagerTestSupport.h"
#include "ProfileManagerDlg.h"
#include "wxCheckedListCtrl.h"

namespace {

// The manager's rows when the text comes to measure otherwise: the widths
// of characters that the list keeps to spare a measure for each row must
// not outlive the font or the text scaling they were measured in.
class ManagerMeasureTest : public ProfileDialogsTest {
protected:
    void SetUp() override {
        ProfileDialogsTest::SetUp();
        g_object_get(gtk_settings_get_default(), "gtk-xft-dpi", &m_dpi, nullptr);
        // Every length of the widest letter: whether a name fits turns at
        // another length in each measure.
        for (size_t length = 1; length <= 32; ++length) {
            m_names.push_back(std::string(LongValues::kProfileName).substr(0, length));
            Place(hub.store->UserDir(), Profile(m_names.back(), "user", std::to_string(length)));
        }
    }
    void TearDown() override {
        g_object_set(gtk_settings_get_default(), "gtk-xft-dpi", m_dpi, nullptr);
        ProfileDialogsTest::TearDown();
    }
    wxCheckedListCtrl* List() { return Named<wxCheckedListCtrl>(Manager(), "ID_PROFILELISTCTRL"); }

    // The rows that do not show what a measure of their whole name gives
    // now, and what the layout check finds in the list.
    std::vector<std::string> Misfits() {
        std::vector<std::string> misfits = LayoutWalker::Check(List());
        for (int row = 0; row < List()->GetItemCount(); ++row) {
            const wxString whole = wxString::FromUTF8(m_names[static_cast<size_t>(row)]);
            const wxString shown = List()->GetItemText(row, 2);
            if (shown != MeasuredNameCell(List(), whole))
                misfits.push_back("row " + std::to_string(row) + " shows \"" + shown.utf8_string() + "\"");
        }
        return misfits;
    }

    int m_dpi = 0;
    std::vector<std::string> m_names;
};

}  // namespace

TEST_F(ManagerMeasureTest, RowsAreCutAgainAfterTheTextScalingOrTheFontChanged) {
    const int dpi = m_dpi > 0 ? m_dpi : 96 * 1024;
    const wxFont font = List()->GetFont();
    struct Case {
        const char* what;
        std::function<void()> change, undo;
        // The desktop's setting reaches the shown rows too; a font set on the
        // list through the toolkit only the rows filled after it.
        bool shownRowsFollow;
    };
    const std::vector<Case> cases = {
        {"the desktop's text scaling doubled",
         [dpi] { g_object_set(gtk_settings_get_default(), "gtk-xft-dpi", 2 * dpi, nullptr); },
         [dpi] { g_object_set(gtk_settings_get_default(), "gtk-xft-dpi", dpi, nullptr); }, true},
        {"a font half as large again", [&] { List()->SetFont(font.Scaled(1.5f)); }, [&] { List()->SetFont(font); },
         false},
    };
    for (const Case& c : cases) {
        Manager()->ShowManager();
        ASSERT_TRUE(RunEventLoopUntil([&] { return Misfits().empty(); }))
            << c.what << ": " << testing::PrintToString(Misfits());
        c.change();
        RunEventLoopFor(200);
        if (c.shownRowsFollow) {
            EXPECT_TRUE(RunEventLoopUntil([&] { return Misfits().empty(); }, 2000))
                << c.what << ", the rows shown: " << testing::PrintToString(Misfits());
        }
        // Cancel empties the list; the manager opened again fills it anew.
        Click(Named<wxWindow>(Manager(), "ID_CANCLEBUTTON"));
        Manager()->ShowManager();
        RunEventLoopFor(200);
        EXPECT_EQ(Misfits(), std::vector<std::string>()) << c.what << ", the rows filled after";
        c.undo();
        RunEventLoopFor(200);
    }
}
