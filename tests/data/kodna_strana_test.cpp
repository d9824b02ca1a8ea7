// Strict UTF-8: every ill-formed sequence becomes one U+FFFD on the way in, nothing
// ill-formed goes out, and the 8-bit code page round-trips what it can hold.
#include "data/kodna_strana.h"

#include "data/tok.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace nmk {
namespace {

constexpr char32_t Z = 0xFFFD;

struct Slucaj {
    const char* naziv;
    std::string bajtovi;
    std::vector<char32_t> znakovi;
};

// Ill-formed sequences with the code points they decode to (one U+FFFD for each longest
// start of a sequence that cannot be completed), and well-formed edges.
const std::vector<Slucaj>& Slucajevi() {
    static const std::vector<Slucaj> s = {
        {"surrogate D800", "\xED\xA0\x80", {Z, Z, Z}},
        {"surrogate DFFF", "\xED\xBF\xBF", {Z, Z, Z}},
        {"above 10FFFF", "\xF4\x90\x80\x80", {Z, Z, Z, Z}},
        {"above 10FFFF, then FF", "\xF4\x9F\x98\x80\xFF", {Z, Z, Z, Z, Z}},
        {"lead F5", "\xF5\x80\x80\x80", {Z, Z, Z, Z}},
        {"lead F7", "\xF7\xBF\xBF\xBF", {Z, Z, Z, Z}},
        {"overlong NUL", std::string("A\xC0\x80", 3), {'A', Z, Z}},
        {"overlong C1", "\xC1\xBF", {Z, Z}},
        {"overlong slash", "\xE0\x80\xAF", {Z, Z, Z}},
        {"overlong four bytes", "\xF0\x8F\xBF\xBF", {Z, Z, Z, Z}},
        {"truncated at the end", "a\xE2\x82", {'a', Z}},
        {"truncated before ASCII",
         "\xE2\x82"
         "a",
         {Z, 'a'}},
        {"truncated four bytes", "\xF0\x9F\x98x", {Z, 'x'}},
        {"stray continuation", "\x80\xBF", {Z, Z}},
        {"bytes FE FF", "\xFE\xFF", {Z, Z}},
        {"last before surrogates", "\xED\x9F\xBF", {0xD7FF}},
        {"first after surrogates", "\xEE\x80\x80", {0xE000}},
        {"largest code point", "\xF4\x8F\xBF\xBF", {0x10FFFF}},
        {"smallest of each length", "\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80", {0x80, 0x800, 0x10000}},
        {"NUL itself", std::string("\0", 1), {0}},
        {"letters", "čćžšđ", {0x10D, 0x107, 0x17E, 0x161, 0x111}},
    };
    return s;
}

TEST(Utf8UZnakove, GivesOneReplacementForEveryIllFormedSequence) {
    for (const Slucaj& s : Slucajevi()) {
        EXPECT_EQ(Utf8UZnakove(s.bajtovi), s.znakovi) << s.naziv;
        const bool ispravan = std::find(s.znakovi.begin(), s.znakovi.end(), Z) == s.znakovi.end();
        EXPECT_EQ(JeIspravanUtf8(s.bajtovi), ispravan) << s.naziv;
    }
}

TEST(PopraviUtf8, GivesValidTextThatStaysAsItIsAndKeepsValidTextByteForByte) {
    for (const Slucaj& s : Slucajevi()) {
        const std::string popravljen = PopraviUtf8(s.bajtovi);
        EXPECT_TRUE(JeIspravanUtf8(popravljen)) << s.naziv;
        EXPECT_EQ(PopraviUtf8(popravljen), popravljen) << s.naziv;
        EXPECT_EQ(Utf8UZnakove(popravljen), s.znakovi) << s.naziv;
        if (JeIspravanUtf8(s.bajtovi)) {
            EXPECT_EQ(popravljen, s.bajtovi) << s.naziv;
        }
    }
}

TEST(ZnakoviUUtf8, WritesNoSurrogateAndNothingAboveTheLastCodePoint) {
    EXPECT_EQ(ZnakoviUUtf8({0xD800, 0xDFFF, 0x110000, 0xFFFFFFFF, 'a'}),
              "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"
              "a");
}

TEST(Utf8UCp1250, TurnsEveryIllFormedSequenceIntoAQuestionMark) {
    EXPECT_EQ(Utf8UCp1250(std::string("A\xC0\x80"
                                      "\xED\xBF\xBF",
                                      6)),
              "A?????");
    EXPECT_EQ(Utf8UCp1250("Čelik ž"), "\xC8"
                                      "elik \x9E");
}

TEST(Cp1250UUtf8, RoundTripsEveryAssignedByte) {
    for (int b = 0; b < 256; ++b) {
        const std::string bajt(1, static_cast<char>(b));
        const std::string tekst = Cp1250UUtf8(bajt);
        EXPECT_TRUE(JeIspravanUtf8(tekst)) << b;
        if (tekst != "\xEF\xBF\xBD") {
            EXPECT_EQ(Utf8UCp1250(tekst), bajt) << b;
        }
    }
}

// A 0x14 string with the given payload.
std::string Utf8Vrijednost(const std::string& payload) {
    PisacToka t;
    t.SirovTekst(tag::Utf8Tekst, payload);
    return t.Bajtovi();
}

TEST(CitacToka, ReadsEveryIllFormedUtf8StringAsValidTextThatWritesBackValid) {
    for (const Slucaj& s : Slucajevi()) {
        const std::string ulaz = Utf8Vrijednost(s.bajtovi);
        CitacToka c(ulaz);
        const std::string tekst = c.Tekst();
        EXPECT_EQ(Utf8UZnakove(tekst), s.znakovi) << s.naziv;
        // Written by the program and read again: the same text, and only valid bytes.
        PisacToka t;
        t.Tekst(tekst);
        CitacToka nazad(t.Bajtovi());
        const auto [oznaka, payload] = CitacToka(t.Bajtovi()).SirovTekst();
        EXPECT_TRUE(JeIspravanUtf8(payload)) << s.naziv;
        EXPECT_EQ(nazad.Tekst(), tekst) << s.naziv;
    }
}

TEST(PisacToka, WritesAnIllFormedTextInMemoryAsValidUtf8) {
    PisacToka t;
    t.Tekst(std::string("Greda \xC0\x80 \xF5", 10));
    const auto [oznaka, payload] = CitacToka(t.Bajtovi()).SirovTekst();
    EXPECT_EQ(oznaka, tag::Utf8Tekst);
    EXPECT_EQ(payload, "Greda \xEF\xBF\xBD\xEF\xBF\xBD \xEF\xBF\xBD");
}

} // namespace
} // namespace nmk
