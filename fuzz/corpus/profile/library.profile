<?xml version="1.0" encoding="UTF-8" ?>
<profile>
  <permission>1646d696e6</permission>
  <priority>33</priority>
  <icon>03</icon>
  <show>13</show>
  <GenernalSettings>
    <ConnectType>77962756c6563737</ConnectType>
  </GenernalSettings>
  <WirelessSettings>
    <SSID>c4962627162797d2755405</SSID>
    <WirlessType>145747f6d616479636</WirlessType>
    <WlanSecurity>775607</WlanSecurity>
    <WEPSettings>13233343536373839303</WEPSettings>
    <KeyIndex>13</KeyIndex>
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
