// Turns the readable catalogue table into the two catalogue files:
//   nmk_gen_catalogues <table> <output folder>
#include "data/fajl.h"
#include "data/katalog_fajl.h"

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Obrezi(const std::string& s) {
    const auto a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos)
        return {};
    const auto b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

std::vector<std::string> Polja(const std::string& red) {
    std::vector<std::string> polja;
    std::stringstream ss(red);
    std::string polje;
    while (std::getline(ss, polje, '|'))
        polja.push_back(Obrezi(polje));
    return polja;
}

double Broj(const std::string& s, int red) {
    std::size_t pos = 0;
    double x = 0;
    try {
        x = std::stod(s, &pos);
    } catch (const std::exception&) {
        pos = 0;
    }
    if (pos != s.size() || s.empty()) {
        std::cerr << "line " << red << ": not a number: \"" << s << "\"\n";
        std::exit(1);
    }
    return x;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: nmk_gen_catalogues <table> <output folder>\n";
        return 2;
    }
    try {
        std::stringstream tabela(nmk::ProcitajFajl(argv[1]));
        std::vector<nmk::TBeton> betoni;
        std::vector<nmk::TCelik> celici;
        std::string red;
        int broj = 0;
        while (std::getline(tabela, red)) {
            ++broj;
            red = Obrezi(red);
            if (red.empty() || red[0] == '#')
                continue;
            const auto p = Polja(red);
            if (p.size() == 5 && p[0] == "beton") {
                betoni.push_back({p[1], Broj(p[2], broj), Broj(p[3], broj), Broj(p[4], broj), 0});
            } else if (p.size() == 5 && p[0] == "celik") {
                celici.push_back({p[1], Broj(p[2], broj), Broj(p[3], broj), Broj(p[4], broj)});
            } else {
                std::cerr << "line " << broj << ": expected 'beton' or 'celik' and 4 fields\n";
                return 1;
            }
        }
        const std::filesystem::path folder = argv[2];
        std::filesystem::create_directories(folder);
        nmk::ZapisiBetone(folder / nmk::BetonFajl, betoni);
        nmk::ZapisiCelike(folder / nmk::CelikFajl, celici);
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
