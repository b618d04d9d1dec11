<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Command</name>
    <message>
        <source>New Game</source>
        <translation>Ny match</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Ladda match</translation>
    </message>
    <message>
        <source>Resume Game</source>
        <translation>Återuppta match</translation>
    </message>
    <message>
        <source>Timed Flip</source>
        <translation>Vänd med tid</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Vänd</translation>
    </message>
    <message>
        <source>Next Period</source>
        <translation>Nästa period</translation>
    </message>
    <message>
        <source>Away Shot</source>
        <translation>Bortaskott</translation>
    </message>
    <message>
        <source>Home Shot</source>
        <translation>Hemmaskott</translation>
    </message>
    <message>
        <source>Away Goal</source>
        <translation>Bortamål</translation>
    </message>
    <message>
        <source>Home Goal</source>
        <translation>Hemmamål</translation>
    </message>
    <message>
        <source>Add Penalty</source>
        <translation>Ny utvisning</translation>
    </message>
    <message>
        <source>Remove Penalty</source>
        <translation>Ta bort utvisning</translation>
    </message>
    <message>
        <source>Penalty Shot</source>
        <translation>Straffslag</translation>
    </message>
    <message>
        <source>Next Lines</source>
        <translation>Nästa femmor</translation>
    </message>
    <message>
        <source>Pick Lines</source>
        <translation>Välj femmor</translation>
    </message>
    <message>
        <source>Change Goalie</source>
        <translation>Byt målvakt</translation>
    </message>
    <message>
        <source>Edit Goal</source>
        <translation>Ändra mål</translation>
    </message>
    <message>
        <source>Three Stars</source>
        <translation>Tre stjärnor</translation>
    </message>
    <message>
        <source>Update Rosters</source>
        <translation>Uppdatera trupper</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Avsluta match</translation>
    </message>
    <message>
        <source>Shoot-out Attempt</source>
        <translation>Straffförsök</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Rättelse</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gör om</translation>
    </message>
</context>
<context>
    <name>Control</name>
    <message>
        <source>Card number</source>
        <translation>Kortnummer</translation>
    </message>
    <message>
        <source>Pass to</source>
        <translation>Passning till</translation>
    </message>
    <message>
        <source>Pass to, second choice</source>
        <translation>Passning till, andra val</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Händelse</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Strategi</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Skott</translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation>Retur</translation>
    </message>
    <message>
        <source>Loose puck</source>
        <translation>Lös puck</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Utvisning</translation>
    </message>
    <message>
        <source>Lower half card number</source>
        <translation>Nedre halvans kortnummer</translation>
    </message>
    <message>
        <source>Lower half pass to</source>
        <translation>Nedre halvans passning till</translation>
    </message>
    <message>
        <source>Faceoff</source>
        <translation>Tekning</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Assist</translation>
    </message>
    <message>
        <source>Breakaway</source>
        <translation>Friläge</translation>
    </message>
    <message>
        <source>Breakaway defence</source>
        <translation>Friläge, försvar</translation>
    </message>
    <message>
        <source>Lower half shots</source>
        <translation>Nedre halvans skott</translation>
    </message>
    <message>
        <source>Lower half strategy</source>
        <translation>Nedre halvans strategi</translation>
    </message>
    <message>
        <source>Lower half rebound</source>
        <translation>Nedre halvans retur</translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <translation>Straffläggning</translation>
    </message>
    <message>
        <source>Dump-ins</source>
        <translation>Dumpningar</translation>
    </message>
    <message>
        <source>Minor penalty</source>
        <translation>Utvisning 2 min</translation>
    </message>
    <message>
        <source>Major penalty</source>
        <translation>Utvisning 5 min</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Sekunder kvar</translation>
    </message>
    <message>
        <source>Change lines</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>Away team name, %1 table</source>
        <translation>Bortalagets namn, tabell för %1</translation>
    </message>
    <message>
        <source>Home team name, %1 table</source>
        <translation>Hemmalagets namn, tabell för %1</translation>
    </message>
    <message>
        <source>Away %1, period 1</source>
        <translation>Bortalagets %1, period 1</translation>
    </message>
    <message>
        <source>Away %1, period 2</source>
        <translation>Bortalagets %1, period 2</translation>
    </message>
    <message>
        <source>Away %1, period 3</source>
        <translation>Bortalagets %1, period 3</translation>
    </message>
    <message>
        <source>Away %1, overtime</source>
        <translation>Bortalagets %1, förlängning</translation>
    </message>
    <message>
        <source>Away %1, total</source>
        <translation>Bortalagets %1, totalt</translation>
    </message>
    <message>
        <source>Home %1, period 1</source>
        <translation>Hemmalagets %1, period 1</translation>
    </message>
    <message>
        <source>Home %1, period 2</source>
        <translation>Hemmalagets %1, period 2</translation>
    </message>
    <message>
        <source>Home %1, period 3</source>
        <translation>Hemmalagets %1, period 3</translation>
    </message>
    <message>
        <source>Home %1, overtime</source>
        <translation>Hemmalagets %1, förlängning</translation>
    </message>
    <message>
        <source>Home %1, total</source>
        <translation>Hemmalagets %1, totalt</translation>
    </message>
    <message>
        <source>Saved game path</source>
        <translation>Sökväg till sparad match</translation>
    </message>
    <message>
        <source>Flip FAC-Advance Timer</source>
        <translation>Vänd FAC – tiden går</translation>
    </message>
    <message>
        <source>Flip FAC-No Timer Advance</source>
        <translation>Vänd FAC – tiden står</translation>
    </message>
    <message>
        <source>Next Period</source>
        <translation>Nästa period</translation>
    </message>
    <message>
        <source>Home Goal</source>
        <translation>Hemmamål</translation>
    </message>
    <message>
        <source>Away Goal</source>
        <translation>Bortamål</translation>
    </message>
    <message>
        <source>Home Shot</source>
        <translation>Hemmaskott</translation>
    </message>
    <message>
        <source>Away Shot</source>
        <translation>Bortaskott</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>skott</translation>
    </message>
    <message>
        <source>goals</source>
        <translation>mål</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>a quote is opened and never closed</source>
        <translation>ett citattecken öppnas men stängs aldrig</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>text följer efter ett avslutande citattecken</translation>
    </message>
    <message>
        <source>a quote inside a cell that does not begin with one</source>
        <translation>ett citattecken inuti en cell som inte börjar med ett</translation>
    </message>
