<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Command</name>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Resume Game</source>
        <translation>Spiel fortsetzen</translation>
    </message>
    <message>
        <source>Timed Flip</source>
        <translation>Aufdecken mit Uhr</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Aufdecken</translation>
    </message>
    <message>
        <source>Next Period</source>
        <translation>Nächstes Drittel</translation>
    </message>
    <message>
        <source>Away Shot</source>
        <translation>Schuss Gast</translation>
    </message>
    <message>
        <source>Home Shot</source>
        <translation>Schuss Heim</translation>
    </message>
    <message>
        <source>Away Goal</source>
        <translation>Tor Gast</translation>
    </message>
    <message>
        <source>Home Goal</source>
        <translation>Tor Heim</translation>
    </message>
    <message>
        <source>Add Penalty</source>
        <translation>Strafe eintragen</translation>
    </message>
    <message>
        <source>Remove Penalty</source>
        <translation>Strafe entfernen</translation>
    </message>
    <message>
        <source>Penalty Shot</source>
        <translation>Penalty</translation>
    </message>
    <message>
        <source>Next Lines</source>
        <translation>Nächste Reihen</translation>
    </message>
    <message>
        <source>Pick Lines</source>
        <translation>Reihen wählen</translation>
    </message>
    <message>
        <source>Change Goalie</source>
        <translation>Torhüterwechsel</translation>
    </message>
    <message>
        <source>Edit Goal</source>
        <translation>Tor bearbeiten</translation>
    </message>
    <message>
        <source>Three Stars</source>
        <translation>Drei Sterne</translation>
    </message>
    <message>
        <source>Update Rosters</source>
        <translation>Kader aktualisieren</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>Shoot-out Attempt</source>
        <translation>Versuch im Penaltyschießen</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Korrektur</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>Control</name>
    <message>
        <source>Card number</source>
        <translation>Kartennummer</translation>
    </message>
    <message>
        <source>Pass to</source>
        <translation>Pass zu</translation>
    </message>
    <message>
        <source>Pass to, second choice</source>
        <translation>Pass zu, zweite Wahl</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Strategie</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Schüsse</translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation>Rebound</translation>
    </message>
    <message>
        <source>Loose puck</source>
        <translation>Freier Puck</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Strafe</translation>
    </message>
    <message>
        <source>Lower half card number</source>
        <translation>Kartennummer untere Hälfte</translation>
    </message>
    <message>
        <source>Lower half pass to</source>
        <translation>Pass zu, untere Hälfte</translation>
    </message>
    <message>
        <source>Faceoff</source>
        <translation>Bully</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>Breakaway</source>
        <translation>Alleingang</translation>
    </message>
    <message>
        <source>Breakaway defence</source>
        <translation>Abwehr Alleingang</translation>
    </message>
    <message>
        <source>Lower half shots</source>
        <translation>Schüsse, untere Hälfte</translation>
    </message>
    <message>
        <source>Lower half strategy</source>
        <translation>Strategie, untere Hälfte</translation>
    </message>
    <message>
        <source>Lower half rebound</source>
        <translation>Rebound, untere Hälfte</translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <translation>Penaltyschießen</translation>
    </message>
    <message>
        <source>Dump-ins</source>
        <translation>Dump-ins</translation>
    </message>
    <message>
        <source>Minor penalty</source>
        <translation>Kleine Strafe</translation>
    </message>
    <message>
        <source>Major penalty</source>
        <translation>Große Strafe</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Drittel</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Verbleibende Sekunden</translation>
    </message>
    <message>
        <source>Change lines</source>
        <translation>Reihenwechsel</translation>
    </message>
    <message>
        <source>Away team name, %1 table</source>
        <translation>Name Gastteam, Tabelle %1</translation>
    </message>
    <message>
        <source>Home team name, %1 table</source>
        <translation>Name Heimteam, Tabelle %1</translation>
    </message>
    <message>
        <source>Away %1, period 1</source>
        <translation>Gast %1, 1. Drittel</translation>
    </message>
    <message>
        <source>Away %1, period 2</source>
        <translation>Gast %1, 2. Drittel</translation>
    </message>
    <message>
        <source>Away %1, period 3</source>
        <translation>Gast %1, 3. Drittel</translation>
    </message>
    <message>
        <source>Away %1, overtime</source>
        <translation>Gast %1, Verlängerung</translation>
    </message>
    <message>
        <source>Away %1, total</source>
        <translation>Gast %1, gesamt</translation>
    </message>
    <message>
        <source>Home %1, period 1</source>
        <translation>Heim %1, 1. Drittel</translation>
    </message>
    <message>
        <source>Home %1, period 2</source>
        <translation>Heim %1, 2. Drittel</translation>
    </message>
    <message>
        <source>Home %1, period 3</source>
        <translation>Heim %1, 3. Drittel</translation>
    </message>
    <message>
        <source>Home %1, overtime</source>
        <translation>Heim %1, Verlängerung</translation>
    </message>
    <message>
        <source>Home %1, total</source>
        <translation>Heim %1, gesamt</translation>
    </message>
    <message>
        <source>Saved game path</source>
        <translation>Pfad des gespeicherten Spiels</translation>
    </message>
    <message>
        <source>Flip FAC-Advance Timer</source>
        <translation>FAC aufdecken, Uhr weiter</translation>
    </message>
    <message>
        <source>Flip FAC-No Timer Advance</source>
        <translation>FAC aufdecken, Uhr steht</translation>
    </message>
    <message>
        <source>Next Period</source>
        <translation>Nächstes Drittel</translation>
    </message>
    <message>
        <source>Home Goal</source>
        <translation>Tor Heim</translation>
    </message>
    <message>
        <source>Away Goal</source>
        <translation>Tor Gast</translation>
    </message>
    <message>
        <source>Home Shot</source>
        <translation>Schuss Heim</translation>
    </message>
    <message>
        <source>Away Shot</source>
        <translation>Schuss Gast</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>Schüsse</translation>
    </message>
    <message>
        <source>goals</source>
        <translation>Tore</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>a quote is opened and never closed</source>
        <translation>ein Anführungszeichen wird geöffnet und nie geschlossen</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>auf ein schließendes Anführungszeichen folgt Text</translation>
    </message>
    <message>
        <source>a quote inside a cell that does not begin with one</source>
        <translation>ein Anführungszeichen in einer Zelle, die nicht mit einem beginnt</translation>
    </message>
