// The companion command: every tagged-value file prints as text and builds back to the same
// bytes, and hand-written text builds the values it names.
#include "e2e/program.h"

#include "data/tok.h"

#include <gtest/gtest.h>

#include <bit>
#include <limits>
#include <random>

namespace nmk::test {
namespace {

std::string B(std::initializer_list<int> bajtovi) {
    std::string s;
    for (int b : bajtovi)
        s += static_cast<char>(b);
    return s;
}

// print, then build from what was printed: the bytes must come back unchanged.
std::string KrozTekst(const PrivremeniProgram& f, const std::string& bajtovi) {
    ZapisiAtomski(f.Razmjena(), bajtovi);
    const std::string tekst = f.CitajRazmjenu();
    fs::remove(f.Razmjena());
    f.NapraviRazmjenu(tekst);
    return ProcitajFajl(f.Razmjena());
}

TEST(Prs, RoundTripsEveryKindOfValueByteForByte) {
    PrivremeniProgram f(false);
    PisacToka t;
    t.Cijeli(0);
    t.CijeliUObliku(tag::Int32, 7); // a form larger than needed stays that form
    t.Cijeli(-40000);
    t.Cijeli(std::numeric_limits<std::int64_t>::min());
    for (double x :
         {0.1, -0.0, 1e300, std::numeric_limits<double>::denorm_min(),
          std::numeric_limits<double>::infinity(), std::bit_cast<double>(0x7FF4000000000123ull)})
        t.Realni(x);
    t.Realni80({1, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}); // more bits than a double holds
    t.Realni80({0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F}); // an unnormal
    t.Logicki(true);
    t.Logicki(false);
    t.SirovTekst(tag::KratkiTekst, "a\"b\\c \x9a\x81\n"); // with an unassigned byte
    t.SirovTekst(tag::DugiTekst, "MB 30");
    t.SirovTekst(tag::Utf8Tekst, "Greda \xc4\x8d \xff \xc0\xaf"); // invalid and overlong bytes
    t.SirovTekst(tag::Utf16Tekst, B({0x0D, 0x01, 0x00, 0xD8, 0x3D, 0xD8, 0x00, 0xDE, 0x0A, 0}));
    const std::string bajtovi = t.Bajtovi() + B({0x05, 1, 2, 3}); // and a damaged tail
    EXPECT_EQ(KrozTekst(f, bajtovi), bajtovi);
}

TEST(Prs, RoundTripsRandomBytes) {
    PrivremeniProgram f(false);
    std::mt19937 gen(5);
    for (int i = 0; i < 5; ++i) {
        std::string s(200, '\0');
        for (char& c : s)
            c = static_cast<char>("\x02\x03\x04\x05\x06\x08\x09\x14\x41\x00\xc4"[gen() % 11]);
        EXPECT_EQ(KrozTekst(f, s), s);
    }
}

TEST(Prs, PrintsOneValueALineWithItsTag) {
    PrivremeniProgram f(false);
    PisacToka t;
    t.Cijeli(2048);
    t.Realni(1.5);
    t.Tekst("č");
    t.Logicki(false);
    ZapisiAtomski(f.Razmjena(), t.Bajtovi());
    EXPECT_EQ(f.CitajRazmjenu(), "int16 2048\nreal 1.5\nutf8 \"č\"\nfalse\n");
}

TEST(Prs, BuildsTheValuesThatHandWrittenTextNames) {
    PrivremeniProgram f(false);
    f.NapraviRazmjenu("# a comment\n\nint 2048   # b\nint8 0\nreal 40\nstr \"MB 30\"\n"
                      "str \"č\"\nstr8 \"š\"\ntrue\n");
    EXPECT_EQ(ProcitajFajl(f.Razmjena()),
              B({0x03, 0x00, 0x08, 0x02, 0x00}) + B({0x05, 0, 0, 0, 0, 0, 0, 0, 0xA0, 0x04, 0x40}) +
                  B({0x06, 5}) + "MB 30" + B({0x14, 2, 0, 0, 0, 0xC4, 0x8D, 0x06, 1, 0x9A, 0x09}));
}

TEST(Prs, RefusesBadTextWithItsLineAndWritesNothing) {
    PrivremeniProgram f(false);
    const fs::path t = f.Putanja() / "radni" / "los.txt";
    for (const char* tekst :
         {"int 1\nint8 300\n", "int 1\nreal x\n", "int 1\nstr \"open\n",
          "int 1\nstr8 \"\xe2\x82\xac\xe2\x88\x9e\"\n", "int 1\nwhat 3\n", "int 1\nint 2 3\n"}) {
        ZapisiAtomski(t, tekst);
        const auto r =
            f.Prs("build " + Navodnici(t.string()) + " " + Navodnici(f.Razmjena().string()));
        EXPECT_EQ(r.status, 1) << tekst;
        EXPECT_NE(r.greske.find("red 2:"), std::string::npos) << r.greske;
        EXPECT_FALSE(fs::exists(f.Razmjena())) << tekst;
    }
}

TEST(Prs, ShowsItsUsageForAnUnknownCommand) {
    PrivremeniProgram f(false);
    const auto r = f.Prs("list x");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.greske.find("nosivometrik-prs print FILE"), std::string::npos);
}

} // namespace
} // namespace nmk::test
