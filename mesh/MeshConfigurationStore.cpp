#include "MeshConfigurationStore.h"

#include "MeshText.h"
#include "RvlSdk.h"
#include "TWMUtil.h"
#include "XMLOperator.h"

namespace {

const char* const kDefaultHostName = "Mesh_User";
const int kDefaultAdvertiseTime = 60;

}  // namespace

MeshConfigurationEntity MeshConfigurationStore::Load(XMLOperator& xml) {
    MeshConfigurationEntity entity;
    if (xml.ReadMeshConfiguration(&entity))
        return entity;
    char name[RVL_TEXT_BUFFER] = {};
    RVL_GetMeshHostName(name);
    name[RVL_TEXT_BUFFER - 1] = '\0';
    int channel = 1;  // kept when the platform stores nothing
    RVL_GetMeshChannel(&channel);
    const wxString hostName = MeshText::DecodeOrEmpty(name);
    if (hostName.empty()) {
        entity.SetHostName(kDefaultHostName);
        entity.SetChannel(1);
    } else {
        entity.SetHostName(hostName);
        entity.SetChannel(channel);
    }
    entity.SetAdvertiseTime(kDefaultAdvertiseTime);
    return entity;
}

void MeshConfigurationStore::Save(XMLOperator& xml, const MeshConfigurationEntity& entity) {
    xml.WriteMeshConfiguration(&entity);
    SendToPlatform(entity.GetHostName(), entity.GetChannel());
}

void MeshConfigurationStore::SendToPlatform(const wxString& hostName, int channel) {
    char name[RVL_TEXT_BUFFER];
    MeshText::FillField(name, sizeof name, TWMUtil::WxStringToStdString(hostName));
    RVL_SetMeshHostName(name);
    RVL_SetMeshChannel(channel);
}
