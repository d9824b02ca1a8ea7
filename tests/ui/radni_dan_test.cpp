// A working day through the main window: nothing the engineer did is lost between windows,
// files and restarts. The whole day (calculate, bars, cracks, deflections, save, restart,
// open, report), the project counting as changed after the work it would drop, the material
// lists through the materials editor, and deleting and renaming a section.

#include "common/pomocnici.h"
#include "data/dodatak_projekta.h"
#include "data/katalog_fajl.h"
#include "data/materijali_uredjivanje.h"
#include "data/postavke.h"
#include "data/projektni_fajl.h"
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
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <utility>

using namespace nmk;
using namespace nmk::ui;
using nmk::test::KadSeOtvoriModalni;
using nmk::test::Klikni;
using nmk::test::Nadji;

namespace {

// The save dialog answers `snimi`; the open dialog is not used.
class LaziDijalozi : public DijaloziFajla {
public:
    QString snimi;
    QString Otvori(QWidget*, const QString&) override { return {}; }
    QString Snimi(QWidget*, const QString&) override { return snimi; }
};

// A program folder with the shipped catalogues, and the windows of one run of the program.
struct Okolina {
    QTemporaryDir folder;
    PostavkeUMemoriji postavke;
    LaziDijalozi dijalozi;
    Projekat pr;
    test::SnimajucePoruke poruke;
    std::unique_ptr<TMainForm> prozor;

    Okolina() {
        for (const char* ime : {BetonFajl, CelikFajl})
            QFile::copy(QDir(NMK_BIN_DIR).filePath(ime), QDir(folder.path()).filePath(ime));
        Pokreni({});
    }
    ~Okolina() { ObrisiPrivremeneKopije(pr); }
    // The end of one run and the start of the next, with these arguments.
    void Pokreni(const QStringList& argumenti) {
        prozor.reset();
        ObrisiPrivremeneKopije(pr);
        pr = Projekat{};
        KreirajProjekat(pr, folder.path().toStdString());
        prozor = NapraviProzore(pr, postavke, poruke, argumenti, &dijalozi);
    }
    QWidget* w() { return prozor.get(); }
    QString Put(const char* ime) const { return QDir(folder.path()).filePath(ime); }
    void Upisi(const char* ime, const QString& tekst) { test::Upisi(w(), ime, tekst); }
    void Izracunaj(const QString& ime) {
        Nadji<QComboBox>(w(), "cboPresjek")->setEditText(ime);
        Klikni(w(), "btnProracun");
    }
    void Izaberi(int i) {
        auto* lista = Nadji<QComboBox>(w(), "cboPresjek");
        lista->setCurrentIndex(i);
        emit lista->activated(i);
    }
    void Meni(const char* ime) { Nadji<QAction>(w(), ime)->trigger(); }
    // Runs `radnja` on the modal window that `dugme` of the main window opens.
    void UProzoru(const char* dugme, std::function<void(QWidget*)> radnja) {
        bool otvoren = false;
        KadSeOtvoriModalni(std::move(radnja), &otvoren);
        Klikni(w(), dugme);
        QVERIFY2(otvoren, dugme);
    }
    QStringList Imena() {
        auto* lista = Nadji<QComboBox>(w(), "cboPresjek");
        QStringList s;
        for (int i = 0; i < lista->count(); ++i)
            s << lista->itemText(i);
        return s;
    }
    QStringList Sacuvani() const {
        QStringList s;
        for (const std::string& ime : NaziviSacuvanih(pr))
            s << QString::fromStdString(ime);
        return s;
    }
};

// Bars of the grid of the bar dialog: the bottom layer, then the top layer, then adopted.
void UsvojiSipke(QWidget* d) {
    QTest::mouseClick(Nadji<QToolButton>(d, "spbSipke_6_3"), Qt::LeftButton);
    Klikni(d, "rdbGornja");
    QTest::mouseClick(Nadji<QToolButton>(d, "spbSipke_2_1"), Qt::LeftButton);
    Klikni(d, "btnOK");
}

} // namespace

class RadniDanTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::German)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void CijeliDanSeVracaPoslijePonovnogPokretanja();
    void RadKojiBiSeIzgubioOznacavaProjekatIzmijenjenim();
    void ListeMaterijalaPokazujuMaterijalePresjekaPoslijeUredjivaca();
    void BrisanjeIPreimenovanjePresjeka();
};

void RadniDanTest::CijeliDanSeVracaPoslijePonovnogPokretanja() {
    Okolina o;
    o.Upisi("edtMu", "180");
    o.Upisi("edtNu", "0");
    o.Izracunaj("Greda"); // EC 2 rectangle
    Klikni(o.w(), "rdbPBAB");
    Klikni(o.w(), "rdbTPresjek");
    o.Izracunaj("Rebro"); // PBAB 87 T section
    for (int i : {0, 1}) {
        o.Izaberi(i);
        o.UProzoru("btnArmatura", UsvojiSipke);
        o.UProzoru("btnPrsline", [](QWidget* d) {
            test::Upisi(d, "edtMexp", "120");
            test::Upisi(d, "edtZastitniSloj", "3,5");
            Klikni(d, "btnProracun");
            qobject_cast<QDialog*>(d)->reject();
        });
        o.UProzoru("btnUgibi", [](QWidget* d) {
            KadSeOtvoriModalni([](QWidget* bx) {
                test::Upisi(bx, "edtfi", "2,1");
                Klikni(bx, "btnOK");
            });
            Klikni(d, "SpeedButton2");
            test::Upisi(d, "edtvb", "1,2");
            test::Upisi(d, "edtvbd", "0,7");
            test::Upisi(d, "edtl", "550");
            Nadji<QComboBox>(d, "cboStatSis")->setCurrentIndex(2);
            Klikni(d, "btnProracun");
            qobject_cast<QDialog*>(d)->reject();
        });
    }
    QVERIFY(o.poruke.poruke.empty());
    const Projekat dan = o.pr;
    QVERIFY(dan.presjeci[1].ima(sfArmatura | sfPrsline | sfUgibi) && dan.presjeci[1].v > 0);

    // save, end the program, start it again with the file, as from the command line
    o.dijalozi.snimi = o.Put("dan.nmk");
    o.Meni("mnuFileSave");
    o.Pokreni({o.Put("dan.nmk")});
    QCOMPARE(o.Imena(), (QStringList{"Greda", "Rebro"}));
    for (std::size_t i = 0; i < dan.presjeci.size(); ++i) {
        QVERIFY(DodatakIz(o.pr.presjeci[i]) == DodatakIz(dan.presjeci[i]));
        QCOMPARE(o.pr.presjeci[i].Status, dan.presjeci[i].Status);
    }
    QVERIFY(o.pr.servis == dan.servis && o.pr.betonEx.fi == 2.1 && !o.pr.sistem.Izmijenjen);

    // the windows show what the results came from, and compute them again
    o.UProzoru("btnUgibi", [&](QWidget* d) {
        QCOMPARE(test::Tekst(d, "edtvb"), Broj(1.2, 12, 5));
        QCOMPARE(test::Tekst(d, "edtl"), Broj(550, 12, 2));
        QCOMPARE(Nadji<QComboBox>(d, "cboStatSis")->currentIndex(), 2);
        Klikni(d, "btnProracun");
        QCOMPARE(test::Tekst(d, "edt_V"), Broj(dan.presjeci[0].v, 12, 5));
        qobject_cast<QDialog*>(d)->reject();
    });
    o.UProzoru("btnPrsline", [&](QWidget* d) {
        Klikni(d, "btnProracun");
        QCOMPARE(test::Tekst(d, "edtWk"), Broj(dan.presjeci[0].Wk, 8, 3));
        qobject_cast<QDialog*>(d)->reject();
    });

    // the report: both blocks with their bars, and no zero where a result was
    TfrmPregledStampe pregled(o.pr, o.postavke, o.poruke, nullptr);
    pregled.IzgradiSve();
    int sipke = 0, rezultata = 0;
    for (const render::Red& r : pregled.Izvjestaj().redovi) {
        const std::string t = QString::fromStdString(r.Tekst()).trimmed().toStdString();
        sipke += t.rfind("Aa1:", 0) == 0 || t.rfind("Aa2:", 0) == 0;
        for (const char* oznaka :
             {"Mexp=", "vb=", "vb.d=", "v I=", "v II=", "v =", "am =", "Wm =", "Wk ="})
            if (t.rfind(oznaka, 0) == 0) {
                ++rezultata; // "Mexp=\t120,00\tkNm"
                const QStringList polja = QString::fromStdString(t).split('\t');
                QVERIFY2(polja.size() > 1 && ProcitajBroj(polja[1]).value_or(0) != 0, t.c_str());
            }
    }
    QCOMPARE(sipke, 4);
    QCOMPARE(rezultata, 2 * 10);
}

