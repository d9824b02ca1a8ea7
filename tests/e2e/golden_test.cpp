// Golden cases of the batch modes: one folder per case under tests/golden with the readable
// input (ulaz.txt), the mode word (rezim.txt) and either the expected readable output
// (izlaz.txt) or, for a run that must fail, the expected error stream (greske.txt). The case
// is built with the companion command, run by the real executable, and printed back.
#include "e2e/program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace nmk::test {
namespace {

std::string BezKrajaReda(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' '))
        s.pop_back();
    return s;
}

std::vector<std::string> Redovi(const std::string& tekst) {
    std::vector<std::string> r;
    std::istringstream ulaz(tekst);
    for (std::string red; std::getline(ulaz, red);)
        r.push_back(red);
    return r;
}

// The printed outputs line by line: tags and integers exactly, reals to a relative 1e-9,
// far below the digits a caller uses but above the last bits of a rearranged formula.
void UsporediIspis(const std::string& dobiveno, const std::string& ocekivano) {
    const auto d = Redovi(dobiveno);
    const auto o = Redovi(ocekivano);
    ASSERT_EQ(d.size(), o.size()) << dobiveno;
    for (std::size_t i = 0; i < d.size(); ++i) {
        if (d[i].rfind("real ", 0) == 0 && o[i].rfind("real ", 0) == 0) {
            const double a = std::stod(d[i].substr(5));
            const double b = std::stod(o[i].substr(5));
            EXPECT_NEAR(a, b, 1e-9 * std::max(std::fabs(a), std::fabs(b)) + 1e-12)
                << "line " << i + 1;
        } else {
            EXPECT_EQ(d[i], o[i]) << "line " << i + 1;
        }
    }
}

std::vector<fs::path> Slucajevi() {
    std::vector<fs::path> v;
    for (const auto& e : fs::directory_iterator(fs::path(NMK_SOURCE_DIR) / "tests" / "golden"))
        if (e.is_directory())
            v.push_back(e.path());
    std::sort(v.begin(), v.end());
    return v;
}

TEST(Golden, ThereAreCasesOfEveryMode) {
    std::vector<std::string> rezimi;
    for (const auto& s : Slucajevi())
        rezimi.push_back(BezKrajaReda(ProcitajFajl(s / "rezim.txt")));
    for (const char* r : {"DIM", "UGIB", "PRSLINE"})
        EXPECT_NE(std::find(rezimi.begin(), rezimi.end(), r), rezimi.end()) << r;
}

TEST(Golden, EveryCaseGivesItsExpectedOutput) {
    for (const auto& s : Slucajevi()) {
        SCOPED_TRACE(s.filename().string());
        PrivremeniProgram f;
        f.NapraviRazmjenu(ProcitajFajl(s / "ulaz.txt"));
        const std::string prije = ProcitajFajl(f.Razmjena());
        const auto r = f.Program(BezKrajaReda(ProcitajFajl(s / "rezim.txt")));
        if (fs::exists(s / "greske.txt")) {
            EXPECT_NE(r.status, 0);
            EXPECT_EQ(r.greske, ProcitajFajl(s / "greske.txt"));
            EXPECT_EQ(ProcitajFajl(f.Razmjena()), prije);
        } else {
            EXPECT_EQ(r.status, 0) << r.greske;
            EXPECT_EQ(r.greske, "");
            UsporediIspis(f.CitajRazmjenu(), ProcitajFajl(s / "izlaz.txt"));
        }
    }
}

// The literal scans of every trial (NMK_PRETRAGA=doslovno) give every golden case the same
// file byte for byte as the fast searches.
TEST(Golden, TheLiteralScansWriteTheSameFiles) {
    for (const auto& s : Slucajevi()) {
        SCOPED_TRACE(s.filename().string());
        const std::string rezim = BezKrajaReda(ProcitajFajl(s / "rezim.txt"));
        std::string izlazi[2], greske[2];
        for (int i = 0; i < 2; ++i) {
            PrivremeniProgram f;
            f.NapraviRazmjenu(ProcitajFajl(s / "ulaz.txt"));
            const std::string program = Navodnici((f.Putanja() / "nosivometrik").string());
            const auto r = f.Izvrsi((i ? "NMK_PRETRAGA=doslovno " : "") + program + " " + rezim);
            izlazi[i] = ProcitajFajl(f.Razmjena());
            greske[i] = r.greske;
        }
        EXPECT_EQ(izlazi[0], izlazi[1]);
        EXPECT_EQ(greske[0], greske[1]);
    }
}

} // namespace
} // namespace nmk::test
