#include "ui/strane_izvjestaja.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace nmk::ui {

QPageLayout RasporedStraneA4() {
    const qreal m = render::StranaA4.margina;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(m, m, m, m),
                       QPageLayout::Millimeter);
}

ZaglavljeStrane NapraviZaglavlje(const QString& imeFajla, const QDate& datum) {
    ZaglavljeStrane z;
    z.projekat = QStringLiteral("Nosivometrik");
    const QString ime = imeFajla.section(QLatin1Char('/'), -1).section(QLatin1Char('\\'), -1);
    if (!ime.isEmpty())
        z.projekat += QStringLiteral(" - ") + ime;
    z.datum = datum.toString(QStringLiteral("dd.MM.yyyy"));
    return z;
}

StraneIzvjestaja::StraneIzvjestaja(const QTextDocument& izvor, QPaintDevice& uredjaj)
    : StraneIzvjestaja(izvor, uredjaj, true) {}

StraneIzvjestaja::StraneIzvjestaja(const QTextDocument& izvor, QPaintDevice& uredjaj, bool prelomi)
    : doc_(izvor.clone()), font_(izvor.defaultFont()) {
    font_.setPointSize(8);
    font_.setBold(false);
    font_.setUnderline(false);
    const QFontMetrics fm(font_, &uredjaj);
    // a line of text and half a line of room on each side of the text
    vrh_ = fm.height() * 3 / 2;
    dno_ = fm.height() * 3 / 2;
    sirina_ = uredjaj.width();
    visina_ = std::max(1, uredjaj.height() - vrh_ - dno_);
    doc_->documentLayout()->setPaintDevice(&uredjaj);
    doc_->setDocumentMargin(0);
    doc_->setPageSize(QSizeF(sirina_, visina_));
    if (prelomi)
        DrziBlokoveZajedno();
    // The whole text laid out now: a layout left unfinished draws nothing and answers
    // positions of its last pass.
    doc_->documentLayout()->documentSize();
}

StraneIzvjestaja::~StraneIzvjestaja() = default;

std::unique_ptr<StraneIzvjestaja> StraneIzvjestaja::BezPrelaza(const QTextDocument& izvor,
                                                               QPaintDevice& uredjaj) {
    return std::unique_ptr<StraneIzvjestaja>(new StraneIzvjestaja(izvor, uredjaj, false));
}

void StraneIzvjestaja::DrziBlokoveZajedno() {
    const QString crta = QString::fromUtf8(render::Crta);
    QAbstractTextDocumentLayout* raspored = doc_->documentLayout();
    QTextBlock b = doc_->begin();
    qreal prethodni = -1; // where the text before the block ends
    while (b.isValid()) {
        // One section's block: its lines up to and including the closing underscores; it
        // starts on a new page at its first line with text (the name), not at the empty one.
        QTextBlock zadnji = b;
        while (zadnji.next().isValid() && zadnji.text() != crta)
            zadnji = zadnji.next();
        QTextBlock prvi = b;
        while (prvi != zadnji && prvi.text().trimmed().isEmpty())
            prvi = prvi.next();
        raspored->documentSize(); // the layout finished, not only up to this block
        qreal vrh = raspored->blockBoundingRect(prvi).top();
        qreal dno = raspored->blockBoundingRect(zadnji).bottom();
        const qreal strana = std::floor(vrh / visina_);
        bool preko = strana != std::floor((dno - 0.5) / visina_);
        // With nothing but empty lines above it on its page, a new page would gain nothing:
        // the empty lines give their room up instead.
        if (preko && std::floor((prethodni - 0.5) / visina_) < strana) {
            QTextBlockFormat bezVisine;
            bezVisine.setLineHeight(0.01, QTextBlockFormat::FixedHeight);
            for (QTextBlock prazan = b; prazan != prvi; prazan = prazan.next())
                QTextCursor(prazan).mergeBlockFormat(bezVisine);
            raspored->documentSize();
            vrh = raspored->blockBoundingRect(prvi).top();
            dno = raspored->blockBoundingRect(zadnji).bottom();
            preko = false;
        }
        if (preko && dno - vrh <= visina_) {
            QTextBlockFormat f;
            f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(prvi).mergeBlockFormat(f);
        }
        raspored->documentSize();
        prethodni = raspored->blockBoundingRect(zadnji).bottom();
        b = zadnji.next();
    }
}

int StraneIzvjestaja::BrojStrana() const {
    return std::max(1, doc_->pageCount());
}

int StraneIzvjestaja::StranaPocetka(int red) const {
    const QRectF r = doc_->documentLayout()->blockBoundingRect(doc_->findBlockByNumber(red));
    return static_cast<int>(std::floor(r.top() / visina_));
}

int StraneIzvjestaja::StranaKraja(int red) const {
    const QRectF r = doc_->documentLayout()->blockBoundingRect(doc_->findBlockByNumber(red));
    return static_cast<int>(std::floor((r.bottom() - 0.5) / visina_));
}

void StraneIzvjestaja::Crtaj(QPainter& p, int strana, const ZaglavljeStrane& z) const {
    p.save();
    p.setFont(font_);
    p.setPen(Qt::black);
    const QFontMetrics fm(font_, p.device());
    const QRect zaglavlje(0, 0, sirina_, fm.height());
    p.drawText(zaglavlje, Qt::AlignLeft | Qt::AlignVCenter, z.projekat);
    p.drawText(zaglavlje, Qt::AlignRight | Qt::AlignVCenter, z.datum);
    const int crta = fm.height() + fm.height() / 4;
    p.drawLine(0, crta, sirina_, crta);
    const QRect podnozje(0, vrh_ + static_cast<int>(visina_) + dno_ - fm.height(), sirina_,
                         fm.height());
    p.drawText(podnozje, Qt::AlignHCenter | Qt::AlignVCenter,
               QString::fromStdString(render::OznakaStrane(strana + 1, BrojStrana())));

    // the text of this page, between the header and the footer
    p.translate(0, vrh_);
    p.setClipRect(QRectF(0, 0, sirina_, visina_));
    p.translate(0, -strana * visina_);
    QAbstractTextDocumentLayout::PaintContext ctx;
    ctx.clip = QRectF(0, strana * visina_, sirina_, visina_);
    ctx.palette.setColor(QPalette::Text, Qt::black);
    doc_->documentLayout()->draw(&p, ctx);
    p.restore();
}

void StampajStrane(const QTextDocument& izvor, QPagedPaintDevice& uredjaj,
                   const ZaglavljeStrane& z) {
    QPainter p(&uredjaj);
    if (!p.isActive())
        return;
    const StraneIzvjestaja strane(izvor, uredjaj);
    for (int i = 0; i < strane.BrojStrana(); ++i) {
        if (i > 0)
            uredjaj.newPage();
        strane.Crtaj(p, i, z);
    }
}

} // namespace nmk::ui
