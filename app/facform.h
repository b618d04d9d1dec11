#pragma once

#include <QString>
#include <functional>

#include "app/fieldmodel.h"
#include "app/services.h"
#include "deck/deck.h"
#include "deck/facrecord.h"
#include "game/clock.h"

// The main window's rules: its fields, the card table and the deck, and one handler per
// command. It draws nothing; the Qt window shows its fields and calls its handlers, and
// the tests do the same without a window.
class FacForm {
public:
    struct Services {
        Dialogs& dialogs;
        SoundPlayer& sound;
        RandomSource& random;
        std::function<void()> quit;  // ends the program at once
    };
    struct Places {
        QString programDir;  // the horn, and the saved game while this folder can be written to
        QString cardDataPath = QStringLiteral("FAC_Data.txt");  // relative: the current directory
    };

    FacForm(Services services, Places places);

    FieldModel& fields() { return m_fields; }
    const FieldModel& fields() const { return m_fields; }
    const FacTable& facTable() const { return m_facTable; }
    const Deck& deck() const { return m_deck; }
    Deck& deck() { return m_deck; }

    // The window's procedures
    void pickFAC() { m_deck.pickFAC(); }
    void Shuffle() { m_deck.Shuffle(); }
    void modeChangeLines() { m_clock.modeChangeLines(); }
    void pickFirstFAC() { m_deck.pickFirstFAC(); }

    // Handlers
    void cmdAwayGoal_Click();
    void cmdAwayShot_Click();
    void cmdFlip_Click();
    void cmdFlip2_Click();
    void cmdHomeGoal_Click();
    void cmdHomeShot_Click();
    void cmdReset_Click();
    void Form_Load();
    void Form_Unload();
    void mnuExit_Click();
    void mnuLoad_Click();
    void mnuNewGame_Click();
    void mnuSave_Click();
    void txtAway_Change(int index);
    void txtHome_Change(int index);

    // Runs the click handler of one of the seven buttons.
    void click(Ctl button);

    void saveGame(const QString& path);
    void loadGame(const QString& path);
    void readFACs();
    void playSound(const QString& path) { m_services.sound.playSound(path); }

    QString hornPath() const;
    // "Settings.TVN" in the save folder.
    QString defaultSavePath() const;

private:
    // Where the game is saved and Load's dialog starts: the program's directory, or, when
    // that cannot be written to (an installed copy), the player's data folder.
    static QString chooseSaveFolder(const QString& programDir);

    Services m_services;
    Places m_places;
    QString m_saveFolder;
    FieldModel m_fields;
    FacTable m_facTable;
    Deck m_deck;
    GameClock m_clock;
};
