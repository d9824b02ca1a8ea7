#include "ui/brojevi.h"

#include "engine/format.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace nmk::ui {

QChar DecimalniSeparator() {
    const QString s = QLocale().decimalPoint();
    return s.isEmpty() ? QChar('.') : s.at(0);
}

QString Broj(double x, int preciznost, int decimale) {
    const char sep = DecimalniSeparator().toLatin1();
    return QString::fromStdString(FormatirajBroj(x, preciznost, decimale, sep ? sep : '.'));
}

std::optional<double> ProcitajBroj(const QString& tekst) {
    QLocale lokal;
    lokal.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double x = lokal.toDouble(tekst.trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    return x;
}

double ProcitajIliNula(const QString& tekst) {
    return ProcitajBroj(tekst).value_or(0.0);
}

namespace {

class FilterUnosa : public QObject {
public:
    // `kombo`: the editable combo box whose line edit `polje` is, or null.
    FilterUnosa(QLineEdit* polje, PravilaUnosa pravila, QComboBox* kombo = nullptr)
        : QObject(polje), polje_(polje), kombo_(kombo), pravila_(std::move(pravila)) {}

protected:
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override {
        if ((objekat != polje_ && objekat != kombo_) || dogadjaj->type() != QEvent::KeyPress)
            return false;
        return Filtriraj(static_cast<QKeyEvent*>(dogadjaj));
    }

private:
    // Answers true when the key is consumed here (dropped or typed by the filter itself).
    bool Filtriraj(QKeyEvent* e) {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            if (!pravila_.naEnter)
                return false;
            pravila_.naEnter();
            return true;
        }
        const QString tekst = e->text();
        const bool brisanje =
            e->key() == Qt::Key_Backspace || (!tekst.isEmpty() && tekst.at(0) == QChar(0x08));
        // Tab, Shift+Tab and Escape carry a control character as their text; they belong to
        // the window (focus, closing), not to the field.
        const bool upravljacki = !tekst.isEmpty() && tekst.at(0).unicode() < 0x20;
        if (!brisanje && (tekst.isEmpty() || upravljacki ||
                          e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false; // navigation keys, Delete, shortcuts
        // A selection empties the whole field first, for every key that gets this far,
        // backspace included.
        if (pravila_.prazniOznaceno && polje_->hasSelectedText())
            polje_->clear();
        if (brisanje)
            return false;
        QChar c = tekst.at(0);
        const QChar sep = DecimalniSeparator();
        if (c == ',' || c == '.')
            c = sep;
        if (c.isDigit() && c.unicode() < 128)
            return Upisi(c, tekst.at(0));
        if (c == sep) {
            if (!pravila_.separatorPropusti)
                return true;
            if (pravila_.separatorJednom && polje_->text().contains(sep))
                return true;
            return Upisi(c, tekst.at(0));
        }
        if (c == '-' && pravila_.minus) {
            if (pravila_.minusSamoNaPocetku &&
                (polje_->cursorPosition() != 0 || polje_->text().contains('-')))
                return true;
            return false;
        }
        return true;
    }

    // The character passes; when it was replaced (a "," or "." became the separator) the
    // filter types the replacement itself.
    bool Upisi(QChar c, QChar izvorni) {
        if (c == izvorni)
            return false;
        polje_->insert(QString(c));
        return true;
    }

    QLineEdit* polje_;
    QComboBox* kombo_;
    PravilaUnosa pravila_;
};

} // namespace

void PostaviFilter(QLineEdit* polje, PravilaUnosa pravila) {
    polje->installEventFilter(new FilterUnosa(polje, std::move(pravila)));
}

void PostaviFilter(QComboBox* polje, PravilaUnosa pravila) {
    QLineEdit* linija = polje->lineEdit();
    if (linija == nullptr)
        return;
    // The keys typed into an editable combo box reach the box itself, which has the focus and
    // hands them to its line edit without passing the line edit's filters; so the box is
    // watched as well. A key the filter lets through passes both, one it consumes neither.
    auto* filter = new FilterUnosa(linija, std::move(pravila), polje);
    linija->installEventFilter(filter);
    polje->installEventFilter(filter);
}

} // namespace nmk::ui
