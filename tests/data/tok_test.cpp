#include "data/tok.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace nmk {
namespace {

std::string B(std::initializer_list<int> bajtovi) {
    std::string s;
    for (int b : bajtovi)
        s += static_cast<char>(b);
    return s;
}

std::uint64_t Bitovi(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

// An 80-bit value from its sign and exponent field and its 64-bit significand.
std::array<std::uint8_t, 10> Ext(unsigned znakIEksponent, std::uint64_t m) {
    std::array<std::uint8_t, 10> b{};
    for (int i = 0; i < 8; ++i)
        b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(m >> (8 * i));
    b[8] = static_cast<std::uint8_t>(znakIEksponent & 0xFF);
    b[9] = static_cast<std::uint8_t>(znakIEksponent >> 8);
    return b;
}

TEST(PisacToka, WritesTheSmallestIntegerForm) {
    struct Red {
        std::int64_t v;
        std::string bajtovi;
    };
    const std::vector<Red> redovi = {
        {0, B({0x02, 0x00})},
        {-1, B({0x02, 0xFF})},
        {127, B({0x02, 0x7F})},
        {-128, B({0x02, 0x80})},
        {128, B({0x03, 0x80, 0x00})},
        {2048, B({0x03, 0x00, 0x08})},
        {-32768, B({0x03, 0x00, 0x80})},
        {32768, B({0x04, 0x00, 0x80, 0x00, 0x00})},
        {-2147483648LL, B({0x04, 0x00, 0x00, 0x00, 0x80})},
        {2147483648LL, B({0x13, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00})},
    };
    for (const auto& r : redovi) {
        PisacToka p;
        p.Cijeli(r.v);
        EXPECT_EQ(p.Bajtovi(), r.bajtovi) << r.v;
    }
}

TEST(PisacToka, WritesOneAndAHalfAsTheDocumentedExtendedBytes) {
    PisacToka p;
    p.Realni(1.5);
    EXPECT_EQ(p.Bajtovi(), B({0x05, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F}));
}

TEST(PisacToka, WritesBooleansAsTheirOwnTags) {
    PisacToka p;
    p.Logicki(true);
    p.Logicki(false);
    EXPECT_EQ(p.Bajtovi(), B({0x09, 0x08}));
}

TEST(PisacToka, WritesAsciiShortOrLongAndAnythingElseAsUtf8) {
    PisacToka kratki, dugi, utf8;
    kratki.Tekst("MB 30");
    dugi.Tekst(std::string(256, 'a'));
    utf8.Tekst("č");
    EXPECT_EQ(kratki.Bajtovi(), B({0x06, 5}) + "MB 30");
    EXPECT_EQ(dugi.Bajtovi(), B({0x0C, 0x00, 0x01, 0x00, 0x00}) + std::string(256, 'a'));
    EXPECT_EQ(utf8.Bajtovi(), B({0x14, 2, 0, 0, 0, 0xC4, 0x8D}));
}

TEST(PisacToka, RefusesAnIntegerThatDoesNotFitTheRequestedForm) {
    PisacToka p;
    EXPECT_THROW(p.CijeliUObliku(tag::Int8, 128), std::out_of_range);
    EXPECT_THROW(p.CijeliUObliku(tag::Int16, -32769), std::out_of_range);
    EXPECT_THROW(p.CijeliUObliku(tag::Real80, 1), std::invalid_argument);
    EXPECT_TRUE(p.Bajtovi().empty());
}

TEST(CitacToka, ReadsEveryIntegerFormSignExtended) {
    const std::string ulaz = B({0x02, 0xFE, 0x03, 0x00, 0x08, 0x04, 0xFF, 0xFF, 0xFF, 0xFF});
    CitacToka c(ulaz);
    EXPECT_EQ(c.Cijeli(), -2);
    EXPECT_EQ(c.Cijeli(), 2048);
    EXPECT_EQ(c.Cijeli(), -1);
    EXPECT_TRUE(c.Kraj());
}

TEST(CitacToka, RefusesOtherTagsWhereAnIntegerIsExpected) {
    for (const std::string& bajtovi :
         {B({0x05, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F}), B({0x06, 0}), B({0x09}),
          B({0x13, 1, 0, 0, 0, 0, 0, 0, 0})}) {
        CitacToka c(bajtovi);
        EXPECT_THROW(c.Cijeli(), GreskaCitanja);
    }
}

TEST(CitacToka, ReadsIntegersWhereARealIsExpected) {
    const std::string ulaz = B({0x02, 0x28, 0x03, 0x00, 0x08, 0x04, 0xFF, 0xFF, 0xFF, 0xFF, 0x13, 0,
                                0, 0, 0, 0, 0, 0x10, 0});
    CitacToka c(ulaz);
    EXPECT_EQ(c.Realni(), 40.0);
    EXPECT_EQ(c.Realni(), 2048.0);
    EXPECT_EQ(c.Realni(), -1.0);
    EXPECT_EQ(c.Realni(), std::ldexp(1.0, 52));
}

TEST(CitacToka, RefusesAStringWhereARealIsExpected) {
    const std::string ulaz = B({0x06, 1, 'x'});
    CitacToka c(ulaz);
    EXPECT_THROW(c.Realni(), GreskaCitanja);
}

TEST(CitacToka, ReadsTrueOnlyForItsTagAndConsumesNothingAfterAnotherByte) {
    const std::string ulaz = B({0x09, 0x08, 0x02, 0x07});
    CitacToka c(ulaz);
    EXPECT_TRUE(c.Logicki());
    EXPECT_FALSE(c.Logicki());
    EXPECT_FALSE(c.Logicki());   // the 0x02 is read as false ...
    EXPECT_EQ(c.Pozicija(), 3u); // ... and only the tag byte is consumed
}

TEST(CitacToka, ReadsEveryStringFormAsUtf8) {
    const std::string bajtovi = B({0x06, 3, 0x9A, 'i', 0xE8}) +              // Windows-1250
                                B({0x0C, 1, 0, 0, 0, 0x8A}) +                // Windows-1250
                                B({0x12, 2, 0, 0, 0, 0x0D, 0x01, 0x41, 0}) + // UTF-16LE
                                B({0x14, 2, 0, 0, 0, 0xC5, 0xBE});           // UTF-8
    CitacToka c(bajtovi);
    EXPECT_EQ(c.Tekst(), "šič");
    EXPECT_EQ(c.Tekst(), "Š");
    EXPECT_EQ(c.Tekst(), "čA");
    EXPECT_EQ(c.Tekst(), "ž");
    EXPECT_TRUE(c.Kraj());
}

TEST(CitacToka, ReplacesInvalidUtf8SoMemoryHoldsOnlyValidText) {
    const std::string ulaz = B({0x14, 2, 0, 0, 0, 0xC5, 'a'});
    CitacToka c(ulaz);
    EXPECT_EQ(c.Tekst(), "\xEF\xBF\xBD"
                         "a");
}

TEST(CitacToka, RefusesALengthLargerThanTheRestOfTheFile) {
    for (const std::string& bajtovi :
         {B({0x06, 5, 'a'}), B({0x0C, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}),
          B({0x14, 0xFF, 0xFF, 0xFF, 0x7F}), B({0x12, 0x00, 0x00, 0x00, 0x80, 0, 0}),
          B({0x12, 2, 0, 0, 0, 'a', 0, 'b'}), B({0x0C, 1, 0})}) {
        CitacToka c(bajtovi);
        EXPECT_THROW(c.Tekst(), GreskaCitanja);
    }
}

TEST(CitacToka, ReportsEveryTruncatedValueAsAReadError) {
    PisacToka p;
    p.Cijeli(2048);
    p.Cijeli(100000);
    p.Realni(0.1);
    p.Tekst("ab");
    const std::string& sve = p.Bajtovi();
    for (std::size_t n = 0; n < sve.size(); ++n) {
        CitacToka c(std::string_view(sve).substr(0, n));
        EXPECT_THROW((c.Cijeli(), c.Cijeli(), c.Realni(), c.Tekst()), GreskaCitanja) << n;
    }
}

TEST(DoubleU80, RoundTripsExtremeDoublesBitForBit) {
    const double d = std::numeric_limits<double>::denorm_min();
    const std::vector<double> vrijednosti = {
        0.0,
        -0.0,
        1.0,
        -1.5,
        0.1,
        1.0 / 3.0,
        d,
        -d,
        3 * d,
        std::numeric_limits<double>::min() - d, // the largest denormal
        std::numeric_limits<double>::min(),
        std::numeric_limits<double>::max(),
        -std::numeric_limits<double>::max(),
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(),
        std::bit_cast<double>(0xFFF0000000000001ull), // a signalling NaN with a small payload
        std::bit_cast<double>(0x7FF8DEADBEEF0001ull),
    };
    for (double x : vrijednosti) {
        const auto b = DoubleU80(x);
        EXPECT_EQ(Bitovi(Iz80(b.data())), Bitovi(x)) << std::hexfloat << x;
    }
}

TEST(DoubleU80, EncodesADenormalDoubleAsANormalExtendedValue) {
    const auto b = DoubleU80(std::numeric_limits<double>::denorm_min()); // 2^-1074
    EXPECT_EQ(b, Ext(16383 - 1074, 1ull << 63));
}

TEST(Iz80, RoundsToNearestEvenWhenNarrowing) {
    const std::uint64_t jedan = 1ull << 63;
    const std::uint64_t pola = 1ull << 10; // half of the last place that a double keeps
    struct Red {
        std::array<std::uint8_t, 10> ulaz;
        double ocekivano;
    };
    const std::vector<Red> redovi = {
        {Ext(0x3FFF, jedan | pola), 1.0},                                     // tie, even stays
        {Ext(0x3FFF, jedan | pola | 1), 1.0 + 0x1p-52},                       // above the tie
        {Ext(0x3FFF, jedan | (pola - 1)), 1.0},                               // below the tie
        {Ext(0x3FFF, jedan | (3 * pola)), 1.0 + 0x1p-51},                     // tie, odd goes up
        {Ext(0xBFFF, jedan | (3 * pola)), -(1.0 + 0x1p-51)},                  // the same, negative
        {Ext(0x3FFF, ~0ull), 2.0},                                            // carry into exponent
        {Ext(0x3FFF + 1023, ~0ull), std::numeric_limits<double>::infinity()}, // overflow
        {Ext(0x3FFF + 1024, jedan), std::numeric_limits<double>::infinity()},
        {Ext(0x3FFF - 1075, jedan), 0.0},                      // half of denorm_min
        {Ext(0x3FFF - 1075, jedan | 1), 0x1p-1074},            // just above it
        {Ext(0x3FFF - 1074, jedan | (jedan >> 1)), 0x1p-1073}, // 1.5 denorm_min
        {Ext(0x3FFF - 1023, ~0ull), 0x1p-1022},                // carry to normal
        {Ext(0x0000, 12345), 0.0},                             // extended denormal
        {Ext(0x3FFF, jedan >> 1), 0.5},                        // unnormal: face value
    };
    for (const auto& r : redovi)
        EXPECT_EQ(Bitovi(Iz80(r.ulaz.data())), Bitovi(r.ocekivano)) << std::hexfloat << r.ocekivano;
}

TEST(Iz80, KeepsNaNAsNaNEvenWhenItsPayloadDoesNotFit) {
    EXPECT_TRUE(std::isnan(Iz80(Ext(0x7FFF, (1ull << 63) | 1).data())));
    EXPECT_TRUE(std::isnan(Iz80(Ext(0x7FFF, 1).data()))); // pseudo-NaN
    EXPECT_TRUE(std::isnan(Iz80(Ext(0xFFFF, 0).data()))); // pseudo-infinity
}

// Where the compiler's long double is the 80-bit format, the hardware conversion is an
// independent judge of the rounding for many random values of every magnitude.
TEST(Iz80, AgreesWithTheHardwareConversionOnRandomValues) {
    if constexpr (std::numeric_limits<long double>::digits != 64) {
        GTEST_SKIP() << "long double is not the 80-bit format here";
    } else {
        std::mt19937_64 gen(20261208);
        for (int i = 0; i < 20000; ++i) {
            const std::uint64_t m = gen() | (1ull << 63); // valid encodings keep the integer bit
            const unsigned e = 0x3FFF - 1100 + static_cast<unsigned>(gen() % 2200);
            const auto b = Ext(e | ((gen() & 1) ? 0x8000u : 0u), m);
            long double ld = 0;
            std::memcpy(&ld, b.data(), 10);
            const double ocekivano = static_cast<double>(ld);
            ASSERT_EQ(Bitovi(Iz80(b.data())), Bitovi(ocekivano)) << std::hexfloat << ocekivano;
        }
    }
}

TEST(CitacToka, ReadsBackWhatTheWriterWrote) {
    PisacToka p;
    p.Cijeli(-5);
    p.Realni(-0.0);
    p.Logicki(true);
    p.Tekst("Greda č");
    p.Cijeli(std::numeric_limits<std::int64_t>::min());
    CitacToka c(p.Bajtovi());
    EXPECT_EQ(c.Cijeli(), -5);
    EXPECT_EQ(Bitovi(c.Realni()), Bitovi(-0.0));
    EXPECT_TRUE(c.Logicki());
    EXPECT_EQ(c.Tekst(), "Greda č");
    EXPECT_EQ(c.Cijeli64(), std::numeric_limits<std::int64_t>::min());
    EXPECT_TRUE(c.Kraj());
}

} // namespace
} // namespace nmk
