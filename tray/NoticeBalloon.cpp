#include "NoticeBalloon.h"

#include "NoticeStack.h"

void NoticeBalloon::SetHome(const wxPoint& home) {
    m_home = home;
    Move(home);
}

bool NoticeBalloon::Show(bool show) {
    if (show) {
        FitTexts();
        NoticeStack::Place(this, m_home);
    }
    return wxBitmapDialog::Show(show);
}
