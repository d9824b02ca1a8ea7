#include "ui/opcije.h"

#include "ui/brojevi.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace nmk::ui {

namespace {

constexpr const char* kUpozorenjeKsi35 = "Koeficijent pritisnute zone mora biti izmedju 0 i 1";
constexpr const char* kUpozorenjeKsi45 = "Koeficijent pritisnute zone mora biti izmedu 0 i 1";

QLineEdit* NovoPolje(const char* ime, QWidget* roditelj) {
    auto* e = new QLineEdit(roditelj);
    e->setObjectName(QString::fromLatin1(ime));
    // Digits, backspace and the decimal separator ("," and "." become the locale's); no minus.
    PostaviFilter(e, PravilaUnosa{});
    return e;
}

QString DvijeDecimale(double x) {
    return Broj(x, 15, 2);
}

void DodajStavku(QListWidget* lista, const char* tekst) {
    auto* s = new QListWidgetItem(QString::fromUtf8(tekst), lista);
    s->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    s->setCheckState(Qt::Unchecked);
}

Qt::CheckState Oznaka(bool da) {
    return da ? Qt::Checked : Qt::Unchecked;
}

} // namespace

TfrmOpcije::TfrmOpcije(TSistem& sistem, TBetonEx& betonEx, Poruke& poruke, QWidget* roditelj)
    : QDialog(roditelj), sistem_(sistem), betonEx_(betonEx), poruke_(poruke) {
    setObjectName(QStringLiteral("frmOpcije"));
    setWindowTitle(QStringLiteral("Opcije"));

    chklist_ = new QListWidget(this);
    chklist_->setObjectName(QStringLiteral("chklist"));
    DodajStavku(chklist_, "Automatski proracun");
    DodajStavku(chklist_, "Prikazi Poruke");
    DodajStavku(chklist_, "Proracun min/max armature");
    chklist_->setMaximumHeight(chklist_->sizeHintForRow(0) * 3 + 2 * chklist_->frameWidth() + 4);

    auto* grpEsu = new QGroupBox(QStringLiteral("Granicna dilatacija zategnute armature"), this);
    edtesu_ = NovoPolje("edtesu", grpEsu);
    auto* redEsu = new QHBoxLayout(grpEsu);
    redEsu->addWidget(new QLabel(QStringLiteral("e<sub>su</sub>"), grpEsu));
    redEsu->addWidget(edtesu_);
    redEsu->addWidget(new QLabel(QString::fromUtf8("‰"), grpEsu));

    auto* grpKsi = new QGroupBox(QStringLiteral("Koeficijent pritisnute zone"), this);
    edtKsi35_ = NovoPolje("edtKsi35", grpKsi);
    edtKsi45_ = NovoPolje("edtKsi45", grpKsi);
    auto* formKsi = new QFormLayout(grpKsi);
    formKsi->addRow(QString::fromUtf8("fck ≤ 35"), edtKsi35_);
    formKsi->addRow(QStringLiteral("fck > 35"), edtKsi45_);

    auto* dugmad = new QDialogButtonBox(this);
    auto* btnOK = dugmad->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    auto* btnOtkazi = dugmad->addButton(QStringLiteral("Otkazi"), QDialogButtonBox::RejectRole);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOtkazi->setObjectName(QStringLiteral("btnOtkazi"));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TfrmOpcije::Prihvati);
    connect(btnOtkazi, &QPushButton::clicked, this, &QDialog::reject);

    auto* glavni = new QVBoxLayout(this);
    glavni->addWidget(chklist_);
    glavni->addWidget(grpEsu);
    glavni->addWidget(grpKsi);
    glavni->addWidget(dugmad);
    Napuni();
}

void TfrmOpcije::Napuni() {
    chklist_->item(AutomatskiProracun)->setCheckState(Oznaka(sistem_.AutomatskiProracun));
    chklist_->item(PrikaziPoruke)->setCheckState(Oznaka(sistem_.PrikaziPoruke));
    chklist_->item(MinMaxArmatura)->setCheckState(Oznaka(sistem_.MinMaxArmatura));
    edtesu_->setText(DvijeDecimale(betonEx_.esu));
    edtKsi35_->setText(DvijeDecimale(betonEx_.Ksi35));
    edtKsi45_->setText(DvijeDecimale(betonEx_.Ksi45));
}

// "OK", step by step: a failing step keeps what the earlier ones stored and the dialog open.
void TfrmOpcije::Prihvati() {
    sistem_.AutomatskiProracun = chklist_->item(AutomatskiProracun)->checkState() == Qt::Checked;
    sistem_.PrikaziPoruke = chklist_->item(PrikaziPoruke)->checkState() == Qt::Checked;
    sistem_.MinMaxArmatura = chklist_->item(MinMaxArmatura)->checkState() == Qt::Checked;
    emit AutomatskiProracunPostavljen(sistem_.AutomatskiProracun);
    if (!ProcitajEsu() || !ProcitajKsi(edtKsi35_, betonEx_.Ksi35, kUpozorenjeKsi35) ||
        !ProcitajKsi(edtKsi45_, betonEx_.Ksi45, kUpozorenjeKsi45)) {
        return;
    }
    accept();
}

bool TfrmOpcije::ProcitajEsu() {
    const auto esu = ProcitajBroj(edtesu_->text());
    if (!esu) {
        poruke_.Prikazi("'" + edtesu_->text().toStdString() + "' nije ispravan broj",
                        VrstaPoruke::Greska, dgOK);
        edtesu_->setFocus();
        return false;
    }
    betonEx_.esu = *esu;
    return true;
}

// A limit of the relative compressed depth: a text that is no number counts as -1. Zero is
// refused as well: the strain limit 3.5 (1 - ksi) / ksi would be infinite.
bool TfrmOpcije::ProcitajKsi(QLineEdit* polje, double& cilj, const char* upozorenje) {
    const double ksi = ProcitajBroj(polje->text()).value_or(-1.0);
    if (ksi <= 0 || ksi > 1) {
        poruke_.Prikazi(upozorenje, VrstaPoruke::Upozorenje, dgOK);
        polje->setFocus();
        return false;
    }
    cilj = ksi;
    return true;
}

} // namespace nmk::ui
