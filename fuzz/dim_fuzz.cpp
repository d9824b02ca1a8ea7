// The DIM batch: read, input check, bending and shear design, output.
#include "serija.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* podaci, std::size_t velicina) {
    using namespace nmk;
    using fuzz::Provjeri;
    Projekat pr;
    const auto izlaz = fuzz::Serija(ObradiDim, fuzz::Bajtovi(podaci, velicina), pr);
    if (!izlaz)
        return 0;
    // G, then per group its size and per section Aa1, Aa2, Avil and the strut-failure bit.
    CitacToka c(*izlaz);
    const std::int64_t g = c.Cijeli();
    std::size_t presjeka = 0;
    for (std::int64_t i = 0; i < g; ++i) {
        const std::int64_t n = c.Cijeli();
        for (std::int64_t j = 0; j < n; ++j, ++presjeka) {
            for (int k = 0; k < 3; ++k)
                Provjeri(fuzz::KonacanRezultat(c) >= 0, "a negative reinforcement area");
            const std::int64_t lom = c.Cijeli();
            Provjeri(lom == 0 || lom == 2048, "the strut-failure bit is neither 0 nor 2048");
        }
    }
    Provjeri(c.Kraj(), "bytes after the last result");
    Provjeri(presjeka == pr.presjeci.size(), "a section without its result");
    return 0;
}
