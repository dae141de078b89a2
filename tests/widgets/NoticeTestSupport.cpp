#include "NoticeTestSupport.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <wx/button.h>
#include <wx/frame.h>
#include <wx/stattext.h>

#include "ProgramFolder.h"

const wxColour NoticeTest::kBackdrop(0, 160, 0);

void NoticeTest::SetUp() {
    // TIDEWAVE_PICTURE_DIR is ".../pic"; the program folder is its parent.
    wxString pictures(TIDEWAVE_PICTURE_DIR);
    ProgramFolder::Set(std::string(pictures.BeforeLast('/').utf8_str()));
    m_backdrop = new wxFrame(nullptr, wxID_ANY, "backdrop", wxPoint(0, 0), wxGetDisplaySize(),
                             wxBORDER_NONE);
    m_backdrop->SetBackgroundColour(kBackdrop);
    m_backdrop->Show();
    RunEventLoopFor(100);
}

void NoticeTest::TearDown() {
    m_backdrop = nullptr;  // destroyed with the other top-level windows
    GuiTest::TearDown();
}

wxColour NoticeTest::ScreenPixel(int x, int y) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        ADD_FAILURE() << "no X display";
        return wxColour();
    }
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    wxColour colour;
    if (image != nullptr) {
        const unsigned long pixel = XGetPixel(image, 0, 0);
        colour.Set((pixel >> 16) & 0xff, (pixel >> 8) & 0xff, pixel & 0xff);
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return colour;
}

wxWindow* NoticeTest::Child(wxWindow* window, const wxString& name) {
    wxWindow* child = wxWindow::FindWindowByName(name, window);
    EXPECT_NE(child, nullptr) << name.utf8_str();
    return child;
}

wxString NoticeTest::TextOf(wxWindow* window, const wxString& name) {
    auto* text = dynamic_cast<wxStaticText*>(Child(window, name));
    return text != nullptr ? text->GetLabelText() : wxString("<none>");
}

void NoticeTest::Click(wxWindow* window, const wxString& name) {
    wxWindow* button = Child(window, name);
    if (button == nullptr)
        return;
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
}
