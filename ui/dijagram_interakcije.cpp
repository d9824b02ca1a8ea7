#include "ui/dijagram_interakcije.h"

#include "data/fajl.h"
#include "ui/brojevi.h"
#include "ui/crtez_widget.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <exception>

namespace nmk::ui {

namespace {

QPointF Tacka(const render::TackaD& t) {
    return {t.x, t.y};
}

// The rectangle of a text anchored at a point.
QRectF MjestoTeksta(const QFontMetricsF& fm, const render::TekstDijagrama& t) {
    const QSizeF s(fm.horizontalAdvance(QString::fromStdString(t.tekst)), fm.height());
    const QPointF m = Tacka(t.mjesto);
    switch (t.sidro) {
    case render::Sidro::LijevoSredina:
        return {{m.x(), m.y() - s.height() / 2}, s};
    case render::Sidro::DesnoSredina:
        return {{m.x() - s.width(), m.y() - s.height() / 2}, s};
    case render::Sidro::GoreSredina:
        return {{m.x() - s.width() / 2, m.y()}, s};
    case render::Sidro::DoljeSredina:
        return {{m.x() - s.width(), m.y() - s.height()}, s};
    case render::Sidro::LijevoGore:
        return {m, s};
    case render::Sidro::LijevoDolje:
        return {{m.x(), m.y() - s.height()}, s};
    }
    return {m, s};
}

} // namespace

void NacrtajDijagram(QPainter& p, const render::DijagramInterakcije& d,
                     std::optional<std::size_t> istaknuta) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(QRectF(0, 0, d.sirina, d.visina), Qt::white);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(Tacka(d.osaM.a), Tacka(d.osaM.b));
    p.drawLine(Tacka(d.osaN.a), Tacka(d.osaN.b));
    for (const render::Duz& c : d.podioke)
        p.drawLine(Tacka(c.a), Tacka(c.b));
    const QFontMetricsF fm(p.font());
    for (const render::TekstDijagrama& t : d.tekst)
        p.drawText(MjestoTeksta(fm, t), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(t.tekst));
    if (!d.kriva.empty()) {
        QPolygonF kriva;
        for (const render::TackaD& t : d.kriva)
            kriva << Tacka(t);
        p.setPen(QPen(QColor(0, 0, 200), 2));
        p.setBrush(QColor(0, 0, 255, 24));
        p.drawPolygon(kriva);
    }
    if (d.tacka) {
        if (d.kapacitet) {
            p.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
            p.drawLine(Tacka({d.x0, d.y0}), Tacka(*d.kapacitet));
            p.setPen(QPen(Qt::darkGray, 1));
            p.setBrush(Qt::white);
            p.drawEllipse(Tacka(*d.kapacitet), 3.5, 3.5);
        }
        p.setPen(QPen(Qt::red, 1));
        p.setBrush(Qt::red);
        p.drawEllipse(Tacka(*d.tacka), 4, 4);
        p.drawText(Tacka(*d.tacka) + QPointF(7, -5), QStringLiteral("(Nsd, Msd)"));
    }
    if (istaknuta && *istaknuta < d.kriva.size()) {
        p.setPen(QPen(QColor(0, 140, 0), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(Tacka(d.kriva[*istaknuta]), 5, 5);
    }
    p.restore();
}

QImage SlikaDijagrama(const KrivaInterakcije& k, double Nsd, double Msd, int sirina, int visina,
                      double skala) {
    QImage slika(sirina, visina, QImage::Format_RGB32);
    slika.fill(Qt::white);
    QPainter p(&slika);
    p.scale(skala, skala);
    NacrtajDijagram(p, render::NacrtajDijagram(k, Nsd, Msd, static_cast<int>(sirina / skala),
                                               static_cast<int>(visina / skala),
                                               DecimalniSeparator().toLatin1()));
    return slika;
}

// ---------------------------------------------------------------------------------------------

DijagramWidget::DijagramWidget(QWidget* roditelj) : QWidget(roditelj) {
    setMouseTracking(true);
    setMinimumSize(360, 260);
    setCursor(Qt::CrossCursor);
}

void DijagramWidget::Postavi(const KrivaInterakcije* k, double Nsd, double Msd) {
    k_ = k;
    Nsd_ = Nsd;
    Msd_ = Msd;
    istaknuta_.reset();
    Obnovi();
}

void DijagramWidget::Obnovi() {
    d_ = k_ ? render::NacrtajDijagram(*k_, Nsd_, Msd_, width(), height(),
                                      DecimalniSeparator().toLatin1())
            : render::DijagramInterakcije{};
    update();
}

void DijagramWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    NacrtajDijagram(p, d_, istaknuta_);
}

void DijagramWidget::resizeEvent(QResizeEvent*) {
    Obnovi();
}

void DijagramWidget::mouseMoveEvent(QMouseEvent* e) {
    const std::optional<std::size_t> i =
        render::NajblizaTacka(d_, {e->position().x(), e->position().y()});
    if (!i || i == istaknuta_)
        return;
    istaknuta_ = i;
    update();
    emit TackaIstaknuta(*i);
}

// ---------------------------------------------------------------------------------------------

TfrmDijagramInterakcije::TfrmDijagramInterakcije(const Projekat& projekat, Poruke& poruke,
                                                 QWidget* roditelj)
    : QDialog(roditelj), projekat_(projekat), poruke_(poruke) {
    setObjectName("frmDijagramInterakcije");
    setWindowTitle(QStringLiteral("Dijagram interakcije"));
    NapraviKontrole();
    resize(680, 560);
}

void TfrmDijagramInterakcije::NapraviKontrole() {
    rdbUsvojena_ = new QRadioButton(QStringLiteral("Usvojena armatura"), this);
    rdbUsvojena_->setObjectName("rdbUsvojenaArmatura");
    rdbPotrebna_ = new QRadioButton(QStringLiteral("Potrebna armatura"), this);
    rdbPotrebna_->setObjectName("rdbPotrebnaArmatura");
    lblArmatura_ = new QLabel(this);
    lblArmatura_->setObjectName("lblArmatura");
    pbDijagram_ = new DijagramWidget(this);
    pbDijagram_->setObjectName("pbDijagram");
    PostaviHint(pbDijagram_, QStringLiteral("|Tacka krive najbliza misu: sile i dilatacije"));
    lblTacka_ = new QLabel(this);
    lblTacka_->setObjectName("lblTacka");
    lblIskoristenost_ = new QLabel(this);
    lblIskoristenost_->setObjectName("lblIskoristenost");
    btnKopiraj_ = new QPushButton(QStringLiteral("Kopiraj sliku"), this);
    btnKopiraj_->setObjectName("btnKopirajSliku");
    btnCsv_ = new QPushButton(QStringLiteral("Snimi CSV ..."), this);
    btnCsv_->setObjectName("btnSnimiCsv");
    btnZatvori_ = new QPushButton(QStringLiteral("Zatvori"), this);
    btnZatvori_->setObjectName("btnZatvori");

    auto* izvor = new QHBoxLayout;
    izvor->addWidget(rdbUsvojena_);
    izvor->addWidget(rdbPotrebna_);
    izvor->addStretch(1);
    auto* dugmad = new QHBoxLayout;
    dugmad->addWidget(btnKopiraj_);
    dugmad->addWidget(btnCsv_);
    dugmad->addStretch(1);
    dugmad->addWidget(btnZatvori_);
    auto* l = new QVBoxLayout(this);
    l->addLayout(izvor);
    l->addWidget(lblArmatura_);
    l->addWidget(pbDijagram_, 1);
    l->addWidget(lblTacka_);
    l->addWidget(lblIskoristenost_);
    l->addLayout(dugmad);

    connect(rdbUsvojena_, &QRadioButton::clicked, this,
            [this] { IzaberiIzvor(IzvorArmature::Usvojena); });
    connect(rdbPotrebna_, &QRadioButton::clicked, this,
            [this] { IzaberiIzvor(IzvorArmature::Potrebna); });
    connect(pbDijagram_, &DijagramWidget::TackaIstaknuta, this,
            &TfrmDijagramInterakcije::IstakniTacku);
    connect(btnKopiraj_, &QPushButton::clicked, this, &TfrmDijagramInterakcije::KopirajSliku);
    connect(btnCsv_, &QPushButton::clicked, this, [this] {
        const QString putanja = QFileDialog::getSaveFileName(
            this, QStringLiteral("Snimi krivu kao CSV"), QStringLiteral("Dijagram_interakcije"),
            QStringLiteral("CSV (*.csv);;Bilo koji fajl (*.*)"));
        if (!putanja.isEmpty())
            SnimiCsv(putanja.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)
                         ? putanja
                         : putanja + QStringLiteral(".csv"));
    });
    connect(btnZatvori_, &QPushButton::clicked, this, &QDialog::accept);
}

