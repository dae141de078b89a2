#include "PublishThread.h"

#include <wx/utils.h>

#include "AvahiPublisher.h"
#include "MeshInfoManager.h"
#include "PublishRecord.h"
#include "TWMUtil.h"

std::atomic<bool> PublishThread::m_bPublishing{false};
std::atomic<bool> PublishThread::s_bDaemonFailed{false};

PublishThread::PublishThread(MeshInfoManager& model) : wxThread(wxTHREAD_DETACHED), m_model(model) {}

bool PublishThread::TakeDaemonFailure() { return s_bDaemonFailed.exchange(false); }

wxThread::ExitCode PublishThread::Entry() {
    m_bPublishing = true;
    MeshInfoManager& model = m_model;
    const AvahiPublisher::Outcome outcome = AvahiPublisher::Run(
        TWMUtil::WxStringToStdString(wxGetHostName()),
        [&model](MeshTxtRecord::Items& items) { return PublishRecord::Current(model, items); });
    if (outcome == AvahiPublisher::DAEMON_UNAVAILABLE)
        s_bDaemonFailed = true;
    return nullptr;
}

void PublishThread::OnExit() { m_bPublishing = false; }
