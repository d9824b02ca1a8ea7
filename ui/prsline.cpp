#include "ui/prsline.h"

#include "engine/cvrstoce.h"
#include "engine/detalji.h"
#include "engine/greska.h"
#include "engine/prsline.h"
#include "engine/tecenje.h"
#include "ui/bet_ex.h"
#include "ui/brojevi.h"
#include "ui/dodatni_pod.h"

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

void Red(QGridLayout* mreza, int red, QWidget* oznaka, QWidget* polje, const char* jedinica) {
    mreza->addWidget(oznaka, red, 0);
    mreza->addWidget(polje, red, 1);
    if (jedinica != nullptr)
        mreza->addWidget(new QLabel(QString::fromUtf8(jedinica), polje->parentWidget()), red, 2);
}

} // namespace

TfrmPrsline::TfrmPrsline(Projekat& projekat, Poruke& poruke, OtvoriArmaturu armatura,
                         QWidget* roditelj)
    : QDialog(roditelj), projekat_(projekat), poruke_(poruke), armatura_(std::move(armatura)) {
    setObjectName(QStringLiteral("frmPrsline"));
    setWindowTitle(QStringLiteral("Proracun prslina"));
    NapraviKontrole();
}

void TfrmPrsline::NapraviKontrole() {
    auto* ulaz = new QGroupBox(QStringLiteral("Podaci"), this);
    auto* mrezaUlaza = new QGridLayout(ulaz);
    edtMexp_ = NovoPolje(ulaz, "edtMexp");
    edtNexp_ = NovoPolje(ulaz, "edtNexp");
    edtZastitniSloj_ = NovoPolje(ulaz, "edtZastitniSloj", QStringLiteral("3"));
    edtZastitniSloj_->setToolTip(QStringLiteral("Zastitni sloj betona"));
    cboVilica_ = new QComboBox(ulaz);
    cboVilica_->setObjectName(QStringLiteral("cboVilica"));
    cboVilica_->setEditable(true);
    cboVilica_->addItems({"6", "8", "10", "12", "14"});
    Red(mrezaUlaza, 0, new QLabel(QStringLiteral("Mexp = "), ulaz), edtMexp_, "kNm");
    Red(mrezaUlaza, 1, new QLabel(QStringLiteral("Nexp = "), ulaz), edtNexp_, "kN");
    Red(mrezaUlaza, 2, new QLabel(QStringLiteral("a = "), ulaz), edtZastitniSloj_, "cm");
    Red(mrezaUlaza, 3, new QLabel(QStringLiteral("Precnik vilice"), ulaz), cboVilica_, "mm");

    auto* rezultati = new QGroupBox(QStringLiteral("Prsline"), this);
    auto* mrezaRezultata = new QGridLayout(rezultati);
    lblAm_ = new QLabel(QStringLiteral("am = "), rezultati);
    lblAm_->setObjectName(QStringLiteral("lblAm"));
    edtAm_ = PoljeRezultata(rezultati, "edtAm");
    edtWm_ = PoljeRezultata(rezultati, "edtWm");
    edtWk_ = PoljeRezultata(rezultati, "edtWk");
    Red(mrezaRezultata, 0, lblAm_, edtAm_, "mm");
    Red(mrezaRezultata, 1, new QLabel(QStringLiteral("Wm = "), rezultati), edtWm_, "mm");
    Red(mrezaRezultata, 2, new QLabel(QStringLiteral("Wk = "), rezultati), edtWk_, "mm");

    lblAa1_ = new QLabel(this);
    lblAa1_->setObjectName(QStringLiteral("lblAa1"));
    lblAa2_ = new QLabel(this);
    lblAa2_->setObjectName(QStringLiteral("lblAa2"));

    auto* btnProracun = NovoDugme(this, "btnProracun", "Proracun");
    auto* SpeedButton2 = NovoDugme(this, "SpeedButton2", "Dodatni Podaci");
    btnDetalji_ = NovoDugme(this, "btnDetalji", "Detalji");
    btnArmatura_ = NovoDugme(this, "btnArmatura", "Armatura");
    btnArmatura_->setEnabled(static_cast<bool>(armatura_));

    const PravilaUnosa pravila{.naEnter = [this] { Proracunaj(); }, .minus = true};
    for (QLineEdit* polje : {edtMexp_, edtNexp_, edtZastitniSloj_})
        PostaviFilter(polje, pravila);
    PostaviFilter(cboVilica_, pravila);

    auto* gore = new QHBoxLayout;
    gore->addWidget(ulaz);
    gore->addWidget(rezultati);
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

    connect(btnProracun, &QPushButton::clicked, this, &TfrmPrsline::Proracunaj);
    connect(SpeedButton2, &QPushButton::clicked, this, &TfrmPrsline::DodatniPodaciBetona);
    connect(btnDetalji_, &QPushButton::clicked, this, &TfrmPrsline::Detalji);
    connect(btnArmatura_, &QPushButton::clicked, this, &TfrmPrsline::Armatura);
}

