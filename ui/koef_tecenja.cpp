#include "ui/koef_tecenja.h"

#include "engine/greska.h"
#include "engine/tecenje.h"
#include "ui/brojevi.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <exception>

namespace nmk::ui {

std::optional<int> ProcitajCijeliBroj(const QString& tekst) {
    bool ok = false;
    const int n = tekst.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

QString PorukaNijeBroj(const QString& tekst) {
    return QStringLiteral("'%1' nije ispravan broj").arg(tekst);
}

QString PorukaNijeCijeliBroj(const QString& tekst) {
    return QStringLiteral("'%1' nije ispravan cijeli broj").arg(tekst);
}

TfrmKoeficijentTecenja::TfrmKoeficijentTecenja(double h0, Poruke& poruke, QWidget* roditelj)
    : QDialog(roditelj), h0_(h0), poruke_(poruke) {
    setObjectName(QStringLiteral("frmKoeficijentTecenja"));
    setWindowTitle(QStringLiteral("Koeficijent tecenja"));

    auto* edtSrednjaDeblj = new QLineEdit(Broj(h0, 15, 2), this);
    edtSrednjaDeblj->setObjectName(QStringLiteral("edtSrednjaDeblj"));
    edtSrednjaDeblj->setReadOnly(true);

    cboStarost_ = new QComboBox(this);
    cboStarost_->setObjectName(QStringLiteral("cboStarost"));
    cboStarost_->setEditable(true);
    cboStarost_->addItems({"1", "7", "28", "90", "365"});
    cboStarost_->setCurrentIndex(2);

    cboVlaznost_ = new QComboBox(this);
    cboVlaznost_->setObjectName(QStringLiteral("cboVlaznost"));
    cboVlaznost_->setEditable(true);
    cboVlaznost_->addItems({"50", "80"});
    cboVlaznost_->setCurrentIndex(1);

    edtFi_ = new QLineEdit(this);
    edtFi_->setObjectName(QStringLiteral("edtFi"));
    edtFi_->setReadOnly(true);

    auto* mreza = new QGridLayout;
    int red = 0;
    auto dodaj = [&](const char* oznaka, QWidget* polje, const char* jedinica) {
        mreza->addWidget(new QLabel(QString::fromUtf8(oznaka), this), red, 0);
        mreza->addWidget(polje, red, 1);
        if (jedinica != nullptr)
            mreza->addWidget(new QLabel(QString::fromUtf8(jedinica), this), red, 2);
        ++red;
    };
    dodaj("Karakteristicna srednja debljina presjeka 2Ac/u", edtSrednjaDeblj, "mm");
    dodaj("Starost pri opterecenju", cboStarost_, "dana");
    dodaj("Vlaznost", cboVlaznost_, "%");
    dodaj("Koeficijent tecenja", edtFi_, nullptr);

    auto* btnKoef = new QPushButton(QStringLiteral("Koef. tecenja"), this);
    btnKoef->setObjectName(QStringLiteral("btnKoefTecenja"));
    auto* btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnKoef->setAutoDefault(false);
    btnOK->setAutoDefault(false);
    auto* dugmad = new QHBoxLayout;
    dugmad->addStretch(1);
    dugmad->addWidget(btnKoef);
    dugmad->addWidget(btnOK);

    auto* glavni = new QVBoxLayout(this);
    glavni->addLayout(mreza);
    glavni->addLayout(dugmad);

    connect(btnKoef, &QPushButton::clicked, this, &TfrmKoeficijentTecenja::Izracunaj);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmKoeficijentTecenja::Izracunaj() {
    const QString starost = cboStarost_->currentText();
    const auto t0 = ProcitajCijeliBroj(starost);
    if (!t0) {
        poruke_.Prikazi(PorukaNijeCijeliBroj(starost).toStdString(), VrstaPoruke::Greska, dgOK);
        return;
    }
    const QString vlaznost = cboVlaznost_->currentText();
    const auto RH = ProcitajBroj(vlaznost);
    if (!RH) {
        poruke_.Prikazi(PorukaNijeBroj(vlaznost).toStdString(), VrstaPoruke::Greska, dgOK);
        return;
    }
    try {
        rezultat_ = KoeficijentTecenja(*t0, *RH, h0_);
    } catch (const std::exception& g) { // GreskaProracuna or another run-time error
        poruke_.Prikazi(g.what(), VrstaPoruke::Greska, dgOK);
        return;
    }
    edtFi_->setText(Broj(rezultat_, 15, 2));
}

} // namespace nmk::ui
