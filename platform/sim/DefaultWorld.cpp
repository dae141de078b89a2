#include "sim/DefaultWorld.h"

#include <stdexcept>

#include "sim/WorldReader.h"

const std::string& DefaultWorld::Xml() {
    static const std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?>
<world scanDelayMs="1000" connectDelayMs="400">
  <wired present="1" up="1" link="1" connectType="100Mbps Full"
         dhcpAddress="192.168.10.57" dhcpDelayMs="2000"/>
  <wireless present="1" up="0"/>
  <accessPoint ssid="Classroom-101" bssid="00:1a:2b:3c:4d:01" channel="1" phy="n"
               security="wpa-psk" signal="92" key="lantern-wpa-key"
               dhcpAddress="10.20.1.57" dhcpDelayMs="2500"/>
  <accessPoint ssid="Classroom-102" bssid="00:1a:2b:3c:4d:02" channel="11" phy="n"
               security="wpa-psk" signal="78" key="lantern-wpa-key-2"
               dhcpAddress="10.20.2.57" dhcpDelayMs="2500"/>
  <accessPoint ssid="Library-WEP" bssid="00:1a:2b:3c:4d:03" channel="6" phy="g"
               security="wep" signal="66" key="1234567890" keyIndex="1"
               dhcpAddress="10.20.3.57" dhcpDelayMs="2000"/>
  <accessPoint ssid="Staff-Room" bssid="00:1a:2b:3c:4d:04" channel="3" phy="n"
               security="unknown" signal="57" key="staff-only"
               dhcpAddress="10.20.4.57" dhcpDelayMs="2000"/>
  <accessPoint ssid="Riverside-Primary-School-Staff01" bssid="00:1a:2b:3c:4d:05" channel="4" phy="n"
               security="wpa-psk" signal="49" key="riverside-staff-key"
               dhcpAddress="10.20.5.57" dhcpDelayMs="2500"/>
  <accessPoint ssid="Guest-Open" bssid="00:1a:2b:3c:4d:06" channel="11" phy="b"
               security="open" signal="41"
               dhcpAddress="10.20.6.57" dhcpDelayMs="2000"/>
  <accessPoint ssid="Lab-Hidden" hidden="1" bssid="00:1a:2b:3c:4d:07" channel="9" phy="g"
               security="wpa-psk" signal="35" key="hidden-lab-key"
               dhcpAddress="10.20.7.57" dhcpDelayMs="2500"/>
  <accessPoint ssid="Cafeteria" bssid="00:1a:2b:3c:4d:08" channel="2" phy="g"
               security="wep" signal="22" key="ABCDEF1234" keyIndex="2"
               dhcpAddress="10.20.8.57" dhcpDelayMs="2000"/>
  <accessPoint ssid="Gym-Far-Corner" bssid="00:1a:2b:3c:4d:09" channel="13" phy="b"
               security="open" signal="7"
               dhcpAddress="10.20.9.57" dhcpDelayMs="3000"/>
  <mesh on="0" hostName="laptop-07" channel="6" dns="10.20.0.1" dns2="8.8.8.8">
    <neighbor hostName="laptop-12" mac="02:00:5e:10:00:12" rssi="-48"/>
    <neighbor hostName="laptop-15" mac="02:00:5e:10:00:15" rssi="-71"/>
  </mesh>
</world>
)";
    return xml;
}

SimWorld DefaultWorld::Make() {
    SimWorld world;
    std::string error;
    if (!WorldReader::Parse(Xml(), world, error))
        throw std::logic_error("the built-in world does not read: " + error);
    return world;
}
