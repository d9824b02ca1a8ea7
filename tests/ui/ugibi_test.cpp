#include "ui/ugibi.h"

#include "engine/detalji.h"
#include "engine/osnovni_ugib.h"
#include "engine/tecenje.h"
#include "pomoc_prozora.h"
#include "ui/brojevi.h"
#include "ui/dodatni_pod.h"
#include "ui/osnovni_ugib.h"
#include "ui/slike_sistema.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPushButton>

#include <tuple>

using namespace nmk;
using namespace nmk::test;
using nmk::ui::TfrmOsnovniUgib;
using nmk::ui::TfrmUgibi;

namespace {

double Broj(QWidget* prozor, const char* ime) {
    const auto x = ui::ProcitajBroj(Tekst(prozor, ime));
    if (!x)
        qFatal("%s holds no number", ime);
    return *x;
}

bool DetaljiDozvoljeni(QWidget* prozor) {
    return Nadji<QPushButton>(prozor, "btnDetalji")->isEnabled();
}

} // namespace

class UgibiTest : public QObject {
    Q_OBJECT

    Projekat projekat_ = ProjekatSKatalozima();
    SnimajucePoruke poruke_;

    std::vector<std::string> Tekstovi() const {
        std::vector<std::string> t;
        for (const auto& p : poruke_.poruke)
            t.push_back(p.tekst);
        return t;
    }

private slots:
    void init() {
        poruke_.Obrisi();
        projekat_.betonEx = TBetonEx{};
        projekat_.servis = {};
    }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void activationShowsTheServiceForcesAndKeepsTheSpanFields() {
        TPresjek p = RadniPrimjer();
        p.Nexp = -12.345;
        TfrmUgibi f(projekat_, poruke_);
        f.Postavi(p);
        f.Aktiviraj();
        QCOMPARE(Tekst(&f, "edtMexp"), QString("100.00"));
        QCOMPARE(Tekst(&f, "edtNexp"), QString("-12.35"));
        QCOMPARE(Tekst(&f, "edtvb"), QString("0"));
        QCOMPARE(Tekst(&f, "edtvbd"), QString("0"));
        QCOMPARE(Tekst(&f, "edtl"), QString("100"));
        QCOMPARE(Nadji<QComboBox>(&f, "cboStatSis")->currentIndex(), 1);
        QCOMPARE(Nadji<QComboBox>(&f, "cboStatSis")->count(), BrojStatickihSistema);
        QCOMPARE(Nadji<QLabel>(&f, "lblAa2")->text(),
                 QString("Odabrano Aa2: (4 d16) stvAa2= 8.04 cm2"));
        QVERIFY(!DetaljiDozvoljeni(&f));
        QVERIFY(!Nadji<QPushButton>(&f, "btnArmatura")->isEnabled());
    }

    void workedCaseGivesItsDeflectionsOnScreen() {
        TPresjek p = RadniPrimjer();
        TfrmUgibi f(projekat_, poruke_);
        f.Postavi(p);
        f.Aktiviraj();
        Upisi(&f, "edtvb", "1");
        Upisi(&f, "edtvbd", "0.6");
        Upisi(&f, "edtl", "500");
        Klikni(&f, "btnProracun");
        QVERIFY(poruke_.poruke.empty());
        QVERIFY(std::abs(Broj(&f, "edtvI") - 2.219) < 0.001);
        QVERIFY(std::abs(Broj(&f, "edtvII") - 5.596) < 0.001);
        QVERIFY(std::abs(Broj(&f, "edt_V") - 5.401) < 0.001);
        QCOMPARE(Tekst(&f, "edt_V"), ui::Broj(p.v, 12, 5));
        QVERIFY(p.ima(sfUgibi) && p.ima(sfIzracunat));
        QVERIFY(DetaljiDozvoljeni(&f));
        const TDodatniPodaci* dp = f.DodatniPodaci();
        QVERIFY(std::abs(dp->VE + dp->VF + dp->VS - p.v) < Relativno(p.v, 0));
        SacuvajSliku(&f, "frmUgibi");
    }

