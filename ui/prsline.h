#pragma once
// "Proracun prslina": crack spacing and crack widths of a designed section with its chosen
// bars under the service forces. Created once and shown modally for one section at a time.

#include "data/projekat.h"
#include "engine/dodatni_podaci.h"
#include "engine/poruke.h"
#include "engine/presjek.h"
#include "ui/ugibi.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace nmk::ui {

class TfrmPrsline : public QDialog {
    Q_OBJECT
public:
    TfrmPrsline(Projekat& projekat, Poruke& poruke, OtvoriArmaturu armatura = {},
                QWidget* roditelj = nullptr);

    // Sets the section, runs the opening steps, shows the window modally and forgets the
    // section afterwards.
    int Prikazi(TPresjek& presjek);

    void Postavi(TPresjek& presjek) { presjek_ = &presjek; }
    void Aktiviraj();
    void Zaboravi() { presjek_ = nullptr; }

    // "Proracun" (also Enter in any field). Answers true when the widths were computed.
    bool Proracunaj();

    const TDodatniPodaci* DodatniPodaci() const { return dodatni_ ? &*dodatni_ : nullptr; }

    void done(int rezultat) override;

private:
    void NapraviKontrole();
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
    QLineEdit* edtZastitniSloj_ = nullptr;
    QComboBox* cboVilica_ = nullptr;
    QLabel* lblAm_ = nullptr;
    QLineEdit* edtAm_ = nullptr;
    QLineEdit* edtWm_ = nullptr;
    QLineEdit* edtWk_ = nullptr;
    QLabel* lblAa1_ = nullptr;
    QLabel* lblAa2_ = nullptr;
    QPushButton* btnDetalji_ = nullptr;
    QPushButton* btnArmatura_ = nullptr;
};

} // namespace nmk::ui
