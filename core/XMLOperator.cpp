#include "XMLOperator.h"

#include <sys/stat.h>

#include "MeshConfigurationEntity.h"
#include "SystemPaths.h"
#include "TWMLog.h"
#include "TWMUtil.h"

namespace {

const char kLogPath[] = "/tmp/XMLOperator.log";
const char kMeshFileName[] = "MeshConfiguation.xml";

const char* ValueOf(const TiXmlElement* element) {
    const char* value = element->Attribute("value");
    return value != nullptr ? value : "";
}

}  // namespace

std::string XMLOperator::MeshConfigurationFolder() {
    if (TWMUtil::IsAdmin())
        return SystemPaths::AdminDir() + "/";
    return SystemPaths::Home() + "/Lanternfield/";
}

std::string XMLOperator::MeshConfigurationPath() { return MeshConfigurationFolder() + kMeshFileName; }

bool XMLOperator::LoadDocument(const std::string& path, TiXmlDocument& doc) const {
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    return doc.LoadFile(path.c_str(), TIXML_ENCODING_UTF8);
}

bool XMLOperator::ReadMeshConfiguration(MeshConfigurationEntity* entity) {
    TWMLog(kLogPath, "Enter XMLOperator::ReadMeshConfiguration");
    if (entity == nullptr)
        return false;
    TiXmlDocument doc;
    if (!LoadDocument(MeshConfigurationPath(), doc))
        return false;
    const TiXmlElement* root = doc.RootElement();
    if (root == nullptr)
        return false;

    const TiXmlElement* hostName = root->FirstChildElement();
    if (hostName == nullptr)
        return false;
    entity->SetHostName(TWMUtil::StdStringToWxString(ValueOf(hostName)));

    const TiXmlElement* channel = hostName->NextSiblingElement();
    if (channel == nullptr)
        return false;
    entity->SetChannel(TWMUtil::ParseLeadingInt(ValueOf(channel)));

    const TiXmlElement* advertiseTime = channel->NextSiblingElement();
    if (advertiseTime == nullptr)
        return false;
    entity->SetAdvertiseTime(TWMUtil::ParseLeadingInt(ValueOf(advertiseTime)));
    TWMLog(kLogPath, "Leave XMLOperator::ReadMeshConfiguration");
    return true;
}

bool XMLOperator::WriteMeshConfiguration(const MeshConfigurationEntity* entity) {
    TWMLog(kLogPath, "Enter XMLOperator::WriteMeshConfiguration");
    if (entity == nullptr)
        return false;

    TiXmlDocument doc;
    doc.LinkEndChild(new TiXmlDeclaration("1.0", "", ""));
    auto* root = new TiXmlElement("Mesh");
    doc.LinkEndChild(root);
    auto* hostName = new TiXmlElement("MeshLocalHostName");
    hostName->SetAttribute("value", TWMUtil::WxStringToStdString(entity->GetHostName()));
    root->LinkEndChild(hostName);
    auto* channel = new TiXmlElement("MeshChannel");
    channel->SetAttribute("value", entity->GetChannel());
    root->LinkEndChild(channel);
    auto* advertiseTime = new TiXmlElement("MeshAdvertiseTime");
    advertiseTime->SetAttribute("value", entity->GetAdvertiseTime());
    root->LinkEndChild(advertiseTime);

    // The administrator folder is readable by all but writable only by root;
    // a user's folder is private.
    const bool admin = TWMUtil::IsAdmin();
    std::string folder = MeshConfigurationFolder();
    folder.pop_back();
    if (!TWMUtil::MakeFolder(folder, admin ? 0755 : 0700)) {
        TWMLog(kLogPath, "cannot create the mesh configuration folder");
        return false;
    }

    TiXmlPrinter printer;
    doc.Accept(&printer);
    const bool written = TWMUtil::ReplaceFile(MeshConfigurationPath(), printer.Str(), admin ? 0644 : 0600);
    TWMLog(kLogPath, "Leave XMLOperator::WriteMeshConfiguration");
    return written;
}
