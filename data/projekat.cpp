#include "data/projekat.h"

namespace nmk {

std::filesystem::path Putanja(const Projekat& pr, const char* ime) {
    return pr.folder / std::filesystem::path(reinterpret_cast<const char8_t*>(ime));
}

} // namespace nmk