</context>
<context>
    <name>GameCodec</name>
    <message>
        <source>Its board cannot be read.</source>
        <translation>Sein Spielbrett kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Its field %1 holds no text that the program could have written.</source>
        <translation>Sein Feld %1 enthält keinen Text, den das Programm geschrieben haben könnte.</translation>
    </message>
    <message>
        <source>Its seconds left in the period are not a number from 0 to %1.</source>
        <translation>Seine verbleibenden Sekunden im Drittel sind keine Zahl von 0 bis %1.</translation>
    </message>
    <message>
        <source>Its deck is not an order of the %1 cards.</source>
        <translation>Sein Kartenstapel ist keine Reihenfolge der %1 Karten.</translation>
    </message>
    <message>
        <source>Its place in the deck is outside the deck.</source>
        <translation>Seine Position im Kartenstapel liegt außerhalb des Stapels.</translation>
    </message>
    <message>
        <source>Its penalty box cannot be read.</source>
        <translation>Seine Strafbank kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Its score sheet cannot be read.</source>
        <translation>Sein Spielbericht kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>GameController</name>
    <message>
        <source>%1 was looked for in %2.</source>
        <translation>%1 wurde in %2 gesucht.</translation>
    </message>
    <message>
        <source>%1 was looked for in %2 and in %3.</source>
        <translation>%1 wurde in %2 und in %3 gesucht.</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Torvane FAC %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The 200 action cards and the score sheet of a tabletop ice-hockey game.&lt;/p&gt;&lt;p&gt;Licensed under the GNU General Public License, version 3 or later. The card texts, the horn and the pictures are licensed under CC BY-SA 4.0.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%4&quot;&gt;%4&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Torvane FAC %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Die 200 Aktionskarten und der Spielberichtsbogen eines Eishockey-Brettspiels.&lt;/p&gt;&lt;p&gt;Lizenziert unter der GNU General Public License, Version 3 oder neuer. Die Kartentexte, die Hupe und die Bilder stehen unter CC BY-SA 4.0.&lt;/p&gt;&lt;p&gt;Erstellt mit Qt %2, läuft unter Qt %3.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%4&quot;&gt;%4&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Torvane FAC</source>
        <translation>Über Torvane FAC</translation>
    </message>
    <message>
        <source>The game could not be saved to %1.
%2
Any earlier saved game there is unchanged.</source>
        <translation>Das Spiel konnte nicht in %1 gespeichert werden.
%2
Ein früher dort gespeichertes Spiel bleibt unverändert.</translation>
    </message>
    <message>
        <source>TVN (*.TVN)</source>
        <translation>TVN (*.TVN)</translation>
    </message>
    <message>
        <source>The game could not be loaded from %1.
%2
Nothing was changed.</source>
        <translation>Das Spiel konnte nicht aus %1 geladen werden.
%2
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The league already counts this game as final.</source>
        <translation>Die Liga wertet dieses Spiel bereits als beendet.</translation>
    </message>
    <message>
        <source>End this game now? The league will count it as final whatever the score.
%1.
Undo takes it back.</source>
        <translation>Dieses Spiel jetzt beenden? Die Liga wertet es unabhängig vom Spielstand als beendet.
%1.
Rückgängig nimmt das zurück.</translation>
    </message>
    <message>
        <source>against %1</source>
        <translation>gegen %1</translation>
    </message>
    <message>
        <source>goal</source>
        <translation>Tor</translation>
    </message>
    <message>
        <source>no goal</source>
        <translation>kein Tor</translation>
    </message>
    <message>
        <source>Round %1, %2: %3</source>
        <translation>Runde %1, %2: %3</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>The game log could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation>Das Spielprotokoll konnte nicht nach %1 exportiert werden.
%2
Eine frühere Datei dort bleibt unverändert.</translation>
    </message>
    <message>
        <source>The game log was exported to %1</source>
        <translation>Das Spielprotokoll wurde nach %1 exportiert</translation>
    </message>
    <message>
        <source>%1: forward line %2, defence pair %3</source>
        <translation>%1: Sturmreihe %2, Verteidigerpaar %3</translation>
    </message>
    <message>
        <source>%1 net empty, extra attacker</source>
        <translation>%1 Tor leer, zusätzlicher Feldspieler</translation>
    </message>
    <message>
        <source>%1 goalie %2</source>
        <translation>%1 Torhüter %2</translation>
    </message>
    <message>
        <source>%1 goal %2 (%3 %4): %5</source>
        <translation>%1 Tor %2 (%3 %4): %5</translation>
    </message>
    <message>
        <source>as proposed</source>
        <translation>wie vorgeschlagen</translation>
    </message>
</context>
<context>
    <name>GameLog</name>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Resume game</source>
        <translation>Spiel fortsetzen</translation>
    </message>
    <message>
        <source>Timed flip</source>
        <translation>Aufdecken mit Uhr</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Aufdecken</translation>
    </message>
    <message>
        <source>Next period</source>
        <translation>Nächstes Drittel</translation>
    </message>
    <message>
        <source>Away shot</source>
        <translation>Schuss Gast</translation>
    </message>
    <message>
        <source>Home shot</source>
        <translation>Schuss Heim</translation>
    </message>
    <message>
        <source>Away goal</source>
        <translation>Tor Gast</translation>
    </message>
    <message>
        <source>Home goal</source>
        <translation>Tor Heim</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Strafe</translation>
    </message>
    <message>
        <source>Penalty removed</source>
        <translation>Strafe entfernt</translation>
    </message>
    <message>
        <source>Penalty shot</source>
        <translation>Penalty</translation>
    </message>
    <message>
        <source>Next lines</source>
        <translation>Nächste Reihen</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Torhüter</translation>
    </message>
    <message>
        <source>Goal details</source>
        <translation>Tordetails</translation>
    </message>
    <message>
        <source>Three stars</source>
        <translation>Drei Sterne</translation>
    </message>
    <message>
        <source>Rosters</source>
        <translation>Kader</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Shoot-out attempt</source>
        <translation>Versuch im Penaltyschießen</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Korrektur</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Change lines</source>
        <translation>Reihenwechsel</translation>
    </message>
    <message>
        <source>End of period</source>
        <translation>Drittelende</translation>
    </message>
    <message>
        <source>Penalty over</source>
        <translation>Strafe abgelaufen</translation>
    </message>
    <message>
        <source>Penalty ended by a goal</source>
        <translation>Strafe durch Tor beendet</translation>
    </message>
    <message>
        <source>First minor ended by a goal</source>
        <translation>Erste kleine Strafe durch Tor beendet</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Endstand</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Drittel</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>%1 team</source>
        <translation>%1mannschaft</translation>
    </message>
    <message>
        <source>Upper half %1, lower half %2</source>
        <translation>Obere Hälfte %1, untere Hälfte %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Spielstand</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Schüsse</translation>
    </message>
    <message>
        <source> for %1</source>
        <translation> wegen %1</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>kleine Strafe</translation>
    </message>
    <message>
        <source>double minor</source>
        <translation>doppelte kleine Strafe</translation>
    </message>
    <message>
        <source>major</source>
        <translation>große Strafe</translation>
    </message>
    <message>
        <source>misconduct</source>
        <translation>Disziplinarstrafe</translation>
    </message>
    <message>
        <source>penalty shot</source>
        <translation>Penalty</translation>
    </message>
    <message>
        <source> (penalty %1)</source>
        <translation> (Strafe %1)</translation>
    </message>
