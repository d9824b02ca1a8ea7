#pragma once
// The message layer: every message the program shows goes through one sink that the caller
// supplies (the window shows boxes, the batch modes write to stderr, tests record).

#include <string>

namespace nmk {

// Kind of a message box; chooses its icon and caption.
enum class VrstaPoruke { Upozorenje = 0, Greska = 1, Informacija = 2, Potvrda = 3 };

// Buttons of a message box, as a set of bits.
enum Dugmad : unsigned {
    dgOK = 1u << 0,
    dgOtkazi = 1u << 1,
    dgDa = 1u << 2,
    dgNe = 1u << 3,
};
inline constexpr unsigned dgDaNe = dgDa | dgNe;
inline constexpr unsigned dgDaNeOtkazi = dgDa | dgNe | dgOtkazi;

// The answer is the button pressed.
inline constexpr int odgOK = 1;
inline constexpr int odgOtkazi = 2;
inline constexpr int odgDa = 6;
inline constexpr int odgNe = 7;

// Caption of a box by its kind: "Upozorenje", "Greška", "Informacija", "Potvrdi".
const char* NaslovPoruke(VrstaPoruke vrsta);
// Button text by the answer it gives: "&OK", "O&tkaži", "&Da", "&Ne"; empty for others.
const char* TekstDugmeta(int odgovor);

class Poruke {
public:
    virtual ~Poruke() = default;
    // Shows a message box with the given kind and buttons and returns the answer.
    virtual int Prikazi(const std::string& tekst, VrstaPoruke vrsta, unsigned dugmad) = 0;
    // The plain message box (no kind, no caption of our own), for example "alfaF: ...".
    virtual void Obicna(const std::string& tekst) = 0;
};

// A sink that shows nothing and answers OK (or Yes where OK is not offered).
class TihePoruke : public Poruke {
public:
    int Prikazi(const std::string&, VrstaPoruke, unsigned dugmad) override {
        return (dugmad & dgOK) ? odgOK : (dugmad & dgDa) ? odgDa : odgOK;
    }
    void Obicna(const std::string&) override {}
};

} // namespace nmk
