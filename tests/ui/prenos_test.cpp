// The transfer between the main window and a section: list positions, read, write, the
// shape, code and mode layouts, and the key filters of the numeric fields.

#include "common/pomocnici.h"
#include "data/katalog_fajl.h"
#include "data/postavke.h"
#include "data/sistem.h"
#include "ui/glavni_prozor.h"
#include "ui/prenos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace nmk;
using namespace nmk::ui;

namespace {

// A program folder of its own with the shipped catalogues, and the window over it.
struct Okolina {
    QTemporaryDir folder;
    Projekat pr;
    PostavkeUMemoriji postavke;
    test::SnimajucePoruke poruke;
    std::unique_ptr<TMainForm> prozor;

    Okolina() {
        for (const char* ime : {BetonFajl, CelikFajl})
            QFile::copy(QDir(NMK_BIN_DIR).filePath(ime), QDir(folder.path()).filePath(ime));
        KreirajProjekat(pr, folder.path().toStdString());
        prozor = std::make_unique<TMainForm>(pr, postavke, poruke);
        prozor->UcitajPostavke();
    }
    KontroleGlavnog& k() { return prozor->Kontrole(); }
    Prenos& prenos() { return prozor->Transfer(); }
    // A user concrete at catalogue index 19, listed under both codes.
    void DodajKorisnickiBeton() {
        pr.katalozi.beton.push_back(TBeton{"MB99", 60, 30, 0.5, 0});
        prenos().PostaviPropis(prenos().CekiraniPropis());
    }
};

TPresjek Izracunat(TPropis propis, TOblik oblik, TProracun rezim) {
    TPresjek p;
    p.Propis = propis;
    p.Oblik = oblik;
    p.Proracun = rezim;
    p.Beton = propis == TPropis::EC2 ? 12 : 3;
    p.Celik = propis == TPropis::EC2 ? 3 : 1;
    p.b = oblik == TOblik::T ? 80 : 35;
    p.b0 = oblik == TOblik::T ? 25 : 35;
    p.h = 55;
    p.h0 = oblik == TOblik::T ? 12 : 55;
    p.d1 = 4.5;
    p.d2 = 6;
    p.Mu = 123.25;
    p.Nu = -250.5;
    p.Qu = 80;
    p.alfa = 75;
    p.beta = propis == TPropis::EC2 ? 38 : 45;
    p.gamaC = 1.3;
    p.gamaS = 1.0;
    p.Aa1 = 3.5;
    p.Aa2 = 12.75;
    p.epsb = 3.5;
    p.epsa = 4.25;
    p.Status = sfIzracunat;
    return p;
}

} // namespace

class PrenosTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void PozicijeIIndeksiSuJedanNaJedan();
    void PbabPozicija10JeBeton19INazad();
    void Ec2PrviBetonJeBeton10SaFbIzFck();
    void PravougaoniPresjekUzimaBIHZaB0IH0();
    void PetoPodrucjeRacunaEpsaIzEpsb();
    void ZapisPaCitanjeVracajuPresjek_data();
    void ZapisPaCitanjeVracajuPresjek();
    void ZapisNeizracunatogNeMijenjaNista();
    void ZapisPisePreciznostIDecimale();
    void KoeficijentKojegNemaOstavljaListuBezIzbora();
    void PropisMijenjaOznakeIListe();
    void OblikRasporedjujePoljaKorakom();
    void RezimPrikazujePanele();
    void StandardnaMetodaVracaTheta45();
    void MinusSamoNaPocetkuMomentaISile_data();
    void MinusSamoNaPocetkuMomentaISile();
    void SeparatorPoLokalu_data();
    void SeparatorPoLokalu();
    void OznacenTekstSePraznPrijeTipke();
};

