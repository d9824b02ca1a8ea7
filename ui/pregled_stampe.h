#pragma once
// The print preview: the stored sections listed on the left, their report on the right, with
// the commands to change the font, print, and save the report as rich text or as PDF. The
// report model and its RTF come from render/izvjestaj.h and render/rtf.h; the text control
// shows the model and is what gets printed, and the model is read back from it for saving, so
// the Font command and the user's own edits reach the saved file.

#include "data/postavke.h"
#include "data/projekat.h"
#include "engine/poruke.h"
#include "render/izvjestaj.h"

#include <QDialog>
#include <QFont>

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QMenu;
class QPrinter;
class QPushButton;
class QSplitter;
class QTextDocument;
class QTextEdit;
class QTimer;
class QToolBar;

namespace nmk::ui {

// The animation of the progress window: a sheet travelling from one folder to another.
class AnimacijaKopiranja : public QWidget {
    Q_OBJECT
public:
    static constexpr int BrojSlika = 35;       // frames 0 to 34
    static constexpr int BrojPonavljanja = 20; // then it stops

    explicit AnimacijaKopiranja(QWidget* parent = nullptr);
    void Pokreni();
    void Zaustavi();
    bool Radi() const;
    int Slika() const { return slika_; }
    QSize sizeHint() const override { return {272, 60}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void Sljedeca();

    QTimer* tajmer_;
    int slika_ = 0;
    int ponavljanje_ = 0;
};

// The progress window of the report: "Otkazi" asks the preview to stop after the section
// being written.
class TfrmOtkazi : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOtkazi(QWidget* parent = nullptr);
    AnimacijaKopiranja* Animacija() const { return animacija_; }

signals:
    void Otkazi();

private:
    AnimacijaKopiranja* animacija_;
};

// The default font of the report: Arial 10 pt (13 pixels on a 96 dpi screen), or the closest
// font the system has.
QFont PodrazumijevaniFont();

// The report model shown in a text document, appended after what the document holds.
// `redova` counts the lines the document holds (0 for an empty document) and is advanced.
void DodajUDokument(QTextDocument& doc, const render::Izvjestaj& iz, int& redova);
// The document read back as a report model; `osnovni` is the control's font (the default).
render::Izvjestaj IzvjestajIzDokumenta(const QTextDocument& doc, const QFont& osnovni,
                                       const render::FormatParagrafa& paragraf);

class TfrmPregledStampe : public QDialog {
    Q_OBJECT
public:
    // The stored sections are the project's sections but the last (the working section).
    TfrmPregledStampe(const Projekat& projekat, const Postavke& postavke, Poruke& poruke,
                      QWidget* parent = nullptr);
    ~TfrmPregledStampe() override;

    // The printer that "Stampaj" starts from: the one the main window's printer set-up
    // adjusted. Without it the print dialog starts from a printer of its own.
    void PostaviStampac(QPrinter* stampac) { stampac_ = stampac; }

    // Show: the report of every listed section, with the progress window; stops early when
    // "Otkazi" is pressed.
    void IzgradiSve();
    // List click: the report of the selected sections, in list order.
    void IzgradiIzabrane();
    // Font: one font for the whole text.
    void PrimijeniFont(const QFont& font);
    // "Dijagram interakcije" checked: each block also holds its section's interaction diagram
    // (picture and ratios); the report is built again.
    void PrikaziDijagrame(bool da);

    // The report as it stands in the text control.
    render::Izvjestaj Izvjestaj() const;
    // Writes the report as rich text or as PDF; false (and a message) when that failed.
    bool SnimiRtf(const QString& putanja);
    bool SnimiPdf(const QString& putanja);
    // Prints the text on the printer, with the job title "Nosivometrik".
    void Stampaj(QPrinter& printer);

    bool Otkazano() const { return otkazano_; }
    // The progress window while the report is built (else null).
    TfrmOtkazi* Otkazi() const { return otkazi_; }

public slots:
    void SnimiKaoTekst();
    void SnimiKaoPdf();
    void StampajDijalog();
    void FontDijalog();

    // Closing while the report is being built also stops the building.
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void NapraviAlate();
    void NapraviMeni();
    void Ocisti();
    void Dodaj(const TPresjek& p);
    void DodajDijagram(render::Izvjestaj& blok, const TPresjek& p);
    void PrikaziMeni(const QPoint& mjesto);
    char Separator() const;
    QString PocetniFolder() const;

    const Projekat& projekat_;
    const Postavke& postavke_;
    Poruke& poruke_;

    QToolBar* alati_ = nullptr;
    QListWidget* lstPresjeci_ = nullptr;
    QSplitter* razdjelnik_ = nullptr;
    QTextEdit* redtStampa_ = nullptr;
    QMenu* meni_ = nullptr;
    TfrmOtkazi* otkazi_ = nullptr;
    QPrinter* stampac_ = nullptr;
    QCheckBox* chkDijagram_ = nullptr;

    bool otkazano_ = false;
    bool gradi_ = false;
    bool prikazan_ = false;
    int redova_ = 0;
};

} // namespace nmk::ui
