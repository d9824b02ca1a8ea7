// Every window checked the same way: its texts fit (not cut by their widget, not out of their
// panel, not over a neighbour's text), Tab and Shift+Tab walk all its fields in reading order,
// and Escape closes a dialog from any control. Also run at 125 % scaling (QT_SCALE_FACTOR).

#include "data/katalog_fajl.h"
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
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>

#include <functional>
#include <map>

using namespace nmk;
using namespace nmk::ui;

namespace {

// A text shown, the rectangle it takes and the room its widget gives it (widget coordinates).
struct Tekst {
    QString tekst;
    QRect zauzeto, prostor;
};

Tekst UProstoru(const QWidget* w, const QString& t, const QRect& prostor, Qt::Alignment a) {
    const QFontMetrics fm(w->font());
    QSize s(0, int(t.count('\n') + 1) * fm.lineSpacing() - fm.leading());
    for (const QString& red : t.split('\n'))
        s.setWidth(std::max(s.width(), fm.horizontalAdvance(red)));
    if (Qt::mightBeRichText(t)) { // an index letter in a caption
        QTextDocument d;
        d.setDefaultFont(w->font());
        d.setDocumentMargin(0);
        d.setHtml(t);
        s = d.size().toSize();
    }
    return {t, QStyle::alignedRect(Qt::LeftToRight, a, s, prostor), prostor};
}

std::vector<Tekst> Tekstovi(QWidget* w) {
    const Qt::Alignment lijevo = Qt::AlignLeft | Qt::AlignVCenter;
    if (auto* l = qobject_cast<QLabel*>(w); l && l->pixmap().isNull() && !l->text().isEmpty())
        return {UProstoru(l, l->text(), l->contentsRect(), l->alignment())};
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty()) {
        auto* alat = qobject_cast<QToolButton*>(b);
        if (alat && alat->toolButtonStyle() == Qt::ToolButtonIconOnly && !alat->icon().isNull())
            return {}; // its text is only its tool tip
        QStyleOptionButton o;
        o.initFrom(b);
        const QString t = QString(b->text()).remove('&');
        if (alat)
            return {UProstoru(b, t, b->rect().adjusted(2, 2, -2, -2), Qt::AlignCenter)};
        if (qobject_cast<QCheckBox*>(b))
            return {UProstoru(b, t, b->style()->subElementRect(QStyle::SE_CheckBoxContents, &o, b),
                              lijevo)};
        if (qobject_cast<QRadioButton*>(b))
            return {UProstoru(
                b, t, b->style()->subElementRect(QStyle::SE_RadioButtonContents, &o, b), lijevo)};
        return {UProstoru(b, t, b->style()->subElementRect(QStyle::SE_PushButtonContents, &o, b),
                          Qt::AlignCenter)};
    }
    std::vector<Tekst> t;
    if (auto* c = qobject_cast<QComboBox*>(w);
        c && !c->isEditable()) { // typed names are the user's
        QStyleOptionComboBox o;
        o.initFrom(c);
        const QRect polje =
            c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c);
        for (int i = 0; i < c->count(); ++i)
            t.push_back(UProstoru(c, c->itemText(i), polje, lijevo));
    } else if (auto* e = qobject_cast<QLineEdit*>(w);
               e && !e->text().isEmpty() && !qobject_cast<QComboBox*>(w->parent())) {
        QStyleOptionFrame o;
        o.initFrom(e);
        o.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        // the edit keeps two pixels beside its text
        const QRect polje = e->style()->subElementRect(QStyle::SE_LineEditContents, &o, e);
        t.push_back(UProstoru(e, e->text(), polje.adjusted(2, 0, -2, 0), e->alignment()));
    } else if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty()) {
        QStyleOptionGroupBox o;
        o.initFrom(g);
        o.text = g->title();
        o.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        t.push_back(
            {g->title(),
             g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g),
             g->rect()});
    } else if (auto* l = qobject_cast<QListWidget*>(w)) {
        const QRect okno(l->viewport()->mapTo(l, QPoint(0, 0)), l->viewport()->size());
        for (int i = 0; i < l->count(); ++i)
            t.push_back(UProstoru(l, l->item(i)->text(), okno.adjusted(3, 0, -3, 0),
                                  Qt::AlignLeft | Qt::AlignTop));
    }
    return t;
}

bool Vidljiv(QWidget* w, QWidget* prozor) {
    return w->isVisibleTo(prozor) && !w->size().isEmpty();
}

QString Ime(QWidget* w, const QString& tekst) {
    return QStringLiteral("%1 %2 \"%3\"").arg(w->metaObject()->className(), w->objectName(), tekst);
}

