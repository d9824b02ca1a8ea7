// nosivometrik-prs: the companion command of the batch modes. It prints any tagged-value
// file (an exchange file or a project file) as readable text, one value a line with its
// tag, and builds a tagged-value file from such text. The round trip is exact: reals come
// back bit for bit, strings byte for byte, integers in the form they had.
//
//   nosivometrik-prs print FILE         the values of FILE on standard output
//   nosivometrik-prs build TEXT FILE    FILE from the text in TEXT ("-" reads stdin)
//
// One value a line:
//   int 5          the smallest integer form      int8 / int16 / int32 / int64 N   that form
//   real 1.5       a real (shortest text that reads back exactly; integers are accepted)
//   real80 3fff c000000000000001   a real given by its sign/exponent and significand bits
//   str "text"     a string in the writer's form (ASCII 0x06/0x0C, else UTF-8 0x14)
//   str8 / str32 "text"   0x06 / 0x0C, Windows-1250 bytes      utf16 "text"   0x12
//   utf8 "text"    0x14                                         true / false
//   bytes 0a0b     bytes that are not a whole value (the tail of a damaged file)
// In a string \" and \\ stand for themselves, \xNN for a raw byte (0x06, 0x0C, 0x14) and
// \uXXXX for one UTF-16 unit (0x12). A line whose first character is '#' is a comment, and
// so is the rest of a line after the value.

#include "data/fajl.h"
#include "data/kodna_strana.h"
#include "data/tok.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace nmk;

// ---- text of strings --------------------------------------------------------------------

void DodajUtf8(std::string& s, char32_t c) {
    s += ZnakoviUUtf8({c});
}

std::string Heks(unsigned v, int cifara) {
    static const char* const h = "0123456789abcdef";
    std::string s;
    for (int i = cifara - 1; i >= 0; --i)
        s += h[(v >> (4 * i)) & 15];
    return s;
}

bool Vidljiv(char32_t c) {
    return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) && c != '"' && c != '\\';
}

void DodajZnak(std::string& s, char32_t c, bool unicodeBijeg) {
    if (c == '"' || c == '\\') {
        s += '\\';
        s += static_cast<char>(c);
    } else if (Vidljiv(c)) {
        DodajUtf8(s, c);
    } else if (unicodeBijeg) {
        s += "\\u" + Heks(static_cast<unsigned>(c), 4);
    } else {
        s += "\\x" + Heks(static_cast<unsigned>(c), 2);
    }
}

// The character of a Windows-1250 byte, or nothing for an unassigned byte.
std::optional<char32_t> ZnakCp1250(unsigned char b) {
    if (b < 0x80)
        return b;
    const auto z = Utf8UZnakove(Cp1250UUtf8(std::string(1, static_cast<char>(b))));
    if (z.size() != 1 || z[0] == 0xFFFD)
        return std::nullopt;
    return z[0];
}

std::string TekstCp1250(std::string_view bajtovi) {
    std::string s = "\"";
    for (char ch : bajtovi) {
        const auto b = static_cast<unsigned char>(ch);
        const auto z = ZnakCp1250(b);
        if (z && (Vidljiv(*z) || *z == '"' || *z == '\\'))
            DodajZnak(s, *z, false);
        else
            s += "\\x" + Heks(b, 2);
    }
    return s + "\"";
}

// One well-formed UTF-8 character at i (shortest form, no surrogate); its length, or 0.
int DuzinaUtf8(std::string_view t, std::size_t i, char32_t& c) {
    const ZnakUtf8 z = DekodirajZnak(t, i);
    if (!z.ispravan)
        return 0;
    c = z.znak;
    return static_cast<int>(z.duzina);
}

std::string TekstUtf8(std::string_view bajtovi) {
    std::string s = "\"";
    for (std::size_t i = 0; i < bajtovi.size();) {
        char32_t c = 0;
        const int n = DuzinaUtf8(bajtovi, i, c);
        if (n > 0 && (Vidljiv(c) || c == '"' || c == '\\')) {
            DodajZnak(s, c, false);
            i += static_cast<std::size_t>(n);
        } else {
            s += "\\x" + Heks(static_cast<unsigned char>(bajtovi[i]), 2);
            ++i;
        }
    }
    return s + "\"";
}

