#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <set>

#include "FirefoxPreferences.h"
#include "ProfileFieldRules.h"
#include "TestEnvironment.h"
#include "TestTree.h"

using namespace ProfileFieldRules;

namespace {

const char kTaken[] = "A profile with the name you specified already exists.\nPlease specify a different name!";
const char kNameChars[] = "Profile name cannot contain any of the following characters\n \\ / : * ? \" ' < > |";
const char kWepHex[] = "WEP key must be hexadecimal. \n(Must contain only numbers 0-9 and letters a-f)";
const char kWepLength[] = "WEP key must be 10 or 26 hexadecimal digits, or 5 or 13 ASCII characters!";
const char kWpaLength[] = "WPA key must be 8 to 63 ASCII characters, or 64 hexadecimal digits!";

// "" for accepted, else the message.
std::string Outcome(const FieldVerdict& v) {
    EXPECT_EQ(v.accepted, v.message.empty());
    return v.accepted ? std::string() : std::string(v.message.utf8_str());
}

}  // namespace

TEST(ProfileFieldRules, Name) {
    const std::set<wxString> listed = {"Home", "Library"};
    const auto isTaken = [&](const wxString& name) { return listed.count(name) > 0; };
    struct Row {
        const char* text;
        const char* oldName;
        const char* expected;
    } rows[] = {
        {"  \t ", "", "Profile name cannot be empty!"},
        {"Room 1/2", "", kNameChars},
        {"a:b", "x", kNameChars},
        {".", "", "Invalid profile name!"},
        {" .. ", "Old", "Invalid profile name!"},
        {"...", "", ""},
        {"Guest", "", kTaken},
        {"Guest", "Home", kTaken},
        {"Guest", "Guest", ""},
        {"guest", "", ""},
        {"Library", "", kTaken},
        {" Library ", "Home", kTaken},
        {"library", "", ""},
        {"Café 100%", "", ""},
        // The name a profile is stored under (an import's) is only tested
        // for being taken.
        {"Lab: 1", "Lab: 1", ""},
        {"Library", "Library", kTaken},
    };
    for (const Row& r : rows) {
        const FieldVerdict v = CheckName(wxString::FromUTF8(r.text), r.oldName, isTaken);
        EXPECT_EQ(Outcome(v), r.expected) << r.text;
        EXPECT_EQ(v.focus, v.accepted ? ProfileField::None : ProfileField::Name) << r.text;
    }
    // The taken test sees the trimmed name.
    wxString asked;
    CheckName("  Lab  ", "", [&](const wxString& n) { asked = n; return false; });
    EXPECT_EQ(asked, "Lab");
}

TEST(ProfileFieldRules, Ssid) {
    const char editChars[] = "SSID cannot contain any of the following characters\n \\ / : * % ? \" ' < > |";
    const char wizardChars[] = "SSID cannot contain any of the following characters\n \\ / : * ? \" ' < > |";
    struct Row {
        const char* text;
        bool typed;
        SsidMessage style;
        const char* expected;
    } rows[] = {
        {"   ", true, SsidMessage::EditDialog, "SSID cannot be empty!"},
        {"", false, SsidMessage::EditDialog, "SSID cannot be empty!"},
        {"Room 1", true, SsidMessage::EditDialog, ""},
        {"100% Wi-Fi", true, SsidMessage::EditDialog, ""},
        {"Teacher's Room", true, SsidMessage::EditDialog, editChars},
        {"a:b", true, SsidMessage::Wizard, wizardChars},
        {"Caf\xc3\xa9", true, SsidMessage::EditDialog, "Invalid SSID!"},
        {"Caf\xc3\xa9:", true, SsidMessage::EditDialog, "Invalid SSID!"},
        // A stored or scanned name is the network's own.
        {"Teacher's Room", false, SsidMessage::EditDialog, ""},
        {"Caf\xc3\xa9 \xe2\x98\x95", false, SsidMessage::EditDialog, ""},
        {"   ", false, SsidMessage::EditDialog, ""},
    };
    for (const Row& r : rows) {
        const FieldVerdict v = CheckSsid(wxString::FromUTF8(r.text), r.typed, r.style);
        EXPECT_EQ(Outcome(v), r.expected) << r.text << " typed " << r.typed;
        EXPECT_EQ(v.focus, v.accepted ? ProfileField::None : ProfileField::Ssid) << r.text;
    }
}

