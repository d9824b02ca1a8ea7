// Every window of the program, checked the same way: each text it shows fits the room its
// widget has (not cut, not running out of its panel, not over a neighbour's text), Tab and
// Shift+Tab walk through all its controls in reading order, and Escape closes a dialog from
// any field. Run as it is and again at 125 % scaling (QT_SCALE_FACTOR=1.25).

#include "data/fajl.h"
#include "data/katalog_fajl.h"
#include "data/postavke.h"
#include "data/sistem.h"
#include "pomoc_prozora.h"
#include "ui/armatura_dijalog.h"
#include "ui/bet_ex.h"
#include "ui/crtez_widget.h"
#include "ui/dodatni_pod.h"
#include "ui/glavni_prozor.h"
#include "ui/interaktivno.h"
#include "ui/koef_skupljanja.h"
#include "ui/koef_tecenja.h"
#include "ui/materijal.h"
#include "ui/opcije.h"
#include "ui/osnovni_ugib.h"
#include "ui/poruke_dijalog.h"
#include "ui/pregled_stampe.h"
#include "ui/prsline.h"
#include "ui/sirina_ploce_dijalog.h"
#include "ui/ugibi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace nmk;
using namespace nmk::ui;

namespace {

QString BezPrecice(QString t) {
    t.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    t.remove(QLatin1Char('&'));
    return t.replace(QChar(1), QLatin1Char('&'));
}

// A text and the rectangle it takes, beside the room its widget gives it (widget coordinates).
struct Tekst {
    QString tekst;
    QRect zauzeto;
    QRect prostor;
};

int Sirina(const QFontMetrics& fm, const QString& tekst) {
    int s = 0;
    for (const QString& red : tekst.split(QLatin1Char('\n')))
        s = std::max(s, fm.horizontalAdvance(red));
    return s;
}

// Where a text of width `sirina` and `visina` lands in `prostor` with `poravnanje`.
QRect Smjesti(const QRect& prostor, int sirina, int visina, Qt::Alignment poravnanje) {
    QRect r(prostor.topLeft(), QSize(sirina, visina));
    if (poravnanje & Qt::AlignRight)
        r.moveRight(prostor.right());
    else if (poravnanje & Qt::AlignHCenter)
        r.moveLeft(prostor.left() + (prostor.width() - sirina) / 2);
    if (poravnanje & Qt::AlignBottom)
        r.moveBottom(prostor.bottom());
    else if (!(poravnanje & Qt::AlignTop))
        r.moveTop(prostor.top() + (prostor.height() - visina) / 2);
    return r;
}

std::vector<Tekst> TekstoviLabele(QLabel* l) {
    if (l->text().isEmpty() || !l->pixmap().isNull())
        return {};
    const QFontMetrics fm(l->font());
    QRect prostor =
        l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    if (l->indent() > 0)
        prostor.adjust(l->indent(), 0, 0, 0);
    if (l->wordWrap() || Qt::mightBeRichText(l->text())) {
        QTextDocument d;
        d.setDefaultFont(l->font());
        d.setDocumentMargin(0);
        d.setHtml(l->text());
        if (l->wordWrap())
            d.setTextWidth(prostor.width());
        const QSizeF v = d.size();
        return {{l->text(),
                 Smjesti(prostor, int(std::ceil(d.idealWidth())), int(std::ceil(v.height())),
                         l->alignment()),
                 prostor}};
    }
    const int redova = int(l->text().count(QLatin1Char('\n'))) + 1;
    const int visina = redova * fm.height() + (redova - 1) * fm.leading();
    return {{l->text(), Smjesti(prostor, Sirina(fm, l->text()), visina, l->alignment()), prostor}};
}

std::vector<Tekst> TekstoviDugmeta(QAbstractButton* b) {
    const QString t = BezPrecice(b->text());
    if (t.isEmpty())
        return {};
    const QFontMetrics fm(b->font());
    QStyleOptionButton o;
    o.initFrom(b);
    o.text = t;
    QStyle::SubElement e = QStyle::SE_PushButtonContents;
    Qt::Alignment poravnanje = Qt::AlignCenter;
    if (qobject_cast<QCheckBox*>(b)) {
        e = QStyle::SE_CheckBoxContents;
        poravnanje = Qt::AlignLeft | Qt::AlignVCenter;
    } else if (qobject_cast<QRadioButton*>(b)) {
        e = QStyle::SE_RadioButtonContents;
        poravnanje = Qt::AlignLeft | Qt::AlignVCenter;
    } else if (auto* p = qobject_cast<QPushButton*>(b); p && p->autoDefault()) {
        o.features |= QStyleOptionButton::AutoDefaultButton;
    }
    auto* alat = qobject_cast<QToolButton*>(b);
    if (alat && alat->toolButtonStyle() == Qt::ToolButtonIconOnly && !alat->icon().isNull())
        return {}; // the text is only its tool tip
    QRect prostor = alat ? b->rect().adjusted(2, 2, -2, -2) : b->style()->subElementRect(e, &o, b);
    return {{t, Smjesti(prostor, fm.horizontalAdvance(t), fm.height(), poravnanje), prostor}};
}

std::vector<Tekst> TekstoviListe(QComboBox* c) {
    if (c->isEditable())
        return {}; // the typed name is the user's
    QStyleOptionComboBox o;
    o.initFrom(c);
    o.editable = false;
    o.frame = c->hasFrame();
    const QRect polje =
        c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c);
    const QFontMetrics fm(c->font());
    std::vector<Tekst> t;
    for (int i = 0; i < c->count(); ++i)
        t.push_back({c->itemText(i),
                     Smjesti(polje, fm.horizontalAdvance(c->itemText(i)), fm.height(),
                             Qt::AlignLeft | Qt::AlignVCenter),
                     polje});
    return t;
}

