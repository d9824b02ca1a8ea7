#pragma once
// "Proracun prslina": crack spacing and crack widths of a designed section with its chosen
// bars under the service forces. Created once and shown modally for one section at a time.

#include "ui/servis_prozor.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace nmk::ui {

class TfrmPrsline : public TfrmServis {
    Q_OBJECT
public:
    TfrmPrsline(Projekat& projekat, Poruke& poruke, OtvoriArmaturu armatura = {},
                QWidget* roditelj = nullptr);

private:
    void NapraviKontrole();

    void PopuniPolja(const TPresjek& p) override;
    std::optional<double> ProcitajPolja(TPresjek& p) override;
    void Racunaj(TPresjek& p, TDodatniPodaci& novi, double a) override;
    void PrikaziRezultate(const TPresjek& p) override;

    QLineEdit* edtZastitniSloj_ = nullptr;
    QComboBox* cboVilica_ = nullptr;
    // The project's cover that the field last showed (see TfrmUgibi).
    double prikazano_ = 3;
    QLabel* lblAm_ = nullptr;
    QLineEdit* edtAm_ = nullptr;
    QLineEdit* edtWm_ = nullptr;
    QLineEdit* edtWk_ = nullptr;
};

} // namespace nmk::ui
