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

// Code points of a UTF-8 text (an invalid byte becomes U+FFFD) and back.
std::vector<char32_t> Utf8UZnakove(std::string_view tekst);
std::string ZnakoviUUtf8(const std::vector<char32_t>& znakovi);

bool JeAscii(std::string_view tekst);
// Number of characters (code points) of a UTF-8 text.
std::size_t BrojZnakova(std::string_view tekst);
// The first n characters of a UTF-8 text.
std::string PrviZnakovi(std::string_view tekst, std::size_t n);

} // namespace nmk