std::vector<Tekst> TekstoviPolja(QLineEdit* e) {
    if (e->displayText().isEmpty())
        return {};
    QStyleOptionFrame o;
    o.initFrom(e);
    o.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QRect prostor = e->style()
                              ->subElementRect(QStyle::SE_LineEditContents, &o, e)
                              .marginsRemoved(e->textMargins())
                              .adjusted(2, 0, -2, 0); // the edit's own margin beside its text
    const QFontMetrics fm(e->font());
    return {{e->displayText(),
             Smjesti(prostor, fm.horizontalAdvance(e->displayText()), fm.height(), e->alignment()),
             prostor}};
}

std::vector<Tekst> TekstoviOkvira(QGroupBox* g) {
    if (g->title().isEmpty())
        return {};
    QStyleOptionGroupBox o;
    o.initFrom(g);
    o.text = BezPrecice(g->title());
    o.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    o.textAlignment = g->alignment();
    const QRect natpis =
        g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g);
    return {{g->title(), natpis, g->rect()}};
}

std::vector<Tekst> TekstoviSpiska(QListWidget* l) {
    const QFontMetrics fm(l->font());
    const QRect prostor =
        QRect(l->viewport()->mapTo(l, QPoint(0, 0)), l->viewport()->size()).adjusted(3, 0, -3, 0);
    std::vector<Tekst> t;
    for (int i = 0; i < l->count(); ++i)
        t.push_back(
            {l->item(i)->text(),
             QRect(prostor.topLeft(), QSize(fm.horizontalAdvance(l->item(i)->text()), fm.height())),
             prostor});
    return t;
}

std::vector<Tekst> Tekstovi(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w))
        return TekstoviLabele(l);
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return TekstoviDugmeta(b);
    if (auto* c = qobject_cast<QComboBox*>(w))
        return TekstoviListe(c);
    if (auto* e = qobject_cast<QLineEdit*>(w); e && !qobject_cast<QComboBox*>(w->parent()))
        return TekstoviPolja(e);
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return TekstoviOkvira(g);
    if (auto* l = qobject_cast<QListWidget*>(w))
        return TekstoviSpiska(l);
    return {};
}

bool Vidljiv(QWidget* w, QWidget* prozor) {
    return w->isVisibleTo(prozor) && w->width() > 0 && w->height() > 0;
}

QString Ime(QWidget* w, const QString& tekst) {
    return QStringLiteral("%1 (%2) \"%3\"")
        .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()), tekst);
}

