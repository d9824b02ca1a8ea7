#include "ui/prenos.h"

#include "engine/cvrstoce.h"
#include "engine/materijali.h"
#include "engine/propisi.h"
#include "ui/brojevi.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace nmk::ui {

// ---- list positions ----

int BetonIzPozicije(TPropis propis, int pozicija) {
    return Opis(propis).betoni.IzPozicije(pozicija);
}

int PozicijaBetona(TPropis propis, int beton) {
    return Opis(propis).betoni.Pozicija(beton);
}

int CelikIzPozicije(TPropis propis, int pozicija) {
    return Opis(propis).celici.IzPozicije(pozicija);
}

int PozicijaCelika(TPropis propis, int celik) {
    return Opis(propis).celici.Pozicija(celik);
}

std::vector<int> IndeksiBetona(TPropis propis, int brojBetona) {
    std::vector<int> indeksi;
    for (int i = 0; BetonIzPozicije(propis, i) < brojBetona; ++i)
        indeksi.push_back(BetonIzPozicije(propis, i));
    return indeksi;
}

std::vector<int> IndeksiCelika(TPropis propis, int brojCelika) {
    std::vector<int> indeksi;
    for (int i = 0; CelikIzPozicije(propis, i) < brojCelika; ++i)
        indeksi.push_back(CelikIzPozicije(propis, i));
    return indeksi;
}

int KorakDimenzija(int visinaPanela) {
    return (visinaPanela - 100) / 6 + 3;
}

namespace {

double Procitano(const QLineEdit* polje) {
    return ProcitajIliNula(polje->text());
}

void Upisi(QLineEdit* polje, double x, int preciznost) {
    polje->setText(Broj(x, preciznost, Decimala));
}

// A field either white and editable, or grey (the colour of button faces) and read-only.
void Uredjivo(QLineEdit* polje, bool uredjivo) {
    polje->setReadOnly(!uredjivo);
    QPalette paleta = polje->palette();
    paleta.setColor(QPalette::Base,
                    uredjivo ? QColor(Qt::white) : polje->palette().color(QPalette::Button));
    polje->setPalette(paleta);
}

// The sketch beside the dimension fields: the section with the names of its dimensions.
QPixmap SlikaPresjeka(TOblik oblik) {
    QPixmap slika(70, 200);
    slika.fill(Qt::transparent);
    QPainter p(&slika);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPixelSize(10);
    p.setFont(font);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(220, 220, 220));
    struct Natpis {
        QRect mjesto;
        const char* tekst;
    };
    std::vector<Natpis> natpisi;
    std::array<int, 2> sipke{};
    if (oblik == TOblik::T) {
        p.drawPolygon(QPolygon({QPoint(4, 30), QPoint(64, 30), QPoint(64, 52), QPoint(44, 52),
                                QPoint(44, 170), QPoint(24, 170), QPoint(24, 52), QPoint(4, 52)}));
        natpisi = {{{4, 14, 60, 14}, "b"},   {{24, 172, 20, 14}, "b0"}, {{46, 34, 22, 14}, "h0"},
                   {{46, 100, 22, 14}, "h"}, {{0, 54, 22, 14}, "d1"},   {{46, 150, 22, 14}, "d2"}};
        sipke = {28, 40};
    } else {
        p.drawRect(10, 30, 40, 140);
        natpisi = {{{10, 14, 40, 14}, "b"},
                   {{0, 92, 10, 14}, "h"},
                   {{50, 36, 20, 14}, "d1"},
                   {{50, 150, 20, 14}, "d2"}};
        sipke = {14, 46};
    }
    for (const Natpis& n : natpisi)
        p.drawText(n.mjesto, Qt::AlignCenter, n.tekst);
    // the two layers of bars
    p.setBrush(Qt::black);
    for (int x : sipke) {
        p.drawEllipse(QPoint(x, 40), 2, 2);
        p.drawEllipse(QPoint(x, 160), 2, 2);
    }
    return slika;
}

// Puts a dimension field (with its caption) at a top inside its panel.
void Smjesti(const KontroleGlavnog& k, QLineEdit* polje, int vrh) {
    polje->move(polje->x(), vrh);
    if (k.oznaka)
        if (QLabel* l = k.oznaka(polje))
            l->move(l->x(), vrh + 3);
}