void RadniDanTest::RadKojiBiSeIzgubioOznacavaProjekatIzmijenjenim() {
    Okolina o;
    o.Izracunaj("Greda");
    o.pr.sistem.Izmijenjen = false; // as after a save
    const auto korak = [&](const char* dugme, std::function<void(QWidget*)> radnja) {
        const bool prije = std::exchange(o.pr.sistem.Izmijenjen, false);
        o.UProzoru(dugme, [&](QWidget* d) {
            radnja(d);
            if (d->isVisible())
                qobject_cast<QDialog*>(d)->reject();
        });
        return std::exchange(o.pr.sistem.Izmijenjen, prije);
    };
    QVERIFY(!korak("btnArmatura", [](QWidget* d) { Klikni(d, "btnOtkazi"); }));
    QVERIFY(korak("btnArmatura", UsvojiSipke));
    for (const char* dugme : {"btnPrsline", "btnUgibi"}) {
        // Mexp as shown: 0, refused, nothing new; a new Mexp refused with it; a calculation
        QVERIFY(!korak(dugme, [](QWidget* d) { Klikni(d, "btnProracun"); }));
        QVERIFY(korak(dugme, [](QWidget* d) {
            test::Upisi(d, "edtNexp", "-5");
            Klikni(d, "btnProracun");
        }));
        QVERIFY(korak(dugme, [](QWidget* d) {
            test::Upisi(d, "edtMexp", "120");
            Klikni(d, "btnProracun");
        }));
        o.pr.presjeci[0].Mexp = o.pr.presjeci[0].Nexp = 0;
    }
    QVERIFY(korak("btnUgibi", [](QWidget* d) {
        KadSeOtvoriModalni([](QWidget* bx) {
            test::Upisi(bx, "edtB2", "0,4");
            Klikni(bx, "btnOK");
        });
        Klikni(d, "SpeedButton2");
    }));
}