void PrenosTest::PozicijeIIndeksiSuJedanNaJedan() {
    for (TPropis propis : {TPropis::PBAB87, TPropis::EC2}) {
        const std::vector<int> betoni = IndeksiBetona(propis, 25);
        const std::vector<int> celici = IndeksiCelika(propis, 7);
        for (int i = 0; i < static_cast<int>(betoni.size()); ++i) {
            QCOMPARE(BetonIzPozicije(propis, i), betoni[static_cast<std::size_t>(i)]);
            QCOMPARE(PozicijaBetona(propis, betoni[static_cast<std::size_t>(i)]), i);
        }
        for (int j = 0; j < static_cast<int>(celici.size()); ++j)
            QCOMPARE(PozicijaCelika(propis, CelikIzPozicije(propis, j)), j);
        // the user's grades are listed under both codes, each code's own grades under one
        QCOMPARE(betoni.back(), 24);
        QCOMPARE(celici.back(), 6);
    }
    QCOMPARE(IndeksiBetona(TPropis::PBAB87, 19).size(), std::size_t{10});
    QCOMPARE(IndeksiBetona(TPropis::EC2, 19).size(), std::size_t{9});
    QCOMPARE(IndeksiCelika(TPropis::PBAB87, 4), (std::vector<int>{0, 1, 2}));
    QCOMPARE(IndeksiCelika(TPropis::EC2, 4), (std::vector<int>{3}));
}

void PrenosTest::PbabPozicija10JeBeton19INazad() {
    Okolina o;
    o.k().rdbPBAB->setChecked(true);
    o.DodajKorisnickiBeton();
    o.k().cboBeton->setCurrentIndex(10);
    TPresjek p;
    o.prenos().Procitaj(p);
    QCOMPARE(p.Beton, 19);
    QCOMPARE(p.Propis, TPropis::PBAB87);
    QCOMPARE(p.fB, 0.7 * 60); // a concrete outside the PBAB classes: 0.7 fck
    o.k().cboBeton->setCurrentIndex(0);
    p.Status = sfIzracunat;
    QVERIFY(o.prenos().Zapisi(p));
    QCOMPARE(o.k().cboBeton->currentIndex(), 10);
}

void PrenosTest::Ec2PrviBetonJeBeton10SaFbIzFck() {
    Okolina o;
    QVERIFY(o.k().rdbEC->isChecked());
    o.k().cboBeton->setCurrentIndex(0);
    o.k().cboGamaC->setCurrentIndex(0);
    TPresjek p;
    o.prenos().Procitaj(p);
    QCOMPARE(p.Beton, 10);
    QCOMPARE(p.Celik, 3);
    const double fck = o.pr.katalozi.beton[10].fck;
    QVERIFY(std::fabs(p.fB - fck / 1.5 * 0.85) < 1e-5 * fck);
    QVERIFY(std::fabs(p.sigv - o.pr.katalozi.celik[3].fyk / 1.15) < 1e-9 * p.sigv);
    QVERIFY(std::fabs(p.epsv - p.sigv / o.pr.katalozi.celik[3].E * 1000) < 1e-12);
    QVERIFY(p.ima(sfStandardna));
}

void PrenosTest::PravougaoniPresjekUzimaBIHZaB0IH0() {
    Okolina o;
    o.k().ledtB->setText("40");
    o.k().ledtB0->setText("20");
    o.k().ledth->setText("55");
    o.k().ledth0->setText("15");
    TPresjek p;
    p.Status = sfBit6;
    o.prenos().Procitaj(p);
    QCOMPARE(p.b0, 40.0);
    QCOMPARE(p.h0, 55.0);
    QVERIFY(p.ima(sfBit6)); // only a T section clears it
    o.k().rdbTPresjek->setChecked(true);
    o.k().ledtB0->setText("20");
    o.prenos().Procitaj(p);
    QCOMPARE(p.b0, 20.0);
    QVERIFY(!p.ima(sfBit6));
}

