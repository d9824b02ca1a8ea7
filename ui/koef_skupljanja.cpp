#include "ui/koef_skupljanja.h"

#include "engine/greska.h"
#include "engine/tecenje.h"
#include "ui/brojevi.h"
#include "ui/koef_tecenja.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <exception>

namespace nmk::ui {

TfrmKoefSkupljanja::TfrmKoefSkupljanja(double h0, Poruke& poruke, QWidget* roditelj)
    : QDialog(roditelj), h0_(h0), poruke_(poruke) {
    setObjectName(QStringLiteral("frmKoefSkupljanja"));
    setWindowTitle(QStringLiteral("Koeficijent skupljanja"));

    auto* edtSrednjaDeblj = new QLineEdit(Broj(h0, 15, 2), this);
    edtSrednjaDeblj->setObjectName(QStringLiteral("edtSrednjaDeblj"));
    edtSrednjaDeblj->setReadOnly(true);

    cboVlaznost_ = new QComboBox(this);
    cboVlaznost_->setObjectName(QStringLiteral("cboVlaznost"));
    cboVlaznost_->setEditable(true);
    cboVlaznost_->addItems({"50", "80"});
    cboVlaznost_->setCurrentIndex(1);

    edtECS_ = new QLineEdit(this);
    edtECS_->setObjectName(QStringLiteral("edtECS"));
    edtECS_->setReadOnly(true);

    auto* mreza = new QGridLayout;
    mreza->addWidget(
        new QLabel(QStringLiteral("Karakteristicna srednja debljina presjeka 2Ac/u"), this), 0, 0);
    mreza->addWidget(edtSrednjaDeblj, 0, 1);
    mreza->addWidget(new QLabel(QStringLiteral("mm"), this), 0, 2);
    mreza->addWidget(new QLabel(QStringLiteral("Vlaznost"), this), 1, 0);
    mreza->addWidget(cboVlaznost_, 1, 1);
    mreza->addWidget(new QLabel(QStringLiteral("%"), this), 1, 2);
    mreza->addWidget(new QLabel(QStringLiteral("Relativna deformacija skupljanja"), this), 2, 0);
    mreza->addWidget(edtECS_, 2, 1);
    mreza->addWidget(new QLabel(QString::fromUtf8("‰"), this), 2, 2);

    auto* btnKoef = new QPushButton(QStringLiteral("Koef. skupljanja"), this);
    btnKoef->setObjectName(QStringLiteral("btnKoefSkupljanja"));
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

    connect(btnKoef, &QPushButton::clicked, this, &TfrmKoefSkupljanja::Izracunaj);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmKoefSkupljanja::Izracunaj() {
    const QString vlaznost = cboVlaznost_->currentText();
    const auto RH = ProcitajBroj(vlaznost);
    if (!RH) {
        poruke_.Prikazi(PorukaNijeBroj(vlaznost).toStdString(), VrstaPoruke::Greska, dgOK);
        return;
    }
    try {
        rezultat_ = KoeficijentSkupljanja(*RH, h0_);
    } catch (const std::exception& g) { // GreskaProracuna or another run-time error
        poruke_.Prikazi(g.what(), VrstaPoruke::Greska, dgOK);
        return;
    }
    edtECS_->setText(Broj(rezultat_, 15, 2));
}

} // namespace nmk::ui
