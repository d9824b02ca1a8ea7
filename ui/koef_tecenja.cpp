#include "ui/koef_tecenja.h"

#include "engine/tecenje.h"
#include "ui/gradnja.h"

#include <QComboBox>
#include <QGridLayout>

namespace nmk::ui {

TfrmKoeficijentTecenja::TfrmKoeficijentTecenja(double h0, Poruke& poruke, QWidget* roditelj)
    : TfrmKoeficijent(h0, poruke, roditelj) {
    setObjectName(QStringLiteral("frmKoeficijentTecenja"));
    setWindowTitle(QStringLiteral("Koeficijent tecenja"));

    cboStarost_ = new QComboBox(this);
    cboStarost_->setObjectName(QStringLiteral("cboStarost"));
    cboStarost_->setEditable(true);
    cboStarost_->setInsertPolicy(QComboBox::NoInsert); // a typed age is used, not listed
    cboStarost_->addItems({"1", "7", "28", "90", "365"});
    cboStarost_->setCurrentIndex(2);
    cboVlaznost_ = NovaVlaznost();

    Red(mreza_, 1, "Starost pri opterecenju", cboStarost_, "dana");
    Red(mreza_, 2, "Vlaznost", cboVlaznost_, "%");
    PoljeRezultata(3, "edtFi", "Koeficijent tecenja", nullptr);
    Slozi("btnKoefTecenja", "Koef. tecenja");
}

void TfrmKoeficijentTecenja::Izracunaj() {
    const QString starost = cboStarost_->currentText();
    const auto t0 = ProcitajCijeliBroj(starost);
    if (!t0) {
        poruke_.Prikazi(PorukaNijeCijeliBroj(starost).toStdString(), VrstaPoruke::Greska, dgOK);
        return;
    }
    const auto RH = ProcitajVlaznost(cboVlaznost_);
    if (!RH)
        return;
    if (Uzmi([&] { return KoeficijentTecenja(*t0, *RH, h0_); }))
        ulaz_ = {*t0, *RH};
}

void TfrmKoeficijentTecenja::PostaviUlaz(int starost, double vlaznost) {
    PostaviTekst(cboStarost_, QString::number(starost));
    PostaviTekst(cboVlaznost_, TekstBroja(vlaznost));
}

} // namespace nmk::ui