</context>
<context>
    <name>GameLogWindow</name>
    <message>
        <source>Game Log</source>
        <translation>Spielprotokoll</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Game Log…</source>
        <translation>Spielprotokoll…</translation>
    </message>
    <message>
        <source>Penalty Box…</source>
        <translation>Strafbank…</translation>
    </message>
    <message>
        <source>On Ice…</source>
        <translation>Auf dem Eis…</translation>
    </message>
    <message>
        <source>Next Lines</source>
        <translation>Nächste Reihen</translation>
    </message>
    <message>
        <source>Goal Details…</source>
        <translation>Tordetails…</translation>
    </message>
    <message>
        <source>Game Sheet…</source>
        <translation>Spielbericht…</translation>
    </message>
    <message>
        <source>End Game…</source>
        <translation>Spiel beenden…</translation>
    </message>
    <message>
        <source>Shoot-out…</source>
        <translation>Penaltyschießen…</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
</context>
<context>
    <name>GameSheet</name>
    <message>
        <source>Game Sheet</source>
        <translation>Spielbericht</translation>
    </message>
    <message>
        <source>%1 (away) at %2 (home)</source>
        <translation>%1 (Gast) – %2 (Heim)</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Tore</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Schüsse</translation>
    </message>
    <message>
        <source>%1 total</source>
        <translation>%1 gesamt</translation>
    </message>
    <message>
        <source>Scoring and shots by period</source>
        <translation>Tore und Schüsse nach Dritteln</translation>
    </message>
    <message>
        <source>No goals</source>
        <translation>Keine Tore</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Drittel</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Scorer</source>
        <translation>Torschütze</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>No penalties</source>
        <translation>Keine Strafen</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Strafen</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Infraction</source>
        <translation>Vergehen</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Empty net</source>
        <translation>Leeres Tor</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Torhüter</translation>
    </message>
    <message>
        <source>Saves %1</source>
        <translation>Paraden %1</translation>
    </message>
    <message>
        <source>Saves</source>
        <translation>Paraden</translation>
    </message>
    <message>
        <source>Shots against</source>
        <translation>Schüsse gegen</translation>
    </message>
    <message>
        <source>Goals against</source>
        <translation>Gegentore</translation>
    </message>
    <message>
        <source>No shots</source>
        <translation>Keine Schüsse</translation>
    </message>
    <message>
        <source>Goalkeeping</source>
        <translation>Torhüterstatistik</translation>
    </message>
    <message>
        <source>No roster</source>
        <translation>Kein Kader</translation>
    </message>
    <message>
        <source>Box score: %1</source>
        <translation>Statistik: %1</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>G</source>
        <translation>T</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>PTS</source>
        <translation>Pkt</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>SM</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>SA</source>
        <translation>SaT</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>GT</translation>
    </message>
    <message>
        <source>SV</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>First star</source>
        <translation>Erster Stern</translation>
    </message>
    <message>
        <source>Second star</source>
        <translation>Zweiter Stern</translation>
    </message>
    <message>
        <source>Third star</source>
        <translation>Dritter Stern</translation>
    </message>
    <message>
        <source>Three stars</source>
        <translation>Drei Sterne</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Print Game Sheet</source>
        <translation>Spielbericht drucken</translation>
    </message>
</context>
<context>
    <name>GameSheetWindow</name>
    <message>
        <source>Game Sheet</source>
        <translation>Spielbericht</translation>
    </message>
    <message>
        <source>First star:</source>
        <translation>Erster Stern:</translation>
    </message>
    <message>
        <source>Second star:</source>
        <translation>Zweiter Stern:</translation>
    </message>
    <message>
        <source>Third star:</source>
        <translation>Dritter Stern:</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>PDF exportieren…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>(proposed) %1</source>
        <translation>(vorgeschlagen) %1</translation>
    </message>
    <message>
        <source>(proposed) nobody</source>
        <translation>(vorgeschlagen) niemand</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>Das PDF konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The game sheet could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation>Der Spielbericht konnte nicht nach %1 exportiert werden.
%2
Eine frühere Datei dort bleibt unverändert.</translation>
    </message>
    <message>
        <source>The game sheet was exported to %1</source>
        <translation>Der Spielbericht wurde nach %1 exportiert</translation>
    </message>
    <message>
        <source>The game sheet could not be printed.</source>
        <translation>Der Spielbericht konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>GamesModel</name>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Zuletzt gespielt</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Heim</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Drittel</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>GamesWindow</name>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Löschen…</translation>
    </message>
    <message>
        <source>Delete the game %1 against %2, last played %3? It cannot be brought back.</source>
        <translation>Das Spiel %1 gegen %2, zuletzt gespielt %3, löschen? Es kann nicht wiederhergestellt werden.</translation>
    </message>