void Prikazi(const KontroleGlavnog& k, QLineEdit* polje, bool vidljivo) {
    polje->setVisible(vidljivo);
    if (k.oznaka)
        if (QLabel* l = k.oznaka(polje))
            l->setVisible(vidljivo);
}

} // namespace

// ---- checked buttons ----

// The window's button of each described code: entry i for code value i.
static std::array<QRadioButton*, BrojPropisa> DugmadPropisa(const KontroleGlavnog& k) {
    return {k.rdbPBAB, k.rdbEC};
}

TPropis Prenos::CekiraniPropis() const {
    const auto dugmad = DugmadPropisa(k_);
    for (const OpisPropisa& o : Propisi())
        if (dugmad[static_cast<std::size_t>(o.propis)]->isChecked())
            return o.propis;
    return PocetniPropis;
}

TOblik Prenos::CekiraniOblik() const {
    return k_.rdbTPresjek->isChecked() ? TOblik::T : TOblik::Pravougaoni;
}

TProracun Prenos::CekiraniRezim() const {
    if (k_.rdbGranicniMomenat->isChecked())
        return TProracun::GranicniMomenat;
    if (k_.rdbGranicnePresjecneSile->isChecked())
        return TProracun::GranicneSile;
    return TProracun::Dimenzioniranje;
}

// ---- read ----

void Prenos::Procitaj(TPresjek& p) const {
    p.b = Procitano(k_.ledtB);
    p.b0 = Procitano(k_.ledtB0);
    p.h0 = Procitano(k_.ledth0);
    p.h = Procitano(k_.ledth);
    p.d1 = Procitano(k_.ledtD1);
    p.d2 = Procitano(k_.ledtD2);
    p.Mu = Procitano(k_.edtMu);
    p.Nu = Procitano(k_.edtNu);
    p.Qu = Procitano(k_.edtQu);
    p.alfa = Procitano(k_.edtalfa);
    p.beta = Procitano(k_.edtbeta);
    ProcitajMaterijale(p);
    p.Oblik = CekiraniOblik();
    p.Proracun = CekiraniRezim();
    if (k_.chkSimetricno->isChecked())
        p.Status |= sfSimetricno;
    if (p.Oblik == TOblik::Pravougaoni) {
        // the hidden flange fields do not count for a rectangle
        p.h0 = p.h;
        p.b0 = p.b;
    } else {
        p.Status &= static_cast<std::uint16_t>(~sfBit6);
    }
    ProcitajRezim(p);
}

// A partial-factor list without a selection (a written section whose factor is not offered)
// reads as the code's first factor until the user picks an item.
static double KoeficijentIzListe(const QComboBox* lista, double prvi) {
    if (lista->currentIndex() < 0)
        return prvi;
    return ProcitajBroj(lista->currentText()).value_or(prvi);
}

void Prenos::ProcitajMaterijale(TPresjek& p) const {
    p.Propis = CekiraniPropis();
    const OpisPropisa& propis = Opis(p.Propis);
    p.Beton = propis.betoni.IzPozicije(k_.cboBeton->currentIndex());
    p.Celik = propis.celici.IzPozicije(k_.cboArmatura->currentIndex());
    if (propis.ImaKoeficijente()) {
        p.gamaC = KoeficijentIzListe(k_.cboGamaC, propis.koeficijentiBetona[0]);
        p.gamaS = KoeficijentIzListe(k_.cboGamaS, propis.koeficijentiCelika[0]);
    }
    if (propis.izborMetodeSmicanja && k_.rdbStandard->isChecked())
        p.Status |= sfStandardna;
    if (k_.cboBeton->currentIndex() < 0 || k_.cboArmatura->currentIndex() < 0 ||
        !pr_.katalozi.ImaBeton(p.Beton) || !pr_.katalozi.ImaCelik(p.Celik)) {
        // no grade chosen: no strengths (the calculation then has nothing to work with)
        p.fB = p.sigv = p.epsv = 0;
        return;
    }
    PostaviProracunskeCvrstoce(p, pr_.katalozi, pr_.sistem.Alfa, p.gamaC, p.gamaS);
}

