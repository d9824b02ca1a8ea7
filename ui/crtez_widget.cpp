#include "ui/crtez_widget.h"

#include "ui/brojevi.h"

#include <QFontInfo>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <map>

namespace nmk::ui {

namespace {

QColor Boja(render::Boja b) {
    return QColor(b.r, b.g, b.b);
}

QPen Olovka(const render::Olovka& o) {
    QPen pen(Boja(o.boja));
    pen.setWidth(o.sirina);
    pen.setStyle(o.stil == render::StilLinije::CrtaTacka ? Qt::DashDotLine : Qt::SolidLine);
    return pen;
}

QPolygon Poligon(const std::vector<render::Tacka>& tacke) {
    QPolygon p;
    for (const render::Tacka& t : tacke)
        p << QPoint(t.x, t.y);
    return p;
}

class Slikar {
public:
    Slikar(QPainter& p, const QRect& r) : p_(p), r_(r) {}
    void operator()(const render::Popuna& x) { p_.fillRect(r_, Boja(x.boja)); }
    void operator()(const render::Poligon& x) {
        p_.setPen(Olovka(x.olovka));
        p_.setBrush(Boja(x.cetka));
        p_.drawPolygon(Poligon(x.tacke));
    }
    void operator()(const render::Linija& x) {
        p_.setPen(Olovka(x.olovka));
        p_.drawLine(x.a.x, x.a.y, x.b.x, x.b.y);
    }

private:
    QPainter& p_;
    QRect r_;
};

} // namespace

void PostaviHint(QWidget* w, const QString& hint) {
    const qsizetype crta = hint.indexOf(u'|');
    const QString kratki = crta < 0 ? hint : hint.left(crta);
    const QString dugi = crta < 0 ? hint : hint.mid(crta + 1);
    w->setToolTip(kratki);
    w->setStatusTip(dugi);
}

CrtezWidget::CrtezWidget(QWidget* parent) : QWidget(parent) {
    setObjectName("pb");
    setCursor(Qt::CrossCursor);
    setAutoFillBackground(false);
    PostaviHint(this, QString::fromUtf8(render::HintCrteza));
    for (int i = 0; i < render::BrojNatpisa; ++i) {
        const auto n = static_cast<render::Natpis>(i);
        auto* l = new QLabel(this);
        l->setObjectName(render::ImeNatpisa(n));
        const render::Tacka m = render::MjestoNatpisa(n);
        l->move(m.x, m.y);
        if (render::UokvirenNatpis(n)) {
            l->setFrameStyle(QFrame::Box | QFrame::Plain);
            l->hide();
        }
        natpisi_[i] = l;
    }
    PrimijeniNatpise(render::PrazniNatpisi());
}

void CrtezWidget::Prikazi(const TPresjek* presjek, bool samoObris) {
    if (presjek)
        presjek_ = *presjek;
    else
        presjek_.reset();
    samoObris_ = samoObris;
    update();
}

void CrtezWidget::Natpisi(bool prikazi) {
    const char sep = DecimalniSeparator().toLatin1();
    PrimijeniNatpise(presjek_ ? render::Oznaci(*presjek_, prikazi, sep) : render::PrazniNatpisi());
}

void CrtezWidget::Obrisi() {
    Prikazi(nullptr, true);
    Natpisi(false);
}

std::vector<render::Primitiv> CrtezWidget::Primitivi() const {
    if (!presjek_)
        return {};
    const QColor c = palette().color(backgroundRole());
    render::OpcijeCrteza o;
    o.samoObris = samoObris_;
    o.kutija =
        render::Boja{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                     static_cast<std::uint8_t>(c.blue())};
    return render::Crtaj(*presjek_, width(), height(), o);
}

void CrtezWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(backgroundRole()));
    Slikar slikar(p, rect());
    for (const render::Primitiv& x : Primitivi())
        std::visit(slikar, x);
}

void CrtezWidget::PrimijeniNatpise(const render::Natpisi& n) {
    for (int i = 0; i < render::BrojNatpisa; ++i) {
        QLabel* l = natpisi_[i];
        l->setText(QString::fromStdString(n[i].tekst));
        l->adjustSize();
        const QString hint = QString::fromStdString(n[i].hint);
        PostaviHint(l, hint);
        // The framed bar labels carry the full bar list; it shows as their tool tip too.
        if (render::UokvirenNatpis(static_cast<render::Natpis>(i)) &&
            hint != QString::fromUtf8(render::HintCrteza))
            l->setToolTip(hint.mid(1));
        l->setVisible(n[i].vidljiv);
    }
    SmjestiNatpise();
}

void CrtezWidget::SmjestiNatpise() {
    std::map<int, std::vector<QLabel*>> redovi; // by their top, left to right
    for (int i = 0; i < render::BrojNatpisa; ++i) {
        QLabel* l = natpisi_[i];
        const render::Tacka m = render::MjestoNatpisa(static_cast<render::Natpis>(i));
        l->setFont(font());
        l->adjustSize();
        l->move(m.x, m.y);
        redovi[m.y].push_back(l);
    }
    for (auto& [vrh, red] : redovi) {
        std::sort(red.begin(), red.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
        int lijevo = 0; // where the text before ends
        for (std::size_t k = 0; k < red.size(); ++k) {
            QLabel* l = red[k];
            if (l->text().isEmpty())
                continue;
            const int desno = (k + 1 < red.size() ? red[k + 1]->x() : width()) - RazmakNatpisa;
            if (l->x() + l->width() > desno)
                l->move(std::max(lijevo, desno - l->width()), l->y());
            QFont f = l->font();
            int px = QFontInfo(f).pixelSize();
            while (l->x() + l->width() > desno && px > NajmanjiNatpis) {
                f.setPixelSize(--px);
                l->setFont(f);
                l->adjustSize();
            }
            lijevo = l->x() + l->width() + RazmakNatpisa;
        }
    }
}

} // namespace nmk::ui
