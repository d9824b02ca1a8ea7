#pragma once
// A small rich-text (RTF 1.x) writer for the report model: font table, sizes, bold, italic,
// underline, the lowered index letter, first-line indent and tab stops; every character outside
// 7-bit ASCII is written as a \uN escape with "?" for readers that do not know it.

#include "render/izvjestaj.h"

#include <string>

namespace nmk::render {

// The whole document as RTF text (7-bit ASCII).
std::string UpisiRtf(const Izvjestaj& iz);

// A UTF-8 text as RTF text: \, { and } escaped, tabs as \tab, the rest of ASCII as is, other
// characters as \uN? (N the signed 16-bit UTF-16 unit; surrogate pairs for the astral planes).
std::string RtfTekst(const std::string& utf8);

} // namespace nmk::render
