#include "ui/pregled_stampe.h"

#include "data/fajl.h"
#include "render/rtf.h"
#include "ui/brojevi.h"
#include "ui/crtez_widget.h"
#include "ui/dijagram_interakcije.h"
#include "ui/strane_izvjestaja.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextImageFormat>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace nmk::ui {

// ---------------------------------------------------------------------------------------------
// The progress window

AnimacijaKopiranja::AnimacijaKopiranja(QWidget* parent)
    : QWidget(parent), tajmer_(new QTimer(this)) {
    setObjectName("aniKopiranje");
    tajmer_->setInterval(50);
    connect(tajmer_, &QTimer::timeout, this, &AnimacijaKopiranja::Sljedeca);
}

void AnimacijaKopiranja::Pokreni() {
    slika_ = 0;
    ponavljanje_ = 0;
    tajmer_->start();
    update();
}

void AnimacijaKopiranja::Zaustavi() {
    tajmer_->stop();
}

bool AnimacijaKopiranja::Radi() const {
    return tajmer_->isActive();
}

void AnimacijaKopiranja::Sljedeca() {
    if (++slika_ >= BrojSlika) {
        slika_ = 0;
        if (++ponavljanje_ >= BrojPonavljanja)
            tajmer_->stop();
    }
    update();
}

void AnimacijaKopiranja::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int h = height();
    auto folder = [&p, h](int x) {
        p.setPen(QColor(120, 90, 0));
        p.setBrush(QColor(240, 200, 80));
        p.drawRect(x, h / 2 - 8, 44, 28);
        p.drawRect(x, h / 2 - 12, 16, 4);
    };
    folder(10);
    folder(width() - 54);
    // The sheet flies along an arc from the left folder to the right one.
    const double t = static_cast<double>(slika_) / (BrojSlika - 1);
    const int x = 32 + static_cast<int>(t * (width() - 96));
    const int y = h / 2 - 10 - static_cast<int>(std::sin(t * 3.14159265) * (h / 2 - 14));
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(x, y, 18, 22);
    p.drawLine(x + 4, y + 6, x + 14, y + 6);
    p.drawLine(x + 4, y + 11, x + 14, y + 11);
    p.drawLine(x + 4, y + 16, x + 14, y + 16);
}

TfrmOtkazi::TfrmOtkazi(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::CustomizeWindowHint),
      animacija_(new AnimacijaKopiranja(this)) {
    setObjectName("frmOtkazi");
    setWindowTitle(QString::fromUtf8("Ispisivanje Presjeka ..."));
    auto* dugme = new QPushButton(QString::fromUtf8("Otkazi"), this);
    dugme->setObjectName("btnOtkazi");
    auto* l = new QVBoxLayout(this);
    l->addWidget(animacija_);
    l->addWidget(dugme, 0, Qt::AlignHCenter);
    connect(dugme, &QPushButton::clicked, this, &TfrmOtkazi::Otkazi);
}

// ---------------------------------------------------------------------------------------------
// The report in the text document

