<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Command</name>
    <message>
        <source>New Game</source>
        <translation>Nový zápas</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Načíst zápas</translation>
    </message>
    <message>
        <source>Resume Game</source>
        <translation>Pokračovat v zápase</translation>
    </message>
    <message>
        <source>Timed Flip</source>
        <translation>Otočit s časem</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Otočit</translation>
    </message>
    <message>
        <source>Next Period</source>
        <translation>Další třetina</translation>
    </message>
    <message>
        <source>Away Shot</source>
        <translation>Střela hostů</translation>
    </message>
    <message>
        <source>Home Shot</source>
        <translation>Střela domácích</translation>
    </message>
    <message>
        <source>Away Goal</source>
        <translation>Gól hostů</translation>
    </message>
    <message>
        <source>Home Goal</source>
        <translation>Gól domácích</translation>
    </message>
    <message>
        <source>Add Penalty</source>
        <translation>Přidat trest</translation>
    </message>
    <message>
        <source>Remove Penalty</source>
        <translation>Odebrat trest</translation>
    </message>
    <message>
        <source>Penalty Shot</source>
        <translation>Trestné střílení</translation>
    </message>
    <message>
        <source>Next Lines</source>
        <translation>Další formace</translation>
    </message>
    <message>
        <source>Pick Lines</source>
        <translation>Vybrat formace</translation>
    </message>
    <message>
        <source>Change Goalie</source>
        <translation>Změnit brankáře</translation>
    </message>
    <message>
        <source>Edit Goal</source>
        <translation>Upravit gól</translation>
    </message>
    <message>
        <source>Three Stars</source>
        <translation>Tři hvězdy</translation>
    </message>
    <message>
        <source>Update Rosters</source>
        <translation>Aktualizovat soupisky</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Ukončit zápas</translation>
    </message>
    <message>
        <source>Shoot-out Attempt</source>
        <translation>Nájezd</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Oprava</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
</context>
<context>
    <name>Control</name>
    <message>
        <source>Card number</source>
        <translation>Číslo karty</translation>
    </message>
    <message>
        <source>Pass to</source>
        <translation>Přihrávka na</translation>
    </message>
    <message>
        <source>Pass to, second choice</source>
        <translation>Přihrávka na, druhá volba</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Akce</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Strategie</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Střely</translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation>Dorážka</translation>
    </message>
    <message>
        <source>Loose puck</source>
        <translation>Volný puk</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Trest</translation>
    </message>
    <message>
        <source>Lower half card number</source>
        <translation>Číslo karty, dolní polovina</translation>
    </message>
    <message>
        <source>Lower half pass to</source>
        <translation>Přihrávka na, dolní polovina</translation>
    </message>
    <message>
        <source>Faceoff</source>
        <translation>Vhazování</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Asistence</translation>
    </message>
    <message>
        <source>Breakaway</source>
        <translation>Únik</translation>
    </message>
    <message>
        <source>Breakaway defence</source>
        <translation>Obrana při úniku</translation>
    </message>
    <message>
        <source>Lower half shots</source>
        <translation>Střely, dolní polovina</translation>
    </message>
    <message>
        <source>Lower half strategy</source>
        <translation>Strategie, dolní polovina</translation>
    </message>
    <message>
        <source>Lower half rebound</source>
        <translation>Dorážka, dolní polovina</translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <translation>Samostatné nájezdy</translation>
    </message>
    <message>
        <source>Dump-ins</source>
        <translation>Nahození</translation>
    </message>
    <message>
        <source>Minor penalty</source>
        <translation>Menší trest</translation>
    </message>
    <message>
        <source>Major penalty</source>
        <translation>Větší trest</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Třetina</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Zbývající sekundy</translation>
    </message>
    <message>
        <source>Change lines</source>
        <translation>Střídání</translation>
    </message>
    <message>
        <source>Away team name, %1 table</source>
        <translation>Název týmu hostů, tabulka „%1“</translation>
    </message>
    <message>
        <source>Home team name, %1 table</source>
        <translation>Název týmu domácích, tabulka „%1“</translation>
    </message>
    <message>
        <source>Away %1, period 1</source>
        <translation>Hosté, %1, 1. třetina</translation>
    </message>
    <message>
        <source>Away %1, period 2</source>
        <translation>Hosté, %1, 2. třetina</translation>
    </message>
    <message>
        <source>Away %1, period 3</source>
        <translation>Hosté, %1, 3. třetina</translation>
    </message>
    <message>
        <source>Away %1, overtime</source>
        <translation>Hosté, %1, prodloužení</translation>
    </message>
    <message>
        <source>Away %1, total</source>
        <translation>Hosté, %1 celkem</translation>
    </message>
    <message>
        <source>Home %1, period 1</source>
        <translation>Domácí, %1, 1. třetina</translation>
    </message>
    <message>
        <source>Home %1, period 2</source>
        <translation>Domácí, %1, 2. třetina</translation>
    </message>
    <message>
        <source>Home %1, period 3</source>
        <translation>Domácí, %1, 3. třetina</translation>
    </message>
    <message>
        <source>Home %1, overtime</source>
        <translation>Domácí, %1, prodloužení</translation>
    </message>
    <message>
        <source>Home %1, total</source>
        <translation>Domácí, %1 celkem</translation>
    </message>
    <message>
        <source>Saved game path</source>
        <translation>Cesta k uloženému zápasu</translation>
    </message>
    <message>
        <source>Flip FAC-Advance Timer</source>
        <translation>Otočit FAC – posunout čas</translation>
    </message>
    <message>
        <source>Flip FAC-No Timer Advance</source>
        <translation>Otočit FAC – bez posunu času</translation>
    </message>
    <message>
        <source>Next Period</source>
        <translation>Další třetina</translation>
    </message>
    <message>
        <source>Home Goal</source>
        <translation>Gól domácích</translation>
    </message>
    <message>
        <source>Away Goal</source>
        <translation>Gól hostů</translation>
    </message>
    <message>
        <source>Home Shot</source>
        <translation>Střela domácích</translation>
    </message>
    <message>
        <source>Away Shot</source>
        <translation>Střela hostů</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>střely</translation>
    </message>
    <message>
        <source>goals</source>
        <translation>góly</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>a quote is opened and never closed</source>
        <translation>uvozovka je otevřena, ale nikdy uzavřena</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>za uzavírací uvozovkou následuje text</translation>
    </message>
    <message>
        <source>a quote inside a cell that does not begin with one</source>
        <translation>uvozovka uvnitř buňky, která jí nezačíná</translation>
    </message>
