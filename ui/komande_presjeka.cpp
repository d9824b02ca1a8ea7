// The commands of the main window on one stored section: deleting it from the project and
// renaming it.

#include "ui/glavni_prozor.h"

#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>

namespace nmk::ui {

void TMainForm::IzbrisiPresjek() {
    const std::int32_t i = pr_.sistem.IzabraniPresjek;
    if (!JeSacuvan(pr_, i)) {
        poruke_.Prikazi(PorukaNijeIzabran, VrstaPoruke::Upozorenje, dgOK);
        return;
    }
    const std::string ime = pr_.presjeci[static_cast<std::size_t>(i)].Naziv;
    const int odgovor =
        poruke_.Prikazi("Jeste li sigurni da zelite izbrisati presjek \"" + ime + "\" ?",
                        VrstaPoruke::Potvrda, dgDaNe);
    if (odgovor != odgDa)
        return;
    const std::int32_t izabran = nmk::IzbrisiPresjek(pr_, i);
    pr_.sistem.Izmijenjen = true;
    k_.cboPresjek->removeItem(i);
    if (JeSacuvan(pr_, izabran)) {
        k_.cboPresjek->setCurrentIndex(izabran);
        ZapisiIPrikazi(pr_.presjeci[static_cast<std::size_t>(izabran)]);
    } else {
        // no stored section is left: the window keeps its fields for the next calculation
        k_.cboPresjek->setCurrentIndex(-1);
        k_.cboPresjek->setEditText({});
        CrtajObris();
    }
}

void TMainForm::PreimenujPresjek() {
    const std::int32_t i = pr_.sistem.IzabraniPresjek;
    if (!JeSacuvan(pr_, i)) {
        poruke_.Prikazi(PorukaNijeIzabran, VrstaPoruke::Upozorenje, dgOK);
        return;
    }
    TPresjek& p = pr_.presjeci[static_cast<std::size_t>(i)];
    QInputDialog dijalog(this);
    dijalog.setObjectName("dlgPreimenujPresjek");
    dijalog.setWindowTitle("Preimenuj presjek");
    dijalog.setLabelText("Novi naziv presjeka:");
    dijalog.setTextValue(QString::fromStdString(p.Naziv));
    if (auto* polje = dijalog.findChild<QLineEdit*>())
        polje->setMaxLength(k_.cboPresjek->lineEdit()->maxLength());
    if (dijalog.exec() != QDialog::Accepted)
        return;
    const QString ime = dijalog.textValue().trimmed();
    if (ime.isEmpty()) {
        poruke_.Prikazi(PorukaPrazanNaziv, VrstaPoruke::Upozorenje, dgOK);
        return;
    }
    // Names stay unique in the project, compared as when a section is named.
    for (std::int32_t j = 0; j < pr_.BrojPresjeka() - 1; ++j) {
        const QString drugo =
            QString::fromStdString(pr_.presjeci[static_cast<std::size_t>(j)].Naziv);
        if (j != i && drugo.compare(ime, Qt::CaseInsensitive) == 0) {
            poruke_.Prikazi("Presjek \"" + ime.toStdString() + "\" vec postoji.",
                            VrstaPoruke::Upozorenje, dgOK);
            return;
        }
    }
    p.Naziv = ime.toStdString();
    pr_.sistem.Izmijenjen = true;
    k_.cboPresjek->setItemText(i, ime);
    if (k_.cboPresjek->currentIndex() == i)
        k_.cboPresjek->setEditText(ime);
}

} // namespace nmk::ui
