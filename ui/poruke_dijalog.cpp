#include "ui/poruke_dijalog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace nmk::ui {

namespace {

// Held inside [pocetak, pocetak + duzina): the box's own length is `velicina`.
int UnutarPovrsine(int polozaj, int velicina, int pocetak, int duzina) {
    if (polozaj < pocetak) {
        return pocetak;
    }
    if (polozaj + velicina > pocetak + duzina) {
        return pocetak + duzina - velicina;
    }
    return polozaj;
}

QMessageBox::Icon IkonaVrste(VrstaPoruke vrsta) {
    switch (vrsta) {
    case VrstaPoruke::Upozorenje:
        return QMessageBox::Warning;
    case VrstaPoruke::Greska:
        return QMessageBox::Critical;
    case VrstaPoruke::Informacija:
        return QMessageBox::Information;
    case VrstaPoruke::Potvrda:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// The window a box is centred on: the active window. Right after a file dialog or another
// box has closed, the window system may not have handed the activation back yet; then the
// topmost modal window, or else the program's main window, stands for it, so the box never
// falls back to the middle of the screen.
QWidget* AktivniProzor() {
    QWidget* aktivni = QApplication::activeWindow();
    if (aktivni != nullptr && aktivni->isVisible()) {
        return aktivni;
    }
    aktivni = QApplication::activeModalWidget();
    if (aktivni != nullptr && aktivni->isVisible()) {
        return aktivni;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && qobject_cast<QMainWindow*>(w) != nullptr) {
            return w;
        }
    }
    return nullptr;
}

} // namespace

QPoint PolozajPoruke(const QRect& aktivni, QSize box, const QRect& radnaPovrsina) {
    // C++ integer division truncates toward zero, as the halves must.
    const int lijevo = aktivni.x() + (aktivni.width() - box.width()) / 2;
    const int gore = aktivni.y() + (aktivni.height() - box.height()) / 2;
    return QPoint(UnutarPovrsine(lijevo, box.width(), radnaPovrsina.x(), radnaPovrsina.width()),
                  UnutarPovrsine(gore, box.height(), radnaPovrsina.y(), radnaPovrsina.height()));
}

TPorukaDijalog::TPorukaDijalog(const QString& tekst, VrstaPoruke vrsta, unsigned dugmad,
                               QWidget* roditelj)
    : QMessageBox(roditelj) {
    setObjectName(QStringLiteral("PorukaDijalog"));
    setText(tekst);
    setIcon(IkonaVrste(vrsta));
    setWindowTitle(QString::fromUtf8(NaslovPoruke(vrsta)));
    // The order of the platform's own boxes: Yes, No, Cancel; a set without a button of ours
    // still gets OK so that the box can be closed.
    if ((dugmad & dgOK) != 0 || (dugmad & (dgDa | dgNe | dgOtkazi)) == 0) {
        DodajDugme(Ok, odgOK);
    }
    if ((dugmad & dgDa) != 0) {
        DodajDugme(Yes, odgDa);
    }
    if ((dugmad & dgNe) != 0) {
        DodajDugme(No, odgNe);
    }
    if ((dugmad & dgOtkazi) != 0) {
        DodajDugme(Cancel, odgOtkazi);
    }
    const auto dugmici = buttons();
    if (!dugmici.isEmpty()) {
        setDefaultButton(qobject_cast<QPushButton*>(dugmici.first()));
    }
}

TPorukaDijalog::TPorukaDijalog(const QString& tekst, QWidget* roditelj) : QMessageBox(roditelj) {
    setObjectName(QStringLiteral("PorukaDijalog"));
    setText(tekst);
    setWindowTitle(QGuiApplication::applicationDisplayName());
    DodajDugme(Ok, odgOK);
}

void TPorukaDijalog::DodajDugme(StandardButton dugme, int odgovor) {
    QAbstractButton* b = addButton(dugme);
    b->setText(QString::fromUtf8(TekstDugmeta(odgovor)));
    b->setObjectName(QStringLiteral("dugme%1").arg(odgovor));
}

int TPorukaDijalog::Odgovor() const {
    switch (standardButton(clickedButton())) {
    case Ok:
        return odgOK;
    case Cancel:
        return odgOtkazi;
    case Yes:
        return odgDa;
    case No:
        return odgNe;
    default:
        break;
    }
    // Closed without a button (Escape or the window's close box): the box's escape answer.
    const auto dugmici = buttons();
    for (auto dugme : {Cancel, No, Ok}) {
        if (button(dugme) != nullptr) {
            return dugme == Cancel ? odgOtkazi : dugme == No ? odgNe : odgOK;
        }
    }
    return dugmici.isEmpty() ? odgOK : odgOtkazi;
}

int SirinaZaNaslov(const QString& naslov, const QFont& font) {
    QFont podebljan = font;
    podebljan.setBold(true);
    return QFontMetrics(podebljan).horizontalAdvance(naslov) + RezervaNaslovneTrake;
}

void TPorukaDijalog::showEvent(QShowEvent* dogadjaj) {
    // A box with a short text would be narrower than its caption and the buttons of the
    // title bar, and the window system would shorten the caption: a spacer holds the width.
    if (auto* mreza = qobject_cast<QGridLayout*>(layout()); mreza != nullptr && !razmak_) {
        razmak_ = true;
        mreza->addItem(new QSpacerItem(SirinaZaNaslov(windowTitle(), font()), 0), mreza->rowCount(),
                       0, 1, mreza->columnCount());
    }
    QMessageBox::showEvent(dogadjaj); // the box takes its final size here
    QWidget* aktivni = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    QScreen* ekran = aktivni != nullptr ? aktivni->screen() : QGuiApplication::primaryScreen();
    if (ekran == nullptr) {
        return;
    }
    const QRect radna = ekran->availableGeometry();
    const QRect oko = aktivni != nullptr ? aktivni->frameGeometry() : radna;
    move(PolozajPoruke(oko, frameGeometry().size(), radna));
}

int QtPoruke::Prikazi(const std::string& tekst, VrstaPoruke vrsta, unsigned dugmad) {
    // The box lives on the stack: it is freed on every way out.
    TPorukaDijalog box(QString::fromStdString(tekst), vrsta, dugmad, AktivniProzor());
    box.exec();
    return box.Odgovor();
}

void QtPoruke::Obicna(const std::string& tekst) {
    TPorukaDijalog box(QString::fromStdString(tekst), AktivniProzor());
    box.exec();
}

} // namespace nmk::ui
