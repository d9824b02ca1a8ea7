#include "engine/format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace nmk {

namespace {

// Decimal exponent of x after rounding to `preciznost` significant digits.
int Eksponent(double x, int preciznost) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", preciznost - 1, x);
    const char* e = std::strchr(buf, 'e');
    return e ? std::atoi(e + 1) : 0;
}

std::string SaSeparatorom(std::string s, char separator) {
    for (char& c : s)
        if (c == '.')
            c = separator;
    return s;
}

bool SveNule(const std::string& s) {
    for (char c : s)
        if (c != '0' && c != '.' && c != '-')
            return false;
    return true;
}

} // namespace

std::string FormatirajBroj(double x, int preciznost, int decimale, char separator) {
    if (std::isnan(x))
        return "NAN";
    if (std::isinf(x))
        return x > 0 ? "INF" : "-INF";
    if (preciznost < 1)
        preciznost = 1;
    if (decimale < 0)
        decimale = 0;
    const int e = x == 0 ? 0 : Eksponent(x, preciznost);
    char buf[512];
    if (e >= preciznost) {
        // More integer digits than the precision: exponent form d.ddddE+NN.
        std::snprintf(buf, sizeof buf, "%.*E", preciznost - 1, x);
        return SaSeparatorom(buf, separator);
    }
    // One rounding, at the coarser of the two limits: the significant digits or the decimals.
    int dozvoljeno = preciznost - (e + 1);
    if (dozvoljeno > decimale)
        dozvoljeno = decimale;
    if (dozvoljeno < 0)
        dozvoljeno = 0;
    std::snprintf(buf, sizeof buf, "%.*f", dozvoljeno, x);
    std::string s = buf;
    if (!s.empty() && s[0] == '-' && SveNule(s))
        s.erase(0, 1); // no "-0.00"
    if (decimale > 0) {
        if (dozvoljeno == 0)
            s += '.';
        s.append(static_cast<std::size_t>(decimale - dozvoljeno), '0');
    }
    return SaSeparatorom(s, separator);
}

} // namespace nmk
