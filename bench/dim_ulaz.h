#pragma once
// A DIM exchange file of generated mixed sections (both codes, rectangles and T sections,
// both signs of moment, tension and compression, symmetric designs, the fifth domain), the
// same for every benchmark that runs the batch.

#include "data/tok.h"

#include <random>
#include <string>

namespace nmk::bench {

inline std::string GenerisiDim(int broj) {
    std::mt19937 gen(2026);
    std::uniform_real_distribution<double> u(0, 1);
    PisacToka t;
    t.Realni(1.5);
    t.Realni(1.15);
    const int grupa = 100;
    t.Cijeli(broj / grupa);
    for (int g = 0; g < broj / grupa; ++g) {
        t.Cijeli(grupa);
        for (int i = 0; i < grupa; ++i) {
            const bool ec2 = gen() % 2 == 0;
            const bool tPresjek = gen() % 4 == 0;
            const double b = tPresjek ? 80 + 60 * u(gen) : 25 + 25 * u(gen);
            const double b0 = tPresjek ? 20 + 10 * u(gen) : b;
            const double h = 40 + 40 * u(gen);
            const double h0 = tPresjek ? 10 + 8 * u(gen) : h;
            const double d = 4 + 2 * u(gen);
            const double fd = b * h * 1.5; // kN a section of this size carries by its concrete
            const int vrsta = static_cast<int>(gen() % 5);
            double M = (u(gen) - 0.3) * fd * h / 400; // both signs, mostly sagging
            double N = 0;
            if (vrsta == 1)
                N = -u(gen) * fd * 0.6; // compression, up to the fifth domain
            if (vrsta == 2)
                N = u(gen) * fd * 0.1; // tension
            if (vrsta == 3)
                M *= 3; // double reinforcement
            for (double x : {b, b0, h, tPresjek ? h0 : h, d, d, M, N, 20 + 200 * u(gen)})
                t.Realni(x);
            t.Cijeli(ec2 ? 1 : 0);
            t.Cijeli(ec2 ? 10 + static_cast<int>(gen() % 9) : static_cast<int>(gen() % 10));
            t.Cijeli(ec2 ? 3 : static_cast<int>(gen() % 3));
            t.Cijeli(tPresjek ? 1 : 0);
            t.Cijeli(vrsta == 4 ? 1 : 0);
        }
    }
    return t.Bajtovi();
}

} // namespace nmk::bench