std::string TekstUtf16(std::string_view bajtovi) {
    std::vector<char16_t> j;
    for (std::size_t i = 0; i + 1 < bajtovi.size(); i += 2)
        j.push_back(static_cast<char16_t>(static_cast<unsigned char>(bajtovi[i]) |
                                          (static_cast<unsigned char>(bajtovi[i + 1]) << 8)));
    std::string s = "\"";
    for (std::size_t i = 0; i < j.size(); ++i) {
        const char32_t u = j[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < j.size() && j[i + 1] >= 0xDC00 &&
            j[i + 1] <= 0xDFFF) {
            DodajZnak(s, 0x10000 + ((u - 0xD800) << 10) + (j[i + 1] - 0xDC00u), true);
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            s += "\\u" + Heks(static_cast<unsigned>(u), 4);
        } else {
            DodajZnak(s, u, true);
        }
    }
    return s + "\"";
}

// ---- printing ---------------------------------------------------------------------------

std::string TekstRealnog(const std::array<std::uint8_t, 10>& b) {
    const double x = Iz80(b.data());
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    std::string tekst(buf, r.ptr);
    double nazad = 0;
    const auto p = std::from_chars(tekst.data(), tekst.data() + tekst.size(), nazad);
    if (p.ec == std::errc{} && DoubleU80(nazad) == b)
        return "real " + tekst;
    std::uint64_t m = 0;
    for (int i = 7; i >= 0; --i)
        m = (m << 8) | b[static_cast<std::size_t>(i)];
    return "real80 " + Heks(static_cast<unsigned>(b[8] | (b[9] << 8)), 4) + " " +
           Heks(static_cast<unsigned>(m >> 32), 8) + Heks(static_cast<unsigned>(m), 8);
}

// One value as its line; false when the rest of the stream is not a whole value.
bool IspisiVrijednost(CitacToka& c, std::ostream& izlaz) {
    switch (c.SljedeciTag()) {
    case tag::Int8:
    case tag::Int16:
    case tag::Int32:
    case tag::Int64: {
        static const char* const imena[] = {"", "int8", "int16", "", "int32", "", "", "", "int64"};
        const auto prije = c.Pozicija();
        const auto v = c.Cijeli64();
        izlaz << imena[c.Pozicija() - prije - 1] << ' ' << v << '\n';
        return true;
    }
    case tag::Real80:
        izlaz << TekstRealnog(c.Realni80()) << '\n';
        return true;
    case tag::Tacno:
    case tag::Netacno:
        izlaz << (c.Logicki() ? "true" : "false") << '\n';
        return true;
    case tag::KratkiTekst:
    case tag::DugiTekst:
    case tag::Utf16Tekst:
    case tag::Utf8Tekst: {
        const auto [t, payload] = c.SirovTekst();
        if (t == tag::Utf16Tekst)
            izlaz << "utf16 " << TekstUtf16(payload) << '\n';
        else if (t == tag::Utf8Tekst)
            izlaz << "utf8 " << TekstUtf8(payload) << '\n';
        else
            izlaz << (t == tag::KratkiTekst ? "str8 " : "str32 ") << TekstCp1250(payload) << '\n';
        return true;
    }
    default:
        return false;
    }
}

int Ispisi(const std::string& putanja) {
    const std::string sve = ProcitajFajl(Utf8Putanja(putanja));
    CitacToka c(sve);
    std::ostringstream izlaz;
    while (!c.Kraj()) {
        const auto pocetak = c.Pozicija();
        bool cijela = false;
        try {
            cijela = IspisiVrijednost(c, izlaz);
        } catch (const GreskaCitanja&) {
            cijela = false;
        }
        if (!cijela) {
            std::string rep;
            for (std::size_t i = pocetak; i < sve.size(); ++i)
                rep += Heks(static_cast<unsigned char>(sve[i]), 2);
            izlaz << "bytes " << rep << '\n';
            break;
        }
    }
    std::cout << izlaz.str();
    return 0;
}

// ---- building ---------------------------------------------------------------------------

struct GreskaTeksta : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One item of a quoted string: a character, or a raw byte / UTF-16 unit from an escape.
struct Dio {
    char32_t vrijednost;
    bool sirov;
};

class Red {
public:
    explicit Red(std::string_view s) : s_(s) {}

