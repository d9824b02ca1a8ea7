#pragma once
// Qt's own texts (the file, print, page set-up and font dialogs, the standard buttons, the
// question before overwriting a file) in the program's language.

#include <QString>

class QCoreApplication;

namespace nmk::ui {

// The program speaks Bosnian/Croatian in Latin script; of Qt's translations the Croatian one
// ("hr") is written in that script and language.
inline constexpr const char* JezikQtPrevoda = "hr";

// Installs the translator of Qt's own texts on the application. The file "qtbase_hr.qm" is
// looked for in the folder "translations" beside the executable (`folderPrograma`), then in
// Qt's own translations folder. Answers whether it was found and installed.
bool UcitajPrevodeQt(QCoreApplication& app, const QString& folderPrograma);

} // namespace nmk::ui
