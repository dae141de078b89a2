#include "NoticeBalloon.h"

#include "NoticeStack.h"

void NoticeBalloon::SetHome(const wxPoint& home) {
    m_home = home;
    Move(home);
}

void NoticeBalloon::TakePlace() { NoticeStack::Place(this, m_home); }
