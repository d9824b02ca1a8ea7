#include "ui/osnovni_ugib.h"

#include "engine/greska.h"
#include "engine/osnovni_ugib.h"
#include "ui/brojevi.h"
#include "ui/gradnja.h"
#include "ui/koeficijent.h"
#include "ui/slike_sistema.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include <exception>

namespace nmk::ui {

TfrmOsnovniUgib::TfrmOsnovniUgib(const TPresjek& presjek, const Katalozi& katalozi, Poruke& poruke,
                                 QWidget* roditelj)
    : QDialog(roditelj), presjek_(presjek), katalozi_(katalozi), poruke_(poruke) {
    setObjectName(QStringLiteral("frmOsnovniUgib"));
    setWindowTitle(QStringLiteral("Proracun Osnovnog Ugiba"));

    edtRaspon_ = NovoPolje(this, "edtRaspon", QStringLiteral("5"));
    edtp_ = NovoPolje(this, "edtp", QStringLiteral("0"));
    edtpd_ = NovoPolje(this, "edtpd", QStringLiteral("0"));
    edtvb_ = PoljeRezultata(this, "edtvb");
    edtvbd_ = PoljeRezultata(this, "edtvbd");
    for (QLineEdit* polje : {edtRaspon_, edtp_, edtpd_})
        PostaviFilter(polje, {.naEnter = [this] { Proracunaj(); }});

    cboOpterecenje_ = new ListaSlika(this);
    cboOpterecenje_->setObjectName(QStringLiteral("cboOpterecenje"));
    NapuniOpterecenja(cboOpterecenje_);
    cboOpterecenje_->setCurrentIndex(2);
    cboStatickiSistem_ = new ListaSlika(this);
    cboStatickiSistem_->setObjectName(QStringLiteral("cboStatickiSistem"));
    NapuniStatickeSisteme(cboStatickiSistem_);
    cboStatickiSistem_->setCurrentIndex(1);

    auto* mreza = new QGridLayout;
    Red(mreza, 0, "Opterecenje", cboOpterecenje_, nullptr);
    Red(mreza, 1, "Staticki sistem", cboStatickiSistem_, nullptr);
    Red(mreza, 2, "Raspon", edtRaspon_, "m");
    Red(mreza, 3, "Ukupno opterecenje p = ", edtp_, "kN, kN/m");
    Red(mreza, 4, "Stalno opterecenje pd = ", edtpd_, "kN, kN/m");
    Red(mreza, 5, "vb = ", edtvb_, "cm");
    Red(mreza, 6, "vb.d = ", edtvbd_, "cm");

    auto* btnProracunUgiba = NovoDugme(this, "btnProracunUgiba", "Proracunaj Ugib");
    auto* btnOK = NovoDugme(this, "btnOK", "Usvoji");
    SloziDijalog(this, mreza, btnProracunUgiba, btnOK);

    connect(btnProracunUgiba, &QPushButton::clicked, this, &TfrmOsnovniUgib::Proracunaj);
    connect(btnOK, &QPushButton::clicked, this, &TfrmOsnovniUgib::Usvoji);
    connect(cboOpterecenje_, &ListaSlika::listaZatvorena, this, &TfrmOsnovniUgib::Proracunaj);
    connect(cboStatickiSistem_, &ListaSlika::listaZatvorena, this, &TfrmOsnovniUgib::Proracunaj);
}

int TfrmOsnovniUgib::StatickiSistem() const {
    return cboStatickiSistem_->currentIndex();
}

bool TfrmOsnovniUgib::Proracunaj() {
    double vrijednosti[3] = {};
    QLineEdit* polja[3] = {edtRaspon_, edtp_, edtpd_};
    for (int i = 0; i < 3; ++i) {
        const auto x = ProcitajBroj(polja[i]->text());
        if (!x) {
            poruke_.Prikazi(PorukaNijeBroj(polja[i]->text()).toStdString(), VrstaPoruke::Greska,
                            dgOK);
            return false;
        }
        vrijednosti[i] = *x;
    }
    try {
        const nmk::OsnovniUgib u = ProracunOsnovnogUgiba(
            presjek_, katalozi_, vrijednosti[0], vrijednosti[1], vrijednosti[2],
            cboOpterecenje_->currentIndex(), cboStatickiSistem_->currentIndex());
        vb_ = u.vb;
        vbd_ = u.vbd;
    } catch (const std::exception& g) { // GreskaProracuna or another run-time error
        poruke_.Prikazi(g.what(), VrstaPoruke::Greska, dgOK);
        return false;
    }
    rasponCm_ = vrijednosti[0] * 100;
    edtvb_->setText(Broj(vb_, 12, 5));
    edtvbd_->setText(Broj(vbd_, 12, 5));
    return true;
}

// The results are taken back from their fields: nothing is handed over unless both read.
void TfrmOsnovniUgib::Usvoji() {
    const auto vb = ProcitajBroj(edtvb_->text());
    const auto vbd = ProcitajBroj(edtvbd_->text());
    if (!vb || !vbd) {
        poruke_.Obicna("Neodgovarajuci rezultat!");
        return;
    }
    vb_ = *vb;
    vbd_ = *vbd;
    accept();
}

} // namespace nmk::ui