void Prenos::ProcitajRezim(TPresjek& p) const {
    if (p.Proracun == TProracun::Dimenzioniranje)
        return;
    p.Aa1 = Procitano(k_.edtAa1);
    p.Aa2 = Procitano(k_.edtAa2);
    if (p.Proracun == TProracun::GranicniMomenat) {
        p.Nu = Procitano(k_.edtNugr);
        return;
    }
    p.epsb = Procitano(k_.edtEpsb);
    if (k_.chkPetoPodrucje->isChecked()) {
        p.Status |= sfPetoPodrucje;
        p.epsa = DonjaDilatacija5(p.epsb);
    } else {
        p.epsa = Procitano(k_.edtEpsa);
    }
}

// ---- write ----

bool Prenos::Zapisi(const TPresjek& p) {
    if (!p.ima(sfIzracunat))
        return false;
    {
        const QSignalBlocker b1(k_.rdbPravougaoni);
        const QSignalBlocker b2(k_.rdbTPresjek);
        (p.Oblik == TOblik::T ? k_.rdbTPresjek : k_.rdbPravougaoni)->setChecked(true);
    }
    PostaviOblik(p.Oblik == TOblik::T ? TOblik::T : TOblik::Pravougaoni);
    ZapisiMaterijale(p);
    switch (p.Proracun) {
    case TProracun::GranicniMomenat:
        k_.rdbGranicniMomenat->setChecked(true);
        break;
    case TProracun::GranicneSile:
        k_.rdbGranicnePresjecneSile->setChecked(true);
        break;
    default:
        k_.rdbDimenzioniranje->setChecked(true);
    }
    PostaviRezim(p.Proracun);
    {
        const QSignalBlocker b(k_.chkSimetricno);
        k_.chkSimetricno->setChecked(p.ima(sfSimetricno));
    }
    Upisi(k_.ledtB, p.b, PreciznostUlaza);
    Upisi(k_.ledtB0, p.b0, PreciznostUlaza);
    Upisi(k_.ledth0, p.h0, PreciznostUlaza);
    Upisi(k_.ledth, p.h, PreciznostUlaza);
    Upisi(k_.ledtD1, p.d1, PreciznostUlaza);
    Upisi(k_.ledtD2, p.d2, PreciznostUlaza);
    Upisi(k_.edtMu, p.Mu, PreciznostUlaza);
    Upisi(k_.edtNu, p.Nu, PreciznostUlaza);
    Upisi(k_.edtQu, p.Qu, PreciznostUlaza);
    Upisi(k_.edtalfa, p.alfa, PreciznostUlaza);
    Upisi(k_.edtbeta, p.beta, PreciznostUlaza);
    if (p.Proracun != TProracun::Dimenzioniranje)
        ZapisiRezultate(p);
    return true;
}

static void Izaberi(QComboBox* lista, int pozicija) {
    lista->setCurrentIndex(pozicija >= 0 && pozicija < lista->count() ? pozicija : -1);
}

void Prenos::ZapisiMaterijale(const TPresjek& p) {
    const OpisPropisa& propis = Opis(p.Propis);
    QRadioButton* dugme = DugmadPropisa(k_)[static_cast<std::size_t>(p.Propis)];
    if (!dugme->isChecked()) {
        dugme->setChecked(true);
        PostaviPropis(p.Propis);
    }
    if (propis.izborMetodeSmicanja) {
        (p.ima(sfStandardna) ? k_.rdbStandard : k_.rdbVarStrutAngle)->setChecked(true);
        PraviloMetode();
    }
    Izaberi(k_.cboBeton, propis.betoni.Pozicija(p.Beton));
    Izaberi(k_.cboArmatura, propis.celici.Pozicija(p.Celik));
    if (propis.ImaKoeficijente()) {
        k_.cboGamaC->setCurrentIndex(
            k_.cboGamaC->findText(Broj(p.gamaC, PreciznostKoeficijenta, Decimala)));
        k_.cboGamaS->setCurrentIndex(
            k_.cboGamaS->findText(Broj(p.gamaS, PreciznostKoeficijenta, Decimala)));
    }
}

