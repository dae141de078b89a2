<?xml version="1.0" encoding="UTF-8" ?>
<profile>
  <permission>1646d696e6</permission>
  <priority>43</priority>
  <icon>03</icon>
  <show>03</show>
  <GenernalSettings>
    <ConnectType>77962756c6563737</ConnectType>
  </GenernalSettings>
  <WirelessSettings>
    <SSID>3547166666d225f6f6d6</SSID>
    <WirlessType>145747f6d616479636</WirlessType>
    <WlanSecurity>57e6b6e6f677e6</WlanSecurity>
    <WEPSettings />
    <KeyIndex>03</KeyIndex>
    <WPASettings />
  </WirelessSettings>
  <OtherSettings>
    <NetworkSecurity>03</NetworkSecurity>
    <ForbidShareFileAndPrint />
    <ForbidShareInternet />
    <StartWindowFirewall />
    <AutoRunAppFlag>03</AutoRunAppFlag>
    <IPDNS>03</IPDNS>
    <IPvalue />
    <SubnetAddress />
    <NetGateway />
    <DNSvalue />
    <HomepageFlag>03</HomepageFlag>
    <Homepage />
    <ProxyFlag>03</ProxyFlag>
    <Proxy />
    <Port />
  </OtherSettings>
</profile>
