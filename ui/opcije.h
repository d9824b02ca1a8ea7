#pragma once
// The options dialog "Opcije": automatic recalculation, messages, the minimum/maximum
// reinforcement rules, the limiting steel strain and the two compression-zone limits of EC 2.
// It edits the project state and the extra concrete data it is given; nothing is saved.

#include "data/projekat.h"
#include "engine/poruke.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace nmk::ui {

class TfrmOpcije : public QDialog {
    Q_OBJECT
public:
    // Items of `chklist`, in order.
    enum Stavka { AutomatskiProracun = 0, PrikaziPoruke = 1, MinMaxArmatura = 2 };

    TfrmOpcije(TSistem& sistem, TBetonEx& betonEx, Poruke& poruke, QWidget* roditelj = nullptr);

signals:
    // Step 2 of "OK": the main window connects its recalculation events when this is true and
    // disconnects them otherwise. (After exec() the flag is also in TSistem::AutomatskiProracun.)
    void AutomatskiProracunPostavljen(bool ukljucen);

private:
    void Napuni();
    void Prihvati();
    bool ProcitajEsu();
    bool ProcitajKsi(QLineEdit* polje, double& cilj, const char* upozorenje);

    TSistem& sistem_;
    TBetonEx& betonEx_;
    Poruke& poruke_;
    QListWidget* chklist_ = nullptr;
    QLineEdit* edtesu_ = nullptr;
    QLineEdit* edtKsi35_ = nullptr;
    QLineEdit* edtKsi45_ = nullptr;
};

} // namespace nmk::ui
