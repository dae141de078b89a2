#include "XmlNestingCheck.h"

#include <cctype>
#include <cstring>

#include "Utf8Text.h"

namespace {

// One pass over the text, with the parser's rules for where each kind of
// node ends.  `Stop` marks the places where the parser gives up: the scan
// ends there, and what was seen so far decides.
class Scanner {
public:
    Scanner(const std::string& text, int maxDepth) : m_text(text), m_maxDepth(maxDepth) {}

    bool Run() {
        SkipWhiteSpace();
        while (!m_stopped && At(m_pos) != 0) {
            if (m_depth == 0 && At(m_pos) != '<')
                break;  // text after the top-level nodes is not parsed
            if (m_depth > 0 && At(m_pos) != '<')
                SkipText();
            else if (m_depth > 0 && StartsWith("</", false))
                CloseElement();
            else
                Node();
            if (m_tooDeep)
                return false;
            SkipWhiteSpace();
        }
        return !m_tooDeep;
    }

private:
    unsigned char At(size_t i) const {
        return i < m_text.size() ? static_cast<unsigned char>(m_text[i]) : 0;
    }

    static bool IsWhiteSpace(unsigned char c) { return std::isspace(c) != 0; }
    static bool IsAlpha(unsigned char c) { return c >= 127 || std::isalpha(c) != 0; }
    static bool IsNameStart(unsigned char c) { return IsAlpha(c) || c == '_'; }
    static bool IsNameChar(unsigned char c) {
        return c >= 127 || std::isalnum(c) != 0 || c == '_' || c == '-' || c == '.' || c == ':';
    }

    bool StartsWith(const char* tag, bool ignoreCase) const {
        for (size_t i = 0; tag[i] != 0; ++i) {
            unsigned char a = At(m_pos + i);
            unsigned char b = static_cast<unsigned char>(tag[i]);
            if (ignoreCase) {
                a = static_cast<unsigned char>(std::tolower(a));
                b = static_cast<unsigned char>(std::tolower(b));
            }
            if (a != b)
                return false;
        }
        return true;
    }

    // White space, and the byte-order marks the parser takes for white space.
    void SkipWhiteSpace() {
        for (;;) {
            if (At(m_pos) == 0xEF && At(m_pos + 1) == 0xBB && At(m_pos + 2) == 0xBF)
                m_pos += 3;
            else if (At(m_pos) == 0xEF && At(m_pos + 1) == 0xBF &&
                     (At(m_pos + 2) == 0xBE || At(m_pos + 2) == 0xBF))
                m_pos += 3;
            else if (At(m_pos) != 0 && IsWhiteSpace(At(m_pos)))
                ++m_pos;
            else
                return;
        }
    }

    // Moves past the next `end`, or stops the scan when there is none.
    void SkipPast(const char* end) {
        const size_t found = m_text.find(end, m_pos);
        if (found == std::string::npos)
            Stop();
        else
            m_pos = found + std::strlen(end);
    }

    void Stop() {
        m_stopped = true;
        m_pos = m_text.size();
    }

    // Element text runs to the next "<": an entity the parser resolves spans
    // digits only, and a multi-byte sequence continuation bytes only.
    void SkipText() {
        const size_t next = m_text.find('<', m_pos);
        if (next == std::string::npos)
            Stop();
        else
            m_pos = next;
    }

    void CloseElement() {
        --m_depth;
        SkipPast(">");
    }

    void Node() {
        if (StartsWith("<?xml", true))
            Declaration();
        else if (StartsWith("<!--", false))
            SkipPast("-->");
        else if (StartsWith("<![CDATA[", false))
            SkipPast("]]>");
        else if (IsNameStart(At(m_pos + 1)))
            OpenElement();
        else
            SkipPast(">");  // "<!...>" and anything else unknown
    }

    // A name as the parser reads it; false where it finds none.
    bool Name() {
        if (!IsNameStart(At(m_pos)))
            return false;
        while (IsNameChar(At(m_pos)))
            ++m_pos;
        return true;
    }

    // name = "value", name = 'value' or name = value; false where the parser
    // fails.
    bool Attribute() {
        if (!Name())
            return false;
        SkipWhiteSpace();
        if (At(m_pos) != '=')
            return false;
        ++m_pos;
        SkipWhiteSpace();
        const unsigned char c = At(m_pos);
        if (c == 0)
            return false;
        if (c == '"' || c == '\'') {
            const size_t close = m_text.find(static_cast<char>(c), m_pos + 1);
            if (close == std::string::npos)
                return false;
            m_pos = close + 1;
            return true;
        }
        while (At(m_pos) != 0 && !IsWhiteSpace(At(m_pos)) && At(m_pos) != '/' && At(m_pos) != '>') {
            if (At(m_pos) == '"' || At(m_pos) == '\'')
                return false;
            ++m_pos;
        }
        return true;
    }

    // An element counts at its level from its "<name" on, empty or not.
    void OpenElement() {
        if (m_depth + 1 > m_maxDepth) {
            m_tooDeep = true;
            return;
        }
        ++m_pos;
        Name();
        for (;;) {
            SkipWhiteSpace();
            const unsigned char c = At(m_pos);
            if (c == 0)
                return Stop();
            if (c == '/') {
                if (At(m_pos + 1) != '>')
                    return Stop();
                m_pos += 2;
                return;
            }
            if (c == '>') {
                ++m_pos;
                ++m_depth;
                return;
            }
            if (!Attribute())
                return Stop();
        }
    }

    // "<?xml" with its version, encoding and standalone attributes; other
    // words are stepped over up to white space or ">".
    void Declaration() {
        m_pos += 5;
        while (At(m_pos) != 0) {
            if (At(m_pos) == '>') {
                ++m_pos;
                return;
            }
            SkipWhiteSpace();
            if (StartsWith("version", true) || StartsWith("encoding", true) ||
                StartsWith("standalone", true)) {
                if (!Attribute())
                    return Stop();
            } else {
                while (At(m_pos) != 0 && At(m_pos) != '>' && !IsWhiteSpace(At(m_pos)))
                    ++m_pos;
            }
        }
        Stop();
    }

    const std::string& m_text;
    const int m_maxDepth;
    size_t m_pos = 0;
    int m_depth = 0;
    bool m_stopped = false;
    bool m_tooDeep = false;
};

}  // namespace

bool XmlNestingCheck::WithinDepth(const std::string& text, int maxDepth) {
    if (text.find('\0') != std::string::npos || !Utf8Text::IsValid(text))
        return false;
    return Scanner(text, maxDepth).Run();
}
