#include "DeployThread.h"

#include <cstdio>

#include <ace/Init_ACE.h>

#include "DeployServer.h"

DeployThread::DeployThread(const ACE_INET_Addr& listenAddress)
    : wxThread(wxTHREAD_JOINABLE), m_listenAddress(listenAddress) {}

wxThread::ExitCode DeployThread::Entry() {
    ACE::init();
    DeployServer::RunServer(m_listenAddress);
    return nullptr;
}

void DeployThread::OnExit() { std::puts("m_critsectDeploy.Leave "); }
