#pragma once
// The persisted values in QSettings: on Windows the registry key "Software\Nosivometrik" of
// the current user, elsewhere the platform's per-user settings file of the same names. The key
// "exists" when the settings hold values: an emptied settings file stays on disk.

#include "data/postavke.h"

#include <QString>

#include <memory>

class QSettings;

namespace nmk::ui {

class QtPostavke : public Postavke {
public:
    // The user's settings of this program.
    QtPostavke();
    // Settings in the given INI file (tests and portable runs).
    explicit QtPostavke(const QString& iniFajl);
    ~QtPostavke() override;

    bool KljucPostoji() const override;
    std::optional<int> CitajCijeli(const std::string& ime) const override;
    std::optional<std::string> CitajTekst(const std::string& ime) const override;
    bool ZapisiCijeli(const std::string& ime, int vrijednost, bool kreiraj) override;
    bool ZapisiTekst(const std::string& ime, const std::string& vrijednost, bool kreiraj) override;

private:
    bool Zapisi(const std::string& ime, const QVariant& vrijednost, bool kreiraj);

    std::unique_ptr<QSettings> s_;
};

} // namespace nmk::ui
