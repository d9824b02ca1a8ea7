#include "ui/prsline.h"

#include "pomoc_prozora.h"
#include "ui/brojevi.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>

using namespace nmk;
using namespace nmk::test;
using nmk::ui::TfrmPrsline;

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

QString Vilica(QWidget* prozor) {
    return Nadji<QComboBox>(prozor, "cboVilica")->currentText();
}

} // namespace

class PrslineTest : public QObject {
    Q_OBJECT

    Projekat projekat_ = ProjekatSKatalozima();
    SnimajucePoruke poruke_;

private slots:
    void init() {
        poruke_.Obrisi();
        projekat_.servis = {};
    }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void activationShowsTheForcesTheStirrupAndTheLabelOfTheCode() {
        for (TPropis propis : {TPropis::EC2, TPropis::PBAB87}) {
            TPresjek p = RadniPrimjer();
            p.Propis = propis;
            TfrmPrsline f(projekat_, poruke_);
            f.Postavi(p);
            f.Aktiviraj();
            QCOMPARE(Nadji<QLabel>(&f, "lblAm")->text(),
                     QString(propis == TPropis::EC2 ? "Srm = " : "am = "));
            QCOMPARE(Tekst(&f, "edtMexp"), QString("100.00"));
            QCOMPARE(Tekst(&f, "edtNexp"), QString("0.00"));
            QCOMPARE(Vilica(&f), QString("10"));
            QCOMPARE(Tekst(&f, "edtZastitniSloj"), QString("3"));
            QCOMPARE(Nadji<QComboBox>(&f, "cboVilica")->count(), 5);
            QVERIFY(!DetaljiDozvoljeni(&f));
        }
    }

    void workedCaseGivesItsCrackWidthsOnScreen() {
        TPresjek p = RadniPrimjer();
        TfrmPrsline f(projekat_, poruke_);
        f.Postavi(p);
        f.Aktiviraj();
        Nadji<QComboBox>(&f, "cboVilica")->setEditText("8");
        Klikni(&f, "btnProracun");
        QVERIFY(poruke_.poruke.empty());
        QCOMPARE(p.Vilica, 8.0);
        QVERIFY(std::abs(Broj(&f, "edtAm") - 124.6) < 0.05);
        QVERIFY(std::abs(Broj(&f, "edtWm") - 0.176) < 0.0011);
        QVERIFY(std::abs(Broj(&f, "edtWk") - 0.300) < 0.0011);
        QCOMPARE(Tekst(&f, "edtWk"), ui::Broj(p.Wk, 8, 3));
        QVERIFY(p.ima(sfPrsline) && !p.ima(sfUgibi));
        QVERIFY(DetaljiDozvoljeni(&f));
        QCOMPARE(f.DodatniPodaci()->nSipki, 5);
        QCOMPARE(f.DodatniPodaci()->mSlojeva, 1);
        SacuvajSliku(&f, "frmPrsline");
    }

    void coverAndStirrupKeepTheirTextsBetweenShowings() {
        TPresjek p = RadniPrimjer();
        TfrmPrsline f(projekat_, poruke_);
        f.Postavi(p);
        f.Aktiviraj();
        Upisi(&f, "edtZastitniSloj", "4");
        Nadji<QComboBox>(&f, "cboVilica")->setEditText("12");
        QVERIFY(f.Proracunaj());
        f.Zaboravi();
        TPresjek drugi = RadniPrimjer();
        f.Postavi(drugi);
        f.Aktiviraj();
        QCOMPARE(Tekst(&f, "edtZastitniSloj"), QString("4"));
        QCOMPARE(Vilica(&f), QString("10")); // the stirrup is the new section's own
        QCOMPARE(Tekst(&f, "edtWk"), QString());
        QVERIFY(!DetaljiDozvoljeni(&f));
    }

    void refusedInputsShowTheirMessageAndComputeNothing() {
        struct Slucaj {
            const char* mexp;
            const char* sloj;
            bool bezDonje;
            const char* poruka;
        };
        const Slucaj slucajevi[] = {
            {"0", "3", false, "Momenat Mexp mora biti veci od nule"},
            {"-10", "3", false, "Armatura mora biti odabrana!"},
            {"25", "3", true, "Armatura mora biti odabrana!"},
            {"25", "3a", false, "Upisite Brojeve !"},
            {"", "3", false, "Upisite Brojeve !"},
        };
        for (const Slucaj& s : slucajevi) {
            poruke_.Obrisi();
            TPresjek p = RadniPrimjer();
            if (s.bezDonje)
                p.ArmDonja.clear();
            TfrmPrsline f(projekat_, poruke_);
            f.Postavi(p);
            f.Aktiviraj();
            Upisi(&f, "edtMexp", s.mexp);
            Upisi(&f, "edtZastitniSloj", s.sloj);
            QTest::keyClick(Nadji<QLineEdit>(&f, "edtNexp"), Qt::Key_Return);
            QCOMPARE(poruke_.poruke.size(), std::size_t(1));
            QCOMPARE(poruke_.poruke[0].tekst, std::string(s.poruka));
            QCOMPARE(poruke_.poruke[0].vrsta, VrstaPoruke::Upozorenje);
            QVERIFY(!p.ima(sfPrsline));
            QCOMPARE(p.Wk, 0.0);
            QVERIFY(!DetaljiDozvoljeni(&f));
        }
    }

