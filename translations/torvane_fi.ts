<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>Command</name>
    <message>
        <source>New Game</source>
        <translation>Uusi ottelu</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Ottelun lataus</translation>
    </message>
    <message>
        <source>Resume Game</source>
        <translation>Ottelun jatkaminen</translation>
    </message>
    <message>
        <source>Timed Flip</source>
        <translation>Ajastettu käännös</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Käännös</translation>
    </message>
    <message>
        <source>Next Period</source>
        <translation>Seuraava erä</translation>
    </message>
    <message>
        <source>Away Shot</source>
        <translation>Vierasjoukkueen laukaus</translation>
    </message>
    <message>
        <source>Home Shot</source>
        <translation>Kotijoukkueen laukaus</translation>
    </message>
    <message>
        <source>Away Goal</source>
        <translation>Vierasjoukkueen maali</translation>
    </message>
    <message>
        <source>Home Goal</source>
        <translation>Kotijoukkueen maali</translation>
    </message>
    <message>
        <source>Add Penalty</source>
        <translation>Rangaistuksen lisäys</translation>
    </message>
    <message>
        <source>Remove Penalty</source>
        <translation>Rangaistuksen poisto</translation>
    </message>
    <message>
        <source>Penalty Shot</source>
        <translation>Rangaistuslaukaus</translation>
    </message>
    <message>
        <source>Next Lines</source>
        <translation>Seuraavat kentät</translation>
    </message>
    <message>
        <source>Pick Lines</source>
        <translation>Kenttien valinta</translation>
    </message>
    <message>
        <source>Change Goalie</source>
        <translation>Maalivahdin vaihto</translation>
    </message>
    <message>
        <source>Edit Goal</source>
        <translation>Maalin muokkaus</translation>
    </message>
    <message>
        <source>Three Stars</source>
        <translation>Kolme tähteä</translation>
    </message>
    <message>
        <source>Update Rosters</source>
        <translation>Kokoonpanojen päivitys</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Ottelun päättäminen</translation>
    </message>
    <message>
        <source>Shoot-out Attempt</source>
        <translation>Voittomaalikilpailun yritys</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Korjaus</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Kumoaminen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Uudelleen tekeminen</translation>
    </message>
</context>
<context>
    <name>Control</name>
    <message>
        <source>Card number</source>
        <translation>Kortin numero</translation>
    </message>
    <message>
        <source>Pass to</source>
        <translation>Syöttö</translation>
    </message>
    <message>
        <source>Pass to, second choice</source>
        <translation>Syöttö, toinen vaihtoehto</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Toiminto</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Taktiikka</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Laukaukset</translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation>Paluukiekko</translation>
    </message>
    <message>
        <source>Loose puck</source>
        <translation>Irtokiekko</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Rangaistus</translation>
    </message>
    <message>
        <source>Lower half card number</source>
        <translation>Alaosan kortin numero</translation>
    </message>
    <message>
        <source>Lower half pass to</source>
        <translation>Alaosan syöttö</translation>
    </message>
    <message>
        <source>Faceoff</source>
        <translation>Aloitus</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Syötöt</translation>
    </message>
    <message>
        <source>Breakaway</source>
        <translation>Läpiajo</translation>
    </message>
    <message>
        <source>Breakaway defence</source>
        <translation>Läpiajon puolustus</translation>
    </message>
    <message>
        <source>Lower half shots</source>
        <translation>Alaosan laukaukset</translation>
    </message>
    <message>
        <source>Lower half strategy</source>
        <translation>Alaosan taktiikka</translation>
    </message>
    <message>
        <source>Lower half rebound</source>
        <translation>Alaosan paluukiekko</translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <translation>Voittomaalikilpailu</translation>
    </message>
    <message>
        <source>Dump-ins</source>
        <translation>Päätyyn pelaaminen</translation>
    </message>
    <message>
        <source>Minor penalty</source>
        <translation>2 min rangaistus</translation>
    </message>
    <message>
        <source>Major penalty</source>
        <translation>5 min rangaistus</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Kello</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Erä</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Sekunteja jäljellä</translation>
    </message>
    <message>
        <source>Change lines</source>
        <translation>Kentänvaihto</translation>
    </message>
    <message>
        <source>Away team name, %1 table</source>
        <translation>Vierasjoukkueen nimi (%1)</translation>
    </message>
    <message>
        <source>Home team name, %1 table</source>
        <translation>Kotijoukkueen nimi (%1)</translation>
    </message>
    <message>
        <source>Away %1, period 1</source>
        <translation>Vierasjoukkueen %1, 1. erä</translation>
    </message>
    <message>
        <source>Away %1, period 2</source>
        <translation>Vierasjoukkueen %1, 2. erä</translation>
    </message>
    <message>
        <source>Away %1, period 3</source>
        <translation>Vierasjoukkueen %1, 3. erä</translation>
    </message>
    <message>
        <source>Away %1, overtime</source>
        <translation>Vierasjoukkueen %1, jatkoaika</translation>
    </message>
    <message>
        <source>Away %1, total</source>
        <translation>Vierasjoukkueen %1, yhteensä</translation>
    </message>
    <message>
        <source>Home %1, period 1</source>
        <translation>Kotijoukkueen %1, 1. erä</translation>
    </message>
    <message>
        <source>Home %1, period 2</source>
        <translation>Kotijoukkueen %1, 2. erä</translation>
    </message>
    <message>
        <source>Home %1, period 3</source>
        <translation>Kotijoukkueen %1, 3. erä</translation>
    </message>
    <message>
        <source>Home %1, overtime</source>
        <translation>Kotijoukkueen %1, jatkoaika</translation>
    </message>
    <message>
        <source>Home %1, total</source>
        <translation>Kotijoukkueen %1, yhteensä</translation>
    </message>
    <message>
        <source>Saved game path</source>
        <translation>Tallennetun ottelun polku</translation>
    </message>
    <message>
        <source>Flip FAC-Advance Timer</source>
        <translation>Käännä FAC – kello etenee</translation>
    </message>
    <message>
        <source>Flip FAC-No Timer Advance</source>
        <translation>Käännä FAC – kello ei etene</translation>
    </message>
    <message>
        <source>Next Period</source>
        <translation>Seuraava erä</translation>
    </message>
    <message>
        <source>Home Goal</source>
        <translation>Kotijoukkueen maali</translation>
    </message>
    <message>
        <source>Away Goal</source>
        <translation>Vierasjoukkueen maali</translation>
    </message>
    <message>
        <source>Home Shot</source>
        <translation>Kotijoukkueen laukaus</translation>
    </message>
    <message>
        <source>Away Shot</source>
        <translation>Vierasjoukkueen laukaus</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>laukaukset</translation>
    </message>
    <message>
        <source>goals</source>
        <translation>maalit</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>a quote is opened and never closed</source>
        <translation>lainausmerkki avataan, mutta sitä ei suljeta</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>sulkevan lainausmerkin perässä on tekstiä</translation>
    </message>
    <message>
        <source>a quote inside a cell that does not begin with one</source>
        <translation>lainausmerkki solussa, joka ei ala lainausmerkillä</translation>
    </message>