int TfrmPrsline::Prikazi(TPresjek& presjek) {
    Postavi(presjek);
    // the reference is cleared on every way out
    const std::unique_ptr<TfrmPrsline, void (*)(TfrmPrsline*)> zaboravi(
        this, [](TfrmPrsline* f) { f->Zaboravi(); });
    Aktiviraj();
    return exec();
}

void TfrmPrsline::Aktiviraj() {
    if (presjek_ == nullptr)
        return;
    const TPresjek& p = *presjek_;
    edtMexp_->setText(Broj(p.Mexp, 12, 2));
    edtNexp_->setText(Broj(p.Nexp, 12, 2));
    cboVilica_->setEditText(Broj(p.Vilica, 5, 0));
    lblAm_->setText(p.Propis == TPropis::EC2 ? QStringLiteral("Srm = ") : QStringLiteral("am = "));
    edtAm_->clear();
    edtWm_->clear();
    edtWk_->clear();
    dodatni_.reset();
    btnDetalji_->setEnabled(false);
    OsvjeziArmaturu();
}

void TfrmPrsline::done(int rezultat) {
    dodatni_.reset();
    QDialog::done(rezultat);
}

bool TfrmPrsline::Proracunaj() {
    if (presjek_ == nullptr)
        return false;
    TPresjek& p = *presjek_;
    // each field that reads is taken over at once; the first that does not stops here
    const auto Mexp = ProcitajBroj(edtMexp_->text());
    if (Mexp)
        p.Mexp = *Mexp;
    const auto Nexp = Mexp ? ProcitajBroj(edtNexp_->text()) : std::nullopt;
    if (Nexp)
        p.Nexp = *Nexp;
    const auto a = Nexp ? ProcitajBroj(edtZastitniSloj_->text()) : std::nullopt;
    const auto Vilica = a ? ProcitajBroj(cboVilica_->currentText()) : std::nullopt;
    if (!Vilica) {
        poruke_.Prikazi("Upisite Brojeve !", VrstaPoruke::Upozorenje, dgOK);
        return false;
    }
    p.Vilica = *Vilica;
    if (const auto greska = ProvjeraServisa(p)) {
        poruke_.Prikazi(*greska, VrstaPoruke::Upozorenje, dgOK);
        return false;
    }
    // The record of this calculation replaces the previous one only when it succeeds, so
    // that "Detalji" always lists the results on screen.
    TDodatniPodaci novi{};
    try {
        ProracunPrslina(p, projekat_.okruzenje(poruke_), &novi, *a);
    } catch (const std::exception& g) { // GreskaProracuna or another run-time error
        poruke_.Prikazi(g.what(), VrstaPoruke::Greska, dgOK);
        return false;
    }
    dodatni_ = novi;
    edtAm_->setText(Broj(p.am, 8, 2));
    edtWm_->setText(Broj(p.Wm, 8, 3));
    edtWk_->setText(Broj(p.Wk, 8, 3));
    btnDetalji_->setEnabled(true);
    p.Status |= sfPrsline;
    return true;
}

void TfrmPrsline::DodatniPodaciBetona() {
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

void TfrmPrsline::Detalji() {
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
        DetaljiPrslina(*dodatni_, presjek_->Propis, Eb, DecimalniSeparator().toLatin1()), this);
    dijalog.exec();
}

void TfrmPrsline::Armatura() {
    if (presjek_ == nullptr || !armatura_)
        return;
    armatura_(*presjek_);
    OsvjeziArmaturu();
}

void TfrmPrsline::OsvjeziArmaturu() {
    lblAa1_->setText(OznakaArmature(*presjek_, true));
    lblAa2_->setText(OznakaArmature(*presjek_, false));
}

} // namespace nmk::ui
