#include "ui/gradnja.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace nmk::ui {

QLineEdit* NovoPolje(QWidget* roditelj, const char* ime, const QString& tekst) {
    auto* polje = new QLineEdit(tekst, roditelj);
    polje->setObjectName(QString::fromLatin1(ime));
    return polje;
}

QLineEdit* PoljeRezultata(QWidget* roditelj, const char* ime) {
    QLineEdit* polje = NovoPolje(roditelj, ime);
    polje->setReadOnly(true);
    return polje;
}

QPushButton* NovoDugme(QWidget* roditelj, const char* ime, const char* tekst) {
    auto* dugme = new QPushButton(QString::fromUtf8(tekst), roditelj);
    dugme->setObjectName(QString::fromLatin1(ime));
    dugme->setAutoDefault(false);
    return dugme;
}

void Red(QGridLayout* mreza, int red, QWidget* oznaka, QWidget* polje, const char* jedinica) {
    mreza->addWidget(oznaka, red, 0);
    mreza->addWidget(polje, red, 1);
    if (jedinica != nullptr)
        mreza->addWidget(new QLabel(QString::fromUtf8(jedinica), polje->parentWidget()), red, 2);
}

void Red(QGridLayout* mreza, int red, const char* oznaka, QWidget* polje, const char* jedinica) {
    Red(mreza, red, new QLabel(QString::fromUtf8(oznaka), polje->parentWidget()), polje, jedinica);
}

void SloziDijalog(QDialog* dijalog, QLayout* redovi, QPushButton* proracun, QPushButton* ok) {
    auto* dugmad = new QHBoxLayout;
    dugmad->addStretch(1);
    dugmad->addWidget(proracun);
    dugmad->addWidget(ok);
    auto* glavni = new QVBoxLayout(dijalog);
    glavni->addLayout(redovi);
    glavni->addLayout(dugmad);
}

} // namespace nmk::ui
