// The name of the profile in use, which the edit dialog shows but does not
// let change: a name too wide for its field shows cut in the middle with
// "…" and whole in the field's tooltip, in every measure of the text, and
// the dialog saves the whole name.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/button.h>
#include <wx/textctrl.h>

#include "DialogTestSupport.h"
#include "EditProfileDialog.h"
#include "FakeEditProfileHub.h"
#include "Graphemes.h"
#include "LongValues.h"
#include "Pointer.h"

namespace {

// A user's longest names: 32 of the widest letter, of a two-byte letter as
// wide, of the kind of name a school gives, and of letters with a combining
// accent, which no cut may part from them.
const char* const kLongNames[] = {LongValues::kProfileName, LongValues::kProfileNameTwoByte,
                                  "Riverside Primary Staff Wing 101",
                                  "W\u0301W\u0301W\u0301W\u0301W\u0301W\u0301W\u0301W\u0301"
                                  "W\u0301W\u0301W\u0301W\u0301W\u0301W\u0301W\u0301W\u0301"};

const char* const kEllipsis = "\u2026";

int Width(wxTextCtrl* field, const std::string& text) {
    PangoLayout* layout = gtk_widget_create_pango_layout(field->GetHandle(), text.c_str());
    PangoRectangle logical{};
    pango_layout_get_extents(layout, nullptr, &logical);
    g_object_unref(layout);
    return PANGO_PIXELS(logical.width);
}

// What is wrong with how `field` shows `whole`, as the field itself lays
// its text out; empty when nothing is.  A name that fits shows whole; one
// that does not shows its start, "…" and its end, cut between characters,
// from its start, fitting the area the field draws text in and leaving
// less of it unused than one character of the name takes.
std::string Misfit(wxTextCtrl* field, const std::string& whole) {
    const std::string shown = field->GetValue().utf8_string();
    GtkEntry* entry = GTK_ENTRY(field->GetHandle());
    GdkRectangle area{};
    gtk_entry_get_text_area(entry, &area);
    int offset = 0;
    g_object_get(entry, "scroll-offset", &offset, nullptr);
    const std::string says = "\"" + shown + "\" in " + std::to_string(area.width) + " px: ";
    const int width = Width(field, shown);
    if (offset != 0)
        return says + "scrolled " + std::to_string(offset) + " px into it";
    if (width > area.width)
        return says + "cut at the edge, needs " + std::to_string(width) + " px";
    if (Width(field, whole) <= area.width)
        return shown == whole ? "" : says + "not whole, though it fits";
    const size_t mark = shown.find(kEllipsis);
    if (mark == std::string::npos)
        return says + "no \"…\"";
    const std::string head = shown.substr(0, mark), tail = shown.substr(mark + std::string(kEllipsis).size());
    const Graphemes characters(whole);
    bool headWhole = head.empty(), tailWhole = tail.empty();
    int widest = 0;
    for (size_t n = 0; n < characters.Count(); ++n) {
        headWhole = headWhole || characters.Slice(0, n + 1) == head;
        tailWhole = tailWhole || characters.Slice(n, characters.Count()) == tail;
        widest = std::max(widest, Width(field, characters.Slice(n, n + 1)));
    }
    if (!headWhole || !tailWhole)
        return says + "not the name's whole first and last characters around \"…\"";
    if (area.width - width >= widest)
        return says + "leaves " + std::to_string(area.width - width) + " px unused";
    return "";
}

class EditProfileNameTest : public GuiTest {
protected:
    void SetUp() override {
        EditProfileHub::Install(&hub);
        gchar* font = nullptr;
        g_object_get(gtk_settings_get_default(), "gtk-xft-dpi", &m_dpi, "gtk-font-name", &font, nullptr);
        m_font = font != nullptr ? font : "";
        g_free(font);
    }
    void TearDown() override {
        g_object_set(gtk_settings_get_default(), "gtk-xft-dpi", m_dpi, "gtk-font-name", m_font.c_str(), nullptr);
        EditProfileHub::Install(nullptr);
        GuiTest::TearDown();
    }

    // A wired profile named `name`, the one in use.
    ProfileList_t InUse(const std::string& name) {
        ProfileList_t p;
        p.name = name;
        p.permission = "admin";
        p.icon = "0";
        p.GenernalSet.ConnecType = "lan";
        hub.currentProfile = wxString::FromUTF8(name);
        hub.managerNames = {hub.currentProfile};
        return p;
    }

    static wxTextCtrl* NameField(wxDialog* dialog) { return Named<wxTextCtrl>(dialog, "ID_NAMETEXTCTRL"); }

    // Waits for the name field of `dialog` to show `whole` as it should.
    static std::string WaitForFit(wxDialog* dialog, const std::string& whole, int ms = 3000) {
        std::string misfit;
        RunEventLoopUntil([&] { return (misfit = Misfit(NameField(dialog), whole)).empty(); }, ms);
        return misfit;
    }

