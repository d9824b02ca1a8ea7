#include "ui/poruke_dijalog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace nmk;
using namespace nmk::ui;

namespace {

// What the box looked like while it was shown.
struct Vidjeno {
    QString naslov;
    QStringList dugmad;
    QRect okvir;
};

// Runs `pokazi` (which shows a modal box) and, once the box is up, records it and presses the
// button with the text `pritisni`.
Vidjeno PokaziIPritisni(const std::function<void()>& pokazi, const QString& pritisni) {
    Vidjeno v;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        v.naslov = box->windowTitle();
        v.okvir = box->frameGeometry();
        for (QAbstractButton* b : box->buttons()) {
            v.dugmad << b->text();
        }
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == pritisni) {
                b->click();
                return;
            }
        }
        box->reject();
    });
    pokazi();
    return v;
}

} // namespace

class PorukeDijalogTest : public QObject {
    Q_OBJECT

private slots:
    void placementIsCentredOnTheActiveWindow() {
        const QRect ekran(0, 0, 1920, 1040);
        // Halves truncate toward zero: (301 - 200) / 2 = 50 and (-99) / 2 = -49.
        QCOMPARE(PolozajPoruke(QRect(100, 100, 301, 201), QSize(200, 100), ekran),
                 QPoint(150, 150));
        QCOMPARE(PolozajPoruke(QRect(500, 500, 101, 50), QSize(200, 100), ekran), QPoint(451, 475));
    }

    void placementIsHeldInsideTheWorkArea_data() {
        QTest::addColumn<QRect>("aktivni");
        QTest::addColumn<QRect>("radna");
        QTest::addColumn<QPoint>("ocekivano");
        const QRect ekran(0, 0, 1920, 1040);
        // The active window at the right edge: the box's right edge meets the area's width.
        QTest::newRow("right edge") << QRect(1800, 300, 400, 300) << ekran << QPoint(1720, 400);
        QTest::newRow("left of the screen")
            << QRect(-350, 300, 400, 300) << ekran << QPoint(0, 400);
        QTest::newRow("above the screen") << QRect(300, -280, 400, 300) << ekran << QPoint(400, 0);
        QTest::newRow("below the work area")
            << QRect(300, 1000, 400, 300) << ekran << QPoint(400, 940);
        // A taskbar on the left: the box never starts under it.
        QTest::newRow("area offset")
            << QRect(10, 300, 200, 300) << QRect(60, 0, 1860, 1080) << QPoint(60, 400);
        // A second screen to the right: the box stays on the active window's screen.
        QTest::newRow("second screen")
            << QRect(3000, 300, 400, 300) << QRect(1920, 0, 1920, 1040) << QPoint(3100, 400);
        QTest::newRow("second screen right edge")
            << QRect(3700, 300, 400, 300) << QRect(1920, 0, 1920, 1040) << QPoint(3640, 400);
    }

    void placementIsHeldInsideTheWorkArea() {
        QFETCH(QRect, aktivni);
        QFETCH(QRect, radna);
        QFETCH(QPoint, ocekivano);
        const QSize box(200, 100);
        const QPoint p = PolozajPoruke(aktivni, box, radna);
        QCOMPARE(p, ocekivano);
        QVERIFY(QRect(p, box).intersects(radna));
    }

    void confirmationWithThreeButtonsAnswersCancel() {
        QtPoruke poruke;
        int odgovor = 0;
        const Vidjeno v = PokaziIPritisni(
            [&] {
                odgovor = poruke.Prikazi("Snimiti Presjeke?", VrstaPoruke::Potvrda, dgDaNeOtkazi);
            },
            QString::fromUtf8("O&tkaži"));
        QCOMPARE(v.naslov, QString("Potvrdi"));
        QCOMPARE(v.dugmad.size(), 3);
        QVERIFY(v.dugmad.contains("&Da"));
        QVERIFY(v.dugmad.contains("&Ne"));
        QVERIFY(v.dugmad.contains(QString::fromUtf8("O&tkaži")));
        QCOMPARE(odgovor, odgOtkazi);
    }

