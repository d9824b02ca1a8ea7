#pragma once
// The bar-selection dialog: a 13 x 10 grid of toggle buttons (row = diameter, column = number
// of bars) that edits the top or the bottom working list of bars, with the comparison against
// the required areas. Only "Usvoji armaturu" writes the chosen bars into the section.

#include "engine/armatura.h"
#include "engine/katalog.h"
#include "engine/poruke.h"
#include "engine/presjek.h"

#include <QDialog>
#include <QString>

#include <array>
#include <filesystem>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace nmk::ui {

// Starts a program or opens a file; answers false when it could not be started.
using Pokretac = std::function<bool(const QString& putanja)>;

// The platform's way: the file is started as a program, or else opened with its default
// application.
bool PokreniNaPlatformi(const QString& putanja);

// The bar-table tool in the subfolder "Alati" of the program's folder: "Alati/Rodplan.exe" or
// "Alati/Rodplan", whichever exists; empty when neither does.
std::filesystem::path PutanjaRodplana(const std::filesystem::path& programskiFolder);

// Starts the bar-table tool. When it is missing, the error box shows the path it was looked
// for at, a line break and "Ne postoji!", and the answer is false.
bool PokreniRodplan(const std::filesystem::path& programskiFolder, Poruke& poruke,
                    const Pokretac& pokreni = PokreniNaPlatformi);

class TfrmArmatura : public QDialog {
    Q_OBJECT
public:
    TfrmArmatura(const Katalozi& katalozi, Poruke& poruke, std::filesystem::path programskiFolder,
                 QWidget* roditelj = nullptr);

    // Sets the section, opens the dialog on it modally and forgets it afterwards. Answers
    // QDialog::Accepted when the bars were taken over into the section.
    int Prikazi(TPresjek& presjek);

    // The two halves of Prikazi for a caller that shows the dialog itself: the section the
    // dialog edits (kept by reference until Zaboravi), and the opening steps.
    void Postavi(TPresjek& presjek);
    void Aktiviraj();
    void Zaboravi() { presjek_ = nullptr; }

    const ModelArmature& Model() const { return model_; }
    // Replaces the way "Rodplan" starts the tool (tests start nothing).
    void PostaviPokretac(Pokretac pokretac) { pokretac_ = std::move(pokretac); }

private:
    void NapraviKontrole();
    QWidget* NapraviMrezu();
    QWidget* NapraviSlojeve();

    void PreklopiCeliju(int red, int kolona);
    void PromijeniSloj();
    void Izbrisi();
    void Usvoji();
    void Rodplan();

    double Potrebno(Sloj s) const;
    void OsvjeziSloj(Sloj s);
    void OsvjeziZaglavlja();
    void OsvjeziDugmad();
    void Oboji();
    void ObojiPolja();

    const Katalozi& katalozi_;
    Poruke& poruke_;
    std::filesystem::path folder_;
    Pokretac pokretac_ = PokreniNaPlatformi;
    TPresjek* presjek_ = nullptr;
    ModelArmature model_;

    std::array<std::array<QToolButton*, ModelArmature::Kolona>, ModelArmature::Redova> celije_{};
    std::array<QToolButton*, ModelArmature::Redova> redovi_{};
    std::array<QToolButton*, ModelArmature::Kolona> kolone_{};
    QRadioButton* rdbDonja_ = nullptr;
    QRadioButton* rdbGornja_ = nullptr;
    QLineEdit* edtPotAa1_ = nullptr;
    QLineEdit* edtPotAa2_ = nullptr;
    QLabel* lblVMGore_ = nullptr;
    QLabel* lblVMDolje_ = nullptr;
    QLabel* lblOdabranoGore_ = nullptr;
    QLabel* lblOdabranoDolje_ = nullptr;
};

} // namespace nmk::ui
