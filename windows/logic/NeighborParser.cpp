#include "NeighborParser.h"

#include "TWMUtil.h"

namespace {

const size_t kLineBuffer = 200;  // a line holds at most 199 bytes

// The lines of a text as a 200-byte line buffer reads them: each ends at
// '\n'; a line too long for the buffer ends the reading.
std::vector<std::string> ReadLines(const std::string& text, size_t maxLines) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size() && lines.size() < maxLines) {
        const size_t end = text.find('\n', pos);
        const size_t length = (end == std::string::npos ? text.size() : end) - pos;
        if (length >= kLineBuffer)
            break;
        lines.push_back(text.substr(pos, length));
        if (end == std::string::npos)
            break;
        pos = end + 1;
    }
    return lines;
}

wxString Trimmed(const std::string& line) {
    wxString text = TWMUtil::StdStringToWxString(line);
    return text.Trim(true).Trim(false);
}

// The name of a host line: after the first backslash and the character
// following it, up to the first blank or tab.  A name of the listing's full
// 15 characters is followed by its tabs directly, with no blank between.
wxString HostOf(wxString line) {
    const size_t blank = line.find_first_of(" \t");
    const size_t backslash = line.find('\\');
    if (blank != wxString::npos && blank < backslash) {
        // Text in front of the name: read from the double backslash on.
        line = line.Mid(line.find("\\\\"));
        return HostOf(line);
    }
    if (blank != wxString::npos)
        line = line.Left(blank);
    return line.Mid(backslash + 2);
}

}  // namespace

namespace NeighborParser {

std::vector<wxString> ParseListing(const std::string& listing, size_t maxHosts) {
    std::vector<wxString> hosts;
    for (const std::string& raw : ReadLines(listing, static_cast<size_t>(-1))) {
        if (hosts.size() >= maxHosts)
            break;
        const wxString line = Trimmed(raw);
        if (line.find("\\\\") == wxString::npos)
            continue;
        hosts.push_back(HostOf(line));
    }
    return hosts;
}

wxString ParseAnswer(const std::string& answer) {
    const std::vector<std::string> lines = ReadLines(answer, 2);
    if (lines.size() < 2)
        return wxString();
    // A too-long first line never reaches here: ReadLines stopped there.
    const wxString second = TWMUtil::StdStringToWxString(lines[1]);
    if (second.Contains("failed to find"))
        return wxString();
    wxString word = Trimmed(lines[1]);
    const size_t blank = word.find(' ');
    if (blank != wxString::npos)
        word = word.Left(blank);
    return word == "NULL" ? wxString() : word;
}

}  // namespace NeighborParser