namespace {

// Points of the report's paragraph format as pixels of the text document (96 per inch).
qreal Pikseli(int tacke) {
    return tacke * 96.0 / 72.0;
}

QTextBlockFormat FormatBloka(const render::FormatParagrafa& f) {
    QTextBlockFormat b;
    b.setTextIndent(Pikseli(f.uvlaka));
    QList<QTextOption::Tab> tabovi;
    for (int t : f.tabulatori)
        tabovi.append(QTextOption::Tab(Pikseli(t), QTextOption::LeftTab));
    b.setTabPositions(tabovi);
    return b;
}

QTextCharFormat FormatKomada(const render::Izvjestaj& iz, const render::Komad& k) {
    QFont f(QString::fromStdString(k.font.empty() ? iz.font : k.font));
    f.setPointSize(std::max(1, iz.velicina + k.velicina));
    f.setBold(iz.podebljano || k.podebljano);
    f.setItalic(iz.kurziv || k.kurziv);
    f.setUnderline(iz.podvuceno || k.podvuceno);
    QTextCharFormat c;
    c.setFont(f, QTextCharFormat::FontPropertiesAll);
    // A lowered baseline rather than Qt's subscript, which would shrink the already smaller
    // letter a second time.
    c.setVerticalAlignment(QTextCharFormat::AlignNormal);
    c.setBaselineOffset(k.indeks ? -25 : 0);
    return c;
}

render::Komad KomadIzFormata(const QString& tekst, const QTextCharFormat& c,
                             const render::Izvjestaj& iz) {
    const QFont f = c.font();
    render::Komad k;
    k.tekst = tekst.toStdString();
    k.podebljano = f.bold() && !iz.podebljano;
    k.kurziv = f.italic() && !iz.kurziv;
    k.podvuceno = f.underline() && !iz.podvuceno;
    k.indeks = c.verticalAlignment() == QTextCharFormat::AlignSubScript || c.baselineOffset() < 0;
    const qreal velicina = f.pointSizeF() > 0 ? f.pointSizeF() : iz.velicina;
    k.velicina = static_cast<int>(std::lround(velicina)) - iz.velicina;
    const std::string font = f.family().toStdString();
    if (!font.empty() && font != iz.font)
        k.font = font;
    return k;
}

// A picture of the model as an image resource of the document, shown at its size in points.
void UmetniSliku(QTextDocument& doc, QTextCursor& c, const render::Slika& s) {
    QImage slika;
    slika.loadFromData(QByteArray::fromStdString(s.png), "PNG");
    static int broj = 0;
    const QString ime = QStringLiteral("nmk-slika-%1.png").arg(++broj);
    doc.addResource(QTextDocument::ImageResource, QUrl(ime), slika);
    QTextImageFormat f;
    f.setName(ime);
    f.setWidth(Pikseli(s.sirina));
    f.setHeight(Pikseli(s.visina));
    c.insertImage(f);
}

// The picture a fragment of the document shows, back as a model picture.
render::Slika SlikaIzFormata(const QTextDocument& doc, const QTextImageFormat& f) {
    const QImage slika = doc.resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
    QByteArray png;
    QBuffer b(&png);
    b.open(QIODevice::WriteOnly);
    slika.save(&b, "PNG");
    return {png.toStdString(), slika.width(), slika.height(),
            static_cast<int>(std::lround(f.width() * 72.0 / 96.0)),
            static_cast<int>(std::lround(f.height() * 72.0 / 96.0))};
}

} // namespace

QFont PodrazumijevaniFont() {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(10);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

void DodajUDokument(QTextDocument& doc, const render::Izvjestaj& iz, int& redova) {
    QTextCursor c(&doc);
    c.movePosition(QTextCursor::End);
    const QTextBlockFormat blok = FormatBloka(iz.paragraf);
    for (const render::Red& r : iz.redovi) {
        if (redova++ == 0)
            c.setBlockFormat(blok);
        else
            c.insertBlock(blok);
        for (const render::Komad& k : r.komadi)
            c.insertText(QString::fromStdString(k.tekst), FormatKomada(iz, k));
        if (r.slika)
            UmetniSliku(doc, c, *r.slika);
    }
}

render::Izvjestaj IzvjestajIzDokumenta(const QTextDocument& doc, const QFont& osnovni,
                                       const render::FormatParagrafa& paragraf) {
    render::Izvjestaj iz;
    iz.font = osnovni.family().toStdString();
    iz.velicina =
        static_cast<int>(std::lround(osnovni.pointSizeF() > 0 ? osnovni.pointSizeF() : 10.0));
    iz.podebljano = osnovni.bold();
    iz.kurziv = osnovni.italic();
    iz.podvuceno = osnovni.underline();
    iz.paragraf = paragraf;
    if (doc.isEmpty())
        return iz;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        render::Red red;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.isValid() && f.charFormat().isImageFormat())
                red.slika = SlikaIzFormata(doc, f.charFormat().toImageFormat());
            else if (f.isValid())
                red.komadi.push_back(KomadIzFormata(f.text(), f.charFormat(), iz));
        }
        if (red.komadi.empty())
            red.komadi.push_back({});
        iz.redovi.push_back(std::move(red));
    }
    return iz;
}