// What does not fit, one line each.
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
            for (QWidget* a = w->parentWidget(); a != prozor->parentWidget(); a = a->parentWidget())
                if (!QRect(a->mapTo(prozor, QPoint(0, 0)), a->size()).contains(uProzoru)) {
                    greske << Ime(w, t.tekst) + " runs out of " + a->objectName();
                    break;
                }
            poRoditelju[w->parentWidget()].push_back({w, uProzoru});
        }
    }
    for (const auto& [_, t] : poRoditelju)
        for (std::size_t i = 0; i < t.size(); ++i)
            for (std::size_t j = i + 1; j < t.size(); ++j)
                if (t[i].first != t[j].first && t[i].second.intersects(t[j].second))
                    greske << Ime(t[i].first, {}) + " overlaps " + Ime(t[j].first, {});
    return greske;
}

// The controls Tab stops at, from the focused one round to it again (empty: it never came
// back). A report text that takes Tab as a character is left with Ctrl+Tab.
QList<QWidget*> ObidjiTabom(QWidget* prozor, bool nazad) {
    QList<QWidget*> obidjeni;
    QWidget* prvi = QApplication::focusWidget();
    for (int i = 0; i < 200 && prvi != nullptr; ++i) {
        auto* t = qobject_cast<QTextEdit*>(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), nazad ? Qt::Key_Backtab : Qt::Key_Tab,
                        (nazad ? Qt::ShiftModifier : Qt::NoModifier) |
                            (t && !t->tabChangesFocus() ? Qt::ControlModifier : Qt::NoModifier));
        QWidget* f = QApplication::focusWidget();
        if (f == nullptr || !prozor->isAncestorOf(f))
            break;
        if (f == prvi) {
            obidjeni.prepend(prvi);
            return obidjeni;
        }
        obidjeni << f;
    }
    return {};
}

// A line edit inside an editable combo box stands for the box.
QWidget* Kontrola(QWidget* w) {
    auto* c = qobject_cast<QComboBox*>(w->parentWidget());
    return c && c->lineEdit() == w ? c : w;
}

// The project every window is built on, with a stored section with bars and a long name.
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

// The main window after clicks on these buttons.
std::unique_ptr<QWidget> Glavni(Okolina& o, std::initializer_list<const char*> klikovi) {
    auto w = NapraviProzore(o.pr, o.postavke, o.poruke, {});
    for (const char* ime : klikovi)
        test::Klikni(w.get(), ime);
    return w;
}

// A calculated section with results as long as numbers get in the drawing's labels.
std::unique_ptr<QWidget> VelikiRezultati(Okolina& o) {
    auto w = NapraviProzore(o.pr, o.postavke, o.poruke, {});
    test::Klikni(w.get(), "btnProracun");
    TPresjek p = o.pr.presjeci[o.pr.presjeci.size() - 2];
    p.Qu = 1;
    p.Avil = 7e13;
    p.Aa1 = p.Aa2 = p.epsa = -123456789;
    p.ArmDonja = {{25, 12}, {28, 10}, {32, 8}, {36, 4}};
    auto* pb = w->findChild<CrtezWidget*>("pb");
    pb->Prikazi(&p, false);
    pb->Natpisi(true);
    return w;
}

template <class D> std::unique_ptr<QWidget> Servis(Okolina& o) {
    auto d = std::make_unique<D>(o.pr.katalozi, o.poruke, o.pr.folder);
    d->Postavi(o.Prvi());
    d->Aktiviraj();
    return d;
}

template <class D> std::unique_ptr<QWidget> NaProjektu(Okolina& o) {
    auto d = std::make_unique<D>(o.pr, o.poruke);
    d->Postavi(o.Prvi());
    d->Aktiviraj();
    return d;
}

using Pravljenje = std::function<std::unique_ptr<QWidget>(Okolina&)>;

const std::map<QString, Pravljenje>& Prozori() {
    static const std::map<QString, Pravljenje> p{
        {"glavni, veliki rezultati", VelikiRezultati},
        {"glavni, PBAB 87, T presjek",
         [](Okolina& o) {
             return Glavni(o, {"rdbPBAB", "rdbTPresjek", "btnProracun"});
         }},
        {"glavni, granicne sile",
         [](Okolina& o) {
             return Glavni(o, {"rdbGranicnePresjecneSile", "chkPetoPodrucje"});
         }},
        {"armatura", Servis<TfrmArmatura>},
        {"ugibi", NaProjektu<TfrmUgibi>},
        {"prsline", NaProjektu<TfrmPrsline>},
        {"osnovni ugib",
         [](Okolina& o) {
             return std::make_unique<TfrmOsnovniUgib>(o.Prvi(), o.pr.katalozi, o.poruke);
         }},
        {"dodatni podaci",
         [](Okolina& o) {
             return std::make_unique<TfrmBetEx>(o.pr.betonEx, o.pr.servis, 150, o.poruke);
         }},
        {"koeficijent tecenja",
         [](Okolina& o) { return std::make_unique<TfrmKoeficijentTecenja>(150, o.poruke); }},
        {"koeficijent skupljanja",
         [](Okolina& o) { return std::make_unique<TfrmKoefSkupljanja>(150, o.poruke); }},
        {"detalji",
         [](Okolina&) {
             return std::make_unique<TfrmDodatniPod>(std::vector<std::string>{
                 "Idealizirani momenat inercije stadij II     JIXII0= 123456789.12 cm4"});
         }},
        {"sirina ploce",
         [](Okolina& o) {
             return std::make_unique<TfrmSirinaPloceTPresjeka>(o.poruke, [] { return "20"; });
         }},
        {"opcije",
         [](Okolina& o) {
             return std::make_unique<TfrmOpcije>(o.pr.sistem, o.pr.betonEx, o.poruke);
         }},
        {"materijali", [](Okolina& o) { return std::make_unique<TfrmMaterijal>(o.pr, o.poruke); }},
        {"pregled stampe",
         [](Okolina& o) {
             return std::make_unique<TfrmPregledStampe>(o.pr, o.postavke, o.poruke);
         }},
        {"otkazi", [](Okolina&) { return std::make_unique<TfrmOtkazi>(); }},
    };
    return p;
}

