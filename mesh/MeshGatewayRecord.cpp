#include "MeshGatewayRecord.h"

#include <cstring>

#include "MeshText.h"
#include "TWMUtil.h"

MeshGatewayInfo MeshGatewayRecord::Pack(const MeshServerEntity& server) {
    MeshGatewayInfo info;
    std::memset(&info, 0, sizeof info);
    MeshText::FillField(info.ip, sizeof info.ip, TWMUtil::WxStringToStdString(server.GetIPAddress()));
    MeshText::FillField(info.dns, sizeof info.dns, TWMUtil::WxStringToStdString(server.GetDNS()));
    MeshText::FillField(info.dns2, sizeof info.dns2, TWMUtil::WxStringToStdString(server.GetDNS_back()));
    return info;
}

MeshServerEntity MeshGatewayRecord::Unpack(const MeshGatewayInfo& info) {
    MeshServerEntity server;
    server.SetIPAddress(MeshText::DecodeOrEmpty(MeshText::Field(info.ip, sizeof info.ip)));
    server.SetDNS(MeshText::DecodeOrEmpty(MeshText::Field(info.dns, sizeof info.dns)));
    server.SetDNS_back(MeshText::DecodeOrEmpty(MeshText::Field(info.dns2, sizeof info.dns2)));
    server.SetHostName(MeshText::DecodeOrEmpty(MeshText::Field(info.hostName, sizeof info.hostName)));
    server.SetChannel(info.channel);
    return server;
}
