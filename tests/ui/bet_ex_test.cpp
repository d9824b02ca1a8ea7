#include "ui/bet_ex.h"

#include "engine/tecenje.h"
#include "pomoc_prozora.h"
#include "ui/brojevi.h"
#include "ui/koef_skupljanja.h"
#include "ui/koef_tecenja.h"
#include "ui/prsline.h"
#include "ui/ugibi.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>

using namespace nmk;
using namespace nmk::test;
using nmk::ui::TfrmBetEx;
using nmk::ui::TfrmKoeficijentTecenja;
using nmk::ui::TfrmKoefSkupljanja;

namespace {

void PostaviTekst(QWidget* prozor, const char* ime, const QString& tekst) {
    Nadji<QComboBox>(prozor, ime)->setEditText(tekst);
}

double Tecenje(SnimajucePoruke& poruke, double h0, const char* t0, const char* RH) {
    TfrmKoeficijentTecenja d(h0, poruke);
    PostaviTekst(&d, "cboStarost", t0);
    PostaviTekst(&d, "cboVlaznost", RH);
    Klikni(&d, "btnKoefTecenja");
    return d.Rezultat();
}

double Skupljanje(SnimajucePoruke& poruke, double h0, const char* RH) {
    TfrmKoefSkupljanja d(h0, poruke);
    PostaviTekst(&d, "cboVlaznost", RH);
    Klikni(&d, "btnKoefSkupljanja");
    return d.Rezultat();
}

const char* const Polja[] = {"edtfi", "edthi", "edtebs", "edtalfa_st", "edtB1", "edtB2"};

} // namespace

class BetExTest : public QObject {
    Q_OBJECT

    SnimajucePoruke poruke_;
    PodaciServisa servis_;

private slots:
    void init() {
        poruke_.Obrisi();
        servis_ = {};
    }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void showsTheSixParametersWithTheStrainInPerMille() {
        TBetonEx be;
        TfrmBetEx d(be, servis_, 240, poruke_);
        const char* const ocekivano[] = {"2.50", "0.80", "0.30", "0.80", "1.00", "0.50"};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(Tekst(&d, Polja[i]), QString(ocekivano[i]));
        SacuvajSliku(&d, "frmBetEx");
    }

    void okWritesAllSixAndTheStrainAsARatio() {
        TBetonEx be;
        TfrmBetEx d(be, servis_, 240, poruke_);
        const char* const upisano[] = {"1.8", "0.75", "0.45", "0.6", "0.9", "1"};
        for (int i = 0; i < 6; ++i)
            Upisi(&d, Polja[i], upisano[i]);
        Klikni(&d, "btnOK");
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(be.fi, 1.8);
        QCOMPARE(be.hi, 0.75);
        QVERIFY(std::abs(be.ebs - 0.00045) < 1e-10); // through single precision
        QCOMPARE(be.alfa_st, 0.6);
        QCOMPARE(be.B1, 0.9);
        QCOMPARE(be.B2, 1.0);
        QVERIFY(poruke_.poruke.empty());
    }

    void aMistypedParameterKeepsTheDialogOpenAndWritesNothing() {
        for (const char* polje : Polja) {
            poruke_.Obrisi();
            TBetonEx be;
            TfrmBetEx d(be, servis_, 240, poruke_);
            for (const char* p : Polja)
                Upisi(&d, p, "3");
            Upisi(&d, polje, "3,,1");
            Klikni(&d, "btnOK");
            QCOMPARE(poruke_.poruke.size(), std::size_t(1));
            QCOMPARE(poruke_.poruke[0].tekst, std::string("Podaci nisu dobro zadani !"));
            QCOMPARE(d.result(), 0);
            QCOMPARE(be.fi, TBetonEx{}.fi);
            QCOMPARE(be.B2, TBetonEx{}.B2);
            QCOMPARE(be.ebs, TBetonEx{}.ebs);
        }
    }

