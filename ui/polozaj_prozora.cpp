#include "ui/polozaj_prozora.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace nmk::ui {

namespace {

// Area of the overlap of two rectangles (0 when they do not meet).
std::int64_t Preklop(const QRect& a, const QRect& b) {
    const QRect p = a.intersected(b);
    return p.isEmpty() ? 0 : std::int64_t(p.width()) * p.height();
}

// Squared distance between two rectangles that do not meet (0 when they do).
std::int64_t Udaljenost(const QRect& a, const QRect& b) {
    const std::int64_t dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
    const std::int64_t dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
    return dx * dx + dy * dy;
}

// One coordinate held inside [pocetak, pocetak + duzina): the far edge first, then the near
// one, which wins when the window is longer than the area.
int Unutar(int polozaj, int velicina, int pocetak, int duzina) {
    polozaj = std::min(polozaj, pocetak + duzina - velicina);
    return std::max(polozaj, pocetak);
}

} // namespace

QRect NajblizaPovrsina(const QRect& okvir, const QList<QRect>& povrsine) {
    QRect najbolja;
    std::int64_t najveciPreklop = 0;
    std::int64_t najmanjaUdaljenost = std::numeric_limits<std::int64_t>::max();
    for (const QRect& p : povrsine) {
        const std::int64_t preklop = Preklop(okvir, p);
        if (preklop > najveciPreklop) {
            najveciPreklop = preklop;
            najbolja = p;
        }
    }
    if (najveciPreklop > 0)
        return najbolja;
    for (const QRect& p : povrsine) {
        const std::int64_t d = Udaljenost(okvir, p);
        if (d < najmanjaUdaljenost) {
            najmanjaUdaljenost = d;
            najbolja = p;
        }
    }
    return najbolja;
}

QRect OkvirNaEkranu(const QRect& okvir, const QList<QRect>& povrsine) {
    const QRect p = NajblizaPovrsina(okvir, povrsine);
    if (p.isEmpty())
        return okvir;
    return QRect(QPoint(Unutar(okvir.x(), okvir.width(), p.x(), p.width()),
                        Unutar(okvir.y(), okvir.height(), p.y(), p.height())),
                 okvir.size());
}

QList<QRect> RadnePovrsine() {
    QList<QRect> povrsine;
    for (const QScreen* s : QGuiApplication::screens())
        povrsine.append(s->availableGeometry());
    return povrsine;
}

ProzorNaEkranu::ProzorNaEkranu(QWidget* prozor)
    : QObject(prozor), prozor_(prozor), tajmer_(new QTimer(this)) {
    tajmer_->setInterval(RazmakProvjera);
    connect(tajmer_, &QTimer::timeout, this, &ProzorNaEkranu::Provjeri);
    prozor->installEventFilter(this);
}

bool ProzorNaEkranu::eventFilter(QObject* objekat, QEvent* dogadjaj) {
    if (objekat == prozor_ && dogadjaj->type() == QEvent::Show && !gotovo_) {
        // At the show the window is where it was put: held on the screens at once.
        Pomjeri(prozor_->frameGeometry());
        provjera_ = 0;
        tajmer_->start();
    }
    return false;
}

void ProzorNaEkranu::Provjeri() {
    // Some window systems tell the frame only after the window is on screen, and report
    // passing places while they frame it: the frame is taken once it is known and the same
    // at two checks in a row.
    const QRect okvir = prozor_->frameGeometry();
    const bool poznat = okvir != prozor_->geometry() && okvir == proslaProvjera_;
    proslaProvjera_ = okvir;
    if (poznat) {
        gotovo_ = true;
        Pomjeri(okvir);
    }
    if (gotovo_ || ++provjera_ >= BrojProvjera || !prozor_->isVisible())
        tajmer_->stop();
}

void ProzorNaEkranu::Pomjeri(const QRect& okvir) {
    const QRect cilj = OkvirNaEkranu(okvir, RadnePovrsine());
    if (cilj.topLeft() != okvir.topLeft())
        prozor_->move(cilj.topLeft()); // a top-level window's position is its frame's
}

} // namespace nmk::ui
