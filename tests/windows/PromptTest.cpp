#include <wx/combobox.h>
#include <wx/textctrl.h>

#include "KeyDialog.h"
#include "ModalDialogAnswerer.h"
#include "SsidInputDialog.h"
#include "WindowTestSupport.h"

namespace {

wxTextCtrl* Field(wxDialog* dialog) {
    for (wxWindow* child : dialog->GetChildren()) {
        if (auto* text = dynamic_cast<wxTextCtrl*>(child))
            return text;
    }
    return nullptr;
}

wxComboBox* IndexBox(wxDialog* dialog) {
    for (wxWindow* child : dialog->GetChildren()) {
        if (auto* box = dynamic_cast<wxComboBox*>(child))
            return box;
    }
    return nullptr;
}

// Types `count` characters one by one, as the keyboard does.
void TypeChars(wxTextCtrl* field, wxUniChar c, int count) {
    field->SetFocus();
    for (int i = 0; i < count; ++i)
        field->WriteText(wxString(c));
}

// Types `text` and presses OK; the dialog stays open after a refusal.
void TypeAndOk(wxDialog* dialog, const wxString& text) {
    Field(dialog)->ChangeValue(text);
    ClickButton(dialog, wxID_OK);
}

class PromptTest : public GuiTest {};

}  // namespace

TEST_F(PromptTest, KeyPromptRefusesAnEmptyKeyAndTakesAFullLengthPassphrase) {
    const wxString passphrase(wxUniChar('p'), 63);
    KeyDialog dialog(nullptr, false);
    bool stayedOpen = false;
    RunWhenShown([&](wxDialog* d) {
        ModalDialogAnswerer::Get().Expect("Please input a key!", wxID_OK);
        TypeAndOk(d, "");
        stayedOpen = d->IsModal();
        TypeAndOk(d, passphrase);
    });
    EXPECT_EQ(dialog.ShowModal(), wxID_OK);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(dialog.GetKey(), passphrase);
    EXPECT_EQ(dialog.GetKeyIndex(), 1);
}

TEST_F(PromptTest, KeyFieldTakesSixtyFourCharactersAndBlanksCount) {
    KeyDialog dialog(nullptr, false);
    wxTextCtrl* field = Field(&dialog);
    TypeChars(field, 'f', 70);
    EXPECT_EQ(field->GetValue().length(), 64u);
    RunWhenShown([](wxDialog* d) { TypeAndOk(d, "   "); });
    EXPECT_EQ(dialog.ShowModal(), wxID_OK);
    EXPECT_EQ(dialog.GetKey(), "   ");
}

TEST_F(PromptTest, KeyIndexOnlyForWep) {
    for (bool wep : {true, false}) {
        KeyDialog dialog(nullptr, wep);
        wxComboBox* box = IndexBox(&dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->IsEnabled(), wep);
        EXPECT_EQ(box->GetValue(), "1");
        ASSERT_EQ(box->GetCount(), 4u);
        EXPECT_EQ(box->GetString(3), "4");
        if (wep) {
            box->SetSelection(2);
            EXPECT_EQ(dialog.GetKeyIndex(), 3);
        }
    }
}

TEST_F(PromptTest, CancelAndCloseGiveCancelAndNothing) {
    for (bool close : {false, true}) {
        KeyDialog keys(nullptr, true);
        RunWhenShown([close](wxDialog* d) {
            Field(d)->ChangeValue("typed key");
            close ? (void)d->Close() : ClickButton(d, wxID_CANCEL);
        });
        EXPECT_EQ(keys.ShowModal(), wxID_CANCEL);
        EXPECT_EQ(keys.GetKey(), "");

        SsidInputDialog ssid(nullptr);
        RunWhenShown([close](wxDialog* d) {
            ModalDialogAnswerer::Get().Expect("SSID cannot contain", wxID_OK);
            TypeAndOk(d, "Lab|Hidden");  // refused first
            close ? (void)d->Close() : ClickButton(d, wxID_CANCEL);
        });
        EXPECT_EQ(ssid.ShowModal(), wxID_CANCEL);
        EXPECT_EQ(ssid.GetSSID(), "");
    }
}

TEST_F(PromptTest, SsidPromptRefusesEmptyForbiddenAndOverlongNames) {
    const wxString eleven = wxString::FromUTF8("\xe6\xb0\xb4\xe6\xb0\xb4\xe6\xb0\xb4\xe6\xb0\xb4\xe6\xb0\xb4\xe6\xb0"
                                               "\xb4\xe6\xb0\xb4\xe6\xb0\xb4\xe6\xb0\xb4\xe6\xb0\xb4\xe6\xb0\xb4");
    const struct { wxString name; const char* message; } refused[] = {
        {"", "SSID cannot be empty!"},
        {"Lab/Hidden", "SSID cannot contain any of the following characters\n \\ / : * % ? \" ' < > |"},
        {"a\"b", "SSID cannot contain"},
        {eleven, "Invalid SSID!"},  // 11 characters, 33 bytes
    };
    for (const auto& r : refused) {
        SsidInputDialog dialog(nullptr);
        wxWindow* focusAfter = nullptr;
        RunWhenShown([&](wxDialog* d) {
            ModalDialogAnswerer::Get().Expect(r.message, wxID_OK);
            TypeAndOk(d, r.name);
            focusAfter = wxWindow::FindFocus();
            EXPECT_TRUE(d->IsModal()) << r.message;
            TypeAndOk(d, "Lab-Hidden");
        });
        EXPECT_EQ(dialog.ShowModal(), wxID_OK);
        EXPECT_EQ(dialog.GetSSID(), "Lab-Hidden");
        EXPECT_EQ(focusAfter, Field(&dialog)) << r.message;
    }
}

TEST_F(PromptTest, SsidPromptTakesNamesAsTypedPercentAndBlanksIncluded) {
    for (const wxString& name : {wxString("  "), wxString(" 100% Lab "), wxString(wxUniChar('S'), 32),
                                 wxString::FromUTF8("Caf\xc3\xa9-Wi-Fi")}) {
        SsidInputDialog dialog(nullptr);
        RunWhenShown([&](wxDialog* d) { TypeAndOk(d, name); });
        EXPECT_EQ(dialog.ShowModal(), wxID_OK);
        EXPECT_EQ(dialog.GetSSID(), name);
    }
    SsidInputDialog dialog(nullptr);
    TypeChars(Field(&dialog), 'S', 40);
    EXPECT_EQ(Field(&dialog)->GetValue().length(), 32u);
}
