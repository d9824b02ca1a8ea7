// The project-file commands of the main window: New, Open, Save, the prompts that guard
// unsaved work, the close query and the persisted settings.

#include "ui/komande_fajla.h"

#include "data/fajl.h"
#include "data/projektni_fajl.h"
#include "ui/glavni_prozor.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QRadioButton>

#include <exception>

namespace nmk::ui {

QString QtDijaloziFajla::Otvori(QWidget* roditelj, const QString& folder) {
    QFileDialog d(roditelj, NaslovOtvaranja, folder, FilterOtvaranja);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    d.setDefaultSuffix("nmk");
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().front();
}

QString QtDijaloziFajla::Snimi(QWidget* roditelj, const QString& folder) {
    QFileDialog d(roditelj, NaslovSnimanja, folder, FilterSnimanja);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setDefaultSuffix("nmk");
    d.selectFile(PredlozenoIme);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().front();
}

QString TekstPromjena(bool zaOtvaranje, const QString& imeFajla) {
    return QString(zaOtvaranje ? "Presjeci " : "Presjeci") + imeFajla +
           " su promijenjeni!\nSnimiti promjene ?";
}

// ---- settings ----

QString TMainForm::PosljednjiFolder() const {
    return QString::fromStdString(ProcitajPostavke(postavke_).LastDir);
}

void TMainForm::ZapamtiFolder(const QString& putanja) {
    ZapisiPosljednjiFolder(postavke_, putanja.toStdString());
}

void TMainForm::UcitajPostavke() {
    k_.rdbStandard->setChecked(true);
    PromijeniMetodu();
    k_.rdbEC->setChecked(true);
    PromijeniPropis();
    k_.rdbPravougaoni->setChecked(true);
    PromijeniOblik();
    const SnimljenePostavke s = ProcitajPostavke(postavke_);
    if (!s.kljucPostoji)
        return;
    // The stored position is the client area's, as the close writes it: the same corner
    // comes back whatever the window system's frame is.
    setGeometry(QRect(QPoint(s.MainLeft, s.MainTop), size()));
    if (!s.Standard) {
        k_.rdbVarStrutAngle->setChecked(true);
        PromijeniMetodu();
    }
    if (!s.Ec) {
        k_.rdbPBAB->setChecked(true);
        PromijeniPropis();
    }
}

void TMainForm::ZapisiPostavkePriZatvaranju() {
    ZapisiPriZatvaranju(postavke_, geometry().x(), geometry().y(), k_.rdbEC->isChecked(),
                        k_.rdbStandard->isChecked());
}

// ---- saving ----

bool TMainForm::SnimiU(const QString& putanja) {
    try {
        SnimiProjekat(pr_, Utf8Putanja(putanja.toStdString()));
    } catch (const std::exception& e) {
        poruke_.Obicna(e.what());
        return false;
    }
    return true;
}

bool TMainForm::Snimi() {
    const QString putanja = dijalozi_->Snimi(this, PosljednjiFolder());
    if (putanja.isEmpty() || !SnimiU(putanja))
        return false;
    setWindowTitle(QString::fromStdString(NaslovProzora(Utf8Putanja(putanja.toStdString()))));
    pr_.sistem.Izmijenjen = false;
    // The saved file is the project's file from now on, so a later "Yes" in a save prompt
    // writes there and never over the file opened before.
    pr_.sistem.ImeFajla = putanja.toStdString();
    ZapamtiFolder(putanja);
    return true;
}

bool TMainForm::PitajZaSnimanje(bool zaOtvaranje) {
    if (!pr_.sistem.Izmijenjen)
        return true;
    const QString ime = QString::fromStdString(pr_.sistem.ImeFajla);
    const int odgovor = poruke_.Prikazi(TekstPromjena(zaOtvaranje, ime).toStdString(),
                                        VrstaPoruke::Potvrda, dgDaNeOtkazi);
    if (odgovor == odgNe)
        return true;
    if (odgovor != odgDa)
        return false;
    if (!ime.isEmpty())
        return SnimiU(ime);
    return Snimi();
}

// ---- New, Open ----

void TMainForm::NoviProjekatProzor() {
    try {
        NoviProjekat(pr_);
    } catch (const std::exception& e) {
        poruke_.Obicna(e.what());
    }
    k_.rdbPravougaoni->setChecked(true);
    PromijeniOblik();
    PromijeniPropis();
    setWindowTitle(NaslovPrograma);
    k_.cboPresjek->clear();
    k_.cboPresjek->setEditText({});
    pr_.sistem.IzabraniPresjek = 0;
    CrtajObris();
}

void TMainForm::Novi() {
    if (!PitajZaSnimanje(false))
        return;
    NoviProjekatProzor();
}

void TMainForm::Otvori() {
    const QString folder = PosljednjiFolder();
    if (!PitajZaSnimanje(true))
        return;
    NoviProjekatProzor();
    const QString putanja = dijalozi_->Otvori(this, folder);
    if (!putanja.isEmpty()) {
        const std::filesystem::path p = Utf8Putanja(putanja.toStdString());
        if (ProvjeriIUcitaj(pr_, p, poruke_)) {
            PrimijeniProjekat(p);
            ZapamtiFolder(putanja);
            return;
        }
    }
    // cancelled or refused: the new project's first section
    pr_.sistem.IzabraniPresjek = 0;
    ZapisiIPrikazi(pr_.presjeci.front());
    pr_.VratiRadni();
}

void TMainForm::PrimijeniProjekat(const std::filesystem::path& putanja) {
    PrimijeniUcitani(pr_, putanja);
    setWindowTitle(QString::fromStdString(NaslovProzora(putanja)));
    k_.cboPresjek->clear();
    for (const std::string& ime : NaziviSacuvanih(pr_))
        k_.cboPresjek->addItem(QString::fromStdString(ime));
    k_.cboPresjek->setCurrentIndex(k_.cboPresjek->count() > 0 ? 0 : -1);
    PromijeniPropis();
    pr_.sistem.IzabraniPresjek = 0;
    pr_.trenutni = 0;
    ZapisiIPrikazi(pr_.presjeci.front());
    pr_.VratiRadni();
}

// ---- Close ----

void TMainForm::closeEvent(QCloseEvent* dogadjaj) {
    if (pr_.sistem.Izmijenjen) {
        const int odgovor = poruke_.Prikazi(PitanjeZatvaranja, VrstaPoruke::Potvrda, dgDaNeOtkazi);
        // Cancel, or Yes with the save dialog cancelled or failed: the window stays open
        // with the project as it was, so no work is lost.
        if (odgovor != odgDa && odgovor != odgNe) {
            dogadjaj->ignore();
            return;
        }
        if (odgovor == odgDa && !Snimi()) {
            dogadjaj->ignore();
            return;
        }
    }
    ZapisiPostavkePriZatvaranju();
    dogadjaj->accept();
}

} // namespace nmk::ui
