// The code-page conversion both ways and the UTF-8 decoder. Bytes read as Windows-1250 give
// valid UTF-8 that converts back to the same bytes (an unassigned byte as '?'); bytes read as
// UTF-8 give one character for each well-formed character or ill-formed sequence, and their
// repaired text is valid, keeps valid text byte for byte, and decodes to the same characters.
#include "zajednicko.h"

#include "data/kodna_strana.h"

#include <algorithm>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* podaci, std::size_t velicina) {
    using namespace nmk;
    using fuzz::Provjeri;
    const std::string_view bajtovi = fuzz::Bajtovi(podaci, velicina);

    // Windows-1250 to UTF-8 and back.
    const std::string tekst = Cp1250UUtf8(bajtovi);
    Provjeri(JeIspravanUtf8(tekst), "a code-page text converts to ill-formed UTF-8");
    const std::string nazad = Utf8UCp1250(tekst);
    Provjeri(nazad.size() == bajtovi.size(), "a code-page text changes its length");
    for (std::size_t i = 0; i < nazad.size(); ++i)
        Provjeri(nazad[i] == bajtovi[i] || nazad[i] == '?', "a code-page byte does not come back");

    // UTF-8, strictly.
    const std::vector<char32_t> znakovi = Utf8UZnakove(bajtovi);
    const std::string popravljen = PopraviUtf8(bajtovi);
    Provjeri(JeIspravanUtf8(popravljen), "a repaired text is ill-formed");
    Provjeri(popravljen == ZnakoviUUtf8(znakovi), "repairing and re-encoding disagree");
    Provjeri(Utf8UZnakove(popravljen) == znakovi, "a repaired text decodes to other characters");
    Provjeri(!JeIspravanUtf8(bajtovi) || popravljen == bajtovi, "a valid text was changed");
    for (char32_t z : znakovi)
        Provjeri(z <= 0x10FFFF && !(z >= 0xD800 && z <= 0xDFFF), "a decoded non-character");
    const std::string cp = Utf8UCp1250(bajtovi);
    Provjeri(cp.size() == znakovi.size() && cp == Utf8UCp1250(popravljen),
             "UTF-8 to the code page is not one byte a character");
    Provjeri(BrojZnakova(bajtovi) == znakovi.size(), "the character count disagrees");
    const std::string prvi = PrviZnakovi(bajtovi, velicina / 2);
    Provjeri(JeIspravanUtf8(prvi) && BrojZnakova(prvi) == std::min(znakovi.size(), velicina / 2),
             "the first characters of a text are wrong");

    // UTF-16LE.
    Provjeri(JeIspravanUtf8(Utf16LEUUtf8(bajtovi)), "UTF-16 converts to ill-formed UTF-8");
    return 0;
}