</context>
<context>
    <name>GoalDetailsWindow</name>
    <message>
        <source>1st</source>
        <translation>1. Drittel</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2. Drittel</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3. Drittel</translation>
    </message>
    <message>
        <source>Goal Details</source>
        <translation>Tordetails</translation>
    </message>
    <message>
        <source>&amp;Goal:</source>
        <translation>&amp;Tor:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>&amp;Scorer:</source>
        <translation>Tor&amp;schütze:</translation>
    </message>
    <message>
        <source>&amp;First assist:</source>
        <translation>&amp;Erste Vorlage:</translation>
    </message>
    <message>
        <source>S&amp;econd assist:</source>
        <translation>&amp;Zweite Vorlage:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>%1. %2 %3 %4</source>
        <translation>Tor %1: %2 %3 %4</translation>
    </message>
    <message>
        <source>No goal has been scored in this game yet.</source>
        <translation>In diesem Spiel ist noch kein Tor gefallen.</translation>
    </message>
    <message>
        <source>This team plays without a roster: there is nobody to name.</source>
        <translation>Diese Mannschaft spielt ohne Kader: Es gibt niemanden zu nennen.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Niemand</translation>
    </message>
</context>
<context>
    <name>LeadersWindow</name>
    <message>
        <source>Leaders</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>&amp;Team:</translation>
    </message>
    <message>
        <source>&amp;Skaters</source>
        <translation>&amp;Feldspieler</translation>
    </message>
    <message>
        <source>&amp;Goalies</source>
        <translation>T&amp;orhüter</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>PDF exportieren…</translation>
    </message>
    <message>
        <source>Final games only. GAA: goals against per game played.</source>
        <translation>Nur beendete Spiele. GTS: Gegentore pro Spiel.</translation>
    </message>
    <message>
        <source>All teams</source>
        <translation>Alle Teams</translation>
    </message>
    <message>
        <source>Skaters</source>
        <translation>Feldspieler</translation>
    </message>
    <message>
        <source>Goalies</source>
        <translation>Torhüter</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>League</name>
    <message>
        <source>Its %1 is larger than any this program writes.</source>
        <translation>Der Eintrag „%1“ ist größer als jeder, den dieses Programm schreibt.</translation>
    </message>
    <message>
        <source>Its game log cannot be read: %1.</source>
        <translation>Sein Spielprotokoll kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>game log</source>
        <translation>Spielprotokoll</translation>
    </message>
    <message>
        <source>Its game log holds an event this program does not know: %1.</source>
        <translation>Sein Spielprotokoll enthält ein Ereignis, das dieses Programm nicht kennt: %1.</translation>
    </message>
    <message>
        <source>board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>deck</source>
        <translation>Kartenstapel</translation>
    </message>
    <message>
        <source>penalty box</source>
        <translation>Strafbank</translation>
    </message>
    <message>
        <source>score sheet</source>
        <translation>Spielbericht</translation>
    </message>
</context>
<context>
    <name>LeagueFiles</name>
    <message>
        <source>League (*.sqlite)</source>
        <translation>Liga (*.sqlite)</translation>
    </message>
    <message>
        <source>The file %1 exists already, and a league is never written over. Open it as the league instead?</source>
        <translation>Die Datei %1 existiert bereits, und eine Liga wird nie überschrieben. Stattdessen diese Datei als Liga öffnen?</translation>
    </message>
    <message>
        <source>This is the league in use: its games are here already.</source>
        <translation>Das ist die verwendete Liga: Ihre Spiele sind bereits hier.</translation>
    </message>
    <message>
        <source>No game was imported. %1</source>
        <translation>Es wurde kein Spiel importiert. %1</translation>
    </message>
</context>
<context>
    <name>LeagueImport</name>
    <message>
        <source>No game was imported. %1</source>
        <translation>Es wurde kein Spiel importiert. %1</translation>
    </message>
    <message>
        <source>Games imported: %1. Already in this league: %2. Refused: %3.</source>
        <translation>Importierte Spiele: %1. Bereits in dieser Liga: %2. Abgelehnt: %3.</translation>
    </message>
    <message>
        <source>Teams added: %1.</source>
        <translation>Hinzugefügte Teams: %1.</translation>
    </message>
    <message>
        <source>These teams&apos; players differ between the two leagues; this league&apos;s rosters are left as they are:</source>
        <translation>Die Spieler dieser Teams unterscheiden sich zwischen den beiden Ligen; die Kader dieser Liga bleiben, wie sie sind:</translation>
    </message>
    <message>
        <source>Teams not imported:</source>
        <translation>Nicht importierte Teams:</translation>
    </message>
    <message>
        <source>number %1, %2, only here</source>
        <translation>Nummer %1, %2, nur hier</translation>
    </message>
    <message>
        <source>number %1 is %2 here and %3 there</source>
        <translation>Nummer %1 ist hier %2 und dort %3</translation>
    </message>
    <message>
        <source>number %1, %2, only there</source>
        <translation>Nummer %1, %2, nur dort</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>– and %1 more.</source>
        <translation>– und %1 weitere.</translation>
    </message>
    <message>
        <source>Its game log is another game&apos;s too.</source>
        <translation>Sein Spielprotokoll gehört auch zu einem anderen Spiel.</translation>
    </message>
</context>
<context>
    <name>LeagueKeeper</name>
    <message>
        <source>The league file %1 is no longer there. The league in %2 is used instead.</source>
        <translation>Die Ligadatei %1 ist nicht mehr vorhanden. Stattdessen wird die Liga in %2 verwendet.</translation>
    </message>
    <message>
        <source>%1

The league in use is still %2.</source>
        <translation>%1

Verwendet wird weiterhin die Liga in %2.</translation>
    </message>
</context>
<context>
    <name>LeagueMenu</name>
    <message>
        <source>&amp;League</source>
        <translation>&amp;Liga</translation>
    </message>
    <message>
        <source>Games…</source>
        <translation>Spiele…</translation>
    </message>
    <message>
        <source>Teams…</source>
        <translation>Teams…</translation>
    </message>
    <message>
        <source>Standings…</source>
        <translation>Tabelle…</translation>
    </message>
    <message>
        <source>Leaders…</source>
        <translation>Bestenliste…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>New League…</source>
        <translation>Neue Liga…</translation>
    </message>
    <message>
        <source>Open League…</source>
        <translation>Liga öffnen…</translation>
    </message>
    <message>
        <source>Import Games…</source>
        <translation>Spiele importieren…</translation>
    </message>
