#include "ui/armatura_dijalog.h"

#include "engine/armatura.h"
#include "pomoc_prozora.h"

#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <fstream>

using namespace nmk;
using namespace nmk::test;
using nmk::ui::TfrmArmatura;

namespace {

QToolButton* Celija(QWidget* d, int red, int kolona) {
    return Nadji<QToolButton>(d, QStringLiteral("spbSipke_%1_%2").arg(red).arg(kolona).toLatin1());
}

// Row of a diameter in the grid of the section's steel.
int RedPrecnika(const TPresjek& p, int precnik) {
    const auto& precnici = PrecniciSipki(p.Celik);
    for (int r = 0; r < 13; ++r)
        if (precnici[r] == precnik)
            return r;
    return -1;
}

QColor BojaTeksta(QWidget* w) {
    return w->palette().color(QPalette::ButtonText);
}

} // namespace

class ArmaturaDijalogTest : public QObject {
    Q_OBJECT

    Katalozi katalozi_ = UgradjeniKatalozi();
    SnimajucePoruke poruke_;

    TPresjek Presjek() {
        TPresjek p = RadniPrimjer();
        p.ArmDonja.clear();
        p.Aa1 = 2.5;
        p.Aa2 = 10.123;
        return p;
    }

private slots:
    void init() { poruke_.Obrisi(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void captionAndEditsShowTheSteelAndTheRequiredAreas() {
        TPresjek p = Presjek();
        TfrmArmatura d(katalozi_, poruke_, ProgramskiFolder());
        d.Postavi(p);
        d.Aktiviraj();
        QCOMPARE(d.windowTitle(), QString("Armatura B500  [cm2]"));
        QCOMPARE(Tekst(&d, "edtPotAa1"), QString("2.50"));
        QCOMPARE(Tekst(&d, "edtPotAa2"), QString("10.12"));
        QVERIFY(Nadji<QRadioButton>(&d, "rdbDonja")->isChecked());
        // the active layer's edit is white, the other one is not
        QCOMPARE(Nadji<QLineEdit>(&d, "edtPotAa2")->palette().color(QPalette::Base),
                 QColor(Qt::white));
        QVERIFY(Nadji<QLineEdit>(&d, "edtPotAa1")->palette().color(QPalette::Base) !=
                QColor(Qt::white));
    }

    void gridShowsTheDiametersOfTheSteelAndTheAreasOfTheirBars() {
        for (int celik : {1, 3}) {
            TPresjek p = Presjek();
            p.Celik = celik;
            TfrmArmatura d(katalozi_, poruke_, ProgramskiFolder());
            d.Postavi(p);
            d.Aktiviraj();
            for (int r = 0; r < 13; ++r) {
                const int precnik = PrecniciSipki(celik)[r];
                QCOMPARE(
                    Nadji<QToolButton>(&d, QStringLiteral("lblFi%1").arg(r + 1).toLatin1())->text(),
                    QString::number(precnik));
                for (int k : {0, 9}) {
                    const double povrsina = (k + 1) * 3.14159265358979 * precnik * precnik / 400;
                    QCOMPARE(Celija(&d, r, k)->text(), QString::number(povrsina, 'f', 2));
                }
            }
        }
    }

    void pressingAndReleasingColumnsThreeAndFiveOfThe16mmRow() {
        TPresjek p = Presjek();
        TfrmArmatura d(katalozi_, poruke_, ProgramskiFolder());
        d.Postavi(p);
        d.Aktiviraj();
        const int r = RedPrecnika(p, 16);
        auto* red = Nadji<QToolButton>(&d, QStringLiteral("lblFi%1").arg(r + 1).toLatin1());
        auto* kolona3 = Nadji<QToolButton>(&d, "lblKomada3");
        QTest::mouseClick(Celija(&d, r, 2), Qt::LeftButton);
        QTest::mouseClick(Celija(&d, r, 4), Qt::LeftButton);
        QCOMPARE(d.Model().Donja(), (TUsvojenaArmatura{{16, 8}}));
        QVERIFY(red->isChecked() && kolona3->isChecked());
        QVERIFY(Nadji<QLabel>(&d, "lblOdabranoDolje")->text().startsWith("stvAa2= 16.08 cm2"));

        QTest::mouseClick(Celija(&d, r, 2), Qt::LeftButton);
        QCOMPARE(d.Model().Donja(), (TUsvojenaArmatura{{16, 5}}));
        QVERIFY(red->isChecked() && !kolona3->isChecked());
        QTest::mouseClick(Celija(&d, r, 4), Qt::LeftButton);
        QVERIFY(d.Model().Donja().empty());
        QVERIFY(!red->isChecked());
        QVERIFY(d.Model().Gornja().empty());
    }

    void switchingTheLayerReleasesTheButtonsAndKeepsBothLists() {
        TPresjek p = Presjek();
        TfrmArmatura d(katalozi_, poruke_, ProgramskiFolder());
        d.Postavi(p);
        d.Aktiviraj();
        const int r16 = RedPrecnika(p, 16), r12 = RedPrecnika(p, 12);
        QTest::mouseClick(Celija(&d, r16, 3), Qt::LeftButton);
        QTest::mouseClick(Nadji<QRadioButton>(&d, "rdbGornja"), Qt::LeftButton);
        QVERIFY(!Celija(&d, r16, 3)->isChecked());
        QCOMPARE(Nadji<QLineEdit>(&d, "edtPotAa1")->palette().color(QPalette::Base),
                 QColor(Qt::white));
        QTest::mouseClick(Celija(&d, r12, 1), Qt::LeftButton);
        QTest::mouseClick(Nadji<QRadioButton>(&d, "rdbDonja"), Qt::LeftButton);
        QCOMPARE(d.Model().Donja(), (TUsvojenaArmatura{{16, 4}}));
        QCOMPARE(d.Model().Gornja(), (TUsvojenaArmatura{{12, 2}}));
        QVERIFY(Nadji<QLabel>(&d, "lblOdabranoGore")->text().startsWith("stvAa1= 2.26 cm2"));
    }

    void gridIsGreenWhereAButtonCoversTheRestAndRedElsewhere() {
        TPresjek p = Presjek();
        TfrmArmatura d(katalozi_, poruke_, ProgramskiFolder());
        d.Postavi(p);
        d.Aktiviraj();
        auto provjeri = [&](double ostatak) {
            for (int r = 0; r < 13; ++r)
                for (int k = 0; k < 10; ++k) {
                    const bool zelena = d.Model().PovrsinaCelije(r, k) >= ostatak;
                    QCOMPARE(BojaTeksta(Celija(&d, r, k)),
                             zelena ? QColor(0, 128, 0) : QColor(Qt::red));
                }
        };
        provjeri(10.12);
        QTest::mouseClick(Celija(&d, RedPrecnika(p, 16), 3), Qt::LeftButton);
        provjeri(10.12 - PovrsinaArmature({{16, 4}}));
    }

    void comparisonLabelIsRedWhileTheChosenAreaIsShort() {
        TPresjek p = Presjek();
        TfrmArmatura d(katalozi_, poruke_, ProgramskiFolder());
        d.Postavi(p);
        d.Aktiviraj();
        auto* vm = Nadji<QLabel>(&d, "lblVMDolje");
        QCOMPARE(vm->text(), QString(">"));
        QCOMPARE(vm->palette().color(QPalette::WindowText), QColor(Qt::red));
        QTest::mouseClick(Celija(&d, RedPrecnika(p, 20), 3), Qt::LeftButton); // 12.57 cm2
        QCOMPARE(vm->text(), QString("<"));
        QCOMPARE(vm->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QCOMPARE(Nadji<QLabel>(&d, "lblOdabranoDolje")->toolTip(), QString("4 d20"));
        QCOMPARE(Nadji<QLabel>(&d, "lblVMGore")->text(), QString(">"));
    }

    void fiveGroupsShowThreeInTheLabelAndAllInTheHint() {
        TPresjek p = Presjek();
        TfrmArmatura d(katalozi_, poruke_, ProgramskiFolder());
        d.Postavi(p);
        d.Aktiviraj();
        for (int r = 0; r < 5; ++r)
            QTest::mouseClick(Celija(&d, r, 1), Qt::LeftButton);
        auto* lbl = Nadji<QLabel>(&d, "lblOdabranoDolje");
        QVERIFY(lbl->text().endsWith(QString::fromUtf8("(2 d6 + 2 d8 + 2 d10 + …)")));
        QCOMPARE(lbl->toolTip(), QString("2 d6 + 2 d8 + 2 d10 + 2 d12 + 2 d14"));
        QCOMPARE(Nadji<QToolButton>(&d, "lblKomada2")->isChecked(), true);
        QCOMPARE(Nadji<QToolButton>(&d, "lblKomada1")->isChecked(), false);
    }

    void requiredAreaKeysBecomeTheLocaleSeparatorAndOthersAreDropped() {
        QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia));
        TPresjek p = Presjek();
        TfrmArmatura d(katalozi_, poruke_, ProgramskiFolder());
        d.Postavi(p);
        d.Aktiviraj();
        QCOMPARE(Tekst(&d, "edtPotAa2"), QString("10,12"));
        auto* edt = Nadji<QLineEdit>(&d, "edtPotAa1");
        edt->clear();
        QTest::keyClicks(edt, "1a2.5-x");
        QCOMPARE(edt->text(), QString("12,5"));
        QTest::keyClick(edt, Qt::Key_Return);
        QVERIFY(!d.result());
        QVERIFY(p.ArmGornja.empty());
    }

    void acceptWritesBothListsAndTheBitCancelWritesNothing() {
        for (bool usvoji : {true, false}) {
            TPresjek p = Presjek();
            p.ArmGornja = {{10, 2}};
            TfrmArmatura d(katalozi_, poruke_, ProgramskiFolder());
            d.Postavi(p);
            d.Aktiviraj();
            QCOMPARE(d.Model().Gornja(), p.ArmGornja);
            QTest::mouseClick(Celija(&d, RedPrecnika(p, 16), 3), Qt::LeftButton);
            Klikni(&d, usvoji ? "btnOK" : "btnOtkazi");
            QCOMPARE(d.result(), usvoji ? int(QDialog::Accepted) : int(QDialog::Rejected));
            QCOMPARE(p.ArmDonja, (usvoji ? TUsvojenaArmatura{{16, 4}} : TUsvojenaArmatura{}));
            QCOMPARE(p.ArmGornja, (TUsvojenaArmatura{{10, 2}}));
            QCOMPARE(p.ima(sfArmatura), usvoji);
        }
    }

    void clearEmptiesBothListsAndReleasesEverything() {
        TPresjek p = Presjek();
        p.ArmGornja = {{10, 2}};
        TfrmArmatura d(katalozi_, poruke_, ProgramskiFolder());
        d.Postavi(p);
        d.Aktiviraj();
        QTest::mouseClick(Celija(&d, 0, 0), Qt::LeftButton);
        Klikni(&d, "spbObrisi");
        QVERIFY(d.Model().Gornja().empty() && d.Model().Donja().empty());
        QVERIFY(!Celija(&d, 0, 0)->isChecked());
        QVERIFY(!Nadji<QToolButton>(&d, "lblKomada1")->isChecked());
        QVERIFY(Nadji<QLabel>(&d, "lblOdabranoGore")->text().startsWith("stvAa1= 0.00 cm2"));
    }

    void modalShowingForgetsTheSectionAfterwards() {
        TPresjek p = Presjek();
        TfrmArmatura d(katalozi_, poruke_, ProgramskiFolder());
        KadSeOtvoriModalni([&](QWidget* w) {
            QTest::mouseClick(Celija(w, RedPrecnika(p, 16), 1), Qt::LeftButton);
            Klikni(w, "btnOK");
        });
        QCOMPARE(d.Prikazi(p), int(QDialog::Accepted));
        QCOMPARE(p.ArmDonja, (TUsvojenaArmatura{{16, 2}}));
        // a second showing starts from the section's bars with every button released
        KadSeOtvoriModalni([&](QWidget* w) {
            QVERIFY(!Celija(w, RedPrecnika(p, 16), 1)->isChecked());
            SacuvajSliku(w, "frmArmatura");
            Klikni(w, "btnOtkazi");
        });
        QCOMPARE(d.Prikazi(p), int(QDialog::Rejected));
        QCOMPARE(d.Model().Donja(), (TUsvojenaArmatura{{16, 2}}));
    }

    void rodplanMissingShowsItsPathAndStartsNothing() {
        QTemporaryDir folder;
        int pokrenuto = 0;
        QVERIFY(!ui::PokreniRodplan(folder.path().toStdString(), poruke_, [&](const QString&) {
            ++pokrenuto;
            return true;
        }));
        QCOMPARE(pokrenuto, 0);
        QCOMPARE(poruke_.poruke.size(), std::size_t(1));
        const auto& poruka = poruke_.poruke[0];
        QCOMPARE(poruka.vrsta, VrstaPoruke::Greska);
        QVERIFY(QString::fromStdString(poruka.tekst).endsWith("Rodplan\nNe postoji!") ||
                QString::fromStdString(poruka.tekst).endsWith("Rodplan.exe\nNe postoji!"));
        QVERIFY(poruka.tekst.starts_with(folder.path().toStdString()));
    }

    void rodplanBesideTheProgramIsStartedFromTheButton() {
        for (const char* ime : {"Rodplan", "Rodplan.exe"}) {
            QTemporaryDir folder;
            QDir(folder.path()).mkdir("Alati");
            std::ofstream(folder.filePath(QStringLiteral("Alati/") + ime).toStdString()) << "x";
            TPresjek p = Presjek();
            TfrmArmatura d(katalozi_, poruke_, folder.path().toStdString());
            QString pokrenut;
            d.PostaviPokretac([&](const QString& putanja) {
                pokrenut = putanja;
                return true;
            });
            d.Postavi(p);
            d.Aktiviraj();
            Klikni(&d, "spbRodplan");
            QCOMPARE(
                QFileInfo(pokrenut).canonicalFilePath(),
                QFileInfo(folder.filePath(QStringLiteral("Alati/") + ime)).canonicalFilePath());
            QVERIFY(poruke_.poruke.empty());
        }
    }
};

QTEST_MAIN(ArmaturaDijalogTest)
#include "armatura_dijalog_test.moc"
