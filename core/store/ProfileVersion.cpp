#include "ProfileVersion.h"

#include "SystemPaths.h"
#include "TWMUtil.h"

namespace {

wxString AttributeText(const TiXmlElement* element, const char* name) {
    const char* value = element->Attribute(name);
    return value != nullptr ? TWMUtil::StdStringToWxString(value) : wxString();
}

}  // namespace

std::string ProfileVersion::VersionFilePath() { return SystemPaths::Fixed("/etc/Lanternfield/VersionInfo.xml"); }

bool ProfileVersion::GetProfileVersion(wxArrayString& out) {
    TiXmlDocument doc;
    if (!m_xmlOperator.LoadDocument(VersionFilePath(), XMLOperator::Document::VERSION, doc))
        return false;
    const TiXmlElement* root = doc.RootElement();
    out.Add(AttributeText(root, "version"));
    for (const TiXmlElement* file = root->FirstChildElement(); file != nullptr; file = file->NextSiblingElement())
        out.Add(AttributeText(file, "name"));
    return true;
}