    void Razmak() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\r'))
            ++i_;
    }
    std::string Rijec() {
        Razmak();
        const auto p = i_;
        while (i_ < s_.size() && s_[i_] != ' ' && s_[i_] != '\t' && s_[i_] != '\r')
            ++i_;
        return std::string(s_.substr(p, i_ - p));
    }
    // Only a comment or nothing may follow the value.
    void Kraj() {
        Razmak();
        if (i_ < s_.size() && s_[i_] != '#')
            throw GreskaTeksta("višak teksta iza vrijednosti: " + std::string(s_.substr(i_)));
    }
    std::vector<Dio> Navodnici() {
        Razmak();
        if (i_ >= s_.size() || s_[i_] != '"')
            throw GreskaTeksta("očekivan tekst u navodnicima");
        ++i_;
        std::vector<Dio> dijelovi;
        while (true) {
            if (i_ >= s_.size())
                throw GreskaTeksta("tekst nije zatvoren navodnikom");
            const char ch = s_[i_];
            if (ch == '"') {
                ++i_;
                return dijelovi;
            }
            if (ch == '\\') {
                dijelovi.push_back(Bijeg());
                continue;
            }
            char32_t c = 0;
            const int n = DuzinaUtf8(s_, i_, c);
            if (n == 0)
                throw GreskaTeksta("neispravan UTF-8 u tekstu");
            dijelovi.push_back({c, false});
            i_ += static_cast<std::size_t>(n);
        }
    }

private:
    Dio Bijeg() {
        if (i_ + 1 >= s_.size())
            throw GreskaTeksta("nepotpun znak \\");
        const char vrsta = s_[i_ + 1];
        if (vrsta == '"' || vrsta == '\\') {
            i_ += 2;
            return {static_cast<char32_t>(vrsta), false};
        }
        const std::size_t cifara = vrsta == 'x' ? 2 : vrsta == 'u' ? 4 : 0;
        if (cifara == 0 || i_ + 2 + cifara > s_.size())
            throw GreskaTeksta("nepoznat ili nepotpun znak \\" + std::string(1, vrsta));
        unsigned v = 0;
        const char* poc = s_.data() + i_ + 2;
        const auto r = std::from_chars(poc, poc + cifara, v, 16);
        if (r.ec != std::errc{} || r.ptr != poc + cifara)
            throw GreskaTeksta("neispravne heksadecimalne cifre iza \\" + std::string(1, vrsta));
        i_ += 2 + cifara;
        return {v, true};
    }

    std::string_view s_;
    std::size_t i_ = 0;
};

std::int64_t CijeliIzTeksta(const std::string& t) {
    std::int64_t v = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (r.ec != std::errc{} || r.ptr != t.data() + t.size())
        throw GreskaTeksta("neispravan cijeli broj: " + t);
    return v;
}

std::uint64_t HeksIzTeksta(const std::string& t, std::size_t cifara) {
    std::uint64_t v = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v, 16);
    if (t.size() != cifara || r.ec != std::errc{} || r.ptr != t.data() + t.size())
        throw GreskaTeksta("očekivano " + std::to_string(cifara) + " heksadecimalnih cifara: " + t);
    return v;
}

double RealniIzTeksta(const std::string& t) {
    double v = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (r.ec != std::errc{} || r.ptr != t.data() + t.size())
        throw GreskaTeksta("neispravan realan broj: " + t);
    return v;
}

// The bytes of a string for a tag: Windows-1250 for 0x06/0x0C, UTF-8 for 0x14 and the
// general form, UTF-16LE for 0x12.
std::string BajtoviTeksta(const std::vector<Dio>& dijelovi, std::uint8_t oznaka) {
    std::string s;
    for (const Dio& d : dijelovi) {
        if (oznaka == tag::Utf16Tekst) {
            std::vector<char16_t> jedinice;
            if (d.sirov || d.vrijednost < 0x10000) {
                jedinice.push_back(static_cast<char16_t>(d.vrijednost));
            } else {
                jedinice.push_back(
                    static_cast<char16_t>(0xD800 + ((d.vrijednost - 0x10000) >> 10)));
                jedinice.push_back(
                    static_cast<char16_t>(0xDC00 + ((d.vrijednost - 0x10000) & 0x3FF)));
            }
            for (char16_t u : jedinice) {
                s += static_cast<char>(u & 0xFF);
                s += static_cast<char>(u >> 8);
            }
        } else if (d.sirov) {
            if (d.vrijednost > 0xFF)
                throw GreskaTeksta("\\u je dozvoljen samo u utf16 tekstu");
            s += static_cast<char>(d.vrijednost);
        } else if (oznaka == tag::KratkiTekst || oznaka == tag::DugiTekst) {
            const std::string b = Utf8UCp1250(ZnakoviUUtf8({d.vrijednost}));
            if (b == "?" && d.vrijednost != '?')
                throw GreskaTeksta("znak nije u kodnoj strani Windows-1250");
            s += b;
        } else {
            DodajUtf8(s, d.vrijednost);
        }
    }
    return s;
}

