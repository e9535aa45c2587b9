#include "translators.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The catalogue "<name>_<language>.qm" in the folder, if there is one for the locale's language.
bool Install(const QLocale& locale, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace

void InstallTranslators(const QStringList& uiLanguages) {
    for (const QString& language : uiLanguages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C) return;
        if (Install(locale, QStringLiteral("tavrotime"), QStringLiteral(":/i18n"))) {
            QGuiApplication::setLayoutDirection(locale.textDirection());
            Install(locale, QStringLiteral("qtbase"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}