TEST(ProfileFieldRules, Keys) {
    struct Row {
        bool wep;
        std::string key;
        const char* expected;
    } rows[] = {
        {true, "", "WEP key cannot be empty!"},
        {true, "abcd", kWepLength},
        {true, "ab:cd", ""},
        {true, "ab\xc3\xa9" "d", kWepLength},
        {true, std::string(9, 'a'), kWepLength},
        {true, "0123456789", ""},
        {true, "01234ABCDg", kWepHex},
        {true, std::string(11, 'f'), kWepLength},
        {true, "hello world!!", ""},
        {true, std::string(25, 'F'), kWepLength},
        {true, std::string(26, 'F'), ""},
        {true, std::string(25, 'F') + " ", kWepHex},
        {true, std::string(27, 'F'), kWepLength},
        {false, "", "WPA key cannot be empty!"},
        {false, std::string(7, 'x'), kWpaLength},
        {false, std::string(8, ' '), ""},
        {false, std::string(63, '~'), ""},
        {false, std::string(64, 'a'), ""},
        {false, std::string(63, 'a') + "x", kWpaLength},
        {false, std::string(65, 'a'), kWpaLength},
        {false, "passw\xc3\xb6rd", kWpaLength},
        {false, "pass\tword", kWpaLength},
    };
    for (const Row& r : rows) {
        const wxString key = wxString::FromUTF8(r.key.c_str());
        const FieldVerdict v = r.wep ? CheckWepKey(key) : CheckWpaKey(key);
        EXPECT_EQ(Outcome(v), r.expected) << (r.wep ? "WEP " : "WPA ") << r.key;
        EXPECT_EQ(v.focus, v.accepted ? ProfileField::None : ProfileField::Key);
    }
}