</context>
<context>
    <name>GameCodec</name>
    <message>
        <source>Its board cannot be read.</source>
        <translation>Stav tabule nelze přečíst.</translation>
    </message>
    <message>
        <source>Its field %1 holds no text that the program could have written.</source>
        <translation>Pole %1 obsahuje text, který program nemohl zapsat.</translation>
    </message>
    <message>
        <source>Its seconds left in the period are not a number from 0 to %1.</source>
        <translation>Zbývající sekundy třetiny nejsou číslo od 0 do %1.</translation>
    </message>
    <message>
        <source>Its deck is not an order of the %1 cards.</source>
        <translation>Balíček není pořadím všech %1 karet.</translation>
    </message>
    <message>
        <source>Its place in the deck is outside the deck.</source>
        <translation>Pozice v balíčku je mimo balíček.</translation>
    </message>
    <message>
        <source>Its penalty box cannot be read.</source>
        <translation>Trestnou lavici nelze přečíst.</translation>
    </message>
    <message>
        <source>Its score sheet cannot be read.</source>
        <translation>Zápis o utkání nelze přečíst.</translation>
    </message>
</context>
<context>
    <name>GameController</name>
    <message>
        <source>%1 was looked for in %2.</source>
        <translation>Soubor %1 byl hledán v %2.</translation>
    </message>
    <message>
        <source>%1 was looked for in %2 and in %3.</source>
        <translation>Soubor %1 byl hledán v %2 a v %3.</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Torvane FAC %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The 200 action cards and the score sheet of a tabletop ice-hockey game.&lt;/p&gt;&lt;p&gt;Licensed under the GNU General Public License, version 3 or later. The card texts, the horn and the pictures are licensed under CC BY-SA 4.0.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%4&quot;&gt;%4&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Torvane FAC %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;200 akčních karet a zápis o utkání stolní hry lední hokej.&lt;/p&gt;&lt;p&gt;Šířeno pod licencí GNU General Public License, verze 3 nebo novější. Texty karet, siréna a obrázky jsou šířeny pod licencí CC BY-SA 4.0.&lt;/p&gt;&lt;p&gt;Sestaveno s Qt %2, běží na Qt %3.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%4&quot;&gt;%4&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Torvane FAC</source>
        <translation>O programu Torvane FAC</translation>
    </message>
    <message>
        <source>The game could not be saved to %1.
%2
Any earlier saved game there is unchanged.</source>
        <translation>Zápas nelze uložit do %1.
%2
Dříve uložený zápas tam zůstal beze změny.</translation>
    </message>
    <message>
        <source>TVN (*.TVN)</source>
        <translation>TVN (*.TVN)</translation>
    </message>
    <message>
        <source>The game could not be loaded from %1.
%2
Nothing was changed.</source>
        <translation>Zápas nelze načíst z %1.
%2
Nic nebylo změněno.</translation>
    </message>
    <message>
        <source>The league already counts this game as final.</source>
        <translation>Liga už tento zápas počítá jako ukončený.</translation>
    </message>
    <message>
        <source>End this game now? The league will count it as final whatever the score.
%1.
Undo takes it back.</source>
        <translation>Ukončit zápas teď? Liga ho bude počítat jako ukončený bez ohledu na skóre.
%1.
Příkaz Zpět to vrátí.</translation>
    </message>
    <message>
        <source>against %1</source>
        <translation>proti %1</translation>
    </message>
    <message>
        <source>goal</source>
        <translation>gól</translation>
    </message>
    <message>
        <source>no goal</source>
        <translation>bez gólu</translation>
    </message>
    <message>
        <source>Round %1, %2: %3</source>
        <translation>Série %1, %2: %3</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>The game log could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation>Záznam zápasu nelze exportovat do %1.
%2
Případný dřívější soubor tam zůstal beze změny.</translation>
    </message>
    <message>
        <source>The game log was exported to %1</source>
        <translation>Záznam zápasu byl exportován do %1</translation>
    </message>
    <message>
        <source>%1: forward line %2, defence pair %3</source>
        <translation>%1: útok %2, obranná dvojice %3</translation>
    </message>
    <message>
        <source>%1 net empty, extra attacker</source>
        <translation>%1: prázdná branka, hráč navíc</translation>
    </message>
    <message>
        <source>%1 goalie %2</source>
        <translation>%1: brankář %2</translation>
    </message>
    <message>
        <source>%1 goal %2 (%3 %4): %5</source>
        <translation>%1 – gól %2 (%3 %4): %5</translation>
    </message>
    <message>
        <source>as proposed</source>
        <translation>podle návrhu</translation>
    </message>
</context>
<context>
    <name>GameLog</name>
    <message>
        <source>New game</source>
        <translation>Nový zápas</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Načtení zápasu</translation>
    </message>
    <message>
        <source>Resume game</source>
        <translation>Pokračování zápasu</translation>
    </message>
    <message>
        <source>Timed flip</source>
        <translation>Otočení s časem</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Otočení</translation>
    </message>
    <message>
        <source>Next period</source>
        <translation>Další třetina</translation>
    </message>
    <message>
        <source>Away shot</source>
        <translation>Střela hostů</translation>
    </message>
    <message>
        <source>Home shot</source>
        <translation>Střela domácích</translation>
    </message>
    <message>
        <source>Away goal</source>
        <translation>Gól hostů</translation>
    </message>
    <message>
        <source>Home goal</source>
        <translation>Gól domácích</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Trest</translation>
    </message>
    <message>
        <source>Penalty removed</source>
        <translation>Trest odebrán</translation>
    </message>
    <message>
        <source>Penalty shot</source>
        <translation>Trestné střílení</translation>
    </message>
    <message>
        <source>Next lines</source>
        <translation>Další formace</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Formace</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Brankář</translation>
    </message>
    <message>
        <source>Goal details</source>
        <translation>Podrobnosti gólu</translation>
    </message>
    <message>
        <source>Three stars</source>
        <translation>Tři hvězdy</translation>
    </message>
    <message>
        <source>Rosters</source>
        <translation>Soupisky</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Ukončení zápasu</translation>
    </message>
    <message>
        <source>Shoot-out attempt</source>
        <translation>Nájezd</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Oprava</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>Change lines</source>
        <translation>Střídání</translation>
    </message>
    <message>
        <source>End of period</source>
        <translation>Konec třetiny</translation>
    </message>
    <message>
        <source>Penalty over</source>
        <translation>Trest skončil</translation>
    </message>
    <message>
        <source>Penalty ended by a goal</source>
        <translation>Trest ukončen gólem</translation>
    </message>
    <message>
        <source>First minor ended by a goal</source>
        <translation>První menší trest ukončen gólem</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Konec zápasu</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Třetina</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Událost</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Podrobnosti</translation>
    </message>
    <message>
        <source>%1 team</source>
        <translation>Tým (%1)</translation>
    </message>
    <message>
        <source>Upper half %1, lower half %2</source>
        <translation>Horní polovina %1, dolní polovina %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádná</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Střely</translation>
    </message>
    <message>
        <source> for %1</source>
        <translation> za %1</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>menší trest</translation>
    </message>
    <message>
        <source>double minor</source>
        <translation>dvojitý menší trest</translation>
    </message>
    <message>
        <source>major</source>
        <translation>větší trest</translation>
    </message>
    <message>
        <source>misconduct</source>
        <translation>osobní trest</translation>
    </message>
    <message>
        <source>penalty shot</source>
        <translation>trestné střílení</translation>
    </message>
    <message>
        <source> (penalty %1)</source>
        <translation> (trest %1)</translation>
    </message>