void Prenos::ZapisiRezultate(const TPresjek& p) {
    Upisi(k_.edtMugr, p.Mu, PreciznostRezultata);
    Upisi(k_.edtNugr, p.Nu, PreciznostRezultata);
    Upisi(k_.edtEpsb, p.epsb, PreciznostRezultata);
    Upisi(k_.edtEpsa, p.epsa, PreciznostRezultata);
    Upisi(k_.edtAa1, p.Aa1, PreciznostRezultata);
    Upisi(k_.edtAa2, p.Aa2, PreciznostRezultata);
    const bool peto = p.ima(sfPetoPodrucje);
    if (k_.chkPetoPodrucje->isChecked() != peto) {
        k_.chkPetoPodrucje->setChecked(peto);
        PostaviPetoPodrucje();
    }
}

// ---- shape, code, mode ----

void Prenos::PostaviOblik(TOblik oblik) {
    const bool t = oblik == TOblik::T;
    prikazaniOblik_ = oblik;
    k_.imgPresjek->setPixmap(SlikaPresjeka(oblik));
    k_.btnProracunSirinePloceTPresjeka->setVisible(t);
    Prikazi(k_, k_.ledth0, t);
    Prikazi(k_, k_.ledtB0, t);
    k_.edtQu->setEnabled(true);
    const int korak = KorakDimenzija(k_.pnlDimenzije->height());
    std::vector<QLineEdit*> redom;
    int vrh = 0;
    if (t) {
        k_.ledtB->setText("60");
        k_.ledtB0->setText("20");
        k_.ledth0->setText("15");
        k_.ledth->setText("40");
        vrh = 50;
        k_.btnProracunSirinePloceTPresjeka->move(k_.btnProracunSirinePloceTPresjeka->x(), vrh);
        redom = {k_.ledtB, k_.ledtB0, k_.ledth, k_.ledth0, k_.ledtD1, k_.ledtD2};
    } else {
        k_.ledtB->setText("40");
        k_.ledth->setText("60");
        vrh = 70;
        redom = {k_.ledtB, k_.ledth, k_.ledtD1, k_.ledtD2};
    }
    for (QLineEdit* polje : redom) {
        Smjesti(k_, polje, vrh);
        vrh += korak;
    }
    for (QAbstractButton* d : {k_.spbObicno, k_.spbUUglovima, k_.spbRavnomjerno})
        d->setEnabled(!t);
    if (!t)
        k_.spbObicno->setChecked(true);
    k_.btnPrsline->setEnabled(true);
}

void Prenos::PopuniListu(QComboBox* lista, const std::vector<QString>& stavke) {
    const QSignalBlocker b(lista);
    lista->clear();
    for (const QString& s : stavke)
        lista->addItem(s);
    lista->setCurrentIndex(stavke.empty() ? -1 : 0);
}

void Prenos::PostaviPropis(TPropis kod) {
    const OpisPropisa& propis = Opis(kod);
    const bool koeficijenti = propis.ImaKoeficijente();
    prikazaniPropis_ = kod;
    k_.cboGamaC->setEnabled(koeficijenti);
    k_.cboGamaS->setEnabled(koeficijenti);
    if (koeficijenti) {
        std::vector<QString> gc, gs;
        for (double g : propis.koeficijentiBetona)
            gc.push_back(Broj(g, PreciznostKoeficijenta, Decimala));
        for (double g : propis.koeficijentiCelika)
            gs.push_back(Broj(g, PreciznostKoeficijenta, Decimala));
        PopuniListu(k_.cboGamaC, gc);
        PopuniListu(k_.cboGamaS, gs);
    }
    k_.lblMu->setText(propis.oznakaMu);
    k_.lblNu->setText(propis.oznakaNu);
    k_.lblQu->setText(propis.oznakaQu);
    for (QLabel* l : {k_.lblMu, k_.lblNu, k_.lblQu})
        l->adjustSize();
    const bool metoda = propis.izborMetodeSmicanja;
    k_.rdbStandard->setEnabled(metoda);
    k_.rdbVarStrutAngle->setEnabled(metoda);
    if (metoda)
        PraviloMetode();
    else
        k_.edtbeta->setEnabled(true);
    NapuniMaterijale(kod);
}

void Prenos::NapuniMaterijale(TPropis propis) {
    std::vector<QString> betoni, celici;
    for (int i : IndeksiBetona(propis, pr_.katalozi.BrojBetona()))
        betoni.push_back(QString::fromStdString(pr_.katalozi.beton[i].naziv));
    for (int i : IndeksiCelika(propis, pr_.katalozi.BrojCelika()))
        celici.push_back(QString::fromStdString(pr_.katalozi.celik[i].naziv));
    PopuniListu(k_.cboBeton, betoni);
    PopuniListu(k_.cboArmatura, celici);
}

