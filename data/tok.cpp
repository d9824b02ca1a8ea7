#include "data/tok.h"

#include "data/kodna_strana.h"

#include <bit>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace nmk {

namespace {

constexpr int kPomakDouble = 1023; // exponent bias of a double
constexpr int kPomak80 = 16383;    // exponent bias of the 80-bit extended format
constexpr std::uint64_t kCijeliBit = 1ull << 63;
constexpr std::uint64_t kMaska52 = (1ull << 52) - 1;

std::uint64_t BitoviDouble(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

double DoubleIzBitova(std::uint64_t v) {
    return std::bit_cast<double>(v);
}

std::array<std::uint8_t, 10> Sastavi80(bool negativan, unsigned eksponent, std::uint64_t m) {
    std::array<std::uint8_t, 10> b{};
    for (int i = 0; i < 8; ++i)
        b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(m >> (8 * i));
    const unsigned se = (negativan ? 0x8000u : 0u) | (eksponent & 0x7FFFu);
    b[8] = static_cast<std::uint8_t>(se & 0xFF);
    b[9] = static_cast<std::uint8_t>(se >> 8);
    return b;
}

// Rounds m * 2^e (m != 0) to the nearest double, ties to even, with gradual underflow and
// overflow to infinity. Works on the integer bits only, so no extended type is needed.
double ZaokruziUDouble(bool negativan, std::uint64_t m, int e) {
    const int nule = std::countl_zero(m);
    m <<= nule;
    e -= nule;
    // Now m has its top bit set and the value is m * 2^e; its binary exponent is e + 63.
    int eksponent = e + 63;
    const std::uint64_t znak = negativan ? kCijeliBit : 0;
    int pomak = 11; // a normal double keeps the top 53 of the 64 bits
    if (eksponent < 1 - kPomakDouble)
        pomak += (1 - kPomakDouble) - eksponent; // a denormal keeps fewer
    if (pomak > 64)
        return DoubleIzBitova(znak); // below half of the smallest denormal
    std::uint64_t zadrzano = pomak == 64 ? 0 : m >> pomak;
    const std::uint64_t ostatak = pomak == 64 ? m : m & ((1ull << pomak) - 1);
    const std::uint64_t pola = 1ull << (pomak - 1);
    if (ostatak > pola || (ostatak == pola && (zadrzano & 1)))
        ++zadrzano;
    if (eksponent < 1 - kPomakDouble) {
        // Denormal: a carry into bit 52 is exactly the smallest normal, which these bits
        // already encode.
        return DoubleIzBitova(znak | zadrzano);
    }
    if (zadrzano == (1ull << 53)) {
        zadrzano >>= 1;
        ++eksponent;
    }
    if (eksponent > kPomakDouble)
        return DoubleIzBitova(znak | (0x7FFull << 52));
    const auto polje = static_cast<std::uint64_t>(eksponent + kPomakDouble);
    return DoubleIzBitova(znak | (polje << 52) | (zadrzano & kMaska52));
}

[[noreturn]] void Greska(const std::string& sta, std::size_t pozicija) {
    throw GreskaCitanja(sta + " (bajt " + std::to_string(pozicija) + ")");
}

std::string NazivTaga(std::uint8_t t) {
    static const char* const heks = "0123456789ABCDEF";
    std::string s = "0x";
    s += heks[t >> 4];
    s += heks[t & 15];
    return s;
}

void DodajLE32(std::string& izlaz, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        izlaz += static_cast<char>((v >> (8 * i)) & 0xFF);
}

} // namespace

std::array<std::uint8_t, 10> DoubleU80(double x) {
    const std::uint64_t v = BitoviDouble(x);
    const bool negativan = (v >> 63) != 0;
    const unsigned polje = static_cast<unsigned>((v >> 52) & 0x7FF);
    const std::uint64_t razlomak = v & kMaska52;
    if (polje == 0x7FF) // infinity and NaN keep their payload in the top fraction bits
        return Sastavi80(negativan, 0x7FFF, kCijeliBit | (razlomak << 11));
    if (polje == 0) {
        if (razlomak == 0)
            return Sastavi80(negativan, 0, 0);
        // A denormal double is a normal extended value: shift its bits up to the integer bit.
        const int nule = std::countl_zero(razlomak);
        const int eksponent = -1074 - nule + 63; // value = (razlomak << nule) * 2^(-1074-nule)
        return Sastavi80(negativan, static_cast<unsigned>(eksponent + kPomak80), razlomak << nule);
    }
    const int eksponent = static_cast<int>(polje) - kPomakDouble;
    return Sastavi80(negativan, static_cast<unsigned>(eksponent + kPomak80),
                     kCijeliBit | (razlomak << 11));
}

double Iz80(const std::uint8_t* b) {
    std::uint64_t m = 0;
    for (int i = 7; i >= 0; --i)
        m = (m << 8) | b[i];
    const unsigned se = static_cast<unsigned>(b[8]) | (static_cast<unsigned>(b[9]) << 8);
    const bool negativan = (se & 0x8000u) != 0;
    const unsigned eksponent = se & 0x7FFFu;
    const std::uint64_t znak = negativan ? kCijeliBit : 0;
    if (eksponent == 0x7FFF) {
        const std::uint64_t razlomak = m & ~kCijeliBit;
        if (razlomak == 0 && (m & kCijeliBit))
            return DoubleIzBitova(znak | (0x7FFull << 52));
        // NaN (pseudo-infinities and pseudo-NaNs too): keep what of the payload fits, and
        // make sure the result is still a NaN.
        std::uint64_t teret = (razlomak >> 11) & kMaska52;
        if (teret == 0)
            teret = 1ull << 51;
        return DoubleIzBitova(znak | (0x7FFull << 52) | teret);
    }
    if (m == 0)
        return DoubleIzBitova(znak);
    // The value is m * 2^(eksponent - 16383 - 63); a zero exponent field means 1 - 16383,
    // and a missing integer bit (denormals, unnormals) is taken at its face value.
    const int e = (eksponent == 0 ? 1 : static_cast<int>(eksponent)) - kPomak80 - 63;
    return ZaokruziUDouble(negativan, m, e);
}

void PisacToka::Cijeli(std::int64_t v) {
    if (v >= -128 && v <= 127)
        CijeliUObliku(tag::Int8, v);
    else if (v >= -32768 && v <= 32767)
        CijeliUObliku(tag::Int16, v);
    else if (v >= std::numeric_limits<std::int32_t>::min() &&
             v <= std::numeric_limits<std::int32_t>::max())
        CijeliUObliku(tag::Int32, v);
    else
        CijeliUObliku(tag::Int64, v);
}

void PisacToka::CijeliUObliku(std::uint8_t oznaka, std::int64_t v) {
    int bajtova = 0;
    switch (oznaka) {
    case tag::Int8:
        bajtova = 1;
        break;
    case tag::Int16:
        bajtova = 2;
        break;
    case tag::Int32:
        bajtova = 4;
        break;
    case tag::Int64:
        bajtova = 8;
        break;
    default:
        throw std::invalid_argument("nije oznaka cijelog broja: " + NazivTaga(oznaka));
    }
    if (bajtova < 8) {
        const std::int64_t granica = std::int64_t{1} << (8 * bajtova - 1);
        if (v < -granica || v >= granica)
            throw std::out_of_range("broj " + std::to_string(v) + " ne stane u oblik " +
                                    NazivTaga(oznaka));
    }
    bajtovi_ += static_cast<char>(oznaka);
    const auto u = static_cast<std::uint64_t>(v);
    for (int i = 0; i < bajtova; ++i)
        bajtovi_ += static_cast<char>((u >> (8 * i)) & 0xFF);
}

void PisacToka::Realni(double x) {
    Realni80(DoubleU80(x));
}

void PisacToka::Realni80(const std::array<std::uint8_t, 10>& bajtovi10) {
    bajtovi_ += static_cast<char>(tag::Real80);
    for (std::uint8_t b : bajtovi10)
        bajtovi_ += static_cast<char>(b);
}

void PisacToka::Logicki(bool b) {
    bajtovi_ += static_cast<char>(b ? tag::Tacno : tag::Netacno);
}

void PisacToka::Tekst(std::string_view utf8) {
    // Nothing ill-formed is written: such a sequence goes out as U+FFFD.
    if (!JeAscii(utf8))
        SirovTekst(tag::Utf8Tekst, PopraviUtf8(utf8));
    else if (utf8.size() < 256)
        SirovTekst(tag::KratkiTekst, utf8);
    else
        SirovTekst(tag::DugiTekst, utf8);
}

void PisacToka::SirovTekst(std::uint8_t oznaka, std::string_view payload) {
    if (payload.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::invalid_argument("tekst je predug");
    const auto duzina = static_cast<std::uint32_t>(payload.size());
    switch (oznaka) {
    case tag::KratkiTekst:
        if (duzina > 255)
            throw std::invalid_argument("kratki tekst (0x06) ima najviše 255 bajtova");
        bajtovi_ += static_cast<char>(oznaka);
        bajtovi_ += static_cast<char>(duzina);
        break;
    case tag::DugiTekst:
    case tag::Utf8Tekst:
        bajtovi_ += static_cast<char>(oznaka);
        DodajLE32(bajtovi_, duzina);
        break;
    case tag::Utf16Tekst:
        if (duzina % 2 != 0)
            throw std::invalid_argument("UTF-16 tekst (0x12) mora imati paran broj bajtova");
        bajtovi_ += static_cast<char>(oznaka);
        DodajLE32(bajtovi_, duzina / 2);
        break;
    default:
        throw std::invalid_argument("nije oznaka teksta: " + NazivTaga(oznaka));
    }
    bajtovi_.append(payload);
}

std::uint8_t CitacToka::SljedeciTag() const {
    if (Kraj())
        Greska("Neočekivan kraj fajla", pozicija_);
    return static_cast<std::uint8_t>(bajtovi_[pozicija_]);
}

namespace {

// Reads n little-endian bytes at pos (already checked to be there).
std::uint64_t CitajLE(std::string_view b, std::size_t pos, int n) {
    std::uint64_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[pos + static_cast<std::size_t>(i)]);
    return v;
}

// Sign-extends the low n bytes.
std::int64_t SaZnakom(std::uint64_t v, int n) {
    if (n == 8)
        return static_cast<std::int64_t>(v);
    const std::uint64_t znak = 1ull << (8 * n - 1);
    return static_cast<std::int64_t>((v ^ znak) - znak);
}

int DuzinaCijelog(std::uint8_t t) {
    switch (t) {
    case tag::Int8:
        return 1;
    case tag::Int16:
        return 2;
    case tag::Int32:
        return 4;
    case tag::Int64:
        return 8;
    default:
        return 0;
    }
}

} // namespace

std::int64_t CitacToka::Cijeli() {
    const std::uint8_t t = SljedeciTag();
    if (t == tag::Int64)
        Greska("Očekivan cijeli broj (0x02, 0x03 ili 0x04), nađena oznaka 0x13", pozicija_);
    return Cijeli64();
}

std::int64_t CitacToka::Cijeli64() {
    const std::uint8_t t = SljedeciTag();
    const int n = DuzinaCijelog(t);
    if (n == 0)
        Greska("Očekivan cijeli broj, nađena oznaka " + NazivTaga(t), pozicija_);
    if (Preostalo() < 1 + static_cast<std::size_t>(n))
        Greska("Neočekivan kraj fajla u cijelom broju", pozicija_);
    const std::int64_t v = SaZnakom(CitajLE(bajtovi_, pozicija_ + 1, n), n);
    pozicija_ += 1 + static_cast<std::size_t>(n);
    return v;
}

double CitacToka::Realni() {
    const std::uint8_t t = SljedeciTag();
    if (t == tag::Real80) {
        const auto b = Realni80();
        return Iz80(b.data());
    }
    if (DuzinaCijelog(t) == 0)
        Greska("Očekivan realan broj, nađena oznaka " + NazivTaga(t), pozicija_);
    return static_cast<double>(Cijeli64());
}

std::array<std::uint8_t, 10> CitacToka::Realni80() {
    const std::uint8_t t = SljedeciTag();
    if (t != tag::Real80)
        Greska("Očekivan realan broj (0x05), nađena oznaka " + NazivTaga(t), pozicija_);
    if (Preostalo() < 11)
        Greska("Neočekivan kraj fajla u realnom broju", pozicija_);
    std::array<std::uint8_t, 10> b{};
    std::memcpy(b.data(), bajtovi_.data() + pozicija_ + 1, b.size());
    pozicija_ += 11;
    return b;
}

bool CitacToka::Logicki() {
    const std::uint8_t t = SljedeciTag();
    ++pozicija_;
    return t == tag::Tacno;
}

std::pair<std::uint8_t, std::string> CitacToka::SirovTekst() {
    const std::uint8_t t = SljedeciTag();
    const std::size_t pocetak = pozicija_;
    std::uint64_t bajtova = 0;
    std::size_t zaglavlje = 0;
    switch (t) {
    case tag::KratkiTekst:
        if (Preostalo() < 2)
            Greska("Neočekivan kraj fajla u dužini teksta", pocetak);
        bajtova = static_cast<unsigned char>(bajtovi_[pozicija_ + 1]);
        zaglavlje = 2;
        break;
    case tag::DugiTekst:
    case tag::Utf8Tekst:
    case tag::Utf16Tekst:
        if (Preostalo() < 5)
            Greska("Neočekivan kraj fajla u dužini teksta", pocetak);
        bajtova = CitajLE(bajtovi_, pozicija_ + 1, 4);
        if (t == tag::Utf16Tekst)
            bajtova *= 2; // a count of 16-bit units
        zaglavlje = 5;
        break;
    default:
        Greska("Očekivan tekst, nađena oznaka " + NazivTaga(t), pocetak);
    }
    // The length is checked against what the file still holds before anything is allocated.
    if (bajtova > Preostalo() - zaglavlje)
        Greska("Dužina teksta (" + std::to_string(bajtova) + " bajtova) veća je od ostatka fajla",
               pocetak);
    std::string payload(bajtovi_.substr(pozicija_ + zaglavlje, static_cast<std::size_t>(bajtova)));
    pozicija_ += zaglavlje + static_cast<std::size_t>(bajtova);
    return {t, std::move(payload)};
}

std::string CitacToka::Tekst() {
    auto [t, payload] = SirovTekst();
    switch (t) {
    case tag::Utf16Tekst:
        return Utf16LEUUtf8(payload);
    case tag::Utf8Tekst:
        // Each ill-formed sequence becomes U+FFFD, so memory only ever holds valid UTF-8.
        return PopraviUtf8(payload);
    default:
        return Cp1250UUtf8(payload);
    }
}

void BudzetZapisa::Rezervisi(std::uint64_t n, std::size_t najmanjiZapis, const std::string& sta) {
    const std::uint64_t preostalo = c_.Preostalo();
    const std::uint64_t slobodno = preostalo > rezervisano_ ? preostalo - rezervisano_ : 0;
    if (najmanjiZapis > 0 && n > slobodno / najmanjiZapis)
        Greska(sta + " " + std::to_string(n) +
                   " je veći nego što ostatak fajla od tog mjesta može sadržati",
               c_.Pozicija());
    rezervisano_ += n * najmanjiZapis;
}

} // namespace nmk