// ---------------------------------------------------------------------------------------------
// The window

TfrmPregledStampe::TfrmPregledStampe(const Projekat& projekat, const Postavke& postavke,
                                     Poruke& poruke, QWidget* parent)
    : QDialog(parent, Qt::Window), projekat_(projekat), postavke_(postavke), poruke_(poruke) {
    setObjectName("frmPregledStampe");
    setWindowTitle(QString::fromUtf8("Štampanje "));
    setWindowState(Qt::WindowMaximized);

    lstPresjeci_ = new QListWidget;
    lstPresjeci_->setObjectName("lstPresjeci");
    lstPresjeci_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    PostaviHint(lstPresjeci_,
                QString::fromUtf8("Presjeci | Izbor vise presjeka drzeci tipku Ctrl ili Shift"));

    redtStampa_ = new QTextEdit;
    redtStampa_->setObjectName("redtStampa");
    redtStampa_->setFont(PodrazumijevaniFont());
    redtStampa_->document()->setDefaultFont(PodrazumijevaniFont());
    redtStampa_->setLineWrapMode(QTextEdit::NoWrap);
    redtStampa_->setTabChangesFocus(false);
    redtStampa_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    redtStampa_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    redtStampa_->setContextMenuPolicy(Qt::CustomContextMenu);

    razdjelnik_ = new QSplitter(Qt::Horizontal);
    razdjelnik_->setObjectName("Splitter1");
    razdjelnik_->addWidget(lstPresjeci_);
    razdjelnik_->addWidget(redtStampa_);
    razdjelnik_->setStretchFactor(1, 1);
    razdjelnik_->setSizes({160, 800});

    NapraviAlate();
    NapraviMeni();
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setMenuBar(alati_);
    l->addWidget(razdjelnik_);

    // The working section, the last entry, is not listed.
    for (int i = 0; i + 1 < projekat_.BrojPresjeka(); ++i) {
        const QString ime = QString::fromStdString(projekat_.presjeci[i].Naziv);
        lstPresjeci_->addItem(ime);
        lstPresjeci_->item(i)->setToolTip(ime);
    }
    Ocisti();

    connect(lstPresjeci_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!gradi_)
            IzgradiIzabrane();
    });
    connect(redtStampa_, &QTextEdit::customContextMenuRequested, this,
            &TfrmPregledStampe::PrikaziMeni);
    // The report takes Tab as a character; Ctrl+Tab and Ctrl+Shift+Tab leave it.
    for (const bool naprijed : {true, false}) {
        auto* izlaz = new QShortcut(QKeySequence(naprijed ? Qt::CTRL | Qt::Key_Tab
                                                          : Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                    redtStampa_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(izlaz, &QShortcut::activated, this,
                [this, naprijed] { focusNextPrevChild(naprijed); });
    }
}

TfrmPregledStampe::~TfrmPregledStampe() = default;

void TfrmPregledStampe::NapraviAlate() {
    alati_ = new QToolBar(this);
    alati_->setObjectName("ToolBar1");
    QStyle* s = style();
    auto alat = [this](const char* ime, const QIcon& ikona, const char* hint, auto slot) {
        QAction* a = alati_->addAction(ikona, QString::fromUtf8(hint));
        a->setObjectName(ime);
        a->setToolTip(QString::fromUtf8(hint));
        a->setStatusTip(QString::fromUtf8(hint));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    alat("toolSnimi", s->standardIcon(QStyle::SP_DialogSaveButton), "Snimi kao tekst (*.RTF)",
         &TfrmPregledStampe::SnimiKaoTekst);
    alat("toolPdf", s->standardIcon(QStyle::SP_FileIcon), "Snimi kao PDF (*.PDF)",
         &TfrmPregledStampe::SnimiKaoPdf);
    alat("toolFont", s->standardIcon(QStyle::SP_FileDialogDetailedView), "Font",
         &TfrmPregledStampe::FontDijalog);
    alat("toolStampaj", s->standardIcon(QStyle::SP_ComputerIcon), "Stampaj",
         &TfrmPregledStampe::StampajDijalog);
    alati_->addSeparator();
    chkDijagram_ = new QCheckBox(QStringLiteral("Dijagram interakcije"), alati_);
    chkDijagram_->setObjectName("chkDijagram");
    chkDijagram_->setToolTip(QStringLiteral("Dijagram interakcije N-M u bloku svakog presjeka"));
    alati_->addWidget(chkDijagram_);
    connect(chkDijagram_, &QCheckBox::toggled, this, &TfrmPregledStampe::PrikaziDijagrame);
    alati_->addSeparator();
    alat("toolIzlaz", s->standardIcon(QStyle::SP_DialogCloseButton), "Izlaz", &QDialog::reject);
}

void TfrmPregledStampe::NapraviMeni() {
    meni_ = new QMenu(this);
    meni_->setObjectName("PopupMenu1");
    auto stavka = [this](const char* ime, const char* tekst, auto slot) {
        QAction* a = meni_->addAction(QString::fromUtf8(tekst));
        a->setObjectName(ime);
        connect(a, &QAction::triggered, this, slot);
    };
    stavka("mnuFont", "Font", &TfrmPregledStampe::FontDijalog);
    stavka("mnuStampaj", "Stampaj", &TfrmPregledStampe::StampajDijalog);
    stavka("mnuSnimi", "Snimi Kao Tekst (*.RTF)", &TfrmPregledStampe::SnimiKaoTekst);
    stavka("mnuPdf", "Snimi Kao PDF (*.PDF)", &TfrmPregledStampe::SnimiKaoPdf);
}

void TfrmPregledStampe::PrikaziMeni(const QPoint& mjesto) {
    meni_->popup(redtStampa_->viewport()->mapToGlobal(mjesto));
}

char TfrmPregledStampe::Separator() const {
    const char c = DecimalniSeparator().toLatin1();
    return c == 0 ? '.' : c;
}

void TfrmPregledStampe::Ocisti() {
    redtStampa_->clear();
    redtStampa_->document()->setDefaultFont(redtStampa_->font());
    redova_ = 0;
}

void TfrmPregledStampe::Dodaj(const TPresjek& p) {
    render::Izvjestaj blok;
    const QFont f = redtStampa_->font();
    blok.font = f.family().toStdString();
    blok.velicina = static_cast<int>(std::lround(f.pointSizeF() > 0 ? f.pointSizeF() : 10.0));
    blok.podebljano = f.bold();
    blok.kurziv = f.italic();
    blok.podvuceno = f.underline();
    render::StampajPresjek(blok, p, projekat_.katalozi, Separator());
    if (chkDijagram_->isChecked() && p.ima(sfIzracunat))
        DodajDijagram(blok, p);
    DodajUDokument(*redtStampa_->document(), blok, redova_);
}

void TfrmPregledStampe::DodajDijagram(render::Izvjestaj& blok, const TPresjek& p) {
    // Drawn at twice the pixels it takes on the screen (96 dpi), for the printer.
    constexpr int kSirina = 360, kVisina = 240; // points
    const ArmaturaKrive a = ArmaturaZaKrivu(p);
    KrivaInterakcije k;
    try {
        k = IzracunajKrivu(p, a.Aa1, a.Aa2, projekat_.okruzenje(poruke_));
    } catch (const std::exception& e) {
        poruke_.Obicna(e.what());
        return;
    }
    const QImage slika = SlikaDijagrama(k, p.Nu, p.Mu, kSirina * 8 / 3, kVisina * 8 / 3, 2);
    QByteArray png;
    QBuffer b(&png);
    b.open(QIODevice::WriteOnly);
    slika.save(&b, "PNG");
    render::DodajDijagram(blok, a, Iskoristenje(k, p.Nu, p.Mu),
                          {png.toStdString(), slika.width(), slika.height(), kSirina, kVisina},
                          Separator());
}

void TfrmPregledStampe::PrikaziDijagrame(bool da) {
    if (chkDijagram_->isChecked() != da)
        chkDijagram_->setChecked(da); // comes back here through the toggle
    else if (!gradi_)
        IzgradiIzabrane();
}

void TfrmPregledStampe::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (prikazan_)
        return;
    prikazan_ = true;
    // The list is as wide as its longest name, up to half the window; a longer name shows
    // whole in its tool tip.
    const int potrebno = lstPresjeci_->sizeHintForColumn(0) + 2 * lstPresjeci_->frameWidth() +
                         lstPresjeci_->verticalScrollBar()->sizeHint().width() + 8;
    // The window is maximised: it may get the screen's width only after this.
    const int ukupno = std::max(razdjelnik_->width(),
                                screen() != nullptr ? screen()->availableGeometry().width() : 0);
    const int lista = std::clamp(potrebno, 160, std::max(160, ukupno / 2));
    razdjelnik_->setSizes({lista, std::max(1, razdjelnik_->width() - lista)});
    QTimer::singleShot(0, this, &TfrmPregledStampe::IzgradiSve);
}

void TfrmPregledStampe::reject() {
    if (gradi_)
        otkazano_ = true;
    QDialog::reject();
}

void TfrmPregledStampe::IzgradiSve() {
    repaint();
    otkazi_ = new TfrmOtkazi(this);
    connect(otkazi_, &TfrmOtkazi::Otkazi, this, [this] { otkazano_ = true; });
    // Hiding the text control would hand its room to the list; the splitter gets it back after.
    const QList<int> mjere = razdjelnik_->sizes();
    redtStampa_->hide();
    otkazi_->move(mapToGlobal(redtStampa_->pos() + QPoint(-20, 50)));
    otkazi_->show();
    otkazi_->Animacija()->Pokreni();

    // The text control comes back and the progress window goes also when a section fails.
    struct Kraj {
        TfrmPregledStampe* w;
        QList<int> mjere;
        ~Kraj() {
            w->redtStampa_->show();
            w->razdjelnik_->setSizes(mjere);
            delete w->otkazi_;
            w->otkazi_ = nullptr;
            w->gradi_ = false;
        }
    } kraj{this, mjere};
    gradi_ = true;
    Ocisti();
    try {
        for (int i = 0; i < lstPresjeci_->count() && !otkazano_; ++i) {
            lstPresjeci_->item(i)->setSelected(true);
            Dodaj(projekat_.presjeci.at(static_cast<std::size_t>(i)));
            QApplication::processEvents();
        }
    } catch (const std::exception& e) {
        poruke_.Prikazi(e.what(), VrstaPoruke::Greska, dgOK);
    }
}

void TfrmPregledStampe::IzgradiIzabrane() {
    Ocisti();
    for (int i = 0; i < lstPresjeci_->count(); ++i)
        if (lstPresjeci_->item(i)->isSelected())
            Dodaj(projekat_.presjeci.at(static_cast<std::size_t>(i)));
}

void TfrmPregledStampe::PrimijeniFont(const QFont& font) {
    redtStampa_->setFont(font);
    redtStampa_->document()->setDefaultFont(font);
    QTextCursor c(redtStampa_->document());
    c.select(QTextCursor::Document);
    QTextCharFormat f;
    f.setFont(font, QTextCharFormat::FontPropertiesAll);
    f.setVerticalAlignment(QTextCharFormat::AlignNormal);
    f.setBaselineOffset(0);
    // The pictures keep their own format: the one font is for the text.
    std::vector<std::pair<int, QTextImageFormat>> slike;
    for (QTextBlock b = redtStampa_->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().isValid() && it.fragment().charFormat().isImageFormat())
                slike.emplace_back(it.fragment().position(),
                                   it.fragment().charFormat().toImageFormat());
    c.setCharFormat(f);
    for (const auto& [mjesto, slika] : slike) {
        QTextCursor s(redtStampa_->document());
        s.setPosition(mjesto);
        s.setPosition(mjesto + 1, QTextCursor::KeepAnchor);
        s.setCharFormat(slika);
    }
    c.clearSelection();
    redtStampa_->setTextCursor(c);
}

render::Izvjestaj TfrmPregledStampe::Izvjestaj() const {
    return IzvjestajIzDokumenta(*redtStampa_->document(), redtStampa_->font(),
                                render::FormatParagrafa{});
}

bool TfrmPregledStampe::SnimiRtf(const QString& putanja) {
    try {
        ZapisiAtomski(Utf8Putanja(putanja.toStdString()), render::UpisiRtf(Izvjestaj()));
        return true;
    } catch (const std::exception& e) {
        poruke_.Prikazi(e.what(), VrstaPoruke::Greska, dgOK);
        return false;
    }
}

bool TfrmPregledStampe::SnimiPdf(const QString& putanja) {
    // Written beside the target and renamed over it, so an old file is never half replaced.
    const std::filesystem::path cilj = Utf8Putanja(putanja.toStdString());
    std::filesystem::path privremeni = cilj;
    privremeni += ".tmp";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageLayout(RasporedStraneA4());
    printer.setOutputFileName(QString::fromStdString(PutanjaUtf8(privremeni)));
    Stampaj(printer);
    std::error_code greska;
    if (printer.printerState() != QPrinter::Error && std::filesystem::exists(privremeni, greska))
        std::filesystem::rename(privremeni, cilj, greska);
    else
        greska = std::make_error_code(std::errc::io_error);
    if (!greska)
        return true;
    std::filesystem::remove(privremeni, greska);
    poruke_.Prikazi("Fajl " + PutanjaUtf8(cilj) + " se ne može zapisati.", VrstaPoruke::Greska,
                    dgOK);
    return false;
}

void TfrmPregledStampe::Stampaj(QPrinter& printer) {
    printer.setDocName(QStringLiteral("Nosivometrik"));
    StampajStrane(
        *redtStampa_->document(), printer,
        NapraviZaglavlje(QString::fromStdString(projekat_.sistem.ImeFajla), QDate::currentDate()));
}

QString TfrmPregledStampe::PocetniFolder() const {
    if (!postavke_.KljucPostoji())
        return {};
    return QString::fromStdString(postavke_.CitajTekst(kLastDir).value_or(std::string()));
}

void TfrmPregledStampe::SnimiKaoTekst() {
    QFileDialog d(this, QString::fromUtf8("Snimi kao tekst"), PocetniFolder());
    d.setObjectName("dlgSnimi");
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setNameFilters(
        {QStringLiteral("Rich text format (*.RTF)"), QStringLiteral("Bilo koji fajl (*.*)")});
    d.setDefaultSuffix(QStringLiteral("RTF"));
    d.selectFile(QStringLiteral("Projekat1_Text"));
    if (d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty())
        SnimiRtf(d.selectedFiles().constFirst());
}

void TfrmPregledStampe::SnimiKaoPdf() {
    QFileDialog d(this, QString::fromUtf8("Snimi kao PDF"), PocetniFolder());
    d.setObjectName("dlgSnimiPdf");
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setNameFilters({QStringLiteral("PDF (*.PDF)"), QStringLiteral("Bilo koji fajl (*.*)")});
    d.setDefaultSuffix(QStringLiteral("PDF"));
    d.selectFile(QStringLiteral("Projekat1_Text"));
    if (d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty())
        SnimiPdf(d.selectedFiles().constFirst());
}

void TfrmPregledStampe::StampajDijalog() {
    QPrinter vlastiti(QPrinter::HighResolution);
    vlastiti.setPageLayout(RasporedStraneA4());
    QPrinter& printer = stampac_ != nullptr ? *stampac_ : vlastiti;
    printer.setDocName(QStringLiteral("Nosivometrik"));
    QPrintDialog d(&printer, this);
    d.setObjectName("dlgStampaj");
    if (d.exec() == QDialog::Accepted)
        Stampaj(printer);
}

void TfrmPregledStampe::FontDijalog() {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, redtStampa_->font(), this);
    if (ok)
        PrimijeniFont(f);
}

} // namespace nmk::ui
