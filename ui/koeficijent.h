#pragma once
// What the creep and shrinkage dialogs share: the notional size of the section shown read
// only, the humidity box, a button that computes the coefficient and "OK".

#include "engine/poruke.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QComboBox;
class QGridLayout;
class QLineEdit;

namespace nmk::ui {

// A whole number typed into a field (an age in days); nothing when the text is not one.
std::optional<int> ProcitajCijeliBroj(const QString& tekst);
// A number as the age and humidity boxes show it: as many decimals as it needs, in the
// locale's format ("80", "65,5").
QString TekstBroja(double x);
// Puts the text into an editable box, choosing the offered item when one reads so.
void PostaviTekst(QComboBox* kutija, const QString& tekst);
// The error texts for a typed text that is not a number, or not a whole number.
QString PorukaNijeBroj(const QString& tekst);
QString PorukaNijeCijeliBroj(const QString& tekst);

class TfrmKoeficijent : public QDialog {
    Q_OBJECT
public:
    // The value last computed; 0 when nothing was computed.
    double Rezultat() const { return rezultat_; }

    // Reads what is typed and computes. A text that cannot be used is reported and the
    // previous result stays.
    virtual void Izracunaj() = 0;

protected:
    // h0: the notional size 2Ac/u of the section, mm; it is row 0 of the grid.
    TfrmKoeficijent(double h0, Poruke& poruke, QWidget* roditelj);

    // The humidity box: 50 or 80 %, 80 chosen.
    QComboBox* NovaVlaznost();
    // The humidity typed; a text that is not a number is reported and gives nothing.
    std::optional<double> ProcitajVlaznost(const QComboBox* vlaznost);
    // The read-only field of the result, shown in the grid at that row with its label.
    void PoljeRezultata(int red, const char* ime, const char* oznaka, const char* jedinica);
    // Lays the grid out above the button that computes and "OK".
    void Slozi(const char* imeDugmeta, const char* tekstDugmeta);
    // Takes the result of the calculation and shows it, or reports why it failed; answers
    // whether it took one.
    bool Uzmi(const std::function<double()>& racun);

    double h0_;
    Poruke& poruke_;
    QGridLayout* mreza_ = nullptr;

private:
    double rezultat_ = 0;
    QLineEdit* edtRezultat_ = nullptr;
};

} // namespace nmk::ui
