#include "engine/armatura.h"

#include "engine/format.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numbers>

namespace nmk {

namespace {

// Area of one bar of the diameter (mm) in cm2.
double PovrsinaSipke(int precnik) {
    const double d = precnik / 10.0;
    return std::numbers::pi * d * d / 4.0;
}

std::string OpisGrupe(const GrupaSipki& g) {
    return std::to_string(g.broj) + " d" + std::to_string(g.precnik);
}

} // namespace

float PovrsinaArmature(const TUsvojenaArmatura& lista) {
    float suma = 0.0f;
    for (const GrupaSipki& g : lista)
        suma = static_cast<float>(suma + g.broj * PovrsinaSipke(g.precnik));
    return suma;
}

std::string OpisArmature(const TUsvojenaArmatura& lista, bool kratko) {
    const std::size_t prikazano = kratko ? std::min<std::size_t>(lista.size(), 3) : lista.size();
    std::string tekst;
    for (std::size_t i = 0; i < prikazano; ++i) {
        if (i > 0)
            tekst += " + ";
        tekst += OpisGrupe(lista[i]);
    }
    if (!kratko)
        return tekst;
    return "(" + tekst + (lista.size() > 3 ? " + …)" : ")");
}

const std::array<int, 13>& PrecniciSipki(int celik) {
    static constexpr std::array<int, 13> prvi = {6, 8, 10, 12, 14, 16, 19, 22, 25, 28, 32, 36, 40};
    static constexpr std::array<int, 13> ostali = {6,  8,  10, 12, 14, 16, 18,
                                                   20, 22, 25, 28, 32, 36};
    return celik == 1 ? prvi : ostali;
}

bool PromijeniSipke(TUsvojenaArmatura& lista, int precnik, int broj) {
    constexpr int najvise = std::numeric_limits<std::int16_t>::max();
    constexpr int najmanje = std::numeric_limits<std::int16_t>::min();
    auto g = std::find_if(lista.begin(), lista.end(),
                          [precnik](const GrupaSipki& x) { return x.precnik == precnik; });
    if (g == lista.end()) {
        if (broj == 0)
            return true;
        if (precnik < najmanje || precnik > najvise || broj < najmanje || broj > najvise)
            return false;
        lista.push_back({static_cast<std::int16_t>(precnik), static_cast<std::int16_t>(broj)});
        return true;
    }
    const int novi = g->broj + broj;
    if (novi < najmanje || novi > najvise)
        return false;
    if (novi == 0)
        lista.erase(g);
    else
        g->broj = static_cast<std::int16_t>(novi);
    return true;
}

void ModelArmature::Otvori(const TPresjek& p) {
    precnici_ = &PrecniciSipki(p.Celik);
    gornja_ = p.ArmGornja;
    donja_ = p.ArmDonja;
    aktivni_ = Sloj::Donja;
    OtpustiSve();
}

void ModelArmature::IzaberiSloj(Sloj s) {
    aktivni_ = s;
    OtpustiSve();
}

bool ModelArmature::UGridu(int red, int kolona) {
    return red >= 0 && red < Redova && kolona >= 0 && kolona < Kolona;
}

bool ModelArmature::Preklopi(int red, int kolona) {
    if (!UGridu(red, kolona))
        return false;
    bool& dugme = pritisnut_[static_cast<std::size_t>(red)][static_cast<std::size_t>(kolona)];
    const int n = dugme ? -(kolona + 1) : kolona + 1;
    if (PromijeniSipke(AktivnaLista(), Precnik(red), n))
        dugme = !dugme;
    return dugme;
}

bool ModelArmature::Pritisnut(int red, int kolona) const {
    return UGridu(red, kolona) &&
           pritisnut_[static_cast<std::size_t>(red)][static_cast<std::size_t>(kolona)];
}

bool ModelArmature::RedPritisnut(int red) const {
    for (int j = 0; j < Kolona; ++j)
        if (Pritisnut(red, j))
            return true;
    return false;
}

bool ModelArmature::KolonaPritisnuta(int kolona) const {
    for (int i = 0; i < Redova; ++i)
        if (Pritisnut(i, kolona))
            return true;
    return false;
}

void ModelArmature::OtpustiSve() {
    for (auto& red : pritisnut_)
        red.fill(false);
}

void ModelArmature::Obrisi() {
    gornja_.clear();
    donja_.clear();
    OtpustiSve();
}

void ModelArmature::Usvoji(TPresjek& p) const {
    p.ArmGornja = gornja_;
    p.ArmDonja = donja_;
    p.Status |= sfArmatura;
}

double ModelArmature::PovrsinaCelije(int red, int kolona) const {
    return (kolona + 1) * PovrsinaSipke(Precnik(red));
}

std::string ModelArmature::NatpisCelije(int red, int kolona, char separator) const {
    return FormatirajBroj(PovrsinaCelije(red, kolona), 15, 2, separator);
}

double ModelArmature::Ostatak(double potrebno) const {
    return potrebno - PovrsinaArmature(Lista(aktivni_));
}

bool ModelArmature::Zelena(int red, int kolona, double ostatak) const {
    return PovrsinaCelije(red, kolona) >= ostatak;
}

bool ModelArmature::Nedovoljno(Sloj s, double potrebno) const {
    return potrebno >= PovrsinaArmature(Lista(s));
}

std::string ModelArmature::Odabrano(Sloj s, char separator) const {
    const TUsvojenaArmatura& lista = Lista(s);
    return std::string(s == Sloj::Gornja ? "stvAa1= " : "stvAa2= ") +
           FormatirajBroj(PovrsinaArmature(lista), 15, 2, separator) + " cm2   " +
           OpisArmature(lista, true);
}

} // namespace nmk
