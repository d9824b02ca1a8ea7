#pragma once
// "Koeficijent tecenja": the final creep coefficient from its tables, by the age of the
// concrete at loading, the relative humidity and the notional size of the section.

#include "engine/poruke.h"

#include <QDialog>
#include <QString>

#include <optional>

class QComboBox;
class QLineEdit;

namespace nmk::ui {

// A whole number typed into a field (an age in days); nothing when the text is not one.
std::optional<int> ProcitajCijeliBroj(const QString& tekst);
// The error texts for a typed text that is not a number, or not a whole number.
QString PorukaNijeBroj(const QString& tekst);
QString PorukaNijeCijeliBroj(const QString& tekst);

class TfrmKoeficijentTecenja : public QDialog {
    Q_OBJECT
public:
    // h0: the notional size 2Ac/u of the section, mm.
    TfrmKoeficijentTecenja(double h0, Poruke& poruke, QWidget* roditelj = nullptr);

    // The creep coefficient last computed; 0 when nothing was computed.
    double Rezultat() const { return rezultat_; }

    // "Koef. tecenja": reads the age and the humidity and computes. A text that is not a
    // number, or an age below one day, is reported and the previous result stays.
    void Izracunaj();

private:
    double h0_;
    Poruke& poruke_;
    double rezultat_ = 0;
    QComboBox* cboStarost_ = nullptr;
    QComboBox* cboVlaznost_ = nullptr;
    QLineEdit* edtFi_ = nullptr;
};

} // namespace nmk::ui
