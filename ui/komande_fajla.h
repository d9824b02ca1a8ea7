#pragma once
// The platform's open and save dialogs of the project file, behind an interface so that the
// file commands of the main window can be driven without them.

#include <QString>

class QWidget;

namespace nmk::ui {

// Title, filter and proposed name of the two dialogs.
inline constexpr const char* NaslovOtvaranja = "Otvori ...";
inline constexpr const char* NaslovSnimanja = "Snimi Presjeke";
inline constexpr const char* FilterOtvaranja = "Nosivometrik (*.nmk)";
inline constexpr const char* FilterSnimanja = "Nosivometrik (*.nmk);;Bilo koja datoteka (*)";
inline constexpr const char* PredlozenoIme = "Projekat1";

class DijaloziFajla {
public:
    virtual ~DijaloziFajla() = default;
    // The chosen existing file, or an empty text when the dialog was cancelled. `folder` is
    // the initial folder (empty: the dialog's own).
    virtual QString Otvori(QWidget* roditelj, const QString& folder) = 0;
    // The chosen file to save to ("nmk" added when the name has no extension; the dialog asks
    // before overwriting), or an empty text when cancelled.
    virtual QString Snimi(QWidget* roditelj, const QString& folder) = 0;
};

// The dialogs of the platform.
class QtDijaloziFajla : public DijaloziFajla {
public:
    QString Otvori(QWidget* roditelj, const QString& folder) override;
    QString Snimi(QWidget* roditelj, const QString& folder) override;
};

// The text of the prompt before New ("Presjeci") and Open ("Presjeci "): the project file's
// name, " su promijenjeni!", a line break and "Snimiti promjene ?".
QString TekstPromjena(bool zaOtvaranje, const QString& imeFajla);

} // namespace nmk::ui
