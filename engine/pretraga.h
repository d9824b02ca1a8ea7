#pragma once
// The sweep of trial states that every search of the engine walks: the strain paths as
// sequences of trial values, the step with its stall guard and its bound on trials, the
// sign-change tracker (with the pole rule as an option), the nearest-point tracker, and the
// fast searches that pick exactly the trial the literal scan picks.
//
// A path is a sequence of values that the scan reaches by adding a fixed step again and again
// (a float strain: the step added in double and the sum rounded to float, so the strains
// accumulate in single precision; the neutral-axis depth: a double). The literal scan walks
// it step by step (Hod). The fast search reads the same values by their index (IndeksiraniPut):
// inside one binade the rounded step advances by the same number of units in the last place,
// so a run of steps is one multiplication, and the value of any index is exact.
//
// A fast search evaluates only some trials literally (with the same functions, messages and
// all) and proves for the others, from an enclosure of the residual over a range of trials,
// that none of them could be accepted; the tracker is then left as the literal scan would
// leave it. The enclosures come from the searches (they know which quantities are monotone
// along their paths); a range whose enclosure proves nothing is split until its trials are
// evaluated one by one.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

namespace nmk {

// How a search finds its state: the fast search (the default everywhere) or the literal scan
// of every trial, kept as the reference.
enum class NacinPretrage { Brza, Doslovna };

// Bound on the trials of one path. The longest legal path (a float step of 0.001 from the
// largest strain at which it still advances, about 32768, or a neutral-axis scan of a
// 100 m deep section) has about 2.5e7 trials; no input can make a path longer than this.
inline constexpr std::int64_t NajvisePokusajaPuta = std::int64_t{1} << 25;

inline constexpr const char* PorukaGranicaPretrage =
    "Proračun nije moguć: pretraga stanja premašuje najveći broj pokušaja "
    "(neodgovarajući podaci presjeka)";

// Counts the work of the searches: every trial state evaluated (the literal scans count each
// trial; the fast searches also count the states at which they bound a range).
struct BrojacPokusaja {
    std::int64_t pokusaji = 0;   // trial states evaluated
    std::int64_t najduziPut = 0; // most trials on one path
};

// Throws GreskaProracuna with PorukaGranicaPretrage.
[[noreturn]] void PrekoraceneGranicePretrage();

// ---- Paths ------------------------------------------------------------------------------------

// The step of a path: a float strain takes the step in double and is rounded to float; a
// double takes it directly.
template <class T> T Korak(T x, double korak) {
    if constexpr (std::is_same_v<T, float>)
        return static_cast<float>(static_cast<double>(x) + korak);
    else
        return x + korak;
}

// The binade of a finite non-zero double: |x| in [2^(e-1), 2^e), e as std::frexp gives it
// (for the normal numbers the sequences meet; a denormal gives its exponent field's).
inline int Binada(double x) {
    std::uint64_t b = 0;
    std::memcpy(&b, &x, sizeof b);
    return static_cast<int>((b >> 52) & 0x7ff) - 1022;
}
// 2^e for the exponents of normal doubles.
inline double DvaNa(int e) {
    const std::uint64_t b = static_cast<std::uint64_t>(e + 1023) << 52;
    double x = 0;
    std::memcpy(&x, &b, sizeof x);
    return x;
}

// The values x0 = pocetak, x(k+1) = Korak(x(k)), readable by index. A value that the step no
// longer changes ends the sequence (every later index has it too).
template <class T> class NizKoraka {
public:
    NizKoraka(T pocetak, double korak) : korak_(korak), sljedecaX_(pocetak) {
        odsjeci_.reserve(64);
    }

    T operator[](std::int64_t k) {
        Izgradi(k);
        return Nadji(k).Vrijednost(k);
    }
    // The last index of the run of regular steps that holds k (k itself for a single value;
    // a stalled value repeats for ever).
    std::int64_t KrajOdsjecka(std::int64_t k) {
        Izgradi(k);
        const Odsjecak& o = Nadji(k);
        return o.n >= kBeskonacno ? kBeskonacno : o.k0 + o.n - 1;
    }
    // The first index k >= od (and below najvise; else kBeskonacno) whose value does not lie
    // before the bound in the direction of the step: strictly before, or also at it when
    // ukljucena. The values move one way, so this walks the runs and halves within one.
    std::int64_t PrviNePrije(double granica, bool ukljucena, std::int64_t od,
                             std::int64_t najvise) {
        auto prije = [&](T x) {
            const double v = static_cast<double>(x);
            return (korak_ > 0 ? v < granica : v > granica) || (ukljucena && v == granica);
        };
        auto zadnja = [](const Odsjecak& o) {
            return o.n >= kBeskonacno ? o.x0 : o.Vrijednost(o.k0 + o.n - 1);
        };
        Izgradi(od);
        std::size_t p = static_cast<std::size_t>(&Nadji(od) - odsjeci_.data());
        for (;;) {
            // The first run built whose last value no longer lies before the bound.
            std::size_t lo = p, hi = odsjeci_.size();
            while (lo < hi) {
                const std::size_t m = lo + (hi - lo) / 2;
                (prije(zadnja(odsjeci_[m])) ? lo : hi) = prije(zadnja(odsjeci_[m])) ? m + 1 : m;
            }
            if (lo < odsjeci_.size()) {
                const Odsjecak& o = odsjeci_[lo];
                if (o.k0 >= najvise)
                    return kBeskonacno;
                if (o.n >= kBeskonacno || !prije(o.x0))
                    return std::max(o.k0, od);
                std::int64_t ima = o.k0, nema = o.k0 + o.n - 1; // before at ima, not at nema
                while (nema - ima > 1) {
                    const std::int64_t m = ima + (nema - ima) / 2;
                    (prije(o.Vrijednost(m)) ? ima : nema) = m;
                }
                return nema >= najvise ? kBeskonacno : std::max(nema, od);
            }
            if (zastoj_ != kBeskonacno || sljedeciK_ >= najvise)
                return kBeskonacno;
            p = odsjeci_.size();
            Produzi();
        }
    }
    // The first index whose value equals the one before it (the step stalled), looked for
    // below najvise; kBeskonacno when there is none.
    std::int64_t Zastoj(std::int64_t najvise) {
        Izgradi(najvise);
        return zastoj_ <= najvise ? zastoj_ : kBeskonacno;
    }
    static constexpr std::int64_t Beskonacno() { return kBeskonacno; }
    // True when x(k) equals x(k - 1): the step stalled at or before k (k >= 1).
    bool Zastao(std::int64_t k) {
        Izgradi(k);
        return zastoj_ <= k;
    }

private:
    // x(k0 + j) = x0 + j inc for 0 <= j < n (a stalled value repeats for ever).
    struct Odsjecak {
        std::int64_t k0 = 0;
        T x0 = 0;
        T inc = 0;
        std::int64_t n = 1;
        T Vrijednost(std::int64_t k) const {
            if constexpr (std::is_same_v<T, float>)
                return static_cast<float>(static_cast<double>(x0) +
                                          static_cast<double>(k - k0) * static_cast<double>(inc));
            else
                return x0 + static_cast<double>(k - k0) * inc;
        }
    };
    static constexpr std::int64_t kBeskonacno = std::numeric_limits<std::int64_t>::max() / 4;

    const Odsjecak& Nadji(std::int64_t k) {
        // Searches mostly read neighbouring indices: try the run found last first.
        const Odsjecak& z = odsjeci_[zadnji_];
        if (k >= z.k0 && k - z.k0 < z.n)
            return z;
        auto it = std::upper_bound(odsjeci_.begin(), odsjeci_.end(), k,
                                   [](std::int64_t x, const Odsjecak& o) { return x < o.k0; });
        zadnji_ = static_cast<std::size_t>(it - 1 - odsjeci_.begin());
        return *(it - 1);
    }
    void Izgradi(std::int64_t k) {
        while (sljedeciK_ <= k && zastoj_ == kBeskonacno)
            Produzi();
    }
    void Produzi();
    // Covers the value after `zadnja` at index `sljedeci`, or ends the sequence there.
    void Postavi(std::int64_t sljedeci, T zadnja);
    // Number of regular steps from w0 within its binade: each lands where the formula says.
    std::int64_t RedovniKoraci(T w0, T inc) const;

    double korak_;
    std::vector<Odsjecak> odsjeci_;
    std::int64_t sljedeciK_ = 0; // first index not yet covered
    T sljedecaX_;                // its value
    std::int64_t zastoj_ = kBeskonacno;
    std::size_t zadnji_ = 0;
};

// The sequence of a start and a step, shared by the searches of one thread: the same paths
// (from 0, from the steel limit) recur from section to section, and their runs are built
// once. The few most recently used are kept.
template <class T> std::shared_ptr<NizKoraka<T>> ZajednickiNiz(T pocetak, double korak) {
    struct Stavka {
        T pocetak;
        double korak;
        std::uint64_t koristen;
        std::shared_ptr<NizKoraka<T>> niz;
    };
    thread_local std::vector<Stavka> stavke;
    thread_local std::uint64_t sat = 0;
    ++sat;
    for (Stavka& s : stavke)
        if (std::memcmp(&s.pocetak, &pocetak, sizeof(T)) == 0 && s.korak == korak) {
            s.koristen = sat;
            return s.niz;
        }
    constexpr std::size_t kNajvise = 32;
    if (stavke.size() >= kNajvise)
        stavke.erase(
            std::min_element(stavke.begin(), stavke.end(), [](const Stavka& a, const Stavka& b) {
                return a.koristen < b.koristen;
            }));
    stavke.push_back({pocetak, korak, sat, std::make_shared<NizKoraka<T>>(pocetak, korak)});
    return stavke.back().niz;
}

// Which comes first on a path: the step (the trial takes the new value) or the trial.
enum class Redoslijed { KorakPaProba, ProbaPaKorak };

// One path of a scan: its start, its step, and where it ends. A bound is a strain (or depth)
// that a value must lie strictly before, in the direction of the step: the value before the
// step (staraIspred), and the trial value itself (novaIspred, or at it when novaUkljucena).
// A step that no longer changes the value ends the path as well.
template <class T> struct Put {
    T pocetak = 0;
    double korak = 0;
    Redoslijed redoslijed = Redoslijed::KorakPaProba;
    double staraIspred = std::numeric_limits<double>::quiet_NaN(); // NaN: no bound
    double novaIspred = std::numeric_limits<double>::quiet_NaN();
    bool novaUkljucena = false;

    bool IspredStare(T x) const { return std::isnan(staraIspred) || Ispred(x, staraIspred); }
    bool IspredNove(T x) const {
        if (std::isnan(novaIspred))
            return true;
        return Ispred(x, novaIspred) || (novaUkljucena && static_cast<double>(x) == novaIspred);
    }

private:
    bool Ispred(T x, double granica) const {
        return korak > 0 ? static_cast<double>(x) < granica : static_cast<double>(x) > granica;
    }
};

// Counts the trials of one path against the bound and in the caller's counter.
class BrojPuta {
public:
    explicit BrojPuta(BrojacPokusaja* brojac) : brojac_(brojac) {}
    BrojPuta(const BrojPuta&) = delete;
    BrojPuta& operator=(const BrojPuta&) = delete;
    ~BrojPuta() {
        if (brojac_)
            brojac_->najduziPut = std::max(brojac_->najduziPut, broj_);
    }
    // One more trial; beyond the bound the path ends with an error instead.
    void Jos() {
        if (broj_ >= NajvisePokusajaPuta)
            PrekoraceneGranicePretrage();
        ++broj_;
        if (brojac_)
            ++brojac_->pokusaji;
    }
    std::int64_t Broj() const { return broj_; }

private:
    BrojacPokusaja* brojac_;
    std::int64_t broj_ = 0;
};

// The literal walk along a path: one trial after the other, exactly as the scan steps.
template <class T> class Hod {
public:
    Hod(const Put<T>& put, BrojacPokusaja* brojac) : put_(put), x_(put.pocetak), broj_(brojac) {}

    // Moves to the next trial; false when the path has ended.
    bool Sljedeci() {
        if (put_.redoslijed == Redoslijed::ProbaPaKorak && broj_.Broj() == 0) {
            if (!put_.IspredNove(x_))
                return false;
        } else {
            if (put_.redoslijed == Redoslijed::KorakPaProba && !put_.IspredStare(x_))
                return false;
            const T n = Korak(x_, put_.korak);
            if (n == x_) {
                zastao_ = true;
                return false;
            }
            if (!put_.IspredNove(n))
                return false;
            prethodna_ = x_;
            x_ = n;
        }
        broj_.Jos();
        return true;
    }
    T Vrijednost() const { return x_; }
    // The value before the step that reached this trial.
    T Prethodna() const { return prethodna_; }
    // The path ended because a step no longer changed the value.
    bool Zastao() const { return zastao_; }

private:
    const Put<T>& put_;
    T x_;
    T prethodna_ = 0;
    bool zastao_ = false;
    BrojPuta broj_;
};

// The same path read by the index of its trials, for the fast searches.
template <class T> class IndeksiraniPut {
public:
    explicit IndeksiraniPut(const Put<T>& put)
        : put_(put), dijeljeni_(ZajednickiNiz(put.pocetak, put.korak)), niz_(*dijeljeni_) {}

    // The trial strain of trial j and the value before its step.
    T Vrijednost(std::int64_t j) { return niz_[j + Pomak()]; }
    T Prethodna(std::int64_t j) { return niz_[j + Pomak() - 1]; }

    // The number of trials the literal walk makes, but at most one beyond the bound.
    std::int64_t Broj() {
        if (!broj_)
            broj_ = Prebroji();
        return *broj_;
    }
    // The first trial whose strain does not lie before x in the direction of the path (the
    // number of trials when there is none).
    std::int64_t PrviNePrije(double x) {
        const std::int64_t k = niz_.PrviNePrije(x, false, Pomak(), Broj() + Pomak());
        return std::min(k - Pomak(), Broj());
    }
    // The literal walk ends because a step no longer changes the value.
    bool Zastaje() {
        const std::int64_t k = Broj() + Pomak();
        return k >= 1 && niz_.Zastao(k) &&
               (put_.redoslijed == Redoslijed::ProbaPaKorak || put_.IspredStare(niz_[k - 1]));
    }

private:
    std::int64_t Pomak() const { return put_.redoslijed == Redoslijed::KorakPaProba ? 1 : 0; }
    // Each end of a path is where the values pass a bound (or stall); the first trial that
    // fails any of them ends the path.
    std::int64_t Prebroji() {
        const std::int64_t granica = NajvisePokusajaPuta + 1;
        const std::int64_t kBesk = NizKoraka<T>::Beskonacno();
        const std::int64_t zastoj = niz_.Zastoj(granica + 2);
        std::int64_t broj = kBesk;
        if (put_.redoslijed == Redoslijed::KorakPaProba) {
            // Trial j steps from x(j) to x(j + 1).
            if (!std::isnan(put_.staraIspred))
                broj = std::min(broj, niz_.PrviNePrije(put_.staraIspred, false, 0, granica + 1));
            if (!std::isnan(put_.novaIspred)) {
                const std::int64_t k =
                    niz_.PrviNePrije(put_.novaIspred, put_.novaUkljucena, 1, granica + 2);
                if (k < kBesk)
                    broj = std::min(broj, k - 1);
            }
            if (zastoj < kBesk)
                broj = std::min(broj, zastoj - 1);
        } else {
            // Trial j is x(j).
            if (!std::isnan(put_.novaIspred))
                broj = std::min(
                    broj, niz_.PrviNePrije(put_.novaIspred, put_.novaUkljucena, 0, granica + 1));
            broj = std::min(broj, zastoj);
        }
        return std::clamp<std::int64_t>(broj, 0, granica);
    }

    const Put<T>& put_;
    std::shared_ptr<NizKoraka<T>> dijeljeni_;
    NizKoraka<T>& niz_;
    std::optional<std::int64_t> broj_;
};

// ---- Trackers ---------------------------------------------------------------------------------

// One trial of a sign-change search: its kind (the symmetric design has two residuals), its
// residual, and for kind 2 the signs of the two denominators of the residual's quotients;
// `podatak` carries what the caller needs at an accepted trial.
struct Pokusaj {
    int vrsta = 1;
    double r = 0;
    int znak1 = 0;
    int znak2 = 0;
    double podatak = 0;
};

// What a run of trials shares when a fast search skips it: kind, sign of the residual and
// signs of the denominators.
struct Potpis {
    int vrsta = 1;
    int znak = 0;
    int znak1 = 0;
    int znak2 = 0;
};

inline int Znak(double x) {
    return x > 0 ? 1 : x < 0 ? -1 : 0;
}

// Accepts a trial whose residual changed sign since the previous one.
//  - Pravilo::Ravnoteza: a residual of exactly zero is the balance itself: accepted after a
//    non-zero record, never recorded (the next sign change would be lost).
//  - Pravilo::Proizvod: accepted when the product of this and the previous residual is
//    negative (so a zero is never accepted); every trial becomes the record.
//  - polovi: a trial is compared only with one of its own kind, and a residual of kind 2 is a
//    quotient: when one of its denominators changes sign as well, the residual jumped through
//    infinity; that sign change is a pole, not a solution.
class PromjenaZnaka {
public:
    enum class Pravilo { Ravnoteza, Proizvod };
    PromjenaZnaka(Pravilo pravilo, bool polovi) : pravilo_(pravilo), polovi_(polovi) {}