</context>
<context>
    <name>LeagueSettingsWindow</name>
    <message>
        <source>League Settings</source>
        <translation>Liga-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Sudden death: the first goal in overtime ends the game</source>
        <translation>&amp;Sudden Death: Das erste Tor in der Verlängerung beendet das Spiel</translation>
    </message>
    <message>
        <source>20:00, played to 0:00</source>
        <translation>20:00, gespielt bis 0:00</translation>
    </message>
    <message>
        <source>5:00, over when the clock reaches 15:00</source>
        <translation>5:00, vorbei, wenn die Uhr 15:00 erreicht</translation>
    </message>
    <message>
        <source>%1 on %1</source>
        <translation>%1 gegen %1</translation>
    </message>
    <message>
        <source>S&amp;hoot-out when overtime ends level</source>
        <translation>&amp;Penaltyschießen, wenn die Verlängerung unentschieden endet</translation>
    </message>
    <message>
        <source>Overtime &amp;length:</source>
        <translation>&amp;Dauer der Verlängerung:</translation>
    </message>
    <message>
        <source>Overtime s&amp;trength:</source>
        <translation>Spieler&amp;zahl in der Verlängerung:</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>Standard&amp;werte</translation>
    </message>
    <message>
        <source>A game plays under the rules in force when it began: changes here take effect from the next game.</source>
        <translation>Ein Spiel läuft nach den Regeln, die bei seinem Beginn galten: Änderungen hier gelten ab dem nächsten Spiel.</translation>
    </message>
</context>
<context>
    <name>LeagueStore</name>
    <message>
        <source>The games of the other league file cannot be read: %1.</source>
        <translation>Die Spiele der anderen Ligadatei können nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 bei %2, %3</translation>
    </message>
    <message>
        <source>%1: its id is none this program writes.</source>
        <translation>%1: Diese ID schreibt dieses Programm nicht.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>This league file cannot be written.</source>
        <translation>Diese Ligadatei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The league file is not open.</source>
        <translation>Die Ligadatei ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The game cannot be read: %1.</source>
        <translation>Das Spiel kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The game is not in the league.</source>
        <translation>Das Spiel ist nicht in der Liga.</translation>
    </message>
    <message>
        <source>Its state is none this program knows: %1.</source>
        <translation>Sein Status ist keiner, den dieses Programm kennt: %1.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>The league file %1 is damaged (%2). It is kept as %3, and a new league file was started.</source>
        <translation>Die Ligadatei %1 ist beschädigt (%2). Sie wird als %3 aufbewahrt, und eine neue Ligadatei wurde angelegt.</translation>
    </message>
    <message>
        <source>The league file %1 cannot be written: %2. Games are not kept until it can be.</source>
        <translation>Die Ligadatei %1 kann nicht geschrieben werden: %2. Spiele werden nicht gespeichert, bis das wieder möglich ist.</translation>
    </message>
    <message>
        <source>The league file %1 cannot be made: its folder cannot be made. Games are not kept until it can be.</source>
        <translation>Die Ligadatei %1 kann nicht angelegt werden: Ihr Ordner kann nicht angelegt werden. Spiele werden nicht gespeichert, bis das möglich ist.</translation>
    </message>
    <message>
        <source>The file %1 is not a league file of Torvane FAC. It is kept as %2, and a new league file was started.</source>
        <translation>Die Datei %1 ist keine Ligadatei von Torvane FAC. Sie wird als %2 aufbewahrt, und eine neue Ligadatei wurde angelegt.</translation>
    </message>
    <message>
        <source>The league file %1 was written by a later version of Torvane FAC. Its games can be resumed, but no game is kept in it.</source>
        <translation>Die Ligadatei %1 wurde von einer neueren Version von Torvane FAC geschrieben. Ihre Spiele können fortgesetzt werden, aber es wird kein Spiel darin gespeichert.</translation>
    </message>
    <message>
        <source>its integrity check failed</source>
        <translation>ihre Integritätsprüfung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>The file %1 cannot be found.</source>
        <translation>Die Datei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The file %1 is damaged (%2).</source>
        <translation>Die Datei %1 ist beschädigt (%2).</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a league file of Torvane FAC.</source>
        <translation>Die Datei %1 ist keine Ligadatei von Torvane FAC.</translation>
    </message>
    <message>
        <source>The league file %1 was written by an earlier version of Torvane FAC. Open it once with League &gt; Open League… to bring it up to date.</source>
        <translation>Die Ligadatei %1 wurde von einer älteren Version von Torvane FAC geschrieben. Öffnen Sie sie einmal mit Liga &gt; Liga öffnen…, um sie zu aktualisieren.</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt (the package libqt6sql6-sqlite) is not installed</source>
        <translation>der SQLite-Treiber von Qt (das Paket libqt6sql6-sqlite) ist nicht installiert</translation>
    </message>
    <message>
        <source>it is not a league file</source>
        <translation>sie ist keine Ligadatei</translation>
    </message>
    <message>
        <source>its journal cannot be kept beside it</source>
        <translation>ihr Journal kann nicht neben ihr angelegt werden</translation>
    </message>
    <message>
        <source>its tables are not those of a league file</source>
        <translation>ihre Tabellen sind nicht die einer Ligadatei</translation>
    </message>
    <message>
        <source>it is damaged and cannot be moved aside: %1</source>
        <translation>sie ist beschädigt und kann nicht beiseitegelegt werden: %1</translation>
    </message>
    <message>
        <source>The league file %1 is damaged (%2). Games are not kept until New Game starts a new league file.</source>
        <translation>Die Ligadatei %1 ist beschädigt (%2). Spiele werden nicht gespeichert, bis „Neues Spiel“ eine neue Ligadatei anlegt.</translation>
    </message>
    <message>
        <source>The league file %1 cannot be written: %2. Games are not kept until New Game finds it can be.</source>
        <translation>Die Ligadatei %1 kann nicht geschrieben werden: %2. Spiele werden nicht gespeichert, bis „Neues Spiel“ feststellt, dass das möglich ist.</translation>
    </message>
    <message>
        <source>The teams of the league file cannot be read: %1.</source>
        <translation>Die Teams der Ligadatei können nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>A team in the league file cannot be read: %1. It is left as it is.</source>
        <translation>Ein Team in der Ligadatei kann nicht gelesen werden: %1. Es bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>The team “%1” in the league file cannot be read: %2. It is left as it is.</source>
        <translation>Das Team „%1“ in der Ligadatei kann nicht gelesen werden: %2. Es bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>its names are not text this program writes</source>
        <translation>seine Namen sind kein Text, den dieses Programm schreibt</translation>
    </message>
    <message>
        <source>its roster is larger than any this program writes</source>
        <translation>sein Kader ist größer als jeder, den dieses Programm schreibt</translation>
    </message>
    <message>
        <source>another team has its name</source>
        <translation>ein anderes Team trägt seinen Namen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About Torvane FAC</source>
        <translation>Über Torvane FAC</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