</context>
<context>
    <name>GameCodec</name>
    <message>
        <source>Its board cannot be read.</source>
        <translation>Dess tavla kan inte läsas.</translation>
    </message>
    <message>
        <source>Its field %1 holds no text that the program could have written.</source>
        <translation>Dess fält %1 innehåller ingen text som programmet kunde ha skrivit.</translation>
    </message>
    <message>
        <source>Its seconds left in the period are not a number from 0 to %1.</source>
        <translation>Dess sekunder kvar av perioden är inte ett tal från 0 till %1.</translation>
    </message>
    <message>
        <source>Its deck is not an order of the %1 cards.</source>
        <translation>Dess kortlek är inte en ordning av de %1 korten.</translation>
    </message>
    <message>
        <source>Its place in the deck is outside the deck.</source>
        <translation>Dess plats i kortleken ligger utanför kortleken.</translation>
    </message>
    <message>
        <source>Its penalty box cannot be read.</source>
        <translation>Dess utvisningsbås kan inte läsas.</translation>
    </message>
    <message>
        <source>Its score sheet cannot be read.</source>
        <translation>Dess matchprotokoll kan inte läsas.</translation>
    </message>
</context>
<context>
    <name>GameController</name>
    <message>
        <source>%1 was looked for in %2.</source>
        <translation>%1 söktes i %2.</translation>
    </message>
    <message>
        <source>%1 was looked for in %2 and in %3.</source>
        <translation>%1 söktes i %2 och i %3.</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Torvane FAC %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The 200 action cards and the score sheet of a tabletop ice-hockey game.&lt;/p&gt;&lt;p&gt;Licensed under the GNU General Public License, version 3 or later. The card texts, the horn and the pictures are licensed under CC BY-SA 4.0.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%4&quot;&gt;%4&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Torvane FAC %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;De 200 händelsekorten och matchprotokollet för ett ishockeyspel på bordet.&lt;/p&gt;&lt;p&gt;Licensierad under GNU General Public License, version 3 eller senare. Korttexterna, signalhornet och bilderna är licensierade under CC BY-SA 4.0.&lt;/p&gt;&lt;p&gt;Byggd med Qt %2, körs på Qt %3.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%4&quot;&gt;%4&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Torvane FAC</source>
        <translation>Om Torvane FAC</translation>
    </message>
    <message>
        <source>The game could not be saved to %1.
%2
Any earlier saved game there is unchanged.</source>
        <translation>Matchen kunde inte sparas till %1.
%2
En tidigare sparad match där är oförändrad.</translation>
    </message>
    <message>
        <source>TVN (*.TVN)</source>
        <translation>TVN (*.TVN)</translation>
    </message>
    <message>
        <source>The game could not be loaded from %1.
%2
Nothing was changed.</source>
        <translation>Matchen kunde inte laddas från %1.
%2
Ingenting ändrades.</translation>
    </message>
    <message>
        <source>The league already counts this game as final.</source>
        <translation>Ligan räknar redan den här matchen som avslutad.</translation>
    </message>
    <message>
        <source>End this game now? The league will count it as final whatever the score.
%1.
Undo takes it back.</source>
        <translation>Avsluta matchen nu? Ligan räknar den som avslutad oavsett ställning.
%1.
Ångra tar tillbaka det.</translation>
    </message>
    <message>
        <source>against %1</source>
        <translation>mot %1</translation>
    </message>
    <message>
        <source>goal</source>
        <translation>mål</translation>
    </message>
    <message>
        <source>no goal</source>
        <translation>inget mål</translation>
    </message>
    <message>
        <source>Round %1, %2: %3</source>
        <translation>Omgång %1, %2: %3</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>The game log could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation>Matchloggen kunde inte exporteras till %1.
%2
En tidigare fil där är oförändrad.</translation>
    </message>
    <message>
        <source>The game log was exported to %1</source>
        <translation>Matchloggen exporterades till %1</translation>
    </message>
    <message>
        <source>%1: forward line %2, defence pair %3</source>
        <translation>%1: kedja %2, backpar %3</translation>
    </message>
    <message>
        <source>%1 net empty, extra attacker</source>
        <translation>%1: tom bur, extra utespelare</translation>
    </message>
    <message>
        <source>%1 goalie %2</source>
        <translation>%1: målvakt %2</translation>
    </message>
    <message>
        <source>%1 goal %2 (%3 %4): %5</source>
        <translation>%1, mål %2 (%3 %4): %5</translation>
    </message>
    <message>
        <source>as proposed</source>
        <translation>enligt förslag</translation>
    </message>
</context>
<context>
    <name>GameLog</name>
    <message>
        <source>New game</source>
        <translation>Ny match</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Ladda match</translation>
    </message>
    <message>
        <source>Resume game</source>
        <translation>Återuppta match</translation>
    </message>
    <message>
        <source>Timed flip</source>
        <translation>Vänd med tid</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Vänd</translation>
    </message>
    <message>
        <source>Next period</source>
        <translation>Nästa period</translation>
    </message>
    <message>
        <source>Away shot</source>
        <translation>Bortaskott</translation>
    </message>
    <message>
        <source>Home shot</source>
        <translation>Hemmaskott</translation>
    </message>
    <message>
        <source>Away goal</source>
        <translation>Bortamål</translation>
    </message>
    <message>
        <source>Home goal</source>
        <translation>Hemmamål</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Utvisning</translation>
    </message>
    <message>
        <source>Penalty removed</source>
        <translation>Utvisning borttagen</translation>
    </message>
    <message>
        <source>Penalty shot</source>
        <translation>Straffslag</translation>
    </message>
    <message>
        <source>Next lines</source>
        <translation>Nästa femmor</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Femmor</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Målvakt</translation>
    </message>
    <message>
        <source>Goal details</source>
        <translation>Måldetaljer</translation>
    </message>
    <message>
        <source>Three stars</source>
        <translation>Tre stjärnor</translation>
    </message>
    <message>
        <source>Rosters</source>
        <translation>Trupper</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Avsluta match</translation>
    </message>
    <message>
        <source>Shoot-out attempt</source>
        <translation>Straffförsök</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Rättelse</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gör om</translation>
    </message>
    <message>
        <source>Change lines</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>End of period</source>
        <translation>Periodslut</translation>
    </message>
    <message>
        <source>Penalty over</source>
        <translation>Utvisning slut</translation>
    </message>
    <message>
        <source>Penalty ended by a goal</source>
        <translation>Utvisning avbruten av mål</translation>
    </message>
    <message>
        <source>First minor ended by a goal</source>
        <translation>Första 2 min avbruten av mål</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Slut</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Händelse</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detaljer</translation>
    </message>
    <message>
        <source>%1 team</source>
        <translation>%1laget</translation>
    </message>
    <message>
        <source>Upper half %1, lower half %2</source>
        <translation>Övre halva %1, nedre halva %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ingen</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ställning</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Skott</translation>
    </message>
    <message>
        <source> for %1</source>
        <translation> för %1</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>2 min</translation>
    </message>
    <message>
        <source>double minor</source>
        <translation>2+2 min</translation>
    </message>
    <message>
        <source>major</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>misconduct</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>penalty shot</source>
        <translation>straffslag</translation>
    </message>
    <message>
        <source> (penalty %1)</source>
        <translation> (utvisning %1)</translation>
    </message>