</context>
<context>
    <name>GameLogWindow</name>
    <message>
        <source>Game Log</source>
        <translation>Záznam zápasu</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportovat…</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Zápas</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>Game Log…</source>
        <translation>Záznam zápasu…</translation>
    </message>
    <message>
        <source>Penalty Box…</source>
        <translation>Trestná lavice…</translation>
    </message>
    <message>
        <source>On Ice…</source>
        <translation>Na ledě…</translation>
    </message>
    <message>
        <source>Next Lines</source>
        <translation>Další formace</translation>
    </message>
    <message>
        <source>Goal Details…</source>
        <translation>Podrobnosti gólu…</translation>
    </message>
    <message>
        <source>Game Sheet…</source>
        <translation>Zápis o utkání…</translation>
    </message>
    <message>
        <source>End Game…</source>
        <translation>Ukončit zápas…</translation>
    </message>
    <message>
        <source>Shoot-out…</source>
        <translation>Samostatné nájezdy…</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Zpět: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Znovu: %1</translation>
    </message>
</context>
<context>
    <name>GameSheet</name>
    <message>
        <source>Game Sheet</source>
        <translation>Zápis o utkání</translation>
    </message>
    <message>
        <source>%1 (away) at %2 (home)</source>
        <translation>%1 (hosté) – %2 (domácí)</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Tým</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Góly</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Střely</translation>
    </message>
    <message>
        <source>%1 total</source>
        <translation>%1 celkem</translation>
    </message>
    <message>
        <source>Scoring and shots by period</source>
        <translation>Góly a střely po třetinách</translation>
    </message>
    <message>
        <source>No goals</source>
        <translation>Bez gólů</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Třetina</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Scorer</source>
        <translation>Střelec</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Asistence</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>No penalties</source>
        <translation>Bez trestů</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Tresty</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Hráč</translation>
    </message>
    <message>
        <source>Infraction</source>
        <translation>Přestupek</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Empty net</source>
        <translation>Prázdná branka</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Brankář</translation>
    </message>
    <message>
        <source>Saves %1</source>
        <translation>Zákr. %1</translation>
    </message>
    <message>
        <source>Saves</source>
        <translation>Zákroky</translation>
    </message>
    <message>
        <source>Shots against</source>
        <translation>Střely na branku</translation>
    </message>
    <message>
        <source>Goals against</source>
        <translation>Obdržené góly</translation>
    </message>
    <message>
        <source>No shots</source>
        <translation>Bez střel</translation>
    </message>
    <message>
        <source>Goalkeeping</source>
        <translation>Brankáři</translation>
    </message>
    <message>
        <source>No roster</source>
        <translation>Bez soupisky</translation>
    </message>
    <message>
        <source>Box score: %1</source>
        <translation>Statistiky hráčů: %1</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Č.</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Poz</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>PTS</source>
        <translation>B</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>TM</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>SA</source>
        <translation>Stř</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>OG</translation>
    </message>
    <message>
        <source>SV</source>
        <translation>Zák</translation>
    </message>
    <message>
        <source>First star</source>
        <translation>První hvězda</translation>
    </message>
    <message>
        <source>Second star</source>
        <translation>Druhá hvězda</translation>
    </message>
    <message>
        <source>Third star</source>
        <translation>Třetí hvězda</translation>
    </message>
    <message>
        <source>Three stars</source>
        <translation>Tři hvězdy</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Hvězda</translation>
    </message>
    <message>
        <source>Print Game Sheet</source>
        <translation>Tisk zápisu o utkání</translation>
    </message>
</context>
<context>
    <name>GameSheetWindow</name>
    <message>
        <source>Game Sheet</source>
        <translation>Zápis o utkání</translation>
    </message>
    <message>
        <source>First star:</source>
        <translation>První hvězda:</translation>
    </message>
    <message>
        <source>Second star:</source>
        <translation>Druhá hvězda:</translation>
    </message>
    <message>
        <source>Third star:</source>
        <translation>Třetí hvězda:</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exportovat PDF…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Tisk…</translation>
    </message>
    <message>
        <source>(proposed) %1</source>
        <translation>(návrh) %1</translation>
    </message>
    <message>
        <source>(proposed) nobody</source>
        <translation>(návrh) nikdo</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>PDF nelze vytvořit.</translation>
    </message>
    <message>
        <source>The game sheet could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation>Zápis o utkání nelze exportovat do %1.
%2
Případný dřívější soubor tam zůstal beze změny.</translation>
    </message>
    <message>
        <source>The game sheet was exported to %1</source>
        <translation>Zápis o utkání byl exportován do %1</translation>
    </message>
    <message>
        <source>The game sheet could not be printed.</source>
        <translation>Zápis o utkání nelze vytisknout.</translation>
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
        <translation>Neznámý</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Ukončen</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>Probíhá</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Naposledy hráno</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Hosté</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domácí</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Třetina</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stav</translation>
    </message>
</context>
<context>
    <name>GamesWindow</name>
    <message>
        <source>Games</source>
        <translation>Zápasy</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Smazat…</translation>
    </message>
    <message>
        <source>Delete the game %1 against %2, last played %3? It cannot be brought back.</source>
        <translation>Smazat zápas %1 proti %2, naposledy hraný %3? Nelze jej vrátit zpět.</translation>
    </message>
