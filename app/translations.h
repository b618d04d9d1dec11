// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The program's translation and Qt's own for the player's language, installed in the
// application for as long as this object lives.
class Translations {
public:
    // Takes the first of the languages ("fr-FR", "de", as QLocale::uiLanguages() gives them)
    // that the folder holds a translation for. English before any of them, or none of them,
    // loads nothing: the texts are English already.
    Translations(const QStringList& uiLanguages, const QString& folder);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    QString language() const { return m_language; }  // "fr", or empty for English

private:
    QTranslator m_program;
    QTranslator m_toolkit;
    QString m_language;
};
