#pragma once
// Bar lists: their area and text, the diameters offered, and the working model of the bar
// selection (two working lists, the active layer, toggling a grid cell).

#include "engine/presjek.h"

#include <array>
#include <string>

namespace nmk {

// Area of a bar list in cm2, the sum of count * pi * (diameter / 10)^2 / 4, accumulated in
// single precision. An empty list gives 0.
float PovrsinaArmature(const TUsvojenaArmatura& lista);

// "4 d16 + 2 d12"; the short form lists the first three groups in brackets and ends with
// " + …)" when there are four or more.
std::string OpisArmature(const TUsvojenaArmatura& lista, bool kratko);

// The 13 diameters (mm) the grid offers for the section's steel index.
const std::array<int, 13>& PrecniciSipki(int celik);

// Adds `broj` bars (negative: removes) of the diameter to the list: an existing group of that
// diameter changes its count and disappears when the count reaches 0 (later groups move up);
// otherwise a new group is appended. A change that would leave the 16-bit range of the count
// is refused (returns false, the list unchanged).
bool PromijeniSipke(TUsvojenaArmatura& lista, int precnik, int broj);

// The layer the bar grid edits.
enum class Sloj { Donja, Gornja };

// The bar-selection dialog without its widgets: the two working lists, the active layer and
// the pressed state of the 13 x 10 grid (row = diameter, column = number of bars - 1).
class ModelArmature {
public:
    static constexpr int Redova = 13;
    static constexpr int Kolona = 10;

    // Opening: the working lists become copies of the section's bars, the bottom layer is
    // active and every button is released. The grid's diameters follow the section's steel.
    void Otvori(const TPresjek& p);

    Sloj AktivniSloj() const { return aktivni_; }
    // Switching the layer releases every button; both working lists stay.
    void IzaberiSloj(Sloj s);

    // Toggles the button of row `red` and column `kolona` and adds or removes its bars in the
    // active layer's list. Returns the new pressed state. Out-of-range cells are ignored.
    bool Preklopi(int red, int kolona);
    bool Pritisnut(int red, int kolona) const;
    bool RedPritisnut(int red) const;        // the row header is shown pressed
    bool KolonaPritisnuta(int kolona) const; // the column header is shown pressed
    void OtpustiSve();

    // "Izbrisi": both working lists emptied, every button released.
    void Obrisi();

    // Writes the working lists into the section ("Usvoji armaturu") and sets sfArmatura.
    void Usvoji(TPresjek& p) const;

    const TUsvojenaArmatura& Lista(Sloj s) const { return s == Sloj::Gornja ? gornja_ : donja_; }
    const TUsvojenaArmatura& Gornja() const { return gornja_; }
    const TUsvojenaArmatura& Donja() const { return donja_; }

    int Precnik(int red) const { return precnici_->at(static_cast<std::size_t>(red)); }
    // Area of the bars a grid button stands for, (column + 1) * pi * (d / 10)^2 / 4, cm2.
    double PovrsinaCelije(int red, int kolona) const;
    // Caption of a grid button: that area with two decimals.
    std::string NatpisCelije(int red, int kolona, char separator = '.') const;

    // Required minus chosen area of the active layer; it colours the grid.
    double Ostatak(double potrebno) const;
    // A button is green when its area covers the rest.
    bool Zelena(int red, int kolona, double ostatak) const;

    // The comparison of a layer label: true (">", red) when the required area is at least the
    // chosen one, false ("<", green) otherwise.
    bool Nedovoljno(Sloj s, double potrebno) const;
    // "stvAa1= 8.04 cm2   (4 d16)" for the top layer, "stvAa2= …" for the bottom one.
    std::string Odabrano(Sloj s, char separator = '.') const;
    // The hint of that label: the full text of the layer's list.
    std::string Hint(Sloj s) const { return OpisArmature(Lista(s), false); }

private:
    TUsvojenaArmatura& AktivnaLista() { return aktivni_ == Sloj::Gornja ? gornja_ : donja_; }
    static bool UGridu(int red, int kolona);

    TUsvojenaArmatura gornja_;
    TUsvojenaArmatura donja_;
    Sloj aktivni_ = Sloj::Donja;
    std::array<std::array<bool, Kolona>, Redova> pritisnut_{};
    const std::array<int, 13>* precnici_ = &PrecniciSipki(0);
};

} // namespace nmk
