#pragma once
// Small builders shared by the calculation windows: named fields and buttons, the rows of a
// grid (label, field, unit) and the button row of the small dialogs.

#include <QString>

class QDialog;
class QGridLayout;
class QLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace nmk::ui {

QLineEdit* NovoPolje(QWidget* roditelj, const char* ime, const QString& tekst = {});
// A read-only field for a result.
QLineEdit* PoljeRezultata(QWidget* roditelj, const char* ime);
// A button that Enter in a field does not press.
QPushButton* NovoDugme(QWidget* roditelj, const char* ime, const char* tekst);

// One row of a grid: a label (or a button in its place), the field and its unit (none when
// null). The unit label belongs to the field's parent.
void Red(QGridLayout* mreza, int red, QWidget* oznaka, QWidget* polje, const char* jedinica);
// The same with a label of that text.
void Red(QGridLayout* mreza, int red, const char* oznaka, QWidget* polje, const char* jedinica);

// Lays out a small dialog: its rows, and below them on the right the calculation button and
// the closing one.
void SloziDijalog(QDialog* dijalog, QLayout* redovi, QPushButton* proracun, QPushButton* ok);

} // namespace nmk::ui