char TfrmDijagramInterakcije::Separator() const {
    const char c = DecimalniSeparator().toLatin1();
    return c == 0 ? '.' : c;
}

int TfrmDijagramInterakcije::Prikazi(const TPresjek& p) {
    Postavi(p);
    return exec();
}

void TfrmDijagramInterakcije::Postavi(const TPresjek& p) {
    presjek_ = p;
    rdbUsvojena_->setEnabled(ImaUsvojenu(p));
    izvor_ = ArmaturaZaKrivu(p).izvor;
    Izracunaj();
}

void TfrmDijagramInterakcije::IzaberiIzvor(IzvorArmature izvor) {
    if (!presjek_ || (izvor == IzvorArmature::Usvojena && !ImaUsvojenu(*presjek_)))
        return;
    izvor_ = izvor;
    Izracunaj();
}

void TfrmDijagramInterakcije::Izracunaj() {
    const TPresjek& p = *presjek_;
    const ArmaturaKrive a = ArmaturaZaKrivu(p, izvor_);
    rdbUsvojena_->setChecked(izvor_ == IzvorArmature::Usvojena);
    rdbPotrebna_->setChecked(izvor_ == IzvorArmature::Potrebna);
    lblArmatura_->setText(QString::fromStdString(render::OpisArmature(a, Separator())));
    kriva_ = {};
    try {
        kriva_ = IzracunajKrivu(p, a.Aa1, a.Aa2, projekat_.okruzenje(poruke_));
    } catch (const std::exception& e) {
        poruke_.Obicna(e.what());
    }
    pbDijagram_->Postavi(&kriva_, p.Nu, p.Mu);
    lblTacka_->setText(QStringLiteral(" "));
    lblIskoristenost_->setText(QString::fromStdString(
        render::OpisIskoristenja(Iskoristenje(kriva_, p.Nu, p.Mu), Separator())));
}

void TfrmDijagramInterakcije::IstakniTacku(std::size_t indeks) {
    if (indeks < kriva_.tacke.size())
        lblTacka_->setText(
            QString::fromStdString(render::OpisTacke(kriva_.tacke[indeks], Separator())));
}

QImage TfrmDijagramInterakcije::Slika() const {
    return pbDijagram_->grab().toImage();
}

void TfrmDijagramInterakcije::KopirajSliku() {
    QGuiApplication::clipboard()->setImage(Slika());
}

bool TfrmDijagramInterakcije::SnimiCsv(const QString& putanja) {
    try {
        ZapisiAtomski(Utf8Putanja(putanja.toStdString()), render::CsvKrive(kriva_, Separator()));
        return true;
    } catch (const std::exception& e) {
        poruke_.Prikazi(e.what(), VrstaPoruke::Greska, dgOK);
        return false;
    }
}

} // namespace nmk::ui
