#include "ui/materijal.h"

#include "common/pomocnici.h"
#include "data/fajl.h"
#include "data/katalog_fajl.h"
#include "ui/brojevi.h"

#include <QDir>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

using namespace nmk;
using namespace nmk::ui;
using nmk::test::SnimajucePoruke;
namespace fs = std::filesystem;

namespace {

QTableWidget* Grid(QWidget& d, const char* ime) {
    return d.findChild<QTableWidget*>(ime);
}

void Pritisni(QWidget& d, const char* ime) {
    d.findChild<QPushButton*>(ime)->click();
}

void Kartica(QWidget& d, int k) {
    d.findChild<QTabWidget*>("pgcMaterijal")->setCurrentIndex(k);
}

// Types a new entry into the grid's entry row.
void UpisiRed(QTableWidget* g, const QString& ime, const QString& a, const QString& b) {
    const int red = g->rowCount() - 1;
    g->item(red, 0)->setText(ime);
    g->item(red, 1)->setText(a);
    g->item(red, 2)->setText(b);
}

QString Celija(QTableWidget* g, int red, int kolona) {
    return g->item(red, kolona) ? g->item(red, kolona)->text() : QString();
}

} // namespace

class MaterijalTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    Projekat pr_;
    SnimajucePoruke poruke_;

    fs::path Folder() const { return fs::path(folder_->path().toStdString()); }
    std::string Bajtovi(const char* ime) const { return ProcitajFajl(Folder() / ime); }

    // Adds user concretes through the editor, named K19, K20, ...
    void DodajBetone(TfrmMaterijal& d, int broj) {
        Kartica(d, TfrmMaterijal::KarticaKorisnicka);
        for (int i = 0; i < broj; ++i) {
            UpisiRed(Grid(d, "stgBeton"), QString("K%1").arg(19 + i), "25", "0,3");
            Pritisni(d, "btnDodajBeton");
        }
    }

    // Stored sections using the given concretes, then the working section.
    void SacuvaniPresjeci(std::initializer_list<int> betoni) {
        pr_.presjeci.clear();
        for (int b : betoni) {
            TPresjek p;
            p.Naziv = "Greda " + std::to_string(pr_.presjeci.size() + 1);
            p.Beton = b;
            pr_.presjeci.push_back(p);
        }
        pr_.presjeci.emplace_back();
    }