</context>
<context>
    <name>GameLogWindow</name>
    <message>
        <source>Game Log</source>
        <translation>Matchlogg</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportera…</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Match</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gör om</translation>
    </message>
    <message>
        <source>Game Log…</source>
        <translation>Matchlogg…</translation>
    </message>
    <message>
        <source>Penalty Box…</source>
        <translation>Utvisningsbås…</translation>
    </message>
    <message>
        <source>On Ice…</source>
        <translation>På isen…</translation>
    </message>
    <message>
        <source>Next Lines</source>
        <translation>Nästa femmor</translation>
    </message>
    <message>
        <source>Goal Details…</source>
        <translation>Måldetaljer…</translation>
    </message>
    <message>
        <source>Game Sheet…</source>
        <translation>Matchprotokoll…</translation>
    </message>
    <message>
        <source>End Game…</source>
        <translation>Avsluta match…</translation>
    </message>
    <message>
        <source>Shoot-out…</source>
        <translation>Straffläggning…</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Ångra %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Gör om %1</translation>
    </message>
</context>
<context>
    <name>GameSheet</name>
    <message>
        <source>Game Sheet</source>
        <translation>Matchprotokoll</translation>
    </message>
    <message>
        <source>%1 (away) at %2 (home)</source>
        <translation>%1 (borta) mot %2 (hemma)</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Skott</translation>
    </message>
    <message>
        <source>%1 total</source>
        <translation>%1 totalt</translation>
    </message>
    <message>
        <source>Scoring and shots by period</source>
        <translation>Mål och skott per period</translation>
    </message>
    <message>
        <source>No goals</source>
        <translation>Inga mål</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Scorer</source>
        <translation>Målskytt</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Assist</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>No penalties</source>
        <translation>Inga utvisningar</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Utvisningar</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>Infraction</source>
        <translation>Förseelse</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Slut</translation>
    </message>
    <message>
        <source>Empty net</source>
        <translation>Tom bur</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Målvakt</translation>
    </message>
    <message>
        <source>Saves %1</source>
        <translation>Räddningar %1</translation>
    </message>
    <message>
        <source>Saves</source>
        <translation>Räddningar</translation>
    </message>
    <message>
        <source>Shots against</source>
        <translation>Skott mot</translation>
    </message>
    <message>
        <source>Goals against</source>
        <translation>Insläppta mål</translation>
    </message>
    <message>
        <source>No shots</source>
        <translation>Inga skott</translation>
    </message>
    <message>
        <source>Goalkeeping</source>
        <translation>Målvakter</translation>
    </message>
    <message>
        <source>No roster</source>
        <translation>Ingen trupp</translation>
    </message>
    <message>
        <source>Box score: %1</source>
        <translation>Spelarstatistik: %1</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>G</source>
        <translation>M</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>PTS</source>
        <translation>P</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>UTV</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>SA</source>
        <translation>SKM</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>IM</translation>
    </message>
    <message>
        <source>SV</source>
        <translation>RÄDD</translation>
    </message>
    <message>
        <source>First star</source>
        <translation>Första stjärnan</translation>
    </message>
    <message>
        <source>Second star</source>
        <translation>Andra stjärnan</translation>
    </message>
    <message>
        <source>Third star</source>
        <translation>Tredje stjärnan</translation>
    </message>
    <message>
        <source>Three stars</source>
        <translation>Tre stjärnor</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stjärna</translation>
    </message>
    <message>
        <source>Print Game Sheet</source>
        <translation>Skriv ut matchprotokoll</translation>
    </message>
</context>
<context>
    <name>GameSheetWindow</name>
    <message>
        <source>Game Sheet</source>
        <translation>Matchprotokoll</translation>
    </message>
    <message>
        <source>First star:</source>
        <translation>Första stjärnan:</translation>
    </message>
    <message>
        <source>Second star:</source>
        <translation>Andra stjärnan:</translation>
    </message>
    <message>
        <source>Third star:</source>
        <translation>Tredje stjärnan:</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exportera PDF…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Skriv ut…</translation>
    </message>
    <message>
        <source>(proposed) %1</source>
        <translation>(förslag) %1</translation>
    </message>
    <message>
        <source>(proposed) nobody</source>
        <translation>(förslag) ingen</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>PDF-filen kunde inte skapas.</translation>
    </message>
    <message>
        <source>The game sheet could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation>Matchprotokollet kunde inte exporteras till %1.
%2
En tidigare fil där är oförändrad.</translation>
    </message>
    <message>
        <source>The game sheet was exported to %1</source>
        <translation>Matchprotokollet exporterades till %1</translation>
    </message>
    <message>
        <source>The game sheet could not be printed.</source>
        <translation>Matchprotokollet kunde inte skrivas ut.</translation>
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
        <translation>Okänd</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Avslutad</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>Pågår</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Senast spelad</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Borta</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Hemma</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Tid</translation>
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
        <translation>Matcher</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Återuppta</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Ta bort…</translation>
    </message>
    <message>
        <source>Delete the game %1 against %2, last played %3? It cannot be brought back.</source>
        <translation>Ta bort matchen %1 mot %2, senast spelad %3? Den kan inte återställas.</translation>
    </message>
