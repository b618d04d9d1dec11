// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The translations: each source in translations/ complete and true to its texts' placeholders
// and access letters, every translated text fitting where it is shown, and a start-up in the
// language the environment names.
//
// These read the sources and the .qm files built from them as they are: while a translation
// is unfinished, its rows fail, and name the first text left to do.
#include <QAbstractButton>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <QXmlStreamReader>

#include "app/translations.h"
#include "support/testkit.h"

namespace {

// "%1", "%L2", "%n", sorted, so that a translation may move them; and the access letters
// after single '&' ("&&" shows an ampersand).
QStringList placeholders(const QString& text) {
    static const QRegularExpression kPlaceholder(QStringLiteral("%L?(\\d{1,2}|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : kPlaceholder.globalMatch(text))
        found.append(match.captured(1));
    found.sort();
    return found;
}

QString accessLetters(const QString& text) {
    static const QRegularExpression kLetter(QStringLiteral("&(.)"));
    QString letters;
    for (const QRegularExpressionMatch& match : kLetter.globalMatch(text)) {
        if (match.captured(1) != u"&")
            letters += match.captured(1).toLower();
    }
    return letters;
}

// What is left to do in a translation source: texts unfinished, empty or left from older
// code, and placeholders or access letters that differ from the English.
QStringList problemsIn(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {file.errorString()};
    QStringList problems;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            QStringList forms;  // each plural form, or the one text
            QString text;
            while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != u"translation") {
                if (xml.isStartElement() && xml.name() == u"numerusform")
                    forms.append(xml.readElementText());
                else if (xml.isCharacters())
                    text += xml.text();
                if (xml.atEnd())
                    break;
            }
            if (forms.isEmpty())
                forms = {text};
            for (const QString& form : forms) {
                // A plural form may leave the count out ("one goal").
                const auto kept = [&forms](QStringList found) {
                    return forms.size() > 1 ? found.filter(QRegularExpression(QStringLiteral("\\d"))) : found;
                };
                if (!type.isEmpty() || form.isEmpty())
                    problems.append(QStringLiteral("%1: %2").arg(
                        type.isEmpty() ? QStringLiteral("empty") : type, source));
                else if (kept(placeholders(form)) != kept(placeholders(source)))
                    problems.append(QStringLiteral("placeholders: %1 / %2").arg(source, form));
                else if (accessLetters(form).size() != accessLetters(source).size())
                    problems.append(QStringLiteral("access letter: %1 / %2").arg(source, form));
            }
        }
    }
    if (xml.hasError())
        problems.append(xml.errorString());
    return problems;
}

// The texts of a menu, its title first.
QStringList textsOf(MainWindow& window, const QString& menuName) {
    QMenu* menu = window.findChild<QMenu*>(menuName);
    QStringList texts = {menu ? menu->title() : QString()};
    for (QAction* item : menu ? menu->actions() : QList<QAction*>()) {
        if (!item->isSeparator())
            texts.append(item->text());
    }
    return texts;
}

// Texts that do not fit the width their widget keeps in a tool window: buttons and labels of
// a set width, and the titles of the columns the window sizes itself.
QStringList overflowing(QWidget& window) {
    QStringList problems;
    const auto check = [&](const QString& text, int need, int room) {
        if (need > room)
            problems.append(QStringLiteral("%1: “%2” needs %3 px, has %4")
                                .arg(window.objectName(), text)
                                .arg(need)
                                .arg(room));
    };
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        auto* button = qobject_cast<QAbstractButton*>(widget);
        auto* label = qobject_cast<QLabel*>(widget);
        if ((button || (label && !label->wordWrap())) && widget->isVisibleTo(&window) &&
            widget->maximumWidth() < QWIDGETSIZE_MAX)
            check(button ? button->text() : label->text(), widget->minimumSizeHint().width(),
                  widget->maximumWidth());
    }
    for (QTableView* table : window.findChildren<QTableView*>()) {
        QHeaderView* header = table->horizontalHeader();
        const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int column = 0; table->model() && column < header->count(); ++column) {
            const QHeaderView::ResizeMode mode = header->sectionResizeMode(column);
            if (header->isSectionHidden(column) ||
                (mode != QHeaderView::Fixed && mode != QHeaderView::Interactive) ||
                (header->stretchLastSection() && column == header->count() - 1))
                continue;
            const QString title = table->model()->headerData(column, Qt::Horizontal).toString();
            check(title, header->fontMetrics().horizontalAdvance(title) + margins,
                  header->sectionSize(column));
        }
    }
    return problems;
}

// Two texts of one menu, or two menus, that share an access letter.
QString letterClash(const QStringList& texts) {
    QHash<QString, QString> taken;
    for (const QString& text : texts) {
        const QString letter = accessLetters(text);
        if (!letter.isEmpty() && taken.contains(letter))
            return taken[letter] + u'/' + text;
        taken.insert(letter, text);
    }
    return {};
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useOwnSettingsFolder(); }

    void eachSourceIsComplete_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"cs", "de", "fi", "fr", "sv"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    // Every text done, none left from an older version of the code, and every placeholder and
    // access letter of the English kept.
    void eachSourceIsComplete() {
        QFETCH(QString, language);
        const QStringList problems =
            problemsIn(QStringLiteral(TORVANE_SOURCE_DIR "/translations/torvane_%1.ts").arg(language));
        QVERIFY2(
            problems.isEmpty(),
            qPrintable(QStringLiteral("%1 to do, first %2").arg(problems.size()).arg(problems.value(0))));
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

        QStringList titles;
        for (QAction* title : bar.actions()) {
            titles.append(title->text());
            if (title->menu() && title->menu()->objectName() != u"mnuFile") {
                QVERIFY2(title->menu()->sizeHint().width() <= width, qPrintable(title->text()));
                const QString clash = letterClash(textsOf(*game.window, title->menu()->objectName()).mid(1));
                QVERIFY2(clash.isEmpty(), qPrintable(clash));
            }
        }
        QVERIFY2(letterClash(titles).isEmpty(), qPrintable(letterClash(titles)));
        game.tools->openLeague();
        QStringList problems;
        for (QWidget* window : std::initializer_list<QWidget*>{
                 &game.tools->logWindow(), &game.tools->penaltyBoxWindow(), &game.tools->onIceWindow(),
                 &game.tools->goalDetailsWindow(), &game.tools->gameSheetWindow(),
                 &game.tools->shootoutWindow(), game.tools->gamesWindow(), game.tools->teamsWindow(),
                 game.tools->standingsWindow(), game.tools->leadersWindow(), game.tools->settingsWindow()}) {
            QVERIFY(window);
            window->show();
            problems += overflowing(*window);
        }
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

        const QStringList englishGameMenu = {"&Game",
                                             "Flip FAC-Advance Timer",
                                             "Flip FAC-No Timer Advance",
                                             "Away Shot",
                                             "Home Shot",
                                             "Away Goal",
                                             "Home Goal",
                                             "Next Period"};
        const QStringList shown =
            textsOf(*game.window, QStringLiteral("mnuGame")).mid(0, englishGameMenu.size());
        QCOMPARE(shown.size(), englishGameMenu.size());
        for (int i = 0; i < englishGameMenu.size(); ++i)
            QVERIFY2((shown[i] == englishGameMenu[i]) == english, qPrintable(shown[i]));
        QCOMPARE(textsOf(*game.window, QStringLiteral("mnuFile")),
                 QStringList({"File", "New Game", "Load Game", "Save Game", "Exit"}));
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
