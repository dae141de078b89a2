#ifndef TIDEWAVE_XMLNESTINGCHECK_H
#define TIDEWAVE_XMLNESTINGCHECK_H

#include <string>

// Tells, before a document is built, whether an XML text opens its elements
// no deeper than a given depth.  TinyXML recurses once for every element
// that is open, so a hostile file of deeply nested elements would exhaust
// the stack; a text that passes here cannot.
//
// The text is read the way TinyXML reads it in UTF-8 mode: declarations,
// comments, CDATA sections, unknown "<!...>" nodes and quoted attribute
// values are stepped over exactly as the parser steps over them, so a tag
// hidden from one is hidden from the other.  Text that is not valid UTF-8 or
// holds a NUL byte is refused, because the parser steps over a multi-byte
// sequence whole, whatever bytes it claims.  Where the parser would stop with
// an error the check stops too and accepts: nothing after that point is
// parsed.
class XmlNestingCheck {
public:
    static bool WithinDepth(const std::string& text, int maxDepth);
};

#endif