</context>
<context>
    <name>GameCodec</name>
    <message>
        <source>Its board cannot be read.</source>
        <translation>Sen pelilautaa ei voi lukea.</translation>
    </message>
    <message>
        <source>Its field %1 holds no text that the program could have written.</source>
        <translation>Sen kentässä %1 on tekstiä, jota ohjelma ei olisi voinut kirjoittaa.</translation>
    </message>
    <message>
        <source>Its seconds left in the period are not a number from 0 to %1.</source>
        <translation>Sen erässä jäljellä olevat sekunnit eivät ole luku väliltä 0–%1.</translation>
    </message>
    <message>
        <source>Its deck is not an order of the %1 cards.</source>
        <translation>Sen korttipakka ei ole %1 kortin järjestys.</translation>
    </message>
    <message>
        <source>Its place in the deck is outside the deck.</source>
        <translation>Sen kohta korttipakassa on pakan ulkopuolella.</translation>
    </message>
    <message>
        <source>Its penalty box cannot be read.</source>
        <translation>Sen jäähyaitiota ei voi lukea.</translation>
    </message>
    <message>
        <source>Its score sheet cannot be read.</source>
        <translation>Sen pöytäkirjaa ei voi lukea.</translation>
    </message>
</context>
<context>
    <name>GameController</name>
    <message>
        <source>%1 was looked for in %2.</source>
        <translation>Tiedostoa %1 etsittiin kansiosta %2.</translation>
    </message>
    <message>
        <source>%1 was looked for in %2 and in %3.</source>
        <translation>Tiedostoa %1 etsittiin kansioista %2 ja %3.</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Torvane FAC %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The 200 action cards and the score sheet of a tabletop ice-hockey game.&lt;/p&gt;&lt;p&gt;Licensed under the GNU General Public License, version 3 or later. The card texts, the horn and the pictures are licensed under CC BY-SA 4.0.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%4&quot;&gt;%4&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Torvane FAC %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Jääkiekkolautapelin 200 toimintakorttia ja ottelupöytäkirja.&lt;/p&gt;&lt;p&gt;Lisensoitu GNU General Public Licensen version 3 tai myöhemmän version ehdoin. Korttien tekstit, summeri ja kuvat on lisensoitu CC BY-SA 4.0 -lisenssillä.&lt;/p&gt;&lt;p&gt;Käännetty Qt-versiolla %2, käytössä Qt-versio %3.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%4&quot;&gt;%4&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Torvane FAC</source>
        <translation>Tietoja Torvane FACista</translation>
    </message>
    <message>
        <source>The game could not be saved to %1.
%2
Any earlier saved game there is unchanged.</source>
        <translation>Ottelua ei voitu tallentaa tiedostoon %1.
%2
Aiemmin sinne tallennettu ottelu on ennallaan.</translation>
    </message>
    <message>
        <source>TVN (*.TVN)</source>
        <translation>TVN (*.TVN)</translation>
    </message>
    <message>
        <source>The game could not be loaded from %1.
%2
Nothing was changed.</source>
        <translation>Ottelua ei voitu ladata tiedostosta %1.
%2
Mitään ei muutettu.</translation>
    </message>
    <message>
        <source>The league already counts this game as final.</source>
        <translation>Sarja laskee tämän ottelun jo päättyneeksi.</translation>
    </message>
    <message>
        <source>End this game now? The league will count it as final whatever the score.
%1.
Undo takes it back.</source>
        <translation>Päätetäänkö ottelu nyt? Sarja laskee sen päättyneeksi tuloksesta riippumatta.
%1.
Kumoa peruu päätöksen.</translation>
    </message>
    <message>
        <source>against %1</source>
        <translation>vastassa %1</translation>
    </message>
    <message>
        <source>goal</source>
        <translation>maali</translation>
    </message>
    <message>
        <source>no goal</source>
        <translation>ei maalia</translation>
    </message>
    <message>
        <source>Round %1, %2: %3</source>
        <translation>Kierros %1, %2: %3</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>The game log could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation>Tapahtumalokia ei voitu viedä tiedostoon %1.
%2
Aiempi tiedosto on ennallaan.</translation>
    </message>
    <message>
        <source>The game log was exported to %1</source>
        <translation>Tapahtumaloki vietiin tiedostoon %1</translation>
    </message>
    <message>
        <source>%1: forward line %2, defence pair %3</source>
        <translation>%1: %2. ketju, %3. puolustuspari</translation>
    </message>
    <message>
        <source>%1 net empty, extra attacker</source>
        <translation>%1: tyhjä maali, lisähyökkääjä</translation>
    </message>
    <message>
        <source>%1 goalie %2</source>
        <translation>%1: maalivahti %2</translation>
    </message>
    <message>
        <source>%1 goal %2 (%3 %4): %5</source>
        <translation>%1, maali %2 (%3 %4): %5</translation>
    </message>
    <message>
        <source>as proposed</source>
        <translation>ehdotuksen mukaan</translation>
    </message>
</context>
<context>
    <name>GameLog</name>
    <message>
        <source>New game</source>
        <translation>Uusi ottelu</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Ottelun lataus</translation>
    </message>
    <message>
        <source>Resume game</source>
        <translation>Ottelun jatkaminen</translation>
    </message>
    <message>
        <source>Timed flip</source>
        <translation>Ajastettu käännös</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Käännös</translation>
    </message>
    <message>
        <source>Next period</source>
        <translation>Seuraava erä</translation>
    </message>
    <message>
        <source>Away shot</source>
        <translation>Vierasjoukkueen laukaus</translation>
    </message>
    <message>
        <source>Home shot</source>
        <translation>Kotijoukkueen laukaus</translation>
    </message>
    <message>
        <source>Away goal</source>
        <translation>Vierasjoukkueen maali</translation>
    </message>
    <message>
        <source>Home goal</source>
        <translation>Kotijoukkueen maali</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Rangaistus</translation>
    </message>
    <message>
        <source>Penalty removed</source>
        <translation>Rangaistus poistettu</translation>
    </message>
    <message>
        <source>Penalty shot</source>
        <translation>Rangaistuslaukaus</translation>
    </message>
    <message>
        <source>Next lines</source>
        <translation>Seuraavat kentät</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Kentät</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Maalivahti</translation>
    </message>
    <message>
        <source>Goal details</source>
        <translation>Maalin tiedot</translation>
    </message>
    <message>
        <source>Three stars</source>
        <translation>Kolme tähteä</translation>
    </message>
    <message>
        <source>Rosters</source>
        <translation>Kokoonpanot</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Ottelun päättäminen</translation>
    </message>
    <message>
        <source>Shoot-out attempt</source>
        <translation>Voittomaalikilpailun yritys</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Korjaus</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Kumoaminen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Uudelleen tekeminen</translation>
    </message>
    <message>
        <source>Change lines</source>
        <translation>Kentänvaihto</translation>
    </message>
    <message>
        <source>End of period</source>
        <translation>Erä päättyi</translation>
    </message>
    <message>
        <source>Penalty over</source>
        <translation>Rangaistus päättyi</translation>
    </message>
    <message>
        <source>Penalty ended by a goal</source>
        <translation>Rangaistus päättyi maaliin</translation>
    </message>
    <message>
        <source>First minor ended by a goal</source>
        <translation>Ensimmäinen 2 min päättyi maaliin</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Lopputulos</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Erä</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Aika</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Tapahtuma</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Tiedot</translation>
    </message>
    <message>
        <source>%1 team</source>
        <translation>%1joukkue</translation>
    </message>
    <message>
        <source>Upper half %1, lower half %2</source>
        <translation>Yläosa %1, alaosa %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>puuttuu</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Tilanne</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Laukaukset</translation>
    </message>
    <message>
        <source> for %1</source>
        <translation> (%1)</translation>
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
        <translation>rangaistuslaukaus</translation>
    </message>
    <message>
        <source> (penalty %1)</source>
        <translation> (rangaistus %1)</translation>
    </message>