std::optional<int> Prenos::IzabraniBeton() const {
    const int i = k_.cboBeton->currentIndex();
    return i < 0 ? std::nullopt : std::optional(BetonIzPozicije(CekiraniPropis(), i));
}

std::optional<int> Prenos::IzabraniCelik() const {
    const int i = k_.cboArmatura->currentIndex();
    return i < 0 ? std::nullopt : std::optional(CelikIzPozicije(CekiraniPropis(), i));
}

void Prenos::ObnoviMaterijale(std::optional<int> beton, std::optional<int> celik) {
    const TPropis propis = CekiraniPropis();
    NapuniMaterijale(propis);
    // PopuniListu has chosen the first item; a grade with its place in the list replaces it.
    const auto izaberi = [](QComboBox* lista, std::optional<int> pozicija) {
        if (pozicija && *pozicija >= 0 && *pozicija < lista->count())
            lista->setCurrentIndex(*pozicija);
    };
    izaberi(k_.cboBeton, beton ? std::optional(PozicijaBetona(propis, *beton)) : std::nullopt);
    izaberi(k_.cboArmatura, celik ? std::optional(PozicijaCelika(propis, *celik)) : std::nullopt);
}

void Prenos::PostaviRezim(TProracun rezim) {
    const bool dim = rezim == TProracun::Dimenzioniranje;
    const bool sile = rezim == TProracun::GranicneSile;
    k_.pnlGranicneSile->setVisible(dim);
    k_.pnlArmaturaIDilatacije->setVisible(!dim);
    k_.chkSimetricno->setEnabled(dim);
    for (QAbstractButton* d : {k_.spbObicno, k_.spbUUglovima, k_.spbRavnomjerno})
        d->setEnabled(dim);
    if (dim)
        return;
    Uredjivo(k_.edtEpsb, sile);
    Uredjivo(k_.edtEpsa, sile);
    Uredjivo(k_.edtNugr, !sile);
    k_.chkPetoPodrucje->setEnabled(sile);
}

void Prenos::PraviloMetode() {
    const bool promjenjivi = k_.rdbVarStrutAngle->isChecked();
    k_.edtbeta->setEnabled(promjenjivi);
    if (k_.rdbStandard->isChecked())
        k_.edtbeta->setText("45");
}

void Prenos::PostaviPetoPodrucje() {
    const bool peto = k_.chkPetoPodrucje->isChecked();
    k_.lbleps1->setText(peto ? "eps_c1= " : "eps_c= ");
    k_.lbleps2->setText(peto ? "eps_c2= " : "eps_s= ");
    k_.lbleps1->adjustSize();
    k_.lbleps2->adjustSize();
    k_.edtEpsa->setEnabled(!peto);
}

void Prenos::ObnoviEpsa() {
    if (!k_.chkPetoPodrucje->isChecked())
        return;
    const double epsb = ProcitajBroj(k_.edtEpsb->text()).value_or(3.5);
    k_.edtEpsa->setText(Broj(DonjaDilatacija5(epsb), 12, Decimala));
}

// ---- key filters ----

void Prenos::PostaviFiltere(const std::function<void()>& proracun) {
    PravilaUnosa dimenzije;
    dimenzije.naEnter = proracun;
    dimenzije.separatorJednom = true;
    dimenzije.prazniOznaceno = true;
    for (QLineEdit* polje : {k_.ledtB, k_.ledtB0, k_.ledth, k_.ledth0, k_.ledtD1, k_.ledtD2})
        PostaviFilter(polje, dimenzije);
    // only moments and normal forces may be negative
    PravilaUnosa pozitivno = dimenzije;
    for (QLineEdit* polje :
         {k_.edtQu, k_.edtalfa, k_.edtbeta, k_.edtAa1, k_.edtAa2, k_.edtEpsb, k_.edtEpsa})
        PostaviFilter(polje, pozitivno);
    PravilaUnosa predznak = dimenzije;
    predznak.minus = true;
    predznak.minusSamoNaPocetku = true;
    for (QLineEdit* polje : {k_.edtMu, k_.edtNu, k_.edtNugr})
        PostaviFilter(polje, predznak);
}

} // namespace nmk::ui
