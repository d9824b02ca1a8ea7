// The interaction diagram: its window on a section (curve, design point, hover read-out, the
// two ratios, the source of the areas, copy and CSV), its place in the main window, and the
// diagram in the print preview's report, its RTF and its printed page.

#include "data/postavke.h"
#include "data/sistem.h"
#include "engine/cvrstoce.h"
#include "pomoc_prozora.h"
#include "render/rtf.h"
#include "ui/dijagram_interakcije.h"
#include "ui/glavni_prozor.h"
#include "ui/interaktivno.h"
#include "ui/pregled_stampe.h"
#include "ui/strane_izvjestaja.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

using namespace nmk;
using namespace nmk::ui;

namespace {

// The worked case with its design forces and strengths, 3 cm2 required at the top and 9 at
// the bottom besides its four bars of 16 mm.
TPresjek Presjek(const Katalozi& k) {
    TPresjek p = test::RadniPrimjer();
    PostaviProracunskeCvrstoce(p, k, 0.85f, p.gamaC, p.gamaS);
    p.Naziv = "Greda";
    p.Aa1 = 3;
    p.Aa2 = 9;
    p.Mu = 90;
    p.Nu = -300;
    return p;
}

QLabel* Natpis(QWidget* w, const char* ime) {
    return test::Nadji<QLabel>(w, ime);
}

} // namespace

class DijagramInterakcijeTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void ProzorCrtaKrivuITackuIKazeOdnose() {
        Projekat pr = test::ProjekatSKatalozima();
        test::SnimajucePoruke poruke;
        TfrmDijagramInterakcije w(pr, poruke);
        const TPresjek p = Presjek(pr.katalozi);
        w.Postavi(p);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // the chosen bars by default, and the window says so
        QVERIFY(test::Nadji<QRadioButton>(&w, "rdbUsvojenaArmatura")->isChecked());
        QVERIFY(Natpis(&w, "lblArmatura")->text().startsWith("Usvojena"));
        const KrivaInterakcije usvojena = w.Kriva();
        QVERIFY(usvojena.tacke.size() > 20);
        QCOMPARE(usvojena.Aa1, 0.0);
        const Iskoristenost i = Iskoristenje(usvojena, p.Nu, p.Mu);
        QVERIFY(i.unutar && i.poMomentu > 0 && i.poMomentu < 1);
        QCOMPARE(Natpis(&w, "lblIskoristenost")->text().toStdString(),
                 render::OpisIskoristenja(i, '.'));
        // the required areas on request: another curve
        QTest::mouseClick(test::Nadji<QRadioButton>(&w, "rdbPotrebnaArmatura"), Qt::LeftButton);
        QVERIFY(Natpis(&w, "lblArmatura")->text().startsWith("Potrebna"));
        QCOMPARE(w.Kriva().Aa1, 3.0);
        QVERIFY(w.Kriva().Nmax != usvojena.Nmax);
        // the nearest point under the mouse
        auto* pb = test::Nadji<DijagramWidget>(&w, "pbDijagram");
        const std::size_t j = w.Kriva().pritisak / 2;
        const render::TackaD t = pb->Geometrija().kriva[j];
        QTest::mouseMove(pb, QPoint(int(std::lround(t.x)), int(std::lround(t.y))));
        QTRY_VERIFY(pb->Istaknuta().has_value());
        const TackaKrive& tacka = w.Kriva().tacke[*pb->Istaknuta()];
        QCOMPARE(Natpis(&w, "lblTacka")->text(),
                 QString::fromStdString(render::OpisTacke(tacka, '.')));
        QVERIFY(std::hypot(pb->Geometrija().kriva[*pb->Istaknuta()].x - t.x,
                           pb->Geometrija().kriva[*pb->Istaknuta()].y - t.y) < 1.5);
        // the picture for a person to look at (and for the README), hovering a point
        w.resize(680, 560);
        QTest::mouseMove(pb, pb->rect().center());
        QTest::mouseMove(pb, QPoint(int(std::lround(pb->Geometrija().kriva[j].x)),
                                    int(std::lround(pb->Geometrija().kriva[j].y))));
        QDir().mkpath(NMK_ARTEFACT_DIR);
        QVERIFY(w.grab().save(QDir(NMK_ARTEFACT_DIR).filePath("dijagram_interakcije.png")));
    }

    void SvakaKontrolaImaIme() {
        Projekat pr = test::ProjekatSKatalozima();
        test::SnimajucePoruke poruke;
        TfrmDijagramInterakcije w(pr, poruke);
        for (QWidget* c : w.findChildren<QWidget*>())
            if (qobject_cast<QAbstractButton*>(c) || qobject_cast<QLabel*>(c) ||
                qobject_cast<DijagramWidget*>(c))
                QVERIFY2(!c->objectName().isEmpty(), c->metaObject()->className());
    }

    void SlikaUClipboardKrivaUCsv() {
        Projekat pr = test::ProjekatSKatalozima();
        test::SnimajucePoruke poruke;
        TfrmDijagramInterakcije w(pr, poruke);
        w.Postavi(Presjek(pr.katalozi));
        w.resize(640, 480);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(test::Nadji<QPushButton>(&w, "btnKopirajSliku"), Qt::LeftButton);
        const QImage slika = QGuiApplication::clipboard()->image();
        QCOMPARE(slika.size(), w.Slika().size());
        QVERIFY(!slika.isNull());
        QTemporaryDir dir;
        const QString put = dir.filePath("kriva.csv");
        QVERIFY(w.SnimiCsv(put));
        QFile f(put);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> redovi = f.readAll().split('\n');
        QCOMPARE(redovi.size(), qsizetype(w.Kriva().tacke.size() + 2)); // header, last newline
        QVERIFY(redovi[1].count(',') == 3);
        // a folder that does not exist: a message and no file
        QVERIFY(!w.SnimiCsv(dir.filePath("nema/kriva.csv")));
        QCOMPARE(poruke.poruke.size(), std::size_t{1});
    }

    // F11 and the button beside "Prsline" open the window on the calculated section.
    void GlavniProzorOtvaraDijagram() {
        QTemporaryDir folder;
        for (const char* ime : {BetonFajl, CelikFajl})
            QFile::copy(QDir(NMK_BIN_DIR).filePath(ime), QDir(folder.path()).filePath(ime));
        Projekat pr;
        KreirajProjekat(pr, folder.path().toStdString());
        PostavkeUMemoriji postavke;
        test::SnimajucePoruke poruke;
        auto prozor = NapraviProzore(pr, postavke, poruke, {});
        auto* akcija = test::Nadji<QAction>(prozor.get(), "mnuDijagramInterakcije");
        QCOMPARE(test::Nadji<QPushButton>(prozor.get(), "btnDijagram")->parentWidget(),
                 prozor->Kontrole().btnPrsline->parentWidget());
        QTest::mouseClick(prozor->Kontrole().btnProracun, Qt::LeftButton);
        QVERIFY(pr.presjeci[0].ima(sfIzracunat));
        for (const bool dugme : {false, true}) {
            bool otvoren = false;
            std::size_t tacaka = 0;
            test::KadSeOtvoriModalni(
                [&](QWidget* w) {
                    auto* d = qobject_cast<TfrmDijagramInterakcije*>(w);
                    QVERIFY(d);
                    tacaka = d->Kriva().tacke.size();
                    if (dugme)
                        test::SacuvajSliku(w, "dijagram_interakcije_glavni");
                    d->accept();
                },
                &otvoren);
            if (dugme)
                test::Klikni(prozor.get(), "btnDijagram");
            else
                akcija->trigger();
            QVERIFY(otvoren);
            QVERIFY(tacaka > 20);
        }
        QCOMPARE(pr.trenutni, pr.presjeci.size() - 1);
    }

    // The check box adds the diagram to each block; the RTF carries it as a PNG, the printed
    // page shows it, and the Font command keeps it.
    void IzvjestajSaDijagramom() {
        Projekat pr = test::ProjekatSKatalozima();
        pr.presjeci.insert(pr.presjeci.begin(), Presjek(pr.katalozi));
        PostavkeUMemoriji postavke;
        test::SnimajucePoruke poruke;
        TfrmPregledStampe w(pr, postavke, poruke);
        w.IzgradiSve();
        auto slike = [&] {
            int n = 0;
            for (const render::Red& r : w.Izvjestaj().redovi)
                n += r.slika.has_value();
            return n;
        };
        QCOMPARE(slike(), 0);
        test::Nadji<QCheckBox>(&w, "chkDijagram")->setChecked(true);
        QCOMPARE(slike(), 1);
        const render::Izvjestaj iz = w.Izvjestaj();
        QCOMPARE(QString::fromStdString(iz.redovi.back().Tekst()), QString(render::Crta));
        const std::string rtf = render::UpisiRtf(iz);
        QVERIFY(rtf.find("{\\pict\\pngblip") != std::string::npos);
        QImage slika(643, 971, QImage::Format_RGB32);
        slika.fill(Qt::white);
        const QTextDocument& doc = *test::Nadji<QTextEdit>(&w, "redtStampa")->document();
        const StraneIzvjestaja strane(doc, slika);
        QPainter p(&slika);
        strane.Crtaj(p, 0, NapraviZaglavlje("/home/inz/Stub.nmk", QDate(2024, 5, 3)));
        p.end();
        // the curve's blue is on the page
        int plavih = 0;
        for (int y = 0; y < slika.height(); y += 2)
            for (int x = 0; x < slika.width(); x += 2)
                plavih += slika.pixelColor(x, y).blue() > 150 && slika.pixelColor(x, y).red() < 80;
        QVERIFY(plavih > 50);
        QDir().mkpath(NMK_ARTEFACT_DIR);
        QVERIFY(slika.save(QDir(NMK_ARTEFACT_DIR).filePath("strana_s_dijagramom.png")));
        w.PrimijeniFont(QFont("Courier New", 11));
        QCOMPARE(slike(), 1);
        test::Nadji<QCheckBox>(&w, "chkDijagram")->setChecked(false);
        QCOMPARE(slike(), 0);
    }
};

QTEST_MAIN(DijagramInterakcijeTest)
#include "dijagram_interakcije_test.moc"