void PrenosTest::PetoPodrucjeRacunaEpsaIzEpsb() {
    Okolina o;
    o.k().rdbGranicnePresjecneSile->setChecked(true);
    o.prenos().PostaviRezim(TProracun::GranicneSile);
    o.k().chkPetoPodrucje->setChecked(true);
    o.k().edtEpsa->setText("9");
    for (auto [epsb, epsa] : {std::pair{"2", 2.0}, std::pair{"3.5", 0.0}}) {
        o.k().edtEpsb->setText(epsb);
        TPresjek p;
        o.prenos().Procitaj(p);
        QVERIFY(p.ima(sfPetoPodrucje));
        QVERIFY(std::fabs(p.epsa - epsa) < 1e-12);
    }
    // the live formula of the field: unreadable text counts as 3.5
    o.k().edtEpsb->setText("x");
    o.prenos().ObnoviEpsa();
    QCOMPARE(o.k().edtEpsa->text(), QString("0.00"));
    o.k().edtEpsb->setText("2");
    o.prenos().ObnoviEpsa();
    QCOMPARE(o.k().edtEpsa->text(), QString("2.00"));
}

void PrenosTest::ZapisPaCitanjeVracajuPresjek_data() {
    QTest::addColumn<int>("propis");
    QTest::addColumn<int>("oblik");
    QTest::addColumn<int>("rezim");
    for (int propis : {0, 1})
        for (int oblik : {0, 1})
            for (int rezim : {0, 1, 2})
                QTest::addRow("propis %d oblik %d rezim %d", propis, oblik, rezim)
                    << propis << oblik << rezim;
}

void PrenosTest::ZapisPaCitanjeVracajuPresjek() {
    QFETCH(int, propis);
    QFETCH(int, oblik);
    QFETCH(int, rezim);
    for (QLocale lokal : {QLocale::c(), QLocale(QLocale::German)}) {
        QLocale::setDefault(lokal);
        Okolina o;
        const TPresjek p = Izracunat(static_cast<TPropis>(propis), static_cast<TOblik>(oblik),
                                     static_cast<TProracun>(rezim));
        QVERIFY(o.prenos().Zapisi(p));
        TPresjek q;
        o.prenos().Procitaj(q);
        QCOMPARE(q.Propis, p.Propis);
        QCOMPARE(q.Oblik, p.Oblik);
        QCOMPARE(q.Proracun, p.Proracun);
        QCOMPARE(q.Beton, p.Beton);
        QCOMPARE(q.Celik, p.Celik);
        for (auto [a, b] : {std::pair{q.b, p.b},
                            {q.b0, p.b0},
                            {q.h, p.h},
                            {q.h0, p.h0},
                            {q.d1, p.d1},
                            {q.d2, p.d2},
                            {q.Mu, p.Mu},
                            {q.Nu, p.Nu},
                            {q.Qu, p.Qu},
                            {q.alfa, p.alfa},
                            {q.beta, p.beta}})
            QCOMPARE(a, b);
        if (p.Propis == TPropis::EC2) {
            QCOMPARE(q.gamaC, p.gamaC);
            QCOMPARE(q.gamaS, p.gamaS);
        }
        if (p.Proracun != TProracun::Dimenzioniranje) {
            QCOMPARE(q.Aa1, p.Aa1);
            QCOMPARE(q.Aa2, p.Aa2);
        }
        if (p.Proracun == TProracun::GranicneSile) {
            QCOMPARE(q.epsb, p.epsb);
            QCOMPARE(q.epsa, p.epsa);
        }
    }
}

void PrenosTest::ZapisNeizracunatogNeMijenjaNista() {
    Okolina o;
    QWidget* w = o.prozor.get();
    auto snimak = [w] {
        QStringList s;
        for (auto* e : w->findChildren<QLineEdit*>())
            s << e->objectName() + "=" + e->text() + (e->isEnabled() ? "+" : "-");
        for (auto* b : w->findChildren<QAbstractButton*>())
            s << b->objectName() + (b->isChecked() ? "1" : "0") + (b->isVisible() ? "v" : "");
        for (auto* c : w->findChildren<QComboBox*>())
            s << c->objectName() + QString::number(c->count()) + c->currentText();
        return s;
    };
    const QStringList prije = snimak();
    TPresjek p = Izracunat(TPropis::PBAB87, TOblik::T, TProracun::GranicneSile);
    p.Status = sfSimetricno | sfPetoPodrucje; // everything but the calculated bit
    QVERIFY(!o.prenos().Zapisi(p));
    QCOMPARE(snimak(), prije);
}