TEST(ProfileFieldRules, IpSettings) {
    using F = ProfileField;
    const char* m24 = "255.255.255.0";
    const char* gw = "192.168.1.1";
    struct Row {
        const char* ip;
        const char* mask;
        const char* gateway;
        const char* dns;
        const char* expected;
        ProfileField focus;
    } rows[] = {
        {"", "", "", "", "IP address cannot be empty!", F::IpAddress},
        {"1.2.3.4", "", "", "", "Subnet mask cannot be empty!", F::SubnetMask},
        {"1.2.3.4", m24, "", "", "Gateway address cannot be empty!", F::Gateway},
        {"1.2.3", m24, gw, "", "DNS cannot be empty!", F::Dns},
        {"192.168.1.10", m24, gw, gw, "", F::None},
        {"1.2.3", m24, gw, "x", "Invalid IP!", F::IpAddress},
        {"192.168.1.10 ", m24, gw, gw, "Invalid IP!", F::IpAddress},
        {"1.2.3.4.5", m24, gw, gw, "Invalid IP!", F::IpAddress},
        {"256.1.1.1", m24, gw, gw, "Invalid IP!", F::IpAddress},
        {"0.1.2.3", m24, gw, gw, "Invalid IP!", F::IpAddress},
        {"127.0.0.1", m24, gw, gw, "IP address cannot be reserved address!", F::IpAddress},
        {"245.1.1.1", m24, gw, gw, "IP address cannot be reserved address!", F::IpAddress},
        {"224.0.0.5", m24, gw, gw, "IP address cannot be multicast address!", F::IpAddress},
        {"250.1.1.1", "255.0.0.0", "250.1.1.254", gw, "", F::None},
        {"192.168.1.10", "255.255.255.254", gw, gw, "Invalid subnet mask!", F::SubnetMask},
        {"192.168.1.10", "255.255.255.255", gw, gw, "Invalid subnet mask!", F::SubnetMask},
        {"192.168.1.10", "0.0.0.0", gw, gw, "Invalid subnet mask!", F::SubnetMask},
        {"0.1.2.3", "255.0.255.0", gw, gw, "Invalid subnet mask!", F::SubnetMask},
        {"10.1.1.1", "128.0.0.0", "10.1.1.254", gw, "", F::None},
        {"192.168.1.10", m24, "10.0.0.1", gw, "IP address does not match the gateway!", F::IpAddress},
        {"192.168.1.255", m24, "10.0.0.1", gw, "IP address does not match the gateway!", F::IpAddress},
        {"192.168.1.255", m24, gw, gw, "IP address cannot be broadcast address!", F::IpAddress},
        {"192.168.1.0", m24, gw, gw, "IP address cannot be the same as the network address!", F::IpAddress},
        {"192.168.1.10", m24, "192.168.1.255", gw, "Gateway cannot be broadcast address!", F::Gateway},
        {"192.168.1.10", m24, "192.168.1.0", gw, "Gateway address cannot be the same as the network address!",
         F::Gateway},
        {"192.168.1.1", m24, gw, gw, "", F::None},
        // A leading zero reads as octal to the parser, never to the user.
        {"010.1.1.1", "255.0.0.0", "8.1.1.254", gw, "Invalid IP!", F::IpAddress},
        {"10.1.1.1", "255.000.0.0", "10.1.1.254", gw, "Invalid subnet mask!", F::SubnetMask},
        {"10.1.1.1", "255.0.0.0", "10.01.1.254", gw, "Invalid gateway address!", F::Gateway},
        {"09.1.1.1", "255.0.0.0", "9.1.1.254", gw, "Invalid IP!", F::IpAddress},
        {"1.2.3", "010.0.0.0", gw, gw, "Invalid IP!", F::IpAddress},
        {"10.0.0.1", "255.0.0.0", "10.0.0.2", "8.8.8.08", "Invalid DNS!", F::Dns},
        {"10.0.0.1", "255.0.0.0", "10.0.0.2", "10.0.0.0", "", F::None},
        // Text beyond ASCII is refused in its own field.
        {"1\xd9\xa0.1.1.1", "255.0.0.0", "10.0.0.2", gw, "Invalid IP!", F::IpAddress},
        {"10.0.0.1", "255.0.0.\xc2\xb2", "10.0.0.2", gw, "Invalid subnet mask!", F::SubnetMask},
        {"10.0.0.1", "255.0.0.0", "10.0.0.\xc3\xa9", gw, "Invalid gateway address!", F::Gateway},
        {"10.0.0.1", "255.0.0.0", "10.0.0.2", "8.8.8.\xe2\x82\x88", "Invalid DNS!", F::Dns},
        {"10.0.0.1", "255.0.0.0", "10.0.0.2", "0.0.0.0", "Invalid DNS!", F::Dns},
        {"10.0.0.1", "255.0.0.0", "10.0.0.2", "255.255.255.255", "Invalid DNS!", F::Dns},
        {"10.0.0.1", "255.0.0.0", "10.0.0.2", "8.8.8", "Invalid DNS!", F::Dns},
        {"10.0.0.1", "255.0.0.0", "10.0.0.2", "0.1.2.3", "Invalid DNS!", F::Dns},
        {"10.0.0.1", "255.0.0.0", "10.0.0.2", "127.0.0.1", "DNS cannot be reserved address!", F::Dns},
        {"10.0.0.1", "255.0.0.0", "10.0.0.2", "224.0.0.251", "DNS cannot be multicast address!", F::Dns},
    };
    for (const Row& r : rows) {
        const FieldVerdict v = CheckIpSettings(wxString::FromUTF8(r.ip), wxString::FromUTF8(r.mask),
                                               wxString::FromUTF8(r.gateway), wxString::FromUTF8(r.dns));
        EXPECT_EQ(Outcome(v), r.expected) << r.ip << " " << r.mask << " " << r.gateway << " " << r.dns;
        EXPECT_EQ(v.focus, r.focus) << r.ip << " " << r.mask << " " << r.gateway << " " << r.dns;
    }
}

