// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The translations: each source in translations/ complete and true to its texts' placeholders
// and access letters, every translated text fitting where it is shown, and a start-up in the
// language the environment names.
//
// These read the sources and the .qm files built from them as they are: while a translation
// is unfinished, its rows fail, and name the first text left to do.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "app/translations.h"
#include "support/testkit.h"

namespace {

const QStringList kLanguages = {QStringLiteral("cs"), QStringLiteral("de"), QStringLiteral("fi"),
                                QStringLiteral("fr"), QStringLiteral("sv")};

QString sourcePath(const QString& language) {
    return QStringLiteral(TORVANE_SOURCE_DIR "/translations/torvane_%1.ts").arg(language);
}

struct Entry {
    QString context;
    QString source;
    QString type;              // "unfinished", "obsolete", "vanished", or empty when done
    QStringList translations;  // one, or each plural form
    QString key() const { return context + u'\x1f' + source; }
};

QList<Entry> readEntries(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<Entry> entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            Entry entry{context, {}, {}, {}};
            while (xml.readNextStartElement()) {
                if (xml.name() == u"source") {
                    entry.source = xml.readElementText();
                } else if (xml.name() == u"translation") {
                    entry.type = xml.attributes().value(QStringLiteral("type")).toString();
                    QString text;
                    while (!xml.atEnd() &&
                           (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != u"translation")) {
                        if (xml.isStartElement() && xml.name() == u"numerusform")
                            entry.translations.append(xml.readElementText());
                        else if (xml.isCharacters())
                            text += xml.text();
                    }
                    if (entry.translations.isEmpty())
                        entry.translations = {text};
                } else {
                    xml.skipCurrentElement();
                }
            }
            entries.append(entry);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return entries;
}

// "%1", "%L2", "%n": sorted, so that a translation may move them.
QStringList placeholders(const QString& text) {
    static const QRegularExpression kPlaceholder(QStringLiteral("%L?(\\d{1,2}|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : kPlaceholder.globalMatch(text))
        found.append(match.captured(1));
    found.sort();
    return found;
}

// How many single '&' mark an access letter; "&&" is an ampersand shown.
int accessLetterCount(const QString& text) {
    int count = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            ++count;
        ++i;
    }
    return count;
}

QChar accessLetter(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&')
                return text[i + 1].toLower();
            ++i;
        }
    }
    return {};
}

QString withoutAccessLetter(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x1f")).remove(u'&').replace(u'\x1f', u'&');
}

QMenu* menuNamed(MainWindow& window, const QString& objectName) {
    for (QAction* action : window.menuBar()->actions()) {
        if (action->menu() && action->menu()->objectName() == objectName)
            return action->menu();
    }
    return nullptr;
}

// Every tool window the menus open, built and shown.
QList<QWidget*> toolWindows(Game& game) {
    game.tools->openLeague();
    QList<QWidget*> windows = {
        &game.tools->logWindow(),         &game.tools->penaltyBoxWindow(), &game.tools->onIceWindow(),
        &game.tools->goalDetailsWindow(), &game.tools->gameSheetWindow(),  &game.tools->shootoutWindow(),
        game.tools->gamesWindow(),        game.tools->teamsWindow(),       game.tools->standingsWindow(),
        game.tools->leadersWindow(),      game.tools->settingsWindow()};
    windows.removeAll(nullptr);
    for (QWidget* window : windows)
        window->show();
    return windows;
}