</context>
<context>
    <name>GoalDetailsWindow</name>
    <message>
        <source>1st</source>
        <translation>1:a</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2:a</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3:e</translation>
    </message>
    <message>
        <source>Goal Details</source>
        <translation>Måldetaljer</translation>
    </message>
    <message>
        <source>&amp;Goal:</source>
        <translation>&amp;Mål:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>&amp;Scorer:</source>
        <translation>Mål&amp;skytt:</translation>
    </message>
    <message>
        <source>&amp;First assist:</source>
        <translation>&amp;Första assist:</translation>
    </message>
    <message>
        <source>S&amp;econd assist:</source>
        <translation>&amp;Andra assist:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Verkställ</translation>
    </message>
    <message>
        <source>%1. %2 %3 %4</source>
        <translation>%1. %2 %3 %4</translation>
    </message>
    <message>
        <source>No goal has been scored in this game yet.</source>
        <translation>Inget mål har gjorts i matchen än.</translation>
    </message>
    <message>
        <source>This team plays without a roster: there is nobody to name.</source>
        <translation>Laget spelar utan trupp: det finns ingen att ange.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Okänd</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
</context>
<context>
    <name>LeadersWindow</name>
    <message>
        <source>Leaders</source>
        <translation>Topplistor</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>&amp;Lag:</translation>
    </message>
    <message>
        <source>&amp;Skaters</source>
        <translation>&amp;Utespelare</translation>
    </message>
    <message>
        <source>&amp;Goalies</source>
        <translation>&amp;Målvakter</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportera CSV…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exportera PDF…</translation>
    </message>
    <message>
        <source>Final games only. GAA: goals against per game played.</source>
        <translation>Endast avslutade matcher. GAA: insläppta mål per spelad match.</translation>
    </message>
    <message>
        <source>All teams</source>
        <translation>Alla lag</translation>
    </message>
    <message>
        <source>Skaters</source>
        <translation>Utespelare</translation>
    </message>
    <message>
        <source>Goalies</source>
        <translation>Målvakter</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 i %2</translation>
    </message>
</context>
<context>
    <name>League</name>
    <message>
        <source>Its %1 is larger than any this program writes.</source>
        <translation>Dess %1 är större än vad programmet skriver.</translation>
    </message>
    <message>
        <source>Its game log cannot be read: %1.</source>
        <translation>Dess matchlogg kan inte läsas: %1.</translation>
    </message>
    <message>
        <source>game log</source>
        <translation>matchlogg</translation>
    </message>
    <message>
        <source>Its game log holds an event this program does not know: %1.</source>
        <translation>Dess matchlogg innehåller en händelse som programmet inte känner till: %1.</translation>
    </message>
    <message>
        <source>board</source>
        <translation>tavla</translation>
    </message>
    <message>
        <source>deck</source>
        <translation>kortlek</translation>
    </message>
    <message>
        <source>penalty box</source>
        <translation>utvisningsbås</translation>
    </message>
    <message>
        <source>score sheet</source>
        <translation>matchprotokoll</translation>
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
        <translation>Filen %1 finns redan, och en liga skrivs aldrig över. Öppna den som liga i stället?</translation>
    </message>
    <message>
        <source>This is the league in use: its games are here already.</source>
        <translation>Det här är ligan som används: dess matcher finns redan här.</translation>
    </message>
    <message>
        <source>No game was imported. %1</source>
        <translation>Ingen match importerades. %1</translation>
    </message>
</context>
<context>
    <name>LeagueImport</name>
    <message>
        <source>No game was imported. %1</source>
        <translation>Ingen match importerades. %1</translation>
    </message>
    <message>
        <source>Games imported: %1. Already in this league: %2. Refused: %3.</source>
        <translation>Importerade matcher: %1. Redan i ligan: %2. Avvisade: %3.</translation>
    </message>
    <message>
        <source>Teams added: %1.</source>
        <translation>Tillagda lag: %1.</translation>
    </message>
    <message>
        <source>These teams&apos; players differ between the two leagues; this league&apos;s rosters are left as they are:</source>
        <translation>Spelarna i dessa lag skiljer sig mellan de två ligorna; den här ligans trupper lämnas som de är:</translation>
    </message>
    <message>
        <source>Teams not imported:</source>
        <translation>Lag som inte importerades:</translation>
    </message>
    <message>
        <source>number %1, %2, only here</source>
        <translation>nummer %1, %2, bara här</translation>
    </message>
    <message>
        <source>number %1 is %2 here and %3 there</source>
        <translation>nummer %1 är %2 här och %3 där</translation>
    </message>
    <message>
        <source>number %1, %2, only there</source>
        <translation>nummer %1, %2, bara där</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>– and %1 more.</source>
        <translation>– och %1 till.</translation>
    </message>
    <message>
        <source>Its game log is another game&apos;s too.</source>
        <translation>Dess matchlogg hör också till en annan match.</translation>
    </message>
</context>
<context>
    <name>LeagueKeeper</name>
    <message>
        <source>The league file %1 is no longer there. The league in %2 is used instead.</source>
        <translation>Ligafilen %1 finns inte längre. Ligan i %2 används i stället.</translation>
    </message>
    <message>
        <source>%1

The league in use is still %2.</source>
        <translation>%1

Ligan som används är fortfarande %2.</translation>
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
        <translation>Matcher…</translation>
    </message>
    <message>
        <source>Teams…</source>
        <translation>Lag…</translation>
    </message>
    <message>
        <source>Standings…</source>
        <translation>Tabell…</translation>
    </message>
    <message>
        <source>Leaders…</source>
        <translation>Topplistor…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Inställningar…</translation>
    </message>
    <message>
        <source>New League…</source>
        <translation>Ny liga…</translation>
    </message>
    <message>
        <source>Open League…</source>
        <translation>Öppna liga…</translation>
    </message>
    <message>
        <source>Import Games…</source>
        <translation>Importera matcher…</translation>
    </message>