// What does not fit, one line each: cut by its own widget, by a panel around it, or over the
// text of a neighbour in the same panel.
QStringList NeStaje(QWidget* prozor) {
    QStringList greske;
    std::map<QWidget*, std::vector<std::pair<QWidget*, QRect>>> poRoditelju;
    for (QWidget* w : prozor->findChildren<QWidget*>()) {
        if (!Vidljiv(w, prozor))
            continue;
        for (const Tekst& t : Tekstovi(w)) {
            if (!t.prostor.contains(t.zauzeto))
                greske << Ime(w, t.tekst) + " is cut by its widget";
            const QRect uProzoru(w->mapTo(prozor, t.zauzeto.topLeft()), t.zauzeto.size());
            for (QWidget* a = w->parentWidget(); a != nullptr && a != prozor->parentWidget();
                 a = a->parentWidget()) {
                const QRect okvir(a == prozor ? QPoint(0, 0) : a->mapTo(prozor, QPoint(0, 0)),
                                  a->size());
                if (!okvir.contains(uProzoru)) {
                    greske << Ime(w, t.tekst) + " runs out of " + a->objectName();
                    break;
                }
            }
            poRoditelju[w->parentWidget()].push_back({w, uProzoru});
        }
    }
    for (const auto& [roditelj, tekstovi] : poRoditelju)
        for (std::size_t i = 0; i < tekstovi.size(); ++i)
            for (std::size_t j = i + 1; j < tekstovi.size(); ++j)
                if (tekstovi[i].first != tekstovi[j].first &&
                    tekstovi[i].second.intersects(tekstovi[j].second))
                    greske << Ime(tekstovi[i].first, {}) + " overlaps " +
                                  Ime(tekstovi[j].first, {});
    return greske;
}

// The controls Tab stops at, as Tab walks them from the first one round to it again.
QList<QWidget*> ObidjiTabom(QWidget* prozor, bool nazad) {
    QList<QWidget*> obidjeni;
    QWidget* prvi = QApplication::focusWidget();
    for (int i = 0; i < 200 && prvi != nullptr; ++i) {
        // a text control that takes tab characters (the report) is left with Ctrl+Tab
        auto* t = qobject_cast<QTextEdit*>(QApplication::focusWidget());
        const Qt::KeyboardModifiers ctrl =
            t && !t->tabChangesFocus() ? Qt::ControlModifier : Qt::NoModifier;
        QTest::keyClick(QApplication::focusWidget(), nazad ? Qt::Key_Backtab : Qt::Key_Tab,
                        (nazad ? Qt::ShiftModifier : Qt::NoModifier) | ctrl);
        QWidget* f = QApplication::focusWidget();
        if (f == nullptr || !prozor->isAncestorOf(f))
            break;
        if (f == prvi) {
            obidjeni.prepend(prvi);
            return obidjeni;
        }
        obidjeni << f;
    }
    obidjeni.clear(); // the walk never came back
    return obidjeni;
}

// A line edit inside an editable combo box stands for the box.
QWidget* Kontrola(QWidget* w) {
    if (auto* c = qobject_cast<QComboBox*>(w->parentWidget()); c && c->lineEdit() == w)
        return c;
    return w;
}

// The project, the message sink and the settings every window of the program is built on,
// with a stored section that has bars, deflections and cracks.
struct Okolina {
    QTemporaryDir folder;
    Projekat pr;
    PostavkeUMemoriji postavke;
    test::SnimajucePoruke poruke;

    Okolina() {
        for (const char* ime : {BetonFajl, CelikFajl})
            QFile::copy(QDir(NMK_BIN_DIR).filePath(ime), QDir(folder.path()).filePath(ime));
        KreirajProjekat(pr, folder.path().toStdString());
        TPresjek p = test::RadniPrimjer();
        p.Naziv = "Glavna greda G12 iznad otvora u osi B, 2. sprat";
        p.ArmGornja = {{12, 2}, {14, 3}, {16, 2}, {20, 1}};
        pr.presjeci.insert(pr.presjeci.begin(), p);
    }
    TPresjek& Prvi() { return pr.presjeci.front(); }
};

using Pravljenje = std::function<std::unique_ptr<QWidget>(Okolina&)>;

// Prepares the main window as the row says.
std::unique_ptr<QWidget> Glavni(Okolina& o, const std::function<void(TMainForm&)>& stanje) {
    auto w = NapraviProzore(o.pr, o.postavke, o.poruke, {});
    stanje(*w);
    return w;
}