</context>
<context>
    <name>GameLogWindow</name>
    <message>
        <source>Game Log</source>
        <translation>Tapahtumaloki</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Vie…</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Peli</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Kumoa</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Tee uudelleen</translation>
    </message>
    <message>
        <source>Game Log…</source>
        <translation>Tapahtumaloki…</translation>
    </message>
    <message>
        <source>Penalty Box…</source>
        <translation>Jäähyaitio…</translation>
    </message>
    <message>
        <source>On Ice…</source>
        <translation>Kentällä…</translation>
    </message>
    <message>
        <source>Next Lines</source>
        <translation>Seuraavat kentät</translation>
    </message>
    <message>
        <source>Goal Details…</source>
        <translation>Maalin tiedot…</translation>
    </message>
    <message>
        <source>Game Sheet…</source>
        <translation>Ottelupöytäkirja…</translation>
    </message>
    <message>
        <source>End Game…</source>
        <translation>Päätä ottelu…</translation>
    </message>
    <message>
        <source>Shoot-out…</source>
        <translation>Voittomaalikilpailu…</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Kumoa: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Tee uudelleen: %1</translation>
    </message>
</context>
<context>
    <name>GameSheet</name>
    <message>
        <source>Game Sheet</source>
        <translation>Ottelupöytäkirja</translation>
    </message>
    <message>
        <source>%1 (away) at %2 (home)</source>
        <translation>%2 (koti) – %1 (vieras)</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Päivämäärä: %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Joukkue</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Maalit</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Laukaukset</translation>
    </message>
    <message>
        <source>%1 total</source>
        <translation>%1 yht.</translation>
    </message>
    <message>
        <source>Scoring and shots by period</source>
        <translation>Maalit ja laukaukset erittäin</translation>
    </message>
    <message>
        <source>No goals</source>
        <translation>Ei maaleja</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Erä</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Aika</translation>
    </message>
    <message>
        <source>Scorer</source>
        <translation>Maalintekijä</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Syöttäjät</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tyyppi</translation>
    </message>
    <message>
        <source>No penalties</source>
        <translation>Ei rangaistuksia</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Rangaistukset</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Pelaaja</translation>
    </message>
    <message>
        <source>Infraction</source>
        <translation>Rike</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Alku</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Loppu</translation>
    </message>
    <message>
        <source>Empty net</source>
        <translation>Tyhjä maali</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Maalivahti</translation>
    </message>
    <message>
        <source>Saves %1</source>
        <translation>Torjunnat %1</translation>
    </message>
    <message>
        <source>Saves</source>
        <translation>Torjunnat</translation>
    </message>
    <message>
        <source>Shots against</source>
        <translation>Laukaukset</translation>
    </message>
    <message>
        <source>Goals against</source>
        <translation>Päästetyt maalit</translation>
    </message>
    <message>
        <source>No shots</source>
        <translation>Ei laukauksia</translation>
    </message>
    <message>
        <source>Goalkeeping</source>
        <translation>Maalivahdit</translation>
    </message>
    <message>
        <source>No roster</source>
        <translation>Ei kokoonpanoa</translation>
    </message>
    <message>
        <source>Box score: %1</source>
        <translation>Pelaajatilastot: %1</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nro</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>PP</translation>
    </message>
    <message>
        <source>G</source>
        <translation>M</translation>
    </message>
    <message>
        <source>A</source>
        <translation>S</translation>
    </message>
    <message>
        <source>PTS</source>
        <translation>P</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>RM</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>SA</source>
        <translation>L</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>SV</source>
        <translation>T</translation>
    </message>
    <message>
        <source>First star</source>
        <translation>Ensimmäinen tähti</translation>
    </message>
    <message>
        <source>Second star</source>
        <translation>Toinen tähti</translation>
    </message>
    <message>
        <source>Third star</source>
        <translation>Kolmas tähti</translation>
    </message>
    <message>
        <source>Three stars</source>
        <translation>Kolme tähteä</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Tähti</translation>
    </message>
    <message>
        <source>Print Game Sheet</source>
        <translation>Tulosta ottelupöytäkirja</translation>
    </message>
</context>
<context>
    <name>GameSheetWindow</name>
    <message>
        <source>Game Sheet</source>
        <translation>Ottelupöytäkirja</translation>
    </message>
    <message>
        <source>First star:</source>
        <translation>1. tähti:</translation>
    </message>
    <message>
        <source>Second star:</source>
        <translation>2. tähti:</translation>
    </message>
    <message>
        <source>Third star:</source>
        <translation>3. tähti:</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Vie PDF…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Tulosta…</translation>
    </message>
    <message>
        <source>(proposed) %1</source>
        <translation>(ehdotus) %1</translation>
    </message>
    <message>
        <source>(proposed) nobody</source>
        <translation>(ehdotus) ei ketään</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>PDF-tiedostoa ei voitu luoda.</translation>
    </message>
    <message>
        <source>The game sheet could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation>Ottelupöytäkirjaa ei voitu viedä tiedostoon %1.
%2
Aiempi tiedosto on ennallaan.</translation>
    </message>
    <message>
        <source>The game sheet was exported to %1</source>
        <translation>Ottelupöytäkirja vietiin tiedostoon %1</translation>
    </message>
    <message>
        <source>The game sheet could not be printed.</source>
        <translation>Ottelupöytäkirjaa ei voitu tulostaa.</translation>
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
        <translation>Tuntematon</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Päättynyt</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>Kesken</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Viimeksi pelattu</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Vieras</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Koti</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Tulos</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Erä</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Aika</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tila</translation>
    </message>