</context>
<context>
    <name>GoalDetailsWindow</name>
    <message>
        <source>1st</source>
        <translation>1. tř.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2. tř.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3. tř.</translation>
    </message>
    <message>
        <source>Goal Details</source>
        <translation>Podrobnosti gólu</translation>
    </message>
    <message>
        <source>&amp;Goal:</source>
        <translation>&amp;Gól:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>&amp;Scorer:</source>
        <translation>&amp;Střelec:</translation>
    </message>
    <message>
        <source>&amp;First assist:</source>
        <translation>&amp;První asistence:</translation>
    </message>
    <message>
        <source>S&amp;econd assist:</source>
        <translation>&amp;Druhá asistence:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Po&amp;užít</translation>
    </message>
    <message>
        <source>%1. %2 %3 %4</source>
        <translation>%1. %2 %3 %4</translation>
    </message>
    <message>
        <source>No goal has been scored in this game yet.</source>
        <translation>V tomto zápase zatím nepadl žádný gól.</translation>
    </message>
    <message>
        <source>This team plays without a roster: there is nobody to name.</source>
        <translation>Tento tým hraje bez soupisky: není koho uvést.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznámý</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nikdo</translation>
    </message>
</context>
<context>
    <name>LeadersWindow</name>
    <message>
        <source>Leaders</source>
        <translation>Statistiky</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>&amp;Tým:</translation>
    </message>
    <message>
        <source>&amp;Skaters</source>
        <translation>&amp;Hráči</translation>
    </message>
    <message>
        <source>&amp;Goalies</source>
        <translation>&amp;Brankáři</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportovat CSV…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exportovat PDF…</translation>
    </message>
    <message>
        <source>Final games only. GAA: goals against per game played.</source>
        <translation>Jen ukončené zápasy. POG: obdržené góly na odehraný zápas.</translation>
    </message>
    <message>
        <source>All teams</source>
        <translation>Všechny týmy</translation>
    </message>
    <message>
        <source>Skaters</source>
        <translation>Hráči</translation>
    </message>
    <message>
        <source>Goalies</source>
        <translation>Brankáři</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 – %2</translation>
    </message>
</context>
<context>
    <name>League</name>
    <message>
        <source>Its %1 is larger than any this program writes.</source>
        <translation>Položka „%1“ je větší, než jakou tento program zapisuje.</translation>
    </message>
    <message>
        <source>Its game log cannot be read: %1.</source>
        <translation>Záznam zápasu nelze přečíst: %1.</translation>
    </message>
    <message>
        <source>game log</source>
        <translation>záznam zápasu</translation>
    </message>
    <message>
        <source>Its game log holds an event this program does not know: %1.</source>
        <translation>Záznam zápasu obsahuje událost, kterou tento program nezná: %1.</translation>
    </message>
    <message>
        <source>board</source>
        <translation>tabule</translation>
    </message>
    <message>
        <source>deck</source>
        <translation>balíček</translation>
    </message>
    <message>
        <source>penalty box</source>
        <translation>trestná lavice</translation>
    </message>
    <message>
        <source>score sheet</source>
        <translation>zápis o utkání</translation>
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
        <translation>Soubor %1 už existuje a liga se nikdy nepřepisuje. Otevřít jej místo toho jako ligu?</translation>
    </message>
    <message>
        <source>This is the league in use: its games are here already.</source>
        <translation>Toto je používaná liga: její zápasy už v ní jsou.</translation>
    </message>
    <message>
        <source>No game was imported. %1</source>
        <translation>Žádný zápas nebyl importován. %1</translation>
    </message>
</context>
<context>
    <name>LeagueImport</name>
    <message>
        <source>No game was imported. %1</source>
        <translation>Žádný zápas nebyl importován. %1</translation>
    </message>
    <message>
        <source>Games imported: %1. Already in this league: %2. Refused: %3.</source>
        <translation>Importované zápasy: %1. Již v této lize: %2. Odmítnuté: %3.</translation>
    </message>
    <message>
        <source>Teams added: %1.</source>
        <translation>Přidané týmy: %1.</translation>
    </message>
    <message>
        <source>These teams&apos; players differ between the two leagues; this league&apos;s rosters are left as they are:</source>
        <translation>Hráči těchto týmů se v obou ligách liší; soupisky této ligy zůstávají beze změny:</translation>
    </message>
    <message>
        <source>Teams not imported:</source>
        <translation>Neimportované týmy:</translation>
    </message>
    <message>
        <source>number %1, %2, only here</source>
        <translation>číslo %1, %2, jen zde</translation>
    </message>
    <message>
        <source>number %1 is %2 here and %3 there</source>
        <translation>číslo %1 je zde %2 a tam %3</translation>
    </message>
    <message>
        <source>number %1, %2, only there</source>
        <translation>číslo %1, %2, jen tam</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>– and %1 more.</source>
        <translation>– a dalších %1.</translation>
    </message>
    <message>
        <source>Its game log is another game&apos;s too.</source>
        <translation>Jeho záznam zápasu patří i jinému zápasu.</translation>
    </message>
</context>
<context>
    <name>LeagueKeeper</name>
    <message>
        <source>The league file %1 is no longer there. The league in %2 is used instead.</source>
        <translation>Soubor ligy %1 už neexistuje. Místo něj se používá liga v %2.</translation>
    </message>
    <message>
        <source>%1

The league in use is still %2.</source>
        <translation>%1

Používaná liga je stále %2.</translation>
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
        <translation>Zápasy…</translation>
    </message>
    <message>
        <source>Teams…</source>
        <translation>Týmy…</translation>
    </message>
    <message>
        <source>Standings…</source>
        <translation>Tabulka…</translation>
    </message>
    <message>
        <source>Leaders…</source>
        <translation>Statistiky…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Nastavení…</translation>
    </message>
    <message>
        <source>New League…</source>
        <translation>Nová liga…</translation>
    </message>
    <message>
        <source>Open League…</source>
        <translation>Otevřít ligu…</translation>
    </message>
    <message>
        <source>Import Games…</source>
        <translation>Importovat zápasy…</translation>
    </message>
