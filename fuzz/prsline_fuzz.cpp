// The PRSLINE batch: read, input check, crack widths, output.
#include "serija.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* podaci, std::size_t velicina) {
    nmk::Projekat pr;
    const auto izlaz =
        nmk::fuzz::Serija(nmk::ObradiPrsline, nmk::fuzz::Bajtovi(podaci, velicina), pr);
    if (izlaz)
        nmk::fuzz::ProvjeriStavke(*izlaz, pr);
    return 0;
}
