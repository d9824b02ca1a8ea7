#include "ui/slike_sistema.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPolygonF>

#include <array>

namespace nmk::ui {

namespace {

// The beam runs between these abscissas of a picture of width w.
struct Raspon {
    double x0;
    double x1;
    double sredina() const { return (x0 + x1) / 2; }
};

Raspon RasponSlike(const QSize& velicina) {
    return {10.0, velicina.width() - 10.0};
}

QPixmap PraznaSlika(const QSize& velicina) {
    QPixmap slika(velicina);
    slika.fill(Qt::transparent);
    return slika;
}

void PripremiCrtanje(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    const QColor boja = QGuiApplication::palette().color(QPalette::Text);
    p.setPen(QPen(boja, 1.4));
    p.setBrush(Qt::NoBrush);
}

// A clamped end: a wall across the beam with its hatching on the far side from the beam.
void Uklijestenje(QPainter& p, double x, double y, bool lijevo) {
    const double pola = 8;
    p.drawLine(QPointF(x, y - pola), QPointF(x, y + pola));
    const double smjer = lijevo ? -1 : 1;
    const QPen staro = p.pen();
    QPen tanko = staro;
    tanko.setWidthF(0.8);
    p.setPen(tanko);
    for (double yy = y - pola; yy < y + pola; yy += 4)
        p.drawLine(QPointF(x, yy + 4), QPointF(x + smjer * 4, yy));
    p.setPen(staro);
}

// A pinned support (a triangle under the beam); a roller has a line with a gap under it.
void Lezaj(QPainter& p, double x, double y, bool pomicni) {
    const QPolygonF trokut{QPointF(x, y), QPointF(x - 5, y + 8), QPointF(x + 5, y + 8)};
    p.drawPolygon(trokut);
    const double dno = pomicni ? y + 11 : y + 8;
    p.drawLine(QPointF(x - 7, dno), QPointF(x + 7, dno));
}

// A load arrow from (x, od) down to the beam at (x, do_).
void Strelica(QPainter& p, double x, double od, double do_) {
    p.drawLine(QPointF(x, od), QPointF(x, do_));
    const QPolygonF vrh{QPointF(x, do_), QPointF(x - 2.5, do_ - 4), QPointF(x + 2.5, do_ - 4)};
    const QBrush staro = p.brush();
    p.setBrush(p.pen().color());
    p.drawPolygon(vrh);
    p.setBrush(staro);
}

// A line load whose height over the beam is given at the ends and, optionally, at a peak
// in between; arrows are drawn under the outline.
void LinijskoOpterecenje(QPainter& p, const Raspon& r, double greda,
                         const std::array<QPointF, 3>& obris) {
    QPolygonF poligon{QPointF(r.x0, greda), obris[0], obris[1], obris[2], QPointF(r.x1, greda)};
    p.drawPolyline(poligon);
    const int brojStrelica = 7;
    for (int i = 0; i < brojStrelica; ++i) {
        const double x = r.x0 + (r.x1 - r.x0) * i / (brojStrelica - 1);
        // height of the outline at x, by linear interpolation between its points
        double vrh = greda;
        for (int j = 0; j + 1 < 3; ++j) {
            const QPointF a = obris[j], b = obris[j + 1];
            if (x >= a.x() && x <= b.x() && b.x() > a.x())
                vrh = a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
        }
        if (greda - vrh > 5)
            Strelica(p, x, vrh, greda);
    }
}

} // namespace

QPixmap SlikaStatickogSistema(int indeks, QSize velicina) {
    QPixmap slika = PraznaSlika(velicina);
    if (indeks < 0 || indeks >= BrojStatickihSistema)
        return slika;
    QPainter p(&slika);
    PripremiCrtanje(p);
    const Raspon r = RasponSlike(velicina);
    const double y = velicina.height() / 2.0 - 3;
    p.drawLine(QPointF(r.x0, y), QPointF(r.x1, y));
    switch (indeks) {
    case 0: // cantilever
        Uklijestenje(p, r.x0, y, true);
        break;
    case 1: // simply supported beam
        Lezaj(p, r.x0, y, false);
        Lezaj(p, r.x1, y, true);
        break;
    case 2: // fixed at one end, simply supported at the other
        Uklijestenje(p, r.x0, y, true);
        Lezaj(p, r.x1, y, true);
        break;
    default: // fixed at both ends
        Uklijestenje(p, r.x0, y, true);
        Uklijestenje(p, r.x1, y, false);
        break;
    }
    return slika;
}

QPixmap SlikaOpterecenja(int indeks, QSize velicina) {
    QPixmap slika = PraznaSlika(velicina);
    if (indeks < 0 || indeks >= BrojOpterecenja)
        return slika;
    QPainter p(&slika);
    PripremiCrtanje(p);
    const Raspon r = RasponSlike(velicina);
    const double greda = velicina.height() - 9.0;
    const double vrh = 4;
    const double nisko = greda - 1;
    p.drawLine(QPointF(r.x0, greda), QPointF(r.x1, greda));
    // the cases that belong to the cantilever show its clamped end on the left
    if (indeks == 1 || indeks == 4 || indeks == 5)
        Uklijestenje(p, r.x0, greda, true);
    const QPointF lijevo(r.x0, nisko), desno(r.x1, nisko);
    const QPointF sredina(r.sredina(), nisko);
    switch (indeks) {
    case 0: // concentrated force at mid-span
        Strelica(p, r.sredina(), vrh, greda);
        break;
    case 1: // concentrated force at the free end
        Strelica(p, r.x1, vrh, greda);
        break;
    case 2: // uniform load
        LinijskoOpterecenje(p, r, greda,
                            {QPointF(r.x0, vrh), QPointF(r.sredina(), vrh), QPointF(r.x1, vrh)});
        break;
    case 3: // triangle peaking at mid-span
        LinijskoOpterecenje(p, r, greda, {lijevo, QPointF(r.sredina(), vrh), desno});
        break;
    case 4: // triangle peaking at the clamped end
        LinijskoOpterecenje(p, r, greda, {QPointF(r.x0, vrh), sredina, desno});
        break;
    default: // triangle peaking at the free end
        LinijskoOpterecenje(p, r, greda, {lijevo, sredina, QPointF(r.x1, vrh)});
        break;
    }
    return slika;
}

QString OpisStatickogSistema(int indeks) {
    static const char* const opisi[BrojStatickihSistema] = {"Konzola", "Prosta greda",
                                                            "Greda uklještena na jednom kraju",
                                                            "Greda uklještena na oba kraja"};
    if (indeks < 0 || indeks >= BrojStatickihSistema)
        return {};
    return QString::fromUtf8(opisi[indeks]);
}

QString OpisOpterecenja(int indeks) {
    static const char* const opisi[BrojOpterecenja] = {
        "Koncentrisana sila u sredini raspona",
        "Koncentrisana sila na slobodnom kraju konzole",
        "Jednako podijeljeno opterećenje",
        "Trougaono opterećenje s vrhom u sredini raspona",
        "Trougaono opterećenje s vrhom na uklještenom kraju konzole",
        "Trougaono opterećenje s vrhom na slobodnom kraju konzole"};
    if (indeks < 0 || indeks >= BrojOpterecenja)
        return {};
    return QString::fromUtf8(opisi[indeks]);
}

namespace {

void NapuniSlikama(QComboBox* cbo, int broj, QPixmap (*slika)(int, QSize), QString (*opis)(int)) {
    cbo->clear();
    cbo->setIconSize(VelicinaSlike);
    for (int i = 0; i < broj; ++i) {
        cbo->addItem(QIcon(slika(i, VelicinaSlike)), QString());
        cbo->setItemData(i, opis(i), Qt::ToolTipRole);
        cbo->setItemData(i, opis(i), Qt::AccessibleTextRole);
    }
}

} // namespace

void NapuniStatickeSisteme(QComboBox* cbo) {
    NapuniSlikama(cbo, BrojStatickihSistema, &SlikaStatickogSistema, &OpisStatickogSistema);
}

void NapuniOpterecenja(QComboBox* cbo) {
    NapuniSlikama(cbo, BrojOpterecenja, &SlikaOpterecenja, &OpisOpterecenja);
}

void ListaSlika::hidePopup() {
    const bool bilaOtvorena = view() != nullptr && view()->isVisible();
    QComboBox::hidePopup();
    if (bilaOtvorena)
        emit listaZatvorena();
}

} // namespace nmk::ui
