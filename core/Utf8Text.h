#ifndef TIDEWAVE_UTF8TEXT_H
#define TIDEWAVE_UTF8TEXT_H

#include <cstddef>
#include <string>

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
namespace Utf8Text {

// Length of the valid sequence at text[i], or 0 when there is none.
size_t SequenceLength(const std::string& text, size_t i);
bool IsValid(const std::string& text);

}  // namespace Utf8Text

#endif
