#include "PublishRecord.h"

#include <cstdio>

#include <wx/arrstr.h>
#include <wx/filefn.h>

#include "MacAddress.h"
#include "MeshInfoManager.h"
#include "ProfileVersion.h"
#include "ProgramFolder.h"
#include "TWMUtil.h"

bool PublishRecord::Current(const MeshInfoManager& model, MeshTxtRecord::Items& items) {
    MeshServerEntity own;
    if (model.GetLocalMeshServer(own)) {
        std::puts("mesh is turning on ");
        items = MeshTxtRecord::ServerItems(own);
        return true;
    }
    MacAddress mac;
    const std::string macText = mac.GetMac();
    std::printf("after getmac: %s\n", macText.c_str());
    ProfileVersion profileVersion;
    wxArrayString version;
    const bool versionRead = profileVersion.GetProfileVersion(version) && !version.empty();
    items = MeshTxtRecord::StudentItems(macText, CaPresent(), versionRead,
                                        versionRead ? TWMUtil::WxStringToStdString(version[0]) : std::string());
    return false;
}

bool PublishRecord::CaPresent() { return wxFileExists(wxString::FromUTF8(ProgramFolder::File("cacert.pem"))); }