    void eachKindHasItsCaptionAndEachButtonItsAnswer_data() {
        QTest::addColumn<int>("vrsta");
        QTest::addColumn<uint>("dugmad");
        QTest::addColumn<QString>("pritisni");
        QTest::addColumn<QString>("naslov");
        QTest::addColumn<int>("odgovor");
        QTest::newRow("warning") << 0 << uint(dgOK) << "&OK"
                                 << "Upozorenje" << odgOK;
        QTest::newRow("error") << 1 << uint(dgOK) << "&OK" << QString::fromUtf8("Greška") << odgOK;
        QTest::newRow("information") << 2 << uint(dgOK) << "&OK"
                                     << "Informacija" << odgOK;
        QTest::newRow("yes") << 3 << uint(dgDaNe) << "&Da"
                             << "Potvrdi" << odgDa;
        QTest::newRow("no") << 3 << uint(dgDaNe) << "&Ne"
                            << "Potvrdi" << odgNe;
        QTest::newRow("no of three") << 3 << uint(dgDaNeOtkazi) << "&Ne"
                                     << "Potvrdi" << odgNe;
    }

    void eachKindHasItsCaptionAndEachButtonItsAnswer() {
        QFETCH(int, vrsta);
        QFETCH(uint, dugmad);
        QFETCH(QString, pritisni);
        QFETCH(QString, naslov);
        QFETCH(int, odgovor);
        QtPoruke poruke;
        int dobijeno = 0;
        const Vidjeno v = PokaziIPritisni(
            [&] { dobijeno = poruke.Prikazi("x", static_cast<VrstaPoruke>(vrsta), dugmad); },
            pritisni);
        QCOMPARE(v.naslov, naslov);
        QCOMPARE(dobijeno, odgovor);
    }

    void errorBoxShowsOnlyOk() {
        QtPoruke poruke;
        const Vidjeno v = PokaziIPritisni(
            [&] { poruke.Prikazi("nmkpomoc.chm ne postoji", VrstaPoruke::Greska, dgOK); }, "&OK");
        QCOMPARE(v.dugmad, QStringList{"&OK"});
    }

    void escapeOnAConfirmationAnswersCancel() {
        QtPoruke poruke;
        int odgovor = 0;
        QTimer::singleShot(0, [] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
        odgovor = poruke.Prikazi("Snimiti Presjeke?", VrstaPoruke::Potvrda, dgDaNeOtkazi);
        QCOMPARE(odgovor, odgOtkazi);
    }

    void plainBoxHasOneOkButton() {
        QtPoruke poruke;
        const Vidjeno v = PokaziIPritisni([&] { poruke.Obicna("alfaF: 0,85"); }, "&OK");
        QCOMPARE(v.dugmad, QStringList{"&OK"});
        QVERIFY(v.naslov != "Upozorenje" && v.naslov != "Potvrdi");
    }

    void boxIsPlacedByThePlacementRuleOverTheActiveWindow() {
        QMainWindow glavni;
        glavni.resize(400, 300);
        glavni.show();
        const QRect radna = glavni.screen()->availableGeometry();
        // At the right edge of the work area, so that the box must be pulled back inside.
        glavni.move(radna.x() + radna.width() - 100, radna.y() + 50);
        QApplication::setActiveWindow(&glavni);
        QVERIFY(QTest::qWaitForWindowActive(&glavni));
        QtPoruke poruke;
        const Vidjeno v = PokaziIPritisni(
            [&] { poruke.Prikazi("Presjek nije dimenzioniran!", VrstaPoruke::Upozorenje, dgOK); },
            "&OK");
        QCOMPARE(v.okvir.topLeft(), PolozajPoruke(glavni.frameGeometry(), v.okvir.size(), radna));
        QCOMPARE(v.okvir.x() + v.okvir.width(), radna.x() + radna.width());
        SnimiSliku(glavni);
    }

private:
    static void SnimiSliku(QWidget& iznad) {
        QDir().mkpath(NMK_ARTEFACT_DIR);
        TPorukaDijalog box("Presjeci su promijenjeni!\nSnimiti promjene ?", VrstaPoruke::Potvrda,
                           dgDaNeOtkazi, &iznad);
        box.show();
        box.grab().save(QStringLiteral(NMK_ARTEFACT_DIR "/poruka.png"));
        box.close();
    }
};

QTEST_MAIN(PorukeDijalogTest)
#include "poruke_dijalog_test.moc"