    bool Prihvati(const Pokusaj& t) {
        bool prihvacen = false;
        if (pravilo_ == Pravilo::Ravnoteza) {
            prihvacen = ima_ && (t.r == 0 || (t.r < 0) != (pret_.r < 0));
            if (t.r != 0)
                Zapisi(t);
            return prihvacen;
        }
        prihvacen =
            ima_ && t.r * pret_.r < 0 &&
            (!polovi_ || (t.vrsta == pret_.vrsta &&
                          (t.vrsta == 1 || (t.znak1 == pret_.znak1 && t.znak2 == pret_.znak2 &&
                                            t.znak1 != 0 && t.znak2 != 0))));
        Zapisi(t);
        return prihvacen;
    }
    // True when a trial of this signature cannot be accepted after the record: a non-zero
    // residual of the record's sign (whatever the kinds and denominators).
    bool NeMijenja(const Potpis& s) const { return ima_ && s.znak != 0 && s.znak == Znak(pret_.r); }
    // Records the last trial of a run that a fast search skipped.
    void Zapisi(const Pokusaj& t) {
        pret_ = t;
        ima_ = true;
    }
    void Zapisi(const Potpis& s) {
        Zapisi(Pokusaj{s.vrsta, static_cast<double>(s.znak), s.znak1, s.znak2, 0});
    }
    void Obrisi() { ima_ = false; }

private:
    Pravilo pravilo_;
    bool polovi_;
    bool ima_ = false;
    Pokusaj pret_;
};

// Keeps the trial whose value lies nearest to the target: strictly nearer than every earlier
// one, so the first of equally near trials wins. With samoPozitivne only positive values
// take part.
class NajblizaTacka {
public:
    NajblizaTacka(float cilj, bool samoPozitivne) : cilj_(cilj), samoPozitivne_(samoPozitivne) {}
    // True when trial j became the nearest so far.
    bool Probaj(std::int64_t j, float m) {
        if (samoPozitivne_ && !(m > 0))
            return false;
        const float razlika = std::fabs(cilj_ - m);
        if (!(razlika < najbolje_))
            return false;
        najbolje_ = razlika;
        indeks_ = j;
        return true;
    }
    std::optional<std::int64_t> Indeks() const { return indeks_; }
    float Najbolje() const { return najbolje_; }
    float Cilj() const { return cilj_; }
    bool SamoPozitivne() const { return samoPozitivne_; }

private:
    float cilj_;
    bool samoPozitivne_;
    float najbolje_ = 3.4e38f;
    std::optional<std::int64_t> indeks_;
};

// ---- Enclosures -------------------------------------------------------------------------------

// A closed interval of reals; the arithmetic gives an interval that holds every result of
// the operation on members (to double rounding, which the callers' margins cover).
struct Raspon {
    double od = 0;
    double do_ = 0;

