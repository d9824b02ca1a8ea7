#pragma once
// "Proracun ugiba": the deflections of a designed section with its chosen bars under the
// service forces. Created once and shown modally for one section at a time.

#include "data/projekat.h"
#include "engine/dodatni_podaci.h"
#include "engine/poruke.h"
#include "engine/presjek.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace nmk::ui {

// Runs the bar dialog for the section from the main window (showing the section there and
// making the working section current again afterwards).
using OtvoriArmaturu = std::function<void(TPresjek&)>;

// The bar labels of the deflection and crack windows: "Odabrano Aa1: (4 d16) stvAa1= 8.04 cm2"
// for the top bars, "Odabrano Aa2: … stvAa2= … cm2" for the bottom ones.
QString OznakaArmature(const TPresjek& p, bool gornja);

// The checks both windows make before they calculate; the message to show, or nothing.
// The service moment must not be zero and the tensioned face must have bars.
std::optional<const char*> ProvjeraServisa(const TPresjek& p);

class TfrmUgibi : public QDialog {
    Q_OBJECT
public:
    TfrmUgibi(Projekat& projekat, Poruke& poruke, OtvoriArmaturu armatura = {},
              QWidget* roditelj = nullptr);

    // Sets the section, runs the opening steps, shows the window modally and forgets the
    // section afterwards.
    int Prikazi(TPresjek& presjek);

    // The parts of Prikazi for a caller that shows the window itself.
    void Postavi(TPresjek& presjek) { presjek_ = &presjek; }
    void Aktiviraj();
    void Zaboravi() { presjek_ = nullptr; }

    // "Proracun" (also Enter in any field). Answers true when the deflections were computed.
    bool Proracunaj();

    // The intermediate results of the last successful calculation of this showing.
    const TDodatniPodaci* DodatniPodaci() const { return dodatni_ ? &*dodatni_ : nullptr; }

    void done(int rezultat) override;

private:
    void NapraviKontrole();
    void OsnovniUgib();
    void DodatniPodaciBetona();
    void Detalji();
    void Armatura();
    void OsvjeziArmaturu();

    Projekat& projekat_;
    Poruke& poruke_;
    OtvoriArmaturu armatura_;
    TPresjek* presjek_ = nullptr;
    std::optional<TDodatniPodaci> dodatni_;

    QLineEdit* edtMexp_ = nullptr;
    QLineEdit* edtNexp_ = nullptr;
    QLineEdit* edtvb_ = nullptr;
    QLineEdit* edtvbd_ = nullptr;
    QLineEdit* edtl_ = nullptr;
    QComboBox* cboStatSis_ = nullptr;
    QLineEdit* edtvI_ = nullptr;
    QLineEdit* edtvII_ = nullptr;
    QLineEdit* edt_V_ = nullptr;
    QLabel* lblAa1_ = nullptr;
    QLabel* lblAa2_ = nullptr;
    QPushButton* btnDetalji_ = nullptr;
    QPushButton* btnArmatura_ = nullptr;
};

} // namespace nmk::ui