// The texts of a tool window that have a width of their own to keep: where one does not fit,
// why.
QStringList overflowing(QWidget& window) {
    QStringList problems;
    const auto describe = [&window](const QString& text, int need, int room) {
        return QStringLiteral("%1: “%2” needs %3 px, has %4")
            .arg(window.objectName(), text)
            .arg(need)
            .arg(room);
    };
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window) || button->maximumWidth() >= QWIDGETSIZE_MAX ||
            button->text().isEmpty())
            continue;
        const int need = button->minimumSizeHint().width();
        if (need > button->maximumWidth())
            problems.append(describe(button->text(), need, button->maximumWidth()));
    }
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->wordWrap() || label->maximumWidth() >= QWIDGETSIZE_MAX)
            continue;
        const int need = label->fontMetrics().horizontalAdvance(withoutAccessLetter(label->text()));
        if (need > label->contentsRect().width())
            problems.append(describe(label->text(), need, label->contentsRect().width()));
    }
    for (QTableView* table : window.findChildren<QTableView*>()) {
        QHeaderView* header = table->horizontalHeader();
        if (!table->model() || !header->isVisibleTo(&window))
            continue;
        // Columns the window sizes itself; those sized by their contents or the window's width
        // make room for their titles.
        const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int column = 0; column < header->count(); ++column) {
            const QHeaderView::ResizeMode mode = header->sectionResizeMode(column);
            const bool stretched = header->stretchLastSection() && column == header->count() - 1;
            if (header->isSectionHidden(column) || stretched ||
                (mode != QHeaderView::Fixed && mode != QHeaderView::Interactive))
                continue;
            const QString title = table->model()->headerData(column, Qt::Horizontal).toString();
            const int need = header->fontMetrics().horizontalAdvance(title) + margins;
            if (need > header->sectionSize(column))
                problems.append(describe(title, need, header->sectionSize(column)));
        }
    }
    return problems;
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useOwnSettingsFolder(); }

    void eachSourceIsComplete_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : kLanguages)
            QTest::newRow(qPrintable(language)) << language;
    }
    // Every text done, none left from an older version of the code, and every placeholder and
    // access letter of the English kept.
    void eachSourceIsComplete() {
        QFETCH(QString, language);
        QString error;
        const QList<Entry> entries = readEntries(sourcePath(language), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!entries.isEmpty());
        for (const Entry& entry : entries) {
            const QString where = entry.context + QStringLiteral(": ") + entry.source;
            QVERIFY2(entry.type.isEmpty(), qPrintable(entry.type + QStringLiteral(" — ") + where));
            QVERIFY2(!entry.translations.isEmpty(), qPrintable(QStringLiteral("no translation — ") + where));
            for (const QString& translation : entry.translations) {
                QVERIFY2(!translation.isEmpty(), qPrintable(QStringLiteral("empty — ") + where));
                QStringList expected = placeholders(entry.source);
                QStringList found = placeholders(translation);
                // A plural form may leave the count out ("one goal").
                if (entry.translations.size() > 1) {
                    expected.removeAll(QStringLiteral("n"));
                    found.removeAll(QStringLiteral("n"));
                }
                QVERIFY2(found == expected,
                         qPrintable(translation + QStringLiteral(" — placeholders of ") + where));
                QVERIFY2(accessLetterCount(translation) == accessLetterCount(entry.source),
                         qPrintable(translation + QStringLiteral(" — access letter of ") + where));
            }
        }
    }

    void eachSourceHoldsTheCodesTexts_data() { eachSourceIsComplete_data(); }
    // What lupdate would extract from the code now, and nothing else: a text changed in the
    // code and not in the sources would stay English.
    void eachSourceHoldsTheCodesTexts() {
        QFETCH(QString, language);
        static QSet<QString> extracted;
        if (extracted.isEmpty()) {
            QTemporaryDir dir;
            const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
            QStringList arguments = {QStringLiteral("-silent"), QStringLiteral("-locations"),
                                     QStringLiteral("none"), QStringLiteral("-I"),
                                     QStringLiteral(TORVANE_SOURCE_DIR)};
            for (const char* folder : {"core", "io", "deck", "game", "save", "league", "ui", "app"})
                arguments.append(QStringLiteral(TORVANE_SOURCE_DIR "/") + QLatin1String(folder));
            arguments << QStringLiteral("-ts") << fresh;
            QProcess lupdate;
            lupdate.setProcessChannelMode(QProcess::MergedChannels);
            lupdate.start(QStringLiteral(TORVANE_LUPDATE), arguments);
            QVERIFY(lupdate.waitForFinished(120000));
            QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
            QString error;
            for (const Entry& entry : readEntries(fresh, &error))
                extracted.insert(entry.key());
            QVERIFY2(error.isEmpty(), qPrintable(error));
        }
        QString error;
        QSet<QString> held;
        for (const Entry& entry : readEntries(sourcePath(language), &error))
            held.insert(entry.key());
        for (const QString& missing : extracted - held)
            QVERIFY2(false, qPrintable(QStringLiteral("not in the source: ") +
                                       QString(missing).replace(u'\x1f', u' ')));
        for (const QString& stale : held - extracted)
            QVERIFY2(false, qPrintable(QStringLiteral("no longer in the code: ") +
                                       QString(stale).replace(u'\x1f', u' ')));
    }

    void translatedTextsFit_data() {
        eachSourceIsComplete_data();
        QTest::newRow("en") << QStringLiteral("en");
    }
    // The menu bar stays one row on the main window's fixed width; no menu is wider than that
    // window; no two items of a menu, nor two menus, share an access letter; and the tool
    // windows' texts of a set width fit it.
    void translatedTextsFit() {
        QFETCH(QString, language);
        const Translations translations({language}, QStringLiteral(TORVANE_QM_DIR));
        QCOMPARE(translations.language(), language == u"en" ? QString() : language);
        Game game;
        QMenuBar& bar = *game.window->menuBar();
        const int width = game.window->width();
        QCOMPARE(bar.heightForWidth(width), bar.heightForWidth(10 * width));  // one row

        QHash<QChar, QString> barLetters;
        for (QAction* title : bar.actions()) {
            const QChar letter = accessLetter(title->text());
            if (!letter.isNull()) {
                QVERIFY2(!barLetters.contains(letter), qPrintable(barLetters[letter] + u'/' + title->text()));
                barLetters.insert(letter, title->text());
            }
            QMenu* menu = title->menu();
            if (!menu || menu->objectName() == u"mnuFile")
                continue;
            QVERIFY2(menu->sizeHint().width() <= width, qPrintable(title->text()));
            QHash<QChar, QString> letters;
            for (QAction* item : menu->actions()) {
                const QChar itemLetter = accessLetter(item->text());
                if (itemLetter.isNull())
                    continue;
                QVERIFY2(!letters.contains(itemLetter),
                         qPrintable(letters[itemLetter] + u'/' + item->text()));
                letters.insert(itemLetter, item->text());
            }
        }
        QStringList problems;
        for (QWidget* window : toolWindows(game))
            problems += overflowing(*window);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // Started as main() starts, in the language the environment gives (ctest runs it once with
    // LANGUAGE set to each): the menus we added speak it, the main window and its File menu
    // and messages stay as they are.
    void startsInTheEnvironmentsLanguage() {
        const QString wanted = qEnvironmentVariable("LANGUAGE").section(u':', 0, 0).section(u'_', 0, 0);
        const Translations translations(QLocale::system().uiLanguages(), QStringLiteral(TORVANE_QM_DIR));
        const bool english = wanted.isEmpty() || wanted == u"en";
        QCOMPARE(translations.language(), english ? QString() : wanted);
        Game game(deckText(200), false);

        const QStringList englishGameMenu = {QStringLiteral("&Game"),
                                             QStringLiteral("Flip FAC-Advance Timer"),
                                             QStringLiteral("Flip FAC-No Timer Advance"),
                                             QStringLiteral("Away Shot"),
                                             QStringLiteral("Home Shot"),
                                             QStringLiteral("Away Goal"),
                                             QStringLiteral("Home Goal"),
                                             QStringLiteral("Next Period")};
        QMenu* gameMenu = menuNamed(*game.window, QStringLiteral("mnuGame"));
        QVERIFY(gameMenu);
        QStringList shown = {gameMenu->title()};
        for (QAction* item : gameMenu->actions()) {
            if (!item->isSeparator() && shown.size() < englishGameMenu.size())
                shown.append(item->text());
        }
        for (int i = 0; i < englishGameMenu.size(); ++i)
            QVERIFY2((shown[i] == englishGameMenu[i]) == english, qPrintable(shown[i]));

        QMenu* fileMenu = menuNamed(*game.window, QStringLiteral("mnuFile"));
        QVERIFY(fileMenu);
        QStringList fileTexts = {fileMenu->title()};
        for (QAction* item : fileMenu->actions())
            fileTexts.append(item->text());
        QCOMPARE(fileTexts, QStringList({"File", "New Game", "Load Game", "Save Game", "Exit"}));
        QCOMPARE(game.window->windowTitle(), QStringLiteral("Torvane - FAC"));
        QCOMPARE(qobject_cast<QAbstractButton*>(game.window->widgetOf(Control::TimedFlipButton))->text(),
                 QStringLiteral("Flip FAC-Advance Timer"));
        QCOMPARE(game.dialogs.messages.value(0).text.section(u'\n', 0, 1),
                 QStringLiteral("Error 53 trying to read FACs.\nFile not found"));
        game.dialogs.answers = {MessageAnswer::No};
        game.trigger(QStringLiteral("mnuLoad"));
        QCOMPARE(game.dialogs.messages.constLast().text,
                 QStringLiteral("Are you sure you want to Load game?"));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
