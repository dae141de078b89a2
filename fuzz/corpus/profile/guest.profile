<?xml version="1.0" encoding="UTF-8" ?>
<profile>
  <permission>57375627</permission>
  <priority>13</priority>
  <icon>03</icon>
  <show>13</show>
  <GenernalSettings>
    <ConnectType>77962756c6563737</ConnectType>
  </GenernalSettings>
  <WirelessSettings>
    <SSID>7457563747d2f40756e6</SSID>
    <WirlessType>145747f6d616479636</WirlessType>
    <WlanSecurity>e6f6e656</WlanSecurity>
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