</context>
<context>
    <name>LeagueSettingsWindow</name>
    <message>
        <source>League Settings</source>
        <translation>Ligainställningar</translation>
    </message>
    <message>
        <source>&amp;Sudden death: the first goal in overtime ends the game</source>
        <translation>&amp;Sudden death: första målet i förlängningen avgör matchen</translation>
    </message>
    <message>
        <source>20:00, played to 0:00</source>
        <translation>20:00, spelas till 0:00</translation>
    </message>
    <message>
        <source>5:00, over when the clock reaches 15:00</source>
        <translation>5:00, slut när klockan når 15:00</translation>
    </message>
    <message>
        <source>%1 on %1</source>
        <translation>%1 mot %1</translation>
    </message>
    <message>
        <source>S&amp;hoot-out when overtime ends level</source>
        <translation>St&amp;raffläggning när förlängningen slutar oavgjord</translation>
    </message>
    <message>
        <source>Overtime &amp;length:</source>
        <translation>Förlängningens &amp;längd:</translation>
    </message>
    <message>
        <source>Overtime s&amp;trength:</source>
        <translation>&amp;Numerär i förlängningen:</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>Stan&amp;dard</translation>
    </message>
    <message>
        <source>A game plays under the rules in force when it began: changes here take effect from the next game.</source>
        <translation>En match spelas enligt de regler som gällde när den började: ändringar här gäller från nästa match.</translation>
    </message>
</context>
<context>
    <name>LeagueStore</name>
    <message>
        <source>The games of the other league file cannot be read: %1.</source>
        <translation>Matcherna i den andra ligafilen kan inte läsas: %1.</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 hos %2, %3</translation>
    </message>
    <message>
        <source>%1: its id is none this program writes.</source>
        <translation>%1: dess id är inget som programmet skriver.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>This league file cannot be written.</source>
        <translation>Ligafilen kan inte skrivas.</translation>
    </message>
    <message>
        <source>The league file is not open.</source>
        <translation>Ligafilen är inte öppen.</translation>
    </message>
    <message>
        <source>The game cannot be read: %1.</source>
        <translation>Matchen kan inte läsas: %1.</translation>
    </message>
    <message>
        <source>The game is not in the league.</source>
        <translation>Matchen finns inte i ligan.</translation>
    </message>
    <message>
        <source>Its state is none this program knows: %1.</source>
        <translation>Dess status är ingen som programmet känner till: %1.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>okänt fel</translation>
    </message>
    <message>
        <source>The league file %1 is damaged (%2). It is kept as %3, and a new league file was started.</source>
        <translation>Ligafilen %1 är skadad (%2). Den sparas som %3, och en ny ligafil påbörjades.</translation>
    </message>
    <message>
        <source>The league file %1 cannot be written: %2. Games are not kept until it can be.</source>
        <translation>Ligafilen %1 kan inte skrivas: %2. Matcher sparas inte förrän det går.</translation>
    </message>
    <message>
        <source>The league file %1 cannot be made: its folder cannot be made. Games are not kept until it can be.</source>
        <translation>Ligafilen %1 kan inte skapas: dess mapp kan inte skapas. Matcher sparas inte förrän det går.</translation>
    </message>
    <message>
        <source>The file %1 is not a league file of Torvane FAC. It is kept as %2, and a new league file was started.</source>
        <translation>Filen %1 är ingen ligafil för Torvane FAC. Den sparas som %2, och en ny ligafil påbörjades.</translation>
    </message>
    <message>
        <source>The league file %1 was written by a later version of Torvane FAC. Its games can be resumed, but no game is kept in it.</source>
        <translation>Ligafilen %1 skrevs av en senare version av Torvane FAC. Dess matcher kan återupptas, men ingen match sparas i den.</translation>
    </message>
    <message>
        <source>its integrity check failed</source>
        <translation>dess integritetskontroll misslyckades</translation>
    </message>
    <message>
        <source>The file %1 cannot be found.</source>
        <translation>Filen %1 kan inte hittas.</translation>
    </message>
    <message>
        <source>The file %1 is damaged (%2).</source>
        <translation>Filen %1 är skadad (%2).</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Filen %1 kan inte läsas: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a league file of Torvane FAC.</source>
        <translation>Filen %1 är ingen ligafil för Torvane FAC.</translation>
    </message>
    <message>
        <source>The league file %1 was written by an earlier version of Torvane FAC. Open it once with League &gt; Open League… to bring it up to date.</source>
        <translation>Ligafilen %1 skrevs av en tidigare version av Torvane FAC. Öppna den en gång med Liga &gt; Öppna liga… för att uppdatera den.</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt (the package libqt6sql6-sqlite) is not installed</source>
        <translation>Qt:s SQLite-drivrutin (paketet libqt6sql6-sqlite) är inte installerad</translation>
    </message>
    <message>
        <source>it is not a league file</source>
        <translation>det är ingen ligafil</translation>
    </message>
    <message>
        <source>its journal cannot be kept beside it</source>
        <translation>dess journal kan inte hållas bredvid den</translation>
    </message>
    <message>
        <source>its tables are not those of a league file</source>
        <translation>dess tabeller är inte en ligafils</translation>
    </message>
    <message>
        <source>it is damaged and cannot be moved aside: %1</source>
        <translation>den är skadad och kan inte flyttas undan: %1</translation>
    </message>
    <message>
        <source>The league file %1 is damaged (%2). Games are not kept until New Game starts a new league file.</source>
        <translation>Ligafilen %1 är skadad (%2). Matcher sparas inte förrän Ny match påbörjar en ny ligafil.</translation>
    </message>
    <message>
        <source>The league file %1 cannot be written: %2. Games are not kept until New Game finds it can be.</source>
        <translation>Ligafilen %1 kan inte skrivas: %2. Matcher sparas inte förrän Ny match finner att det går.</translation>
    </message>
    <message>
        <source>The teams of the league file cannot be read: %1.</source>
        <translation>Ligafilens lag kan inte läsas: %1.</translation>
    </message>
    <message>
        <source>A team in the league file cannot be read: %1. It is left as it is.</source>
        <translation>Ett lag i ligafilen kan inte läsas: %1. Det lämnas som det är.</translation>
    </message>
    <message>
        <source>The team “%1” in the league file cannot be read: %2. It is left as it is.</source>
        <translation>Laget ”%1” i ligafilen kan inte läsas: %2. Det lämnas som det är.</translation>
    </message>
    <message>
        <source>its names are not text this program writes</source>
        <translation>dess namn är inte text som programmet skriver</translation>
    </message>
    <message>
        <source>its roster is larger than any this program writes</source>
        <translation>dess trupp är större än någon som programmet skriver</translation>
    </message>
    <message>
        <source>another team has its name</source>
        <translation>ett annat lag har dess namn</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>About Torvane FAC</source>
        <translation>Om Torvane FAC</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Om Qt</translation>
    </message>
