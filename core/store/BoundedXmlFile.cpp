#include "BoundedXmlFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <tinyxml.h>

#include "Utf8Text.h"

// Why counting "<" bounds the parser: TinyXML parses an element and
// everything inside it in one recursive call, and every element it opens
// starts at a "<" byte.  A text with at most N of them takes the parser no
// deeper than N levels, whatever entities, comments or quotes make of the
// rest.  About 170 bytes of stack go to a level, so 50,000 levels overflow
// the usual 8 MiB, while a few thousand stay far below it.

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

// The whole regular file at `path`, at most `limit` bytes.  The buffer is
// sized from the file as measured; reading goes on past that size until the
// end of the file or one byte beyond the limit, so a file that grew after
// it was measured (or one that reports no size) is still seen whole or as
// too large.
BoundedXmlFile::Result ReadText(const std::string& path, size_t limit, std::string& text) {
    // Not blocking: a pipe put in place after any earlier check must not
    // hold the caller.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.Get() < 0)
        return errno == ENOENT || errno == ENOTDIR ? BoundedXmlFile::MISSING : BoundedXmlFile::CANNOT_READ;
    struct stat st;
    if (::fstat(fd.Get(), &st) != 0)
        return BoundedXmlFile::CANNOT_READ;
    if (!S_ISREG(st.st_mode))
        return BoundedXmlFile::NOT_A_FILE;
    if (static_cast<unsigned long long>(st.st_size) > limit)
        return BoundedXmlFile::TOO_LARGE;

    std::string buffer(static_cast<size_t>(st.st_size) + 1, '\0');
    size_t used = 0;
    for (;;) {
        if (used == buffer.size()) {
            if (used > limit)
                return BoundedXmlFile::TOO_LARGE;
            buffer.resize(std::min(limit + 1, std::max<size_t>(buffer.size() * 2, 4096)));
        }
        const ssize_t n = ::read(fd.Get(), &buffer[used], buffer.size() - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return BoundedXmlFile::CANNOT_READ;
        }
        if (n == 0)
            break;
        used += static_cast<size_t>(n);
    }
    buffer.resize(used);
    text.swap(buffer);
    return BoundedXmlFile::READ;
}

const uint64_t kHighBits = 0x8080808080808080ULL;
const uint64_t kLowSevenBits = 0x7F7F7F7F7F7F7F7FULL;

// Of eight ASCII bytes (high bits clear), the high bit of each that is zero.
uint64_t ZeroBytes(uint64_t word) { return ~((word + kLowSevenBits) | word) & kHighBits; }

// The number of high bits set in a result of ZeroBytes.
size_t CountFlags(uint64_t flags) { return static_cast<size_t>(((flags >> 7) * 0x0101010101010101ULL) >> 56); }

// One pass over the text: strict UTF-8 without NUL bytes (the parser would
// stop at one), counting the "<" bytes on the way.  Runs of ASCII go eight
// bytes at a time.  False on the first byte that is not text.
bool ScanText(const std::string& text, size_t& tagStarts) {
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const size_t size = text.size();
    const uint64_t lessThans = 0x0101010101010101ULL * '<';
    size_t count = 0;
    for (size_t i = 0; i < size;) {
        if (size - i >= 8) {
            uint64_t word;
            std::memcpy(&word, bytes + i, sizeof word);
            if ((word & kHighBits) == 0) {
                if (ZeroBytes(word) != 0)
                    return false;
                count += CountFlags(ZeroBytes(word ^ lessThans));
                i += 8;
                continue;
            }
        }
        const unsigned char c = bytes[i];
        if (c < 0x80) {
            if (c == 0)
                return false;
            count += c == '<';
            ++i;
            continue;
        }
        const size_t length = Utf8Text::SequenceLength(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    tagStarts = count;
    return true;
}

// Whether no element lies deeper than `levels` below `node`; it looks no
// further down than that.
bool WithinDepth(const TiXmlNode* node, int levels) {
    for (const TiXmlNode* child = node->FirstChild(); child != nullptr; child = child->NextSibling()) {
        if (child->ToElement() != nullptr && (levels == 0 || !WithinDepth(child, levels - 1)))
            return false;
    }
    return true;
}

}  // namespace

BoundedXmlFile::Result BoundedXmlFile::Load(const std::string& path, const Limits& limits,
                                            TiXmlDocument& document) {
    std::string text;
    const Result read = ReadText(path, limits.maxBytes, text);
    if (read != READ)
        return read;
    size_t tagStarts = 0;
    if (!ScanText(text, tagStarts))
        return NOT_TEXT;
    if (tagStarts > limits.maxTagStarts)
        return TOO_MANY_ELEMENTS;

    document.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
    if (document.Error() || document.RootElement() == nullptr)
        return NOT_WELL_FORMED;
    if (!WithinDepth(&document, limits.maxDepth))
        return NESTED_TOO_DEEP;
    return READ;
}

const char* BoundedXmlFile::Describe(Result result) {
    switch (result) {
    case READ:
        return "read";
    case MISSING:
        return "missing";
    case NOT_A_FILE:
        return "not a regular file";
    case CANNOT_READ:
        return "cannot be read";
    case TOO_LARGE:
        return "too large";
    case NOT_TEXT:
        return "not UTF-8 text";
    case TOO_MANY_ELEMENTS:
        return "too many elements";
    case NOT_WELL_FORMED:
        return "not well-formed";
    case NESTED_TOO_DEEP:
        return "nested too deep";
    }
    return "refused";
}
