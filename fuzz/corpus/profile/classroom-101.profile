<?xml version="1.0" encoding="UTF-8" ?>
<profile>
  <permission>1646d696e6</permission>
  <priority>23</priority>
  <icon>03</icon>
  <show>13</show>
  <GenernalSettings>
    <ConnectType>77962756c6563737</ConnectType>
  </GenernalSettings>
  <WirelessSettings>
    <SSID>34c616373727f6f6d6d2130313</SSID>
    <WirlessType>145747f6d616479636</WirlessType>
    <WlanSecurity>770716d20737b6</WlanSecurity>
    <WEPSettings />
    <KeyIndex>03</KeyIndex>
    <WPASettings>c616e6475627e6d2770716d2b65697</WPASettings>
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