</context>
<context>
    <name>LeagueSettingsWindow</name>
    <message>
        <source>League Settings</source>
        <translation>Nastavení ligy</translation>
    </message>
    <message>
        <source>&amp;Sudden death: the first goal in overtime ends the game</source>
        <translation>&amp;Náhlá smrt: první gól v prodloužení ukončí zápas</translation>
    </message>
    <message>
        <source>20:00, played to 0:00</source>
        <translation>20:00, hraje se do 0:00</translation>
    </message>
    <message>
        <source>5:00, over when the clock reaches 15:00</source>
        <translation>5:00, konec, když čas dosáhne 15:00</translation>
    </message>
    <message>
        <source>%1 on %1</source>
        <translation>%1 na %1</translation>
    </message>
    <message>
        <source>S&amp;hoot-out when overtime ends level</source>
        <translation>&amp;Samostatné nájezdy, skončí-li prodloužení nerozhodně</translation>
    </message>
    <message>
        <source>Overtime &amp;length:</source>
        <translation>&amp;Délka prodloužení:</translation>
    </message>
    <message>
        <source>Overtime s&amp;trength:</source>
        <translation>&amp;Počet hráčů v prodloužení:</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>&amp;Výchozí</translation>
    </message>
    <message>
        <source>A game plays under the rules in force when it began: changes here take effect from the next game.</source>
        <translation>Zápas se hraje podle pravidel platných při jeho zahájení: změny zde platí od příštího zápasu.</translation>
    </message>
</context>
<context>
    <name>LeagueStore</name>
    <message>
        <source>The games of the other league file cannot be read: %1.</source>
        <translation>Zápasy druhého souboru ligy nelze přečíst: %1.</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 – %2, %3</translation>
    </message>
    <message>
        <source>%1: its id is none this program writes.</source>
        <translation>%1: jeho ID není takové, jaké tento program zapisuje.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>This league file cannot be written.</source>
        <translation>Do tohoto souboru ligy nelze zapisovat.</translation>
    </message>
    <message>
        <source>The league file is not open.</source>
        <translation>Soubor ligy není otevřen.</translation>
    </message>
    <message>
        <source>The game cannot be read: %1.</source>
        <translation>Zápas nelze přečíst: %1.</translation>
    </message>
    <message>
        <source>The game is not in the league.</source>
        <translation>Zápas není v lize.</translation>
    </message>
    <message>
        <source>Its state is none this program knows: %1.</source>
        <translation>Jeho stav tento program nezná: %1.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>neznámá chyba</translation>
    </message>
    <message>
        <source>The league file %1 is damaged (%2). It is kept as %3, and a new league file was started.</source>
        <translation>Soubor ligy %1 je poškozen (%2). Byl uschován jako %3 a byl založen nový soubor ligy.</translation>
    </message>
    <message>
        <source>The league file %1 cannot be written: %2. Games are not kept until it can be.</source>
        <translation>Do souboru ligy %1 nelze zapisovat: %2. Zápasy se neukládají, dokud to nebude možné.</translation>
    </message>
    <message>
        <source>The league file %1 cannot be made: its folder cannot be made. Games are not kept until it can be.</source>
        <translation>Soubor ligy %1 nelze vytvořit: nelze vytvořit jeho složku. Zápasy se neukládají, dokud to nebude možné.</translation>
    </message>
    <message>
        <source>The file %1 is not a league file of Torvane FAC. It is kept as %2, and a new league file was started.</source>
        <translation>Soubor %1 není souborem ligy Torvane FAC. Byl uschován jako %2 a byl založen nový soubor ligy.</translation>
    </message>
    <message>
        <source>The league file %1 was written by a later version of Torvane FAC. Its games can be resumed, but no game is kept in it.</source>
        <translation>Soubor ligy %1 zapsala novější verze Torvane FAC. V jeho zápasech lze pokračovat, ale žádný zápas se do něj neukládá.</translation>
    </message>
    <message>
        <source>its integrity check failed</source>
        <translation>selhala kontrola jeho integrity</translation>
    </message>
    <message>
        <source>The file %1 cannot be found.</source>
        <translation>Soubor %1 nelze najít.</translation>
    </message>
    <message>
        <source>The file %1 is damaged (%2).</source>
        <translation>Soubor %1 je poškozen (%2).</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Soubor %1 nelze přečíst: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a league file of Torvane FAC.</source>
        <translation>Soubor %1 není souborem ligy Torvane FAC.</translation>
    </message>
    <message>
        <source>The league file %1 was written by an earlier version of Torvane FAC. Open it once with League &gt; Open League… to bring it up to date.</source>
        <translation>Soubor ligy %1 zapsala starší verze Torvane FAC. Otevřete jej jednou příkazem Liga &gt; Otevřít ligu…, aby se aktualizoval.</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt (the package libqt6sql6-sqlite) is not installed</source>
        <translation>ovladač SQLite pro Qt (balíček libqt6sql6-sqlite) není nainstalován</translation>
    </message>
    <message>
        <source>it is not a league file</source>
        <translation>nejde o soubor ligy</translation>
    </message>
    <message>
        <source>its journal cannot be kept beside it</source>
        <translation>jeho žurnál nelze vést vedle něj</translation>
    </message>
    <message>
        <source>its tables are not those of a league file</source>
        <translation>jeho tabulky nejsou tabulkami souboru ligy</translation>
    </message>
    <message>
        <source>it is damaged and cannot be moved aside: %1</source>
        <translation>je poškozen a nelze jej přesunout stranou: %1</translation>
    </message>
    <message>
        <source>The league file %1 is damaged (%2). Games are not kept until New Game starts a new league file.</source>
        <translation>Soubor ligy %1 je poškozen (%2). Zápasy se neukládají, dokud Nový zápas nezaloží nový soubor ligy.</translation>
    </message>
    <message>
        <source>The league file %1 cannot be written: %2. Games are not kept until New Game finds it can be.</source>
        <translation>Do souboru ligy %1 nelze zapisovat: %2. Zápasy se neukládají, dokud Nový zápas nezjistí, že to jde.</translation>
    </message>
    <message>
        <source>The teams of the league file cannot be read: %1.</source>
        <translation>Týmy souboru ligy nelze přečíst: %1.</translation>
    </message>
    <message>
        <source>A team in the league file cannot be read: %1. It is left as it is.</source>
        <translation>Tým v souboru ligy nelze přečíst: %1. Zůstává, jak je.</translation>
    </message>
    <message>
        <source>The team “%1” in the league file cannot be read: %2. It is left as it is.</source>
        <translation>Tým „%1“ v souboru ligy nelze přečíst: %2. Zůstává, jak je.</translation>
    </message>
    <message>
        <source>its names are not text this program writes</source>
        <translation>jeho názvy nejsou text, jaký tento program zapisuje</translation>
    </message>
    <message>
        <source>its roster is larger than any this program writes</source>
        <translation>jeho soupiska je větší, než jakou tento program zapisuje</translation>
    </message>
    <message>
        <source>another team has its name</source>
        <translation>jiný tým má stejný název</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>About Torvane FAC</source>
        <translation>O programu Torvane FAC</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>O Qt</translation>
    </message>
