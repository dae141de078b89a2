#include "PopupConfirmDialog.h"

#include <wx/bmpbuttn.h>
#include <wx/dcclient.h>
#include <wx/region.h>
#include <wx/stattext.h>

#include "CustomStaticText.h"
#include "NoticeParts.h"
#include "NoticePlacement.h"
#include "NoticeStack.h"
#include "wxBitmapDialog.h"

const long PopupConfirmDialog::ID_STATICTEXT_TITLE = wxNewId();
const long PopupConfirmDialog::ID_STATICTEXT_CONTENT_LINE1 = wxNewId();
const long PopupConfirmDialog::ID_STATICTEXT_CONTENT_LINE2 = wxNewId();
const long PopupConfirmDialog::ID_STATICTEXT_CONTENT_LINE3 = wxNewId();
const long PopupConfirmDialog::ID_BTN_OK = wxNewId();
const long PopupConfirmDialog::ID_TIMER_CLOSE = wxNewId();
const long PopupConfirmDialog::ID_STATICTEXTOK = wxNewId();

wxBEGIN_EVENT_TABLE(PopupConfirmDialog, wxDialog)
    EVT_PAINT(PopupConfirmDialog::OnPaint)
    EVT_WINDOW_CREATE(PopupConfirmDialog::OnCreate)
    EVT_BUTTON(PopupConfirmDialog::ID_BTN_OK, PopupConfirmDialog::OnButton)
    EVT_TIMER(PopupConfirmDialog::ID_TIMER_CLOSE, PopupConfirmDialog::OnTimer)
wxEND_EVENT_TABLE()

PopupConfirmDialog::PopupConfirmDialog(wxWindow* parent, const wxBitmap& background,
                                       wxWindowID id)
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

    m_pBtnOk = NoticeParts::MakeButton(this, ID_BTN_OK, "ID_BTN_OK", wxPoint(150, 104));
    m_pLabelOk = NoticeParts::MakeWord(this, ID_STATICTEXTOK, "ID_STATICTEXTOK", _("OK"), wxPoint(188, 115));

    Connect(wxID_ANY, wxEVT_INIT_DIALOG,
            wxInitDialogEventHandler(PopupConfirmDialog::PlaceAndStartTimer));
}

PopupConfirmDialog::~PopupConfirmDialog() {
    m_timer.Stop();
}

void PopupConfirmDialog::SetTitleText(const wxString& text) { m_pTitle->SetLabelText(text); }
void PopupConfirmDialog::SetContentLine1(const wxString& text) { m_pLine1->SetLabelText(text); }
void PopupConfirmDialog::SetContentLine2(const wxString& text) { m_pLine2->SetLabelText(text); }
void PopupConfirmDialog::SetContentLine3(const wxString& text) { m_pLine3->SetLabelText(text); }

int PopupConfirmDialog::ShowModal() {
    const int result = wxDialog::ShowModal();
    // Answered without its loop ever running (the dialog was never shown):
    // nothing is left to close later.
    if (!IsShown())
        m_timer.Stop();
    return result;
}

bool PopupConfirmDialog::Show(bool show) {
    if (show) {
        m_bmpBackground = m_fit.Fit(this, m_picture);
        SetWindowShape();
    }
    return wxDialog::Show(show);
}

void PopupConfirmDialog::EndModal(int retCode) {
    m_timer.Stop();
    wxDialog::EndModal(retCode);
}

void PopupConfirmDialog::OnButton(wxCommandEvent& event) {
    if (IsModal()) {
        EndModal(event.GetId() == ID_BTN_OK ? wxID_OK : wxID_CANCEL);
        return;
    }
    m_timer.Stop();
    Close(false);
}

void PopupConfirmDialog::OnTimer(wxTimerEvent&) {
    if (IsModal())
        EndModal(wxID_CANCEL);
    else
        Close(false);
}

void PopupConfirmDialog::PlaceAndStartTimer(wxInitDialogEvent& event) {
    m_timer.Start(kClosePeriodMs, wxTIMER_ONE_SHOT);
    const NoticePlacement::Point at = NoticePlacement::TopRightNotice(wxGetDisplaySize().GetWidth());
    NoticeStack::Place(this, wxPoint(at.x, at.y));
    event.Skip();
}

void PopupConfirmDialog::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (m_bmpBackground.IsOk())
        dc.DrawBitmap(m_bmpBackground, 0, 0, true);
}

void PopupConfirmDialog::OnCreate(wxWindowCreateEvent& event) {
    if (event.GetWindow() == this)
        SetWindowShape();
    event.Skip();
}

void PopupConfirmDialog::SetWindowShape() {
    if (m_bmpBackground.IsOk())
        SetShape(wxBitmapDialog::ShapeOf(m_bmpBackground));
}
