<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>CardReader</name>
    <message>
        <source>Error %1 trying to read FACs.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File too large to be a card file (over 16 MB)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timed Flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away Shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalty Shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Goalie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three Stars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Rosters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shoot-out Attempt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Control</name>
    <message>
        <source>Card number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass to, second choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loose puck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower half card number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower half pass to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faceoff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breakaway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breakaway defence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower half shots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower half strategy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower half rebound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dump-ins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minor penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHANGE LINES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away team name, %1 table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home team name, %1 table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away %1, period 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away %1, period 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away %1, period 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away %1, overtime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away %1, total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home %1, period 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home %1, period 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home %1, period 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home %1, overtime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home %1, total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved game path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip FAC-Advance Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip FAC-No Timer Advance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away Shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>goals</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>a quote is opened and never closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quote inside a cell that does not begin with one</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>TVN_FAC</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameCodec</name>
    <message>
        <source>Its board cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its field %1 holds no text that the program could have written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its seconds left in the period are not a number from 0 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its deck is not an order of the %1 cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its place in the deck is outside the deck.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its penalty box cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its score sheet cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameController</name>
    <message>
        <source>%1 was looked for in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was looked for in %2 and in %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Torvane FAC %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The 200 action cards and the score sheet of a tabletop ice-hockey game.&lt;/p&gt;&lt;p&gt;Licensed under the GNU General Public License, version 3 or later. The card texts, the horn and the pictures are licensed under CC BY-SA 4.0.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%4&quot;&gt;%4&lt;/a&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Torvane FAC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be saved to %1.
