#pragma once
// Text conversions at file boundaries. In memory every string is UTF-8; the 8-bit code page
// of the files is Windows-1250.

#include <string>
#include <string_view>
#include <vector>

namespace nmk {

// Windows-1250 bytes to UTF-8 (an unassigned byte becomes U+FFFD).
std::string Cp1250UUtf8(std::string_view bajtovi);
// UTF-8 to Windows-1250 bytes; a character the code page lacks becomes '?'.
std::string Utf8UCp1250(std::string_view tekst);
// UTF-16LE bytes to UTF-8 (an odd trailing byte is ignored).
std::string Utf16LEUUtf8(std::string_view bajtovi);

// One step of strict UTF-8 decoding at byte i (< size): a well-formed character with its
// length, or U+FFFD for the longest start of an ill-formed sequence (at least one byte).
// Ill-formed are: a stray continuation byte, the leads C0, C1 and F5-FF, an overlong form,
// a surrogate (U+D800-U+DFFF), a code point above U+10FFFF, and a truncated sequence.
struct ZnakUtf8 {
    char32_t znak = 0;
    std::size_t duzina = 1;
    bool ispravan = false;
};
ZnakUtf8 DekodirajZnak(std::string_view tekst, std::size_t i);

// Code points of a UTF-8 text (each ill-formed sequence becomes one U+FFFD) and back (a
// surrogate or a value above U+10FFFF is written as U+FFFD, so the result is always valid).
std::vector<char32_t> Utf8UZnakove(std::string_view tekst);
std::string ZnakoviUUtf8(const std::vector<char32_t>& znakovi);
// True when the text is well-formed UTF-8.
bool JeIspravanUtf8(std::string_view tekst);
// The text with each ill-formed sequence replaced by U+FFFD.
std::string PopraviUtf8(std::string_view tekst);

bool JeAscii(std::string_view tekst);
// Number of characters (code points) of a UTF-8 text.
std::size_t BrojZnakova(std::string_view tekst);
// The first n characters of a UTF-8 text.
std::string PrviZnakovi(std::string_view tekst, std::size_t n);

} // namespace nmk
