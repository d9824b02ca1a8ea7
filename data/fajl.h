#pragma once
// File helpers shared by the catalogues, the exchange file and the project file.

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>

namespace nmk {

// A file that cannot be read, written or understood. The text is shown to the user.
class GreskaFajla : public std::runtime_error {
public:
    explicit GreskaFajla(const std::string& poruka) : std::runtime_error(poruka) {}
};

// A file whose content asks for more memory than there is: to the user, a damaged file.
inline constexpr const char* PorukaPremaloMemorije =
    "Fajl je oštećen ili prevelik: za njegov sadržaj nema dovoljno memorije";

// The text of an error met while opening a file: an allocation failure reads as the damaged
// file it comes from, anything else keeps its own text.
std::string TekstGreskeFajla(const std::exception& e);

// Runs a reader so that an allocation failure ends it as the damaged file it is: a
// GreskaFajla with PorukaPremaloMemorije instead of std::bad_alloc or std::length_error.
template <typename Citanje> auto BezIscrpljenja(Citanje&& citanje) -> decltype(citanje()) {
    try {
        return citanje();
    } catch (const std::bad_alloc&) {
        throw GreskaFajla(PorukaPremaloMemorije);
    } catch (const std::length_error&) {
        throw GreskaFajla(PorukaPremaloMemorije);
    }
}

// The whole file as bytes; throws GreskaFajla when it cannot be read (also when it does not
// fit in memory).
std::string ProcitajFajl(const std::filesystem::path& putanja);

// Writes the bytes to a temporary file in the same folder and renames it over the target,
// so the target is either the old file or the whole new one, never half-written.
void ZapisiAtomski(const std::filesystem::path& putanja, std::string_view bajtovi);

// A path as UTF-8 text (for messages).
std::string PutanjaUtf8(const std::filesystem::path& putanja);
// A UTF-8 text as a path.
std::filesystem::path Utf8Putanja(std::string_view tekst);

// Little-endian numbers, converted bit-exactly.
inline void DodajLE64(std::string& izlaz, std::uint64_t v) {
    for (int i = 0; i < 8; ++i)
        izlaz += static_cast<char>((v >> (8 * i)) & 0xFF);
}
inline std::uint64_t CitajLE64(const unsigned char* p) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}
inline void DodajDouble(std::string& izlaz, double x) {
    std::uint64_t v;
    std::memcpy(&v, &x, sizeof v);
    DodajLE64(izlaz, v);
}
inline double CitajDouble(const unsigned char* p) {
    const std::uint64_t v = CitajLE64(p);
    double x;
    std::memcpy(&x, &v, sizeof x);
    return x;
}

} // namespace nmk
