#pragma once
// Numbers in the windows: the locale's decimal separator, the program's fixed-point format,
// reading typed numbers, and the key filters of the numeric fields.

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QLineEdit;
class QComboBox;

namespace nmk::ui {

// The decimal separator of the locale in use (QLocale()).
QChar DecimalniSeparator();

// A number written fixed-point with `preciznost` significant digits and `decimale` decimals,
// with the locale's separator.
QString Broj(double x, int preciznost, int decimale);

// A typed number in the locale's format; nothing when the text is not a number.
std::optional<double> ProcitajBroj(const QString& tekst);
// A typed number, or 0 when the text is not a number.
double ProcitajIliNula(const QString& tekst);

// How a numeric field filters the keys typed into it. Keys that produce no text or a control
// character (arrows, Delete, Tab, Shift+Tab, Escape, shortcuts) always pass; backspace and the
// digits always pass; "," and "." become the locale's decimal separator; every other character is
// dropped unless allowed.
struct PravilaUnosa {
    std::function<void()> naEnter;   // Enter runs this (and is not typed); none: Enter passes
    bool minus = false;              // "-" passes
    bool minusSamoNaPocetku = false; // ... only at the caret start and only once
    bool separatorJednom = false;    // the separator passes only when the text has none
    bool prazniOznaceno = false;     // a selection empties the whole field first, for any key
    bool separatorPropusti = true;   // the separator (after the replacement) may be typed
};

// Installs the filter on the field (or the line edit of an editable combo box). The filter
// object is owned by the field.
void PostaviFilter(QLineEdit* polje, PravilaUnosa pravila);
void PostaviFilter(QComboBox* polje, PravilaUnosa pravila);

} // namespace nmk::ui
