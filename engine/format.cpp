#include "engine/format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace nmk {

namespace {

// printf rounds a value that lies exactly halfway to the even digit; the program rounds
// halves away from zero, as people do by hand (8.625 -> 8.63). A value exactly halfway at
// `decimale` digits after the point (of the fixed or the exponent form) is moved to its
// neighbour away from zero, which printf then rounds the same way; any other value is
// returned unchanged. Forty digits more are enough to see that the expansion ends: a double
// that is not a tie differs from one within seventeen significant digits.
double PolovinaOdNule(double x, int decimale, bool eksponentni) {
    char buf[1200];
    const int n = std::snprintf(buf, sizeof buf, eksponentni ? "%.*e" : "%.*f", decimale + 40, x);
    if (n <= 0 || n >= static_cast<int>(sizeof buf))
        return x;
    const char* tacka = std::strchr(buf, '.');
    if (!tacka || tacka[1 + decimale] != '5')
        return x;
    for (const char* c = tacka + 2 + decimale; *c >= '0' && *c <= '9'; ++c)
        if (*c != '0')
            return x;
    return std::nextafter(x, x > 0 ? HUGE_VAL : -HUGE_VAL);
}

// Decimal exponent of x after rounding to `preciznost` significant digits.
int Eksponent(double x, int preciznost) {
    char buf[64];
    x = PolovinaOdNule(x, preciznost - 1, true);
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
        std::snprintf(buf, sizeof buf, "%.*E", preciznost - 1,
                      PolovinaOdNule(x, preciznost - 1, true));
        return SaSeparatorom(buf, separator);
    }
    // One rounding, at the coarser of the two limits: the significant digits or the decimals.
    int dozvoljeno = preciznost - (e + 1);
    if (dozvoljeno > decimale)
        dozvoljeno = decimale;
    if (dozvoljeno < 0)
        dozvoljeno = 0;
    std::snprintf(buf, sizeof buf, "%.*f", dozvoljeno, PolovinaOdNule(x, dozvoljeno, false));
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