    void aNegativeCreepCoefficientOrShrinkageStrainIsRefused() {
        for (auto [polje, poruka] : {std::pair{"edtfi", PorukaKoeficijentTecenja},
                                     std::pair{"edtebs", PorukaSkupljanje}}) {
            TBetonEx be;
            TfrmBetEx d(be, servis_, 240, poruke_);
            Upisi(&d, "edthi", "0.6");
            Upisi(&d, polje, "-0.1");
            Klikni(&d, "btnOK");
            QCOMPARE(poruke_.poruke.back().tekst, std::string(poruka));
            QCOMPARE(d.result(), 0);
            QCOMPARE(be.hi, TBetonEx{}.hi); // all or nothing
        }
    }

    // The helpers start from the project's age and humidities; OK keeps those a coefficient
    // was computed with, "Otkazi" none.
    void helpersStartFromTheProjectsInputsAndOkKeepsThoseComputedWith() {
        for (bool potvrdi : {false, true}) {
            servis_ = {.StarostTecenja = 90, .VlaznostTecenja = 65, .VlaznostSkupljanja = 55};
            TBetonEx be;
            TfrmBetEx d(be, servis_, 240, poruke_);
            KadSeOtvoriModalni([](QWidget* w) {
                QCOMPARE(Nadji<QComboBox>(w, "cboStarost")->currentText(), QString("90"));
                PostaviTekst(w, "cboStarost", "365");
                Klikni(w, "btnKoefTecenja");
                PostaviTekst(w, "cboStarost", "7"); // typed, never computed with
                Klikni(w, "btnOK");
            });
            Klikni(&d, "btnFi");
            KadSeOtvoriModalni([](QWidget* w) {
                QCOMPARE(Nadji<QComboBox>(w, "cboVlaznost")->currentText(), QString("55"));
                Klikni(w, "btnOK");
            });
            Klikni(&d, "btnEcs");
            Klikni(&d, potvrdi ? "btnOK" : "btnOtkazi");
            QCOMPARE(servis_.StarostTecenja, potvrdi ? 365 : 90);
            QCOMPARE(servis_.VlaznostSkupljanja, 55.0);
        }
    }

