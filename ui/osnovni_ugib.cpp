#include "ui/osnovni_ugib.h"

#include "engine/greska.h"
#include "engine/osnovni_ugib.h"
#include "ui/brojevi.h"
#include "ui/koef_tecenja.h"
#include "ui/slike_sistema.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

namespace nmk::ui {

TfrmOsnovniUgib::TfrmOsnovniUgib(const TPresjek& presjek, const Katalozi& katalozi, Poruke& poruke,
                                 QWidget* roditelj)
    : QDialog(roditelj), presjek_(presjek), katalozi_(katalozi), poruke_(poruke) {
    setObjectName(QStringLiteral("frmOsnovniUgib"));
    setWindowTitle(QStringLiteral("Proracun Osnovnog Ugiba"));

    auto novoPolje = [this](const char* ime, const char* tekst) {
        auto* polje = new QLineEdit(QString::fromLatin1(tekst), this);
        polje->setObjectName(QString::fromLatin1(ime));
        return polje;
    };
    edtRaspon_ = novoPolje("edtRaspon", "5");
    edtp_ = novoPolje("edtp", "0");
    edtpd_ = novoPolje("edtpd", "0");
    edtvb_ = novoPolje("edtvb", "");
    edtvbd_ = novoPolje("edtvbd", "");
    edtvb_->setReadOnly(true);
    edtvbd_->setReadOnly(true);
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
    int red = 0;
    auto dodaj = [&](const char* oznaka, QWidget* polje, const char* jedinica) {
        mreza->addWidget(new QLabel(QString::fromUtf8(oznaka), this), red, 0);
        mreza->addWidget(polje, red, 1);
        if (jedinica != nullptr)
            mreza->addWidget(new QLabel(QString::fromUtf8(jedinica), this), red, 2);
        ++red;
    };
    dodaj("Opterecenje", cboOpterecenje_, nullptr);
    dodaj("Staticki sistem", cboStatickiSistem_, nullptr);
    dodaj("Raspon", edtRaspon_, "m");
    dodaj("Ukupno opterecenje p = ", edtp_, "kN, kN/m");
    dodaj("Stalno opterecenje pd = ", edtpd_, "kN, kN/m");
    dodaj("vb = ", edtvb_, "cm");
    dodaj("vb.d = ", edtvbd_, "cm");

    auto* btnProracunUgiba = new QPushButton(QStringLiteral("Proracunaj Ugib"), this);
    btnProracunUgiba->setObjectName(QStringLiteral("btnProracunUgiba"));
    auto* btnOK = new QPushButton(QStringLiteral("Usvoji"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnProracunUgiba->setAutoDefault(false);
    btnOK->setAutoDefault(false);
    auto* dugmad = new QHBoxLayout;
    dugmad->addStretch(1);
    dugmad->addWidget(btnProracunUgiba);
    dugmad->addWidget(btnOK);

    auto* glavni = new QVBoxLayout(this);
    glavni->addLayout(mreza);
    glavni->addLayout(dugmad);

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
