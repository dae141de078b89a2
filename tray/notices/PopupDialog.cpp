#include "PopupDialog.h"

#include <wx/bmpbuttn.h>
#include <wx/dcclient.h>
#include <wx/region.h>
#include <wx/stattext.h>

#include "CustomStaticText.h"
#include "NoticeParts.h"
#include "NoticePlacement.h"
#include "NoticeStack.h"
#include "wxBitmapDialog.h"

const long PopupDialog::ID_STATICTEXT_TITLE = wxNewId();
const long PopupDialog::ID_STATICTEXT_CONTENT_LINE1 = wxNewId();
const long PopupDialog::ID_STATICTEXT_CONTENT_LINE2 = wxNewId();
const long PopupDialog::ID_STATICTEXT_CONTENT_LINE3 = wxNewId();
const long PopupDialog::ID_BTN_OK = wxNewId();
const long PopupDialog::ID_BTN_CANCEL = wxNewId();
const long PopupDialog::ID_TIMER_CLOSE = wxNewId();
const long PopupDialog::ID_STATICTEXTOK = wxNewId();
const long PopupDialog::ID_STATICTEXTCANCEL = wxNewId();

wxBEGIN_EVENT_TABLE(PopupDialog, wxDialog)
    EVT_PAINT(PopupDialog::OnPaint)
    EVT_WINDOW_CREATE(PopupDialog::OnCreate)
    EVT_BUTTON(PopupDialog::ID_BTN_CANCEL, PopupDialog::OnButton)
    EVT_BUTTON(PopupDialog::ID_BTN_OK, PopupDialog::OnButton)
    EVT_TIMER(PopupDialog::ID_TIMER_CLOSE, PopupDialog::OnTimer)
wxEND_EVENT_TABLE()

PopupDialog::PopupDialog(wxWindow* parent, const wxBitmap& background, wxWindowID id)
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

    m_pBtnOk = NoticeParts::MakeButton(this, ID_BTN_OK, "ID_BTN_OK", wxPoint(40, 104));
    m_pBtnCancel = NoticeParts::MakeButton(this, ID_BTN_CANCEL, "ID_BTN_CANCEL", wxPoint(132, 104));
    m_pLabelOk = NoticeParts::MakeWord(this, ID_STATICTEXTOK, "ID_STATICTEXTOK", _("Yes"), wxPoint(78, 115));
    m_pLabelCancel =
        NoticeParts::MakeWord(this, ID_STATICTEXTCANCEL, "ID_STATICTEXTCANCEL", _("No"), wxPoint(170, 115));

    Connect(wxID_ANY, wxEVT_INIT_DIALOG, wxInitDialogEventHandler(PopupDialog::PlaceWindow));
}

PopupDialog::~PopupDialog() {
    m_timer.Stop();
}

void PopupDialog::SetTitleText(const wxString& text) { m_pTitle->SetLabelText(text); }
void PopupDialog::SetContentLine1(const wxString& text) { m_pLine1->SetLabelText(text); }
void PopupDialog::SetContentLine2(const wxString& text) { m_pLine2->SetLabelText(text); }
void PopupDialog::SetContentLine3(const wxString& text) { m_pLine3->SetLabelText(text); }

int PopupDialog::ShowModal() {
    m_timer.Start(kClosePeriodMs, wxTIMER_ONE_SHOT);
    const int result = wxDialog::ShowModal();
    // A question answered without its loop ever running leaves no timer.
    m_timer.Stop();
    return result;
}

bool PopupDialog::Show(bool show) {
    if (show) {
        m_bmpBackground = m_fit.Fit(this, m_picture);
        SetWindowShape();
    }
    return wxDialog::Show(show);
}

void PopupDialog::EndModal(int retCode) {
    m_timer.Stop();
    wxDialog::EndModal(retCode);
}

void PopupDialog::OnButton(wxCommandEvent& event) {
    if (event.GetId() == ID_BTN_CANCEL)
        EndModal(wxID_CANCEL);
    else if (event.GetId() == ID_BTN_OK)
        EndModal(wxID_OK);
}

void PopupDialog::OnTimer(wxTimerEvent&) {
    if (IsModal())
        EndModal(wxID_CANCEL);
}

void PopupDialog::PlaceWindow(wxInitDialogEvent& event) {
    const NoticePlacement::Point at = NoticePlacement::TopRightNotice(wxGetDisplaySize().GetWidth());
    NoticeStack::Place(this, wxPoint(at.x, at.y));
    event.Skip();
}

void PopupDialog::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (m_bmpBackground.IsOk())
        dc.DrawBitmap(m_bmpBackground, 0, 0, true);
}

void PopupDialog::OnCreate(wxWindowCreateEvent& event) {
    if (event.GetWindow() == this)
        SetWindowShape();
    event.Skip();
}

void PopupDialog::SetWindowShape() {
    if (m_bmpBackground.IsOk())
        SetShape(wxBitmapDialog::ShapeOf(m_bmpBackground));
}