    void cancelWritesNothingAndEnterPressesOk() {
        TBetonEx be;
        {
            TfrmBetEx d(be, servis_, 240, poruke_);
            Upisi(&d, "edtfi", "9");
            Klikni(&d, "btnOtkazi");
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(be.fi, 2.5);
        }
        TfrmBetEx d(be, servis_, 240, poruke_);
        Upisi(&d, "edtB1", "0.5");
        QTest::keyClick(Nadji<QLineEdit>(&d, "edtB1"), Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(be.B1, 0.5);
    }

    void keysBecomeTheLocaleSeparatorAndLettersAreDropped() {
        QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia));
        TBetonEx be;
        TfrmBetEx d(be, servis_, 240, poruke_);
        QCOMPARE(Tekst(&d, "edtfi"), QString("2,50"));
        auto* edt = Nadji<QLineEdit>(&d, "edthi");
        edt->clear();
        QTest::keyClicks(edt, "-0.5e");
        QCOMPARE(edt->text(), QString("-0,5"));
    }

    void closingTheCreepHelperWithoutComputingGivesZero() {
        TBetonEx be;
        TfrmBetEx d(be, servis_, 240, poruke_);
        bool otvoren = false;
        KadSeOtvoriModalni(
            [](QWidget* w) {
                QCOMPARE(Tekst(w, "edtSrednjaDeblj"), QString("240.00"));
                Klikni(w, "btnOK");
            },
            &otvoren);
        Klikni(&d, "btnFi");
        QVERIFY(otvoren);
        QCOMPARE(Tekst(&d, "edtfi"), QString("0.00"));
        QCOMPARE(be.fi, 2.5); // nothing written before OK
    }

    void helpersHandTheirLastResultToTheFields() {
        TBetonEx be;
        TfrmBetEx d(be, servis_, 240, poruke_);
        double fi = 0, ecs = 0;
        KadSeOtvoriModalni([&](QWidget* w) {
            Klikni(w, "btnKoefTecenja");
            fi = static_cast<TfrmKoeficijentTecenja*>(w)->Rezultat();
            SacuvajSliku(w, "frmKoeficijentTecenja");
            static_cast<QDialog*>(w)->reject(); // closing by the window's frame
        });
        Klikni(&d, "btnFi");
        QCOMPARE(Tekst(&d, "edtfi"), ui::Broj(fi, 15, 2));
        KadSeOtvoriModalni([&](QWidget* w) {
            PostaviTekst(w, "cboVlaznost", "50");
            Klikni(w, "btnKoefSkupljanja");
            ecs = static_cast<TfrmKoefSkupljanja*>(w)->Rezultat();
            SacuvajSliku(w, "frmKoefSkupljanja");
            Klikni(w, "btnOK");
        });
        Klikni(&d, "btnEcs");
        QCOMPARE(Tekst(&d, "edtebs"), ui::Broj(ecs, 15, 2));
        QVERIFY(fi > 0 && ecs > 0);
        Klikni(&d, "btnOK");
        QVERIFY(std::abs(be.ebs - ecs / 1000) < 1e-5);
    }

    void serviceWindowsOpenItWithTheNotionalSizeOfTheirSection() {
        Projekat pr = ProjekatSKatalozima();
        TPresjek p = RadniPrimjer();
        p.b = p.b0 = 40;
        p.h = p.h0 = 60;
        ui::TfrmUgibi ugibi(pr, poruke_);
        ui::TfrmPrsline prsline(pr, poruke_);
        ugibi.Postavi(p);
        prsline.Postavi(p);
        for (QDialog* prozor : {static_cast<QDialog*>(&ugibi), static_cast<QDialog*>(&prsline)}) {
            double h0 = 0;
            KadSeOtvoriModalni([&](QWidget* w) {
                h0 = static_cast<TfrmBetEx*>(w)->KarakteristicnaDebljina();
                Upisi(w, "edthi", "0.7");
                Klikni(w, "btnOK");
            });
            Klikni(prozor, "SpeedButton2");
            QCOMPARE(h0, 240.0);
            QCOMPARE(pr.betonEx.hi, 0.7);
            pr.betonEx.hi = 0.8;
        }
    }
};

class KoeficijentiTest : public QObject {
    Q_OBJECT

    SnimajucePoruke poruke_;

private slots:
    void init() { poruke_.Obrisi(); }

    void creepStartsAt28DaysAnd80PercentAndShowsTheTableValue() {
        TfrmKoeficijentTecenja d(150, poruke_);
        QCOMPARE(Nadji<QComboBox>(&d, "cboStarost")->currentText(), QString("28"));
        QCOMPARE(Nadji<QComboBox>(&d, "cboVlaznost")->currentText(), QString("80"));
        QVERIFY(Nadji<QLineEdit>(&d, "edtFi")->isReadOnly());
        QCOMPARE(d.Rezultat(), 0.0);
        Klikni(&d, "btnKoefTecenja");
        QCOMPARE(Tekst(&d, "edtFi"), QString("1.70"));
        QCOMPARE(d.Rezultat(), KoeficijentTecenja(28, 80, 150));
    }

    void humidityOf65GivesTheMeanOfBothTables() {
        for (double h0 : {100.0, 240.0, 700.0}) {
            for (const char* t0 : {"3", "28", "200"}) {
                const double f50 = Tecenje(poruke_, h0, t0, "50");
                const double f80 = Tecenje(poruke_, h0, t0, "80");
                QVERIFY(std::abs(Tecenje(poruke_, h0, t0, "65") - (f50 + f80) / 2) < 1e-12);
            }
            const double e50 = Skupljanje(poruke_, h0, "50");
            const double e80 = Skupljanje(poruke_, h0, "80");
            QVERIFY(std::abs(Skupljanje(poruke_, h0, "65") - (e50 + e80) / 2) < 1e-12);
        }
        QVERIFY(poruke_.poruke.empty());
    }