    void detailsListTheCrackLinesInTheWordsOfTheCode() {
        for (TPropis propis : {TPropis::EC2, TPropis::PBAB87}) {
            TPresjek p = RadniPrimjer();
            p.Propis = propis;
            TfrmPrsline f(projekat_, poruke_);
            f.Postavi(p);
            f.Aktiviraj();
            QVERIFY(f.Proracunaj());
            QStringList redovi;
            KadSeOtvoriModalni([&](QWidget* d) {
                auto* lista = Nadji<QListWidget>(d, "lstDodatniPodaci");
                for (int i = 0; i < lista->count(); ++i)
                    redovi << lista->item(i)->text();
                static_cast<QDialog*>(d)->accept();
            });
            Klikni(&f, "btnDetalji");
            QCOMPARE(redovi.size(), 16);
            const bool ec2 = propis == TPropis::EC2;
            QVERIFY(
                redovi[0].startsWith(ec2 ? "Cvrstoca betona na zatezanje                  f_ct= "
                                         : "Cvrstoca betona na zatezanje                  f_bz= "));
            QVERIFY(
                redovi[4].startsWith(ec2 ? "Modul elasticnosti betona                      Ecm= "
                                         : "Modul elasticnosti betona                       Eb= "));
            QVERIFY(redovi[11].trimmed().isEmpty());
            QVERIFY(redovi[15].endsWith(" cm"));
        }
    }

    void closingFreesTheRecordOfTheShowing() {
        TPresjek p = RadniPrimjer();
        TfrmPrsline f(projekat_, poruke_);
        KadSeOtvoriModalni([&](QWidget* d) {
            Klikni(d, "btnProracun");
            QVERIFY(f.DodatniPodaci() != nullptr);
            static_cast<QDialog*>(d)->reject();
        });
        f.Prikazi(p);
        QVERIFY(f.DodatniPodaci() == nullptr);
        QVERIFY(p.ima(sfPrsline));
    }

    void anEngineErrorIsShownAndTheEarlierResultsStayWithTheirDetails() {
        TPresjek p = RadniPrimjer();
        TfrmPrsline f(projekat_, poruke_);
        f.Postavi(p);
        f.Aktiviraj();
        QVERIFY(f.Proracunaj());
        const QString wk = Tekst(&f, "edtWk");
        const TDodatniPodaci prije = *f.DodatniPodaci();
        // a cover so thick that not one bar fits across the web
        Upisi(&f, "edtZastitniSloj", "14");
        QVERIFY(!f.Proracunaj());
        QCOMPARE(poruke_.poruke.size(), std::size_t(1));
        QCOMPARE(poruke_.poruke[0].vrsta, VrstaPoruke::Greska);
        QCOMPARE(Tekst(&f, "edtWk"), wk);
        QVERIFY(DetaljiDozvoljeni(&f));
        QCOMPARE(f.DodatniPodaci()->hEf, prije.hEf);
        QCOMPARE(f.DodatniPodaci()->D, prije.D);
    }

    void keysOfTheStirrupFollowTheNumericFilter() {
        QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia));
        TPresjek p = RadniPrimjer();
        TfrmPrsline f(projekat_, poruke_);
        f.Postavi(p);
        f.Aktiviraj();
        auto* cbo = Nadji<QComboBox>(&f, "cboVilica");
        cbo->lineEdit()->clear();
        QTest::keyClicks(cbo->lineEdit(), "9.5mm");
        QCOMPARE(cbo->currentText(), QString("9,5"));
        QTest::keyClick(cbo->lineEdit(), Qt::Key_Return);
        QCOMPARE(p.Vilica, 9.5);
        QVERIFY(p.ima(sfPrsline));
    }
    // A key typed into the stirrup box goes to the widget that has the focus, which for an
    // editable combo box is the box itself, not its line edit.
    void keysTypedIntoTheFocusedStirrupBoxAreFiltered() {
        QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia));
        TPresjek p = RadniPrimjer();
        TfrmPrsline f(projekat_, poruke_);
        f.Postavi(p);
        f.Aktiviraj();
        f.show();
        QApplication::setActiveWindow(&f);
        auto* cbo = Nadji<QComboBox>(&f, "cboVilica");
        cbo->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QWidget* fokus = QApplication::focusWidget();
        QVERIFY(fokus == cbo || fokus == cbo->lineEdit());
        cbo->lineEdit()->clear();
        QTest::keyClicks(fokus, "9.5mm");
        QCOMPARE(cbo->currentText(), QString("9,5"));
        QTest::keyClick(fokus, Qt::Key_Return);
        QCOMPARE(p.Vilica, 9.5);
        QVERIFY(p.ima(sfPrsline));
        QCOMPARE(cbo->count(), 5); // Enter calculates; it adds no item to the list
    }
};

QTEST_MAIN(PrslineTest)
#include "prsline_test.moc"
