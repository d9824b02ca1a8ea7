#pragma once
// The main window: one section at a time is edited, calculated in the chosen mode and kept
// in the project's list of named sections; the bar, crack and deflection dialogs, the
// materials, the options, the project file and the print preview are opened from here.

#include "data/postavke.h"
#include "data/projekat.h"
#include "engine/poruke.h"
#include "ui/komande_fajla.h"
#include "ui/prenos.h"

#include <QMainWindow>

#include <filesystem>
#include <map>
#include <memory>

class QLabel;
class QLineEdit;
class QPrinter;

namespace nmk::ui {

class CrtezWidget;
class TfrmArmatura;
class TfrmDijagramInterakcije;
class TfrmPrsline;
class TfrmUgibi;

inline constexpr const char* NaslovPrograma = "Nosivometrik";
inline constexpr const char* PorukaNijeDimenzioniran = "Presjek nije dimenzioniran!";
inline constexpr const char* PitanjeZatvaranja = "Snimiti Presjeke?";
inline constexpr const char* FajlPomoci = "nmkpomoc.chm";
inline constexpr const char* PorukaNijeIzabran = "Nijedan sacuvan presjek nije izabran.";
inline constexpr const char* PorukaPrazanNaziv = "Naziv presjeka ne moze biti prazan.";
inline constexpr int SirinaProzora = 683;
inline constexpr int VisinaProzora = 514;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // The window works on the project, reads and writes the persisted settings through
    // `postavke`, shows every message through `poruke` and asks for project files through
    // `dijalozi` (the platform's dialogs when none is given).
    TMainForm(Projekat& projekat, Postavke& postavke, Poruke& poruke,
              DijaloziFajla* dijalozi = nullptr, QWidget* roditelj = nullptr);
    ~TMainForm() override;

    // The dialogs the window opens; created by the start-up in its order. Without them the
    // window creates its own on first use.
    void PostaviDijaloge(TfrmPrsline* prsline, TfrmArmatura* armatura, TfrmUgibi* ugibi);

    // ---- commands ----
    void Proracun();                // Calculate
    void PostaviImePresjeka();      // names the working section
    void IzaberiPresjek(int index); // a name picked in the section list
    // "Izbrisi presjek": the selected stored section leaves the project after a confirmation
    // that names it; the list shows the section that took its place.
    void IzbrisiPresjek();
    // "Preimenuj presjek": a new name for the selected stored section, unique in the project.
    void PreimenujPresjek();
    void PromijeniOblik();
    void PromijeniPropis();
    void PromijeniRezim();
    void PromijeniMetodu();
    void PetoPodrucje();
    void DimenzijaUkucana(QLineEdit* polje);
    void SirinaPloce();
    void Armatura();
    void Prsline();
    void Ugibi();
    // "Dijagram interakcije" (F11): the interaction diagram of the selected section.
    void Dijagram();
    TfrmDijagramInterakcije& DijalogDijagrama();
    void Materijali();
    void Opcije();
    void Stampaj();
    void PodesiStampac();
    void Pomoc();
    void Kalkulator();
    void Rodplan();
    void OProgramu();

    // ---- project file ----
    void Novi();
    void Otvori();
    // The save dialog; answers whether the project was saved.
    bool Snimi();
    // The reset to a new project of one section.
    void NoviProjekatProzor();
    // Brings the window in line with a project loaded from `putanja`: title, file name,
    // section list, code set; then shows section 0 and makes the working section current.
    void PrimijeniProjekat(const std::filesystem::path& putanja);

    // The bar dialog on a section, then the section shown in the window (also the "Armatura"
    // buttons of the crack and deflection windows).
    void ArmaturaZa(TPresjek& p);

    // The settings load of the start-up: defaults, then the persisted values when the key
    // exists.
    void UcitajPostavke();
    // Repaints the drawing: the section at the current index with its results.
    void OsvjeziCrtez();

    // The printer of the printer set-up and of the print preview (created on first use).
    QPrinter& Stampac();

    KontroleGlavnog& Kontrole() { return k_; }
    Prenos& Transfer() { return prenos_; }
    Projekat& Projekt() { return pr_; }

protected:
    void closeEvent(QCloseEvent* dogadjaj) override;
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override;
#ifdef Q_OS_WIN
    // The system menu's own item "&Nosivometrik" opens the About box.
    bool nativeEvent(const QByteArray& vrsta, void* poruka, qintptr* rezultat) override;
#endif

private:
    void NapraviKontrole();
    QWidget* NapraviLijevuKolonu(QWidget* roditelj);
    void NapraviPanelSila(QWidget* roditelj);
    void NapraviPanelArmature(QWidget* roditelj);
    void NapraviDesnuKolonu(QWidget* roditelj);
    void NapraviMeni();
    void Povezi();
    // The captions of the window's system menu, where the platform has one.
    void PrilagodiSistemskiMeni();

    // Answers whether the command that asked may go on (Yes saved, No, or nothing changed).
    bool PitajZaSnimanje(bool zaOtvaranje);
    bool SnimiU(const QString& putanja);
    QString PosljednjiFolder() const;
    void ZapamtiFolder(const QString& putanja);
    void ZapisiPostavkePriZatvaranju();

    // The drawing: a section with or without its results, or nothing.
    void Crtaj(const TPresjek* p, bool samoObris);
    void ObrisiDijagrame();
    void CrtajObris();
    // Section -> window (nothing for an uncalculated section), then its drawing.
    void ZapisiIPrikazi(const TPresjek& p);
    // The name step 5 of Calculate added, taken back when the section is not stored.
    void VratiIme(const QString& ime);
    // Runs a dialog on the section at the current index; the working section is current again
    // afterwards, also when the dialog ends by an error.
    template <typename Dijalog> void NaIzabranom(Dijalog&& dijalog);
    TfrmArmatura& DijalogArmature();
    TfrmPrsline& DijalogPrslina();
    TfrmUgibi& DijalogUgiba();

    void AutomatskiProracun();
    std::filesystem::path ProgramskiFolder() const {
        return pr_.folder;
    }

    Projekat& pr_;
    Postavke& postavke_;
    Poruke& poruke_;
    std::unique_ptr<DijaloziFajla> vlastitiDijalozi_;
    DijaloziFajla* dijalozi_ = nullptr;
    KontroleGlavnog k_;
    Prenos prenos_;
    CrtezWidget* pb_ = nullptr;
    std::unique_ptr<QPrinter> stampac_;
    std::map<QLineEdit*, QLabel*> oznake_;

    TfrmPrsline* frmPrsline_ = nullptr;
    TfrmArmatura* frmArmatura_ = nullptr;
    TfrmUgibi* frmUgibi_ = nullptr;
    TfrmDijagramInterakcije* frmDijagram_ = nullptr;
};

} // namespace nmk::ui
