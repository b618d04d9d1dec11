#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

#include "core/fieldmodel.h"
#include "core/services.h"
#include "deck/cardrecord.h"
#include "deck/deck.h"
#include "game/clock.h"
#include "game/scoreboard.h"

// Runs the game's commands, one entry point each, on the window's fields, the card table
// and the deck. It draws nothing: the window shows the fields and forwards the player's
// clicks and menu choices here, and the tests do the same without a window.
class GameController {
    Q_DECLARE_TR_FUNCTIONS(GameController)

public:
    struct Services {
        Dialogs& dialogs;
        SoundPlayer& sound;
        RandomSource& random;
        std::function<void()> quit;  // ends the program at once
    };
    struct Places {
        QString programDir;  // the horn, and the saved game while this folder can be written to
        // Relative: the current directory; when it is not there, the same name in programDir.
        QString cardDataPath = QStringLiteral("FAC_Data.txt");
    };

    GameController(Services services, Places places);

    FieldModel& fields() { return m_fields; }
    const FieldModel& fields() const { return m_fields; }
    const CardTable& cardTable() const { return m_cardTable; }
    const Deck& deck() const { return m_deck; }
    Deck& deck() { return m_deck; }
    GameClock& clock() { return m_clock; }

    // Seeds the generator, reads the cards, starts a new game and sets the default save path:
    // everything before the window is first shown.
    void start();
    // Ends the program at once, without a question and without saving.
    void quit();

    void timedFlip();
    void flip();
    void nextPeriod();
    void addGoal(Team team);
    void addShot(Team team);
    void newGame();
    // Saves to the default path and says where, or why not.
    void saveGame();
    // Asks, lets the player choose a saved game and loads it.
    void loadGame();

    // Help: what the program is, its version, licence and home, and the toolkit's version.
    void showAbout();
    void showAboutToolkit();

    // The command of one of the seven buttons.
    void press(Control button);

    void saveGameTo(const QString& path);
    void loadGameFrom(const QString& path);

    QString hornPath() const;
    // "Settings.TVN" in the save folder.
    QString defaultSavePath() const;

private:
    void readCards();
    // Where the game is saved and Load's dialog starts: the program's directory, or, when
    // that cannot be written to (an installed copy), the player's data folder.
    static QString chooseSaveFolder(const QString& programDir);
    // Makes the save folder when the game goes there and it is missing; the reason it cannot.
    std::optional<QString> makeSaveFolder(const QString& savePath) const;

    Services m_services;
    Places m_places;
    QString m_saveFolder;
    FieldModel m_fields;
    CardTable m_cardTable;
    Deck m_deck;
    GameClock m_clock;
};