private slots:
    // A temporary executable folder with the shipped catalogues, for every case.
    void init() {
        QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia));
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        fs::copy_file(fs::path(NMK_BIN_DIR) / BetonFajl, Folder() / BetonFajl);
        fs::copy_file(fs::path(NMK_BIN_DIR) / CelikFajl, Folder() / CelikFajl);
        pr_ = Projekat{};
        pr_.folder = Folder();
        pr_.presjeci.resize(1);
        poruke_ = SnimajucePoruke{};
        poruke_.odgovor = odgDa;
    }
    void cleanup() {
        QLocale::setDefault(QLocale::c());
        folder_.reset();
    }

    void eachTabShowsItsRecordsWithTwoDecimals_data() {
        QTest::addColumn<int>("kartica");
        QTest::addColumn<int>("redoviBetona");
        QTest::addColumn<int>("redoviCelika");
        QTest::addColumn<QString>("kolonaBetona");
        QTest::addColumn<QString>("kolonaCelika");
        QTest::addColumn<QString>("prviBeton");
        // Rows below the header; the user tab adds the empty entry row.
        QTest::newRow("PBAB87") << 0 << 10 << 3 << "fb [N/mm2]"
                                << "fav [N/mm2]"
                                << "MB 15";
        QTest::newRow("EC2") << 1 << 9 << 1 << "fck [N/mm2]"
                             << "fyk [N/mm2]"
                             << "C12/15";
        QTest::newRow("user") << 2 << 1 << 1 << "fck [N/mm2]"
                              << "fyk [N/mm2]"
                              << "";
    }
    void eachTabShowsItsRecordsWithTwoDecimals() {
        QFETCH(int, kartica);
        QFETCH(int, redoviBetona);
        QFETCH(int, redoviCelika);
        QFETCH(QString, kolonaBetona);
        QFETCH(QString, kolonaCelika);
        QFETCH(QString, prviBeton);
        TfrmMaterijal d(pr_, poruke_);
        Kartica(d, kartica);
        QTableWidget* b = Grid(d, "stgBeton");
        QTableWidget* c = Grid(d, "stgCelik");
        QCOMPARE(b->rowCount(), redoviBetona);
        QCOMPARE(c->rowCount(), redoviCelika);
        QCOMPARE(b->horizontalHeaderItem(0)->text(), QString("Beton"));
        QCOMPARE(b->horizontalHeaderItem(1)->text(), kolonaBetona);
        QCOMPARE(b->horizontalHeaderItem(2)->text(), QString("trd [N/mm2]"));
        QCOMPARE(c->horizontalHeaderItem(0)->text(), QString("Armatura"));
        QCOMPARE(c->horizontalHeaderItem(1)->text(), kolonaCelika);
        QCOMPARE(c->horizontalHeaderItem(2)->text(), QString("E [N/mm2]"));
        QCOMPARE(Celija(b, 0, 0), prviBeton);
        // The grids are on the tab that is shown.
        QVERIFY(d.findChild<QTabWidget*>("pgcMaterijal")->currentWidget()->isAncestorOf(b));
        QVERIFY(poruke_.poruke.empty());
    }

    void numbersHaveTwoDecimalsInTheLocaleFormat() {
        TfrmMaterijal d(pr_, poruke_);
        const Katalozi k{CitajBetone(Folder() / BetonFajl), CitajCelike(Folder() / CelikFajl)};
        // Shown with the comma and exactly two decimals, reading back as the record's value.
        auto provjeri = [](const QString& tekst, double x) {
            QCOMPARE(tekst.section(',', 1).size(), 2);
            QVERIFY(qAbs(ProcitajBroj(tekst).value() - x) <= 0.005);
        };
        provjeri(Celija(Grid(d, "stgBeton"), 0, 1), k.beton[0].fb);
        provjeri(Celija(Grid(d, "stgBeton"), 9, 2), k.beton[9].trd);
        Kartica(d, TfrmMaterijal::KarticaEC2);
        provjeri(Celija(Grid(d, "stgBeton"), 8, 1), k.beton[18].fck);
        provjeri(Celija(Grid(d, "stgCelik"), 0, 2), k.celik[3].E);
    }

    void tabControlsAppearOnlyOnTheirTab() {
        TfrmMaterijal d(pr_, poruke_);
        d.show();
        auto* dodaj = d.findChild<QPushButton*>("btnDodajBeton");
        auto* alpha = d.findChild<QLineEdit*>("edtAlpha");
        const bool ocekivano[3][2] = {{false, false}, {false, true}, {true, false}};
        for (int k = 0; k < 3; ++k) {
            Kartica(d, k);
            QCOMPARE(dodaj->isVisible(), ocekivano[k][0]);
            QCOMPARE(alpha->isVisible(), ocekivano[k][1]);
        }
    }

    void namesAreCutToSixAndNineCharacters() {
        TfrmMaterijal d(pr_, poruke_);
        Kartica(d, TfrmMaterijal::KarticaKorisnicka);
        UpisiRed(Grid(d, "stgBeton"), "ABCDEFGH", "30,5", "0,35");
        Pritisni(d, "btnDodajBeton");
        UpisiRed(Grid(d, "stgCelik"), "S500-ABCDE", "500", "200000");
        Pritisni(d, "btnDodajArmaturu");
        QVERIFY(poruke_.poruke.empty());
        QVERIFY(d.Promijenjen());
        const TBeton b = CitajBetone(Folder() / BetonFajl).back();
        QCOMPARE(QString::fromStdString(b.naziv), QString("ABCDEF"));
        QCOMPARE(b.fck, 30.5);
        QCOMPARE(b.trd, 0.35);
        QCOMPARE(QString::fromStdString(CitajCelike(Folder() / CelikFajl).back().naziv),
                 QString("S500-ABCD"));
        // The new record is shown above a fresh entry row.
        QTableWidget* g = Grid(d, "stgBeton");
        QCOMPARE(g->rowCount(), 2);
        QCOMPARE(Celija(g, 0, 0), QString("ABCDEF"));
        QCOMPARE(Celija(g, 0, 1), QString("30,50"));
        QCOMPARE(Celija(g, 1, 0), QString());
    }

    void badEntryIsRefusedAndTheFileStays_data() {
        QTest::addColumn<QString>("ime");
        QTest::addColumn<QString>("prvi");
        QTest::addColumn<QString>("drugi");
        QTest::newRow("no name") << ""
                                 << "30"
                                 << "0,3";
        QTest::newRow("no number") << "C1"
                                   << "tri"
                                   << "0,3";
        QTest::newRow("empty number") << "C1"
                                      << "30"
                                      << "";
    }
    void badEntryIsRefusedAndTheFileStays() {
        QFETCH(QString, ime);
        QFETCH(QString, prvi);
        QFETCH(QString, drugi);
        const std::string prije = Bajtovi(BetonFajl);
        TfrmMaterijal d(pr_, poruke_);
        Kartica(d, TfrmMaterijal::KarticaKorisnicka);
        UpisiRed(Grid(d, "stgBeton"), ime, prvi, drugi);
        Pritisni(d, "btnDodajBeton");
        QCOMPARE(poruke_.poruke.size(), size_t(1));
        QCOMPARE(poruke_.poruke[0].tekst, std::string("Podaci nisu dobro zadani"));
        QCOMPARE(poruke_.poruke[0].vrsta, VrstaPoruke::Greska);
        QVERIFY(Bajtovi(BetonFajl) == prije);
        QVERIFY(!d.Promijenjen());
    }

    void deletingConcreteNineteenMovesTheLaterSectionsDown() {
        TfrmMaterijal d(pr_, poruke_);
        DodajBetone(d, 3);
        SacuvaniPresjeci({20, 21});
        QTableWidget* g = Grid(d, "stgBeton");
        g->selectRow(0);
        Pritisni(d, "btnIzbrisiBeton");
        QCOMPARE(pr_.presjeci[0].Beton, 19);
        QCOMPARE(pr_.presjeci[1].Beton, 20);
        QCOMPARE(poruke_.poruke.back().tekst,
                 std::string("Jeste li sigurni da zelite izbrisati beton  K19"));
        QCOMPARE(g->rowCount(), 3);
        QCOMPARE(Celija(g, 0, 0), QString("K20"));
    }

    void gradeInUseCannotBeDeletedAndTheMessageNamesIt() {
        TfrmMaterijal d(pr_, poruke_);
        DodajBetone(d, 2);
        SacuvaniPresjeci({20});
        const std::string prije = Bajtovi(BetonFajl);
        Grid(d, "stgBeton")->selectRow(1);
        Pritisni(d, "btnIzbrisiBeton");
        QCOMPARE(poruke_.poruke.size(), size_t(1));
        QCOMPARE(poruke_.poruke[0].tekst, std::string("Presjeku Greda 1 je pridruzen beton K20\n"
                                                      "Pridruzeni beton nemoze biti obrisan!"));
        QVERIFY(Bajtovi(BetonFajl) == prije);
        QCOMPARE(pr_.presjeci[0].Beton, 20);
    }

    void theEntryRowCannotBeDeleted() {
        TfrmMaterijal d(pr_, poruke_);
        DodajBetone(d, 1);
        const std::string prije = Bajtovi(BetonFajl);
        Grid(d, "stgBeton")->selectRow(1);
        Pritisni(d, "btnIzbrisiBeton");
        QVERIFY(poruke_.poruke.empty());
        QVERIFY(Bajtovi(BetonFajl) == prije);
    }

    void withAProjectOpenOnlyTheTemporaryCopyChanges() {
        pr_.katalozi = {CitajBetone(Folder() / BetonFajl), CitajCelike(Folder() / CelikFajl)};
        ZapisiPrivremeneKopije(pr_);
        const std::string beton = Bajtovi(BetonFajl);
        TfrmMaterijal d(pr_, poruke_);
        DodajBetone(d, 1);
        QVERIFY(Bajtovi(BetonFajl) == beton);
        QCOMPARE(CitajBetone(Folder() / PrivremeniBetonFajl).size(), size_t(20));
    }

    void okStoresAlphaAndClosingOtherwiseDoesNot() {
        pr_.sistem.Alfa = 0.85f;
        {
            TfrmMaterijal d(pr_, poruke_);
            Kartica(d, TfrmMaterijal::KarticaEC2);
            auto* e = d.findChild<QLineEdit*>("edtAlpha");
            QCOMPARE(e->text(), QString("0,85"));
            e->clear();
            QTest::keyClicks(e, "1.x");
            QCOMPARE(e->text(), QString("1,"));
            d.reject();
            QCOMPARE(pr_.sistem.Alfa, 0.85f);
        }
        TfrmMaterijal d(pr_, poruke_);
        Kartica(d, TfrmMaterijal::KarticaEC2);
        auto* e = d.findChild<QLineEdit*>("edtAlpha");
        e->clear();
        QTest::keyClicks(e, "0.9");
        Pritisni(d, "btnOK");
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(pr_.sistem.Alfa, 0.9f);
        QVERIFY(!d.Promijenjen());
    }

    void clickingTheEntryRowEditsAndItsNumberColumnsFilterKeys() {
        TfrmMaterijal d(pr_, poruke_);
        d.show();
        Kartica(d, TfrmMaterijal::KarticaKorisnicka);
        QTableWidget* g = Grid(d, "stgBeton");
        const QRect celija = g->visualRect(g->model()->index(0, 1));
        QTest::mousePress(g->viewport(), Qt::LeftButton, {}, celija.center());
        QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, celija.center());
        auto* editor = g->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor != nullptr);
        QTest::keyClicks(editor, "-3.5x");
        QCOMPARE(editor->text(), QString("3,5"));
    }

    void selectedUserRowIsPaintedWhiteOnNavy() {
        TfrmMaterijal d(pr_, poruke_);
        d.resize(600, 600);
        d.show();
        DodajBetone(d, 2);
        QTableWidget* g = Grid(d, "stgBeton");
        g->selectRow(0);
        const QImage slika = g->viewport()->grab().toImage();
        auto boja = [&](int red) {
            const QRect r = g->visualRect(g->model()->index(red, 2));
            return slika.pixelColor(r.right() - 2, r.center().y());
        };
        QCOMPARE(boja(0), QColor(0, 0, 128));
        QVERIFY(boja(1) != QColor(0, 0, 128));
        // The entry row is never painted navy, even when selected.
        g->selectRow(2);
        const QImage druga = g->viewport()->grab().toImage();
        const QRect r = g->visualRect(g->model()->index(2, 2));
        QVERIFY(druga.pixelColor(r.right() - 2, r.center().y()) != QColor(0, 0, 128));
        QDir().mkpath(NMK_ARTEFACT_DIR);
        g->selectRow(0);
        d.grab().save(NMK_ARTEFACT_DIR "/materijal.png");
    }
};

QTEST_MAIN(MaterijalTest)
#include "materijal_test.moc"