void PrenosTest::ZapisPisePreciznostIDecimale() {
    for (auto [lokal, b, aa1] : {std::tuple{QLocale::c(), "40.00", "12.35"},
                                 std::tuple{QLocale(QLocale::German), "40,00", "12,35"}}) {
        QLocale::setDefault(lokal);
        Okolina o;
        TPresjek p = Izracunat(TPropis::EC2, TOblik::Pravougaoni, TProracun::GranicniMomenat);
        p.b = 40;
        p.Aa1 = 12.3456;
        p.Mu = 1234.5678; // a result: six significant digits
        QVERIFY(o.prenos().Zapisi(p));
        QCOMPARE(o.k().ledtB->text(), QString(b));
        QCOMPARE(o.k().edtAa1->text(), QString(aa1));
        QCOMPARE(o.k().edtMugr->text(), QString(lokal == QLocale::c() ? "1234.57" : "1234,57"));
        QCOMPARE(o.k().edtMu->text(), QString(lokal == QLocale::c() ? "1234.60" : "1234,60"));
    }
}

void PrenosTest::KoeficijentKojegNemaOstavljaListuBezIzbora() {
    Okolina o;
    TPresjek p = Izracunat(TPropis::EC2, TOblik::Pravougaoni, TProracun::Dimenzioniranje);
    p.gamaC = 1.45;
    QVERIFY(o.prenos().Zapisi(p));
    QCOMPARE(o.k().cboGamaC->currentIndex(), -1);
    QCOMPARE(o.k().cboGamaS->currentText(), QString("1.00"));
    // until an item is picked the list reads as its first factor
    TPresjek q;
    o.prenos().Procitaj(q);
    QCOMPARE(q.gamaC, 1.5);
    QVERIFY(std::isfinite(q.fB) && q.fB > 0);
}

void PrenosTest::PropisMijenjaOznakeIListe() {
    QLocale::setDefault(QLocale(QLocale::German));
    Okolina o;
    o.prenos().PostaviPropis(TPropis::EC2);
    QCOMPARE(o.k().lblMu->text(), QString("Msd="));
    QCOMPARE(o.k().lblNu->text(), QString("Nsd="));
    QCOMPARE(o.k().lblQu->text(), QString("Vsd="));
    QStringList gc, gs;
    for (int i = 0; i < o.k().cboGamaC->count(); ++i)
        gc << o.k().cboGamaC->itemText(i);
    for (int i = 0; i < o.k().cboGamaS->count(); ++i)
        gs << o.k().cboGamaS->itemText(i);
    QCOMPARE(gc, (QStringList{"1,50", "1,30", "1,00"}));
    QCOMPARE(gs, (QStringList{"1,15", "1,00"}));
    QVERIFY(o.k().cboGamaC->isEnabled() && o.k().rdbStandard->isEnabled());
    QCOMPARE(o.k().cboBeton->count(), o.pr.katalozi.BrojBetona() - 10);
    QCOMPARE(o.k().cboBeton->itemText(0), QString::fromStdString(o.pr.katalozi.beton[10].naziv));

    o.prenos().PostaviPropis(TPropis::PBAB87);
    QCOMPARE(o.k().lblMu->text(), QString("Mu="));
    QCOMPARE(o.k().lblQu->text(), QString("Qu="));
    QVERIFY(!o.k().cboGamaC->isEnabled() && !o.k().cboGamaS->isEnabled());
    QVERIFY(!o.k().rdbStandard->isEnabled() && !o.k().rdbVarStrutAngle->isEnabled());
    QVERIFY(o.k().edtbeta->isEnabled());
    QCOMPARE(o.k().cboBeton->count(), 10);
    QCOMPARE(o.k().cboArmatura->count(), 3);
    QCOMPARE(o.k().cboBeton->currentIndex(), 0);
}

