#pragma once
// The values that persist between runs: the main window's position, the last design code and
// shear method, and the folder of the last project file. They live under one key of the
// current user; the key comes into being with the first save or accepted open of a project.
// The store is passed to whoever needs it; the Qt implementation is ui/qt_postavke.h, the
// in-memory one below serves the tests.

#include <map>
#include <optional>
#include <string>
#include <variant>

namespace nmk {

// Names of the stored values.
inline constexpr const char* kMainLeft = "MainLeft";
inline constexpr const char* kMainTop = "MainTop";
inline constexpr const char* kEc = "Ec";
inline constexpr const char* kStandard = "Standard";
inline constexpr const char* kLastDir = "LastDir";

// Defaults of a missing value: the main window's designed position, "EC 2", the standard
// shear method, and no folder (the dialogs then use their own initial folder).
inline constexpr int kPodrazumijevaniLijevo = 29;
inline constexpr int kPodrazumijevaniGore = 1;

// The store. Reading never creates the key; each write says whether it may create it.
class Postavke {
public:
    virtual ~Postavke() = default;
    // The key exists (it holds values).
    virtual bool KljucPostoji() const = 0;
    // A 32-bit integer value (booleans are stored as 0 or 1); nothing when the key or the
    // value is missing or the value is not an integer.
    virtual std::optional<int> CitajCijeli(const std::string& ime) const = 0;
    // A string value; nothing when the key or the value is missing.
    virtual std::optional<std::string> CitajTekst(const std::string& ime) const = 0;
    // Writes a value. With `kreiraj` false nothing is written while the key does not exist.
    // Returns whether the value was written.
    virtual bool ZapisiCijeli(const std::string& ime, int vrijednost, bool kreiraj) = 0;
    virtual bool ZapisiTekst(const std::string& ime, const std::string& vrijednost,
                             bool kreiraj) = 0;
};

// Everything the program reads at start-up, each missing value replaced by its default.
struct SnimljenePostavke {
    bool kljucPostoji = false;
    int MainLeft = kPodrazumijevaniLijevo;
    int MainTop = kPodrazumijevaniGore;
    bool Ec = true;       // "EC 2" selected; false: "PBAB 87"
    bool Standard = true; // standard shear method; false: variable strut inclination
    std::string LastDir;  // empty: the dialogs' own initial folder
};

// Reads the store without creating the key.
SnimljenePostavke ProcitajPostavke(const Postavke& postavke);

// The main window closes: position, code and shear method are written only when the key
// already exists. Returns whether they were written.
bool ZapisiPriZatvaranju(Postavke& postavke, int lijevo, int gore, bool ec, bool standard);

// A project was saved or opened: `LastDir` becomes the folder of its file (with the trailing
// separator), creating the key when needed. `putanjaFajla` is the file's UTF-8 path.
void ZapisiPosljednjiFolder(Postavke& postavke, const std::string& putanjaFajla);

// The folder of a file's path with its trailing separator ("C:\a\b.nmk" -> "C:\a\",
// "/a/b.nmk" -> "/a/"); empty when the path names no folder.
std::string FolderSaSeparatorom(const std::string& putanjaFajla);

// The store in memory, for tests and for runs that must not touch the user's settings.
class PostavkeUMemoriji : public Postavke {
public:
    using Vrijednost = std::variant<int, std::string>;

    bool postoji = false;
    std::map<std::string, Vrijednost> vrijednosti;

    bool KljucPostoji() const override { return postoji; }
    std::optional<int> CitajCijeli(const std::string& ime) const override;
    std::optional<std::string> CitajTekst(const std::string& ime) const override;
    bool ZapisiCijeli(const std::string& ime, int vrijednost, bool kreiraj) override;
    bool ZapisiTekst(const std::string& ime, const std::string& vrijednost, bool kreiraj) override;
};

} // namespace nmk