</context>
<context>
    <name>GamesWindow</name>
    <message>
        <source>Games</source>
        <translation>Ottelut</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Jatka</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Poista…</translation>
    </message>
    <message>
        <source>Delete the game %1 against %2, last played %3? It cannot be brought back.</source>
        <translation>Poistetaanko ottelu %1 – %2, viimeksi pelattu %3? Sitä ei voi palauttaa.</translation>
    </message>
</context>
<context>
    <name>GoalDetailsWindow</name>
    <message>
        <source>1st</source>
        <translation>1. erä</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2. erä</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3. erä</translation>
    </message>
    <message>
        <source>Goal Details</source>
        <translation>Maalin tiedot</translation>
    </message>
    <message>
        <source>&amp;Goal:</source>
        <translation>&amp;Maali:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tyyppi:</translation>
    </message>
    <message>
        <source>&amp;Scorer:</source>
        <translation>&amp;Tekijä:</translation>
    </message>
    <message>
        <source>&amp;First assist:</source>
        <translation>&amp;1. syöttäjä:</translation>
    </message>
    <message>
        <source>S&amp;econd assist:</source>
        <translation>&amp;2. syöttäjä:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Käytä</translation>
    </message>
    <message>
        <source>%1. %2 %3 %4</source>
        <translation>Maali %1: %2 %3 %4</translation>
    </message>
    <message>
        <source>No goal has been scored in this game yet.</source>
        <translation>Tässä ottelussa ei ole vielä tehty maalia.</translation>
    </message>
    <message>
        <source>This team plays without a roster: there is nobody to name.</source>
        <translation>Tällä joukkueella ei ole kokoonpanoa: ketään ei voi nimetä.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tuntematon</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ei ketään</translation>
    </message>
</context>
<context>
    <name>LeadersWindow</name>
    <message>
        <source>Leaders</source>
        <translation>Tilastot</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>&amp;Joukkue:</translation>
    </message>
    <message>
        <source>&amp;Skaters</source>
        <translation>&amp;Kenttäpelaajat</translation>
    </message>
    <message>
        <source>&amp;Goalies</source>
        <translation>&amp;Maalivahdit</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Vie CSV…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Vie PDF…</translation>
    </message>
    <message>
        <source>Final games only. GAA: goals against per game played.</source>
        <translation>Vain päättyneet ottelut. KA: päästetyt maalit pelattua ottelua kohden.</translation>
    </message>
    <message>
        <source>All teams</source>
        <translation>Kaikki joukkueet</translation>
    </message>
    <message>
        <source>Skaters</source>
        <translation>Kenttäpelaajat</translation>
    </message>
    <message>
        <source>Goalies</source>
        <translation>Maalivahdit</translation>
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
        <translation>Sen %1 on suurempi kuin mikään, jonka tämä ohjelma kirjoittaa.</translation>
    </message>
    <message>
        <source>Its game log cannot be read: %1.</source>
        <translation>Sen tapahtumalokia ei voi lukea: %1.</translation>
    </message>
    <message>
        <source>game log</source>
        <translation>tapahtumaloki</translation>
    </message>
    <message>
        <source>Its game log holds an event this program does not know: %1.</source>
        <translation>Sen tapahtumalokissa on tapahtuma, jota tämä ohjelma ei tunne: %1.</translation>
    </message>
    <message>
        <source>board</source>
        <translation>pelilauta</translation>
    </message>
    <message>
        <source>deck</source>
        <translation>korttipakka</translation>
    </message>
    <message>
        <source>penalty box</source>
        <translation>jäähyaitio</translation>
    </message>
    <message>
        <source>score sheet</source>
        <translation>pöytäkirja</translation>
    </message>
</context>
<context>
    <name>LeagueFiles</name>
    <message>
        <source>League (*.sqlite)</source>
        <translation>Sarja (*.sqlite)</translation>
    </message>
    <message>
        <source>The file %1 exists already, and a league is never written over. Open it as the league instead?</source>
        <translation>Tiedosto %1 on jo olemassa, eikä sarjaa koskaan kirjoiteta toisen tiedoston päälle. Avataanko se sarjaksi?</translation>
    </message>
    <message>
        <source>This is the league in use: its games are here already.</source>
        <translation>Tämä on käytössä oleva sarja: sen ottelut ovat jo täällä.</translation>
    </message>
    <message>
        <source>No game was imported. %1</source>
        <translation>Yhtään ottelua ei tuotu. %1</translation>
    </message>
</context>
<context>
    <name>LeagueImport</name>
    <message>
        <source>No game was imported. %1</source>
        <translation>Yhtään ottelua ei tuotu. %1</translation>
    </message>
    <message>
        <source>Games imported: %1. Already in this league: %2. Refused: %3.</source>
        <translation>Tuotuja otteluita: %1. Jo tässä sarjassa: %2. Hylättyjä: %3.</translation>
    </message>
    <message>
        <source>Teams added: %1.</source>
        <translation>Lisättyjä joukkueita: %1.</translation>
    </message>
    <message>
        <source>These teams&apos; players differ between the two leagues; this league&apos;s rosters are left as they are:</source>
        <translation>Näiden joukkueiden pelaajat eroavat sarjojen välillä; tämän sarjan kokoonpanot jätetään ennalleen:</translation>
    </message>
    <message>
        <source>Teams not imported:</source>
        <translation>Joukkueet, joita ei tuotu:</translation>
    </message>
    <message>
        <source>number %1, %2, only here</source>
        <translation>numero %1, %2, vain täällä</translation>
    </message>
    <message>
        <source>number %1 is %2 here and %3 there</source>
        <translation>numero %1 on täällä %2 ja siellä %3</translation>
    </message>
    <message>
        <source>number %1, %2, only there</source>
        <translation>numero %1, %2, vain siellä</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>– and %1 more.</source>
        <translation>– ja %1 muuta.</translation>
    </message>
    <message>
        <source>Its game log is another game&apos;s too.</source>
        <translation>Sen tapahtumaloki kuuluu myös toiselle ottelulle.</translation>
    </message>
</context>
<context>
    <name>LeagueKeeper</name>
    <message>
        <source>The league file %1 is no longer there. The league in %2 is used instead.</source>
        <translation>Sarjatiedostoa %1 ei enää ole. Sen sijaan käytetään sarjaa tiedostossa %2.</translation>
    </message>
    <message>
        <source>%1

The league in use is still %2.</source>
        <translation>%1

Käytössä on edelleen sarja %2.</translation>
    </message>
