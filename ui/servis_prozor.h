#pragma once
// What the deflection and crack windows share: the section they are shown for, the service
// forces, the bar labels, the buttons "Proracun", "Dodatni Podaci", "Detalji" and "Armatura",
// and the record of the last successful calculation.

#include "data/projekat.h"
#include "engine/dodatni_podaci.h"
#include "engine/poruke.h"
#include "engine/presjek.h"
#include "ui/brojevi.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

namespace nmk::ui {

// Runs the bar dialog for the section from the main window (showing the section there and
// making the working section current again afterwards).
using OtvoriArmaturu = std::function<void(TPresjek&)>;

// The bar labels of the deflection and crack windows: "Odabrano Aa1: (4 d16) stvAa1= 8.04 cm2"
// for the top bars, "Odabrano Aa2: … stvAa2= … cm2" for the bottom ones; empty for a face
// without bars.
QString OznakaArmature(const TPresjek& p, bool gornja);

// The checks both windows make before they calculate; the message to show, or nothing.
// The service moment must not be zero and the tensioned face must have bars.
std::optional<const char*> ProvjeraServisa(const TPresjek& p);

class TfrmServis : public QDialog {
    Q_OBJECT
public:
    // Sets the section, runs the opening steps, shows the window modally and forgets the
    // section afterwards.
    int Prikazi(TPresjek& presjek);

    // The parts of Prikazi for a caller that shows the window itself.
    void Postavi(TPresjek& presjek) { presjek_ = &presjek; }
    void Aktiviraj();
    void Zaboravi() { presjek_ = nullptr; }

    // "Proracun" (also Enter in any field). Answers true when the results were computed. The
    // project counts as changed after a calculation, and after a refusal that took over
    // changed inputs.
    bool Proracunaj();

    // The intermediate results of the last successful calculation of this showing.
    const TDodatniPodaci* DodatniPodaci() const { return dodatni_ ? &*dodatni_ : nullptr; }

    void done(int rezultat) override;

protected:
    // The lines "Detalji" lists for a record.
    using ListaDetalja = std::vector<std::string> (*)(const TDodatniPodaci&, TPropis, double, char);

    // bit: the status bit a successful calculation sets in the section.
    TfrmServis(Projekat& projekat, Poruke& poruke, OtvoriArmaturu armatura, std::uint16_t bit,
               ListaDetalja detalji, QWidget* roditelj);

    // Fills the window's own fields from the section and clears its results.
    virtual void PopuniPolja(const TPresjek& p) = 0;
    // Reads the fields in their order, taking each that reads over into the section at once;
    // the first that does not stops the reading. Answers the window's own value the
    // calculation takes besides the section, or nothing when a field did not read.
    virtual std::optional<double> ProcitajPolja(TPresjek& p) = 0;
    // The calculation itself; throws when it fails.
    virtual void Racunaj(TPresjek& p, TDodatniPodaci& novi, double vrijednost) = 0;
    virtual void PrikaziRezultate(const TPresjek& p) = 0;

    // The fields of the service forces as rows 0 and 1 of a grid of that group.
    void NapraviPoljaSila(QWidget* grupa, QGridLayout* mreza);
    // Enter in a field calculates; a minus sign is allowed.
    PravilaUnosa PravilaPolja();
    // The bar labels and the buttons below the window's own part, and the layout of it all.
    void SloziProzor(QLayout* gore);

    Projekat& projekat_;
    Poruke& poruke_;
    TPresjek* presjek_ = nullptr;
    QLineEdit* edtMexp_ = nullptr;
    QLineEdit* edtNexp_ = nullptr;

private:
    // The steps of "Proracun": read, check, calculate, show.
    bool Izracunaj(TPresjek& p);
    // "Dodatni Podaci"; changed values change the project.
    void DodatniPodaciBetona();
    void Detalji();
    void Armatura();
    void OsvjeziArmaturu();

    OtvoriArmaturu armatura_;
    std::uint16_t bit_;
    ListaDetalja detalji_;
    std::optional<TDodatniPodaci> dodatni_;

    QLabel* lblAa1_ = nullptr;
    QLabel* lblAa2_ = nullptr;
    QPushButton* btnDetalji_ = nullptr;
    QPushButton* btnArmatura_ = nullptr;
};

} // namespace nmk::ui
