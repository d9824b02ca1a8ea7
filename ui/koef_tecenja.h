#pragma once
// "Koeficijent tecenja": the final creep coefficient from its tables, by the age of the
// concrete at loading, the relative humidity and the notional size of the section.

#include "ui/koeficijent.h"

#include <optional>
#include <utility>

class QComboBox;

namespace nmk::ui {

class TfrmKoeficijentTecenja : public TfrmKoeficijent {
    Q_OBJECT
public:
    // h0: the notional size 2Ac/u of the section, mm. Rezultat() is the creep coefficient.
    TfrmKoeficijentTecenja(double h0, Poruke& poruke, QWidget* roditelj = nullptr);

    // "Koef. tecenja": reads the age and the humidity and computes. A text that is not a
    // number, or an age below one day, is reported and the previous result stays.
    void Izracunaj() override;

    // The age (days) and the humidity (%) shown when the dialog opens.
    void PostaviUlaz(int starost, double vlaznost);
    // The age and the humidity of the last computed coefficient; nothing before one.
    std::optional<std::pair<int, double>> Ulaz() const { return ulaz_; }

private:
    std::optional<std::pair<int, double>> ulaz_;
    QComboBox* cboStarost_ = nullptr;
    QComboBox* cboVlaznost_ = nullptr;
};

} // namespace nmk::ui
