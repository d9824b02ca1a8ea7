#include "data/projekat.h"

#include <algorithm>

namespace nmk {

bool JeSacuvan(const Projekat& pr, std::int32_t i) {
    return i >= 0 && i < pr.BrojPresjeka() - 1;
}

std::int32_t IzbrisiPresjek(Projekat& pr, std::int32_t i) {
    if (!JeSacuvan(pr, i))
        return pr.sistem.IzabraniPresjek;
    pr.presjeci.erase(pr.presjeci.begin() + i);
    const std::int32_t sacuvanih = pr.BrojPresjeka() - 1;
    pr.sistem.IzabraniPresjek = sacuvanih == 0 ? 0 : std::min(i, sacuvanih - 1);
    pr.VratiRadni();
    return pr.sistem.IzabraniPresjek;
}

std::filesystem::path Putanja(const Projekat& pr, const char* ime) {
    return pr.folder / std::filesystem::path(reinterpret_cast<const char8_t*>(ime));
}

} // namespace nmk