    void detailsStayDisabledUntilACalculationSucceedsInTheShowing() {
        TPresjek p = RadniPrimjer();
        TfrmUgibi f(projekat_, poruke_);
        f.Postavi(p);
        f.Aktiviraj();
        QVERIFY(f.Proracunaj());
        QVERIFY(DetaljiDozvoljeni(&f));
        f.Aktiviraj(); // the next showing
        QVERIFY(!DetaljiDozvoljeni(&f));
        QVERIFY(f.DodatniPodaci() == nullptr);
        QCOMPARE(Tekst(&f, "edtvI"), QString());
        Upisi(&f, "edtMexp", "0");
        QVERIFY(!f.Proracunaj());
        QVERIFY(!DetaljiDozvoljeni(&f));
    }

    // Each row: the fields typed and the one message expected; the section gets no result.
    void refusedInputsShowTheirMessageAndComputeNothing() {
        struct Slucaj {
            const char* polje;
            const char* tekst;
            bool bezDonje;
            const char* poruka;
        };
        const Slucaj slucajevi[] = {
            {"edtMexp", "0", false, "Momenat Mexp mora biti veci od nule"},
            {"edtMexp", "-10", false, "Armatura mora biti odabrana!"},
            {"edtMexp", "10", true, "Armatura mora biti odabrana!"},
            {"edtl", "x", false, "Upisite Brojeve !"},
            {"edtNexp", "", false, "Upisite Brojeve !"},
        };
        for (const Slucaj& s : slucajevi) {
            poruke_.Obrisi();
            TPresjek p = RadniPrimjer();
            if (s.bezDonje)
                p.ArmDonja.clear();
            TfrmUgibi f(projekat_, poruke_);
            f.Postavi(p);
            f.Aktiviraj();
            Upisi(&f, s.polje, s.tekst);
            QTest::keyClick(Nadji<QLineEdit>(&f, "edtvb"), Qt::Key_Return);
            QCOMPARE(Tekstovi(), std::vector<std::string>{s.poruka});
            QCOMPARE(poruke_.poruke[0].vrsta, VrstaPoruke::Upozorenje);
            QVERIFY(!p.ima(sfUgibi));
            QCOMPARE(p.v, 0.0);
            QCOMPARE(Tekst(&f, "edt_V"), QString());
        }
    }

    // Service data outside their range: the message, and the results on screen, in the
    // section and in the project stay.
    void serviceDataOutsideTheirRangeAreRefusedAndKeepThePreviousResults() {
        TPresjek p = RadniPrimjer();
        TfrmUgibi f(projekat_, poruke_);
        f.Postavi(p);
        f.Aktiviraj();
        Upisi(&f, "edtl", "500");
        QVERIFY(f.Proracunaj());
        const QString v = Tekst(&f, "edt_V");
        for (auto [l, fi, poruka] : {std::tuple{"0", 2.5, PorukaRaspon},
                                     std::tuple{"500", -0.5, PorukaKoeficijentTecenja}}) {
            projekat_.betonEx.fi = fi;
            Upisi(&f, "edtl", l);
            QVERIFY(!f.Proracunaj());
            QCOMPARE(poruke_.poruke.back().tekst, std::string(poruka));
            QCOMPARE(Tekst(&f, "edt_V"), v);
            QCOMPARE(ui::Broj(p.v, 12, 5), v);
            QCOMPARE(projekat_.servis.l, 500.0);
        }
    }

    void fieldsReadBeforeAFailingOneAreStoredInTheSection() {
        TPresjek p = RadniPrimjer();
        TfrmUgibi f(projekat_, poruke_);
        f.Postavi(p);
        f.Aktiviraj();
        Upisi(&f, "edtvb", "1.5");
        Upisi(&f, "edtvbd", "0.7");
        Upisi(&f, "edtl", "abc");
        Upisi(&f, "edtMexp", "55");
        QVERIFY(!f.Proracunaj());
        QCOMPARE(p.vb, 1.5);
        QCOMPARE(p.vbd, 0.7);
        QCOMPARE(p.Mexp, 100.0); // read after the failing span, so untouched
    }

    void previousResultsStayShownAfterARefusal() {
        TPresjek p = RadniPrimjer();
        TfrmUgibi f(projekat_, poruke_);
        f.Postavi(p);
        f.Aktiviraj();
        Upisi(&f, "edtvb", "1");
        QVERIFY(f.Proracunaj());
        const QString v = Tekst(&f, "edt_V");
        Upisi(&f, "edtMexp", "0");
        QVERIFY(!f.Proracunaj());
        QCOMPARE(Tekst(&f, "edt_V"), v);
        QVERIFY(DetaljiDozvoljeni(&f));
    }