</context>
<context>
    <name>OnIceWindow</name>
    <message>
        <source>Loose puck</source>
        <translation>Lös puck</translation>
    </message>
    <message>
        <source>Faceoff</source>
        <translation>Tekning</translation>
    </message>
    <message>
        <source>On Ice</source>
        <translation>På isen</translation>
    </message>
    <message>
        <source>Whom the card&apos;s attack and defence mean</source>
        <translation>Vilka kortets anfall och försvar avser</translation>
    </message>
    <message>
        <source>&amp;Puck:</source>
        <translation>&amp;Puck:</translation>
    </message>
    <message>
        <source>&amp;Next Lines</source>
        <translation>&amp;Nästa femmor</translation>
    </message>
    <message>
        <source>Both teams change to their next forward line and defence pair (F4)</source>
        <translation>Båda lagen byter till nästa kedja och backpar (F4)</translation>
    </message>
    <message>
        <source>This team plays without a roster. To give it one, add the team in League &gt; Teams… and type its name in the SHOTS table.</source>
        <translation>Laget spelar utan trupp. Lägg till laget under Liga &gt; Lag… och skriv dess namn i tabellen SHOTS för att ge det en trupp.</translation>
    </message>
    <message>
        <source>Forwards:</source>
        <translation>Anfallare:</translation>
    </message>
    <message>
        <source>Defence:</source>
        <translation>Backar:</translation>
    </message>
    <message>
        <source>Goalie:</source>
        <translation>Målvakt:</translation>
    </message>
    <message>
        <source>Either team has it</source>
        <translation>Något av lagen</translation>
    </message>
    <message>
        <source>Empty net</source>
        <translation>Tom bur</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Kedja %1</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Backpar %1</translation>
    </message>
    <message>
        <source>Empty net (extra attacker)</source>
        <translation>Tom bur (extra utespelare)</translation>
    </message>
</context>
<context>
    <name>PenaltyBox</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 mot %2</translation>
    </message>
</context>
<context>
    <name>PenaltyBoxWindow</name>
    <message>
        <source>Minor</source>
        <translation>2 min</translation>
    </message>
    <message>
        <source>Double minor</source>
        <translation>2+2 min</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>Misconduct</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>Penalty shot</source>
        <translation>Straffslag</translation>
    </message>
    <message>
        <source>Penalty Box</source>
        <translation>Utvisningsbås</translation>
    </message>
    <message>
        <source>New penalty</source>
        <translation>Ny utvisning</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Lag:</translation>
    </message>
    <message>
        <source>Number and name (optional)</source>
        <translation>Nummer och namn (valfritt)</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Spelare:</translation>
    </message>
    <message>
        <source>I&amp;nfraction:</source>
        <translation>&amp;Förseelse:</translation>
    </message>
    <message>
        <source>Tripping, Fighting... (optional)</source>
        <translation>Fällning, Slagsmål... (valfritt)</translation>
    </message>
    <message>
        <source>M&amp;inor (2:00)</source>
        <translation>&amp;Mindre straff (2:00)</translation>
    </message>
    <message>
        <source>Penalty:</source>
        <translation>Utvisning:</translation>
    </message>
    <message>
        <source>&amp;Double minor (4:00)</source>
        <translation>&amp;Dubbelt mindre straff (4:00)</translation>
    </message>
    <message>
        <source>Ma&amp;jor (5:00)</source>
        <translation>Stö&amp;rre straff (5:00)</translation>
    </message>
    <message>
        <source>Misc&amp;onduct (10:00)</source>
        <translation>&amp;Tiominutersutvisning (10:00)</translation>
    </message>
    <message>
        <source>Penalty &amp;shot</source>
        <translation>Straffsla&amp;g</translation>
    </message>
    <message>
        <source>From &amp;card</source>
        <translation>Från &amp;kort</translation>
    </message>
    <message>
        <source>The kind the card&apos;s penalty cell calls, and the infraction of its lower half</source>
        <translation>Den typ som kortets utvisningsruta anger, och förseelsen från dess nedre halva</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Lägg till</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Utvisning</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tid kvar</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>In the &amp;box:</source>
        <translation>&amp;I båset:</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Numerär:</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>T&amp;a bort</translation>
    </message>
    <message>
        <source>A&amp;way</source>
        <translation>&amp;Borta</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Hemma</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Väntar</translation>
    </message>
    <message>
        <source>Coincidental</source>
        <translation>Samtidig</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Pågår</translation>
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
        <translation>Matchen kan inte återupptas. %1</translation>
    </message>
    <message>
        <source>The league file cannot be written to.</source>
        <translation>Ligafilen kan inte skrivas till.</translation>
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
        <translation>Tabellen ”%1” kunde inte exporteras till %2.
