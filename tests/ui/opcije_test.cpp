#include "ui/opcije.h"

#include "common/pomocnici.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace nmk;
using namespace nmk::ui;
using nmk::test::SnimajucePoruke;

namespace {

struct Okolina {
    TSistem sistem;
    TBetonEx ex;
    SnimajucePoruke poruke;
};

QLineEdit* Polje(QWidget& d, const char* ime) {
    return d.findChild<QLineEdit*>(ime);
}

void Pritisni(QWidget& d, const char* ime) {
    d.findChild<QPushButton*>(ime)->click();
}

Qt::CheckState Oznaka(QWidget& d, int stavka) {
    return d.findChild<QListWidget*>("chklist")->item(stavka)->checkState();
}

} // namespace

class OpcijeTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void openingShowsTheFlagsAndTwoDecimals() {
        Okolina o;
        o.sistem.PrikaziPoruke = false;
        o.ex.esu = 10;
        TfrmOpcije d(o.sistem, o.ex, o.poruke);
        QCOMPARE(d.windowTitle(), QString("Opcije"));
        QCOMPARE(Oznaka(d, TfrmOpcije::AutomatskiProracun), Qt::Checked);
        QCOMPARE(Oznaka(d, TfrmOpcije::PrikaziPoruke), Qt::Unchecked);
        QCOMPARE(Oznaka(d, TfrmOpcije::MinMaxArmatura), Qt::Checked);
        QCOMPARE(Polje(d, "edtesu")->text(), QString("10,00"));
        QCOMPARE(Polje(d, "edtKsi35")->text(), QString("0,45"));
        QCOMPARE(Polje(d, "edtKsi45")->text(), QString("0,35"));
        QDir().mkpath(NMK_ARTEFACT_DIR);
        d.grab().save(NMK_ARTEFACT_DIR "/opcije.png");
    }

    void upperLimitAboveOneWarnsWithIzmedjuAndKeepsTheDialogOpen() {
        Okolina o;
        TfrmOpcije d(o.sistem, o.ex, o.poruke);
        d.show();
        d.findChild<QListWidget*>("chklist")->item(0)->setCheckState(Qt::Unchecked);
        Polje(d, "edtesu")->setText("15,5");
        Polje(d, "edtKsi35")->setText("1,2");
        Pritisni(d, "btnOK");
        QVERIFY(d.isVisible());
        QCOMPARE(o.poruke.poruke.size(), size_t(1));
        QCOMPARE(o.poruke.poruke[0].tekst,
                 std::string("Koeficijent pritisnute zone mora biti izmedju 0 i 1"));
        QCOMPARE(o.poruke.poruke[0].vrsta, VrstaPoruke::Upozorenje);
        // The steps before the failing one are kept.
        QVERIFY(!o.sistem.AutomatskiProracun);
        QCOMPARE(o.ex.esu, 15.5);
        QCOMPARE(o.ex.Ksi35, 0.45);
    }

    void emptyLowerLimitWarnsWithIzmedu() {
        Okolina o;
        TfrmOpcije d(o.sistem, o.ex, o.poruke);
        d.show();
        Polje(d, "edtKsi35")->setText("0,4");
        Polje(d, "edtKsi45")->clear();
        Pritisni(d, "btnOK");
        QVERIFY(d.isVisible());
        QCOMPARE(o.poruke.poruke.size(), size_t(1));
        QCOMPARE(o.poruke.poruke[0].tekst,
                 std::string("Koeficijent pritisnute zone mora biti izmedu 0 i 1"));
        QCOMPARE(o.ex.Ksi35, 0.4);
        QCOMPARE(o.ex.Ksi45, 0.35);
    }

    void nonNumericSteelStrainIsAClearErrorAndKeepsTheDialogOpen() {
        Okolina o;
        TfrmOpcije d(o.sistem, o.ex, o.poruke);
        d.show();
        d.findChild<QListWidget*>("chklist")->item(2)->setCheckState(Qt::Unchecked);
        Polje(d, "edtesu")->setText(",");
        Polje(d, "edtKsi35")->setText("0,3");
        Pritisni(d, "btnOK");
        QVERIFY(d.isVisible());
        QCOMPARE(o.poruke.poruke.size(), size_t(1));
        QCOMPARE(o.poruke.poruke[0].vrsta, VrstaPoruke::Greska);
        QVERIFY(o.poruke.poruke[0].tekst.find("nije ispravan broj") != std::string::npos);
        QCOMPARE(o.ex.esu, 20.0);
        QCOMPARE(o.ex.Ksi35, 0.45);
        QVERIFY(!o.sistem.MinMaxArmatura);
    }

    void limitsAreAcceptedOnlyAboveZeroUpToOne_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("prihvaceno");
        QTest::newRow("zero") << "0" << false;
        QTest::newRow("small") << "0,01" << true;
        QTest::newRow("one") << "1" << true;
        QTest::newRow("above one") << "1,01" << false;
        QTest::newRow("separator only") << "," << false;
    }
    void limitsAreAcceptedOnlyAboveZeroUpToOne() {
        QFETCH(QString, tekst);
        QFETCH(bool, prihvaceno);
        Okolina o;
        TfrmOpcije d(o.sistem, o.ex, o.poruke);
        d.show();
        Polje(d, "edtKsi45")->setText(tekst);
        Pritisni(d, "btnOK");
        QCOMPARE(d.result() == QDialog::Accepted, prihvaceno);
        QCOMPARE(o.poruke.poruke.empty(), prihvaceno);
        QCOMPARE(o.ex.Ksi45 != 0.35, prihvaceno);
    }

    void okStoresEverythingAndAnnouncesTheRecalculationSetting() {
        Okolina o;
        TfrmOpcije d(o.sistem, o.ex, o.poruke);
        QSignalSpy signal(&d, &TfrmOpcije::AutomatskiProracunPostavljen);
        d.show();
        auto* lista = d.findChild<QListWidget*>("chklist");
        lista->item(0)->setCheckState(Qt::Unchecked);
        lista->item(1)->setCheckState(Qt::Unchecked);
        Polje(d, "edtesu")->setText("25");
        Polje(d, "edtKsi35")->setText("0,5");
        Polje(d, "edtKsi45")->setText("0,25");
        Pritisni(d, "btnOK");
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(!o.sistem.AutomatskiProracun && !o.sistem.PrikaziPoruke);
        QVERIFY(o.sistem.MinMaxArmatura);
        QCOMPARE(o.ex.esu, 25.0);
        QCOMPARE(o.ex.Ksi35, 0.5);
        QCOMPARE(o.ex.Ksi45, 0.25);
        QCOMPARE(signal.count(), 1);
        QCOMPARE(signal.at(0).at(0).toBool(), false);
    }

    void cancelChangesNothing() {
        Okolina o;
        TfrmOpcije d(o.sistem, o.ex, o.poruke);
        d.show();
        d.findChild<QListWidget*>("chklist")->item(0)->setCheckState(Qt::Unchecked);
        Polje(d, "edtesu")->setText("3");
        Pritisni(d, "btnOtkazi");
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(o.sistem.AutomatskiProracun);
        QCOMPARE(o.ex.esu, 20.0);
    }

    void editsTakeDigitsAndOneKindOfSeparatorButNoMinus() {
        Okolina o;
        TfrmOpcije d(o.sistem, o.ex, o.poruke);
        QLineEdit* e = Polje(d, "edtKsi35");
        e->clear();
        QTest::keyClicks(e, "-0.3x");
        QCOMPARE(e->text(), QString("0,3"));
    }
};

QTEST_MAIN(OpcijeTest)
#include "opcije_test.moc"
