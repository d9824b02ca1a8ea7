#pragma once
// "Koeficijent tecenja": the final creep coefficient from its tables, by the age of the
// concrete at loading, the relative humidity and the notional size of the section.

#include "ui/koeficijent.h"

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

private:
    QComboBox* cboStarost_ = nullptr;
    QComboBox* cboVlaznost_ = nullptr;
};

} // namespace nmk::ui
