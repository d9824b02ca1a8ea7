#include "ui/armatura_dijalog.h"

#include "ui/brojevi.h"

#include <QDesktopServices>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>

namespace nmk::ui {

namespace {

const QColor BojaZelena(0, 128, 0);
const QColor BojaCrvena(255, 0, 0);

void PostaviBoju(QWidget* w, QPalette::ColorRole uloga, const QColor& boja) {
    QPalette pal = w->palette();
    pal.setColor(uloga, boja);
    w->setPalette(pal);
}

// A header that shows pressed when a button of its row or column is; the mouse cannot
// change it.
QToolButton* NapraviZaglavlje(const QString& ime, const QString& tekst, QWidget* roditelj) {
    auto* z = new QToolButton(roditelj);
    z->setObjectName(ime);
    z->setText(tekst);
    z->setCheckable(true);
    z->setFocusPolicy(Qt::NoFocus);
    z->setAttribute(Qt::WA_TransparentForMouseEvents);
    z->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return z;
}

std::filesystem::path OcekivanaPutanjaRodplana(const std::filesystem::path& folder) {
#ifdef Q_OS_WIN
    return folder / "Alati" / "Rodplan.exe";
#else
    return folder / "Alati" / "Rodplan";
#endif
}

} // namespace

bool PokreniNaPlatformi(const QString& putanja) {
    if (QProcess::startDetached(putanja, {}))
        return true;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(putanja));
}

std::filesystem::path PutanjaRodplana(const std::filesystem::path& programskiFolder) {
    std::error_code greska;
    for (const char* ime : {"Rodplan.exe", "Rodplan"}) {
        const auto putanja = programskiFolder / "Alati" / ime;
        if (std::filesystem::is_regular_file(putanja, greska))
            return putanja;
    }
    return {};
}

bool PokreniRodplan(const std::filesystem::path& programskiFolder, Poruke& poruke,
                    const Pokretac& pokreni) {
    const auto putanja = PutanjaRodplana(programskiFolder);
    if (putanja.empty()) {
        auto ocekivana = OcekivanaPutanjaRodplana(programskiFolder);
        poruke.Prikazi(ocekivana.make_preferred().string() + "\nNe postoji!", VrstaPoruke::Greska,
                       dgOK);
        return false;
    }
    return pokreni(QString::fromStdString(putanja.string()));
}

TfrmArmatura::TfrmArmatura(const Katalozi& katalozi, Poruke& poruke,
                           std::filesystem::path programskiFolder, QWidget* roditelj)
    : QDialog(roditelj), katalozi_(katalozi), poruke_(poruke),
      folder_(std::move(programskiFolder)) {
    setObjectName(QStringLiteral("frmArmatura"));
    setWindowTitle(QStringLiteral("Armatura"));
    NapraviKontrole();
}

