#include "render/izvjestaj.h"

#include "data/kodna_strana.h"
#include "engine/armatura.h"
#include "engine/format.h"
#include "engine/propisi.h"

#include <string_view>

namespace nmk::render {

std::string Red::Tekst() const {
    std::string t;
    for (const Komad& k : komadi)
        t += k.tekst;
    return t;
}

namespace {

// The gamma of the partial factors and the diameter sign of the bars. The report shows them as
// Unicode letters in its own font, so they read right on any machine.
constexpr const char* Gama = "γ";
constexpr const char* Fi = "Φ";

class Pisac {
public:
    Pisac(Izvjestaj& iz, char sep) : iz_(iz), sep_(sep) {}

    void Red(std::string tekst = {}) { iz_.redovi.push_back({{Komad{.tekst = std::move(tekst)}}}); }
    void Red(std::vector<Komad> komadi) { iz_.redovi.push_back({std::move(komadi)}); }
    std::string Broj(double x, int preciznost, int decimale) const {
        return FormatirajBroj(x, preciznost, decimale, sep_);
    }
    // "naziv" + value (precision, decimals) + "\t" + unit.
    void Vrijednost(const std::string& naziv, double x, int preciznost, int decimale,
                    const std::string& jedinica) {
        Red(naziv + Broj(x, preciznost, decimale) + "\t" + jedinica);
    }

private:
    Izvjestaj& iz_;
    char sep_;
};

std::string NazivBetona(const TPresjek& p, const Katalozi& k) {
    return k.ImaBeton(p.Beton) ? k.beton[static_cast<std::size_t>(p.Beton)].naziv : std::string();
}

std::string NazivCelika(const TPresjek& p, const Katalozi& k) {
    return k.ImaCelik(p.Celik) ? k.celik[static_cast<std::size_t>(p.Celik)].naziv : std::string();
}

const char* NazivOblika(TOblik o) {
    switch (o) {
    case TOblik::Pravougaoni:
        return "Pravougaoni presjek";
    case TOblik::T:
        return "T Presjek";
    case TOblik::Kruzni:
        return "Kružni presjek";
    }
    return "";
}

// A partial factor: the gamma larger, its index letter smaller and lowered.
std::vector<Komad> ParcijalniFaktor(char indeks, const std::string& ostatak) {
    return {Komad{.tekst = Gama, .velicina = 3},
            Komad{.tekst = std::string(1, indeks), .indeks = true, .velicina = -3},
            Komad{.tekst = ostatak}};
}

void Materijali(Pisac& w, const TPresjek& p, const Katalozi& k) {
    // "Beton\t" and the concrete name are held to 12 characters, "Celik\t" and the steel's
    // to 15.
    const std::string beton = PrviZnakovi("Beton\t" + NazivBetona(p, k), 12);
    const std::string celik = PrviZnakovi("Celik\t" + NazivCelika(p, k), 15);
    w.Red("Materijal:");
    const OpisPropisa& propis = Opis(p.Propis);
    const std::string fB = propis.oznakaFb + w.Broj(p.fB, 5, 2) + "\tN/mm2";
    const std::string sigv = propis.oznakaSigv + w.Broj(p.sigv, 5, 2) + "\tN/mm2";
    if (!propis.ImaKoeficijente()) {
        w.Red(beton + fB);
        w.Red(celik + sigv);
        return;
    }
    // A code with partial factors shows each before the strength derived from it.
    std::vector<Komad> b{Komad{.tekst = beton + "\t"}};
    for (Komad& x : ParcijalniFaktor('c', "=  " + w.Broj(p.gamaC, 4, 2) + fB))
        b.push_back(std::move(x));
    w.Red(std::move(b));
    std::vector<Komad> c{Komad{.tekst = celik + "\t"}};
    for (Komad& x : ParcijalniFaktor('s', "=  " + w.Broj(p.gamaS, 4, 2) + sigv))
        c.push_back(std::move(x));
    w.Red(std::move(c));
}

void Dimenzije(Pisac& w, const TPresjek& p) {
    if (p.Oblik == TOblik::Kruzni)
        return;
    w.Red();
    w.Red("Dimenzije:");
    const bool t = p.Oblik == TOblik::T;
    w.Vrijednost("b= \t", p.b, 5, 2, "cm");
    if (t)
        w.Vrijednost("bo=\t", p.b0, 5, 2, "cm");
    w.Vrijednost("h= \t", p.h, 5, 2, "cm");
    if (t)
        w.Vrijednost("ho=\t", p.h0, 5, 2, "cm");
    w.Vrijednost("d1=\t", p.d1, 5, 2, "cm");
    w.Vrijednost("d2=\t", p.d2, 5, 2, "cm");
}

// "Aa1:  4 Φ16 + 2 Φ12   B500  (stvAa1 = 10.31 cm2)": everything after the colon bold.
std::vector<Komad> UsvojeniRed(const char* sloj, const TUsvojenaArmatura& lista,
                               const std::string& celik, const std::string& povrsina) {
    std::vector<Komad> r{Komad{.tekst = std::string(sloj) + ":"}};
    auto podebljan = [&r](std::string t) {
        r.push_back(Komad{.tekst = std::move(t), .podebljano = true});
    };
    podebljan("  ");
    for (std::size_t i = 0; i < lista.size(); ++i) {
        if (i > 0)
            r.back().tekst += " + ";
        r.back().tekst += std::to_string(lista[i].broj) + " ";
        podebljan(Fi);
        podebljan(std::to_string(lista[i].precnik));
    }
    r.back().tekst += "   " + celik + "  (stv" + sloj + " = " + povrsina + " cm2)";
    return r;
}

void Usvojeno(Pisac& w, const TPresjek& p, const Katalozi& k) {
    if (p.ArmGornja.empty() && p.ArmDonja.empty())
        return;
    w.Red("Usvojena Armatura:");
    const std::string celik = NazivCelika(p, k);
    if (!p.ArmGornja.empty())
        w.Red(UsvojeniRed("Aa1", p.ArmGornja, celik, w.Broj(PovrsinaArmature(p.ArmGornja), 12, 2)));
    if (!p.ArmDonja.empty())
        w.Red(UsvojeniRed("Aa2", p.ArmDonja, celik, w.Broj(PovrsinaArmature(p.ArmDonja), 12, 2)));
}

// A heading underlined without its leading blank.
std::vector<Komad> Naslov(const std::string& tekst) {
    return {Komad{.tekst = " "}, Komad{.tekst = tekst, .podvuceno = true}};
}

// A result line bold from its first letter (after the two leading blanks) to the end.
std::vector<Komad> Istaknut(const std::string& tekst) {
    return {Komad{.tekst = "  "}, Komad{.tekst = tekst, .podebljano = true}};
}

void Eksploatacija(Pisac& w, const TPresjek& p) {
    w.Vrijednost("Mexp=\t", p.Mexp, 5, 2, "kNm");
    w.Vrijednost("Nexp=\t", p.Nexp, 5, 2, "kN");
}

void Ugibi(Pisac& w, const TPresjek& p) {
    w.Red(Naslov("Ugibi:"));
    Eksploatacija(w, p);
    w.Red();
    w.Red("Osnovni ugib i ugib od trajnog opterecenja: ");
    w.Vrijednost("vb=\t", p.vb, 12, 4, "cm");
    w.Vrijednost("vb.d=\t", p.vbd, 12, 4, "cm");
    w.Red();
    w.Red("Donja racunska vrijednost ugiba: ");
    w.Vrijednost("v I= \t", p.vI, 12, 4, "cm");
    w.Red();
    w.Red("Gornja racunska vrijednost ugiba: ");
    w.Vrijednost("v II= \t", p.vII, 12, 4, "cm");
    w.Red();
    w.Red("Racunska vrijednost vjerovatnog ugiba: ");
    w.Red(Istaknut("v = \t" + w.Broj(p.v, 12, 4) + "\tcm"));
    w.Red();
}

void Prsline(Pisac& w, const TPresjek& p) {
    w.Red(Naslov("Prsline:"));
    Eksploatacija(w, p);
    w.Red();
    w.Red("Srednji Razmak Naprslina: ");
    w.Vrijednost("am = \t", p.am, 12, 2, "mm");
    w.Red();
    w.Red("Srednja Sirina Naprslina: ");
    w.Vrijednost("Wm = \t", p.Wm, 12, 3, "mm");
    w.Red();
    w.Red("Karakteristicna Sirina Naprslina: ");
    w.Red(Istaknut("Wk = \t" + w.Broj(p.Wk, 12, 3) + "\tmm"));
    w.Red();
}

} // namespace

void StampajPresjek(Izvjestaj& iz, const TPresjek& p, const Katalozi& k, char separator) {
    Pisac w(iz, separator);
    w.Red();
    w.Red(p.Naziv);
    w.Red(NazivOblika(p.Oblik));
    w.Red();
    Materijali(w, p, k);
    w.Red();
    w.Red("Opterecenje:");
    w.Vrijednost("Msd=\t", p.Mu, 5, 2, "kNm");
    w.Vrijednost("Nsd=\t", p.Nu, 5, 2, "kN");
    w.Vrijednost("Vsd=\t", p.Qu, 5, 2, "kN");
    Dimenzije(w, p);
    w.Red();
    w.Red("Potrebna Površina Armature:");
    w.Vrijednost("potAa1=\t", p.Aa1, 5, 2, "cm2");
    w.Vrijednost("potAa2=\t", p.Aa2, 5, 2, "cm2");
    w.Vrijednost("potAvil=\t", p.Avil, 5, 2, "cm2/m");
    w.Red();
    Usvojeno(w, p, k);
    w.Red();
    if (p.ima(sfUgibi))
        Ugibi(w, p);
    if (p.ima(sfPrsline))
        Prsline(w, p);
    w.Red(Crta);
}

Izvjestaj NapraviIzvjestaj(const std::vector<const TPresjek*>& presjeci, const Katalozi& k,
                           char separator) {
    Izvjestaj iz;
    for (const TPresjek* p : presjeci)
        StampajPresjek(iz, *p, k, separator);
    return iz;
}

std::string OznakaStrane(int strana, int ukupno) {
    return "strana " + std::to_string(strana) + " / " + std::to_string(ukupno);
}

} // namespace nmk::render
