#include "engine/detalji.h"

#include "engine/format.h"
#include "engine/propisi.h"

namespace nmk {

namespace {

// One value line: the 52-character label, the value and the unit.
std::string Red(const char* oznaka, double x, int preciznost, int decimale, const char* jedinica,
                char separator) {
    return std::string(oznaka) + FormatirajBroj(x, preciznost, decimale, separator) + jedinica;
}

void Cvrstoce(std::vector<std::string>& l, const TDodatniPodaci& dp, const OpisPropisa& propis,
              char sep) {
    l.push_back(Red(propis.oznakaFct, dp.fct, 5, 2, " N/mm2", sep));
    l.push_back(Red(propis.oznakaFctfl, dp.fctfl, 5, 2, " N/mm2", sep));
}

std::string Modul(const OpisPropisa& propis, double Eb, char sep) {
    return Red(propis.oznakaModula, Eb, 8, 2, " N/mm2", sep);
}

// The depth of the compressed zone, or the note that there is none inside the section.
std::string Dubina(const char* oznaka, const TDodatniPodaci& dp, char sep) {
    if (dp.CijeliPritisnut)
        return std::string(oznaka) + TekstCijeliPritisnut;
    return Red(oznaka, dp.XII, 8, 2, " cm", sep);
}

void MomentiInercije(std::vector<std::string>& l, const TDodatniPodaci& dp, char sep) {
    l.push_back(
        Red("Momenat inercije presjeka                        J= ", dp.J, 8, 2, " cm4", sep));
    l.push_back(
        Red("Idealizirani momenat inercije stadij I        JIXI= ", dp.JIXI, 8, 2, " cm4", sep));
    l.push_back(
        Red("Idealizirani momenat inercije stadij II     JIXII0= ", dp.JIXII0, 8, 2, " cm4", sep));
}

void TriUgiba(std::vector<std::string>& l, const char* naslov, const char* const oznake[3],
              const double vrijednosti[3], char sep) {
    l.emplace_back(naslov);
    for (int i = 0; i < 3; ++i)
        l.push_back(Red(oznake[i], vrijednosti[i], 12, 4, " cm", sep));
}

} // namespace

std::vector<std::string> DetaljiPrslina(const TDodatniPodaci& dp, TPropis kod, double Eb,
                                        char sep) {
    const OpisPropisa& propis = Opis(kod);
    std::vector<std::string> l;
    Cvrstoce(l, dp, propis, sep);
    l.push_back(Red(propis.oznakaSigC, dp.SigC, 8, 2, " N/mm2", sep));
    l.push_back(Red(propis.oznakaSigS, dp.SigS, 8, 2, " N/mm2", sep));
    l.push_back(Modul(propis, Eb, sep));
    l.push_back(Dubina("Visina pritisnute zone                         XII= ", dp, sep));
    MomentiInercije(l, dp, sep);
    l.push_back(
        Red("Momenat nastajanja naprslina                    Mr= ", dp.Mr, 5, 2, " kNm", sep));
    l.push_back(
        Red("Napon u arm. od mom. nastajanja prslina     Sig_ar= ", dp.SigAr, 5, 2, " N/mm2", sep));
    l.emplace_back();
    l.push_back(
        Red("Osovinsko rastojanje sipki                       D= ", dp.D, 12, 2, " mm", sep));
    l.push_back("Maksimalan broj šipki u jednom sloju             n= " + std::to_string(dp.nSipki));
    l.push_back("Broj Slojeva                                     m= " +
                std::to_string(dp.mSlojeva));
    l.push_back(
        Red("Efektivna visina zategnute zone               h_ef= ", dp.hEf, 5, 2, " cm", sep));
    return l;
}

std::vector<std::string> DetaljiUgiba(const TDodatniPodaci& dp, TPropis kod, double Eb, char sep) {
    const OpisPropisa& propis = Opis(kod);
    std::vector<std::string> l;
    Cvrstoce(l, dp, propis, sep);
    l.push_back(Modul(propis, Eb, sep));
    l.push_back(Dubina("Visina pritisnute zone stadij II               XII= ", dp, sep));
    MomentiInercije(l, dp, sep);
    l.emplace_back();
    static const char* const stadijI[3] = {"Pocetni ugib u vremenut t=0                    VEI= ",
                                           "Ugib usljed deformacija puzanja betona         VFI= ",
                                           "Ugib usljed deformacija skupljanja betona      VSI= "};
    static const char* const stadijII[3] = {"Pocetni ugib u vremenut t=0                   VEII= ",
                                            "Ugib usljed deformacija puzanja betona        VFII= ",
                                            "Ugib usljed deformacija skupljanja betona     VSII= "};
    static const char* const vjerovatni[3] = {
        "Pocetni ugib u vremenut t=0                     VE= ",
        "Ugib usljed deformacija puzanja betona          VF= ",
        "Ugib usljed deformacija skupljanja betona       VS= "};
    const double vI[3] = {dp.VEI, dp.VFI, dp.VSI};
    const double vII[3] = {dp.VEII, dp.VFII, dp.VSII};
    const double v[3] = {dp.VE, dp.VF, dp.VS};
    TriUgiba(l, "Stadij I : ", stadijI, vI, sep);
    l.emplace_back();
    TriUgiba(l, "Cisti Stadij II : ", stadijII, vII, sep);
    l.emplace_back();
    TriUgiba(l, "Vjerovatni ugib : ", vjerovatni, v, sep);
    l.emplace_back();
    l.push_back(Red("Koeficijent sadejstva                            C= ", dp.C, 12, 2, "", sep));
    l.push_back(
        Red("Momenat nastajanja naprslina                    Mr= ", dp.Mr, 5, 2, " kNm", sep));
    return l;
}

} // namespace nmk
