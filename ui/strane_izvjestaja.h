#pragma once
// The report on printed pages: a section's block is kept on one page when it fits, and every
// page carries a header with the project and the date and a footer with "strana n / N". The
// printer and the PDF both print through here.

#include "render/izvjestaj.h"

#include <QDate>
#include <QFont>
#include <QPageLayout>
#include <QString>

#include <memory>

class QPagedPaintDevice;
class QPainter;
class QPaintDevice;
class QTextDocument;

namespace nmk::ui {

// A4 portrait with the report's margins (render::StranaA4).
QPageLayout RasporedStraneA4();

// What the header and footer of every page say.
struct ZaglavljeStrane {
    QString projekat; // left of the header: the program and the project's file name
    QString datum;    // right of the header
};
// The header's texts: "Nosivometrik - Most.nmk" (only "Nosivometrik" for a project never
// saved) and the date as dd.MM.yyyy.
ZaglavljeStrane NapraviZaglavlje(const QString& imeFajla, const QDate& datum);

// The report's text laid out on the pages of a device: the text between the header and the
// footer, every section's block (the lines up to and including its closing underscores)
// moved to the next page when it would run over a page end but fits on one page.
class StraneIzvjestaja {
public:
    // `izvor` is copied; `uredjaj` gives the resolution and, by its width and height, the
    // printable part of the page (inside the margins).
    StraneIzvjestaja(const QTextDocument& izvor, QPaintDevice& uredjaj);
    ~StraneIzvjestaja();

    int BrojStrana() const;
    // The page (from 0) on which a line of the text (a block, from 0) starts and ends.
    int StranaPocetka(int red) const;
    int StranaKraja(int red) const;
    // Draws page `strana` (from 0) with its header and footer.
    void Crtaj(QPainter& p, int strana, const ZaglavljeStrane& z) const;

    // Lays out `izvor` without keeping the blocks together (for comparison).
    static std::unique_ptr<StraneIzvjestaja> BezPrelaza(const QTextDocument& izvor,
                                                        QPaintDevice& uredjaj);

private:
    StraneIzvjestaja(const QTextDocument& izvor, QPaintDevice& uredjaj, bool prelomi);
    void DrziBlokoveZajedno();

    std::unique_ptr<QTextDocument> doc_;
    QFont font_;       // of the header and footer
    int vrh_ = 0;      // height of the header with its gap
    int dno_ = 0;      // height of the footer with its gap
    qreal visina_ = 0; // height of the text on one page
    int sirina_ = 0;
};

// Prints the whole report on the device, page after page.
void StampajStrane(const QTextDocument& izvor, QPagedPaintDevice& uredjaj,
                   const ZaglavljeStrane& z);

} // namespace nmk::ui
