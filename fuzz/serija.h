#pragma once
// A batch mode as the program runs it, in memory: the exchange file's bytes are read into a
// fresh project with the shipped catalogues, every section is checked and calculated, and
// the output is written. The run ends in results or in a clean read or calculation error;
// the results are a well-formed stream of finite reals and integers in the layout of the
// mode.

#include "zajednicko.h"

#include "data/razmjena.h"
#include "engine/greska.h"

#include <cmath>
#include <optional>
#include <string>

namespace nmk::fuzz {

// The output of one run, or nothing for a clean error.
inline std::optional<std::string> Serija(const ObradaSerije& obrada, std::string_view ulaz,
                                         Projekat& pr) {
    pr.katalozi = UgradjeniKatalozi();
    pr.sistem.PrikaziPoruke = false;
    TihePoruke tihe;
    try {
        return obrada(pr, ulaz, tihe);
    } catch (const GreskaFajla&) {
        return std::nullopt;
    } catch (const GreskaProracuna&) {
        return std::nullopt;
    }
}

inline double KonacanRezultat(CitacToka& c) {
    Provjeri(c.SljedeciTag() == tag::Real80, "a result is not a real");
    const double x = c.Realni();
    Provjeri(std::isfinite(x), "a result is not a finite number");
    return x;
}

// UGIB and PRSLINE: G, then every entry value and, for a section, its bit and its result.
inline void ProvjeriStavke(const std::string& izlaz, const Projekat& pr) {
    CitacToka c(izlaz);
    const std::int64_t g = c.Cijeli();
    std::size_t presjeka = 0;
    for (std::int64_t i = 0; i < g; ++i) {
        if (c.Cijeli() != 1)
            continue;
        const std::int64_t bit = c.Cijeli();
        Provjeri(bit == 0 || bit == 0x0400, "the no-bars bit is neither 0 nor 1024");
        KonacanRezultat(c);
        ++presjeka;
    }
    Provjeri(c.Kraj(), "bytes after the last result");
    Provjeri(presjeka == pr.presjeci.size(), "a section without its result");
}

} // namespace nmk::fuzz
