#ifndef TIDEWAVE_BOUNDEDXMLFILE_H
#define TIDEWAVE_BOUNDEDXMLFILE_H

#include <cstddef>
#include <string>

class TiXmlDocument;

// Reads one of the program's small XML files (profiles, the policy, the
// settings version, the mesh configuration) within bounds that no file,
// however it was made, can take the parser past: a size, strict UTF-8 text
// without NUL bytes, a number of elements, and a depth of elements.
class BoundedXmlFile {
public:
    struct Limits {
        size_t maxBytes;
        // Upper bound of "<" bytes in the text, checked before parsing.
        size_t maxTagStarts;
        // Elements may lie at most this many levels below the document.
        int maxDepth;
    };

    enum Result {
        READ,
        MISSING,            // nothing at the path (or a folder on it is missing)
        NOT_A_FILE,         // a folder, device, pipe, ...
        CANNOT_READ,        // no permission, or a read error
        TOO_LARGE,
        NOT_TEXT,           // not strict UTF-8, or holds a NUL byte
        TOO_MANY_ELEMENTS,
        NOT_WELL_FORMED,    // also a document without a root element
        NESTED_TOO_DEEP,
    };

    // Parses the file into `document` (as UTF-8).  Everything but the parse
    // is decided before the parser runs, except the depth, which is judged
    // on the parsed tree.  `document` holds nothing usable unless READ.
    static Result Load(const std::string& path, const Limits& limits, TiXmlDocument& document);

    // A short English phrase for log lines ("nested too deep").
    static const char* Describe(Result result);
};

#endif