</context>
<context>
    <name>OnIceWindow</name>
    <message>
        <source>Loose puck</source>
        <translation>Volný puk</translation>
    </message>
    <message>
        <source>Faceoff</source>
        <translation>Vhazování</translation>
    </message>
    <message>
        <source>On Ice</source>
        <translation>Na ledě</translation>
    </message>
    <message>
        <source>Whom the card&apos;s attack and defence mean</source>
        <translation>Koho označuje útok a obrana na kartě</translation>
    </message>
    <message>
        <source>&amp;Puck:</source>
        <translation>&amp;Puk:</translation>
    </message>
    <message>
        <source>&amp;Next Lines</source>
        <translation>&amp;Další formace</translation>
    </message>
    <message>
        <source>Both teams change to their next forward line and defence pair (F4)</source>
        <translation>Oba týmy vystřídají na další útok a obrannou dvojici (F4)</translation>
    </message>
    <message>
        <source>This team plays without a roster. To give it one, add the team in League &gt; Teams… and type its name in the SHOTS table.</source>
        <translation>Tento tým hraje bez soupisky. Chcete-li mu ji dát, přidejte tým v nabídce Liga &gt; Týmy… a zapište jeho název do tabulky SHOTS.</translation>
    </message>
    <message>
        <source>Forwards:</source>
        <translation>Útočníci:</translation>
    </message>
    <message>
        <source>Defence:</source>
        <translation>Obránci:</translation>
    </message>
    <message>
        <source>Goalie:</source>
        <translation>Brankář:</translation>
    </message>
    <message>
        <source>Either team has it</source>
        <translation>Kterýkoli tým</translation>
    </message>
    <message>
        <source>Empty net</source>
        <translation>Prázdná branka</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Útok %1</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Dvojice %1</translation>
    </message>
    <message>
        <source>Empty net (extra attacker)</source>
        <translation>Prázdná branka (hráč navíc)</translation>
    </message>
</context>
<context>
    <name>PenaltyBox</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 na %2</translation>
    </message>
</context>
<context>
    <name>PenaltyBoxWindow</name>
    <message>
        <source>Minor</source>
        <translation>Menší</translation>
    </message>
    <message>
        <source>Double minor</source>
        <translation>Dvojitý menší</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Větší</translation>
    </message>
    <message>
        <source>Misconduct</source>
        <translation>Osobní</translation>
    </message>
    <message>
        <source>Penalty shot</source>
        <translation>Trestné střílení</translation>
    </message>
    <message>
        <source>Penalty Box</source>
        <translation>Trestná lavice</translation>
    </message>
    <message>
        <source>New penalty</source>
        <translation>Nový trest</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Tým:</translation>
    </message>
    <message>
        <source>Number and name (optional)</source>
        <translation>Číslo a jméno (nepovinné)</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Hráč:</translation>
    </message>
    <message>
        <source>I&amp;nfraction:</source>
        <translation>&amp;Přestupek:</translation>
    </message>
    <message>
        <source>Tripping, Fighting... (optional)</source>
        <translation>Podrážení, bitka... (nepovinné)</translation>
    </message>
    <message>
        <source>M&amp;inor (2:00)</source>
        <translation>&amp;Menší (2:00)</translation>
    </message>
    <message>
        <source>Penalty:</source>
        <translation>Trest:</translation>
    </message>
    <message>
        <source>&amp;Double minor (4:00)</source>
        <translation>Dvo&amp;jitý menší (4:00)</translation>
    </message>
    <message>
        <source>Ma&amp;jor (5:00)</source>
        <translation>&amp;Větší (5:00)</translation>
    </message>
    <message>
        <source>Misc&amp;onduct (10:00)</source>
        <translation>&amp;Osobní (10:00)</translation>
    </message>
    <message>
        <source>Penalty &amp;shot</source>
        <translation>&amp;Trestné střílení</translation>
    </message>
    <message>
        <source>From &amp;card</source>
        <translation>Z &amp;karty</translation>
    </message>
    <message>
        <source>The kind the card&apos;s penalty cell calls, and the infraction of its lower half</source>
        <translation>Druh, který určuje pole trestu na kartě, a přestupek z její dolní poloviny</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Přid&amp;at</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Tým</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Hráč</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Trest</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Zbývá</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>In the &amp;box:</source>
        <translation>Na trestné &amp;lavici:</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Početní stav:</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Odeb&amp;rat</translation>
    </message>
    <message>
        <source>A&amp;way</source>
        <translation>Ho&amp;sté</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Domácí</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Čeká</translation>
    </message>
    <message>
        <source>Coincidental</source>
        <translation>Souběžný</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Běží</translation>
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
        <translation>V tomto zápase nelze pokračovat. %1</translation>
    </message>
    <message>
        <source>The league file cannot be written to.</source>
        <translation>Do souboru ligy nelze zapisovat.</translation>
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
        <translation>Tabulku „%1“ nelze exportovat do %2.