TEST(ProfileFieldRules, ProxyAgreesWithTheBrowserSettings) {
    TestEnvironment::ResetFolders();  // no browser profiles: SetProxy only judges
    const FirefoxPreferences firefox(TestEnvironment::Home());
    struct Row {
        const char* address;
        const char* port;
        const char* expected;
        ProfileField focus;
    } rows[] = {
        {"", "", "Proxy cannot be empty!", ProfileField::ProxyAddress},
        {"proxy", "", "Port field cannot be empty!", ProfileField::ProxyPort},
        {"proxy", "80a", "You can input only numbers in the Port field!", ProfileField::ProxyPort},
        {"proxy", " 80", "You can input only numbers in the Port field!", ProfileField::ProxyPort},
        {"proxy", "+80", "", ProfileField::None},
        {"proxy", "0080", "", ProfileField::None},
        {"proxy", "65535", "", ProfileField::None},
        {"proxy", "-1", "Port must be a number from 1 to 65535!", ProfileField::ProxyPort},
        {"proxy", "0", "Port must be a number from 1 to 65535!", ProfileField::ProxyPort},
        {"proxy", "-", "Port must be a number from 1 to 65535!", ProfileField::ProxyPort},
        {"proxy", "65536", "Port must be a number from 1 to 65535!", ProfileField::ProxyPort},
        {"proxy", "99999999999999999999", "Port must be a number from 1 to 65535!", ProfileField::ProxyPort},
        {"", "8080", "Proxy cannot be empty!", ProfileField::ProxyAddress},
        {" ", "8080", "Invalid proxy address!", ProfileField::ProxyAddress},
        {"pro\txy", "8080", "Invalid proxy address!", ProfileField::ProxyAddress},
        {"proxy.school:3128", "3128", "", ProfileField::None},
    };
    for (const Row& r : rows) {
        const FieldVerdict v = CheckProxy(r.address, r.port);
        EXPECT_EQ(Outcome(v), r.expected) << "'" << r.address << "' '" << r.port << "'";
        EXPECT_EQ(v.focus, r.focus) << r.port;
        // The browser settings take every address and port the dialog
        // takes, and no other.
        if (r.port[0] != '\0') {
            EXPECT_EQ(firefox.SetProxy(r.address, r.port), v.accepted) << "'" << r.address << "' '" << r.port << "'";
        }
    }
}

TEST(ProfileFieldRules, Homepage) {
    struct Row {
        const char* text;
        const char* expected;
    } rows[] = {
        {"  http://school.example/  ", ""},
        {"school.example", ""},
        {"", "Homepage cannot be empty!"},
        {" \t ", "Homepage cannot be empty!"},
        {"http://school.example/a b", "Invalid homepage!"},
        {"http://school\x01.example/", "Invalid homepage!"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Outcome(CheckHomepage(r.text)), r.expected) << r.text;
}

TEST(ProfileFieldRules, Program) {
    const char notProgram[] = "This file cannot be started as a program.\n\nPlease choose another one.";
    TestTree dir;
    TestTree::WriteFile(dir / "run.sh", "#!/bin/sh\n");
    chmod((dir / "run.sh").c_str(), 0755);
    TestTree::WriteFile(dir / "notes.txt", "notes");
    chmod((dir / "notes.txt").c_str(), 0644);
    TestTree::MakeDirs(dir / "folder");
    ASSERT_EQ(symlink((dir / "run.sh").c_str(), (dir / "link").c_str()), 0);
    ASSERT_EQ(symlink((dir / "gone").c_str(), (dir / "dangling").c_str()), 0);
    wxArrayString listed;
    listed.Add(wxString::FromUTF8((dir / "listed.sh").c_str()));
    struct Row {
        std::string path;
        const char* expected;
    } rows[] = {
        {dir / "run.sh", ""},
        {dir / "link", ""},
        {dir / "notes.txt", notProgram},
        {dir / "folder", notProgram},
        {dir / "missing", notProgram},
        {dir / "dangling", notProgram},
        {dir / "listed.sh", "This application is already in the list.\n\nPlease choose another one."},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Outcome(CheckProgram(wxString::FromUTF8(r.path.c_str()), listed)), r.expected) << r.path;
}
