#include "ui/sirina_ploce_dijalog.h"

#include "common/pomocnici.h"
#include "ui/brojevi.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

using namespace nmk;
using namespace nmk::ui;
using nmk::test::SnimajucePoruke;

namespace {

QLineEdit* Polje(QWidget& d, const char* ime) {
    return d.findChild<QLineEdit*>(ime);
}

void Pritisni(QWidget& d, const char* ime) {
    d.findChild<QPushButton*>(ime)->click();
}

} // namespace

class SirinaPloceTest : public QObject {
    Q_OBJECT

    QString rebro_ = "20";

    // A window whose opener's web-width edit holds rebro_.
    std::unique_ptr<TfrmSirinaPloceTPresjeka> Prozor(SnimajucePoruke& poruke) {
        return std::make_unique<TfrmSirinaPloceTPresjeka>(poruke, [this] { return rebro_; });
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia));
        rebro_ = "20";
    }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void widthFollowsTheSystemAndIsLimitedByTheRibSpacing_data() {
        QTest::addColumn<int>("sistem");
        QTest::addColumn<QString>("raspon");
        QTest::addColumn<QString>("rebro");
        QTest::addColumn<double>("ocekivano");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("defaults") << 0 << "400"
                                  << "20" << 100.0 << "100,00";
        QTest::newRow("interior span") << 2 << "400"
                                       << "20" << 76.0 << "76,00";
        QTest::newRow("end span") << 1 << "400"
                                  << "20" << 88.0 << "88,00";
        QTest::newRow("limited to e") << 0 << "2000"
                                      << "20" << 300.0 << "300,00";
        QTest::newRow("decimal web") << 0 << "400"
                                     << "20,5" << 100.5 << "100,50";
    }
    void widthFollowsTheSystemAndIsLimitedByTheRibSpacing() {
        QFETCH(int, sistem);
        QFETCH(QString, raspon);
        QFETCH(QString, rebro);
        QFETCH(double, ocekivano);
        QFETCH(QString, tekst);
        SnimajucePoruke poruke;
        rebro_ = rebro;
        auto d = Prozor(poruke);
        d->show();
        Polje(*d, "edtRaspon")->setText(raspon);
        d->findChild<QComboBox*>("cboStatickiSistem")->setCurrentIndex(sistem);
        Pritisni(*d, "btnSirinaPloce");
        QCOMPARE(d->Sirina(), tekst);
        QVERIFY(qAbs(ProcitajBroj(d->Sirina()).value() - ocekivano) < 0.005);
        QVERIFY(poruke.poruke.empty());
    }

    void changingTheSystemRecomputesAtOnce() {
        SnimajucePoruke poruke;
        auto d = Prozor(poruke);
        d->show();
        d->findChild<QComboBox*>("cboStatickiSistem")->setCurrentIndex(2);
        QCOMPARE(d->Sirina(), QString("76,00"));
    }

    void enterInAnEditComputes() {
        SnimajucePoruke poruke;
        auto d = Prozor(poruke);
        d->show();
        QLineEdit* e = Polje(*d, "edtOsovinskoRast");
        e->clear();
        QTest::keyClicks(e, "90");
        QTest::keyClick(e, Qt::Key_Return);
        QCOMPARE(d->Sirina(), QString("90,00"));
        QVERIFY(d->isVisible());
    }

    void emptySpanLeavesThePreviousResultWithoutAMessage() {
        SnimajucePoruke poruke;
        auto d = Prozor(poruke);
        d->show();
        Pritisni(*d, "btnSirinaPloce");
        const QString prije = d->Sirina();
        Polje(*d, "edtRaspon")->clear();
        Pritisni(*d, "btnSirinaPloce");
        d->findChild<QComboBox*>("cboStatickiSistem")->setCurrentIndex(1);
        QCOMPARE(d->Sirina(), prije);
        QVERIFY(poruke.poruke.empty());
    }

    void acceptingBeforeAnyComputationIsRefused() {
        SnimajucePoruke poruke;
        auto d = Prozor(poruke);
        d->show();
        Pritisni(*d, "btnOK");
        QVERIFY(d->isVisible());
        QCOMPARE(poruke.poruke.size(), size_t(1));
        QVERIFY(poruke.poruke[0].obicna);
        QCOMPARE(poruke.poruke[0].tekst, std::string("Neodgovarajuci rezultat!"));
    }

    void acceptingAComputedWidthClosesWithItsText() {
        SnimajucePoruke poruke;
        auto d = Prozor(poruke);
        d->show();
        Pritisni(*d, "btnSirinaPloce");
        Pritisni(*d, "btnOK");
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(d->Sirina(), QString("100,00"));
        QVERIFY(poruke.poruke.empty());
    }

    void webWidthComesFromTheOpenerOnEveryShow() {
        SnimajucePoruke poruke;
        auto d = Prozor(poruke);
        rebro_ = "35";
        d->show();
        QCOMPARE(Polje(*d, "edtRebro")->text(), QString("35"));
        d->hide();
        rebro_ = "40";
        d->show();
        QCOMPARE(Polje(*d, "edtRebro")->text(), QString("40"));
        Pritisni(*d, "btnSirinaPloce");
        QCOMPARE(d->Sirina(), QString("120,00"));
        QDir().mkpath(NMK_ARTEFACT_DIR);
        d->grab().save(NMK_ARTEFACT_DIR "/sirina_ploce.png");
    }

    void editsDropMinusAndLetters() {
        SnimajucePoruke poruke;
        auto d = Prozor(poruke);
        QLineEdit* e = Polje(*d, "edtRaspon");
        e->clear();
        QTest::keyClicks(e, "-12.5a");
        QCOMPARE(e->text(), QString("12,5"));
    }

    void everySystemHasItsOwnPicture() {
        const QSize v(64, 24);
        QCOMPARE(SlikaSistemaPloce(0, v).size(), v);
        QVERIFY(SlikaSistemaPloce(0, v).toImage() != SlikaSistemaPloce(1, v).toImage());
        QVERIFY(SlikaSistemaPloce(1, v).toImage() != SlikaSistemaPloce(2, v).toImage());
        QImage prazna(SlikaSistemaPloce(7, v).toImage());
        QCOMPARE(prazna.size(), v);
        QCOMPARE(prazna.pixelColor(32, 10).alpha(), 0);
    }
};

QTEST_MAIN(SirinaPloceTest)
#include "sirina_ploce_test.moc"