// A calculated section whose results are as long as numbers get in the drawing's labels.
void VelikiRezultati(TMainForm& w) {
    QTest::mouseClick(w.Kontrole().btnProracun, Qt::LeftButton);
    TPresjek p = w.Projekt().presjeci[w.Projekt().presjeci.size() - 2]; // the one calculated
    p.Qu = 1;
    p.epsa = -123456789;
    p.Avil = 7e13;
    p.Aa1 = p.Aa2 = 123456789;
    p.ArmGornja = {{12, 2}, {14, 3}, {16, 2}, {20, 1}};
    p.ArmDonja = {{25, 12}, {28, 10}, {32, 8}, {36, 4}};
    auto* pb = w.findChild<CrtezWidget*>("pb");
    pb->Prikazi(&p, false);
    pb->Natpisi(true);
}

std::map<QString, Pravljenje> Prozori() {
    std::map<QString, Pravljenje> p;
    p["glavni EC 2"] = [](Okolina& o) {
        return Glavni(
            o, [](TMainForm& w) { QTest::mouseClick(w.Kontrole().btnProracun, Qt::LeftButton); });
    };
    p["glavni PBAB 87, T presjek"] = [](Okolina& o) {
        return Glavni(o, [](TMainForm& w) {
            QTest::mouseClick(w.Kontrole().rdbPBAB, Qt::LeftButton);
            QTest::mouseClick(w.Kontrole().rdbTPresjek, Qt::LeftButton);
            QTest::mouseClick(w.Kontrole().btnProracun, Qt::LeftButton);
        });
    };
    p["glavni granicne sile"] = [](Okolina& o) {
        return Glavni(o, [](TMainForm& w) {
            QTest::mouseClick(w.Kontrole().rdbGranicnePresjecneSile, Qt::LeftButton);
            QTest::mouseClick(w.Kontrole().chkPetoPodrucje, Qt::LeftButton);
        });
    };
    p["glavni s velikim rezultatima"] = [](Okolina& o) { return Glavni(o, VelikiRezultati); };
    p["armatura"] = [](Okolina& o) {
        auto d = std::make_unique<TfrmArmatura>(o.pr.katalozi, o.poruke, o.pr.folder);
        d->Postavi(o.Prvi());
        d->Aktiviraj();
        return d;
    };
    p["ugibi"] = [](Okolina& o) {
        auto d = std::make_unique<TfrmUgibi>(o.pr, o.poruke);
        d->Postavi(o.Prvi());
        d->Aktiviraj();
        return d;
    };
    p["prsline"] = [](Okolina& o) {
        auto d = std::make_unique<TfrmPrsline>(o.pr, o.poruke);
        d->Postavi(o.Prvi());
        d->Aktiviraj();
        return d;
    };
    p["osnovni ugib"] = [](Okolina& o) {
        return std::make_unique<TfrmOsnovniUgib>(o.Prvi(), o.pr.katalozi, o.poruke);
    };
    p["dodatni podaci"] = [](Okolina& o) {
        return std::make_unique<TfrmBetEx>(o.pr.betonEx, 150, o.poruke);
    };
    p["koeficijent tecenja"] = [](Okolina& o) {
        return std::make_unique<TfrmKoeficijentTecenja>(150, o.poruke);
    };
    p["koeficijent skupljanja"] = [](Okolina& o) {
        return std::make_unique<TfrmKoefSkupljanja>(150, o.poruke);
    };
    p["detalji"] = [](Okolina&) {
        return std::make_unique<TfrmDodatniPod>(std::vector<std::string>{
            "Cvrstoca betona na zatezanje                  f_ct= 2.90 N/mm2",
            "Idealizirani momenat inercije stadij II     JIXII0= 123456789.12 cm4"});
    };
    p["sirina ploce"] = [](Okolina& o) {
        return std::make_unique<TfrmSirinaPloceTPresjeka>(o.poruke, [] { return QString("20"); });
    };
    p["opcije"] = [](Okolina& o) {
        return std::make_unique<TfrmOpcije>(o.pr.sistem, o.pr.betonEx, o.poruke);
    };
    p["materijali"] = [](Okolina& o) { return std::make_unique<TfrmMaterijal>(o.pr, o.poruke); };
    p["pregled stampe"] = [](Okolina& o) {
        return std::make_unique<TfrmPregledStampe>(o.pr, o.postavke, o.poruke);
    };
    p["otkazi"] = [](Okolina&) { return std::make_unique<TfrmOtkazi>(); };
    return p;
}

void DodajRedove() {
    QTest::addColumn<QString>("prozor");
    for (const auto& [ime, _] : Prozori())
        QTest::newRow(ime.toUtf8().constData()) << ime;
}

} // namespace

class ProzoriTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Okolina> o_;
    std::unique_ptr<QWidget> w_;

    QWidget* Otvori() {
        QFETCH(QString, prozor);
        o_ = std::make_unique<Okolina>();
        w_ = Prozori().at(prozor)(*o_);
        w_->show();
        QTest::qWait(50); // what a window does right after it is shown (the preview's report)
        w_->activateWindow();
        QApplication::setActiveWindow(w_.get());
        if (!QTest::qWaitForWindowActive(w_.get()))
            qWarning("window not active");
        return w_.get();
    }

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() {
        w_.reset();
        o_.reset();
    }

    void TekstStaje_data() { DodajRedove(); }
    void TekstStaje() {
        QWidget* w = Otvori();
        const QStringList greske = NeStaje(w);
        QVERIFY2(greske.isEmpty(), qPrintable(greske.join(QLatin1Char('\n'))));
        QFETCH(QString, prozor);
        test::SacuvajSliku(w, QStringLiteral("citljivost_") + QString(prozor).replace(' ', '_'));
    }

    void TabObilaziSveRedom_data() { DodajRedove(); }
    void TabObilaziSveRedom() {
        QWidget* w = Otvori();
        for (QWidget* k = w->nextInFocusChain(); k != w; k = k->nextInFocusChain())
            if (k->isVisible() && k->isEnabled() && (k->focusPolicy() & Qt::TabFocus)) {
                k->setFocus(Qt::TabFocusReason);
                break;
            }
        const QList<QWidget*> naprijed = ObidjiTabom(w, false);
        QVERIFY2(!naprijed.isEmpty(), "Tab does not come round");
        // every field and list that takes the focus is on the way
        for (QWidget* k : w->findChildren<QWidget*>()) {
            const bool unos = qobject_cast<QLineEdit*>(k) || qobject_cast<QComboBox*>(k);
            if (unos && Vidljiv(k, w) && k->isEnabled() && (k->focusPolicy() & Qt::TabFocus))
                QVERIFY2(naprijed.contains(k) || naprijed.contains(Kontrola(k)),
                         qPrintable(k->objectName()));
        }
        // within a panel, the fields come in reading order: row by row, left to right
        for (int i = 0; i + 1 < naprijed.size(); ++i) {
            QWidget* a = Kontrola(naprijed[i]);
            QWidget* b = Kontrola(naprijed[i + 1]);
            if (a->parentWidget() != b->parentWidget() || !qobject_cast<QLineEdit*>(a) ||
                !qobject_cast<QLineEdit*>(b))
                continue;
            const bool istiRed = std::abs(a->y() - b->y()) < a->height() / 2;
            QVERIFY2(istiRed ? a->x() < b->x() : a->y() < b->y(),
                     qPrintable(a->objectName() + " before " + b->objectName()));
        }
        // Shift+Tab walks the same way back
        QList<QWidget*> nazad = ObidjiTabom(w, true);
        std::reverse(nazad.begin() + 1, nazad.end());
        QCOMPARE(nazad, naprijed);
    }

    void EscapeZatvaraIzSvakogPolja_data() {
        QTest::addColumn<QString>("prozor");
        for (const auto& [ime, _] : Prozori())
            if (!ime.startsWith(QLatin1String("glavni")) && ime != QLatin1String("otkazi"))
                QTest::newRow(ime.toUtf8().constData()) << ime;
    }
    void EscapeZatvaraIzSvakogPolja() {
        QFETCH(QString, prozor);
        QWidget* w = Otvori();
        QList<QWidget*> polja; // every control but the buttons: fields, lists, grids, text
        for (QWidget* k : w->findChildren<QWidget*>())
            if (!qobject_cast<QAbstractButton*>(k) && Vidljiv(k, w) && k->isEnabled() &&
                (k->focusPolicy() & Qt::TabFocus) && !polja.contains(Kontrola(k)))
                polja << Kontrola(k);
        QVERIFY(!polja.isEmpty());
        for (QWidget* k : polja) {
            w->show();
            QApplication::setActiveWindow(w);
            k->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY2(!w->isVisible(), qPrintable(k->objectName()));
        }
    }
};

// One screen of 1280 x 1024 device pixels: 1024 x 819 at 125 %.
int main(int argc, char** argv) {
    return test::PokreniNaEkranima<ProzoriTest>(argc, argv, {QRect(0, 0, 1280, 1024)});
}
#include "prozori_test.moc"
