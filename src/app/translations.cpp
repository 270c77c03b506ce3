// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

QString installTranslations(QCoreApplication *application, const QStringList &languages)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QStringList folders = {programFolder + "/../share/kavari/translations",
                                 programFolder + "/../translations"};
    for (QString language : languages) {
        // uiLanguages() says "pt-BR", the catalogues "pt_BR".
        language.replace('-', '_');
        if (language == "C" || language == "POSIX" || language == "en" || language.startsWith("en_"))
            return {};
        for (const QString &folder : folders) {
            // Tries kavari_pt_BR.qm, then kavari_pt.qm: never an English fallback, as none is shipped.
            auto own = std::make_unique<QTranslator>();
            if (!own->load("kavari_" + language, folder) || own->isEmpty())
                continue;
            own->setParent(application);
            QCoreApplication::installTranslator(own.release());
            // Numbers as the language of the text writes them, unless the session's own numbers
            // are already of that language (Swiss German keeps its own).
            if (QLocale::system().language() != QLocale(language).language())
                QLocale::setDefault(QLocale(language));
            auto qt = std::make_unique<QTranslator>();
            if (qt->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                qt->setParent(application);
                QCoreApplication::installTranslator(qt.release());
            }
            return language;
        }
    }
    return {};
}
