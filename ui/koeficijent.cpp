#include "ui/koeficijent.h"

#include "ui/brojevi.h"
#include "ui/gradnja.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QLocale>
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

QString TekstBroja(double x) {
    return QLocale().toString(x, 'g', 15);
}

void PostaviTekst(QComboBox* kutija, const QString& tekst) {
    const int i = kutija->findText(tekst);
    if (i >= 0)
        kutija->setCurrentIndex(i);
    else
        kutija->setEditText(tekst);
}

QString PorukaNijeBroj(const QString& tekst) {
    return QStringLiteral("'%1' nije ispravan broj").arg(tekst);
}

QString PorukaNijeCijeliBroj(const QString& tekst) {
    return QStringLiteral("'%1' nije ispravan cijeli broj").arg(tekst);
}

TfrmKoeficijent::TfrmKoeficijent(double h0, Poruke& poruke, QWidget* roditelj)
    : QDialog(roditelj), h0_(h0), poruke_(poruke), mreza_(new QGridLayout) {
    auto* edtSrednjaDeblj = NovoPolje(this, "edtSrednjaDeblj", Broj(h0, 15, 2));
    edtSrednjaDeblj->setReadOnly(true);
    Red(mreza_, 0, "Karakteristicna srednja debljina presjeka 2Ac/u", edtSrednjaDeblj, "mm");
}

QComboBox* TfrmKoeficijent::NovaVlaznost() {
    auto* vlaznost = new QComboBox(this);
    vlaznost->setObjectName(QStringLiteral("cboVlaznost"));
    vlaznost->setEditable(true);
    vlaznost->setInsertPolicy(QComboBox::NoInsert); // a typed value is used, not listed
    vlaznost->addItems({"50", "80"});
    vlaznost->setCurrentIndex(1);
    return vlaznost;
}

std::optional<double> TfrmKoeficijent::ProcitajVlaznost(const QComboBox* vlaznost) {
    const QString tekst = vlaznost->currentText();
    const auto RH = ProcitajBroj(tekst);
    if (!RH)
        poruke_.Prikazi(PorukaNijeBroj(tekst).toStdString(), VrstaPoruke::Greska, dgOK);
    return RH;
}

void TfrmKoeficijent::PoljeRezultata(int red, const char* ime, const char* oznaka,
                                     const char* jedinica) {
    edtRezultat_ = ui::PoljeRezultata(this, ime);
    Red(mreza_, red, oznaka, edtRezultat_, jedinica);
}

void TfrmKoeficijent::Slozi(const char* imeDugmeta, const char* tekstDugmeta) {
    auto* btnKoef = NovoDugme(this, imeDugmeta, tekstDugmeta);
    auto* btnOK = NovoDugme(this, "btnOK", "OK");
    SloziDijalog(this, mreza_, btnKoef, btnOK);
    connect(btnKoef, &QPushButton::clicked, this, &TfrmKoeficijent::Izracunaj);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

bool TfrmKoeficijent::Uzmi(const std::function<double()>& racun) {
    try {
        rezultat_ = racun();
    } catch (const std::exception& g) { // GreskaProracuna or another run-time error
        poruke_.Prikazi(g.what(), VrstaPoruke::Greska, dgOK);
        return false;
    }
    edtRezultat_->setText(Broj(rezultat_, 15, 2));
    return true;
}

} // namespace nmk::ui