    // Each row: the age and humidity typed; the result must stay and one error be shown.
    void badAgeOrHumidityIsReportedAndKeepsThePreviousResult() {
        const char* const slucajevi[][2] = {
            {"2.5", "80"}, {"abc", "80"}, {"", "80"}, {"0", "80"}, {"-7", "80"}, {"28", "vlazno"},
        };
        for (const auto& s : slucajevi) {
            poruke_.Obrisi();
            TfrmKoeficijentTecenja d(240, poruke_);
            Klikni(&d, "btnKoefTecenja");
            const double prije = d.Rezultat();
            const QString tekst = Tekst(&d, "edtFi");
            PostaviTekst(&d, "cboStarost", s[0]);
            PostaviTekst(&d, "cboVlaznost", s[1]);
            Klikni(&d, "btnKoefTecenja");
            QCOMPARE(d.Rezultat(), prije);
            QCOMPARE(Tekst(&d, "edtFi"), tekst);
            QCOMPARE(poruke_.poruke.size(), std::size_t(1));
            QCOMPARE(poruke_.poruke[0].vrsta, VrstaPoruke::Greska);
            QVERIFY(!poruke_.poruke[0].tekst.empty());
        }
    }

    void ageBelowOneDayIsRefusedWithItsOwnMessage() {
        TfrmKoeficijentTecenja d(240, poruke_);
        PostaviTekst(&d, "cboStarost", "0");
        Klikni(&d, "btnKoefTecenja");
        QCOMPARE(poruke_.poruke.size(), std::size_t(1));
        QCOMPARE(poruke_.poruke[0].tekst, std::string(PorukaStarostBetona));
        QCOMPARE(Tekst(&d, "edtFi"), QString());
    }

    void shrinkageExtrapolatesBelow150mm() {
        TfrmKoefSkupljanja d(100, poruke_);
        QCOMPARE(Nadji<QComboBox>(&d, "cboVlaznost")->currentText(), QString("80"));
        QCOMPARE(Tekst(&d, "edtSrednjaDeblj"), QString("100.00"));
        PostaviTekst(&d, "cboVlaznost", "50");
        Klikni(&d, "btnKoefSkupljanja");
        QCOMPARE(Tekst(&d, "edtECS"), QString("0.61"));
        QVERIFY(std::abs(d.Rezultat() - (0.6 + 0.1 / 9)) < 1e-9);
    }

    void shrinkageWithABadHumidityKeepsThePreviousResult() {
        TfrmKoefSkupljanja d(240, poruke_);
        Klikni(&d, "btnKoefSkupljanja");
        const QString tekst = Tekst(&d, "edtECS");
        PostaviTekst(&d, "cboVlaznost", "8o");
        Klikni(&d, "btnKoefSkupljanja");
        QCOMPARE(Tekst(&d, "edtECS"), tekst);
        QCOMPARE(poruke_.poruke.size(), std::size_t(1));
        QVERIFY(poruke_.poruke[0].tekst.find("8o") != std::string::npos);
    }
    // Typing a value and Enter in the age or humidity box leaves the offered items as they are.
    void enterInTheBoxesKeepsTheirItems() {
        TfrmKoeficijentTecenja d(240, poruke_);
        for (const char* ime : {"cboStarost", "cboVlaznost"}) {
            auto* cbo = Nadji<QComboBox>(&d, ime);
            QStringList prije;
            for (int i = 0; i < cbo->count(); ++i)
                prije << cbo->itemText(i);
            cbo->lineEdit()->clear();
            QTest::keyClicks(cbo, "45");
            QTest::keyClick(cbo, Qt::Key_Return);
            QStringList poslije;
            for (int i = 0; i < cbo->count(); ++i)
                poslije << cbo->itemText(i);
            QCOMPARE(poslije, prije);
            QCOMPARE(cbo->currentText(), QString("45"));
        }
        Klikni(&d, "btnKoefTecenja");
        QCOMPARE(d.Rezultat(), KoeficijentTecenja(45, 45, 240));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int rezultat = 0;
    {
        BetExTest t;
        rezultat |= QTest::qExec(&t, argc, argv);
    }
    {
        KoeficijentiTest t;
        rezultat |= QTest::qExec(&t, argc, argv);
    }
    return rezultat;
}

#include "bet_ex_test.moc"