%3
Případný dřívější soubor tam zůstal beze změny.</translation>
    </message>
    <message>
        <source>The table “%1” was exported to %2</source>
        <translation>Tabulka „%1“ byla exportována do %2</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>the team has no name</source>
        <translation>tým nemá název</translation>
    </message>
    <message>
        <source>the short name must be 1 to %1 letters</source>
        <translation>zkratka musí mít 1 až %1 znaků</translation>
    </message>
    <message>
        <source>number %1 is not from 0 to %2</source>
        <translation>číslo %1 není od 0 do %2</translation>
    </message>
    <message>
        <source>number %1 is given twice</source>
        <translation>číslo %1 je uvedeno dvakrát</translation>
    </message>
    <message>
        <source>number %1 has no name</source>
        <translation>číslo %1 nemá jméno</translation>
    </message>
    <message>
        <source>number %1 in %2 is not on the team</source>
        <translation>číslo %1 (%2) není v týmu</translation>
    </message>
    <message>
        <source>number %1 has more than one place in the lines</source>
        <translation>číslo %1 má v sestavě více než jedno místo</translation>
    </message>
    <message>
        <source>number %1 plays %2 and cannot be %3</source>
        <translation>číslo %1 hraje na pozici %2 a nemůže být %3</translation>
    </message>
    <message>
        <source>number %1 plays %2 and cannot play in %3</source>
        <translation>číslo %1 hraje na pozici %2 a nemůže nastoupit: %3</translation>
    </message>
    <message>
        <source>forward line %1</source>
        <translation>útok %1</translation>
    </message>
    <message>
        <source>defence pair %1</source>
        <translation>obranná dvojice %1</translation>
    </message>
    <message>
        <source>the starting goalie</source>
        <translation>první brankář</translation>
    </message>
    <message>
        <source>the backup goalie</source>
        <translation>náhradní brankář</translation>
    </message>
</context>
<context>
    <name>RosterCodec</name>
    <message>
        <source>its roster has more than %1 players</source>
        <translation>soupiska má více než %1 hráčů</translation>
    </message>
    <message>
        <source>a player of its roster has no number from 0 to %1</source>
        <translation>hráč na soupisce nemá číslo od 0 do %1</translation>
    </message>
    <message>
        <source>number %1 has no name this program writes</source>
        <translation>číslo %1 nemá jméno, jaké tento program zapisuje</translation>
    </message>
    <message>
        <source>number %1 has no position C, LW, RW, D or G</source>
        <translation>číslo %1 nemá pozici C, LW, RW, D ani G</translation>
    </message>
    <message>
        <source>%1 has two players at %2</source>
        <translation>%1 má dva hráče na místě %2</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>“%1” is not a place in the lines</source>
        <translation>„%1“ není místo v sestavě</translation>
    </message>
    <message>
        <source>%1 is number %2 already</source>
        <translation>%1 už má číslo %2</translation>
    </message>
    <message>
        <source>%1 has number %2 at %3 already</source>
        <translation>%1 už má číslo %2 na místě %3</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Řádek %1: %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>soubor je prázdný</translation>
    </message>
    <message>
        <source>the first line is not the header %1</source>
        <translation>první řádek není záhlaví %1</translation>
    </message>
    <message>
        <source>%1 cells where there should be %2</source>
        <translation>%1 buněk místo %2</translation>
    </message>
    <message>
        <source>the number “%1” is not from 0 to %2</source>
        <translation>číslo „%1“ není od 0 do %2</translation>
    </message>
    <message>
        <source>number %1 is on line %2 already</source>
        <translation>číslo %1 už je na řádku %2</translation>
    </message>
    <message>
        <source>number %1 has no name</source>
        <translation>číslo %1 nemá jméno</translation>
    </message>
    <message>
        <source>“%1” is not a position: C, LW, RW, D or G</source>
        <translation>„%1“ není pozice: C, LW, RW, D nebo G</translation>
    </message>
    <message>
        <source>the file lists no players</source>
        <translation>soubor neuvádí žádné hráče</translation>
    </message>
</context>
<context>
    <name>RosterModel</name>
    <message>
        <source>No.</source>
        <translation>Č.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozice</translation>
    </message>
</context>
<context>
    <name>SaveFolder</name>
    <message>
        <source>HOME is not set to a folder</source>
        <translation>HOME neukazuje na složku</translation>
    </message>
    <message>
        <source>The folder %1 could not be made: %2.</source>
        <translation>Složku %1 nelze vytvořit: %2.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The file is not text this program can read.</source>
        <translation>Soubor není text, který tento program umí přečíst.</translation>
    </message>
    <message>
        <source>It holds %1 of the %2 lines of a saved game.</source>
        <translation>Obsahuje %1 z %2 řádků uloženého zápasu.</translation>
    </message>
    <message>
        <source>Its line %1, the seconds left in the period, is not a number from 0 to %2.</source>
        <translation>Jeho řádek %1 (zbývající sekundy třetiny) není číslo od 0 do %2.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Soubor neexistuje.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Nejde o soubor.</translation>
    </message>
    <message>
        <source>It is too large to be a saved game.</source>
        <translation>Je příliš velký na uložený zápas.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>Nelze jej přečíst: %1.</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>scored by %1</source>
        <translation>střelec %1</translation>
    </message>
    <message>
        <source>no assist</source>
        <translation>bez asistence</translation>
    </message>
    <message>
        <source>assists %1</source>
        <translation>asistence %1</translation>
    </message>
</context>
<context>
    <name>SeasonModel</name>
    <message>
        <source>Team</source>
        <translation>Tým</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Odehrané zápasy</translation>
    </message>
    <message>
        <source>W</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Výhry</translation>
    </message>
    <message>
        <source>L</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Losses in regulation</source>
        <translation>Prohry v základní hrací době</translation>
    </message>
    <message>
        <source>OTL</source>
        <translation>PP</translation>
    </message>
    <message>
        <source>Losses in overtime or the shoot-out</source>
        <translation>Prohry v prodloužení nebo v nájezdech</translation>
    </message>
    <message>
        <source>T</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Games ended level</source>
        <translation>Remízy</translation>
    </message>
    <message>
        <source>PTS</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>VG</translation>
    </message>
    <message>
        <source>Goals for</source>
        <translation>Vstřelené góly</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>OG</translation>
    </message>
    <message>
        <source>Goals against</source>
        <translation>Obdržené góly</translation>
    </message>
    <message>
        <source>DIFF</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Goal difference</source>
        <translation>Rozdíl skóre</translation>
    </message>
    <message>
        <source>Last 10</source>
        <translation>Posl. 10</translation>
    </message>
    <message>
        <source>The last ten games: wins, losses, overtime losses (and ties)</source>
        <translation>Posledních deset zápasů: výhry, prohry, prohry po prodloužení (a remízy)</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Hráč</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Poz</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozice</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Góly</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Asistence</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>TM</translation>
    </message>
    <message>
        <source>Penalty minutes</source>
        <translation>Trestné minuty</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Plus/minus</source>
        <translation>Plus/mínus</translation>
    </message>
    <message>
        <source>SA</source>
        <translation>Stř</translation>
    </message>
    <message>
        <source>Shots against</source>
        <translation>Střely na branku</translation>
    </message>
    <message>
        <source>GAA</source>
        <translation>POG</translation>
    </message>
    <message>
        <source>Goals against per game played</source>
        <translation>Obdržené góly na odehraný zápas</translation>
    </message>
    <message>
        <source>SV%</source>
        <translation>Úsp%</translation>
    </message>
    <message>
        <source>Saves per shot against</source>
        <translation>Úspěšnost zákroků</translation>
    </message>
    <message>
        <source>SO</source>
        <translation>ČK</translation>
    </message>
    <message>
        <source>Shutouts</source>
        <translation>Čistá konta</translation>
    </message>