</context>
<context>
    <name>OnIceWindow</name>
    <message>
        <source>Loose puck</source>
        <translation>Freier Puck</translation>
    </message>
    <message>
        <source>Faceoff</source>
        <translation>Bully</translation>
    </message>
    <message>
        <source>On Ice</source>
        <translation>Auf dem Eis</translation>
    </message>
    <message>
        <source>Whom the card&apos;s attack and defence mean</source>
        <translation>Wen Angriff und Abwehr der Karte meinen</translation>
    </message>
    <message>
        <source>&amp;Puck:</source>
        <translation>&amp;Puck:</translation>
    </message>
    <message>
        <source>&amp;Next Lines</source>
        <translation>&amp;Nächste Reihen</translation>
    </message>
    <message>
        <source>Both teams change to their next forward line and defence pair (F4)</source>
        <translation>Beide Teams wechseln zur nächsten Sturmreihe und zum nächsten Verteidigerpaar (F4)</translation>
    </message>
    <message>
        <source>This team plays without a roster. To give it one, add the team in League &gt; Teams… and type its name in the SHOTS table.</source>
        <translation>Diese Mannschaft spielt ohne Kader. Um ihr einen zu geben, legen Sie das Team unter Liga &gt; Teams… an und tragen seinen Namen in die Tabelle SHOTS ein.</translation>
    </message>
    <message>
        <source>Forwards:</source>
        <translation>Stürmer:</translation>
    </message>
    <message>
        <source>Defence:</source>
        <translation>Verteidiger:</translation>
    </message>
    <message>
        <source>Goalie:</source>
        <translation>Torhüter:</translation>
    </message>
    <message>
        <source>Either team has it</source>
        <translation>Beliebiges Team</translation>
    </message>
    <message>
        <source>Empty net</source>
        <translation>Leeres Tor</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Reihe %1</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Paar %1</translation>
    </message>
    <message>
        <source>Empty net (extra attacker)</source>
        <translation>Leeres Tor (zusätzlicher Feldspieler)</translation>
    </message>
</context>
<context>
    <name>PenaltyBox</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 gegen %2</translation>
    </message>
</context>
<context>
    <name>PenaltyBoxWindow</name>
    <message>
        <source>Minor</source>
        <translation>Kleine Strafe</translation>
    </message>
    <message>
        <source>Double minor</source>
        <translation>Doppelte kleine Strafe</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Große Strafe</translation>
    </message>
    <message>
        <source>Misconduct</source>
        <translation>Disziplinarstrafe</translation>
    </message>
    <message>
        <source>Penalty shot</source>
        <translation>Penalty</translation>
    </message>
    <message>
        <source>Penalty Box</source>
        <translation>Strafbank</translation>
    </message>
    <message>
        <source>New penalty</source>
        <translation>Neue Strafe</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Team:</translation>
    </message>
    <message>
        <source>Number and name (optional)</source>
        <translation>Nummer und Name (optional)</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Spieler:</translation>
    </message>
    <message>
        <source>I&amp;nfraction:</source>
        <translation>&amp;Vergehen:</translation>
    </message>
    <message>
        <source>Tripping, Fighting... (optional)</source>
        <translation>Beinstellen, Faustkampf... (optional)</translation>
    </message>
    <message>
        <source>M&amp;inor (2:00)</source>
        <translation>&amp;Kleine Strafe (2:00)</translation>
    </message>
    <message>
        <source>Penalty:</source>
        <translation>Strafe:</translation>
    </message>
    <message>
        <source>&amp;Double minor (4:00)</source>
        <translation>&amp;Doppelte kleine Strafe (4:00)</translation>
    </message>
    <message>
        <source>Ma&amp;jor (5:00)</source>
        <translation>&amp;Große Strafe (5:00)</translation>
    </message>
    <message>
        <source>Misc&amp;onduct (10:00)</source>
        <translation>Diszip&amp;linarstrafe (10:00)</translation>
    </message>
    <message>
        <source>Penalty &amp;shot</source>
        <translation>&amp;Penalty</translation>
    </message>
    <message>
        <source>From &amp;card</source>
        <translation>Von K&amp;arte</translation>
    </message>
    <message>
        <source>The kind the card&apos;s penalty cell calls, and the infraction of its lower half</source>
        <translation>Die Strafart, die das Strafenfeld der Karte vorgibt, und das Vergehen ihrer unteren Hälfte</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Eintragen</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Strafe</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>In the &amp;box:</source>
        <translation>Auf der Straf&amp;bank:</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Besetzung:</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>A&amp;way</source>
        <translation>Gas&amp;t</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Heim</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartend</translation>
    </message>
    <message>
        <source>Coincidental</source>
        <translation>Gleichzeitig</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>%1 %2, %3 %4</source>
        <translation>%1 %2, %3 %4</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>This game cannot be resumed. %1</source>
        <translation>Dieses Spiel kann nicht fortgesetzt werden. %1</translation>
    </message>
    <message>
        <source>The league file cannot be written to.</source>
        <translation>In die Ligadatei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The table “%1” could not be exported to %2.
%3
Any earlier file there is unchanged.</source>
        <translation>Die Tabelle „%1“ konnte nicht nach %2 exportiert werden.