    void fullStopTypedUnderACommaLocaleEntersAComma() {
        QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia));
        TPresjek p = RadniPrimjer();
        TfrmUgibi f(projekat_, poruke_);
        f.Postavi(p);
        f.Aktiviraj();
        auto* edt = Nadji<QLineEdit>(&f, "edtvbd");
        edt->clear();
        QTest::keyClicks(edt, "-0.6x");
        QCOMPARE(edt->text(), QString("-0,6"));
        QCOMPARE(Tekst(&f, "edtMexp"), QString("100,00"));
    }

    void basicDeflectionArrivesInTheWindowWithTheSpanInCentimetres() {
        QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia));
        TPresjek p = RadniPrimjer();
        TfrmUgibi f(projekat_, poruke_);
        f.Postavi(p);
        f.Aktiviraj();
        QString vb, vbd;
        bool otvoren = false;
        KadSeOtvoriModalni(
            [&](QWidget* d) {
                Upisi(d, "edtRaspon", "5");
                Upisi(d, "edtp", "20");
                Upisi(d, "edtpd", "12");
                Nadji<QComboBox>(d, "cboStatickiSistem")->setCurrentIndex(3);
                Klikni(d, "btnProracunUgiba");
                vb = Tekst(d, "edtvb");
                vbd = Tekst(d, "edtvbd");
                Klikni(d, "btnOK");
            },
            &otvoren);
        Klikni(&f, "SpeedButton1");
        QVERIFY(otvoren);
        QCOMPARE(Tekst(&f, "edtl"), QString("500,00"));
        QCOMPARE(Tekst(&f, "edtvb"), vb);
        QCOMPARE(Tekst(&f, "edtvbd"), vbd);
        QVERIFY(ui::ProcitajBroj(vb).value() > 0);
        QCOMPARE(Nadji<QComboBox>(&f, "cboStatSis")->currentIndex(), 3);
    }

    void closingTheBasicDeflectionWithoutAcceptingChangesNothing() {
        TPresjek p = RadniPrimjer();
        TfrmUgibi f(projekat_, poruke_);
        f.Postavi(p);
        f.Aktiviraj();
        KadSeOtvoriModalni([&](QWidget* d) {
            Klikni(d, "btnProracunUgiba");
            static_cast<QDialog*>(d)->reject();
        });
        Klikni(&f, "SpeedButton1");
        QCOMPARE(Tekst(&f, "edtl"), QString("100"));
        QCOMPARE(Tekst(&f, "edtvb"), QString("0"));
    }

    void barButtonRunsTheOpenerAndRefreshesTheLabels() {
        TPresjek p = RadniPrimjer();
        int pozvano = 0;
        TfrmUgibi f(projekat_, poruke_, [&](TPresjek& s) {
            ++pozvano;
            QCOMPARE(&s, &p);
            s.ArmGornja = {{12, 2}};
        });
        f.Postavi(p);
        f.Aktiviraj();
        QCOMPARE(Nadji<QLabel>(&f, "lblAa1")->text(), QString()); // no top bars yet
        Klikni(&f, "btnArmatura");
        QCOMPARE(pozvano, 1);
        QCOMPARE(Nadji<QLabel>(&f, "lblAa1")->text(),
                 QString("Odabrano Aa1: (2 d12) stvAa1= 2.26 cm2"));
    }

    void detailsListTheDeflectionLinesOfTheLastCalculation() {
        TPresjek p = RadniPrimjer();
        TfrmUgibi f(projekat_, poruke_);
        f.Postavi(p);
        f.Aktiviraj();
        QVERIFY(f.Proracunaj());
        QStringList redovi;
        KadSeOtvoriModalni([&](QWidget* d) {
            auto* lista = Nadji<QListWidget>(d, "lstDodatniPodaci");
            for (int i = 0; i < lista->count(); ++i)
                redovi << lista->item(i)->text();
            QCOMPARE(lista->contextMenuPolicy(), Qt::ActionsContextMenu);
            QCOMPARE(lista->actions().size(), 1);
            QCOMPARE(lista->actions()[0]->text(), QString("Font"));
            SacuvajSliku(d, "frmDodatniPod");
            static_cast<QDialog*>(d)->accept();
        });
        Klikni(&f, "btnDetalji");
        QCOMPARE(redovi.size(), 25);
        QVERIFY(redovi[0].startsWith("Cvrstoca betona na zatezanje                  f_ct= "));
        QVERIFY(redovi[24].startsWith("Momenat nastajanja naprslina                    Mr= "));
        QVERIFY(redovi[24].endsWith(" kNm"));
    }

    void fontMenuGivesTheListThePickedFont() {
        ui::TfrmDodatniPod d({"a", "b"});
        auto* lista = Nadji<QListWidget>(&d, "lstDodatniPodaci");
        const QFont prije = lista->font();
        KadSeOtvoriModalni([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
        lista->actions()[0]->trigger();
        QCOMPARE(lista->font(), prije);
        QCOMPARE(lista->count(), 2);
    }
};

class OsnovniUgibTest : public QObject {
    Q_OBJECT

    Projekat projekat_ = ProjekatSKatalozima();
    SnimajucePoruke poruke_;

private slots:
    void init() { poruke_.Obrisi(); }

    void startsWithTheUniformLoadOnASimpleBeam() {
        TPresjek p = RadniPrimjer();
        TfrmOsnovniUgib d(p, projekat_.katalozi, poruke_);
        QCOMPARE(Tekst(&d, "edtRaspon"), QString("5"));
        QCOMPARE(Tekst(&d, "edtp"), QString("0"));
        QCOMPARE(Tekst(&d, "edtpd"), QString("0"));
        QCOMPARE(Nadji<QComboBox>(&d, "cboOpterecenje")->currentIndex(), 2);
        QCOMPARE(Nadji<QComboBox>(&d, "cboOpterecenje")->count(), BrojOpterecenja);
        QCOMPARE(Nadji<QComboBox>(&d, "cboStatickiSistem")->currentIndex(), 1);
        QVERIFY(Nadji<QLineEdit>(&d, "edtvb")->isReadOnly());
    }

    void shownValuesAreThoseOfTheEngine() {
        TPresjek p = RadniPrimjer();
        TfrmOsnovniUgib d(p, projekat_.katalozi, poruke_);
        Upisi(&d, "edtRaspon", "6");
        Upisi(&d, "edtp", "25");
        Upisi(&d, "edtpd", "15");
        QVERIFY(d.Proracunaj());
        const auto u = ProracunOsnovnogUgiba(p, projekat_.katalozi, 6, 25, 15, 2, 1);
        QCOMPARE(Tekst(&d, "edtvb"), ui::Broj(u.vb, 12, 5));
        QCOMPARE(Tekst(&d, "edtvbd"), ui::Broj(u.vbd, 12, 5));
        QCOMPARE(d.RasponCm(), 600.0);
        SacuvajSliku(&d, "frmOsnovniUgib");
    }

    void forceAtTheFreeEndOnASimpleBeamGivesNoDeflection() {
        TPresjek p = RadniPrimjer();
        TfrmOsnovniUgib d(p, projekat_.katalozi, poruke_);
        Upisi(&d, "edtp", "50");
        Upisi(&d, "edtpd", "30");
        Nadji<QComboBox>(&d, "cboOpterecenje")->setCurrentIndex(1);
        QVERIFY(d.Proracunaj());
        QCOMPARE(Tekst(&d, "edtvb"), QString("0.00000"));
        QCOMPARE(Tekst(&d, "edtvbd"), QString("0.00000"));
        Nadji<QComboBox>(&d, "cboStatickiSistem")->setCurrentIndex(0);
        QVERIFY(d.Proracunaj());
        QVERIFY(ui::ProcitajBroj(Tekst(&d, "edtvb")).value() > 0);
    }

    void closingAComboListRecomputesAtOnce() {
        TPresjek p = RadniPrimjer();
        TfrmOsnovniUgib d(p, projekat_.katalozi, poruke_);
        d.show();
        Upisi(&d, "edtp", "40");
        for (const char* ime : {"cboOpterecenje", "cboStatickiSistem"}) {
            auto* cbo = Nadji<QComboBox>(&d, ime);
            cbo->setCurrentIndex(0);
            Upisi(&d, "edtvb", "");
            cbo->showPopup();
            QVERIFY(Tekst(&d, "edtvb").isEmpty()); // nothing yet while the list is open
            cbo->hidePopup();
            const QString poZatvaranju = Tekst(&d, "edtvb");
            QVERIFY(!poZatvaranju.isEmpty());
            Klikni(&d, "btnProracunUgiba");
            QCOMPARE(Tekst(&d, "edtvb"), poZatvaranju);
        }
    }

    void notANumberIsReportedAndKeepsThePreviousResults() {
        TPresjek p = RadniPrimjer();
        TfrmOsnovniUgib d(p, projekat_.katalozi, poruke_);
        Upisi(&d, "edtp", "10");
        QVERIFY(d.Proracunaj());
        const QString vb = Tekst(&d, "edtvb");
        Upisi(&d, "edtRaspon", "pet");
        QVERIFY(!d.Proracunaj());
        QCOMPARE(poruke_.poruke.size(), std::size_t(1));
        QCOMPARE(poruke_.poruke[0].vrsta, VrstaPoruke::Greska);
        QVERIFY(poruke_.poruke[0].tekst.find("pet") != std::string::npos);
        QCOMPARE(Tekst(&d, "edtvb"), vb);
        // a span of zero would give no deflection at all: refused the same way
        Upisi(&d, "edtRaspon", "0");
        QVERIFY(!d.Proracunaj());
        QCOMPARE(poruke_.poruke.back().tekst, std::string(PorukaRaspon));
        QCOMPARE(Tekst(&d, "edtvb"), vb);
    }

    void acceptWithoutResultsIsRefusedInThePlainBox() {
        TPresjek p = RadniPrimjer();
        TfrmOsnovniUgib d(p, projekat_.katalozi, poruke_);
        Klikni(&d, "btnOK");
        QCOMPARE(poruke_.poruke.size(), std::size_t(1));
        QVERIFY(poruke_.poruke[0].obicna);
        QCOMPARE(poruke_.poruke[0].tekst, std::string("Neodgovarajuci rezultat!"));
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }

    void minusIsNotTypedIntoTheInputsAndEnterComputes() {
        TPresjek p = RadniPrimjer();
        TfrmOsnovniUgib d(p, projekat_.katalozi, poruke_);
        auto* edt = Nadji<QLineEdit>(&d, "edtp");
        edt->clear();
        QTest::keyClicks(edt, "-12a");
        QCOMPARE(edt->text(), QString("12"));
        QTest::keyClick(edt, Qt::Key_Return);
        QVERIFY(ui::ProcitajBroj(Tekst(&d, "edtvb")).value() > 0);
        QCOMPARE(d.result(), 0);
    }

    void picturesDifferForEveryCase() {
        for (int i = 0; i < BrojOpterecenja; ++i)
            for (int j = i + 1; j < BrojOpterecenja; ++j)
                QVERIFY(ui::SlikaOpterecenja(i).toImage() != ui::SlikaOpterecenja(j).toImage());
        for (int i = 0; i < BrojStatickihSistema; ++i)
            for (int j = i + 1; j < BrojStatickihSistema; ++j)
                QVERIFY(ui::SlikaStatickogSistema(i).toImage() !=
                        ui::SlikaStatickogSistema(j).toImage());
        QVERIFY(ui::OpisOpterecenja(BrojOpterecenja).isEmpty());
        // all of them on one sheet for a person to look at
        QPixmap list(ui::VelicinaSlike.width() * 2 + 8, ui::VelicinaSlike.height() * 6);
        list.fill(Qt::white);
        QPainter p(&list);
        for (int i = 0; i < BrojOpterecenja; ++i)
            p.drawPixmap(0, i * ui::VelicinaSlike.height(), ui::SlikaOpterecenja(i));
        for (int i = 0; i < BrojStatickihSistema; ++i)
            p.drawPixmap(ui::VelicinaSlike.width() + 8, i * ui::VelicinaSlike.height(),
                         ui::SlikaStatickogSistema(i));
        p.end();
        QLabel slika;
        slika.setPixmap(list);
        SacuvajSliku(&slika, "slike_sistema");
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int rezultat = 0;
    {
        UgibiTest t;
        rezultat |= QTest::qExec(&t, argc, argv);
    }
    {
        OsnovniUgibTest t;
        rezultat |= QTest::qExec(&t, argc, argv);
    }
    return rezultat;
}

#include "ugibi_test.moc"
