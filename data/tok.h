#pragma once
// The tagged value stream of the exchange file and the project file: each value is one tag
// byte followed by its payload; multi-byte numbers are little-endian.
//
//   0x02 int8   0x03 int16   0x04 int32   0x13 int64   0x05 real, 80-bit extended
//   0x06 string, 1-byte length, Windows-1250      0x0C string, 4-byte length, Windows-1250
//   0x12 string, 4-byte count of UTF-16LE units   0x14 string, 4-byte length, UTF-8
//   0x08 false  0x09 true

#include "data/fajl.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace nmk {

namespace tag {
inline constexpr std::uint8_t Int8 = 0x02;
inline constexpr std::uint8_t Int16 = 0x03;
inline constexpr std::uint8_t Int32 = 0x04;
inline constexpr std::uint8_t Real80 = 0x05;
inline constexpr std::uint8_t KratkiTekst = 0x06;
inline constexpr std::uint8_t Netacno = 0x08;
inline constexpr std::uint8_t Tacno = 0x09;
inline constexpr std::uint8_t DugiTekst = 0x0C;
inline constexpr std::uint8_t Utf16Tekst = 0x12;
inline constexpr std::uint8_t Int64 = 0x13;
inline constexpr std::uint8_t Utf8Tekst = 0x14;
} // namespace tag

// A read error: a tag not allowed for the value expected, a short file, an impossible length.
class GreskaCitanja : public GreskaFajla {
public:
    explicit GreskaCitanja(const std::string& poruka) : GreskaFajla(poruka) {}
};

// The 80-bit extended value of a double (exact), and back with round-to-nearest-even.
std::array<std::uint8_t, 10> DoubleU80(double x);
double Iz80(const std::uint8_t* bajtovi10);

class PisacToka {
public:
    // The smallest integer form: 0x02, 0x03 or 0x04 (0x13 beyond 32 bits).
    void Cijeli(std::int64_t v);
    void Realni(double x);
    void Logicki(bool b);
    // Pure ASCII as 0x06 (shorter than 256 bytes) or 0x0C; anything else as 0x14 UTF-8, with
    // each ill-formed sequence written as U+FFFD.
    void Tekst(std::string_view utf8);
    const std::string& Bajtovi() const { return bajtovi_; }

    // Exact forms, for tools that rebuild a file value by value.
    // An integer in the given tag's form (0x02, 0x03, 0x04 or 0x13); throws std::out_of_range
    // when the value does not fit that form and std::invalid_argument for another tag.
    void CijeliUObliku(std::uint8_t oznaka, std::int64_t v);
    // A real given by its ten 80-bit bytes, unchanged.
    void Realni80(const std::array<std::uint8_t, 10>& bajtovi10);
    // A string with the given tag (0x06, 0x0C, 0x12, 0x14) and its payload bytes unchanged;
    // 0x12 takes the UTF-16LE bytes (an even number). Throws std::invalid_argument when the
    // bytes cannot be written under that tag.
    void SirovTekst(std::uint8_t oznaka, std::string_view payload);
    // Bytes appended as they are (a tail that is not a whole value).
    void Sirovo(std::string_view bajtovi) { bajtovi_.append(bajtovi); }

private:
    std::string bajtovi_;
};

class CitacToka {
public:
    explicit CitacToka(std::string_view bajtovi) : bajtovi_(bajtovi) {}
    // Accepts 0x02, 0x03, 0x04 (sign-extended); anything else is a read error.
    std::int64_t Cijeli();
    // Accepts 0x05, and integers (0x02, 0x03, 0x04, 0x13) converted to a double.
    double Realni();
    // True only for 0x09; any other byte is false and nothing more is consumed.
    bool Logicki();
    // Accepts 0x06, 0x0C (Windows-1250), 0x12 (UTF-16LE), 0x14 (UTF-8); returns valid UTF-8
    // (each ill-formed sequence becomes U+FFFD).
    std::string Tekst();
    // Bytes not read yet.
    std::size_t Preostalo() const { return bajtovi_.size() - pozicija_; }
    std::size_t Pozicija() const { return pozicija_; }
    bool Kraj() const { return pozicija_ >= bajtovi_.size(); }
    // The tag of the next value without consuming it; a read error at the end.
    std::uint8_t SljedeciTag() const;

    // Exact forms, for tools that print a file value by value.
    // Any integer tag, 0x13 included.
    std::int64_t Cijeli64();
    // The ten bytes of a 0x05 real, unconverted.
    std::array<std::uint8_t, 10> Realni80();
    // A string's tag and its payload bytes, undecoded (0x12: the UTF-16LE bytes).
    std::pair<std::uint8_t, std::string> SirovTekst();

private:
    std::string_view bajtovi_;
    std::size_t pozicija_ = 0;
};

// The least encoded sizes of values, for bounding a count before anything is sized for it:
// a real may be written as a one-byte integer, an integer takes a tag and a byte, a boolean
// only its tag, a string at least a tag and a zero length byte (0x06).
namespace najmanje {
inline constexpr std::size_t Cijeli = 2;
inline constexpr std::size_t Realni = 2;
inline constexpr std::size_t Logicki = 1;
inline constexpr std::size_t Tekst = 2;
} // namespace najmanje

// Records counted before they are read. Each count must fit, at the least encoded size of
// one record, in the bytes left after the records counted before it; a count that does not
// is a damaged file, found before anything is sized for it. What passes costs at most a
// fixed multiple of the file's size. Counts read one after another ahead of their records
// (the project file's sections, concretes and steels) share one budget.
class BudzetZapisa {
public:
    explicit BudzetZapisa(const CitacToka& c) : c_(c) {}
    // n records of at least najmanjiZapis bytes each; a read error naming `sta` (which
    // reads as the count's name, e.g. "Broj presjeka") when they cannot fit.
    void Rezervisi(std::uint64_t n, std::size_t najmanjiZapis, const std::string& sta);

private:
    const CitacToka& c_;
    std::uint64_t rezervisano_ = 0;
};

} // namespace nmk
