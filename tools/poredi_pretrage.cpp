// The fast searches against the literal scans on as many generated sections as asked,
// spread evenly over the searches; prints each search's count, the number of sections whose
// results differ (with the first few described) and the trial states evaluated each way.
//
//   build/tools/poredi_pretrage [count] [first]
//
// count  sections in all (default 7e5); first  index of the first section of each search
// (default 0). The exit status is 0 only when every result agrees bit for bit.

#include "data/katalog_fajl.h"
#include "tools/poredjenje_pretraga.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv) {
    using namespace nmk;
    using namespace nmk::poredjenje;
    const double broj = argc > 1 ? std::atof(argv[1]) : 7e5;
    const std::uint64_t prvi = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 0;
    const std::filesystem::path folder(NMK_BIN_DIR);
    Katalozi k;
    k.beton = CitajBetone(folder / BetonFajl);
    k.celik = CitajCelike(folder / CelikFajl);
    const std::uint64_t poPretrazi =
        static_cast<std::uint64_t>(broj / static_cast<double>(std::size(kSve)));
    const std::uint64_t dio = 10000; // report after every so many sections
    std::int64_t ukupno = 0, razlika = 0;
    const auto pocetak = std::chrono::steady_clock::now();
    for (Pretraga pr : kSve) {
        Zbir z;
        for (std::uint64_t i = prvi; i < prvi + poPretrazi; i += dio) {
            const Zbir d = Uporedi(pr, i, std::min(i + dio, prvi + poPretrazi), k);
            z.presjeka += d.presjeka;
            z.razlika += d.razlika;
            z.pokusajaBrzo += d.pokusajaBrzo;
            z.pokusajaDoslovno += d.pokusajaDoslovno;
            for (const auto& t : d.prve)
                if (z.prve.size() < 5)
                    z.prve.push_back(t);
            const double s =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - pocetak).count();
            std::fprintf(stderr, "%s: %lld sections, %lld differ (%.0f s)\n", Naziv(pr),
                         static_cast<long long>(z.presjeka), static_cast<long long>(z.razlika), s);
        }
        std::printf("%-16s sections %lld differ %lld trial states fast %lld literal %lld\n",
                    Naziv(pr), static_cast<long long>(z.presjeka),
                    static_cast<long long>(z.razlika), static_cast<long long>(z.pokusajaBrzo),
                    static_cast<long long>(z.pokusajaDoslovno));
        for (const auto& t : z.prve)
            std::printf("  differs: %s\n", t.c_str());
        std::fflush(stdout);
        ukupno += z.presjeka;
        razlika += z.razlika;
    }
    std::printf("all searches: %lld sections, %lld differ\n", static_cast<long long>(ukupno),
                static_cast<long long>(razlika));
    return razlika == 0 ? 0 : 1;
}
