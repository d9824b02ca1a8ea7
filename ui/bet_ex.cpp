#include "ui/bet_ex.h"

#include "engine/tecenje.h"
#include "ui/brojevi.h"
#include "ui/koef_skupljanja.h"
#include "ui/koef_tecenja.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <optional>

namespace nmk::ui {

TfrmBetEx::TfrmBetEx(TBetonEx& betonEx, PodaciServisa& servis, double h0, Poruke& poruke,
                     QWidget* roditelj)
    : QDialog(roditelj), betonEx_(betonEx), servis_(servis), novi_(servis), h0_(h0),
      poruke_(poruke) {
    setObjectName(QStringLiteral("frmBetEx"));
    setWindowTitle(QStringLiteral("Dodatni podaci"));

    edtfi_ = NapraviPolje("edtfi", betonEx.fi);
    edthi_ = NapraviPolje("edthi", betonEx.hi);
    edtebs_ = NapraviPolje("edtebs", betonEx.ebs * 1000);
    edtalfa_st_ = NapraviPolje("edtalfa_st", betonEx.alfa_st);
    edtB1_ = NapraviPolje("edtB1", betonEx.B1);
    edtB2_ = NapraviPolje("edtB2", betonEx.B2);

    auto* btnFi = new QPushButton(QStringLiteral("..."), this);
    btnFi->setObjectName(QStringLiteral("btnFi"));
    auto* btnEcs = new QPushButton(QStringLiteral("..."), this);
    btnEcs->setObjectName(QStringLiteral("btnEcs"));

    auto* mreza = new QGridLayout;
    int red = 0;
    auto dodaj = [&](const char* oznaka, QLineEdit* polje, const char* jedinica,
                     QPushButton* dugme) {
        mreza->addWidget(new QLabel(QString::fromUtf8(oznaka), this), red, 0);
        mreza->addWidget(polje, red, 1);
        if (jedinica != nullptr)
            mreza->addWidget(new QLabel(QString::fromUtf8(jedinica), this), red, 2);
        if (dugme != nullptr)
            mreza->addWidget(dugme, red, 3);
        ++red;
    };
    dodaj("Koeficijent tecenja", edtfi_, nullptr, btnFi);
    dodaj("Koeficijent starenja", edthi_, nullptr, nullptr);
    dodaj("Relativna deformacija skupljanja", edtebs_, "‰", btnEcs);
    dodaj("Koeficijent smanjenja cvrstoce na zatezanje", edtalfa_st_, nullptr, nullptr);
    dodaj("Koeficijent prijanjanja sipki", edtB1_, nullptr, nullptr);
    dodaj("Koeficijent trajanja ili ponavljanja opterecenja", edtB2_, nullptr, nullptr);

    auto* btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    auto* btnOtkazi = new QPushButton(QStringLiteral("Otkazi"), this);
    btnOtkazi->setObjectName(QStringLiteral("btnOtkazi"));
    for (QPushButton* b : {btnFi, btnEcs, btnOK, btnOtkazi})
        b->setAutoDefault(false);
    auto* dugmad = new QHBoxLayout;
    dugmad->addStretch(1);
    dugmad->addWidget(btnOK);
    dugmad->addWidget(btnOtkazi);

    auto* glavni = new QVBoxLayout(this);
    glavni->addLayout(mreza);
    glavni->addLayout(dugmad);

    connect(btnFi, &QPushButton::clicked, this, &TfrmBetEx::KoeficijentTecenja);
    connect(btnEcs, &QPushButton::clicked, this, &TfrmBetEx::KoeficijentSkupljanja);
    connect(btnOK, &QPushButton::clicked, this, &TfrmBetEx::Potvrdi);
    connect(btnOtkazi, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* TfrmBetEx::NapraviPolje(const char* ime, double vrijednost) {
    auto* polje = new QLineEdit(Broj(vrijednost, 15, 2), this);
    polje->setObjectName(QString::fromLatin1(ime));
    PostaviFilter(polje, {.naEnter = [this] { Potvrdi(); }, .minus = true});
    return polje;
}

// All six or none: a parameter is not half taken over when another one is mistyped, so that
// "Otkazi" after the message still leaves the project's values as they were.
void TfrmBetEx::Potvrdi() {
    const std::array<QLineEdit*, 6> polja{edtfi_, edthi_, edtebs_, edtalfa_st_, edtB1_, edtB2_};
    std::array<double, 6> vrijednosti{};
    for (std::size_t i = 0; i < polja.size(); ++i) {
        const std::optional<double> x = ProcitajBroj(polja[i]->text());
        if (!x) {
            poruke_.Prikazi("Podaci nisu dobro zadani !", VrstaPoruke::Greska, dgOK);
            return;
        }
        vrijednosti[i] = *x;
    }
    TBetonEx novi = betonEx_;
    novi.fi = vrijednosti[0];
    novi.hi = vrijednosti[1];
    // the strain is typed in per mille and passes through single precision on its way
    novi.ebs = static_cast<float>(vrijednosti[2]) / 1000.0;
    novi.alfa_st = vrijednosti[3];
    novi.B1 = vrijednosti[4];
    novi.B2 = vrijednosti[5];
    if (const auto greska = GreskaPodatakaBetona(novi)) {
        poruke_.Prikazi(*greska, VrstaPoruke::Greska, dgOK);
        return;
    }
    betonEx_ = novi;
    servis_ = novi_;
    accept();
}

void TfrmBetEx::KoeficijentTecenja() {
    TfrmKoeficijentTecenja dijalog(h0_, poruke_, this);
    dijalog.PostaviUlaz(novi_.StarostTecenja, novi_.VlaznostTecenja);
    dijalog.exec();
    edtfi_->setText(Broj(dijalog.Rezultat(), 15, 2));
    if (const auto ulaz = dijalog.Ulaz()) {
        novi_.StarostTecenja = ulaz->first;
        novi_.VlaznostTecenja = ulaz->second;
    }
}

void TfrmBetEx::KoeficijentSkupljanja() {
    TfrmKoefSkupljanja dijalog(h0_, poruke_, this);
    dijalog.PostaviVlaznost(novi_.VlaznostSkupljanja);
    dijalog.exec();
    edtebs_->setText(Broj(dijalog.Rezultat(), 15, 2));
    if (const auto vlaznost = dijalog.Vlaznost())
        novi_.VlaznostSkupljanja = *vlaznost;
}

} // namespace nmk::ui