</context>
<context>
    <name>LeagueMenu</name>
    <message>
        <source>&amp;League</source>
        <translation>&amp;Sarja</translation>
    </message>
    <message>
        <source>Games…</source>
        <translation>Ottelut…</translation>
    </message>
    <message>
        <source>Teams…</source>
        <translation>Joukkueet…</translation>
    </message>
    <message>
        <source>Standings…</source>
        <translation>Sarjataulukko…</translation>
    </message>
    <message>
        <source>Leaders…</source>
        <translation>Tilastot…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Asetukset…</translation>
    </message>
    <message>
        <source>New League…</source>
        <translation>Uusi sarja…</translation>
    </message>
    <message>
        <source>Open League…</source>
        <translation>Avaa sarja…</translation>
    </message>
    <message>
        <source>Import Games…</source>
        <translation>Tuo otteluita…</translation>
    </message>
</context>
<context>
    <name>LeagueSettingsWindow</name>
    <message>
        <source>League Settings</source>
        <translation>Sarjan asetukset</translation>
    </message>
    <message>
        <source>&amp;Sudden death: the first goal in overtime ends the game</source>
        <translation>Ä&amp;kkikuolema: jatkoajan ensimmäinen maali ratkaisee ottelun</translation>
    </message>
    <message>
        <source>20:00, played to 0:00</source>
        <translation>20:00, pelataan loppuun 0:00 asti</translation>
    </message>
    <message>
        <source>5:00, over when the clock reaches 15:00</source>
        <translation>5:00, päättyy kun kello on 15:00</translation>
    </message>
    <message>
        <source>%1 on %1</source>
        <translation>%1 vs %1</translation>
    </message>
    <message>
        <source>S&amp;hoot-out when overtime ends level</source>
        <translation>&amp;Voittomaalikilpailu, jos jatkoaika päättyy tasan</translation>
    </message>
    <message>
        <source>Overtime &amp;length:</source>
        <translation>Jatkoajan &amp;pituus:</translation>
    </message>
    <message>
        <source>Overtime s&amp;trength:</source>
        <translation>Jatkoajan pelaaja&amp;määrä:</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>&amp;Oletukset</translation>
    </message>
    <message>
        <source>A game plays under the rules in force when it began: changes here take effect from the next game.</source>
        <translation>Ottelu pelataan sen alkaessa voimassa olleilla säännöillä: muutokset tulevat voimaan seuraavasta ottelusta.</translation>
    </message>
</context>
<context>
    <name>LeagueStore</name>
    <message>
        <source>The games of the other league file cannot be read: %1.</source>
        <translation>Toisen sarjatiedoston otteluita ei voi lukea: %1.</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%2 – %1, %3</translation>
    </message>
    <message>
        <source>%1: its id is none this program writes.</source>
        <translation>%1: sen tunniste ei ole sellainen, jonka tämä ohjelma kirjoittaa.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>This league file cannot be written.</source>
        <translation>Tähän sarjatiedostoon ei voi kirjoittaa.</translation>
    </message>
    <message>
        <source>The league file is not open.</source>
        <translation>Sarjatiedosto ei ole auki.</translation>
    </message>
    <message>
        <source>The game cannot be read: %1.</source>
        <translation>Ottelua ei voi lukea: %1.</translation>
    </message>
    <message>
        <source>The game is not in the league.</source>
        <translation>Ottelu ei ole sarjassa.</translation>
    </message>
    <message>
        <source>Its state is none this program knows: %1.</source>
        <translation>Sen tila ei ole mikään tämän ohjelman tuntema: %1.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>tuntematon virhe</translation>
    </message>
    <message>
        <source>The league file %1 is damaged (%2). It is kept as %3, and a new league file was started.</source>
        <translation>Sarjatiedosto %1 on vioittunut (%2). Se säilytetään nimellä %3, ja uusi sarjatiedosto aloitettiin.</translation>
    </message>
    <message>
        <source>The league file %1 cannot be written: %2. Games are not kept until it can be.</source>
        <translation>Sarjatiedostoon %1 ei voi kirjoittaa: %2. Otteluita ei tallenneta ennen kuin siihen voi kirjoittaa.</translation>
    </message>
    <message>
        <source>The league file %1 cannot be made: its folder cannot be made. Games are not kept until it can be.</source>
        <translation>Sarjatiedostoa %1 ei voi luoda: sen kansiota ei voi luoda. Otteluita ei tallenneta ennen kuin se voidaan luoda.</translation>
    </message>
    <message>
        <source>The file %1 is not a league file of Torvane FAC. It is kept as %2, and a new league file was started.</source>
        <translation>Tiedosto %1 ei ole Torvane FACin sarjatiedosto. Se säilytetään nimellä %2, ja uusi sarjatiedosto aloitettiin.</translation>
    </message>
    <message>
        <source>The league file %1 was written by a later version of Torvane FAC. Its games can be resumed, but no game is kept in it.</source>
        <translation>Sarjatiedoston %1 on kirjoittanut Torvane FACin uudempi versio. Sen otteluita voi jatkaa, mutta siihen ei tallenneta yhtään ottelua.</translation>
    </message>
    <message>
        <source>its integrity check failed</source>
        <translation>sen eheystarkistus epäonnistui</translation>
    </message>
    <message>
        <source>The file %1 cannot be found.</source>
        <translation>Tiedostoa %1 ei löydy.</translation>
    </message>
    <message>
        <source>The file %1 is damaged (%2).</source>
        <translation>Tiedosto %1 on vioittunut (%2).</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Tiedostoa %1 ei voi lukea: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a league file of Torvane FAC.</source>
        <translation>Tiedosto %1 ei ole Torvane FACin sarjatiedosto.</translation>
    </message>
    <message>
        <source>The league file %1 was written by an earlier version of Torvane FAC. Open it once with League &gt; Open League… to bring it up to date.</source>
        <translation>Sarjatiedoston %1 on kirjoittanut Torvane FACin vanhempi versio. Päivitä se avaamalla se kerran valinnalla Sarja &gt; Avaa sarja….</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt (the package libqt6sql6-sqlite) is not installed</source>
        <translation>Qt:n SQLite-ajuria (paketti libqt6sql6-sqlite) ei ole asennettu</translation>
    </message>
    <message>
        <source>it is not a league file</source>
        <translation>se ei ole sarjatiedosto</translation>
    </message>
    <message>
        <source>its journal cannot be kept beside it</source>
        <translation>sen journal-tiedostoa ei voi pitää sen rinnalla</translation>
    </message>
    <message>
        <source>its tables are not those of a league file</source>
        <translation>sen taulut eivät ole sarjatiedoston taulut</translation>
    </message>
    <message>
        <source>it is damaged and cannot be moved aside: %1</source>
        <translation>se on vioittunut eikä sitä voi siirtää syrjään: %1</translation>
    </message>
    <message>
        <source>The league file %1 is damaged (%2). Games are not kept until New Game starts a new league file.</source>
        <translation>Sarjatiedosto %1 on vioittunut (%2). Otteluita ei tallenneta ennen kuin Uusi ottelu aloittaa uuden sarjatiedoston.</translation>
    </message>
    <message>
        <source>The league file %1 cannot be written: %2. Games are not kept until New Game finds it can be.</source>
        <translation>Sarjatiedostoon %1 ei voi kirjoittaa: %2. Otteluita ei tallenneta ennen kuin Uusi ottelu toteaa, että siihen voi kirjoittaa.</translation>
    </message>
    <message>
        <source>The teams of the league file cannot be read: %1.</source>
        <translation>Sarjatiedoston joukkueita ei voi lukea: %1.</translation>
    </message>
    <message>
        <source>A team in the league file cannot be read: %1. It is left as it is.</source>
        <translation>Sarjatiedoston joukkuetta ei voi lukea: %1. Se jätetään ennalleen.</translation>
    </message>
    <message>
        <source>The team “%1” in the league file cannot be read: %2. It is left as it is.</source>
        <translation>Sarjatiedoston joukkuetta ”%1” ei voi lukea: %2. Se jätetään ennalleen.</translation>
    </message>
    <message>
        <source>its names are not text this program writes</source>
        <translation>sen nimet eivät ole tämän ohjelman kirjoittamaa tekstiä</translation>
    </message>
    <message>
        <source>its roster is larger than any this program writes</source>
        <translation>sen kokoonpano on suurempi kuin mikään tämän ohjelman kirjoittama</translation>
    </message>
    <message>
        <source>another team has its name</source>
        <translation>toisella joukkueella on sama nimi</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>About Torvane FAC</source>
        <translation>Tietoja Torvane FACista</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Tietoja Qt:sta</translation>
    </message>
