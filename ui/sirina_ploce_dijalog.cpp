#include "ui/sirina_ploce_dijalog.h"

#include "engine/sirina_ploce.h"
#include "ui/brojevi.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace nmk::ui {

namespace {

constexpr const char* kTekstoviSistema[BrojSistemaPloce] = {
    "Prosta greda", "Krajnje polje kont. nosaca", "Srednje polje kont. nosaca"};

const QSize kVelicinaSlike(64, 24);

// A support drawn as a triangle under the beam at x; a roller gets a line under it.
void Oslonac(QPainter& p, qreal x, qreal y, bool pomicni) {
    QPainterPath trokut;
    trokut.moveTo(x, y);
    trokut.lineTo(x - 4, y + 6);
    trokut.lineTo(x + 4, y + 6);
    trokut.closeSubpath();
    p.drawPath(trokut);
    if (pomicni) {
        p.drawLine(QPointF(x - 5, y + 8), QPointF(x + 5, y + 8));
    }
}

QLineEdit* NovoPolje(const char* ime, const char* tekst, QWidget* roditelj) {
    auto* e = new QLineEdit(QString::fromLatin1(tekst), roditelj);
    e->setObjectName(QString::fromLatin1(ime));
    return e;
}

} // namespace

QPixmap SlikaSistemaPloce(int sistem, QSize velicina) {
    QPixmap slika(velicina);
    slika.fill(Qt::transparent);
    if (sistem < 0 || sistem >= BrojSistemaPloce) {
        return slika;
    }
    QPainter p(&slika);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    const qreal y = velicina.height() * 0.4;
    const qreal lijevo = velicina.width() * 0.2;
    const qreal desno = velicina.width() * 0.8;
    // The span itself, and dashed neighbouring spans where the beam continues.
    p.drawLine(QPointF(lijevo, y), QPointF(desno, y));
    p.setPen(QPen(Qt::black, 1.0, Qt::DashLine));
    if (sistem >= 1) {
        p.drawLine(QPointF(desno, y), QPointF(velicina.width() - 1.0, y));
    }
    if (sistem == 2) {
        p.drawLine(QPointF(0, y), QPointF(lijevo, y));
    }
    p.setPen(QPen(Qt::black, 1.0));
    Oslonac(p, lijevo, y, false);
    Oslonac(p, desno, y, true);
    return slika;
}

TfrmSirinaPloceTPresjeka::TfrmSirinaPloceTPresjeka(Poruke& poruke,
                                                   std::function<QString()> tekstRebra,
                                                   QWidget* roditelj)
    : QDialog(roditelj), poruke_(poruke), tekstRebra_(std::move(tekstRebra)) {
    setObjectName(QStringLiteral("frmSirinaPloceTPresjeka"));
    setWindowTitle(QString::fromUtf8("Širina ploce T presjeka"));

    auto* grpDimenzije = new QGroupBox(QStringLiteral(" Dimenzije sistema  [cm] "), this);
    edtRaspon_ = NovoPolje("edtRaspon", "400", grpDimenzije);
    edtOsovinskoRast_ = NovoPolje("edtOsovinskoRast", "300", grpDimenzije);
    edtRebro_ = NovoPolje("edtRebro", "20", grpDimenzije);
    cboStatickiSistem_ = new QComboBox(grpDimenzije);
    cboStatickiSistem_->setObjectName(QStringLiteral("cboStatickiSistem"));
    cboStatickiSistem_->setIconSize(kVelicinaSlike);
    for (int i = 0; i < BrojSistemaPloce; ++i) {
        cboStatickiSistem_->addItem(QIcon(SlikaSistemaPloce(i, kVelicinaSlike)),
                                    QString::fromLatin1(kTekstoviSistema[i]));
    }
    auto* forma = new QFormLayout(grpDimenzije);
    forma->addRow(QStringLiteral("Raspon nosaca"), edtRaspon_);
    forma->addRow(QStringLiteral("Osovinsko rastojanje rebara"), edtOsovinskoRast_);
    forma->addRow(QStringLiteral("Sirina rebra"), edtRebro_);
    forma->addRow(cboStatickiSistem_);

    auto* grpProracun = new QGroupBox(QStringLiteral(" Proracun "), this);
    auto* btnSirinaPloce = new QPushButton(QStringLiteral("Sirina Ploce"), grpProracun);
    btnSirinaPloce->setObjectName(QStringLiteral("btnSirinaPloce"));
    memSirina_ = new QLineEdit(grpProracun);
    memSirina_->setObjectName(QStringLiteral("memSirina"));
    memSirina_->setReadOnly(true);
    auto* redProracun = new QHBoxLayout(grpProracun);
    redProracun->addWidget(btnSirinaPloce);
    redProracun->addWidget(memSirina_);

    auto* btnOK = new QPushButton(QStringLiteral("Usvoji sirinu i zatvori prozor"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));

    auto* glavni = new QVBoxLayout(this);
    glavni->addWidget(grpDimenzije);
    glavni->addWidget(grpProracun);
    glavni->addWidget(btnOK);

    // Enter in any edit presses "Sirina Ploce"; no minus, one kind of decimal separator.
    for (QLineEdit* e : {edtRaspon_, edtOsovinskoRast_, edtRebro_}) {
        PostaviFilter(e, PravilaUnosa{.naEnter = [this] { IzracunajSirinu(); }});
    }
    // Buttons do not take Enter from the edits.
    btnSirinaPloce->setAutoDefault(false);
    btnOK->setAutoDefault(false);
    connect(btnSirinaPloce, &QPushButton::clicked, this,
            &TfrmSirinaPloceTPresjeka::IzracunajSirinu);
    connect(cboStatickiSistem_, &QComboBox::currentIndexChanged, this,
            &TfrmSirinaPloceTPresjeka::IzracunajSirinu);
    connect(btnOK, &QPushButton::clicked, this, &TfrmSirinaPloceTPresjeka::Usvoji);
}

QString TfrmSirinaPloceTPresjeka::Sirina() const {
    return memSirina_->text();
}

void TfrmSirinaPloceTPresjeka::IzracunajSirinu() {
    const auto L = ProcitajBroj(edtRaspon_->text());
    const auto e = ProcitajBroj(edtOsovinskoRast_->text());
    const auto b0 = ProcitajBroj(edtRebro_->text());
    if (!L || !e || !b0) {
        return;
    }
    const float b = SirinaPloce(cboStatickiSistem_->currentIndex(), static_cast<float>(*L),
                                static_cast<float>(*e), static_cast<float>(*b0));
    memSirina_->setText(
        QString::fromStdString(TekstSirinePloce(b, DecimalniSeparator().toLatin1())));
}

void TfrmSirinaPloceTPresjeka::Usvoji() {
    if (!ProcitajBroj(memSirina_->text())) {
        poruke_.Obicna("Neodgovarajuci rezultat!");
        return;
    }
    accept();
}

void TfrmSirinaPloceTPresjeka::showEvent(QShowEvent* dogadjaj) {
    if (tekstRebra_) {
        edtRebro_->setText(tekstRebra_());
    }
    QDialog::showEvent(dogadjaj);
}

} // namespace nmk::ui
