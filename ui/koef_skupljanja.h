#pragma once
// "Koeficijent skupljanja": the final shrinkage strain from its table, by the relative
// humidity and the notional size of the section.

#include "ui/koeficijent.h"

class QComboBox;

namespace nmk::ui {

class TfrmKoefSkupljanja : public TfrmKoeficijent {
    Q_OBJECT
public:
    // h0: the notional size 2Ac/u of the section, mm. Rezultat() is the shrinkage strain, per
    // mille.
    TfrmKoefSkupljanja(double h0, Poruke& poruke, QWidget* roditelj = nullptr);

    // "Koef. skupljanja": reads the humidity and computes. A text that is not a number is
    // reported and the previous result stays.
    void Izracunaj() override;

private:
    QComboBox* cboVlaznost_ = nullptr;
};

} // namespace nmk::ui