%3
Eine frühere Datei dort bleibt unverändert.</translation>
    </message>
    <message>
        <source>The table “%1” was exported to %2</source>
        <translation>Die Tabelle „%1“ wurde nach %2 exportiert</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>the team has no name</source>
        <translation>das Team hat keinen Namen</translation>
    </message>
    <message>
        <source>the short name must be 1 to %1 letters</source>
        <translation>der Kurzname muss 1 bis %1 Zeichen lang sein</translation>
    </message>
    <message>
        <source>number %1 is not from 0 to %2</source>
        <translation>Nummer %1 liegt nicht zwischen 0 und %2</translation>
    </message>
    <message>
        <source>number %1 is given twice</source>
        <translation>Nummer %1 ist doppelt vergeben</translation>
    </message>
    <message>
        <source>number %1 has no name</source>
        <translation>Nummer %1 hat keinen Namen</translation>
    </message>
    <message>
        <source>number %1 in %2 is not on the team</source>
        <translation>Nummer %1 in %2 gehört nicht zum Team</translation>
    </message>
    <message>
        <source>number %1 has more than one place in the lines</source>
        <translation>Nummer %1 hat mehr als einen Platz in den Reihen</translation>
    </message>
    <message>
        <source>number %1 plays %2 and cannot be %3</source>
        <translation>Nummer %1 spielt %2 und kann nicht %3 sein</translation>
    </message>
    <message>
        <source>number %1 plays %2 and cannot play in %3</source>
        <translation>Nummer %1 spielt %2 und kann nicht in %3 spielen</translation>
    </message>
    <message>
        <source>forward line %1</source>
        <translation>Sturmreihe %1</translation>
    </message>
    <message>
        <source>defence pair %1</source>
        <translation>Verteidigerpaar %1</translation>
    </message>
    <message>
        <source>the starting goalie</source>
        <translation>der Starttorhüter</translation>
    </message>
    <message>
        <source>the backup goalie</source>
        <translation>der Ersatztorhüter</translation>
    </message>
</context>
<context>
    <name>RosterCodec</name>
    <message>
        <source>its roster has more than %1 players</source>
        <translation>sein Kader hat mehr als %1 Spieler</translation>
    </message>
    <message>
        <source>a player of its roster has no number from 0 to %1</source>
        <translation>ein Spieler seines Kaders hat keine Nummer von 0 bis %1</translation>
    </message>
    <message>
        <source>number %1 has no name this program writes</source>
        <translation>Nummer %1 hat keinen Namen, den dieses Programm schreibt</translation>
    </message>
    <message>
        <source>number %1 has no position C, LW, RW, D or G</source>
        <translation>Nummer %1 hat keine Position C, LW, RW, D oder G</translation>
    </message>
    <message>
        <source>%1 has two players at %2</source>
        <translation>%1 hat zwei Spieler auf %2</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>“%1” is not a place in the lines</source>
        <translation>„%1“ ist kein Platz in den Reihen</translation>
    </message>
    <message>
        <source>%1 is number %2 already</source>
        <translation>%1 ist bereits Nummer %2</translation>
    </message>
    <message>
        <source>%1 has number %2 at %3 already</source>
        <translation>%1 hat bereits Nummer %2 auf %3</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the first line is not the header %1</source>
        <translation>die erste Zeile ist nicht die Kopfzeile %1</translation>
    </message>
    <message>
        <source>%1 cells where there should be %2</source>
        <translation>%1 Zellen, wo %2 sein sollten</translation>
    </message>
    <message>
        <source>the number “%1” is not from 0 to %2</source>
        <translation>die Nummer „%1“ liegt nicht zwischen 0 und %2</translation>
    </message>
    <message>
        <source>number %1 is on line %2 already</source>
        <translation>Nummer %1 steht bereits in Zeile %2</translation>
    </message>
    <message>
        <source>number %1 has no name</source>
        <translation>Nummer %1 hat keinen Namen</translation>
    </message>
    <message>
        <source>“%1” is not a position: C, LW, RW, D or G</source>
        <translation>„%1“ ist keine Position: C, LW, RW, D oder G</translation>
    </message>
    <message>
        <source>the file lists no players</source>
        <translation>die Datei enthält keine Spieler</translation>
    </message>
</context>
<context>
    <name>RosterModel</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
</context>
<context>
    <name>SaveFolder</name>
    <message>
        <source>HOME is not set to a folder</source>
        <translation>HOME ist nicht auf einen Ordner gesetzt</translation>
    </message>
    <message>
        <source>The folder %1 could not be made: %2.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: %2.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The file is not text this program can read.</source>
        <translation>Die Datei ist kein Text, den dieses Programm lesen kann.</translation>
    </message>
    <message>
        <source>It holds %1 of the %2 lines of a saved game.</source>
        <translation>Sie enthält %1 der %2 Zeilen eines gespeicherten Spiels.</translation>
    </message>
    <message>
        <source>Its line %1, the seconds left in the period, is not a number from 0 to %2.</source>
        <translation>Ihre Zeile %1, die verbleibenden Sekunden im Drittel, ist keine Zahl von 0 bis %2.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Es ist keine Datei.</translation>
    </message>
    <message>
        <source>It is too large to be a saved game.</source>
        <translation>Sie ist zu groß für ein gespeichertes Spiel.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>Sie kann nicht gelesen werden: %1.</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>scored by %1</source>
        <translation>Torschütze %1</translation>
    </message>
    <message>
        <source>no assist</source>
        <translation>ohne Vorlage</translation>
    </message>
    <message>
        <source>assists %1</source>
        <translation>Vorlagen %1</translation>
    </message>
</context>
<context>
    <name>SeasonModel</name>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>Sp</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>W</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Siege</translation>
    </message>
    <message>
        <source>L</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Losses in regulation</source>
        <translation>Niederlagen nach regulärer Spielzeit</translation>
    </message>
    <message>
        <source>OTL</source>
        <translation>OTN</translation>
    </message>
    <message>
        <source>Losses in overtime or the shoot-out</source>
        <translation>Niederlagen nach Verlängerung oder Penaltyschießen</translation>
    </message>
    <message>
        <source>T</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Games ended level</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>PTS</source>
        <translation>Pkt</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>T+</translation>
    </message>
    <message>
        <source>Goals for</source>
        <translation>Erzielte Tore</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>T-</translation>
    </message>
    <message>
        <source>Goals against</source>
        <translation>Gegentore</translation>
    </message>
    <message>
        <source>DIFF</source>
        <translation>Diff</translation>
    </message>
    <message>
        <source>Goal difference</source>
        <translation>Tordifferenz</translation>
    </message>
    <message>
        <source>Last 10</source>
        <translation>Letzte 10</translation>
    </message>
    <message>
        <source>The last ten games: wins, losses, overtime losses (and ties)</source>
        <translation>Die letzten zehn Spiele: Siege, Niederlagen, Niederlagen nach Verlängerung (und Unentschieden)</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>G</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Tore</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>SM</translation>
    </message>
    <message>
        <source>Penalty minutes</source>
        <translation>Strafminuten</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Plus/minus</source>
        <translation>Plus/Minus</translation>
    </message>
    <message>
        <source>SA</source>
        <translation>SaT</translation>
    </message>
    <message>
        <source>Shots against</source>
        <translation>Schüsse aufs Tor</translation>
    </message>
    <message>
        <source>GAA</source>
        <translation>GTS</translation>
    </message>
    <message>
        <source>Goals against per game played</source>
        <translation>Gegentore pro Spiel</translation>
    </message>
    <message>
        <source>SV%</source>
        <translation>Sv%</translation>
    </message>
    <message>
        <source>Saves per shot against</source>
        <translation>Paraden pro Schuss aufs Tor</translation>
    </message>
    <message>
        <source>SO</source>
        <translation>SO</translation>
    </message>
    <message>
        <source>Shutouts</source>
        <translation>Shutouts</translation>
    </message>
