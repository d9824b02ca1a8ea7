#include "ui/ugibi.h"

#include "engine/detalji.h"
#include "engine/osnovni_ugib.h"
#include "engine/ugib.h"
#include "ui/brojevi.h"
#include "ui/gradnja.h"
#include "ui/osnovni_ugib.h"
#include "ui/slike_sistema.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace nmk::ui {

TfrmUgibi::TfrmUgibi(Projekat& projekat, Poruke& poruke, OtvoriArmaturu armatura, QWidget* roditelj)
    : TfrmServis(projekat, poruke, std::move(armatura), sfUgibi, &DetaljiUgiba, roditelj) {
    setObjectName(QStringLiteral("frmUgibi"));
    setWindowTitle(QStringLiteral("Proracun ugiba"));
    NapraviKontrole();
}

void TfrmUgibi::NapraviKontrole() {
    auto* sile = new QGroupBox(QStringLiteral("Sile"), this);
    NapraviPoljaSila(sile, new QGridLayout(sile));

    auto* osnovni = new QGroupBox(QStringLiteral("Osnovna vrijednost ugiba"), this);
    auto* mrezaOsnovnog = new QGridLayout(osnovni);
    edtvb_ = NovoPolje(osnovni, "edtvb", QStringLiteral("0"));
    edtvbd_ = NovoPolje(osnovni, "edtvbd", QStringLiteral("0"));
    edtl_ = NovoPolje(osnovni, "edtl", QStringLiteral("100"));
    auto* SpeedButton1 = NovoDugme(osnovni, "SpeedButton1", "vb = ");
    SpeedButton1->setToolTip(QStringLiteral("Proracun Osnovnog Ugiba"));
    Red(mrezaOsnovnog, 0, SpeedButton1, edtvb_, "cm");
    Red(mrezaOsnovnog, 1, "vb.d = ", edtvbd_, "cm");
    Red(mrezaOsnovnog, 2, "l = ", edtl_, "cm");
    cboStatSis_ = new QComboBox(osnovni);
    cboStatSis_->setObjectName(QStringLiteral("cboStatSis"));
    NapuniStatickeSisteme(cboStatSis_);
    cboStatSis_->setCurrentIndex(1);
    mrezaOsnovnog->addWidget(cboStatSis_, 3, 0, 1, 3);

    auto* rezultati = new QGroupBox(QStringLiteral("Ugibi"), this);
    auto* mrezaRezultata = new QGridLayout(rezultati);
    edtvI_ = PoljeRezultata(rezultati, "edtvI");
    edtvII_ = PoljeRezultata(rezultati, "edtvII");
    edt_V_ = PoljeRezultata(rezultati, "edt_V");
    Red(mrezaRezultata, 0, "v I = ", edtvI_, "cm");
    Red(mrezaRezultata, 1, "v II = ", edtvII_, "cm");
    Red(mrezaRezultata, 2, "v = ", edt_V_, "cm");

    for (QLineEdit* polje : {edtvb_, edtvbd_, edtl_})
        PostaviFilter(polje, PravilaPolja());

    auto* gore = new QHBoxLayout;
    auto* lijevo = new QVBoxLayout;
    lijevo->addWidget(sile);
    lijevo->addWidget(rezultati);
    gore->addLayout(lijevo);
    gore->addWidget(osnovni);
    SloziProzor(gore);

    connect(SpeedButton1, &QPushButton::clicked, this, &TfrmUgibi::OsnovniUgib);
}

void TfrmUgibi::PopuniPolja(const TPresjek& p) {
    // A section with deflections shows the basic deflections they were computed from.
    if (p.ima(sfUgibi)) {
        edtvb_->setText(Broj(p.vb, 12, 5));
        edtvbd_->setText(Broj(p.vbd, 12, 5));
    }
    const std::pair projekta{projekat_.servis.l, projekat_.servis.StatickiSistem};
    if (projekta != prikazano_) {
        edtl_->setText(Broj(projekta.first, 12, 2));
        cboStatSis_->setCurrentIndex(projekta.second);
        prikazano_ = projekta;
    }
    edtvI_->clear();
    edtvII_->clear();
    edt_V_->clear();
}

std::optional<double> TfrmUgibi::ProcitajPolja(TPresjek& p) {
    const auto vb = ProcitajBroj(edtvb_->text());
    if (vb)
        p.vb = *vb;
    const auto vbd = vb ? ProcitajBroj(edtvbd_->text()) : std::nullopt;
    if (vbd)
        p.vbd = *vbd;
    const auto l = vbd ? ProcitajBroj(edtl_->text()) : std::nullopt;
    const auto Mexp = l ? ProcitajBroj(edtMexp_->text()) : std::nullopt;
    if (Mexp)
        p.Mexp = *Mexp;
    const auto Nexp = Mexp ? ProcitajBroj(edtNexp_->text()) : std::nullopt;
    if (!Nexp)
        return std::nullopt;
    p.Nexp = *Nexp;
    return l;
}

void TfrmUgibi::Racunaj(TPresjek& p, TDodatniPodaci& novi, double l) {
    const int sistem = cboStatSis_->currentIndex();
    ProracunUgiba(p, projekat_.okruzenje(poruke_), &novi, KoefStatickogSistema(sistem), l);
    projekat_.servis.l = l;
    projekat_.servis.StatickiSistem = sistem;
    prikazano_ = {l, sistem};
}

void TfrmUgibi::PrikaziRezultate(const TPresjek& p) {
    edtvI_->setText(Broj(p.vI, 12, 5));
    edtvII_->setText(Broj(p.vII, 12, 5));
    edt_V_->setText(Broj(p.v, 12, 5));
}

void TfrmUgibi::OsnovniUgib() {
    if (presjek_ == nullptr)
        return;
    TfrmOsnovniUgib dijalog(*presjek_, projekat_.katalozi, poruke_, this);
    if (dijalog.exec() != QDialog::Accepted)
        return;
    edtvb_->setText(Broj(dijalog.Vb(), 12, 5));
    edtvbd_->setText(Broj(dijalog.Vbd(), 12, 5));
    edtl_->setText(Broj(dijalog.RasponCm(), 12, 2));
    cboStatSis_->setCurrentIndex(dijalog.StatickiSistem());
}

} // namespace nmk::ui
