#pragma once
// "Dodatni podaci": the six project-wide concrete parameters of the serviceability
// calculations, with the two helpers that derive the creep coefficient and the shrinkage
// strain from their tables.

#include "data/projekat.h"
#include "engine/okruzenje.h"
#include "engine/poruke.h"

#include <QDialog>

class QLineEdit;

namespace nmk::ui {

class TfrmBetEx : public QDialog {
    Q_OBJECT
public:
    // h0: the notional size 2Ac/u of the section the dialog was opened for, mm; it is handed
    // on to the creep and shrinkage helpers, which start from the age and the humidities of
    // `servis` and hand back those they computed with.
    TfrmBetEx(TBetonEx& betonEx, PodaciServisa& servis, double h0, Poruke& poruke,
              QWidget* roditelj = nullptr);

    double KarakteristicnaDebljina() const { return h0_; }

    // "OK": when all six texts are numbers, with the creep coefficient and the shrinkage strain
    // not negative, they are written into TBetonEx, the helpers' inputs into PodaciServisa,
    // and the dialog closes with OK; otherwise the message ("Podaci nisu dobro zadani !", or
    // the value's range) and nothing is written.
    void Potvrdi();

private:
    QLineEdit* NapraviPolje(const char* ime, double vrijednost);
    void KoeficijentTecenja();
    void KoeficijentSkupljanja();

    TBetonEx& betonEx_;
    PodaciServisa& servis_;
    PodaciServisa novi_; // the helpers' inputs until "OK"
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
