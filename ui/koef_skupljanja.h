#pragma once
// "Koeficijent skupljanja": the final shrinkage strain from its table, by the relative
// humidity and the notional size of the section.

#include "ui/koeficijent.h"

#include <optional>

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

    // The humidity (%) shown when the dialog opens.
    void PostaviVlaznost(double vlaznost);
    // The humidity of the last computed strain; nothing before one.
    std::optional<double> Vlaznost() const { return vlaznost_; }

private:
    std::optional<double> vlaznost_;
    QComboBox* cboVlaznost_ = nullptr;
};

} // namespace nmk::ui
