#include "PolicyManager.h"

#include "SystemPaths.h"
#include "TWMLog.h"
#include "TWMUtil.h"
#include "XMLOperator.h"

namespace {

const char kLogPath[] = "/tmp/PolicyManager.log";

bool Allows(const TiXmlElement* element) {
    const char* value = element->Attribute("value");
    return value != nullptr && TWMUtil::ParseLeadingInt(value) == 1;
}

}  // namespace

PolicyManager::PolicyManager() { LoadPolicy(); }

std::string PolicyManager::PolicyFilePath() { return SystemPaths::AdminDir() + "/NetworkPolicy.xml"; }

bool PolicyManager::LoadPolicy() {
    TWMLog(kLogPath, "Enter PolicyManager::LoadPolicy");
    std::lock_guard<std::mutex> lock(m_loadMutex);
    TiXmlDocument doc;
    if (!XMLOperator().LoadDocument(PolicyFilePath(), XMLOperator::Document::POLICY, doc)) {
        TWMLog(kLogPath, "no readable policy file");
        return false;
    }
    const TiXmlElement* root = doc.RootElement();
    const TiXmlElement* elements[4] = {};
    const TiXmlElement* e = root->FirstChildElement();
    for (int i = 0; i < 4; ++i) {
        if (e == nullptr) {
            TWMLog(kLogPath, "policy file has fewer than four elements");
            return false;
        }
        elements[i] = e;
        e = e->NextSiblingElement();
    }
    m_bUseMesh = Allows(elements[0]);
    m_bScanWireless = Allows(elements[1]);
    m_bMaintainProfiles = Allows(elements[2]);
    m_bTurnWirelessOnOff = Allows(elements[3]);
    TWMLog(kLogPath, "Leave PolicyManager::LoadPolicy");
    return true;
}
