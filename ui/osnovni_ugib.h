#pragma once
// "Proracun Osnovnog Ugiba": the basic deflection of the plain concrete beam, for a span, a
// load with its permanent part, a load case and a static system.

#include "engine/katalog.h"
#include "engine/poruke.h"
#include "engine/presjek.h"

#include <QDialog>

class QLineEdit;

namespace nmk::ui {

class ListaSlika;

class TfrmOsnovniUgib : public QDialog {
    Q_OBJECT
public:
    // The section is read only (its concrete and its gross moment of inertia).
    TfrmOsnovniUgib(const TPresjek& presjek, const Katalozi& katalozi, Poruke& poruke,
                    QWidget* roditelj = nullptr);

    // "Proracunaj Ugib" (also Enter, and the closing of either combo box's list). A text that
    // is not a number is reported and the previous results stay. Answers true on success.
    bool Proracunaj();

    // What "Usvoji" hands over: the basic deflections as shown, the span of the computation
    // that produced them in cm, and the static system chosen.
    double Vb() const { return vb_; }
    double Vbd() const { return vbd_; }
    double RasponCm() const { return rasponCm_; }
    int StatickiSistem() const;

private:
    void Usvoji();

    const TPresjek& presjek_;
    const Katalozi& katalozi_;
    Poruke& poruke_;
    double vb_ = 0;
    double vbd_ = 0;
    double rasponCm_ = 0;

    QLineEdit* edtRaspon_ = nullptr;
    QLineEdit* edtp_ = nullptr;
    QLineEdit* edtpd_ = nullptr;
    ListaSlika* cboOpterecenje_ = nullptr;
    ListaSlika* cboStatickiSistem_ = nullptr;
    QLineEdit* edtvb_ = nullptr;
    QLineEdit* edtvbd_ = nullptr;
};

} // namespace nmk::ui
