#include "ui/prsline.h"

#include "engine/detalji.h"
#include "engine/propisi.h"
#include "engine/prsline.h"
#include "ui/brojevi.h"
#include "ui/gradnja.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace nmk::ui {

TfrmPrsline::TfrmPrsline(Projekat& projekat, Poruke& poruke, OtvoriArmaturu armatura,
                         QWidget* roditelj)
    : TfrmServis(projekat, poruke, std::move(armatura), sfPrsline, &DetaljiPrslina, roditelj) {
    setObjectName(QStringLiteral("frmPrsline"));
    setWindowTitle(QStringLiteral("Proracun prslina"));
    NapraviKontrole();
}

void TfrmPrsline::NapraviKontrole() {
    auto* ulaz = new QGroupBox(QStringLiteral("Podaci"), this);
    auto* mrezaUlaza = new QGridLayout(ulaz);
    NapraviPoljaSila(ulaz, mrezaUlaza);
    edtZastitniSloj_ = NovoPolje(ulaz, "edtZastitniSloj", QStringLiteral("3"));
    edtZastitniSloj_->setToolTip(QStringLiteral("Zastitni sloj betona"));
    cboVilica_ = new QComboBox(ulaz);
    cboVilica_->setObjectName(QStringLiteral("cboVilica"));
    cboVilica_->setEditable(true);
    cboVilica_->addItems({"6", "8", "10", "12", "14"});
    Red(mrezaUlaza, 2, "a = ", edtZastitniSloj_, "cm");
    Red(mrezaUlaza, 3, "Precnik vilice", cboVilica_, "mm");
    PostaviFilter(edtZastitniSloj_, PravilaPolja());
    PostaviFilter(cboVilica_, PravilaPolja());

    auto* rezultati = new QGroupBox(QStringLiteral("Prsline"), this);
    auto* mrezaRezultata = new QGridLayout(rezultati);
    lblAm_ = new QLabel(QStringLiteral("am = "), rezultati);
    lblAm_->setObjectName(QStringLiteral("lblAm"));
    edtAm_ = PoljeRezultata(rezultati, "edtAm");
    edtWm_ = PoljeRezultata(rezultati, "edtWm");
    edtWk_ = PoljeRezultata(rezultati, "edtWk");
    Red(mrezaRezultata, 0, lblAm_, edtAm_, "mm");
    Red(mrezaRezultata, 1, "Wm = ", edtWm_, "mm");
    Red(mrezaRezultata, 2, "Wk = ", edtWk_, "mm");

    auto* gore = new QHBoxLayout;
    gore->addWidget(ulaz);
    gore->addWidget(rezultati);
    SloziProzor(gore);
}

void TfrmPrsline::PopuniPolja(const TPresjek& p) {
    if (projekat_.servis.a != prikazano_) {
        prikazano_ = projekat_.servis.a;
        edtZastitniSloj_->setText(Broj(prikazano_, 12, 2));
    }
    cboVilica_->setEditText(Broj(p.Vilica, 5, 0));
    lblAm_->setText(Opis(p.Propis).oznakaRazmaka);
    edtAm_->clear();
    edtWm_->clear();
    edtWk_->clear();
}

std::optional<double> TfrmPrsline::ProcitajPolja(TPresjek& p) {
    const auto Mexp = ProcitajBroj(edtMexp_->text());
    if (Mexp)
        p.Mexp = *Mexp;
    const auto Nexp = Mexp ? ProcitajBroj(edtNexp_->text()) : std::nullopt;
    if (Nexp)
        p.Nexp = *Nexp;
    const auto a = Nexp ? ProcitajBroj(edtZastitniSloj_->text()) : std::nullopt;
    const auto Vilica = a ? ProcitajBroj(cboVilica_->currentText()) : std::nullopt;
    if (!Vilica)
        return std::nullopt;
    p.Vilica = *Vilica;
    return a;
}

void TfrmPrsline::Racunaj(TPresjek& p, TDodatniPodaci& novi, double a) {
    ProracunPrslina(p, projekat_.okruzenje(poruke_), &novi, a);
    projekat_.servis.a = a;
    prikazano_ = a;
}

void TfrmPrsline::PrikaziRezultate(const TPresjek& p) {
    edtAm_->setText(Broj(p.am, 8, 2));
    edtWm_->setText(Broj(p.Wm, 8, 3));
    edtWk_->setText(Broj(p.Wk, 8, 3));
}

} // namespace nmk::ui
