#ifndef TIDEWAVE_GRAPHEMES_H
#define TIDEWAVE_GRAPHEMES_H

#include <cstddef>
#include <string>
#include <vector>

// The characters of a UTF-8 text as a reader sees them: the pieces between
// the places where a text cursor can stand, as Pango finds them.  A letter
// with its combining accents, an emoji sequence joined by zero-width
// joiners, a flag's pair of regional indicators and a Hangul syllable
// written in jamo are one character each, so that a text cut or broken
// between characters never splits what is drawn as one.  A text that is
// not valid UTF-8 is taken one code point at a time, a byte that begins no
// valid sequence counting as a character of its own.
class Graphemes {
public:
    explicit Graphemes(const std::string& text);

    size_t Count() const { return m_starts.size(); }
    // The byte where character `n` starts; the text's end from Count() on.
    size_t At(size_t n) const { return n < m_starts.size() ? m_starts[n] : m_text.size(); }
    // Characters [first, end).
    std::string Slice(size_t first, size_t end) const { return m_text.substr(At(first), At(end) - At(first)); }
    // The text without characters [first, end), `mark` in their place.
    std::string Without(size_t first, size_t end, const std::string& mark) const {
        return m_text.substr(0, At(first)) + mark + m_text.substr(At(end));
    }
    // True when character `n` is made only of bytes in `blanks` (a space
    // that carries an accent is not).
    bool IsBlank(size_t n, const char* blanks = " ") const;
    // The runs of characters between blank ones (IsBlank), empty runs left
    // out.
    std::vector<std::string> Words(const char* blanks = " ") const;

private:
    const std::string& m_text;
    std::vector<size_t> m_starts;
};

#endif
