#include "NoticeDialog.h"

#include <wx/dcclient.h>
#include <wx/region.h>

#include "CustomStaticText.h"
#include "NoticeParts.h"
#include "NoticePlacement.h"
#include "NoticeStack.h"
#include "wxBitmapDialog.h"

const long NoticeDialog::ID_STATICTEXT_TITLE = wxNewId();
const long NoticeDialog::ID_STATICTEXT_CONTENT_LINE1 = wxNewId();
const long NoticeDialog::ID_STATICTEXT_CONTENT_LINE2 = wxNewId();
const long NoticeDialog::ID_STATICTEXT_CONTENT_LINE3 = wxNewId();
const long NoticeDialog::ID_TIMER_CLOSE = wxNewId();

wxBEGIN_EVENT_TABLE(NoticeDialog, wxDialog)
    EVT_PAINT(NoticeDialog::OnPaint)
    EVT_WINDOW_CREATE(NoticeDialog::OnCreate)
    EVT_TIMER(NoticeDialog::ID_TIMER_CLOSE, NoticeDialog::OnTimer)
wxEND_EVENT_TABLE()

NoticeDialog::NoticeDialog(wxWindow* parent, const wxBitmap& background, wxWindowID id)
    : wxDialog(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxBitmapDialog::kStyle,
               wxDialogNameStr),
      m_bmpBackground(background),
      m_picture(background),
      m_timer(this, static_cast<int>(ID_TIMER_CLOSE)) {
    if (m_bmpBackground.IsOk())
        SetSize(m_bmpBackground.GetWidth(), m_bmpBackground.GetHeight());

    m_pTitle = NoticeParts::MakeLine(this, ID_STATICTEXT_TITLE, "ID_STATICTEXT_TITLE", 16);
    m_pTitle->SetFont(NoticeParts::HeadlineFont());
    m_pLine1 = NoticeParts::MakeLine(this, ID_STATICTEXT_CONTENT_LINE1, "ID_STATICTEXT_CONTENT_LINE1", 40);
    m_pLine2 = NoticeParts::MakeLine(this, ID_STATICTEXT_CONTENT_LINE2, "ID_STATICTEXT_CONTENT_LINE2", 60);
    m_pLine3 = NoticeParts::MakeLine(this, ID_STATICTEXT_CONTENT_LINE3, "ID_STATICTEXT_CONTENT_LINE3", 80);
    // The three lines are one text: a line too wide flows it anew.
    m_fit.SetParagraph({m_pLine1, m_pLine2, m_pLine3});

    Connect(wxID_ANY, wxEVT_INIT_DIALOG, wxInitDialogEventHandler(NoticeDialog::PlaceWindow));
}

NoticeDialog::~NoticeDialog() {
    m_timer.Stop();
}

void NoticeDialog::SetTitleText(const wxString& text) { m_pTitle->SetLabelText(text); }
void NoticeDialog::SetContentLine1(const wxString& text) { m_pLine1->SetLabelText(text); }
void NoticeDialog::SetContentLine2(const wxString& text) { m_pLine2->SetLabelText(text); }
void NoticeDialog::SetContentLine3(const wxString& text) { m_pLine3->SetLabelText(text); }

bool NoticeDialog::Show(bool show) {
    if (show) {
        m_bmpBackground = m_fit.Fit(this, m_picture);
        SetWindowShape();
    }
    return wxDialog::Show(show);
}

void NoticeDialog::EndModal(int retCode) {
    m_timer.Stop();
    wxDialog::EndModal(retCode);
}

void NoticeDialog::OnTimer(wxTimerEvent&) {
    if (IsModal())
        EndModal(wxID_CANCEL);
    else
        TimedOutModeless();
}

void NoticeDialog::PlaceWindow(wxInitDialogEvent& event) {
    Showing();
    const NoticePlacement::Point at = NoticePlacement::TopRightNotice(wxGetDisplaySize().GetWidth());
    NoticeStack::Place(this, wxPoint(at.x, at.y));
    event.Skip();
}

void NoticeDialog::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (m_bmpBackground.IsOk())
        dc.DrawBitmap(m_bmpBackground, 0, 0, true);
}

void NoticeDialog::OnCreate(wxWindowCreateEvent& event) {
    if (event.GetWindow() == this)
        SetWindowShape();
    event.Skip();
}

void NoticeDialog::SetWindowShape() {
    if (m_bmpBackground.IsOk())
        SetShape(wxBitmapDialog::ShapeOf(m_bmpBackground));
}
