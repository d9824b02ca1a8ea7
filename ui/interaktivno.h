#pragma once
// The interactive start: the splash window, the windows in their order, the persisted
// settings, a project named on the command line, and the message loop of the main window.

#include "data/postavke.h"
#include "data/projekat.h"
#include "engine/poruke.h"

#include <QStringList>

#include <memory>
#include <string>

namespace nmk::ui {

class TMainForm;
class DijaloziFajla;

// How long the splash window stays, in milliseconds.
inline constexpr int TrajanjeUvoda = 2000;

// A window can be shown: a display or a platform was named (DISPLAY, WAYLAND_DISPLAY or
// QT_QPA_PLATFORM). Always true on the platforms that have a desktop of their own.
bool ImaEkrana();
// What the program says when it has no display.
std::string PorukaBezEkrana();

// The main window and its dialogs in their order, the settings load, the empty diagram, and
// the project named by the first argument (when any) opened and shown: section 0 in the
// fields and the working section current again. A file that is refused or cannot be read
// whole is reported and the new project stays.
std::unique_ptr<TMainForm> NapraviProzore(Projekat& pr, Postavke& postavke, Poruke& poruke,
                                          const QStringList& argumenti,
                                          DijaloziFajla* dijalozi = nullptr);

// The whole interactive run; answers the exit status. Without a display it says so on stderr
// and answers non-zero at once.
int PokreniInteraktivno(int argc, char** argv, Projekat& pr);

// A start-up error of the interactive program (missing catalogue files), shown in an error
// box when a window can be shown (the caller has written it to stderr).
void PrikaziGreskuPokretanja(const std::string& tekst);

} // namespace nmk::ui