void TfrmArmatura::NapraviKontrole() {
    auto* glavni = new QVBoxLayout(this);
    glavni->addWidget(NapraviSlojeve());
    glavni->addWidget(NapraviMrezu(), 1);

    auto* dugmad = new QHBoxLayout;
    auto* spbObrisi = new QPushButton(QStringLiteral("Izbrisi"), this);
    spbObrisi->setObjectName(QStringLiteral("spbObrisi"));
    auto* spbRodplan = new QPushButton(QStringLiteral("Rodplan"), this);
    spbRodplan->setObjectName(QStringLiteral("spbRodplan"));
    auto* btnOK = new QPushButton(QStringLiteral("Usvoji armaturu"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    auto* btnOtkazi = new QPushButton(QStringLiteral("Otkazi"), this);
    btnOtkazi->setObjectName(QStringLiteral("btnOtkazi"));
    for (QPushButton* b : {spbObrisi, spbRodplan, btnOK, btnOtkazi})
        b->setAutoDefault(false);
    dugmad->addWidget(spbObrisi);
    dugmad->addWidget(spbRodplan);
    dugmad->addStretch(1);
    dugmad->addWidget(btnOK);
    dugmad->addWidget(btnOtkazi);
    glavni->addLayout(dugmad);

    connect(spbObrisi, &QPushButton::clicked, this, &TfrmArmatura::Izbrisi);
    connect(spbRodplan, &QPushButton::clicked, this, &TfrmArmatura::Rodplan);
    connect(btnOK, &QPushButton::clicked, this, &TfrmArmatura::Usvoji);
    connect(btnOtkazi, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TfrmArmatura::NapraviSlojeve() {
    auto* okvir = new QGroupBox(this);
    auto* mreza = new QGridLayout(okvir);

    rdbDonja_ = new QRadioButton(QStringLiteral("Donja"), okvir);
    rdbDonja_->setObjectName(QStringLiteral("rdbDonja"));
    rdbDonja_->setChecked(true);
    rdbGornja_ = new QRadioButton(QStringLiteral("Gornja"), okvir);
    rdbGornja_->setObjectName(QStringLiteral("rdbGornja"));

    const PravilaUnosa pravila{.naEnter = [] {}};
    edtPotAa1_ = new QLineEdit(okvir);
    edtPotAa1_->setObjectName(QStringLiteral("edtPotAa1"));
    PostaviFilter(edtPotAa1_, pravila);
    edtPotAa2_ = new QLineEdit(okvir);
    edtPotAa2_->setObjectName(QStringLiteral("edtPotAa2"));
    PostaviFilter(edtPotAa2_, pravila);

    auto napraviOznaku = [okvir](const char* ime) {
        auto* l = new QLabel(okvir);
        l->setObjectName(QString::fromLatin1(ime));
        return l;
    };
    lblVMGore_ = napraviOznaku("lblVMGore");
    lblVMDolje_ = napraviOznaku("lblVMDolje");
    lblOdabranoGore_ = napraviOznaku("lblOdabranoGore");
    lblOdabranoDolje_ = napraviOznaku("lblOdabranoDolje");
    for (QLabel* l : {lblVMGore_, lblVMDolje_}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setMinimumWidth(14);
    }

    mreza->addWidget(rdbGornja_, 0, 0);
    mreza->addWidget(new QLabel(QStringLiteral("pot Aa1="), okvir), 0, 1);
    mreza->addWidget(edtPotAa1_, 0, 2);
    mreza->addWidget(lblVMGore_, 0, 3);
    mreza->addWidget(lblOdabranoGore_, 0, 4);
    mreza->addWidget(rdbDonja_, 1, 0);
    mreza->addWidget(new QLabel(QStringLiteral("pot Aa2="), okvir), 1, 1);
    mreza->addWidget(edtPotAa2_, 1, 2);
    mreza->addWidget(lblVMDolje_, 1, 3);
    mreza->addWidget(lblOdabranoDolje_, 1, 4);
    mreza->setColumnStretch(4, 1);
    edtPotAa1_->setMaximumWidth(90);
    edtPotAa2_->setMaximumWidth(90);

    connect(rdbDonja_, &QRadioButton::toggled, this, [this](bool ukljucen) {
        if (ukljucen)
            PromijeniSloj();
    });
    connect(rdbGornja_, &QRadioButton::toggled, this, [this](bool ukljucen) {
        if (ukljucen)
            PromijeniSloj();
    });
    // A required area typed anew is compared and coloured at once.
    connect(edtPotAa1_, &QLineEdit::textEdited, this, [this] {
        OsvjeziSloj(Sloj::Gornja);
        Oboji();
    });
    connect(edtPotAa2_, &QLineEdit::textEdited, this, [this] {
        OsvjeziSloj(Sloj::Donja);
        Oboji();
    });
    return okvir;
}

QWidget* TfrmArmatura::NapraviMrezu() {
    auto* okvir = new QWidget(this);
    auto* mreza = new QGridLayout(okvir);
    mreza->setSpacing(1);

    auto* pnlKomada = new QFrame(okvir);
    pnlKomada->setObjectName(QStringLiteral("pnlKomada"));
    auto* komada = new QHBoxLayout(pnlKomada);
    komada->setContentsMargins(0, 0, 0, 0);
    komada->setSpacing(1);
    for (int k = 0; k < ModelArmature::Kolona; ++k) {
        kolone_[k] = NapraviZaglavlje(QStringLiteral("lblKomada%1").arg(k + 1),
                                      QString::number(k + 1), pnlKomada);
        komada->addWidget(kolone_[k]);
    }

    auto* pnlFi = new QFrame(okvir);
    pnlFi->setObjectName(QStringLiteral("pnlFi"));
    auto* fi = new QVBoxLayout(pnlFi);
    fi->setContentsMargins(0, 0, 0, 0);
    fi->setSpacing(1);
    for (int r = 0; r < ModelArmature::Redova; ++r) {
        redovi_[r] = NapraviZaglavlje(QStringLiteral("lblFi%1").arg(r + 1), QString(), pnlFi);
        fi->addWidget(redovi_[r]);
    }

    auto* celije = new QGridLayout;
    celije->setSpacing(1);
    for (int r = 0; r < ModelArmature::Redova; ++r) {
        for (int k = 0; k < ModelArmature::Kolona; ++k) {
            auto* c = new QToolButton(okvir);
            c->setObjectName(QStringLiteral("spbSipke_%1_%2").arg(r).arg(k));
            c->setCheckable(true);
            c->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            c->setMinimumWidth(48);
            connect(c, &QToolButton::clicked, this, [this, r, k] { PreklopiCeliju(r, k); });
            celije->addWidget(c, r, k);
            celije_[r][k] = c;
        }
    }

    mreza->addWidget(new QLabel(QStringLiteral("fi \\ kom"), okvir), 0, 0);
    mreza->addWidget(pnlKomada, 0, 1);
    mreza->addWidget(pnlFi, 1, 0);
    mreza->addLayout(celije, 1, 1);
    return okvir;
}

void TfrmArmatura::Postavi(TPresjek& presjek) {
    presjek_ = &presjek;
}

int TfrmArmatura::Prikazi(TPresjek& presjek) {
    Postavi(presjek);
    // the reference is cleared on every way out
    const std::unique_ptr<TfrmArmatura, void (*)(TfrmArmatura*)> zaboravi(
        this, [](TfrmArmatura* d) { d->Zaboravi(); });
    Aktiviraj();
    return exec();
}

// The opening steps; they run once per showing (not on every return of the focus, which
// would throw away the bars chosen so far after a message box).
void TfrmArmatura::Aktiviraj() {
    if (presjek_ == nullptr)
        return;
    const TPresjek& p = *presjek_;
    const QString celik =
        katalozi_.ImaCelik(p.Celik) ? QString::fromStdString(katalozi_.celik[p.Celik].naziv) : "";
    setWindowTitle(QStringLiteral("Armatura ") + celik + QStringLiteral("  [cm2]"));

    model_.Otvori(p);
    edtPotAa1_->setText(Broj(p.Aa1, 15, 2));
    edtPotAa2_->setText(Broj(p.Aa2, 15, 2));
    {
        const QSignalBlocker blokada(rdbDonja_);
        const QSignalBlocker blokada2(rdbGornja_);
        rdbDonja_->setChecked(true);
    }
    ObojiPolja();
    OsvjeziSloj(Sloj::Gornja);
    OsvjeziSloj(Sloj::Donja);

    const char sep = DecimalniSeparator().toLatin1();
    for (int r = 0; r < ModelArmature::Redova; ++r) {
        redovi_[r]->setText(QString::number(model_.Precnik(r)));
        for (int k = 0; k < ModelArmature::Kolona; ++k)
            celije_[r][k]->setText(QString::fromStdString(model_.NatpisCelije(r, k, sep)));
    }
    OsvjeziDugmad();
    Oboji();
}

void TfrmArmatura::PreklopiCeliju(int red, int kolona) {
    model_.Preklopi(red, kolona);
    OsvjeziDugmad();
    OsvjeziSloj(model_.AktivniSloj());
    Oboji();
}

void TfrmArmatura::PromijeniSloj() {
    model_.IzaberiSloj(rdbDonja_->isChecked() ? Sloj::Donja : Sloj::Gornja);
    ObojiPolja();
    OsvjeziSloj(model_.AktivniSloj());
    OsvjeziDugmad();
    Oboji();
}

void TfrmArmatura::Izbrisi() {
    model_.Obrisi();
    OsvjeziDugmad();
    Oboji();
    OsvjeziSloj(Sloj::Gornja);
    OsvjeziSloj(Sloj::Donja);
}

void TfrmArmatura::Usvoji() {
    if (presjek_ == nullptr)
        return;
    model_.Usvoji(*presjek_);
    accept();
}

void TfrmArmatura::Rodplan() {
    PokreniRodplan(folder_, poruke_, pokretac_);
}

double TfrmArmatura::Potrebno(Sloj s) const {
    return ProcitajIliNula((s == Sloj::Gornja ? edtPotAa1_ : edtPotAa2_)->text());
}

void TfrmArmatura::OsvjeziSloj(Sloj s) {
    const bool gore = s == Sloj::Gornja;
    QLabel* vm = gore ? lblVMGore_ : lblVMDolje_;
    QLabel* odabrano = gore ? lblOdabranoGore_ : lblOdabranoDolje_;
    const bool nedovoljno = model_.Nedovoljno(s, Potrebno(s));
    vm->setText(nedovoljno ? QStringLiteral(">") : QStringLiteral("<"));
    PostaviBoju(vm, QPalette::WindowText, nedovoljno ? BojaCrvena : BojaZelena);
    odabrano->setText(QString::fromStdString(model_.Odabrano(s, DecimalniSeparator().toLatin1())));
    odabrano->setToolTip(QString::fromStdString(model_.Hint(s)));
}

// The buttons and both headers follow the model's pressed state.
void TfrmArmatura::OsvjeziDugmad() {
    for (int r = 0; r < ModelArmature::Redova; ++r)
        for (int k = 0; k < ModelArmature::Kolona; ++k)
            celije_[r][k]->setChecked(model_.Pritisnut(r, k));
    OsvjeziZaglavlja();
}

void TfrmArmatura::OsvjeziZaglavlja() {
    for (int r = 0; r < ModelArmature::Redova; ++r)
        redovi_[r]->setChecked(model_.RedPritisnut(r));
    for (int k = 0; k < ModelArmature::Kolona; ++k)
        kolone_[k]->setChecked(model_.KolonaPritisnuta(k));
}

void TfrmArmatura::Oboji() {
    const double ostatak = model_.Ostatak(Potrebno(model_.AktivniSloj()));
    for (int r = 0; r < ModelArmature::Redova; ++r)
        for (int k = 0; k < ModelArmature::Kolona; ++k)
            PostaviBoju(celije_[r][k], QPalette::ButtonText,
                        model_.Zelena(r, k, ostatak) ? BojaZelena : BojaCrvena);
}

// The edit of the active layer is white, the other one has the colour of button faces.
void TfrmArmatura::ObojiPolja() {
    const bool donja = model_.AktivniSloj() == Sloj::Donja;
    const QColor lice = palette().color(QPalette::Button);
    PostaviBoju(edtPotAa2_, QPalette::Base, donja ? QColor(Qt::white) : lice);
    PostaviBoju(edtPotAa1_, QPalette::Base, donja ? lice : QColor(Qt::white));
}

} // namespace nmk::ui
