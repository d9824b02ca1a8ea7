#pragma once
// "Koeficijent skupljanja": the final shrinkage strain from its table, by the relative
// humidity and the notional size of the section.

#include "engine/poruke.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace nmk::ui {

class TfrmKoefSkupljanja : public QDialog {
    Q_OBJECT
public:
    // h0: the notional size 2Ac/u of the section, mm.
    TfrmKoefSkupljanja(double h0, Poruke& poruke, QWidget* roditelj = nullptr);

    // The shrinkage strain last computed, per mille; 0 when nothing was computed.
    double Rezultat() const { return rezultat_; }

    // "Koef. skupljanja": reads the humidity and computes. A text that is not a number is
    // reported and the previous result stays.
    void Izracunaj();

private:
    double h0_;
    Poruke& poruke_;
    double rezultat_ = 0;
    QComboBox* cboVlaznost_ = nullptr;
    QLineEdit* edtECS_ = nullptr;
};

} // namespace nmk::ui