</context>
<context>
    <name>ShootoutWindow</name>
    <message>
        <source>(none)</source>
        <translation>(nikdo)</translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <translation>Samostatné nájezdy</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Tým</translation>
    </message>
    <message>
        <source>Shooter</source>
        <translation>Střelec</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Brankář</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Výsledek</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>&amp;Tým:</translation>
    </message>
    <message>
        <source>&amp;Shooter:</source>
        <translation>&amp;Střelec:</translation>
    </message>
    <message>
        <source>G&amp;oalie:</source>
        <translation>Bran&amp;kář:</translation>
    </message>
    <message>
        <source>Card:</source>
        <translation>Karta:</translation>
    </message>
    <message>
        <source>&amp;Goal</source>
        <translation>&amp;Gól</translation>
    </message>
    <message>
        <source>&amp;No Goal</source>
        <translation>&amp;Bez gólu</translation>
    </message>
    <message>
        <source>%1 won the shoot-out.</source>
        <translation>Nájezdy vyhrává %1.</translation>
    </message>
    <message>
        <source>Overtime ended level: the shoot-out decides. Three rounds, then round by round until one team scores and the other does not.</source>
        <translation>Prodloužení skončilo nerozhodně: rozhodnou samostatné nájezdy. Tři série, pak po jedné sérii, dokud jeden tým neskóruje a druhý ne.</translation>
    </message>
    <message>
        <source>The league plays no shoot-out (League &gt; Settings).</source>
        <translation>Liga nehraje samostatné nájezdy (Liga &gt; Nastavení).</translation>
    </message>
    <message>
        <source>A shoot-out follows an overtime that ends level.</source>
        <translation>Samostatné nájezdy následují po prodloužení, které skončí nerozhodně.</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>(nic)</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Gól</translation>
    </message>
    <message>
        <source>No goal</source>
        <translation>Bez gólu</translation>
    </message>
</context>
<context>
    <name>StandingsWindow</name>
    <message>
        <source>Standings</source>
        <translation>Tabulka</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportovat CSV…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exportovat PDF…</translation>
    </message>
    <message>
        <source>Final games only. Two points for a win, one for a loss in overtime or the shoot-out, one for a tie.</source>
        <translation>Jen ukončené zápasy. Dva body za výhru, jeden za prohru v prodloužení nebo v nájezdech, jeden za remízu.</translation>
    </message>
</context>
<context>
    <name>Team</name>
    <message>
        <source>Away</source>
        <translation>Hosté</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domácí</translation>
    </message>
</context>
<context>
    <name>TeamsWindow</name>
    <message>
        <source>(no name)</source>
        <translation>(bez názvu)</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Týmy</translation>
    </message>
    <message>
        <source>&amp;League name:</source>
        <translation>Název &amp;ligy:</translation>
    </message>
    <message>
        <source>&amp;Add Team</source>
        <translation>Přid&amp;at tým</translation>
    </message>
    <message>
        <source>&amp;Remove Team…</source>
        <translation>&amp;Odebrat tým…</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Název:</translation>
    </message>
    <message>
        <source>&amp;Short name:</source>
        <translation>&amp;Zkratka:</translation>
    </message>
    <message>
        <source>Add &amp;Player</source>
        <translation>Přidat &amp;hráče</translation>
    </message>
    <message>
        <source>Remo&amp;ve Player</source>
        <translation>Odeb&amp;rat hráče</translation>
    </message>
    <message>
        <source>&amp;Import CSV…</source>
        <translation>&amp;Importovat CSV…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exportovat CSV…</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>&amp;Použít</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Formace</translation>
    </message>
    <message>
        <source>Forward line %1</source>
        <translation>Útok %1</translation>
    </message>
    <message>
        <source>Defence pair %1</source>
        <translation>Obranná dvojice %1</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Základní</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Náhradní</translation>
    </message>
    <message>
        <source>Goalies</source>
        <translation>Brankáři</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>New team</source>
        <translation>Nový tým</translation>
    </message>
    <message>
        <source>New team %1</source>
        <translation>Nový tým %1</translation>
    </message>
    <message>
        <source>Remove the team %1 and its roster from the league?</source>
        <translation>Odebrat z ligy tým %1 i s jeho soupiskou?</translation>
    </message>
    <message>
        <source>the name of number %1 is longer than %2 letters</source>
        <translation>jméno čísla %1 je delší než %2 znaků</translation>
    </message>
    <message>
        <source>another team is named %1</source>
        <translation>jiný tým se jmenuje %1</translation>
    </message>
    <message>
        <source>Not to be kept while %1.</source>
        <translation>Neuloží se, dokud platí: %1.</translation>
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
        <translation>Nic nebylo uloženo. %1</translation>
    </message>
    <message>
        <source>These teams were not kept, for what is wrong with them:
%1</source>
        <translation>Tyto týmy nebyly uloženy kvůli svým chybám:
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
        <translation>Soupisku nelze importovat z %1.
%2
Ze souboru nebylo importováno nic.</translation>
    </message>
    <message>
        <source>The file is larger than any roster.</source>
        <translation>Soubor je větší než jakákoli soupiska.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more lines</source>
        <translation>
            <numerusform>a ještě %n řádek</numerusform>
            <numerusform>a ještě %n řádky</numerusform>
            <numerusform>a ještě %n řádků</numerusform>
        </translation>
    </message>
    <message>
        <source>The roster could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation>Soupisku nelze exportovat do %1.
%2
Případný dřívější soubor tam zůstal beze změny.</translation>
    </message>
    <message>
        <source>The roster of %1 was exported to %2</source>
        <translation>Soupiska týmu %1 byla exportována do %2</translation>
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
        <translation>Konečný stav: %1 %2, %3 %4</translation>
    </message>
    <message>
        <source>, OT</source>
        <translation>, pp</translation>
    </message>
    <message>
        <source>, SO</source>
        <translation>, sn</translation>
    </message>
</context>
</TS>
