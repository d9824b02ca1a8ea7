#pragma once
// "Proracun ugiba": the deflections of a designed section with its chosen bars under the
// service forces. Created once and shown modally for one section at a time.

#include "ui/servis_prozor.h"

#include <cstdint>
#include <utility>

class QComboBox;
class QLineEdit;

namespace nmk::ui {

class TfrmUgibi : public TfrmServis {
    Q_OBJECT
public:
    TfrmUgibi(Projekat& projekat, Poruke& poruke, OtvoriArmaturu armatura = {},
              QWidget* roditelj = nullptr);

private:
    void NapraviKontrole();
    void OsnovniUgib();

    void PopuniPolja(const TPresjek& p) override;
    std::optional<double> ProcitajPolja(TPresjek& p) override;
    void Racunaj(TPresjek& p, TDodatniPodaci& novi, double l) override;
    void PrikaziRezultate(const TPresjek& p) override;

    QLineEdit* edtvb_ = nullptr;
    QLineEdit* edtvbd_ = nullptr;
    QLineEdit* edtl_ = nullptr;
    QComboBox* cboStatSis_ = nullptr;
    // The span and the static system of the project that the fields last showed: the fields
    // follow the project when it changes elsewhere (an opened file), else keep their texts.
    std::pair<double, std::int32_t> prikazano_{100, 1};
    QLineEdit* edtvI_ = nullptr;
    QLineEdit* edtvII_ = nullptr;
    QLineEdit* edt_V_ = nullptr;
};

} // namespace nmk::ui
