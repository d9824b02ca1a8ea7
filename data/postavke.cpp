#include "data/postavke.h"

namespace nmk {

SnimljenePostavke ProcitajPostavke(const Postavke& postavke) {
    SnimljenePostavke p;
    p.kljucPostoji = postavke.KljucPostoji();
    if (!p.kljucPostoji) {
        return p;
    }
    // A key that lacks some value (the program ended without closing its window, or the
    // value has the wrong type) keeps that value's default.
    p.MainLeft = postavke.CitajCijeli(kMainLeft).value_or(p.MainLeft);
    p.MainTop = postavke.CitajCijeli(kMainTop).value_or(p.MainTop);
    if (auto ec = postavke.CitajCijeli(kEc)) {
        p.Ec = *ec != 0;
    }
    if (auto standard = postavke.CitajCijeli(kStandard)) {
        p.Standard = *standard != 0;
    }
    p.LastDir = postavke.CitajTekst(kLastDir).value_or(std::string());
    return p;
}

bool ZapisiPriZatvaranju(Postavke& postavke, int lijevo, int gore, bool ec, bool standard) {
    if (!postavke.KljucPostoji()) {
        return false;
    }
    bool zapisano = postavke.ZapisiCijeli(kMainLeft, lijevo, false);
    zapisano = postavke.ZapisiCijeli(kMainTop, gore, false) && zapisano;
    zapisano = postavke.ZapisiCijeli(kEc, ec ? 1 : 0, false) && zapisano;
    zapisano = postavke.ZapisiCijeli(kStandard, standard ? 1 : 0, false) && zapisano;
    return zapisano;
}

std::string FolderSaSeparatorom(const std::string& putanjaFajla) {
    const auto kraj = putanjaFajla.find_last_of("/\\");
    if (kraj == std::string::npos) {
        return std::string();
    }
    return putanjaFajla.substr(0, kraj + 1);
}

void ZapisiPosljednjiFolder(Postavke& postavke, const std::string& putanjaFajla) {
    const std::string folder = FolderSaSeparatorom(putanjaFajla);
    if (!folder.empty()) {
        postavke.ZapisiTekst(kLastDir, folder, true);
    }
}

std::optional<int> PostavkeUMemoriji::CitajCijeli(const std::string& ime) const {
    if (!postoji) {
        return std::nullopt;
    }
    const auto it = vrijednosti.find(ime);
    if (it == vrijednosti.end() || !std::holds_alternative<int>(it->second)) {
        return std::nullopt;
    }
    return std::get<int>(it->second);
}

std::optional<std::string> PostavkeUMemoriji::CitajTekst(const std::string& ime) const {
    if (!postoji) {
        return std::nullopt;
    }
    const auto it = vrijednosti.find(ime);
    if (it == vrijednosti.end() || !std::holds_alternative<std::string>(it->second)) {
        return std::nullopt;
    }
    return std::get<std::string>(it->second);
}

bool PostavkeUMemoriji::ZapisiCijeli(const std::string& ime, int vrijednost, bool kreiraj) {
    if (!postoji && !kreiraj) {
        return false;
    }
    postoji = true;
    vrijednosti[ime] = vrijednost;
    return true;
}

bool PostavkeUMemoriji::ZapisiTekst(const std::string& ime, const std::string& vrijednost,
                                    bool kreiraj) {
    if (!postoji && !kreiraj) {
        return false;
    }
    postoji = true;
    vrijednosti[ime] = vrijednost;
    return true;
}

} // namespace nmk
