// The questions and notices as the tray shows them, with the program's own
// texts in the desktop's font.
#include <functional>
#include <string>
#include <vector>

#include <wx/dcclient.h>
#include <wx/tokenzr.h>

#include "CustomStaticText.h"
#include "LayoutWalker.h"
#include "ModalDialogAnswerer.h"
#include "NoticeParts.h"
#include "NoticeTestSupport.h"
#include "PictureTextFit.h"
#include "PopupConfirmDialog.h"
#include "TrayUserNotices.h"

namespace {

const char* const kContentLines[] = {"ID_STATICTEXT_CONTENT_LINE1", "ID_STATICTEXT_CONTENT_LINE2",
                                     "ID_STATICTEXT_CONTENT_LINE3"};

std::vector<wxString> Words(const wxString& text) {
    const wxArrayString words = wxStringTokenize(text, " \n", wxTOKEN_STRTOK);
    return std::vector<wxString>(words.begin(), words.end());
}

// What a notice showed while it was open.
struct Seen {
    wxSize size;
    std::vector<wxString> written;  // its lines as the program gives them
    std::vector<wxString> lines;    // its lines as shown, top to bottom
    bool writtenFit = true;         // each written line fits the notice
    std::vector<std::string> lineTooWide, layout;
};

Seen Read(wxWindow* notice, const TrayUserNotices::Lines& given) {
    Seen seen;
    seen.size = notice->GetSize();
    seen.written = {given.line1, given.line2, given.line3};
    seen.layout = LayoutWalker::Check(notice);
    for (const char* name : kContentLines) {
        auto* label = dynamic_cast<CustomStaticText*>(wxWindow::FindWindowByName(name, notice));
        if (label == nullptr) {
            seen.lineTooWide.push_back(std::string(name) + " missing");
            continue;
        }
        wxClientDC dc(label);
        dc.SetFont(label->GetFont());
        const int room = seen.size.GetWidth() - PictureTextFit::kFrameMargin - label->GetPosition().x;
        seen.writtenFit &= dc.GetTextExtent(label->GetLabelText()).GetWidth() <= room;
        const wxString shown = wxControl::RemoveMnemonics(label->wxControl::GetLabel());
        for (const wxString& line : wxSplit(shown, '\n', '\0')) {
            if (line.empty())
                continue;
            seen.lines.push_back(line);
            if (dc.GetTextExtent(line).GetWidth() > room)
                seen.lineTooWide.push_back(std::string(line.utf8_str()));
        }
    }
    return seen;
}

}  // namespace

class NoticeTextTest : public NoticeTest {
protected:
    // The notice the tray shows for `notify`, read while it shows, then
    // closed.
    static Seen Notify(void (TrayUserNotices::*notify)(), const TrayUserNotices::Lines& lines) {
        TrayUserNotices tray;
        (tray.*notify)();
        RunEventLoopFor(200);
        for (wxWindow* w : wxTopLevelWindows) {
            if (dynamic_cast<PopupConfirmDialog*>(w) != nullptr && w->IsShown()) {
                const Seen seen = Read(w, lines);
                w->Destroy();
                RunEventLoopFor(50);
                return seen;
            }
        }
        ADD_FAILURE() << "no notice shown";
        return Seen{};
    }

    // The question the tray asks for `ask`, read while it shows, answered No.
    static Seen Ask(bool (TrayUserNotices::*ask)(), const TrayUserNotices::Lines& lines) {
        TrayUserNotices tray;
        Seen seen;
        ModalDialogAnswerer::Get().ExpectAny([&](wxDialog* question) {
            question->CallAfter([&, question] {
                RunEventLoopFor(200);
                seen = Read(question, lines);
                Click(question, "ID_BTN_CANCEL");
            });
            return wxID_NONE;
        });
        EXPECT_FALSE((tray.*ask)());
        return seen;
    }
};

// A line too wide for the notice flows the text anew as one paragraph: no
// word is left alone between longer lines, and the notice keeps its
// picture's size; a text whose lines fit shows them as written.
TEST_F(NoticeTextTest, NoticesShowTheirWordsInOrderWithinTheirPictureAndNoLoneWord) {
    const struct {
        const char* what;
        Seen seen;
    } cases[] = {
        {"adapter switched",
         Notify(&TrayUserNotices::ShowAdapterSwitchedBalloon, TrayUserNotices::AdapterSwitchedNotice())},
        {"switched to wired",
         Notify(&TrayUserNotices::ShowSwitchedToWiredBalloon, TrayUserNotices::SwitchedToWiredNotice())},
        {"switch to wireless?", Ask(&TrayUserNotices::AskSwitchToWireless, TrayUserNotices::SwitchToWirelessQuestion())},
        {"switch to wired?", Ask(&TrayUserNotices::AskSwitchToWired, TrayUserNotices::SwitchToWiredQuestion())},
    };
    for (const auto& [what, seen] : cases) {
        const wxSize picture = NoticeParts::LoadBackground().GetSize();
        EXPECT_EQ(seen.size, picture) << what << ": " << seen.size.x << "x" << seen.size.y << ", its picture "
                                      << picture.x << "x" << picture.y;
        EXPECT_TRUE(seen.lineTooWide.empty()) << what << ": " << seen.lineTooWide.front();
        EXPECT_TRUE(seen.layout.empty()) << what << ": " << seen.layout.front();
        std::vector<wxString> written, shown;
        for (const wxString& line : seen.written)
            for (const wxString& w : Words(line))
                written.push_back(w);
        for (const wxString& line : seen.lines)
            for (const wxString& w : Words(line))
                shown.push_back(w);
        EXPECT_EQ(shown, written) << what;
        for (size_t i = 1; i + 1 < seen.lines.size(); ++i) {
            EXPECT_FALSE(Words(seen.lines[i]).size() == 1 && Words(seen.lines[i - 1]).size() > 1 &&
                         Words(seen.lines[i + 1]).size() > 1)
                << what << ": \"" << seen.lines[i] << "\" stands alone";
        }
        if (seen.writtenFit) {
            EXPECT_EQ(seen.lines, seen.written) << what << ": lines that fit are shown as written";
        }
    }
}