</context>
<context>
    <name>ShootoutWindow</name>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <translation>Penaltyschießen</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Shooter</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Torhüter</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>Te&amp;am:</translation>
    </message>
    <message>
        <source>&amp;Shooter:</source>
        <translation>&amp;Schütze:</translation>
    </message>
    <message>
        <source>G&amp;oalie:</source>
        <translation>T&amp;orhüter:</translation>
    </message>
    <message>
        <source>Card:</source>
        <translation>Karte:</translation>
    </message>
    <message>
        <source>&amp;Goal</source>
        <translation>&amp;Tor</translation>
    </message>
    <message>
        <source>&amp;No Goal</source>
        <translation>&amp;Kein Tor</translation>
    </message>
    <message>
        <source>%1 won the shoot-out.</source>
        <translation>%1 gewinnt das Penaltyschießen.</translation>
    </message>
    <message>
        <source>Overtime ended level: the shoot-out decides. Three rounds, then round by round until one team scores and the other does not.</source>
        <translation>Die Verlängerung endete unentschieden: Das Penaltyschießen entscheidet. Drei Runden, dann Runde um Runde, bis ein Team trifft und das andere nicht.</translation>
    </message>
    <message>
        <source>The league plays no shoot-out (League &gt; Settings).</source>
        <translation>Die Liga spielt kein Penaltyschießen (Liga &gt; Einstellungen).</translation>
    </message>
    <message>
        <source>A shoot-out follows an overtime that ends level.</source>
        <translation>Ein Penaltyschießen folgt auf eine Verlängerung, die unentschieden endet.</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>(nichts)</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Tor</translation>
    </message>
    <message>
        <source>No goal</source>
        <translation>Kein Tor</translation>
    </message>
</context>
<context>
    <name>StandingsWindow</name>
    <message>
        <source>Standings</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>PDF exportieren…</translation>
    </message>
    <message>
        <source>Final games only. Two points for a win, one for a loss in overtime or the shoot-out, one for a tie.</source>
        <translation>Nur beendete Spiele. Zwei Punkte für einen Sieg, einer für eine Niederlage nach Verlängerung oder Penaltyschießen, einer für ein Unentschieden.</translation>
    </message>
</context>
<context>
    <name>Team</name>
    <message>
        <source>Away</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Heim</translation>
    </message>
</context>
<context>
    <name>TeamsWindow</name>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>&amp;League name:</source>
        <translation>&amp;Liganame:</translation>
    </message>
    <message>
        <source>&amp;Add Team</source>
        <translation>Team &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Team…</source>
        <translation>Team &amp;entfernen…</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Short name:</source>
        <translation>&amp;Kurzname:</translation>
    </message>
    <message>
        <source>Add &amp;Player</source>
        <translation>&amp;Spieler hinzufügen</translation>
    </message>
    <message>
        <source>Remo&amp;ve Player</source>
        <translation>Spieler en&amp;tfernen</translation>
    </message>
    <message>
        <source>&amp;Import CSV…</source>
        <translation>CSV &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>CSV e&amp;xportieren…</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>Forward line %1</source>
        <translation>Sturmreihe %1</translation>
    </message>
    <message>
        <source>Defence pair %1</source>
        <translation>Verteidigerpaar %1</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Starter</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Ersatz</translation>
    </message>
    <message>
        <source>Goalies</source>
        <translation>Torhüter</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>New team</source>
        <translation>Neues Team</translation>
    </message>
    <message>
        <source>New team %1</source>
        <translation>Neues Team %1</translation>
    </message>
    <message>
        <source>Remove the team %1 and its roster from the league?</source>
        <translation>Das Team %1 und seinen Kader aus der Liga entfernen?</translation>
    </message>
    <message>
        <source>the name of number %1 is longer than %2 letters</source>
        <translation>der Name von Nummer %1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>another team is named %1</source>
        <translation>ein anderes Team heißt %1</translation>
    </message>
    <message>
        <source>Not to be kept while %1.</source>
        <translation>Nicht speicherbar, solange gilt: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Nothing was kept. %1</source>
        <translation>Es wurde nichts gespeichert. %1</translation>
    </message>
    <message>
        <source>These teams were not kept, for what is wrong with them:
%1</source>
        <translation>Diese Teams wurden nicht gespeichert, weil an ihnen etwas falsch ist:
%1</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>The roster could not be imported from %1.
%2
Nothing of the file was imported.</source>
        <translation>Der Kader konnte nicht aus %1 importiert werden.
%2
Nichts aus der Datei wurde importiert.</translation>
    </message>
    <message>
        <source>The file is larger than any roster.</source>
        <translation>Die Datei ist größer als jeder Kader.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more lines</source>
        <translation>
            <numerusform>und %n weitere Zeile</numerusform>
            <numerusform>und %n weitere Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>The roster could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation>Der Kader konnte nicht nach %1 exportiert werden.
%2
Eine frühere Datei dort bleibt unverändert.</translation>
    </message>
    <message>
        <source>The roster of %1 was exported to %2</source>
        <translation>Der Kader von %1 wurde nach %2 exportiert</translation>
    </message>
</context>
<context>
    <name>ToolWindows</name>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Final: %1 %2, %3 %4</source>
        <translation>Endstand: %1 %2, %3 %4</translation>
    </message>
    <message>
        <source>, OT</source>
        <translation>, n.V.</translation>
    </message>
    <message>
        <source>, SO</source>
        <translation>, n.P.</translation>
    </message>
</context>
</TS>