    static Raspon Od(double a, double b) { return {std::min(a, b), std::max(a, b)}; }
    static Raspon Tacka(double a) { return {a, a}; }
    Raspon Prosiren(double e) const { return {od - e, do_ + e}; }
    bool Konacan() const { return std::isfinite(od) && std::isfinite(do_); }
    double Najveci() const { return std::max(std::fabs(od), std::fabs(do_)); }
    // Sign of every member when the interval keeps clear of [-e, e]; 0 when it does not.
    int Znak(double e) const { return od > e ? 1 : do_ < -e ? -1 : 0; }
};

inline Raspon operator+(Raspon a, Raspon b) {
    return {a.od + b.od, a.do_ + b.do_};
}
inline Raspon operator-(Raspon a, Raspon b) {
    return {a.od - b.do_, a.do_ - b.od};
}
inline Raspon operator*(Raspon a, Raspon b) {
    const double p[] = {a.od * b.od, a.od * b.do_, a.do_ * b.od, a.do_ * b.do_};
    return {*std::min_element(p, p + 4), *std::max_element(p, p + 4)};
}
inline Raspon operator*(double c, Raspon a) {
    return Raspon::Od(c * a.od, c * a.do_);
}
// The quotient, when the divisor keeps clear of zero.
inline std::optional<Raspon> Podijeli(Raspon a, Raspon b) {
    if (!(b.od > 0 || b.do_ < 0))
        return std::nullopt;
    const double p[] = {a.od / b.od, a.od / b.do_, a.do_ / b.od, a.do_ / b.do_};
    return Raspon{*std::min_element(p, p + 4), *std::max_element(p, p + 4)};
}

// ---- Fast searches ----------------------------------------------------------------------------

// Ranges of trials still to be done, the next on top. A split replaces a range by its two
// halves, so the stack grows by one per halving: a few dozen suffice for any path.
class StekRaspona {
public:
    void Stavi(std::int64_t i, std::int64_t j) {
        if (i <= j)
            stavke_.at(broj_++) = {i, j};
    }
    bool Prazan() const { return broj_ == 0; }
    std::pair<std::int64_t, std::int64_t> Uzmi() { return stavke_[--broj_]; }

private:
    std::array<std::pair<std::int64_t, std::int64_t>, 160> stavke_{};
    std::size_t broj_ = 0;
};

// Indices at which a new range should begin: where the kind of the trials or the law of a
// layer changes, and the guessed change of sign with a small window around it.
class Podjela {
public:
    void Dodaj(std::int64_t k) {
        if (broj_ < tacke_.size())
            tacke_[broj_++] = k;
    }
    void Slutnja(std::optional<std::int64_t> s, std::int64_t prozor) {
        if (s) {
            Dodaj(*s - prozor);
            Dodaj(*s + prozor + 1);
        }
    }
    // The trials 0 .. broj - 1 as ranges between the points, in the order of the scan.
    void URasponima(StekRaspona& stek, std::int64_t broj) {
        std::array<std::int64_t, 12> t{};
        std::size_t n = 0;
        for (std::size_t i = 0; i < broj_; ++i)
            if (tacke_[i] > 0 && tacke_[i] < broj)
                t[n++] = tacke_[i];
        std::sort(t.begin(), t.begin() + static_cast<std::ptrdiff_t>(n));
        std::int64_t kraj = broj - 1;
        for (std::size_t i = n; i-- > 0;) {
            stek.Stavi(t[i], kraj);
            kraj = std::min(kraj, t[i] - 1);
        }
        stek.Stavi(0, kraj);
    }

private:
    std::array<std::int64_t, 12> tacke_{};
    std::size_t broj_ = 0;
};

// The index at which f changes sign between a and b (f(a), f(b) of opposite signs, a < b):
// the first index with the sign of f(b) in a bracket narrowed by regula falsi (the Illinois
// way), which for smooth residuals lands in a few evaluations.
template <class F>
std::int64_t PromjenaZnakaIzmedju(std::int64_t a, double fa, std::int64_t b, double fb, F&& f) {
    int strana = 0;
    for (int korak = 0; b - a > 1 && korak < 60; ++korak) {
        std::int64_t m = a + (b - a) / 2;
        if (korak < 40 && std::isfinite(fa) && std::isfinite(fb) && fa != fb) {
            const double t = fa / (fa - fb);
            if (t > 0 && t < 1)
                m = std::clamp<std::int64_t>(
                    a + static_cast<std::int64_t>(std::llround(t * static_cast<double>(b - a))),
                    a + 1, b - 1);
        }
        const double fm = f(m);
        if (!std::isfinite(fm))
            return m;
        if ((fm < 0) == (fb < 0) && fm != 0) {
            b = m;
            fb = fm;
            if (strana == -1)
                fa /= 2;
            strana = -1;
        } else {
            a = m;
            fa = fm;
            if (strana == 1)
                fb /= 2;
            strana = 1;
        }
    }
    return b;
}

// Where a residual f of trials 0 .. broj - 1 likely changes sign: when it has opposite signs
// at the two ends, an index where it does; nothing otherwise. Only a guess for splitting
// ranges: the search proves everything before it anyway.
template <class F> std::optional<std::int64_t> SlutnjaPromjene(std::int64_t broj, F&& f) {
    if (broj < 16)
        return std::nullopt;
    const double f0 = f(0), fn = f(broj - 1);
    if (!(f0 < 0 && fn > 0) && !(f0 > 0 && fn < 0))
        return std::nullopt;
    return PromjenaZnakaIzmedju(0, f0, broj - 1, fn, f);
}

// The first trial of 0 .. broj - 1 that the tracker accepts and `uslov` admits, found as the
// literal scan finds it, with the tracker left as the literal scan leaves it.
//  - proba(j) evaluates trial j literally (messages and all) and returns it;
//  - izvjesno(i, j) returns the signature that every trial of i .. j certainly has (none of
//    them showing a message), or nothing;
//  - uslov(j, pokusaj) tells whether an accepted trial is taken;
//  - slutnja, when given, is where the change is likely: the ranges are split around it;
//  - podjela, the indices where the trials change their kind (ranges begin there).
// A range with a certain signature is skipped: only its first trial can change sign against
// the record. With tacanZapis the last trial of a skipped range is evaluated to become the
// record (a tracker that multiplies residuals needs their values); otherwise the signature
// is recorded.
template <class Proba, class Izvjesno, class Uslov>
std::optional<std::int64_t> PrvaPromjena(std::int64_t broj, PromjenaZnaka& t, Proba&& proba,
                                         Izvjesno&& izvjesno, Uslov&& uslov, bool tacanZapis,
                                         std::optional<std::int64_t> slutnja = std::nullopt,
                                         Podjela podjela = {}) {
    constexpr std::int64_t kPojedinacno = 8;
    auto jedan = [&](std::int64_t k) {
        const Pokusaj p = proba(k);
        return t.Prihvati(p) && uslov(k, p);
    };
    StekRaspona stek;
    podjela.Slutnja(slutnja, kPojedinacno / 2 - 1);
    podjela.URasponima(stek, broj);
    while (!stek.Prazan()) {
        const auto [i, j] = stek.Uzmi();
        if (j - i + 1 <= kPojedinacno) {
            for (std::int64_t k = i; k <= j; ++k)
                if (jedan(k))
                    return k;
            continue;
        }
        if (const std::optional<Potpis> s = izvjesno(i, j)) {
            if (!t.NeMijenja(*s) && jedan(i))
                return i;
            if (tacanZapis)
                t.Zapisi(proba(j));
            else
                t.Zapisi(*s);
            continue;
        }
        const std::int64_t m = i + (j - i) / 2;
        stek.Stavi(m + 1, j);
        stek.Stavi(i, m);
    }
    return std::nullopt;
}

// The first accepted trial of a path by the fast search. Trials beyond the bound are not
// tried: the literal walk ends there with an error, and so does this.
template <class T, class Proba, class Izvjesno, class Uslov>
std::optional<std::int64_t>
PrvaPromjenaNaPutu(IndeksiraniPut<T>& put, PromjenaZnaka& t, Proba&& proba, Izvjesno&& izvjesno,
                   Uslov&& uslov, bool tacanZapis,
                   std::optional<std::int64_t> slutnja = std::nullopt, Podjela podjela = {}) {
    const std::int64_t broj = put.Broj();
    const std::optional<std::int64_t> j =
        PrvaPromjena(std::min(broj, NajvisePokusajaPuta), t, proba, izvjesno, uslov, tacanZapis,
                     slutnja, podjela);
    if (!j && broj > NajvisePokusajaPuta)
        PrekoraceneGranicePretrage();
    return j;
}

// Remembers the last few values computed for trial indices (an enclosure of a range needs
// its two ends, and neighbouring ranges share them).
template <class V> class Zapamceno {
public:
    template <class F> const V& Daj(std::int64_t k, F&& racunaj) {
        for (const auto& [kk, v] : stavke_)
            if (kk == k)
                return v;
        stavke_[sljedeca_] = {k, racunaj(k)};
        const V& v = stavke_[sljedeca_].second;
        sljedeca_ = (sljedeca_ + 1) % stavke_.size();
        return v;
    }

private:
    std::array<std::pair<std::int64_t, V>, 4> stavke_{{{-1, V{}}, {-1, V{}}, {-1, V{}}, {-1, V{}}}};
    std::size_t sljedeca_ = 0;
};

// Counts the states a fast search evaluates.
inline void Izbroji(BrojacPokusaja* brojac) {
    if (brojac)
        ++brojac->pokusaji;
}

// The nearest-point search over trials 0 .. broj - 1 whose values do not decrease along the
// index (to the margin of their rounding): the trial the literal scan keeps.
//  - vrijednost(j) evaluates trial j literally (in the order of the scan);
//  - procjena(j) is an approximation of it, for the guess;
//  - tacno(j) is its value computed without showing anything;
//  - granice(i, j) returns an interval that certainly holds the computed value of every trial
//    of i .. j (none of them showing a message), or nothing.
// First a guess (regula falsi for the target) gives a distance that the best trial reaches at
// most; then every range whose values certainly lie farther (or are certainly left out) is
// skipped, and the rest are evaluated in order by the tracker.
template <class Vrijednost, class Procjena, class Tacno, class Granice>
void NajblizaBrzo(std::int64_t broj, NajblizaTacka& t, Vrijednost&& vrijednost, Procjena&& procjena,
                  Tacno&& tacno, Granice&& granice) {
    if (broj <= 0)
        return;
    const double cilj = t.Cilj();
    auto f = [&](std::int64_t j) { return static_cast<double>(procjena(j)) - cilj; };
    const double f0 = f(0), fn = f(broj - 1);
    std::int64_t lo = 0;
    if (f0 < 0 && fn >= 0)
        lo = PromjenaZnakaIzmedju(0, f0, broj - 1, fn == 0 ? -0.0 : fn, f);
    else if (f0 < 0)
        lo = broj - 1;
    // The distance that the trials around the guess reach (as computed): the best is not
    // farther.
    NajblizaTacka proba(t.Cilj(), t.SamoPozitivne());
    for (std::int64_t k = std::max<std::int64_t>(0, lo - 1); k <= std::min(broj - 1, lo + 1); ++k)
        proba.Probaj(k, tacno(k));
    const double B = proba.Najbolje();
    const bool imaB = proba.Indeks().has_value();
    // A computed distance above B: the real difference beyond B by a relative 2^-20 rounds
    // to a float above B.
    const double prag = B + std::fabs(B) * 0x1.0p-20 + 1e-44;
    auto preskoci = [&](std::int64_t i, std::int64_t j) {
        const std::optional<Raspon> g = granice(i, j);
        if (!g || !g->Konacan())
            return false;
        if (t.SamoPozitivne() && g->do_ <= 0)
            return true; // every value certainly left out
        if (!imaB)
            return false;
        return g->od - cilj > prag || cilj - g->do_ > prag;
    };
    constexpr std::int64_t kPojedinacno = 8;
    StekRaspona stek;
    Podjela podjela;
    podjela.Slutnja(lo, kPojedinacno / 2 - 1);
    podjela.URasponima(stek, broj);
    while (!stek.Prazan()) {
        const auto [i, j] = stek.Uzmi();
        if (j - i + 1 <= kPojedinacno) {
            for (std::int64_t k = i; k <= j; ++k)
                t.Probaj(k, vrijednost(k));
            continue;
        }
        if (preskoci(i, j))
            continue;
        const std::int64_t m = i + (j - i) / 2;
        stek.Stavi(m + 1, j);
        stek.Stavi(i, m);
    }
}

// ---- The ultimate strain states -----------------------------------------------------------

// The ultimate strain states of a section, in the order the ultimate-moment search walks
// them (an interaction curve walks the same states):
//  - path 1: the tension steel at its limit eaMax, the top strain raised from 0 in steps of
//    0.001 while below 3.4989, so that its last state lies just under 3.5;
//  - path 2: the top strain 3.5, the steel strain lowered from eaMax in steps of 0.001 while
//    the neutral axis stays inside the section (down to -3.5 d2 / h, where it reaches the
//    bottom face; never below -3.5);
//  - the fifth domain: the top strain from 3.5 down to 2 in 1500 steps about the pivot at
//    3h/7 (the bottom strain (14 - 4 eTop) / 3).
// The interaction curve walks one more path before path 1, the tension domain (put0): the
// steel at eaMax, the top strain raised from -eaMax (the whole section stretched alike) in
// steps of 0.001 while below 0, where path 1 begins.
struct GranicniPutevi {
    Put<float> put0;
    Put<float> put1;
    Put<float> put2;
    static constexpr int KoraciPetogPodrucja = 1500;
};
GranicniPutevi PuteviGranicnihStanja(float eaMax, double d2, double h);

// The strains of step i (0 .. 1500) of the fifth domain.
struct StanjePetog {
    float eTop = 0;
    float eBot = 0;
};
StanjePetog StanjePetogPodrucja(int i);

// ---- Implementation of the step sequence ----------------------------------------------------

template <class T> std::int64_t NizKoraka<T>::RedovniKoraci(T w0, T inc) const {
    // |w| in [2^(e-1), 2^e); u its unit in the last place.
    const int e = Binada(static_cast<double>(w0));
    const double u = DvaNa(e - std::numeric_limits<T>::digits);
    const double aw = std::fabs(static_cast<double>(w0));
    const double ai = std::fabs(static_cast<double>(inc));
    const double ac = std::fabs(korak_);
    const bool odNule = (korak_ > 0) == (w0 > 0);
    // A step from w is regular while w and its exact sum stay clear of the binade's ends by
    // a few units.
    const double prostor = odNule ? DvaNa(e) - ac - 4 * u - aw : aw - DvaNa(e - 1) - ac - 4 * u;
    if (!(prostor > 0))
        return 0;
    return static_cast<std::int64_t>(std::floor(prostor / ai));
}

template <class T> void NizKoraka<T>::Postavi(std::int64_t sljedeci, T zadnja) {
    const T n = Korak(zadnja, korak_);
    if (n == zadnja) { // the step no longer changes the value: it repeats from here on
        odsjeci_.push_back({sljedeci, zadnja, 0, kBeskonacno});
        sljedeciK_ = kBeskonacno;
        zastoj_ = sljedeci;
        return;
    }
    sljedeciK_ = sljedeci;
    sljedecaX_ = n;
}

template <class T> void NizKoraka<T>::Produzi() {
    const std::int64_t k = sljedeciK_;
    const T v = sljedecaX_;
    auto eksponent = [](T x) { return Binada(static_cast<double>(x)); };
    const double av = std::fabs(static_cast<double>(v));
    if (std::isfinite(av) && av >= std::numeric_limits<T>::min() && av > 8 * std::fabs(korak_)) {
        const T v1 = Korak(v, korak_);
        const T v2 = Korak(v1, korak_);
        const T v3 = Korak(v2, korak_);
        const int e = eksponent(v);
        const T inc = v2 - v1;
        if (eksponent(v1) == e && eksponent(v2) == e && eksponent(v3) == e && inc != 0 &&
            v3 - v2 == inc && (v1 > 0) == (v > 0) && (v3 > 0) == (v > 0)) {
            // The first step may still round a tie its own way; from v1 on every step adds inc.
            const bool odPrve = v1 - v == inc;
            const T w0 = odPrve ? v : v1;
            const std::int64_t k0 = odPrve ? k : k + 1;
            const std::int64_t J = RedovniKoraci(w0, inc);
            if (J >= 2) {
                const std::int64_t n = J + 2; // the steps from w(0) .. w(J) are regular
                const Odsjecak o{k0, w0, inc, n};
                const T zadnja = o.Vrijednost(k0 + n - 1);
                if (Korak(o.Vrijednost(k0 + n - 2), korak_) == zadnja) {
                    if (!odPrve)
                        odsjeci_.push_back({k, v, 0, 1});
                    odsjeci_.push_back(o);
                    Postavi(k0 + n, zadnja);
                    return;
                }
            }
        }
    }
    odsjeci_.push_back({k, v, 0, 1});
    Postavi(k + 1, v);
}

} // namespace nmk
