#pragma once
// "Detalji": the intermediate results of the last deflection or crack calculation, one line
// each, in a fixed-width font so that the values line up; the list's font can be changed from
// its context menu.

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;

namespace nmk::ui {

class TfrmDodatniPod : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDodatniPod(const std::vector<std::string>& redovi, QWidget* roditelj = nullptr);

    // Context menu "Font": the platform's font dialog; the list takes the font picked.
    void IzaberiFont();

private:
    QListWidget* lstDodatniPodaci_ = nullptr;
};

} // namespace nmk::ui
