// The main window on the screens and the message boxes around it: the position saved and
// restored as one thing and kept on today's screens, the fixed size, the boxes centred on
// the active window with room for their caption, the start-up error's caption, Qt's own texts
// in the program's language. Two screens side by side, the first with its work area below a
// 40-pixel panel.

#include "data/katalog_fajl.h"
#include "data/konzolne_poruke.h"
#include "data/postavke.h"
#include "data/sistem.h"
#include "pomoc_prozora.h"
#include "ui/glavni_prozor.h"
#include "ui/interaktivno.h"
#include "ui/polozaj_prozora.h"
#include "ui/poruke_dijalog.h"
#include "ui/prevodi.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>

using namespace nmk;
using namespace nmk::ui;

namespace {

const QRect EkranA(0, 40, 1600, 1160);
const QRect EkranB(1600, 0, 1024, 768);

// A program folder with the shipped catalogues and a settings store that outlives the runs.
struct Okolina {
    QTemporaryDir folder;
    PostavkeUMemoriji postavke;
    test::SnimajucePoruke poruke;

    Okolina() {
        for (const char* ime : {BetonFajl, CelikFajl})
            QFile::copy(QDir(NMK_BIN_DIR).filePath(ime), QDir(folder.path()).filePath(ime));
    }
    void Sacuvaj(int lijevo, int gore) {
        postavke.postoji = true;
        postavke.vrijednosti[kMainLeft] = lijevo;
        postavke.vrijednosti[kMainTop] = gore;
    }
    // One run of the program: the window shown, `radnja`, the window closed.
    template <typename F> void Pokreni(F&& radnja) {
        Projekat pr;
        KreirajProjekat(pr, folder.path().toStdString());
        auto w = NapraviProzore(pr, postavke, poruke, {});
        w->show();
        QTest::qWait(20);
        radnja(*w);
        QVERIFY(w->close());
    }
};

} // namespace

class EkranTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void PrviStartDrziNaslovnuTrakuNaEkranu() {
        Okolina o;
        o.Pokreni([](TMainForm& w) {
            QVERIFY(w.frameGeometry().top() < w.geometry().top()); // a frame the test can see
            QVERIFY(EkranA.contains(w.frameGeometry()));
        });
    }

    void SacuvaniPolozajIzvanEkranaDolaziNaNajblizi_data() {
        QTest::addColumn<QPoint>("sacuvan");
        QTest::addColumn<QRect>("ekran");
        QTest::newRow("desno od drugog") << QPoint(5000, 300) << EkranB;
        QTest::newRow("ispod drugog") << QPoint(2000, 900) << EkranB;
        QTest::newRow("lijevo iznad") << QPoint(-3000, -3000) << EkranA;
        QTest::newRow("pod trakom prvog") << QPoint(200, 0) << EkranA;
        QTest::newRow("preko ruba") << QPoint(1200, 100) << EkranA;
    }
    void SacuvaniPolozajIzvanEkranaDolaziNaNajblizi() {
        QFETCH(QPoint, sacuvan);
        QFETCH(QRect, ekran);
        Okolina o;
        o.Sacuvaj(sacuvan.x(), sacuvan.y());
        o.Pokreni([&](TMainForm& w) { QVERIFY(ekran.contains(w.frameGeometry())); });
    }

    void PolozajSeVracaIstiIzStartaUStart() {
        Okolina o;
        o.Sacuvaj(300, 200);
        for (int i = 0; i < 10; ++i)
            o.Pokreni([](TMainForm& w) { QCOMPARE(w.geometry().topLeft(), QPoint(300, 200)); });
        QCOMPARE(o.postavke.CitajCijeli(kMainLeft), std::optional<int>(300));
        QCOMPARE(o.postavke.CitajCijeli(kMainTop), std::optional<int>(200));
        // a window moved by the user comes back where it was left
        o.Pokreni([](TMainForm& w) { w.move(411, 333); });
        o.Pokreni([](TMainForm& w) { QCOMPARE(w.pos(), QPoint(411, 333)); });
    }

    void OkvirNaEkranuIdeNaNajblizuPovrsinu() {
        const QList<QRect> povrsine{EkranA, EkranB};
        // larger than the area: the title bar and the left edge stay inside
        QCOMPARE(OkvirNaEkranu(QRect(-50, -50, 3000, 3000), povrsine).topLeft(), EkranA.topLeft());
        // mostly on the second screen: it goes there, not to the first
        QCOMPARE(OkvirNaEkranu(QRect(1500, 700, 400, 200), povrsine), QRect(1600, 568, 400, 200));
        QCOMPARE(OkvirNaEkranu(QRect(10, 50, 100, 100), povrsine), QRect(10, 50, 100, 100));
        QCOMPARE(OkvirNaEkranu(QRect(10, 50, 100, 100), {}), QRect(10, 50, 100, 100));
    }

    void GlavniProzorJeNepromjenljiveVelicine() {
        Okolina o;
        o.Pokreni([](TMainForm& w) {
            const QSize velicina = w.size();
            QCOMPARE(w.minimumSize(), w.maximumSize());
            QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
            w.resize(velicina + QSize(200, 150));
            QCOMPARE(w.size(), velicina);
        });
    }

    void PorukaBezAktivnogProzoraJeNaSredistuGlavnog() {
        Okolina o;
        o.Pokreni([](TMainForm& w) {
            w.move(40, 60);
            QTest::qWait(20);
            // as after a file dialog or another box: the activation has not come back yet
            QApplication::setActiveWindow(nullptr);
            QRect box;
            test::KadSeOtvoriModalni([&box](QWidget* m) {
                box = m->frameGeometry();
                static_cast<QDialog*>(m)->accept();
            });
            QtPoruke().Prikazi("Presjek nije dimenzioniran!", VrstaPoruke::Upozorenje, dgOK);
            QVERIFY(!box.isEmpty());
            QVERIFY(w.frameGeometry().contains(box.center()));
            QVERIFY(EkranA.contains(box));
            QVERIFY(std::abs(box.center().x() - w.frameGeometry().center().x()) <= 1);
        });
    }

    void NaslovPorukeImaMjestaUNaslovnojTraci() {
        for (auto v : {VrstaPoruke::Upozorenje, VrstaPoruke::Greska, VrstaPoruke::Informacija,
                       VrstaPoruke::Potvrda}) {
            TPorukaDijalog box("x", v, dgOK, nullptr);
            box.show();
            QFont podebljan = box.font();
            podebljan.setBold(true);
            // the caption beside a title bar's icon and three buttons of about 30 pixels
            QVERIFY(box.width() >=
                    QFontMetrics(podebljan).horizontalAdvance(box.windowTitle()) + 4 * 30);
        }
    }

    void GreskaPokretanjaImaSvojNaslov() {
        QString naslov, tekst;
        test::KadSeOtvoriModalni([&](QWidget* m) {
            naslov = m->windowTitle();
            tekst = static_cast<QMessageBox*>(m)->text();
            static_cast<QDialog*>(m)->accept();
        });
        PrikaziGreskuPokretanja("Program nemoze raditi bez sljedecih fajlova:\na\nb");
        QCOMPARE(naslov, QString::fromUtf8(NaslovGreskePrograma));
        QVERIFY(tekst.startsWith("Program nemoze raditi"));
    }

    void StandardniDijaloziGovoreJezikomPrograma() {
        const char* izvori[][2] = {
            {"QPlatformTheme", "Cancel"},
            {"QFileDialog", "%1 already exists.\nDo you want to replace it?"},
            {"QFileDialog", "Save As"},
            {"QPrintDialog", "Print"},
            {"QFontDialog", "Select Font"},
            {"QPageSetupWidget", "Margins"},
        };
        QVERIFY(UcitajPrevodeQt(*QCoreApplication::instance(), QString()));
        for (const auto& [kontekst, izvor] : izvori) {
            const QString prevod = QCoreApplication::translate(kontekst, izvor);
            QVERIFY2(prevod != QString::fromUtf8(izvor), izvor);
        }
        QDialogButtonBox dugmad(QDialogButtonBox::Cancel);
        QVERIFY(!dugmad.button(QDialogButtonBox::Cancel)->text().contains("Cancel"));
    }
};

int main(int argc, char** argv) {
    return test::PokreniNaEkranima<EkranTest>(argc, argv, {EkranA, EkranB});
}

#include "ekran_test.moc"
