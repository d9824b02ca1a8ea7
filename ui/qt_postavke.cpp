#include "ui/qt_postavke.h"

#include <QSettings>

namespace nmk::ui {

namespace {

std::unique_ptr<QSettings> KorisnickePostavke() {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Nosivometrik"),
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Nosivometrik"),
                                       QStringLiteral("Nosivometrik"));
#endif
}

QString Ime(const std::string& ime) {
    return QString::fromStdString(ime);
}

} // namespace

QtPostavke::QtPostavke() : s_(KorisnickePostavke()) {}

QtPostavke::QtPostavke(const QString& iniFajl)
    : s_(std::make_unique<QSettings>(iniFajl, QSettings::IniFormat)) {}

QtPostavke::~QtPostavke() = default;

bool QtPostavke::KljucPostoji() const {
    return !s_->childKeys().isEmpty();
}

std::optional<int> QtPostavke::CitajCijeli(const std::string& ime) const {
    const QVariant v = s_->value(Ime(ime));
    if (!v.isValid()) {
        return std::nullopt;
    }
    bool ok = false;
    const qlonglong broj = v.toLongLong(&ok);
    // A 32-bit integer: anything else is treated as missing and takes its default.
    if (!ok || broj < INT32_MIN || broj > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(broj);
}

std::optional<std::string> QtPostavke::CitajTekst(const std::string& ime) const {
    const QVariant v = s_->value(Ime(ime));
    if (!v.isValid() || !v.canConvert<QString>()) {
        return std::nullopt;
    }
    return v.toString().toStdString();
}

bool QtPostavke::Zapisi(const std::string& ime, const QVariant& vrijednost, bool kreiraj) {
    if (!kreiraj && !KljucPostoji()) {
        return false;
    }
    s_->setValue(Ime(ime), vrijednost);
    s_->sync();
    return s_->status() == QSettings::NoError;
}

bool QtPostavke::ZapisiCijeli(const std::string& ime, int vrijednost, bool kreiraj) {
    return Zapisi(ime, QVariant(vrijednost), kreiraj);
}

bool QtPostavke::ZapisiTekst(const std::string& ime, const std::string& vrijednost, bool kreiraj) {
    return Zapisi(ime, QVariant(QString::fromStdString(vrijednost)), kreiraj);
}

} // namespace nmk::ui