void RadniDanTest::ListeMaterijalaPokazujuMaterijalePresjekaPoslijeUredjivaca() {
    Okolina o;
    for (const char* ime : {"K19", "K20"})
        QVERIFY(DodajBeton(o.pr, {ime, 25, 0.3}, o.poruke));
    for (const char* ime : {"S4", "S5"})
        QVERIFY(DodajCelik(o.pr, {ime, 500, 200000}, o.poruke));
    o.Pokreni({});
    auto* beton = Nadji<QComboBox>(o.w(), "cboBeton");
    auto* celik = Nadji<QComboBox>(o.w(), "cboArmatura");
    beton->setCurrentIndex(beton->findText("K20"));
    celik->setCurrentIndex(celik->findText("S5"));
    Nadji<QComboBox>(o.w(), "cboGamaC")->setCurrentIndex(1);
    // the editor deletes the first row of a grid of the user tab
    const auto izbrisi = [&](const char* grid, const char* dugme) {
        KadSeOtvoriModalni([=](QWidget* d) {
            Nadji<QTabWidget>(d, "pgcMaterijal")->setCurrentIndex(2);
            Nadji<QTableWidget>(d, grid)->selectRow(0);
            Klikni(d, dugme);
            Klikni(d, "btnOK");
        });
        o.Meni("mnuMaterijali");
    };
    izbrisi("stgBeton", "btnIzbrisiBeton"); // K19: K20 moves down and stays chosen
    QCOMPARE(beton->currentText(), QString("K20"));
    QCOMPARE(celik->currentText(), QString("S5"));
    QCOMPARE(Nadji<QComboBox>(o.w(), "cboGamaC")->currentIndex(), 1);
    o.Izracunaj("A");
    QVERIFY(o.pr.presjeci[0].Beton == 19 && o.pr.presjeci[0].Celik == 5);
    celik->setCurrentIndex(celik->findText("S4")); // chosen, but no section's steel
    izbrisi("stgCelik", "btnIzbrisiArmaturu");
    QCOMPARE(celik->currentIndex(), 0);
    QCOMPARE(o.poruke.poruke.back().tekst, "Celik S4 je izbrisan iz kataloga.\nIzabran je celik " +
                                               celik->currentText().toStdString() + ".");
}

void RadniDanTest::BrisanjeIPreimenovanjePresjeka() {
    Okolina o;
    for (const char* ime : {"A", "B", "C"})
        o.Izracunaj(ime);
    o.pr.sistem.Izmijenjen = false;
    o.Izaberi(1);
    o.poruke.odgovor = odgNe; // the confirmation names the section; "Ne" keeps it
    o.Meni("mnuIzbrisiPresjek");
    QCOMPARE(o.poruke.poruke.back().tekst,
             std::string("Jeste li sigurni da zelite izbrisati presjek \"B\" ?"));
    QVERIFY(o.Imena() == (QStringList{"A", "B", "C"}) && !o.pr.sistem.Izmijenjen);
    o.poruke.odgovor = odgDa; // the list follows the project; the next section is shown
    o.Meni("mnuIzbrisiPresjek");
    QCOMPARE(o.Imena(), (QStringList{"A", "C"}));
    QCOMPARE(o.Imena(), o.Sacuvani());
    QCOMPARE(Nadji<QComboBox>(o.w(), "cboPresjek")->currentText(), QString("C"));
    QVERIFY(o.pr.sistem.Izmijenjen);
    // rename: an empty name and another section's are refused, a free one taken
    for (const char* ime : {"  ", "a", " Stub 2 "}) {
        KadSeOtvoriModalni([ime](QWidget* d) {
            qobject_cast<QInputDialog*>(d)->setTextValue(ime);
            qobject_cast<QInputDialog*>(d)->accept();
        });
        o.Meni("mnuPreimenujPresjek");
    }
    QCOMPARE(o.poruke.poruke.end()[-2].tekst, std::string(PorukaPrazanNaziv));
    QCOMPARE(o.poruke.poruke.back().tekst, std::string("Presjek \"a\" vec postoji."));
    QCOMPARE(o.Sacuvani(), (QStringList{"A", "Stub 2"}));
    QCOMPARE(o.Imena(), o.Sacuvani());
    o.Meni("mnuIzbrisiPresjek");
    o.Meni("mnuIzbrisiPresjek");
    QVERIFY(o.Imena().isEmpty() && o.pr.BrojPresjeka() == 1);
    o.Meni("mnuIzbrisiPresjek"); // none is left to delete
    QCOMPARE(o.poruke.poruke.back().tekst, std::string(PorukaNijeIzabran));
}

QTEST_MAIN(RadniDanTest)
#include "radni_dan_test.moc"
