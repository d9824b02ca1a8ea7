#include "engine/propisi.h"

#include "engine/greska.h"

#include <array>

namespace nmk {

namespace {

// ---- PBAB 87 ----------------------------------------------------------------------------

double GranicnaDilatacijaPBAB87(const TBetonEx&) {
    return 10;
}

float DilatacijaOgranicenjaPBAB87(const TPresjek&, const Katalozi&, const TBetonEx&) {
    return 3;
}

// fB is the catalogue's tabulated design strength for the code's own classes and 0.7 fck for
// any other (unless the caller asks for the tabulated value always); sigv is fyk.
void CvrstocePBAB87(TPresjek& p, const TBeton& beton, const TCelik& celik, float, double, double,
                    PbabFb pbab) {
    const bool izZapisa = pbab == PbabFb::UvijekIzZapisa || p.Beton < PrviEC2Beton;
    p.fB = izZapisa ? beton.fb : 0.7 * beton.fck;
    p.sigv = celik.fyk;
}

// ---- EC 2 -------------------------------------------------------------------------------

double GranicnaDilatacijaEC2(const TBetonEx& ex) {
    return ex.esu;
}

// The strain at the limit of the relative compressed depth ksi (its value by the concrete
// group): 3.5 (1 - ksi) / ksi.
float DilatacijaOgranicenjaEC2(const TPresjek& p, const Katalozi& k, const TBetonEx& ex) {
    const double fck = k.beton.at(static_cast<std::size_t>(p.Beton)).fck;
    const double ksi = fck <= 35 ? ex.Ksi35 : ex.Ksi45;
    return static_cast<float>(Konacno(3.5 * (1 - ksi) / ksi));
}

// fB = fck / gamaC Alfa, sigv = fyk / gamaS.
void CvrstoceEC2(TPresjek& p, const TBeton& beton, const TCelik& celik, float Alfa, double gamaC,
                 double gamaS, PbabFb) {
    p.fB = beton.fck / gamaC * static_cast<double>(Alfa);
    p.sigv = celik.fyk / gamaS;
}

constexpr std::array<double, 3> kKoeficijentiBetonaEC2{1.5, 1.3, 1.0};
constexpr std::array<double, 2> kKoeficijentiCelikaEC2{1.15, 1.0};

// ---- The table, entry i describing value i -------------------------------------------------

const std::array<OpisPropisa, BrojPropisa> kPropisi = [] {
    OpisPropisa pbab;
    pbab.propis = TPropis::PBAB87;
    pbab.naziv = "PBAB 87";
    pbab.oznakaMu = "Mu=";
    pbab.oznakaNu = "Nu=";
    pbab.oznakaQu = "Qu=";
    pbab.oznakaRazmaka = "am = ";
    pbab.granicnaDilatacija = GranicnaDilatacijaPBAB87;
    pbab.dilatacijaOgranicenja = DilatacijaOgranicenjaPBAB87;
    pbab.dilatacijaZategnutog = 10;
    pbab.proracunskeCvrstoce = CvrstocePBAB87;
    pbab.modulFaktor = 9250;
    pbab.modulDodatak = 10;
    pbab.faktorZatezanja = 0.25;
    pbab.smicanje = SmicanjePBAB87;
    pbab.izborMetodeSmicanja = false;
    pbab.betaOd = 25;
    pbab.betaDo = 55;
    pbab.porukaBeta = "Nagib pritisnutih betonskih dijagonala prema PBAB87\nbira se u "
                      "granicama izmedu 25 i 55 stepeni";
    pbab.efektivnaVisina = EfektivnaVisinaPBAB87;
    pbab.razmakPrslina = RazmakPrslinaPBAB87;
    pbab.betoni = {0, PrviEC2Beton, PrviKorisnickiBeton};
    pbab.celici = {0, EC2Celik, PrviKorisnickiCelik};
    pbab.oznakaFct = "Cvrstoca betona na zatezanje                  f_bz= ";
    pbab.oznakaFctfl = "Cvrstoca betona na zatezanje savijanjem      f_bzs= ";
    pbab.oznakaModula = "Modul elasticnosti betona                       Eb= ";
    pbab.oznakaSigC = "Napon u betonu stadij II                     Sig_b= ";
    pbab.oznakaSigS = "Napon u armaturi stadij II                   Sig_a= ";
    pbab.oznakaFb = "\tfb= ";
    pbab.oznakaSigv = "\tfav=";

    OpisPropisa ec;
    ec.propis = TPropis::EC2;
    ec.naziv = "EC 2";
    ec.oznakaMu = "Msd=";
    ec.oznakaNu = "Nsd=";
    ec.oznakaQu = "Vsd=";
    ec.oznakaRazmaka = "Srm = ";
    ec.granicnaDilatacija = GranicnaDilatacijaEC2;
    ec.dilatacijaOgranicenja = DilatacijaOgranicenjaEC2;
    ec.dilatacijaZategnutog = 20;
    ec.proracunskeCvrstoce = CvrstoceEC2;
    ec.koeficijentiBetona = kKoeficijentiBetonaEC2;
    ec.koeficijentiCelika = kKoeficijentiCelikaEC2;
    ec.modulFaktor = 9500;
    ec.modulDodatak = 8;
    ec.faktorZatezanja = 0.30;
    ec.smicanje = SmicanjeEC2;
    ec.izborMetodeSmicanja = true;
    ec.betaOd = 21.8;
    ec.betaDo = 68.2;
    ec.porukaBeta = "Nagib pritisnutih betonskih dijagonala prema EC2\nbira se u granicama "
                    "izmedu 21,8 i 68,2 stepeni";
    ec.efektivnaVisina = EfektivnaVisinaEC2;
    ec.razmakPrslina = RazmakPrslinaEC2;
    ec.betoni = {PrviEC2Beton, PrviKorisnickiBeton, PrviKorisnickiBeton};
    ec.celici = {EC2Celik, PrviKorisnickiCelik, PrviKorisnickiCelik};
    ec.oznakaFct = "Cvrstoca betona na zatezanje                  f_ct= ";
    ec.oznakaFctfl = "Cvrstoca betona na zatezanje savijanjem    f_ct,fl= ";
    ec.oznakaModula = "Modul elasticnosti betona                      Ecm= ";
    ec.oznakaSigC = "Napon u betonu stadij II                     Sig_c= ";
    ec.oznakaSigS = "Napon u armaturi stadij II                   Sig_s= ";
    ec.oznakaFb = "\tfcd=";
    ec.oznakaSigv = "\tfsd= ";
    return std::array<OpisPropisa, BrojPropisa>{pbab, ec};
}();

} // namespace

std::span<const OpisPropisa> Propisi() {
    return kPropisi;
}

const OpisPropisa* NadjiPropis(TPropis propis) {
    const auto i = static_cast<std::size_t>(propis);
    return i < kPropisi.size() ? &kPropisi[i] : nullptr;
}

const OpisPropisa& Opis(TPropis propis) {
    if (const OpisPropisa* o = NadjiPropis(propis))
        return *o;
    throw GreskaProracuna(PorukaNepoznatPropis(static_cast<int>(propis)));
}

std::string PorukaNepoznatPropis(int vrijednost) {
    return "Nepoznat propis: " + std::to_string(vrijednost);
}

} // namespace nmk
