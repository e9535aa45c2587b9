// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include "translators.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The catalogue "<name>_<language>.qm" in the folder, if there is one for the locale's language,
// tried in each of the locale's forms: zh_SG tries zh_Hans_SG, zh_Hans, zh_SG and zh, so catalogues
// named by language and script serve every country that writes that script.
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
            // Qt names its catalogues by country (qtbase_zh_CN): else the script's main country.
            const QString qt = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
            if (!Install(locale, QStringLiteral("qtbase"), qt)) {
                Install(QLocale(locale.language(), locale.script(), QLocale::AnyTerritory),
                        QStringLiteral("qtbase"), qt);
            }
            return;
        }
    }
}
