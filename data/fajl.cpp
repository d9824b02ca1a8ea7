#include "data/fajl.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <system_error>

namespace nmk {

std::string PutanjaUtf8(const std::filesystem::path& putanja) {
    const std::u8string s = putanja.u8string();
    return std::string(s.begin(), s.end());
}

std::filesystem::path Utf8Putanja(std::string_view tekst) {
    return std::filesystem::path(std::u8string(tekst.begin(), tekst.end()));
}

std::string TekstGreskeFajla(const std::exception& e) {
    if (dynamic_cast<const std::bad_alloc*>(&e) || dynamic_cast<const std::length_error*>(&e))
        return PorukaPremaloMemorije;
    return e.what();
}

std::string ProcitajFajl(const std::filesystem::path& putanja) {
    return BezIscrpljenja([&] {
        std::ifstream ulaz(putanja, std::ios::binary);
        if (!ulaz)
            throw GreskaFajla("Fajl se ne može otvoriti: " + PutanjaUtf8(putanja));
        std::string bajtovi((std::istreambuf_iterator<char>(ulaz)),
                            std::istreambuf_iterator<char>());
        if (ulaz.bad())
            throw GreskaFajla("Greška pri čitanju fajla: " + PutanjaUtf8(putanja));
        return bajtovi;
    });
}

void ZapisiAtomski(const std::filesystem::path& putanja, std::string_view bajtovi) {
    static std::atomic<unsigned> brojac{0};
    const auto oznaka = std::chrono::steady_clock::now().time_since_epoch().count();
    std::filesystem::path privremeni = putanja;
    privremeni += ".tmp" + std::to_string(oznaka) + "_" + std::to_string(brojac++);
    try {
        std::ofstream izlaz(privremeni, std::ios::binary | std::ios::trunc);
        if (!izlaz)
            throw GreskaFajla("Fajl se ne može kreirati: " + PutanjaUtf8(putanja));
        izlaz.write(bajtovi.data(), static_cast<std::streamsize>(bajtovi.size()));
        izlaz.flush();
        if (!izlaz)
            throw GreskaFajla("Greška pri pisanju fajla: " + PutanjaUtf8(putanja));
    } catch (...) {
        // Whatever stopped the writing (an allocation failure too), no temporary file stays.
        std::error_code ec;
        std::filesystem::remove(privremeni, ec);
        throw;
    }
    std::error_code ec;
    std::filesystem::rename(privremeni, putanja, ec);
    if (ec) {
        std::error_code ec2;
        std::filesystem::remove(privremeni, ec2);
        throw GreskaFajla("Fajl se ne može zamijeniti: " + PutanjaUtf8(putanja) + " (" +
                          ec.message() + ")");
    }
}

} // namespace nmk
