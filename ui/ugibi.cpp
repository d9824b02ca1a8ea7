#include "ui/ugibi.h"

#include "engine/armatura.h"
#include "engine/cvrstoce.h"
#include "engine/detalji.h"
#include "engine/greska.h"
#include "engine/osnovni_ugib.h"
#include "engine/tecenje.h"
#include "engine/ugib.h"
#include "ui/bet_ex.h"
#include "ui/brojevi.h"
#include "ui/dodatni_pod.h"
#include "ui/osnovni_ugib.h"
#include "ui/slike_sistema.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
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

namespace {

QLineEdit* NovoPolje(QWidget* roditelj, const char* ime, const QString& tekst = {}) {
    auto* polje = new QLineEdit(tekst, roditelj);
    polje->setObjectName(QString::fromLatin1(ime));
    return polje;
}

QLineEdit* PoljeRezultata(QWidget* roditelj, const char* ime) {
    QLineEdit* polje = NovoPolje(roditelj, ime);
    polje->setReadOnly(true);
    return polje;
}

QPushButton* NovoDugme(QWidget* roditelj, const char* ime, const char* tekst) {
    auto* dugme = new QPushButton(QString::fromUtf8(tekst), roditelj);
    dugme->setObjectName(QString::fromLatin1(ime));
    dugme->setAutoDefault(false);
    return dugme;
}

// One row of a grid: a label (or a button in its place), the field and its unit.
void Red(QGridLayout* mreza, int red, QWidget* oznaka, QWidget* polje, const char* jedinica) {
    mreza->addWidget(oznaka, red, 0);
    mreza->addWidget(polje, red, 1);
    if (jedinica != nullptr)
        mreza->addWidget(new QLabel(QString::fromUtf8(jedinica), polje->parentWidget()), red, 2);
}

} // namespace

TfrmUgibi::TfrmUgibi(Projekat& projekat, Poruke& poruke, OtvoriArmaturu armatura, QWidget* roditelj)
    : QDialog(roditelj), projekat_(projekat), poruke_(poruke), armatura_(std::move(armatura)) {
    setObjectName(QStringLiteral("frmUgibi"));
    setWindowTitle(QStringLiteral("Proracun ugiba"));
    NapraviKontrole();
}

void TfrmUgibi::NapraviKontrole() {
    auto* sile = new QGroupBox(QStringLiteral("Sile"), this);
    auto* mrezaSila = new QGridLayout(sile);
    edtMexp_ = NovoPolje(sile, "edtMexp");
    edtNexp_ = NovoPolje(sile, "edtNexp");
    Red(mrezaSila, 0, new QLabel(QStringLiteral("Mexp = "), sile), edtMexp_, "kNm");
    Red(mrezaSila, 1, new QLabel(QStringLiteral("Nexp = "), sile), edtNexp_, "kN");

    auto* osnovni = new QGroupBox(QStringLiteral("Osnovna vrijednost ugiba"), this);
    auto* mrezaOsnovnog = new QGridLayout(osnovni);
    edtvb_ = NovoPolje(osnovni, "edtvb", QStringLiteral("0"));
    edtvbd_ = NovoPolje(osnovni, "edtvbd", QStringLiteral("0"));
    edtl_ = NovoPolje(osnovni, "edtl", QStringLiteral("100"));
    auto* SpeedButton1 = NovoDugme(osnovni, "SpeedButton1", "vb = ");
    SpeedButton1->setToolTip(QStringLiteral("Proracun Osnovnog Ugiba"));
    Red(mrezaOsnovnog, 0, SpeedButton1, edtvb_, "cm");
    Red(mrezaOsnovnog, 1, new QLabel(QStringLiteral("vb.d = "), osnovni), edtvbd_, "cm");
    Red(mrezaOsnovnog, 2, new QLabel(QStringLiteral("l = "), osnovni), edtl_, "cm");
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
    Red(mrezaRezultata, 0, new QLabel(QStringLiteral("v I = "), rezultati), edtvI_, "cm");
    Red(mrezaRezultata, 1, new QLabel(QStringLiteral("v II = "), rezultati), edtvII_, "cm");
    Red(mrezaRezultata, 2, new QLabel(QStringLiteral("v = "), rezultati), edt_V_, "cm");

    lblAa1_ = new QLabel(this);
    lblAa1_->setObjectName(QStringLiteral("lblAa1"));
    lblAa2_ = new QLabel(this);
    lblAa2_->setObjectName(QStringLiteral("lblAa2"));

    auto* btnProracun = NovoDugme(this, "btnProracun", "Proracun");
    auto* SpeedButton2 = NovoDugme(this, "SpeedButton2", "Dodatni Podaci");
    btnDetalji_ = NovoDugme(this, "btnDetalji", "Detalji");
    btnArmatura_ = NovoDugme(this, "btnArmatura", "Armatura");
    btnArmatura_->setEnabled(static_cast<bool>(armatura_));

    for (QLineEdit* polje : {edtMexp_, edtNexp_, edtvb_, edtvbd_, edtl_})
        PostaviFilter(polje, {.naEnter = [this] { Proracunaj(); }, .minus = true});

    auto* gore = new QHBoxLayout;
    auto* lijevo = new QVBoxLayout;
    lijevo->addWidget(sile);
    lijevo->addWidget(rezultati);
    gore->addLayout(lijevo);
    gore->addWidget(osnovni);
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

    connect(btnProracun, &QPushButton::clicked, this, &TfrmUgibi::Proracunaj);
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrmUgibi::OsnovniUgib);
    connect(SpeedButton2, &QPushButton::clicked, this, &TfrmUgibi::DodatniPodaciBetona);
    connect(btnDetalji_, &QPushButton::clicked, this, &TfrmUgibi::Detalji);
    connect(btnArmatura_, &QPushButton::clicked, this, &TfrmUgibi::Armatura);
}