void Redovi(bool iGlavni) {
    QTest::addColumn<QString>("prozor");
    for (const auto& [ime, _] : Prozori())
        if (iGlavni || (!ime.startsWith("glavni") && ime != "otkazi"))
            QTest::newRow(ime.toUtf8().constData()) << ime;
}

} // namespace

class ProzoriTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Okolina> o_;
    std::unique_ptr<QWidget> w_;

    // The row's window, shown and active, after what it does right after it is shown.
    QWidget* Otvori() {
        QFETCH(QString, prozor);
        o_ = std::make_unique<Okolina>();
        w_ = Prozori().at(prozor)(*o_);
        w_->show();
        QTest::qWait(50);
        QApplication::setActiveWindow(w_.get());
        if (!QTest::qWaitForWindowActive(w_.get()))
            qWarning("window not active");
        return w_.get();
    }

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { w_.reset(), o_.reset(); }

    void TekstStaje_data() { Redovi(true); }
    void TekstStaje() {
        QWidget* w = Otvori();
        const QStringList greske = NeStaje(w);
        QVERIFY2(greske.isEmpty(), qPrintable(greske.join('\n')));
        QFETCH(QString, prozor);
        test::SacuvajSliku(w, "citljivost_" + prozor.replace(QRegularExpression("\\W+"), "_"));
    }

    void TabObilaziSveRedom_data() { Redovi(true); }
    void TabObilaziSveRedom() {
        QWidget* w = Otvori();
        for (QWidget* k = w->nextInFocusChain(); k != w; k = k->nextInFocusChain())
            if (k->isVisible() && k->isEnabled() && (k->focusPolicy() & Qt::TabFocus)) {
                k->setFocus(Qt::TabFocusReason);
                break;
            }
        const QList<QWidget*> naprijed = ObidjiTabom(w, false);
        QVERIFY2(!naprijed.isEmpty(), "Tab does not come round");
        for (QWidget* k : w->findChildren<QWidget*>())
            if ((qobject_cast<QLineEdit*>(k) || qobject_cast<QComboBox*>(k)) && Vidljiv(k, w) &&
                k->isEnabled() && (k->focusPolicy() & Qt::TabFocus))
                QVERIFY2(naprijed.contains(k) || naprijed.contains(Kontrola(k)),
                         qPrintable(k->objectName()));
        // the fields of one panel in reading order: row by row, left to right
        for (int i = 0; i + 1 < naprijed.size(); ++i) {
            auto* a = qobject_cast<QLineEdit*>(naprijed[i]);
            auto* b = qobject_cast<QLineEdit*>(naprijed[i + 1]);
            if (a && b && a->parentWidget() == b->parentWidget())
                QVERIFY2(std::abs(a->y() - b->y()) < a->height() / 2 ? a->x() < b->x()
                                                                     : a->y() < b->y(),
                         qPrintable(a->objectName() + " before " + b->objectName()));
        }
        QList<QWidget*> nazad = ObidjiTabom(w, true);
        std::reverse(nazad.begin() + 1, nazad.end());
        QCOMPARE(nazad, naprijed);
    }

    void EscapeZatvaraIzSvakogPolja_data() { Redovi(false); }
    void EscapeZatvaraIzSvakogPolja() {
        QWidget* w = Otvori();
        QList<QWidget*> kontrole; // fields, lists, grids, text: all but the buttons
        for (QWidget* k : w->findChildren<QWidget*>())
            if (!qobject_cast<QAbstractButton*>(k) && Vidljiv(k, w) && k->isEnabled() &&
                (k->focusPolicy() & Qt::TabFocus) && !kontrole.contains(Kontrola(k)))
                kontrole << Kontrola(k);
        QVERIFY(!kontrole.isEmpty());
        for (QWidget* k : kontrole) {
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
