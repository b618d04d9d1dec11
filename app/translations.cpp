// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translations::Translations(const QStringList& uiLanguages, const QString& folder) {
    for (const QString& uiLanguage : uiLanguages) {
        const QString language = uiLanguage.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (language == u"en" || language == u"c")
            return;
        if (!m_program.load(QStringLiteral("torvane_") + language, folder))
            continue;
        m_language = language;
        QCoreApplication::installTranslator(&m_program);
        // The file dialogs' words and the standard buttons of the boxes and tool windows.
        if (m_toolkit.load(QStringLiteral("qtbase_") + language,
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_toolkit);
        return;
    }
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&m_toolkit);
    QCoreApplication::removeTranslator(&m_program);
}
