#ifndef TIDEWAVE_POPUPDIALOG_H
#define TIDEWAVE_POPUPDIALOG_H

#include <wx/bitmap.h>
#include <wx/dialog.h>
#include <wx/timer.h>

#include "PictureTextFit.h"

class CustomStaticText;
class wxBitmapButton;
class wxStaticText;

// The Yes/No question at the top right of the screen: a shaped picture
// window with a bold title, three lines and the buttons "Yes" and "No".  It
// always runs modal and answers wxID_OK for Yes; No and a question left
// unanswered for 10 seconds answer wxID_CANCEL.
class PopupDialog : public wxDialog {
public:
    static const int kClosePeriodMs = 10000;

    static const long ID_STATICTEXT_TITLE;
    static const long ID_STATICTEXT_CONTENT_LINE1;
    static const long ID_STATICTEXT_CONTENT_LINE2;
    static const long ID_STATICTEXT_CONTENT_LINE3;
    static const long ID_BTN_OK;
    static const long ID_BTN_CANCEL;
    static const long ID_TIMER_CLOSE;
    static const long ID_STATICTEXTOK;
    static const long ID_STATICTEXTCANCEL;

    PopupDialog(wxWindow* parent, const wxBitmap& background, wxWindowID id);
    ~PopupDialog() override;

    void SetTitleText(const wxString& text);
    void SetContentLine1(const wxString& text);
    void SetContentLine2(const wxString& text);
    void SetContentLine3(const wxString& text);

    int ShowModal() override;
    void EndModal(int retCode) override;
    // Fits the lines to the background before showing (PictureTextFit).
    bool Show(bool show = true) override;

    bool IsCloseTimerRunning() const { return m_timer.IsRunning(); }

protected:
    void OnButton(wxCommandEvent& event);
    void OnTimer(wxTimerEvent& event);
    void PlaceWindow(wxInitDialogEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnCreate(wxWindowCreateEvent& event);
    void SetWindowShape();

private:
    wxBitmapButton* m_pBtnOk;
    wxBitmapButton* m_pBtnCancel;
    wxBitmap m_bmpBackground;
    wxBitmap m_picture;  // as given; m_bmpBackground is it fitted to the lines
    PictureTextFit m_fit;
    CustomStaticText* m_pTitle;
    CustomStaticText* m_pLine1;
    CustomStaticText* m_pLine2;
    CustomStaticText* m_pLine3;
    wxStaticText* m_pLabelOk;
    wxStaticText* m_pLabelCancel;
    wxTimer m_timer;

    wxDECLARE_EVENT_TABLE();
};

#endif
