<?xml version="1.0" encoding="UTF-8" ?>
<profile>
  <permission>1646d696e6</permission>
  <priority>13</priority>
  <icon>03</icon>
  <show>13</show>
  <GenernalSettings>
    <ConnectType>c616e6</ConnectType>
  </GenernalSettings>
  <WirelessSettings>
    <SSID />
    <WirlessType>145747f6d616479636</WirlessType>
    <WlanSecurity />
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
