#include "KXClientSubject.h"

KXClientSubject* KXClientSubject::GetInstance() {
    static KXClientSubject* instance = new KXClientSubject;
    return instance;
}

void KXClientSubject::SetObserver(KXClientObserver* observer) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_observer = observer;
}

void KXClientSubject::Publish() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_observer != nullptr)
        m_observer->Republish();
}