int TfrmUgibi::Prikazi(TPresjek& presjek) {
    Postavi(presjek);
    // the reference is cleared on every way out
    const std::unique_ptr<TfrmUgibi, void (*)(TfrmUgibi*)> zaboravi(
        this, [](TfrmUgibi* f) { f->Zaboravi(); });
    Aktiviraj();
    return exec();
}

void TfrmUgibi::Aktiviraj() {
    if (presjek_ == nullptr)
        return;
    edtMexp_->setText(Broj(presjek_->Mexp, 12, 2));
    edtNexp_->setText(Broj(presjek_->Nexp, 12, 2));
    edtvI_->clear();
    edtvII_->clear();
    edt_V_->clear();
    dodatni_.reset();
    btnDetalji_->setEnabled(false);
    OsvjeziArmaturu();
}

void TfrmUgibi::done(int rezultat) {
    dodatni_.reset();
    QDialog::done(rezultat);
}

bool TfrmUgibi::Proracunaj() {
    if (presjek_ == nullptr)
        return false;
    TPresjek& p = *presjek_;
    // each field that reads is taken over at once; the first that does not stops here
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
    if (!Nexp) {
        poruke_.Prikazi("Upisite Brojeve !", VrstaPoruke::Upozorenje, dgOK);
        return false;
    }
    p.Nexp = *Nexp;
    if (const auto greska = ProvjeraServisa(p)) {
        poruke_.Prikazi(*greska, VrstaPoruke::Upozorenje, dgOK);
        return false;
    }
    // The record of this calculation replaces the previous one only when it succeeds, so
    // that "Detalji" always lists the results on screen.
    TDodatniPodaci novi{};
    try {
        const double k = KoefStatickogSistema(cboStatSis_->currentIndex());
        ProracunUgiba(p, projekat_.okruzenje(poruke_), &novi, k, *l);
    } catch (const std::exception& g) { // GreskaProracuna or another run-time error
        poruke_.Prikazi(g.what(), VrstaPoruke::Greska, dgOK);
        return false;
    }
    dodatni_ = novi;
    edtvI_->setText(Broj(p.vI, 12, 5));
    edtvII_->setText(Broj(p.vII, 12, 5));
    edt_V_->setText(Broj(p.v, 12, 5));
    btnDetalji_->setEnabled(true);
    p.Status |= sfUgibi;
    return true;
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

void TfrmUgibi::DodatniPodaciBetona() {
    if (presjek_ == nullptr)
        return;
    double h0 = 0;
    try {
        h0 = KarakteristicnaDebljina(*presjek_);
    } catch (const std::exception& g) { // GreskaProracuna or another run-time error
        poruke_.Prikazi(g.what(), VrstaPoruke::Greska, dgOK);
        return;
    }
    TfrmBetEx dijalog(projekat_.betonEx, h0, poruke_, this);
    dijalog.exec();
}

void TfrmUgibi::Detalji() {
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
        DetaljiUgiba(*dodatni_, presjek_->Propis, Eb, DecimalniSeparator().toLatin1()), this);
    dijalog.exec();
}

void TfrmUgibi::Armatura() {
    if (presjek_ == nullptr || !armatura_)
        return;
    armatura_(*presjek_);
    OsvjeziArmaturu();
}

void TfrmUgibi::OsvjeziArmaturu() {
    lblAa1_->setText(OznakaArmature(*presjek_, true));
    lblAa2_->setText(OznakaArmature(*presjek_, false));
}

} // namespace nmk::ui
