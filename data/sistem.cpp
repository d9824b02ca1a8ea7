#include "data/sistem.h"

#include "data/fajl.h"
#include "data/katalog_fajl.h"

#include <system_error>

namespace nmk {

std::filesystem::path FolderPrograma(const char* argv0) {
    std::error_code ec;
    const auto izvrsni = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && izvrsni.has_parent_path())
        return izvrsni.parent_path();
    if (argv0 != nullptr && *argv0 != '\0') {
        auto putanja = std::filesystem::absolute(std::filesystem::path(argv0), ec);
        if (!ec && putanja.has_parent_path())
            return putanja.parent_path();
    }
    auto radni = std::filesystem::current_path(ec);
    return ec ? std::filesystem::path(".") : radni;
}

void KreirajProjekat(Projekat& pr, const std::filesystem::path& folder) {
    pr = Projekat{};
    pr.folder = folder;
    pr.sistem = TSistem{};
    pr.betonEx = TBetonEx{};
    UcitajBetone(pr);
    UcitajCelike(pr);
    pr.presjeci.assign(1, TPresjek{});
    pr.trenutni = 0;
}

bool PostojeKatalozi(const Projekat& pr) {
    std::error_code ec1, ec2;
    return std::filesystem::exists(Putanja(pr, BetonFajl), ec1) &&
           std::filesystem::exists(Putanja(pr, CelikFajl), ec2);
}

std::string PorukaNedostajuKatalozi(const Projekat& pr) {
    return "Program nemoze raditi bez sljedecih fajlova:\n" + PutanjaUtf8(Putanja(pr, BetonFajl)) +
           "\n" + PutanjaUtf8(Putanja(pr, CelikFajl));
}

void OslobodiProjekat(Projekat& pr) {
    ObrisiPrivremeneKopije(pr);
    pr.sistem.PrivremeniMaterijali = false;
    pr.presjeci.clear();
    pr.trenutni = 0;
    pr.katalozi = Katalozi{};
    pr.betonEx = TBetonEx{};
    pr.sistem = TSistem{};
}

} // namespace nmk