void NapraviRed(std::string_view linija, PisacToka& p) {
    Red red(linija);
    const std::string rijec = red.Rijec();
    if (rijec.empty() || rijec[0] == '#')
        return;
    if (rijec == "int") {
        p.Cijeli(CijeliIzTeksta(red.Rijec()));
    } else if (rijec == "int8" || rijec == "int16" || rijec == "int32" || rijec == "int64") {
        const std::uint8_t oznaka = rijec == "int8"    ? tag::Int8
                                    : rijec == "int16" ? tag::Int16
                                    : rijec == "int32" ? tag::Int32
                                                       : tag::Int64;
        p.CijeliUObliku(oznaka, CijeliIzTeksta(red.Rijec()));
    } else if (rijec == "real") {
        p.Realni(RealniIzTeksta(red.Rijec()));
    } else if (rijec == "real80") {
        const auto se = HeksIzTeksta(red.Rijec(), 4);
        const auto m = HeksIzTeksta(red.Rijec(), 16);
        std::array<std::uint8_t, 10> b{};
        for (int i = 0; i < 8; ++i)
            b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(m >> (8 * i));
        b[8] = static_cast<std::uint8_t>(se & 0xFF);
        b[9] = static_cast<std::uint8_t>(se >> 8);
        p.Realni80(b);
    } else if (rijec == "true" || rijec == "false") {
        p.Logicki(rijec == "true");
    } else if (rijec == "str") {
        p.Tekst(BajtoviTeksta(red.Navodnici(), tag::Utf8Tekst));
    } else if (rijec == "str8" || rijec == "str32" || rijec == "utf8" || rijec == "utf16") {
        const std::uint8_t oznaka = rijec == "str8"    ? tag::KratkiTekst
                                    : rijec == "str32" ? tag::DugiTekst
                                    : rijec == "utf8"  ? tag::Utf8Tekst
                                                       : tag::Utf16Tekst;
        p.SirovTekst(oznaka, BajtoviTeksta(red.Navodnici(), oznaka));
    } else if (rijec == "bytes") {
        const std::string h = red.Rijec();
        if (h.size() % 2 != 0)
            throw GreskaTeksta("neparan broj heksadecimalnih cifara");
        std::string b;
        for (std::size_t i = 0; i < h.size(); i += 2)
            b += static_cast<char>(HeksIzTeksta(h.substr(i, 2), 2));
        p.Sirovo(b);
    } else {
        throw GreskaTeksta("nepoznata vrsta vrijednosti: " + rijec);
    }
    red.Kraj();
}

int Napravi(const std::string& tekstPutanja, const std::string& izlazPutanja) {
    std::string tekst;
    if (tekstPutanja == "-")
        tekst.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    else
        tekst = ProcitajFajl(Utf8Putanja(tekstPutanja));
    PisacToka p;
    std::istringstream linije(tekst);
    std::string linija;
    for (int broj = 1; std::getline(linije, linija); ++broj) {
        try {
            NapraviRed(linija, p);
        } catch (const std::exception& e) {
            throw GreskaTeksta("red " + std::to_string(broj) + ": " + e.what());
        }
    }
    ZapisiAtomski(Utf8Putanja(izlazPutanja), p.Bajtovi());
    return 0;
}

int Upotreba() {
    std::cerr << "Upotreba:\n"
                 "  nosivometrik-prs print FILE        vrijednosti fajla kao tekst\n"
                 "  nosivometrik-prs build TEXT FILE   fajl iz teksta (TEXT \"-\" = stdin)\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const std::string komanda = argc > 1 ? argv[1] : "";
        if (komanda == "print" && argc == 3)
            return Ispisi(argv[2]);
        if (komanda == "build" && argc == 4)
            return Napravi(argv[2], argv[3]);
        return Upotreba();
    } catch (const std::exception& e) {
        std::cerr << "nosivometrik-prs: " << e.what() << '\n';
        return 1;
    }
}
