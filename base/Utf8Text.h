#ifndef TIDEWAVE_UTF8TEXT_H
#define TIDEWAVE_UTF8TEXT_H

#include <cstddef>
#include <cstdint>
#include <string>

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
// The one check of the program; everything that reads or cuts UTF-8 goes
// through it.
namespace Utf8Text {

// Length of the valid sequence at text[i], or 0 when there is none; the
// code point goes to `codePoint` when the length is not 0.
size_t SequenceAt(const std::string& text, size_t i, uint32_t& codePoint);
// Length of the valid sequence at text[i], or 0 when there is none.
size_t SequenceLength(const std::string& text, size_t i);
bool IsValid(const std::string& text);

// Decodes `bytes` into `out` (capacity `count` wide characters): every
// valid sequence becomes its code point, every other byte U+FFFD.  The
// rest of `out` is zero-filled, so a shorter text is NUL-terminated.
void DecodeInto(const std::string& bytes, wchar_t* out, size_t count);

// The longest prefix of `text` of at most maxBytes bytes that does not
// end inside a multi-byte sequence.
std::string Truncate(const std::string& text, size_t maxBytes);

}  // namespace Utf8Text

#endif
