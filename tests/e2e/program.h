#pragma once
// Running the real executables in a temporary program folder: a copy of the program and its
// catalogues, so that the exchange file lives next to the executable as in real use.

#include "data/fajl.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace nmk::test {

namespace fs = std::filesystem;

inline fs::path BinFolder() {
    return fs::path(NMK_BIN_DIR);
}

struct Izvrsenje {
    int status = -1;
    std::string izlaz;  // stdout
    std::string greske; // stderr
};

inline std::string Navodnici(const std::string& s) {
    std::string r = "'";
    for (char c : s)
        r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

// A fresh folder with copies of the program and (unless told otherwise) its catalogues.
class PrivremeniProgram {
public:
    explicit PrivremeniProgram(bool saKatalozima = true) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ =
            fs::temp_directory_path() / (std::string("nmk_e2e_") + std::to_string(::getpid()) +
                                         "_" + info->test_suite_name() + "_" + info->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "radni");
        fs::copy_file(BinFolder() / "nosivometrik", folder_ / "nosivometrik");
        if (saKatalozima) {
            fs::copy_file(BinFolder() / "Beton.mtr", folder_ / "Beton.mtr");
            fs::copy_file(BinFolder() / "Celik.mtr", folder_ / "Celik.mtr");
        }
    }
    ~PrivremeniProgram() {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    PrivremeniProgram(const PrivremeniProgram&) = delete;
    PrivremeniProgram& operator=(const PrivremeniProgram&) = delete;

    const fs::path& Putanja() const { return folder_; }
    fs::path Razmjena() const { return folder_ / "~Presjeci.prs"; }

    // Runs a shell command line in a working folder that is not the program's folder, with
    // no display, and collects its status and both streams.
    Izvrsenje Izvrsi(const std::string& komanda) const {
        const fs::path out = folder_ / "radni" / "stdout.txt";
        const fs::path err = folder_ / "radni" / "stderr.txt";
        const std::string linija = "cd " + Navodnici((folder_ / "radni").string()) +
                                   " && env -u DISPLAY -u WAYLAND_DISPLAY " + komanda + " >" +
                                   Navodnici(out.string()) + " 2>" + Navodnici(err.string());
        const int s = std::system(linija.c_str());
        Izvrsenje r;
        r.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
        r.izlaz = ProcitajFajl(out);
        r.greske = ProcitajFajl(err);
        return r;
    }
    // The copied program with these arguments.
    Izvrsenje Program(const std::string& argumenti) const {
        return Izvrsi(Navodnici((folder_ / "nosivometrik").string()) + " " + argumenti);
    }
    // The companion command (from the build's program folder).
    Izvrsenje Prs(const std::string& argumenti) const {
        return Izvrsi(Navodnici((BinFolder() / "nosivometrik-prs").string()) + " " + argumenti);
    }
    // Builds the exchange file from readable text.
    void NapraviRazmjenu(const std::string& tekst) const {
        const fs::path t = folder_ / "radni" / "ulaz.txt";
        ZapisiAtomski(t, tekst);
        const auto r = Prs("build " + Navodnici(t.string()) + " " + Navodnici(Razmjena().string()));
        ASSERT_EQ(r.status, 0) << r.greske;
    }
    // The exchange file as readable text.
    std::string CitajRazmjenu() const {
        const auto r = Prs("print " + Navodnici(Razmjena().string()));
        EXPECT_EQ(r.status, 0) << r.greske;
        return r.izlaz;
    }

private:
    fs::path folder_;
};

} // namespace nmk::test
