#include "engine/format.h"

#include <gtest/gtest.h>

namespace nmk {
namespace {

struct Red {
    double x;
    int preciznost;
    int decimale;
    const char* ocekivano;
};

TEST(FormatirajBroj, RoundsOnceAtTheCoarserOfDigitsAndDecimals) {
    const Red redovi[] = {{12.3456, 6, 2, "12.35"},
                          {40, 5, 2, "40.00"},
                          {12345.678, 5, 2, "12346.00"},
                          {0, 5, 2, "0.00"},
                          {-500, 5, 2, "-500.00"},
                          {1.5, 4, 2, "1.50"},
                          {8.0425, 12, 2, "8.04"},
                          {0.17624, 8, 3, "0.176"},
                          {5.40123, 12, 5, "5.40123"},
                          {-0.001, 5, 2, "0.00"},
                          {2.5, 5, 0, "3"},
                          {0.9413, 12, 4, "0.9413"},
                          {99999.9, 6, 2, "99999.90"},
                          {1234.5678, 6, 2, "1234.57"}};
    for (const Red& r : redovi)
        EXPECT_EQ(FormatirajBroj(r.x, r.preciznost, r.decimale), r.ocekivano)
            << r.x << " (" << r.preciznost << ", " << r.decimale << ")";
}

// Halves go away from zero, as by hand; only exact halves: a double just below one stays
// below it.
TEST(FormatirajBroj, RoundsExactHalvesAwayFromZero) {
    const Red redovi[] = {{8.625, 6, 2, "8.63"},
                          {-8.625, 6, 2, "-8.63"},
                          {19.125, 6, 2, "19.13"},
                          {0.125, 6, 2, "0.13"},
                          {-0.125, 6, 2, "-0.13"},
                          {0.5, 5, 0, "1"},
                          {12345.5, 5, 2, "12346.00"},
                          {1.2345, 4, 2, "1.23"}, // 1.2345 is not exactly a half in binary
                          {0.285, 6, 2, "0.28"},  // 0.28499999999999998
                          {8.624999999999998, 6, 2, "8.62"},
                          {1.00005, 6, 2, "1.00"}};
    for (const Red& r : redovi)
        EXPECT_EQ(FormatirajBroj(r.x, r.preciznost, r.decimale), r.ocekivano)
            << r.x << " (" << r.preciznost << ", " << r.decimale << ")";
    EXPECT_EQ(FormatirajBroj(1234500, 4, 2), "1.235E+06");
    EXPECT_EQ(FormatirajBroj(99995, 4, 2), "1.000E+05");
}

TEST(FormatirajBroj, UsesExponentFormBeyondThePrecision) {
    EXPECT_EQ(FormatirajBroj(1234567, 5, 2), "1.2346E+06");
    EXPECT_EQ(FormatirajBroj(99999.9, 5, 2), "1.0000E+05");
}

TEST(FormatirajBroj, WritesTheGivenDecimalSeparator) {
    EXPECT_EQ(FormatirajBroj(12.5, 5, 2, ','), "12,50");
    EXPECT_EQ(FormatirajBroj(1234567, 5, 2, ','), "1,2346E+06");
}

} // namespace
} // namespace nmk
