#pragma once
// The transfer between the main window's controls and a section: reading the window into the
// working section, writing a section back, and keeping the window's look in step with the
// chosen shape, design code and calculation mode. The transfer keeps no state of its own.

#include "data/projekat.h"
#include "engine/presjek.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace nmk::ui {

// Number formats of the window: significant digits of inputs, results and partial factors.
inline constexpr int PreciznostUlaza = 5;
inline constexpr int PreciznostRezultata = 6;
inline constexpr int PreciznostKoeficijenta = 4;
inline constexpr int Decimala = 2;

// Catalogue index <-> list position, by the code's description: the lists show the code's own
// built-in grades first and then the user's grades, which appear under every code.
int BetonIzPozicije(TPropis propis, int pozicija);
int PozicijaBetona(TPropis propis, int beton);
int CelikIzPozicije(TPropis propis, int pozicija);
int PozicijaCelika(TPropis propis, int celik);
// The catalogue indices a list shows under a code, in list order.
std::vector<int> IndeksiBetona(TPropis propis, int brojBetona);
std::vector<int> IndeksiCelika(TPropis propis, int brojCelika);

// Vertical distance of the dimension fields for a panel height (24 for 230).
int KorakDimenzija(int visinaPanela);
// The code the window starts with, and reads when no code button is checked.
inline constexpr TPropis PocetniPropis = TPropis::EC2;

// The controls the transfer works on; the main window creates them and fills this in.
struct KontroleGlavnog {
    QComboBox* cboPresjek = nullptr;
    QRadioButton* rdbEC = nullptr;
    QRadioButton* rdbPBAB = nullptr;
    QRadioButton* rdbPravougaoni = nullptr;
    QRadioButton* rdbTPresjek = nullptr;
    QComboBox* cboBeton = nullptr;
    QComboBox* cboArmatura = nullptr;
    QComboBox* cboGamaC = nullptr;
    QComboBox* cboGamaS = nullptr;

    QGroupBox* pnlDimenzije = nullptr;
    QLineEdit* ledtB = nullptr;
    QLineEdit* ledtB0 = nullptr;
    QLineEdit* ledth = nullptr;
    QLineEdit* ledth0 = nullptr;
    QLineEdit* ledtD1 = nullptr;
    QLineEdit* ledtD2 = nullptr;
    // The caption beside each dimension field moves with it.
    std::function<QLabel*(QLineEdit*)> oznaka;
    QPushButton* btnProracunSirinePloceTPresjeka = nullptr;
    QLabel* imgPresjek = nullptr;

    QGroupBox* pnlGranicneSile = nullptr;
    QLineEdit* edtMu = nullptr;
    QLineEdit* edtNu = nullptr;
    QLineEdit* edtQu = nullptr;
    QLineEdit* edtalfa = nullptr;
    QLineEdit* edtbeta = nullptr;
    QLabel* lblMu = nullptr;
    QLabel* lblNu = nullptr;
    QLabel* lblQu = nullptr;
    QRadioButton* rdbStandard = nullptr;
    QRadioButton* rdbVarStrutAngle = nullptr;

    QGroupBox* pnlArmaturaIDilatacije = nullptr;
    QLineEdit* edtAa1 = nullptr;
    QLineEdit* edtAa2 = nullptr;
    QLineEdit* edtEpsb = nullptr;
    QLineEdit* edtEpsa = nullptr;
    QLabel* lbleps1 = nullptr;
    QLabel* lbleps2 = nullptr;
    QCheckBox* chkPetoPodrucje = nullptr;
    QLineEdit* edtMugr = nullptr;
    QLineEdit* edtNugr = nullptr;

    QRadioButton* rdbDimenzioniranje = nullptr;
    QRadioButton* rdbGranicniMomenat = nullptr;
    QRadioButton* rdbGranicnePresjecneSile = nullptr;
    QCheckBox* chkSimetricno = nullptr;
    QAbstractButton* spbObicno = nullptr;
    QAbstractButton* spbUUglovima = nullptr;
    QAbstractButton* spbRavnomjerno = nullptr;

    QPushButton* btnProracun = nullptr;
    QPushButton* btnArmatura = nullptr;
    QPushButton* btnUgibi = nullptr;
    QPushButton* btnPrsline = nullptr;
};

// The transfer over one set of controls and one project (its catalogues and Alfa).
class Prenos {
public:
    Prenos(KontroleGlavnog& k, const Projekat& projekat) : k_(k), pr_(projekat) {}

    // Window -> section. Only sets Status bits, except the one cleared for a T section.
    void Procitaj(TPresjek& p) const;
    // Section -> window, only for a calculated section; answers whether it wrote anything
    // (the caller then draws the section).
    bool Zapisi(const TPresjek& p);

    // The shape layout: picture, visible fields, their places and default texts.
    void PostaviOblik(TOblik oblik);
    // The design code's labels, partial-factor lists and material lists.
    void PostaviPropis(TPropis propis);
    // The catalogue indices of the grades the material lists show; nothing for a list without
    // a selection.
    std::optional<int> IzabraniBeton() const;
    std::optional<int> IzabraniCelik() const;
    // Rebuilds the concrete and steel lists of the checked code from the catalogues (the
    // partial-factor lists stay as they are) and selects the given grades; a grade that has no
    // place in its list leaves the list's first item selected.
    void ObnoviMaterijale(std::optional<int> beton, std::optional<int> celik);
    // The panels of a calculation mode.
    void PostaviRezim(TProracun rezim);
    // `edtbeta` only for the variable strut angle; the standard method uses 45 degrees.
    void PraviloMetode();
    // The strain captions of the fifth domain.
    void PostaviPetoPodrucje();
    // The live formula of `edtEpsa` while the fifth domain is ticked.
    void ObnoviEpsa();

    // The key filters of the numeric fields; Enter runs `proracun`.
    void PostaviFiltere(const std::function<void()>& proracun);

    TPropis CekiraniPropis() const;
    TOblik CekiraniOblik() const;
    TProracun CekiraniRezim() const;

    // Whether the checked shape or code differs from the layout on show, so that a click on
    // the button already checked changes nothing (no typed dimension is reset).
    bool OblikPromijenjen() const { return prikazaniOblik_ != CekiraniOblik(); }
    bool PropisPromijenjen() const { return prikazaniPropis_ != CekiraniPropis(); }

private:
    void ProcitajMaterijale(TPresjek& p) const;
    void ZapisiMaterijale(const TPresjek& p);
    void ProcitajRezim(TPresjek& p) const;
    void ZapisiRezultate(const TPresjek& p);
    void PopuniListu(QComboBox* lista, const std::vector<QString>& stavke);
    void NapuniMaterijale(TPropis propis);

    KontroleGlavnog& k_;
    const Projekat& pr_;
    std::optional<TOblik> prikazaniOblik_;
    std::optional<TPropis> prikazaniPropis_;
};

} // namespace nmk::ui