%3
En tidigare fil där är oförändrad.</translation>
    </message>
    <message>
        <source>The table “%1” was exported to %2</source>
        <translation>Tabellen ”%1” exporterades till %2</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>the team has no name</source>
        <translation>laget har inget namn</translation>
    </message>
    <message>
        <source>the short name must be 1 to %1 letters</source>
        <translation>kortnamnet måste vara 1 till %1 bokstäver</translation>
    </message>
    <message>
        <source>number %1 is not from 0 to %2</source>
        <translation>nummer %1 är inte från 0 till %2</translation>
    </message>
    <message>
        <source>number %1 is given twice</source>
        <translation>nummer %1 anges två gånger</translation>
    </message>
    <message>
        <source>number %1 has no name</source>
        <translation>nummer %1 har inget namn</translation>
    </message>
    <message>
        <source>number %1 in %2 is not on the team</source>
        <translation>nummer %1 i %2 finns inte i laget</translation>
    </message>
    <message>
        <source>number %1 has more than one place in the lines</source>
        <translation>nummer %1 har mer än en plats i uppställningen</translation>
    </message>
    <message>
        <source>number %1 plays %2 and cannot be %3</source>
        <translation>nummer %1 spelar %2 och kan inte vara %3</translation>
    </message>
    <message>
        <source>number %1 plays %2 and cannot play in %3</source>
        <translation>nummer %1 spelar %2 och kan inte spela i %3</translation>
    </message>
    <message>
        <source>forward line %1</source>
        <translation>kedja %1</translation>
    </message>
    <message>
        <source>defence pair %1</source>
        <translation>backpar %1</translation>
    </message>
    <message>
        <source>the starting goalie</source>
        <translation>startmålvakten</translation>
    </message>
    <message>
        <source>the backup goalie</source>
        <translation>reservmålvakten</translation>
    </message>
</context>
<context>
    <name>RosterCodec</name>
    <message>
        <source>its roster has more than %1 players</source>
        <translation>dess trupp har fler än %1 spelare</translation>
    </message>
    <message>
        <source>a player of its roster has no number from 0 to %1</source>
        <translation>en spelare i truppen har inget nummer från 0 till %1</translation>
    </message>
    <message>
        <source>number %1 has no name this program writes</source>
        <translation>nummer %1 har inget namn som programmet skriver</translation>
    </message>
    <message>
        <source>number %1 has no position C, LW, RW, D or G</source>
        <translation>nummer %1 har ingen position C, LW, RW, D eller G</translation>
    </message>
    <message>
        <source>%1 has two players at %2</source>
        <translation>%1 har två spelare på %2</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>“%1” is not a place in the lines</source>
        <translation>”%1” är ingen plats i uppställningen</translation>
    </message>
    <message>
        <source>%1 is number %2 already</source>
        <translation>%1 är redan nummer %2</translation>
    </message>
    <message>
        <source>%1 has number %2 at %3 already</source>
        <translation>%1 har redan nummer %2 på %3</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Rad %1: %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>filen är tom</translation>
    </message>
    <message>
        <source>the first line is not the header %1</source>
        <translation>första raden är inte rubriken %1</translation>
    </message>
    <message>
        <source>%1 cells where there should be %2</source>
        <translation>%1 celler där det borde vara %2</translation>
    </message>
    <message>
        <source>the number “%1” is not from 0 to %2</source>
        <translation>numret ”%1” är inte från 0 till %2</translation>
    </message>
    <message>
        <source>number %1 is on line %2 already</source>
        <translation>nummer %1 finns redan på rad %2</translation>
    </message>
    <message>
        <source>number %1 has no name</source>
        <translation>nummer %1 har inget namn</translation>
    </message>
    <message>
        <source>“%1” is not a position: C, LW, RW, D or G</source>
        <translation>”%1” är ingen position: C, LW, RW, D eller G</translation>
    </message>
    <message>
        <source>the file lists no players</source>
        <translation>filen innehåller inga spelare</translation>
    </message>
</context>
<context>
    <name>RosterModel</name>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
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
        <translation>HOME pekar inte på en mapp</translation>
    </message>
    <message>
        <source>The folder %1 could not be made: %2.</source>
        <translation>Mappen %1 kunde inte skapas: %2.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The file is not text this program can read.</source>
        <translation>Filen är inte text som programmet kan läsa.</translation>
    </message>
    <message>
        <source>It holds %1 of the %2 lines of a saved game.</source>
        <translation>Den innehåller %1 av de %2 raderna i en sparad match.</translation>
    </message>
    <message>
        <source>Its line %1, the seconds left in the period, is not a number from 0 to %2.</source>
        <translation>Dess rad %1, sekunderna kvar av perioden, är inte ett tal från 0 till %2.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Filen finns inte.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Det är inte en fil.</translation>
    </message>
    <message>
        <source>It is too large to be a saved game.</source>
        <translation>Den är för stor för att vara en sparad match.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>Den kan inte läsas: %1.</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>scored by %1</source>
        <translation>målskytt %1</translation>
    </message>
    <message>
        <source>no assist</source>
        <translation>ingen assist</translation>
    </message>
    <message>
        <source>assists %1</source>
        <translation>assist %1</translation>
    </message>
</context>
<context>
    <name>SeasonModel</name>
    <message>
        <source>Team</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>GP</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Spelade matcher</translation>
    </message>
    <message>
        <source>W</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Vinster</translation>
    </message>
    <message>
        <source>L</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Losses in regulation</source>
        <translation>Förluster under ordinarie tid</translation>
    </message>
    <message>
        <source>OTL</source>
        <translation>ÖTF</translation>
    </message>
    <message>
        <source>Losses in overtime or the shoot-out</source>
        <translation>Förluster i förlängning eller straffläggning</translation>
    </message>
    <message>
        <source>T</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Games ended level</source>
        <translation>Oavgjorda matcher</translation>
    </message>
    <message>
        <source>PTS</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>GM</translation>
    </message>
    <message>
        <source>Goals for</source>
        <translation>Gjorda mål</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>IM</translation>
    </message>
    <message>
        <source>Goals against</source>
        <translation>Insläppta mål</translation>
    </message>
    <message>
        <source>DIFF</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Goal difference</source>
        <translation>Målskillnad</translation>
    </message>
    <message>
        <source>Last 10</source>
        <translation>Senaste 10</translation>
    </message>
    <message>
        <source>The last ten games: wins, losses, overtime losses (and ties)</source>
        <translation>De tio senaste matcherna: vinster, förluster, förluster efter förlängning (och oavgjorda)</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spelare</translation>
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
        <translation>M</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Assist</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>UTV</translation>
    </message>
    <message>
        <source>Penalty minutes</source>
        <translation>Utvisningsminuter</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Plus/minus</source>
        <translation>Plus/minus</translation>
    </message>
    <message>
        <source>SA</source>
        <translation>SKM</translation>
    </message>
    <message>
        <source>Shots against</source>
        <translation>Skott mot</translation>
    </message>
    <message>
        <source>GAA</source>
        <translation>GAA</translation>
    </message>
    <message>
        <source>Goals against per game played</source>
        <translation>Insläppta mål per spelad match</translation>
    </message>
    <message>
        <source>SV%</source>
        <translation>RÄDD%</translation>
    </message>
    <message>
        <source>Saves per shot against</source>
        <translation>Räddningar per skott mot</translation>
    </message>
    <message>
        <source>SO</source>
        <translation>NOLL</translation>
    </message>
    <message>
        <source>Shutouts</source>
        <translation>Nollor</translation>
    </message>