</context>
<context>
    <name>OnIceWindow</name>
    <message>
        <source>Loose puck</source>
        <translation>Irtokiekko</translation>
    </message>
    <message>
        <source>Faceoff</source>
        <translation>Aloitus</translation>
    </message>
    <message>
        <source>On Ice</source>
        <translation>Kentällä</translation>
    </message>
    <message>
        <source>Whom the card&apos;s attack and defence mean</source>
        <translation>Keitä kortin hyökkäys ja puolustus tarkoittavat</translation>
    </message>
    <message>
        <source>&amp;Puck:</source>
        <translation>&amp;Kiekko:</translation>
    </message>
    <message>
        <source>&amp;Next Lines</source>
        <translation>&amp;Seuraavat kentät</translation>
    </message>
    <message>
        <source>Both teams change to their next forward line and defence pair (F4)</source>
        <translation>Molemmat joukkueet vaihtavat seuraavaan hyökkäysketjuun ja puolustuspariin (F4)</translation>
    </message>
    <message>
        <source>This team plays without a roster. To give it one, add the team in League &gt; Teams… and type its name in the SHOTS table.</source>
        <translation>Tällä joukkueella ei ole kokoonpanoa. Lisää joukkue kohdassa Sarja &gt; Joukkueet… ja kirjoita sen nimi SHOTS-taulukkoon.</translation>
    </message>
    <message>
        <source>Forwards:</source>
        <translation>Hyökkääjät:</translation>
    </message>
    <message>
        <source>Defence:</source>
        <translation>Puolustajat:</translation>
    </message>
    <message>
        <source>Goalie:</source>
        <translation>Maalivahti:</translation>
    </message>
    <message>
        <source>Either team has it</source>
        <translation>Kummalla tahansa joukkueella</translation>
    </message>
    <message>
        <source>Empty net</source>
        <translation>Tyhjä maali</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>%1. ketju</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>%1. pari</translation>
    </message>
    <message>
        <source>Empty net (extra attacker)</source>
        <translation>Tyhjä maali (lisähyökkääjä)</translation>
    </message>
</context>
<context>
    <name>PenaltyBox</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 vs %2</translation>
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
        <translation>Rangaistuslaukaus</translation>
    </message>
    <message>
        <source>Penalty Box</source>
        <translation>Jäähyaitio</translation>
    </message>
    <message>
        <source>New penalty</source>
        <translation>Uusi rangaistus</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Joukkue:</translation>
    </message>
    <message>
        <source>Number and name (optional)</source>
        <translation>Numero ja nimi (valinnainen)</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Pelaaja:</translation>
    </message>
    <message>
        <source>I&amp;nfraction:</source>
        <translation>&amp;Rike:</translation>
    </message>
    <message>
        <source>Tripping, Fighting... (optional)</source>
        <translation>Kampitus, tappelu... (valinnainen)</translation>
    </message>
    <message>
        <source>M&amp;inor (2:00)</source>
        <translation>2 min &amp;jäähy</translation>
    </message>
    <message>
        <source>Penalty:</source>
        <translation>Rangaistus:</translation>
    </message>
    <message>
        <source>&amp;Double minor (4:00)</source>
        <translation>&amp;2+2 min jäähy</translation>
    </message>
    <message>
        <source>Ma&amp;jor (5:00)</source>
        <translation>&amp;5 min jäähy</translation>
    </message>
    <message>
        <source>Misc&amp;onduct (10:00)</source>
        <translation>&amp;10 min käytösrangaistus</translation>
    </message>
    <message>
        <source>Penalty &amp;shot</source>
        <translation>Rangaistus&amp;laukaus</translation>
    </message>
    <message>
        <source>From &amp;card</source>
        <translation>&amp;Kortista</translation>
    </message>
    <message>
        <source>The kind the card&apos;s penalty cell calls, and the infraction of its lower half</source>
        <translation>Kortin rangaistusruudun määräämä laji ja kortin alaosan rike</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Li&amp;sää</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Joukkue</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Pelaaja</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Rangaistus</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Jäljellä</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>In the &amp;box:</source>
        <translation>Jäähy&amp;aitiossa:</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Pelaajamäärä:</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>P&amp;oista</translation>
    </message>
    <message>
        <source>A&amp;way</source>
        <translation>&amp;Vieras</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>Ko&amp;ti</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Odottaa</translation>
    </message>
    <message>
        <source>Coincidental</source>
        <translation>Yhtäaikainen</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Käynnissä</translation>
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
        <translation>Tätä ottelua ei voi jatkaa. %1</translation>
    </message>
    <message>
        <source>The league file cannot be written to.</source>
        <translation>Sarjatiedostoon ei voi kirjoittaa.</translation>
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
        <translation>Taulukkoa ”%1” ei voitu viedä tiedostoon %2.