void PrenosTest::OblikRasporedjujePoljaKorakom() {
    Okolina o;
    QCOMPARE(o.k().pnlDimenzije->height(), 230);
    QCOMPARE(KorakDimenzija(230), 24);
    o.prenos().PostaviOblik(TOblik::T);
    QCOMPARE(o.k().ledtB->y(), 50);
    QCOMPARE(o.k().btnProracunSirinePloceTPresjeka->y(), 50);
    int vrh = 50;
    for (QLineEdit* e :
         {o.k().ledtB, o.k().ledtB0, o.k().ledth, o.k().ledth0, o.k().ledtD1, o.k().ledtD2}) {
        QCOMPARE(e->y(), vrh);
        vrh += 24;
    }
    QCOMPARE(o.k().ledtB->text(), QString("60"));
    QCOMPARE(o.k().ledth0->text(), QString("15"));
    QVERIFY(!o.k().ledtB0->isHidden() && !o.k().btnProracunSirinePloceTPresjeka->isHidden());
    QVERIFY(!o.k().spbObicno->isEnabled());

    o.prenos().PostaviOblik(TOblik::Pravougaoni);
    vrh = 70;
    for (QLineEdit* e : {o.k().ledtB, o.k().ledth, o.k().ledtD1, o.k().ledtD2}) {
        QCOMPARE(e->y(), vrh);
        vrh += 24;
    }
    QCOMPARE(o.k().ledtB->text(), QString("40"));
    QCOMPARE(o.k().ledth->text(), QString("60"));
    QVERIFY(o.k().ledtB0->isHidden() && o.k().ledth0->isHidden());
    QVERIFY(o.k().btnProracunSirinePloceTPresjeka->isHidden());
    QVERIFY(o.k().spbObicno->isEnabled() && o.k().spbObicno->isChecked());

    // a T section in mode 2 written into the window, for a person to look at
    TPresjek t = Izracunat(TPropis::PBAB87, TOblik::T, TProracun::GranicneSile);
    t.Status |= sfPetoPodrucje;
    QVERIFY(o.prenos().Zapisi(t));
    QDir().mkpath(NMK_ARTEFACT_DIR);
    QVERIFY(o.prozor->grab().save(QDir(NMK_ARTEFACT_DIR).filePath("glavni_prozor_t.png")));
}

void PrenosTest::RezimPrikazujePanele() {
    Okolina o;
    auto& k = o.k();
    o.prenos().PostaviRezim(TProracun::Dimenzioniranje);
    QVERIFY(!k.pnlGranicneSile->isHidden() && k.pnlArmaturaIDilatacije->isHidden());
    QVERIFY(k.chkSimetricno->isEnabled() && k.spbObicno->isEnabled());
    o.prenos().PostaviRezim(TProracun::GranicniMomenat);
    QVERIFY(k.pnlGranicneSile->isHidden() && !k.pnlArmaturaIDilatacije->isHidden());
    QVERIFY(k.edtEpsb->isReadOnly() && k.edtEpsa->isReadOnly() && !k.edtNugr->isReadOnly());
    QVERIFY(!k.chkSimetricno->isEnabled() && !k.chkPetoPodrucje->isEnabled());
    QCOMPARE(k.edtNugr->palette().color(QPalette::Base), QColor(Qt::white));
    QVERIFY(k.edtEpsb->palette().color(QPalette::Base) != QColor(Qt::white));
    o.prenos().PostaviRezim(TProracun::GranicneSile);
    QVERIFY(!k.edtEpsb->isReadOnly() && !k.edtEpsa->isReadOnly() && k.edtNugr->isReadOnly());
    QVERIFY(k.chkPetoPodrucje->isEnabled() && !k.spbObicno->isEnabled());
    QCOMPARE(k.edtEpsb->palette().color(QPalette::Base), QColor(Qt::white));
}