%2
Any earlier saved game there is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were saved to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to Load game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TVN (*.TVN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be loaded from %1.
%2
Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The league already counts this game as final.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End this game now? The league will count it as final whatever the score.
%1.
Undo takes it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>against %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round %1, %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game log could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game log was exported to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: forward line %2, defence pair %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 net empty, extra attacker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goalie %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goal %2 (%3 %4): %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as proposed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameLog</name>
    <message>
        <source>New game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timed flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalty removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalty shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three stars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rosters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shoot-out attempt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalty over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalty ended by a goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First minor ended by a goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper half %1, lower half %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>double minor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>major</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>misconduct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>penalty shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (penalty %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameLogWindow</name>
    <message>
        <source>Game Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Log…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalty Box…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Ice…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal Details…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Sheet…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Game…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shoot-out…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameSheet</name>
    <message>
        <source>Game Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (away) at %2 (home)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scoring and shots by period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No penalties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shots against</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goals against</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No shots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goalkeeping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No roster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+/-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three stars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Game Sheet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameSheetWindow</name>
    <message>
        <source>Game Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First star:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second star:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third star:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(proposed) %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(proposed) nobody</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game sheet could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game sheet was exported to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game sheet could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GamesModel</name>
    <message>
        <source>%1 – %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GamesWindow</name>
    <message>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the game %1 against %2, last played %3? It cannot be brought back.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GoalDetailsWindow</name>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Goal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scorer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First assist:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;econd assist:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2 %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No goal has been scored in this game yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This team plays without a roster: there is nobody to name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>TIME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MINOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAJOR</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LeadersWindow</name>
    <message>
        <source>Leaders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skaters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Goalies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final games only. GAA: goals against per game played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All teams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skaters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goalies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>League</name>
    <message>
        <source>Its %1 is larger than any this program writes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its game log cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>game log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its game log holds an event this program does not know: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>penalty box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>score sheet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LeagueFiles</name>
    <message>
        <source>League (*.sqlite)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 exists already, and a league is never written over. Open it as the league instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the league in use: its games are here already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game was imported. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LeagueImport</name>
    <message>
        <source>No game was imported. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games imported: %1. Already in this league: %2. Refused: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teams added: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These teams&apos; players differ between the two leagues; this league&apos;s rosters are left as they are:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teams not imported:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LeagueKeeper</name>
    <message>
        <source>The league file %1 is no longer there. The league in %2 is used instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

The league in use is still %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LeagueMenu</name>
    <message>
        <source>&amp;League</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teams…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leaders…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New League…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open League…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Games…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LeagueSettingsWindow</name>
    <message>
        <source>League Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sudden death: the first goal in overtime ends the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20:00, played to 0:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5:00, over when the clock reaches 15:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;hoot-out when overtime ends level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overtime &amp;length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overtime s&amp;trength:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A game plays under the rules in force when it began: changes here take effect from the next game.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LeagueStore</name>
    <message>
        <source>The games of the other league file cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: its id is none this program writes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This league file cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The league file is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is not in the league.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its state is none this program knows: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The league file %1 is damaged (%2). It is kept as %3, and a new league file was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The league file %1 cannot be written: %2. Games are not kept until it can be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The league file %1 cannot be made: its folder cannot be made. Games are not kept until it can be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a league file of Torvane FAC. It is kept as %2, and a new league file was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The league file %1 was written by a later version of Torvane FAC. Its games can be resumed, but no game is kept in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its integrity check failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is damaged (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a league file of Torvane FAC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The league file %1 was written by an earlier version of Torvane FAC. Open it once with League &gt; Open League… to bring it up to date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the SQLite driver of Qt (the package libqt6sql6-sqlite) is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a league file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its journal cannot be kept beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its tables are not those of a league file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged and cannot be moved aside: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The league file %1 is damaged (%2). Games are not kept until New Game starts a new league file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The league file %1 cannot be written: %2. Games are not kept until New Game finds it can be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The teams of the league file cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A team in the league file cannot be read: %1. It is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The team “%1” in the league file cannot be read: %2. It is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its names are not text this program writes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its roster is larger than any this program writes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another team has its name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Torvane - FAC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Torvane FAC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OnIceWindow</name>
    <message>
        <source>PASS TO %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loose puck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faceoff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Ice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whom the card&apos;s attack and defence mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Puck:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both teams change to their next forward line and defence pair (F4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This team plays without a roster. To give it one, add the team in League &gt; Teams… and type its name in the SHOTS table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forwards:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defence:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goalie:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Either team has it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty net (extra attacker)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PenaltyBox</name>
    <message>
        <source>%1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PenaltyBoxWindow</name>
    <message>
        <source>Minor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double minor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misconduct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalty shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalty Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number and name (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;nfraction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tripping, Fighting... (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;inor (2:00)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalty:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Double minor (4:00)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ma&amp;jor (5:00)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misc&amp;onduct (10:00)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalty &amp;shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From &amp;card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kind the card&apos;s penalty cell calls, and the infraction of its lower half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the &amp;box:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coincidental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2, %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>PASS TO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BREAK AWAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHOTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHOOTOUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOOSE PUCK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DUMP INS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>This game cannot be resumed. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The league file cannot be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table “%1” could not be exported to %2.
%3
Any earlier file there is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table “%1” was exported to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>the team has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the short name must be 1 to %1 letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number %1 is not from 0 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number %1 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number %1 has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number %1 in %2 is not on the team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number %1 has more than one place in the lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number %1 plays %2 and cannot be %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number %1 plays %2 and cannot play in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>forward line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>defence pair %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the starting goalie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the backup goalie</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RosterCodec</name>
    <message>
        <source>its roster has more than %1 players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a player of its roster has no number from 0 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number %1 has no name this program writes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number %1 has no position C, LW, RW, D or G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has two players at %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>“%1” is not a place in the lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is number %2 already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has number %2 at %3 already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first line is not the header %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cells where there should be %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number “%1” is not from 0 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number %1 is on line %2 already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number %1 has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a position: C, LW, RW, D or G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file lists no players</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RosterModel</name>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveFolder</name>
    <message>
        <source>HOME is not set to a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be made: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The file is not text this program can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds %1 of the %2 lines of a saved game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its line %1, the seconds left in the period, is not a number from 0 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is too large to be a saved game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>scored by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no assist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>assists %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeasonModel</name>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Losses in regulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Losses in overtime or the shoot-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games ended level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goals for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goals against</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last ten games: wins, losses, overtime losses (and ties)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalty minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+/-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plus/minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shots against</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GAA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goals against per game played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SV%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves per shot against</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutouts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShootoutWindow</name>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shooter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shooter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G&amp;oalie:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 won the shoot-out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overtime ended level: the shoot-out decides. Three rounds, then round by round until one team scores and the other does not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The league plays no shoot-out (League &gt; Settings).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A shoot-out follows an overtime that ends level.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No goal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StandingsWindow</name>
    <message>
        <source>Standings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final games only. Two points for a win, one for a loss in overtime or the shoot-out, one for a tie.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Team</name>
    <message>
        <source>Away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TeamsWindow</name>
    <message>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;League name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Team…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Short name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remo&amp;ve Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defence pair %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goalies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>—</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New team %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the team %1 and its roster from the league?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name of number %1 is longer than %2 letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another team is named %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not to be kept while %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was kept. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These teams were not kept, for what is wrong with them:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster could not be imported from %1.
%2
Nothing of the file was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than any roster.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %n more lines</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The roster could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster of %1 was exported to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolWindows</name>
    <message>
        <source>%1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Final: %1 %2, %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, OT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, SO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