%3
Aiempi tiedosto on ennallaan.</translation>
    </message>
    <message>
        <source>The table “%1” was exported to %2</source>
        <translation>Taulukko ”%1” vietiin tiedostoon %2</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>the team has no name</source>
        <translation>joukkueella ei ole nimeä</translation>
    </message>
    <message>
        <source>the short name must be 1 to %1 letters</source>
        <translation>lyhenteessä on oltava 1–%1 kirjainta</translation>
    </message>
    <message>
        <source>number %1 is not from 0 to %2</source>
        <translation>numero %1 ei ole väliltä 0–%2</translation>
    </message>
    <message>
        <source>number %1 is given twice</source>
        <translation>numero %1 on annettu kahdesti</translation>
    </message>
    <message>
        <source>number %1 has no name</source>
        <translation>numerolla %1 ei ole nimeä</translation>
    </message>
    <message>
        <source>number %1 in %2 is not on the team</source>
        <translation>numero %1 (%2) ei kuulu joukkueeseen</translation>
    </message>
    <message>
        <source>number %1 has more than one place in the lines</source>
        <translation>numerolla %1 on kentissä useampi kuin yksi paikka</translation>
    </message>
    <message>
        <source>number %1 plays %2 and cannot be %3</source>
        <translation>numero %1 pelaa paikalla %2 eikä voi olla %3</translation>
    </message>
    <message>
        <source>number %1 plays %2 and cannot play in %3</source>
        <translation>numero %1 pelaa paikalla %2 eikä voi pelata kohdassa %3</translation>
    </message>
    <message>
        <source>forward line %1</source>
        <translation>%1. ketju</translation>
    </message>
    <message>
        <source>defence pair %1</source>
        <translation>%1. puolustuspari</translation>
    </message>
    <message>
        <source>the starting goalie</source>
        <translation>aloittava maalivahti</translation>
    </message>
    <message>
        <source>the backup goalie</source>
        <translation>varamaalivahti</translation>
    </message>
</context>
<context>
    <name>RosterCodec</name>
    <message>
        <source>its roster has more than %1 players</source>
        <translation>sen kokoonpanossa on yli %1 pelaajaa</translation>
    </message>
    <message>
        <source>a player of its roster has no number from 0 to %1</source>
        <translation>kokoonpanon pelaajalla ei ole numeroa väliltä 0–%1</translation>
    </message>
    <message>
        <source>number %1 has no name this program writes</source>
        <translation>numerolla %1 ei ole nimeä, jonka tämä ohjelma kirjoittaa</translation>
    </message>
    <message>
        <source>number %1 has no position C, LW, RW, D or G</source>
        <translation>numerolla %1 ei ole pelipaikkaa C, LW, RW, D tai G</translation>
    </message>
    <message>
        <source>%1 has two players at %2</source>
        <translation>%1: kaksi pelaajaa paikalla %2</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>“%1” is not a place in the lines</source>
        <translation>”%1” ei ole paikka kentissä</translation>
    </message>
    <message>
        <source>%1 is number %2 already</source>
        <translation>%1 on jo numero %2</translation>
    </message>
    <message>
        <source>%1 has number %2 at %3 already</source>
        <translation>kohdassa %1 on jo numero %2 paikalla %3</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Rivi %1: %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>tiedosto on tyhjä</translation>
    </message>
    <message>
        <source>the first line is not the header %1</source>
        <translation>ensimmäinen rivi ei ole otsikkorivi %1</translation>
    </message>
    <message>
        <source>%1 cells where there should be %2</source>
        <translation>%1 solua, vaikka pitäisi olla %2</translation>
    </message>
    <message>
        <source>the number “%1” is not from 0 to %2</source>
        <translation>numero ”%1” ei ole väliltä 0–%2</translation>
    </message>
    <message>
        <source>number %1 is on line %2 already</source>
        <translation>numero %1 on jo rivillä %2</translation>
    </message>
    <message>
        <source>number %1 has no name</source>
        <translation>numerolla %1 ei ole nimeä</translation>
    </message>
    <message>
        <source>“%1” is not a position: C, LW, RW, D or G</source>
        <translation>”%1” ei ole pelipaikka: C, LW, RW, D tai G</translation>
    </message>
    <message>
        <source>the file lists no players</source>
        <translation>tiedostossa ei ole pelaajia</translation>
    </message>
</context>
<context>
    <name>RosterModel</name>
    <message>
        <source>No.</source>
        <translation>Nro</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pelipaikka</translation>
    </message>
</context>
<context>
    <name>SaveFolder</name>
    <message>
        <source>HOME is not set to a folder</source>
        <translation>HOME ei osoita kansioon</translation>
    </message>
    <message>
        <source>The folder %1 could not be made: %2.</source>
        <translation>Kansiota %1 ei voitu luoda: %2.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The file is not text this program can read.</source>
        <translation>Tiedosto ei ole tekstiä, jota tämä ohjelma voi lukea.</translation>
    </message>
    <message>
        <source>It holds %1 of the %2 lines of a saved game.</source>
        <translation>Siinä on %1 tallennetun ottelun %2 rivistä.</translation>
    </message>
    <message>
        <source>Its line %1, the seconds left in the period, is not a number from 0 to %2.</source>
        <translation>Sen rivi %1, erässä jäljellä olevat sekunnit, ei ole luku väliltä 0–%2.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Tiedostoa ei ole olemassa.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Se ei ole tiedosto.</translation>
    </message>
    <message>
        <source>It is too large to be a saved game.</source>
        <translation>Se on liian suuri tallennetuksi otteluksi.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>Sitä ei voi lukea: %1.</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>scored by %1</source>
        <translation>maalin teki %1</translation>
    </message>
    <message>
        <source>no assist</source>
        <translation>ei syöttöä</translation>
    </message>
    <message>
        <source>assists %1</source>
        <translation>syötöt: %1</translation>
    </message>
</context>
<context>
    <name>SeasonModel</name>
    <message>
        <source>Team</source>
        <translation>Joukkue</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Ottelut</translation>
    </message>
    <message>
        <source>W</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Voitot</translation>
    </message>
    <message>
        <source>L</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Losses in regulation</source>
        <translation>Häviöt varsinaisella peliajalla</translation>
    </message>
    <message>
        <source>OTL</source>
        <translation>JH</translation>
    </message>
    <message>
        <source>Losses in overtime or the shoot-out</source>
        <translation>Häviöt jatkoajalla tai voittomaalikilpailussa</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Games ended level</source>
        <translation>Tasapelit</translation>
    </message>
    <message>
        <source>PTS</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pisteet</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>TM</translation>
    </message>
    <message>
        <source>Goals for</source>
        <translation>Tehdyt maalit</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>Goals against</source>
        <translation>Päästetyt maalit</translation>
    </message>
    <message>
        <source>DIFF</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Goal difference</source>
        <translation>Maaliero</translation>
    </message>
    <message>
        <source>Last 10</source>
        <translation>10 viim.</translation>
    </message>
    <message>
        <source>The last ten games: wins, losses, overtime losses (and ties)</source>
        <translation>Viimeiset kymmenen ottelua: voitot, häviöt, jatkoaikahäviöt (ja tasapelit)</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Pelaaja</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>PP</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pelipaikka</translation>
    </message>
    <message>
        <source>G</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Maalit</translation>
    </message>
    <message>
        <source>A</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Syötöt</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>RM</translation>
    </message>
    <message>
        <source>Penalty minutes</source>
        <translation>Rangaistusminuutit</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Plus/minus</source>
        <translation>Plus/miinus</translation>
    </message>
    <message>
        <source>SA</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Shots against</source>
        <translation>Laukaukset omaan maaliin</translation>
    </message>
    <message>
        <source>GAA</source>
        <translation>KA</translation>
    </message>
    <message>
        <source>Goals against per game played</source>
        <translation>Päästetyt maalit pelattua ottelua kohden</translation>
    </message>
    <message>
        <source>SV%</source>
        <translation>T%</translation>
    </message>
    <message>
        <source>Saves per shot against</source>
        <translation>Torjuntaprosentti: torjunnat laukauksista</translation>
    </message>
    <message>
        <source>SO</source>
        <translation>NP</translation>
    </message>
    <message>
        <source>Shutouts</source>
        <translation>Nollapelit</translation>
    </message>
