// A whole working session driven through the widgets of the main window and its dialogs:
// three sections calculated, bars chosen, cracks and deflections computed, the project saved
// and opened again, and the report printed to PDF.

#include "common/pomocnici.h"
#include "data/katalog_fajl.h"
#include "data/postavke.h"
#include "data/sistem.h"
#include "pomoc_prozora.h"
#include "ui/brojevi.h"
#include "ui/glavni_prozor.h"
#include "ui/interaktivno.h"
#include "ui/pregled_stampe.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <deque>

using namespace nmk;
using namespace nmk::ui;
using nmk::test::KadSeOtvoriModalni;
using nmk::test::Klikni;
using nmk::test::Nadji;

namespace {

class LaziDijalozi : public DijaloziFajla {
public:
    std::deque<QString> otvori, snimi;
    QString Otvori(QWidget*, const QString&) override { return Uzmi(otvori); }
    QString Snimi(QWidget*, const QString&) override { return Uzmi(snimi); }

private:
    static QString Uzmi(std::deque<QString>& red) {
        if (red.empty())
            return {};
        QString s = red.front();
        red.pop_front();
        return s;
    }
};

void Upisi(QWidget* w, const char* ime, const QString& tekst) {
    auto* e = Nadji<QLineEdit>(w, ime);
    e->selectAll();
    QTest::keyClicks(e, tekst);
}

void Meni(QWidget* w, const char* ime) {
    Nadji<QAction>(w, ime)->trigger();
}

} // namespace

class SesijaTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::German)); }
    void CijelaSesijaKrozProzore();
};

void SesijaTest::CijelaSesijaKrozProzore() {
    QTemporaryDir folder;
    for (const char* ime : {BetonFajl, CelikFajl})
        QFile::copy(QDir(NMK_BIN_DIR).filePath(ime), QDir(folder.path()).filePath(ime));
    Projekat pr;
    KreirajProjekat(pr, folder.path().toStdString());
    PostavkeUMemoriji postavke;
    test::SnimajucePoruke poruke;
    LaziDijalozi dijalozi;
    auto prozor = NapraviProzore(pr, postavke, poruke, {}, &dijalozi);
    QWidget* w = prozor.get();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));

    // 1. a rectangle under EC 2, typed with the keyboard, Enter in the moment calculates
    Nadji<QComboBox>(w, "cboPresjek")->setEditText("Greda");
    Upisi(w, "ledth", "55");
    Upisi(w, "edtMu", "180");
    Upisi(w, "edtNu", "0");
    QTest::keyClick(Nadji<QLineEdit>(w, "edtMu"), Qt::Key_Return);
    QCOMPARE(pr.BrojPresjeka(), 2);
    QVERIFY(pr.presjeci[0].Aa2 > 0);

    // 2. a T section by the button
    Klikni(w, "rdbTPresjek");
    Nadji<QComboBox>(w, "cboPresjek")->setEditText("Rebro");
    Upisi(w, "edtMu", "260");
    Klikni(w, "btnProracun");
    QCOMPARE(pr.BrojPresjeka(), 3);
    QCOMPARE(pr.presjeci[1].Oblik, TOblik::T);

    // 3. the ultimate moment of a rectangle with given bars
    Klikni(w, "rdbPravougaoni");
    Klikni(w, "rdbGranicniMomenat");
    Nadji<QComboBox>(w, "cboPresjek")->setEditText("Provjera");
    Upisi(w, "edtAa1", "2,5");
    Upisi(w, "edtAa2", "12");
    Upisi(w, "edtNugr", "-100");
    Meni(w, "mnuProracunPresjeka");
    QCOMPARE(pr.BrojPresjeka(), 4);
    QVERIFY(pr.presjeci[2].Mu > 0);
    QCOMPARE(Nadji<QLineEdit>(w, "edtMugr")->text(),
             Broj(pr.presjeci[2].Mu, PreciznostRezultata, Decimala));

    // bars for the first section, picked in its grid
    auto* lista = Nadji<QComboBox>(w, "cboPresjek");
    lista->setCurrentIndex(0);
    emit lista->activated(0);
    QCOMPARE(Nadji<QLineEdit>(w, "ledth")->text(), QString("55,00"));
    bool otvoren = false;
    KadSeOtvoriModalni(
        [](QWidget* d) {
            QTest::mouseClick(Nadji<QToolButton>(d, "spbSipke_6_3"), Qt::LeftButton);
            Klikni(d, "btnOK");
        },
        &otvoren);
    Klikni(w, "btnArmatura");
    QVERIFY(otvoren);
    QVERIFY(pr.presjeci[0].ima(sfArmatura));
    QVERIFY(!pr.presjeci[0].ArmDonja.empty());

    // cracks and deflections of the same section under a service moment
    for (const char* dugme : {"btnPrsline", "btnUgibi"}) {
        otvoren = false;
        KadSeOtvoriModalni(
            [](QWidget* d) {
                Upisi(d, "edtMexp", "120");
                Klikni(d, "btnProracun");
                qobject_cast<QDialog*>(d)->reject();
            },
            &otvoren);
        Klikni(w, dugme);
        QVERIFY(otvoren);
    }
    QVERIFY(pr.presjeci[0].ima(sfPrsline));
    QVERIFY(pr.presjeci[0].ima(sfUgibi));
    QVERIFY(pr.presjeci[0].Wk > 0);
    QVERIFY(pr.presjeci[0].v > 0);
    QCOMPARE(pr.trenutni, pr.presjeci.size() - 1);

    // save, open again
    const QString fajl = QDir(folder.path()).filePath("sesija.nmk");
    dijalozi.snimi = {fajl};
    Meni(w, "mnuFileSave");
    QCOMPARE(w->windowTitle(), "Nosivometrik - [" + fajl + "]");
    dijalozi.otvori = {fajl};
    Meni(w, "mnuFileOpen");
    QCOMPARE(pr.BrojPresjeka(), 4);
    QCOMPARE(lista->count(), 3);
    QCOMPARE(lista->itemText(2), QString("Provjera"));
    QVERIFY(pr.presjeci[0].ima(sfArmatura | sfPrsline | sfUgibi));
    QCOMPARE(Nadji<QLineEdit>(w, "ledth")->text(), QString("55,00"));

    // the report of all sections, saved as PDF from the print preview
    const QString pdf = QDir(folder.path()).filePath("izvjestaj.pdf");
    otvoren = false;
    bool sakriven = false;
    KadSeOtvoriModalni(
        [&](QWidget* d) {
            sakriven = !w->isVisible();
            auto* pregled = qobject_cast<TfrmPregledStampe*>(d);
            QVERIFY(pregled);
            QVERIFY(pregled->SnimiPdf(pdf));
            pregled->reject();
        },
        &otvoren);
    Meni(w, "mnuFilePrint");
    QVERIFY(otvoren);
    QVERIFY(sakriven);
    QVERIFY(w->isVisible());
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.read(5) == "%PDF-");
    QVERIFY(f.size() > 1000);

    // the session ends: the project is unchanged since the save, so nothing is asked
    poruke.Obrisi();
    QVERIFY(w->close());
    QVERIFY(poruke.poruke.empty());
    ObrisiPrivremeneKopije(pr);
}

QTEST_MAIN(SesijaTest)
#include "sesija_test.moc"
