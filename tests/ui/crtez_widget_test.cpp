#include "ui/crtez_widget.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QTest>

#include <variant>

using namespace nmk;
using namespace nmk::ui;

namespace {

// A calculated section with chosen bars: 40/60, sagging, parabola and rectangle.
TPresjek Izracunat() {
    TPresjek p;
    p.Naziv = "P1";
    p.fB = 14.17;
    p.Aa1 = 2.5;
    p.Aa2 = 12.3;
    p.Avil = 4.2;
    p.Qu = 100;
    p.epsb = 3.5;
    p.epsa = 6.2;
    p.ArmDonja = {{16, 4}, {12, 2}};
    p.Status = sfIzracunat;
    return p;
}

template <class T> std::optional<T> Nadji(const std::vector<render::Primitiv>& v, render::Uloga u) {
    for (const auto& x : v)
        if (auto* t = std::get_if<T>(&x); t && t->uloga == u)
            return *t;
    return std::nullopt;
}

bool JeBoja(const QImage& slika, QPoint t, QColor boja) {
    return slika.pixelColor(t).rgb() == boja.rgb();
}

} // namespace

class CrtezWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void holdsTheElevenLabelsAtTheirPlaces() {
        CrtezWidget pb;
        QCOMPARE(pb.objectName(), QString("pb"));
        QCOMPARE(pb.cursor().shape(), Qt::CrossCursor);
        QCOMPARE(pb.statusTip(), QString("Presjek, deformacije i naponi u betonu"));
        for (int i = 0; i < render::BrojNatpisa; ++i) {
            const auto n = static_cast<render::Natpis>(i);
            auto* l = pb.findChild<QLabel*>(render::ImeNatpisa(n));
            QVERIFY2(l, render::ImeNatpisa(n));
            QCOMPARE(l->parentWidget(), &pb);
            QCOMPARE(l->pos(), QPoint(render::MjestoNatpisa(n).x, render::MjestoNatpisa(n).y));
            QVERIFY(l->text().isEmpty());
            QCOMPARE(l->isVisibleTo(&pb), !render::UokvirenNatpis(n));
        }
    }

    void fillsTheLabelsOfACalculatedSectionAndClearsThem() {
        QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia));
        CrtezWidget pb;
        const TPresjek p = Izracunat();
        pb.Prikazi(&p, false);
        pb.Natpisi(true);
        auto* eb = pb.findChild<QLabel*>("lbleb");
        auto* aa2d = pb.findChild<QLabel*>("lblAa2D");
        QCOMPARE(eb->text(), QString::fromUtf8("eps_c= 3,50  ‰"));
        QCOMPARE(pb.findChild<QLabel*>("lblAvil")->text(), QString::fromUtf8("Avil= 4,20 cm2/m´"));
        QVERIFY(aa2d->isVisibleTo(&pb));
        QCOMPARE(aa2d->toolTip(), QString("4 d16 + 2 d12"));
        QVERIFY(!pb.findChild<QLabel*>("lblAa1D")->isVisibleTo(&pb));
        pb.Natpisi(false);
        QVERIFY(eb->text().isEmpty());
        QVERIFY(!aa2d->isVisibleTo(&pb));
        pb.Natpisi(true);
        pb.Obrisi();
        QVERIFY(!pb.Presjek().has_value());
        QVERIFY(eb->text().isEmpty());
        QVERIFY(pb.Primitivi().empty());
    }

    void paintsTheSectionBarsAndStressBlock() {
        CrtezWidget pb;
        pb.resize(520, 260);
        const TPresjek p = Izracunat();
        const QImage prazno = pb.grab().toImage();
        pb.Prikazi(&p, false);
        pb.Natpisi(true);
        const QImage slika = pb.grab().toImage();
        QDir().mkpath(NMK_ARTEFACT_DIR);
        QVERIFY(slika.save(QString(NMK_ARTEFACT_DIR) + "/crtez_widget.png"));
        const auto v = pb.Primitivi();

        const auto bar = Nadji<render::Linija>(v, render::Uloga::DonjaArmatura);
        QVERIFY(bar);
        const QPoint sredina((bar->a.x + bar->b.x) / 2, bar->a.y);
        QVERIFY(JeBoja(slika, sredina, Qt::blue));
        QVERIFY(!JeBoja(prazno, sredina, Qt::blue));

        const auto obris = Nadji<render::Poligon>(v, render::Uloga::Obris);
        QVERIFY(obris);
        const QPoint gore((obris->tacke[0].x + obris->tacke[1].x) / 2, obris->tacke[0].y);
        QVERIFY(JeBoja(slika, gore, Qt::black));
        QVERIFY(JeBoja(slika, gore + QPoint(0, 3), Qt::white)); // white inside

        const auto naponi = Nadji<render::Poligon>(v, render::Uloga::Naponi);
        QVERIFY(naponi);
        const QPoint vrh((naponi->tacke[9].x + naponi->tacke[10].x) / 2, naponi->tacke[9].y);
        QVERIFY(JeBoja(slika, vrh, Qt::black));
        QVERIFY(!JeBoja(prazno, vrh, Qt::black));
    }

    void drawsOnlyTheOutlineWhenAsked() {
        CrtezWidget pb;
        pb.resize(520, 260);
        const TPresjek p = Izracunat();
        pb.Prikazi(&p, true);
        QVERIFY(pb.SamoObris());
        const auto v = pb.Primitivi();
        QVERIFY(Nadji<render::Poligon>(v, render::Uloga::Obris));
        QVERIFY(!Nadji<render::Linija>(v, render::Uloga::DonjaArmatura));
        QVERIFY(!Nadji<render::Poligon>(v, render::Uloga::Naponi));
    }
};

QTEST_MAIN(CrtezWidgetTest)
#include "crtez_widget_test.moc"
