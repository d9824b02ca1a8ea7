#include "ui/prevodi.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace nmk::ui {

bool UcitajPrevodeQt(QCoreApplication& app, const QString& folderPrograma) {
    const QString ime = QStringLiteral("qtbase_") + QString::fromLatin1(JezikQtPrevoda);
    const QStringList folderi{QDir(folderPrograma).filePath(QStringLiteral("translations")),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& folder : folderi) {
        auto* prevodilac = new QTranslator(&app);
        if (prevodilac->load(ime, folder) && QCoreApplication::installTranslator(prevodilac))
            return true;
        delete prevodilac;
    }
    return false;
}

} // namespace nmk::ui