void PrenosTest::StandardnaMetodaVracaTheta45() {
    Okolina o;
    o.k().rdbVarStrutAngle->setChecked(true);
    o.prenos().PraviloMetode();
    QVERIFY(o.k().edtbeta->isEnabled());
    o.k().edtbeta->setText("30");
    o.k().rdbStandard->setChecked(true);
    o.prenos().PraviloMetode();
    QVERIFY(!o.k().edtbeta->isEnabled());
    QCOMPARE(o.k().edtbeta->text(), QString("45"));
}

void PrenosTest::MinusSamoNaPocetkuMomentaISile_data() {
    QTest::addColumn<QString>("polje");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("kursor");
    QTest::addColumn<QString>("ocekivano");
    QTest::newRow("Qu never negative") << "edtQu"
                                       << "" << 0 << "";
    QTest::newRow("Mu after a digit") << "edtMu"
                                      << "5" << 1 << "5";
    QTest::newRow("Nu at the start") << "edtNu"
                                     << "" << 0 << "-";
    QTest::newRow("Nugr at the start") << "edtNugr"
                                       << "12" << 0 << "-12";
    QTest::newRow("Mu a second minus") << "edtMu"
                                       << "-3" << 0 << "-3";
    QTest::newRow("a dimension") << "ledtB"
                                 << "" << 0 << "";
}

void PrenosTest::MinusSamoNaPocetkuMomentaISile() {
    QFETCH(QString, polje);
    QFETCH(QString, tekst);
    QFETCH(int, kursor);
    QFETCH(QString, ocekivano);
    Okolina o;
    auto* e = o.prozor->findChild<QLineEdit*>(polje);
    QVERIFY(e);
    e->setReadOnly(false);
    e->setText(tekst);
    e->setCursorPosition(kursor);
    QTest::keyClick(e, '-');
    QCOMPARE(e->text(), ocekivano);
}

void PrenosTest::SeparatorPoLokalu_data() {
    QTest::addColumn<bool>("zarez");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<char>("tipka");
    QTest::addColumn<QString>("ocekivano");
    QTest::newRow("comma locale, full stop after a separator") << true << "12,5" << '.' << "12,5";
    QTest::newRow("comma locale, full stop becomes comma") << true << "125" << '.' << "125,";
    QTest::newRow("point locale, comma becomes point") << false << "125" << ',' << "125.";
    QTest::newRow("point locale, second separator") << false << "1.5" << ',' << "1.5";
    QTest::newRow("letters are dropped") << false << "12" << 'a' << "12";
}

void PrenosTest::SeparatorPoLokalu() {
    QFETCH(bool, zarez);
    QFETCH(QString, tekst);
    QFETCH(char, tipka);
    QFETCH(QString, ocekivano);
    QLocale::setDefault(zarez ? QLocale(QLocale::German) : QLocale::c());
    Okolina o;
    for (QLineEdit* e : {o.k().edtMu, o.k().ledtD1}) {
        e->setText(tekst);
        e->end(false);
        QTest::keyClick(e, tipka);
        QCOMPARE(e->text(), ocekivano);
    }
}

void PrenosTest::OznacenTekstSePraznPrijeTipke() {
    Okolina o;
    QLineEdit* e = o.k().edtMu;
    e->setText("350");
    e->setSelection(0, 1);
    QTest::keyClick(e, 'x'); // discarded, but the field is emptied first
    QCOMPARE(e->text(), QString());
    e->setText("350");
    e->selectAll();
    QTest::keyClick(e, '7');
    QCOMPARE(e->text(), QString("7"));
}

QTEST_MAIN(PrenosTest)
#include "prenos_test.moc"
