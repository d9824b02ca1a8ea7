#include "ui/servis_prozor.h"

#include "data/dodatak_projekta.h"
#include "engine/armatura.h"
#include "engine/cvrstoce.h"
#include "engine/tecenje.h"
#include "ui/bet_ex.h"
#include "ui/dodatni_pod.h"
#include "ui/gradnja.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>
#include <memory>

namespace nmk::ui {

QString OznakaArmature(const TPresjek& p, bool gornja) {
    const TUsvojenaArmatura& lista = gornja ? p.ArmGornja : p.ArmDonja;
    if (lista.empty())
        return {}; // no bars on that face: nothing to show
    return QString::fromUtf8(gornja ? "Odabrano Aa1: " : "Odabrano Aa2: ") +
           QString::fromStdString(OpisArmature(lista, true)) +
           QString::fromUtf8(gornja ? " stvAa1= " : " stvAa2= ") +
           Broj(PovrsinaArmature(lista), 12, 2) + QStringLiteral(" cm2");
}

std::optional<const char*> ProvjeraServisa(const TPresjek& p) {
    if (JeNula(p.Mexp))
        return "Momenat Mexp mora biti veci od nule";
    const TUsvojenaArmatura& zategnuta = p.Mexp > 0 ? p.ArmDonja : p.ArmGornja;
    if (zategnuta.empty())
        return "Armatura mora biti odabrana!";
    return std::nullopt;
}

TfrmServis::TfrmServis(Projekat& projekat, Poruke& poruke, OtvoriArmaturu armatura,
                       std::uint16_t bit, ListaDetalja detalji, QWidget* roditelj)
    : QDialog(roditelj), projekat_(projekat), poruke_(poruke), armatura_(std::move(armatura)),
      bit_(bit), detalji_(detalji) {}

void TfrmServis::NapraviPoljaSila(QWidget* grupa, QGridLayout* mreza) {
    edtMexp_ = NovoPolje(grupa, "edtMexp");
    edtNexp_ = NovoPolje(grupa, "edtNexp");
    Red(mreza, 0, "Mexp = ", edtMexp_, "kNm");
    Red(mreza, 1, "Nexp = ", edtNexp_, "kN");
    for (QLineEdit* polje : {edtMexp_, edtNexp_})
        PostaviFilter(polje, PravilaPolja());
}

PravilaUnosa TfrmServis::PravilaPolja() {
    return {.naEnter = [this] { Proracunaj(); }, .minus = true};
}

void TfrmServis::SloziProzor(QLayout* gore) {
    lblAa1_ = new QLabel(this);
    lblAa1_->setObjectName(QStringLiteral("lblAa1"));
    lblAa2_ = new QLabel(this);
    lblAa2_->setObjectName(QStringLiteral("lblAa2"));

    auto* btnProracun = NovoDugme(this, "btnProracun", "Proracun");
    auto* SpeedButton2 = NovoDugme(this, "SpeedButton2", "Dodatni Podaci");
    btnDetalji_ = NovoDugme(this, "btnDetalji", "Detalji");
    btnArmatura_ = NovoDugme(this, "btnArmatura", "Armatura");
    btnArmatura_->setEnabled(static_cast<bool>(armatura_));

    auto* dugmad = new QHBoxLayout;
    dugmad->addWidget(btnProracun);
    dugmad->addWidget(SpeedButton2);
    dugmad->addWidget(btnDetalji_);
    dugmad->addWidget(btnArmatura_);
    auto* glavni = new QVBoxLayout(this);
    glavni->addLayout(gore);
    glavni->addWidget(lblAa1_);
    glavni->addWidget(lblAa2_);
    glavni->addLayout(dugmad);

    connect(btnProracun, &QPushButton::clicked, this, &TfrmServis::Proracunaj);
    connect(SpeedButton2, &QPushButton::clicked, this, &TfrmServis::DodatniPodaciBetona);
    connect(btnDetalji_, &QPushButton::clicked, this, &TfrmServis::Detalji);
    connect(btnArmatura_, &QPushButton::clicked, this, &TfrmServis::Armatura);
}

int TfrmServis::Prikazi(TPresjek& presjek) {
    Postavi(presjek);
    // the reference is cleared on every way out
    const std::unique_ptr<TfrmServis, void (*)(TfrmServis*)> zaboravi(
        this, [](TfrmServis* f) { f->Zaboravi(); });
    Aktiviraj();
    return exec();
}

void TfrmServis::Aktiviraj() {
    if (presjek_ == nullptr)
        return;
    edtMexp_->setText(Broj(presjek_->Mexp, 12, 2));
    edtNexp_->setText(Broj(presjek_->Nexp, 12, 2));
    PopuniPolja(*presjek_);
    dodatni_.reset();
    btnDetalji_->setEnabled(false);
    OsvjeziArmaturu();
}

void TfrmServis::done(int rezultat) {
    dodatni_.reset();
    QDialog::done(rezultat);
}

namespace {

// What a deflection or crack calculation may change in the project: the section's service
// inputs, results and bits, and the project's serviceability data.
struct StanjeServisa {
    DodatakPresjeka presjek;
    std::uint16_t Status = 0;
    PodaciServisa servis;
    bool operator==(const StanjeServisa&) const = default;
};

StanjeServisa Stanje(const TPresjek& p, const Projekat& pr) {
    return {DodatakIz(p), p.Status, pr.servis};
}

} // namespace

bool TfrmServis::Proracunaj() {
    if (presjek_ == nullptr)
        return false;
    TPresjek& p = *presjek_;
    // A successful calculation, and inputs taken over before a refusal, change the project.
    const StanjeServisa prije = Stanje(p, projekat_);
    const bool uspjeh = Izracunaj(p);
    if (uspjeh || !(Stanje(p, projekat_) == prije))
        projekat_.sistem.Izmijenjen = true;
    return uspjeh;
}

bool TfrmServis::Izracunaj(TPresjek& p) {
    const std::optional<double> vrijednost = ProcitajPolja(p);
    if (!vrijednost) {
        poruke_.Prikazi("Upisite Brojeve !", VrstaPoruke::Upozorenje, dgOK);
        return false;
    }
    if (const auto greska = ProvjeraServisa(p)) {
        poruke_.Prikazi(*greska, VrstaPoruke::Upozorenje, dgOK);
        return false;
    }
    // The record of this calculation replaces the previous one only when it succeeds, so
    // that "Detalji" always lists the results on screen.
    TDodatniPodaci novi{};
    try {
        Racunaj(p, novi, *vrijednost);
    } catch (const std::exception& g) { // GreskaProracuna or another run-time error
        poruke_.Prikazi(g.what(), VrstaPoruke::Greska, dgOK);
        return false;
    }
    dodatni_ = novi;
    PrikaziRezultate(p);
    btnDetalji_->setEnabled(true);
    p.Status |= bit_;
    return true;
}

void TfrmServis::DodatniPodaciBetona() {
    if (presjek_ == nullptr)
        return;
    double h0 = 0;
    try {
        h0 = KarakteristicnaDebljina(*presjek_);
    } catch (const std::exception& g) { // GreskaProracuna or another run-time error
        poruke_.Prikazi(g.what(), VrstaPoruke::Greska, dgOK);
        return;
    }
    const TBetonEx bx = projekat_.betonEx;
    const PodaciServisa servis = projekat_.servis;
    TfrmBetEx dijalog(projekat_.betonEx, projekat_.servis, h0, poruke_, this);
    dijalog.exec();
    const TBetonEx& novi = projekat_.betonEx;
    const bool isti = novi.fi == bx.fi && novi.hi == bx.hi && novi.ebs == bx.ebs &&
                      novi.alfa_st == bx.alfa_st && novi.B1 == bx.B1 && novi.B2 == bx.B2;
    if (!isti || !(projekat_.servis == servis))
        projekat_.sistem.Izmijenjen = true;
}

void TfrmServis::Detalji() {
    if (presjek_ == nullptr || !dodatni_)
        return;
    double Eb = 0;
    try {
        Eb = ModulBetona(*presjek_, projekat_.katalozi);
    } catch (const std::exception& g) {
        poruke_.Prikazi(g.what(), VrstaPoruke::Greska, dgOK);
        return;
    }
    TfrmDodatniPod dijalog(
        detalji_(*dodatni_, presjek_->Propis, Eb, DecimalniSeparator().toLatin1()), this);
    dijalog.exec();
}

void TfrmServis::Armatura() {
    if (presjek_ == nullptr || !armatura_)
        return;
    armatura_(*presjek_);
    OsvjeziArmaturu();
}

void TfrmServis::OsvjeziArmaturu() {
    lblAa1_->setText(OznakaArmature(*presjek_, true));
    lblAa2_->setText(OznakaArmature(*presjek_, false));
}

} // namespace nmk::ui
