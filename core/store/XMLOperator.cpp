#include "XMLOperator.h"

#include <cstdio>
#include <map>
#include <mutex>

#include "BoundedXmlFile.h"
#include "MeshConfigurationEntity.h"
#include "SystemPaths.h"
#include "TWMLog.h"
#include "TWMUtil.h"

namespace {

const char kLogPath[] = "/tmp/XMLOperator.log";
const char kMeshFileName[] = "MeshConfiguation.xml";

// The policy holds four elements and the mesh configuration three; the
// version file names each file of a settings archive (at most 1024, each
// name up to 256 characters).
BoundedXmlFile::Limits LimitsOf(XMLOperator::Document kind) {
    switch (kind) {
    case XMLOperator::Document::VERSION:
        return {2 * 1024 * 1024, 4096, 8};
    case XMLOperator::Document::POLICY:
    case XMLOperator::Document::MESH_CONFIGURATION:
        break;
    }
    return {64 * 1024, 256, 8};
}

// Tells of a refused settings file once, not at every read: the version
// file is read at each publication.  Forgotten once the file reads or is
// gone, so that a later refusal is told again.
void NoteResult(const std::string& path, BoundedXmlFile::Result result) {
    static std::mutex mutex;
    static std::map<std::string, BoundedXmlFile::Result> told;
    std::lock_guard<std::mutex> lock(mutex);
    if (result == BoundedXmlFile::READ || result == BoundedXmlFile::MISSING) {
        told.erase(path);
        return;
    }
    const auto known = told.find(path);
    if (known != told.end() && known->second == result)
        return;
    told[path] = result;
    std::fprintf(stderr, "Tidewave: %s ignored (%s)\n", path.c_str(), BoundedXmlFile::Describe(result));
}

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

bool XMLOperator::LoadDocument(const std::string& path, Document kind, TiXmlDocument& doc) const {
    const BoundedXmlFile::Result result = BoundedXmlFile::Load(path, LimitsOf(kind), doc);
    NoteResult(path, result);
    if (result != BoundedXmlFile::READ)
        TWMLog(kLogPath, (path + " not read: " + BoundedXmlFile::Describe(result)).c_str());
    return result == BoundedXmlFile::READ;
}

bool XMLOperator::ReadMeshConfiguration(MeshConfigurationEntity* entity) {
    TWMLog(kLogPath, "Enter XMLOperator::ReadMeshConfiguration");
    if (entity == nullptr)
        return false;
    TiXmlDocument doc;
    if (!LoadDocument(MeshConfigurationPath(), Document::MESH_CONFIGURATION, doc))
        return false;
    const TiXmlElement* root = doc.RootElement();

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
