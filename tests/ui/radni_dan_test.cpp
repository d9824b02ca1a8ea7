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

#include <deque>
#include <memory>

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

// The number at the end of a report line ("v = \t5.4011\tcm" gives 5.4011).
double BrojIzReda(const std::string& red) {
    const QStringList dijelovi = QString::fromStdString(red).split('\t', Qt::SkipEmptyParts);
    for (int i = dijelovi.size() - 1; i >= 0; --i)
        if (const auto x = ProcitajBroj(dijelovi[i].trimmed()))
            return *x;
    return 0;
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
    // an EC 2 beam and a PBAB 87 T section
    o.Upisi("edtMu", "180");
    o.Upisi("edtNu", "0");
    o.Izracunaj("Greda");
    Klikni(o.w(), "rdbPBAB");
    Klikni(o.w(), "rdbTPresjek");
    o.Upisi("edtMu", "260");
    o.Izracunaj("Rebro");
    QCOMPARE(o.Sacuvani(), (QStringList{"Greda", "Rebro"}));

    for (int i : {0, 1}) {
        o.Izaberi(i);
        o.UProzoru("btnArmatura", UsvojiSipke);
        o.UProzoru("btnPrsline", [](QWidget* d) {
            test::Upisi(d, "edtMexp", "120");
            test::Upisi(d, "edtZastitniSloj", "3,5");
            Nadji<QComboBox>(d, "cboVilica")->setEditText("8");
            Klikni(d, "btnProracun");
            qobject_cast<QDialog*>(d)->reject();
        });
        o.UProzoru("btnUgibi", [](QWidget* d) {
            KadSeOtvoriModalni([](QWidget* bx) {
                test::Upisi(bx, "edtfi", "2,1");
                Klikni(bx, "btnOK");
            });
            Klikni(d, "SpeedButton2");
            test::Upisi(d, "edtMexp", "120");
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
    for (const TPresjek& p : {dan.presjeci[0], dan.presjeci[1]}) {
        QVERIFY(p.ima(sfArmatura | sfPrsline | sfUgibi));
        QVERIFY(p.Wk > 0 && p.v > 0);
    }

    // save, end the program, start it again with the file, as from the command line
    const QString fajl = o.Put("dan.nmk");
    o.dijalozi.snimi = {fajl};
    o.Meni("mnuFileSave");
    o.Pokreni({fajl});
    QVERIFY(o.poruke.poruke.empty());
    QCOMPARE(o.Imena(), (QStringList{"Greda", "Rebro"}));
    QCOMPARE(o.pr.BrojPresjeka(), dan.BrojPresjeka());
    for (std::size_t i = 0; i < dan.presjeci.size(); ++i) {
        QVERIFY(DodatakIz(o.pr.presjeci[i]) == DodatakIz(dan.presjeci[i]));
        QCOMPARE(o.pr.presjeci[i].Status, dan.presjeci[i].Status);
    }
    QVERIFY(o.pr.servis == dan.servis);
    QCOMPARE(o.pr.betonEx.fi, 2.1);
    QVERIFY(!o.pr.sistem.Izmijenjen);

    // the windows show what the results were computed from, and compute them again
    o.Izaberi(1);
    o.UProzoru("btnUgibi", [&](QWidget* d) {
        QCOMPARE(test::Tekst(d, "edtvb"), Broj(1.2, 12, 5));
        QCOMPARE(test::Tekst(d, "edtl"), Broj(550, 12, 2));
        QCOMPARE(Nadji<QComboBox>(d, "cboStatSis")->currentIndex(), 2);
        Klikni(d, "btnProracun");
        QCOMPARE(test::Tekst(d, "edt_V"), Broj(dan.presjeci[1].v, 12, 5));
        qobject_cast<QDialog*>(d)->reject();
    });
    o.UProzoru("btnPrsline", [&](QWidget* d) {
        QCOMPARE(test::Tekst(d, "edtZastitniSloj"), Broj(3.5, 12, 2));
        Klikni(d, "btnProracun");
        QCOMPARE(test::Tekst(d, "edtWk"), Broj(dan.presjeci[1].Wk, 8, 3));
        qobject_cast<QDialog*>(d)->reject();
    });
    QCOMPARE(o.pr.presjeci[1].v, dan.presjeci[1].v);

    // the report: both blocks with their bars, and no zero where a result was
    TfrmPregledStampe pregled(o.pr, o.postavke, o.poruke, nullptr);
    pregled.IzgradiSve();
    int bars = 0, rezultata = 0;
    for (const render::Red& r : pregled.Izvjestaj().redovi) {
        const std::string t = QString::fromStdString(r.Tekst()).trimmed().toStdString();
        bars += t.rfind("Aa1:", 0) == 0 || t.rfind("Aa2:", 0) == 0;
        for (const char* oznaka :
             {"Mexp=", "vb=", "vb.d=", "v I=", "v II=", "v =", "am =", "Wm =", "Wk ="})
            if (t.rfind(oznaka, 0) == 0) {
                ++rezultata;
                QVERIFY2(BrojIzReda(t) != 0, t.c_str());
            }
    }
    QCOMPARE(bars, 4);
    QCOMPARE(rezultata, 2 * 10);
}

void RadniDanTest::RadKojiBiSeIzgubioOznacavaProjekatIzmijenjenim() {
    Okolina o;
    o.Upisi("edtMu", "180");
    o.Upisi("edtNu", "0");
    o.Izracunaj("Greda");
    const QString fajl = o.Put("p.nmk");
    o.dijalozi.snimi = {fajl};
    o.Meni("mnuFileSave");
    QVERIFY(!o.pr.sistem.Izmijenjen);
    // a cancelled bar dialog changes nothing, adopted bars do
    o.UProzoru("btnArmatura", [](QWidget* d) { Klikni(d, "btnOtkazi"); });
    QVERIFY(!o.pr.sistem.Izmijenjen);
    o.UProzoru("btnArmatura", UsvojiSipke);
    QVERIFY(o.pr.sistem.Izmijenjen);
    // each of the service windows: a calculation; a refusal that took over a new input; a
    // refusal with nothing new; new concrete data in "Dodatni Podaci"
    for (const char* dugme : {"btnPrsline", "btnUgibi"}) {
        const auto korak = [&](std::function<void(QWidget*)> radnja, bool izmijenjen) {
            o.pr.sistem.Izmijenjen = false;
            o.UProzoru(dugme, [&](QWidget* d) {
                radnja(d);
                qobject_cast<QDialog*>(d)->reject();
            });
            QCOMPARE(o.pr.sistem.Izmijenjen, izmijenjen);
        };
        korak([](QWidget* d) { Klikni(d, "btnProracun"); }, false); // Mexp 0 as before
        korak(
            [](QWidget* d) {
                test::Upisi(d, "edtMexp", "120");
                Klikni(d, "btnProracun");
            },
            true);
        korak(
            [](QWidget* d) {
                test::Upisi(d, "edtNexp", "-5");
                test::Upisi(d, "edtMexp", "0");
                Klikni(d, "btnProracun");
            },
            true);
        korak(
            [](QWidget* d) {
                KadSeOtvoriModalni([](QWidget* bx) {
                    test::Upisi(bx, "edtB2", "0,4");
                    Klikni(bx, "btnOK");
                });
                Klikni(d, "SpeedButton2");
            },
            true);
        o.pr.betonEx.B2 = 0.5;
    }
    // and the prompt of Close asks before the work is dropped
    o.poruke.odgovor = odgOtkazi;
    QVERIFY(!o.prozor->close());
    QCOMPARE(o.poruke.poruke.back().tekst, std::string(PitanjeZatvaranja));
}

void RadniDanTest::ListeMaterijalaPokazujuMaterijalePresjekaPoslijeUredjivaca() {
    Okolina o;
    for (const char* ime : {"K19", "K20"})
        QVERIFY(DodajBeton(o.pr, {ime, 25, 0.3}, o.poruke));
    QVERIFY(DodajCelik(o.pr, {"S4", 500, 200000}, o.poruke));
    o.Pokreni({});
    // EC 2 lists: the user's concrete 20 and steel 4, and the second partial factor
    auto* beton = Nadji<QComboBox>(o.w(), "cboBeton");
    auto* celik = Nadji<QComboBox>(o.w(), "cboArmatura");
    auto* gamaC = Nadji<QComboBox>(o.w(), "cboGamaC");
    beton->setCurrentIndex(beton->findText("K20"));
    celik->setCurrentIndex(celik->findText("S4"));
    gamaC->setCurrentIndex(1);
    // the editor deletes concrete 19 and adds a steel: the lists keep the grades shown
    const auto urednik = [&](const char* brisanje, int red, const char* dodaj) {
        KadSeOtvoriModalni([=](QWidget* d) {
            Nadji<QTabWidget>(d, "pgcMaterijal")->setCurrentIndex(2);
            if (brisanje) {
                Nadji<QTableWidget>(d, brisanje == std::string("btnIzbrisiBeton") ? "stgBeton"
                                                                                  : "stgCelik")
                    ->selectRow(red);
                Klikni(d, brisanje);
            }
            if (dodaj) {
                auto* g = Nadji<QTableWidget>(d, "stgCelik");
                const int zadnji = g->rowCount() - 1;
                g->item(zadnji, 0)->setText(dodaj);
                g->item(zadnji, 1)->setText("450");
                g->item(zadnji, 2)->setText("200000");
                Klikni(d, "btnDodajArmaturu");
            }
            Klikni(d, "btnOK");
        });
        o.Meni("mnuMaterijali");
    };
    urednik("btnIzbrisiBeton", 0, "S5");
    QCOMPARE(beton->currentText(), QString("K20"));
    QCOMPARE(celik->currentText(), QString("S4"));
    QCOMPARE(gamaC->currentIndex(), 1);
    QVERIFY(o.poruke.poruke.back().tekst.find("izbrisati beton") != std::string::npos);
    o.Izracunaj("A");
    QCOMPARE(o.pr.presjeci[0].Beton, 19);
    QCOMPARE(o.pr.presjeci[0].Celik, 4);
    // deleting the steel the list shows (no stored section uses it) says so
    o.poruke.Obrisi();
    celik->setCurrentIndex(celik->findText("S5"));
    urednik("btnIzbrisiArmaturu", 1, nullptr);
    QCOMPARE(celik->currentIndex(), 0);
    QCOMPARE(o.poruke.poruke.back().tekst, "Celik S5 je izbrisan iz kataloga.\nIzabran je celik " +
                                               celik->currentText().toStdString() + ".");
    QCOMPARE(o.poruke.poruke.back().vrsta, VrstaPoruke::Upozorenje);
}

void RadniDanTest::BrisanjeIPreimenovanjePresjeka() {
    Okolina o;
    for (const char* ime : {"A", "B", "C"})
        o.Izracunaj(ime);
    const QString fajl = o.Put("p.nmk");
    o.dijalozi.snimi = {fajl};
    o.Meni("mnuFileSave");
    // the confirmation names the section; "Ne" keeps it
    o.Izaberi(1);
    o.poruke.odgovor = odgNe;
    o.Meni("mnuIzbrisiPresjek");
    QCOMPARE(o.poruke.poruke.back().tekst,
             std::string("Jeste li sigurni da zelite izbrisati presjek \"B\" ?"));
    QCOMPARE(o.poruke.poruke.back().vrsta, VrstaPoruke::Potvrda);
    QCOMPARE(o.Sacuvani(), (QStringList{"A", "B", "C"}));
    QVERIFY(!o.pr.sistem.Izmijenjen);
    // "Da": the list and the project follow, the next section is shown
    o.poruke.odgovor = odgDa;
    o.Meni("mnuIzbrisiPresjek");
    QCOMPARE(o.Sacuvani(), (QStringList{"A", "C"}));
    QCOMPARE(o.Imena(), o.Sacuvani());
    QCOMPARE(o.pr.sistem.IzabraniPresjek, 1);
    QCOMPARE(Nadji<QComboBox>(o.w(), "cboPresjek")->currentText(), QString("C"));
    QVERIFY(o.pr.sistem.Izmijenjen);
    // renamed: to a free name; an empty name and another section's name are refused
    const auto preimenuj = [&](const QString& ime) {
        KadSeOtvoriModalni([ime](QWidget* d) {
            auto* dijalog = qobject_cast<QInputDialog*>(d);
            QVERIFY(dijalog);
            dijalog->setTextValue(ime);
            dijalog->accept();
        });
        o.Meni("mnuPreimenujPresjek");
    };
    o.poruke.Obrisi();
    preimenuj("  ");
    preimenuj("a");
    QCOMPARE(o.poruke.poruke.size(), std::size_t{2});
    QCOMPARE(o.poruke.poruke[0].tekst, std::string(PorukaPrazanNaziv));
    QCOMPARE(o.poruke.poruke[1].tekst, std::string("Presjek \"a\" vec postoji."));
    preimenuj(" Stub 2 ");
    QCOMPARE(o.Sacuvani(), (QStringList{"A", "Stub 2"}));
    QCOMPARE(o.Imena(), o.Sacuvani());
    // the report lists what is left
    TfrmPregledStampe pregled(o.pr, o.postavke, o.poruke, nullptr);
    pregled.IzgradiSve();
    QStringList nazivi;
    for (const render::Red& r : pregled.Izvjestaj().redovi)
        if (r.Tekst() == "A" || r.Tekst() == "Stub 2" || r.Tekst() == "B" || r.Tekst() == "C")
            nazivi << QString::fromStdString(r.Tekst());
    QCOMPARE(nazivi, (QStringList{"A", "Stub 2"}));
    // the last ones go too; with none left nothing is selected to delete
    o.Meni("mnuIzbrisiPresjek");
    o.Meni("mnuIzbrisiPresjek");
    QCOMPARE(o.pr.BrojPresjeka(), 1);
    QVERIFY(o.Imena().isEmpty());
    o.poruke.Obrisi();
    o.Meni("mnuIzbrisiPresjek");
    QCOMPARE(o.poruke.poruke.back().tekst, std::string(PorukaNijeIzabran));
    o.Izracunaj("");
    QCOMPARE(o.Sacuvani(), QStringList{"Presjek1"});
}

QTEST_MAIN(RadniDanTest)
#include "radni_dan_test.moc"