</context>
<context>
    <name>ShootoutWindow</name>
    <message>
        <source>(none)</source>
        <translation>(ei ketään)</translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <translation>Voittomaalikilpailu</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Kierros</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Joukkue</translation>
    </message>
    <message>
        <source>Shooter</source>
        <translation>Laukoja</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Maalivahti</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Tulos</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>&amp;Joukkue:</translation>
    </message>
    <message>
        <source>&amp;Shooter:</source>
        <translation>&amp;Laukoja:</translation>
    </message>
    <message>
        <source>G&amp;oalie:</source>
        <translation>Maali&amp;vahti:</translation>
    </message>
    <message>
        <source>Card:</source>
        <translation>Kortti:</translation>
    </message>
    <message>
        <source>&amp;Goal</source>
        <translation>&amp;Maali</translation>
    </message>
    <message>
        <source>&amp;No Goal</source>
        <translation>&amp;Ei maalia</translation>
    </message>
    <message>
        <source>%1 won the shoot-out.</source>
        <translation>%1 voitti voittomaalikilpailun.</translation>
    </message>
    <message>
        <source>Overtime ended level: the shoot-out decides. Three rounds, then round by round until one team scores and the other does not.</source>
        <translation>Jatkoaika päättyi tasan: voittomaalikilpailu ratkaisee. Kolme kierrosta, sitten kierros kerrallaan, kunnes toinen joukkue tekee maalin ja toinen ei.</translation>
    </message>
    <message>
        <source>The league plays no shoot-out (League &gt; Settings).</source>
        <translation>Sarjassa ei pelata voittomaalikilpailua (Sarja &gt; Asetukset).</translation>
    </message>
    <message>
        <source>A shoot-out follows an overtime that ends level.</source>
        <translation>Voittomaalikilpailu pelataan, jos jatkoaika päättyy tasan.</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>(ei mitään)</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Maali</translation>
    </message>
    <message>
        <source>No goal</source>
        <translation>Ei maalia</translation>
    </message>
</context>
<context>
    <name>StandingsWindow</name>
    <message>
        <source>Standings</source>
        <translation>Sarjataulukko</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Vie CSV…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Vie PDF…</translation>
    </message>
    <message>
        <source>Final games only. Two points for a win, one for a loss in overtime or the shoot-out, one for a tie.</source>
        <translation>Vain päättyneet ottelut. Voitosta kaksi pistettä, jatkoaika- tai voittomaalikilpailuhäviöstä yksi, tasapelistä yksi.</translation>
    </message>
</context>
<context>
    <name>Team</name>
    <message>
        <source>Away</source>
        <translation>Vieras</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Koti</translation>
    </message>
</context>
<context>
    <name>TeamsWindow</name>
    <message>
        <source>(no name)</source>
        <translation>(nimetön)</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Joukkueet</translation>
    </message>
    <message>
        <source>&amp;League name:</source>
        <translation>&amp;Sarjan nimi:</translation>
    </message>
    <message>
        <source>&amp;Add Team</source>
        <translation>&amp;Lisää joukkue</translation>
    </message>
    <message>
        <source>&amp;Remove Team…</source>
        <translation>&amp;Poista joukkue…</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nimi:</translation>
    </message>
    <message>
        <source>&amp;Short name:</source>
        <translation>Ly&amp;henne:</translation>
    </message>
    <message>
        <source>Add &amp;Player</source>
        <translation>Lisää pel&amp;aaja</translation>
    </message>
    <message>
        <source>Remo&amp;ve Player</source>
        <translation>Poista pelaa&amp;ja</translation>
    </message>
    <message>
        <source>&amp;Import CSV…</source>
        <translation>&amp;Tuo CSV…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Vie CSV…</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>&amp;Käytä</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Kentät</translation>
    </message>
    <message>
        <source>Forward line %1</source>
        <translation>%1. ketju</translation>
    </message>
    <message>
        <source>Defence pair %1</source>
        <translation>%1. puolustuspari</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Aloittava</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Vara</translation>
    </message>
    <message>
        <source>Goalies</source>
        <translation>Maalivahdit</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>New team</source>
        <translation>Uusi joukkue</translation>
    </message>
    <message>
        <source>New team %1</source>
        <translation>Uusi joukkue %1</translation>
    </message>
    <message>
        <source>Remove the team %1 and its roster from the league?</source>
        <translation>Poistetaanko joukkue %1 ja sen kokoonpano sarjasta?</translation>
    </message>
    <message>
        <source>the name of number %1 is longer than %2 letters</source>
        <translation>numeron %1 nimi on pidempi kuin %2 kirjainta</translation>
    </message>
    <message>
        <source>another team is named %1</source>
        <translation>toisen joukkueen nimi on %1</translation>
    </message>
    <message>
        <source>Not to be kept while %1.</source>
        <translation>Ei tallenneta, koska %1.</translation>
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
        <translation>Mitään ei tallennettu. %1</translation>
    </message>
    <message>
        <source>These teams were not kept, for what is wrong with them:
%1</source>
        <translation>Näitä joukkueita ei tallennettu niissä olevien virheiden vuoksi:
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
        <translation>Kokoonpanoa ei voitu tuoda tiedostosta %1.
%2
Tiedostosta ei tuotu mitään.</translation>
    </message>
    <message>
        <source>The file is larger than any roster.</source>
        <translation>Tiedosto on suurempi kuin mikään kokoonpano.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more lines</source>
        <translation>
            <numerusform>ja %n rivi lisää</numerusform>
            <numerusform>ja %n riviä lisää</numerusform>
        </translation>
    </message>
    <message>
        <source>The roster could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation>Kokoonpanoa ei voitu viedä tiedostoon %1.
%2
Aiempi tiedosto on ennallaan.</translation>
    </message>
    <message>
        <source>The roster of %1 was exported to %2</source>
        <translation>Joukkueen %1 kokoonpano vietiin tiedostoon %2</translation>
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
        <translation>Lopputulos: %1 %2, %3 %4</translation>
    </message>
    <message>
        <source>, OT</source>
        <translation>, JA</translation>
    </message>
    <message>
        <source>, SO</source>
        <translation>, VL</translation>
    </message>
</context>
</TS>