</context>
<context>
    <name>ShootoutWindow</name>
    <message>
        <source>(none)</source>
        <translation>(ingen)</translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <translation>Straffläggning</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Omgång</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Shooter</source>
        <translation>Skytt</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Målvakt</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>L&amp;ag:</translation>
    </message>
    <message>
        <source>&amp;Shooter:</source>
        <translation>&amp;Skytt:</translation>
    </message>
    <message>
        <source>G&amp;oalie:</source>
        <translation>&amp;Målvakt:</translation>
    </message>
    <message>
        <source>Card:</source>
        <translation>Kort:</translation>
    </message>
    <message>
        <source>&amp;Goal</source>
        <translation>Må&amp;l</translation>
    </message>
    <message>
        <source>&amp;No Goal</source>
        <translation>&amp;Inget mål</translation>
    </message>
    <message>
        <source>%1 won the shoot-out.</source>
        <translation>%1 vann straffläggningen.</translation>
    </message>
    <message>
        <source>Overtime ended level: the shoot-out decides. Three rounds, then round by round until one team scores and the other does not.</source>
        <translation>Förlängningen slutade oavgjord: straffläggning avgör. Tre omgångar, sedan en omgång i taget tills ett lag gör mål och det andra inte.</translation>
    </message>
    <message>
        <source>The league plays no shoot-out (League &gt; Settings).</source>
        <translation>Ligan spelar ingen straffläggning (Liga &gt; Inställningar).</translation>
    </message>
    <message>
        <source>A shoot-out follows an overtime that ends level.</source>
        <translation>Straffläggning följer efter en förlängning som slutar oavgjord.</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>(ingenting)</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>No goal</source>
        <translation>Inget mål</translation>
    </message>
</context>
<context>
    <name>StandingsWindow</name>
    <message>
        <source>Standings</source>
        <translation>Tabell</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportera CSV…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exportera PDF…</translation>
    </message>
    <message>
        <source>Final games only. Two points for a win, one for a loss in overtime or the shoot-out, one for a tie.</source>
        <translation>Endast avslutade matcher. Två poäng för vinst, en för förlust i förlängning eller straffläggning, en för oavgjort.</translation>
    </message>
</context>
<context>
    <name>Team</name>
    <message>
        <source>Away</source>
        <translation>Borta</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Hemma</translation>
    </message>
</context>
<context>
    <name>TeamsWindow</name>
    <message>
        <source>(no name)</source>
        <translation>(inget namn)</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>&amp;League name:</source>
        <translation>&amp;Ligans namn:</translation>
    </message>
    <message>
        <source>&amp;Add Team</source>
        <translation>Lägg till la&amp;g</translation>
    </message>
    <message>
        <source>&amp;Remove Team…</source>
        <translation>&amp;Ta bort lag…</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Namn:</translation>
    </message>
    <message>
        <source>&amp;Short name:</source>
        <translation>&amp;Kortnamn:</translation>
    </message>
    <message>
        <source>Add &amp;Player</source>
        <translation>Lägg till s&amp;pelare</translation>
    </message>
    <message>
        <source>Remo&amp;ve Player</source>
        <translation>Ta &amp;bort spelare</translation>
    </message>
    <message>
        <source>&amp;Import CSV…</source>
        <translation>&amp;Importera CSV…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exportera CSV…</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>&amp;Verkställ</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Uppställning</translation>
    </message>
    <message>
        <source>Forward line %1</source>
        <translation>Kedja %1</translation>
    </message>
    <message>
        <source>Defence pair %1</source>
        <translation>Backpar %1</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Reserv</translation>
    </message>
    <message>
        <source>Goalies</source>
        <translation>Målvakter</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>New team</source>
        <translation>Nytt lag</translation>
    </message>
    <message>
        <source>New team %1</source>
        <translation>Nytt lag %1</translation>
    </message>
    <message>
        <source>Remove the team %1 and its roster from the league?</source>
        <translation>Ta bort laget %1 och dess trupp från ligan?</translation>
    </message>
    <message>
        <source>the name of number %1 is longer than %2 letters</source>
        <translation>namnet på nummer %1 är längre än %2 bokstäver</translation>
    </message>
    <message>
        <source>another team is named %1</source>
        <translation>ett annat lag heter %1</translation>
    </message>
    <message>
        <source>Not to be kept while %1.</source>
        <translation>Kan inte sparas så länge %1.</translation>
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
        <translation>Ingenting sparades. %1</translation>
    </message>
    <message>
        <source>These teams were not kept, for what is wrong with them:
%1</source>
        <translation>Dessa lag sparades inte, på grund av felen i dem:
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
        <translation>Truppen kunde inte importeras från %1.
%2
Ingenting ur filen importerades.</translation>
    </message>
    <message>
        <source>The file is larger than any roster.</source>
        <translation>Filen är större än någon trupp.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more lines</source>
        <translation>
            <numerusform>och %n rad till</numerusform>
            <numerusform>och %n rader till</numerusform>
        </translation>
    </message>
    <message>
        <source>The roster could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation>Truppen kunde inte exporteras till %1.
%2
En tidigare fil där är oförändrad.</translation>
    </message>
    <message>
        <source>The roster of %1 was exported to %2</source>
        <translation>Truppen för %1 exporterades till %2</translation>
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
        <translation>Slutresultat: %1 %2, %3 %4</translation>
    </message>
    <message>
        <source>, OT</source>
        <translation>, förl.</translation>
    </message>
    <message>
        <source>, SO</source>
        <translation>, str.</translation>
    </message>
</context>
</TS>
