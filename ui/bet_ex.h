#pragma once
// "Dodatni podaci": the six project-wide concrete parameters of the serviceability
// calculations, with the two helpers that derive the creep coefficient and the shrinkage
// strain from their tables.

#include "engine/okruzenje.h"
#include "engine/poruke.h"

#include <QDialog>

class QLineEdit;

namespace nmk::ui {

class TfrmBetEx : public QDialog {
    Q_OBJECT
public:
    // h0: the notional size 2Ac/u of the section the dialog was opened for, mm; it is handed
    // on to the creep and shrinkage helpers.
    TfrmBetEx(TBetonEx& betonEx, double h0, Poruke& poruke, QWidget* roditelj = nullptr);

    double KarakteristicnaDebljina() const { return h0_; }

    // "OK": when all six texts are numbers they are written into TBetonEx and the dialog
    // closes with OK; otherwise "Podaci nisu dobro zadani !" and nothing is written.
    void Potvrdi();

private:
    QLineEdit* NapraviPolje(const char* ime, double vrijednost);
    void KoeficijentTecenja();
    void KoeficijentSkupljanja();

    TBetonEx& betonEx_;
    double h0_;
    Poruke& poruke_;
    QLineEdit* edtfi_ = nullptr;
    QLineEdit* edthi_ = nullptr;
    QLineEdit* edtebs_ = nullptr;
    QLineEdit* edtalfa_st_ = nullptr;
    QLineEdit* edtB1_ = nullptr;
    QLineEdit* edtB2_ = nullptr;
};

} // namespace nmk::ui