    // The tooltip that shows with the pointer brought onto the name field:
    // until the whole name shows, or what shows after twice the toolkit's
    // hover delay when none should.
    static wxString TipUnderThePointer(wxDialog* dialog, const std::string& whole, bool shows) {
        wxTextCtrl* field = NameField(dialog);
        Pointer::MoveTo(dialog, wxPoint(4, 4));
        Pointer::MoveTo(field, wxPoint(field->GetSize().x / 2, field->GetSize().y / 2));
        return Pointer::WaitForTooltip(wxString::FromUTF8(whole), shows ? 3000 : 1000);
    }

    FakeEditProfileHub hub;
    // The desktop's text scaling and font, put back after the test.
    int m_dpi = 0;
    std::string m_font;
};

}  // namespace

TEST_F(EditProfileNameTest, TheNameInUseShowsCutInTheMiddleWholeInItsTooltipAndIsSavedWhole) {
    struct Case {
        std::string name;
        bool inUse;  // else the name can be changed, and its field holds it whole to be edited
        bool tip;
    };
    std::vector<Case> cases;
    for (const char* name : kLongNames)
        cases.push_back({name, true, true});
    cases.push_back({"Library", true, false});
    cases.push_back({LongValues::kProfileName, false, false});
    for (const Case& c : cases) {
        ProfileList_t profile = InUse(c.name);
        if (!c.inUse)
            hub.currentProfile = "Library";
        EditProfileDialog dialog(nullptr, profile, false);
        bool enabled = !c.inUse;
        std::string misfit;
        wxString tip;
        const int result = RunModal(dialog, [&] {
            enabled = NameField(&dialog)->IsEnabled();
            misfit = c.inUse ? WaitForFit(&dialog, c.name) : NameField(&dialog)->GetValue().utf8_string();
            tip = TipUnderThePointer(&dialog, c.name, c.tip);
            Click(Named<wxButton>(&dialog, "ID_OKBUTTON"));
        });
        EXPECT_EQ(enabled, !c.inUse) << c.name;
        EXPECT_EQ(misfit, c.inUse ? "" : c.name);
        EXPECT_EQ(tip.utf8_string(), c.tip ? c.name : "");
        ASSERT_EQ(result, wxID_OK) << c.name;
        EXPECT_EQ(dialog.GetProfile().name, c.name);
    }
}

TEST_F(EditProfileNameTest, TheCutFollowsTheTextScalingAndTheFontAndEveryOpening) {
    const int dpi = m_dpi > 0 ? m_dpi : 96 * 1024;
    const std::string name = LongValues::kProfileName;
    struct Change {
        const char* what;
        std::function<void(wxTextCtrl*)> make;
    };
    const Change changes[] = {
        {"the desktop's text scaling doubled",
         [dpi](wxTextCtrl*) { g_object_set(gtk_settings_get_default(), "gtk-xft-dpi", 2 * dpi, nullptr); }},
        {"and back", [dpi](wxTextCtrl*) { g_object_set(gtk_settings_get_default(), "gtk-xft-dpi", dpi, nullptr); }},
        {"the desktop's font",
         [](wxTextCtrl*) { g_object_set(gtk_settings_get_default(), "gtk-font-name", "Sans 14", nullptr); }},
        {"a font half as large again", [](wxTextCtrl* field) { field->SetFont(field->GetFont().Scaled(1.5f)); }},
        {"a font of half the size", [](wxTextCtrl* field) { field->SetFont(field->GetFont().Scaled(1.0f / 3)); }},
    };
    EditProfileDialog dialog(nullptr, InUse(name), false);
    RunModal(dialog, [&] {
        ASSERT_EQ(WaitForFit(&dialog, name), "") << "at the start";
        for (const Change& change : changes) {
            wxTextCtrl* field = NameField(&dialog);
            const int before = Width(field, name);
            change.make(field);
            ASSERT_TRUE(RunEventLoopUntil([&] { return Width(field, name) != before; }))
                << change.what << ": the field's text still measures " << before << " px";
            EXPECT_EQ(WaitForFit(&dialog, name), "") << change.what;
            EXPECT_EQ(TipUnderThePointer(&dialog, name, true).utf8_string(), name) << change.what;
        }
    });
    // Opened again on a name that fits, then on another long one.
    for (const std::string& next : {std::string("Library"), std::string(LongValues::kProfileNameTwoByte)}) {
        EditProfileDialog reopened(nullptr, InUse(next), false);
        std::string misfit;
        wxString tip;
        RunModal(reopened, [&] {
            misfit = WaitForFit(&reopened, next);
            tip = TipUnderThePointer(&reopened, next, next != "Library");
        });
        EXPECT_EQ(misfit, "") << next;
        EXPECT_EQ(tip.utf8_string(), next == "Library" ? "" : next);
    }
}
