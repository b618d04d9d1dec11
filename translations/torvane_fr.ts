<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Command</name>
    <message>
        <source>New Game</source>
        <translation>Nouveau match</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Charger un match</translation>
    </message>
    <message>
        <source>Resume Game</source>
        <translation>Reprendre un match</translation>
    </message>
    <message>
        <source>Timed Flip</source>
        <translation>Carte avec chrono</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Next Period</source>
        <translation>Période suivante</translation>
    </message>
    <message>
        <source>Away Shot</source>
        <translation>Tir des visiteurs</translation>
    </message>
    <message>
        <source>Home Shot</source>
        <translation>Tir des locaux</translation>
    </message>
    <message>
        <source>Away Goal</source>
        <translation>But des visiteurs</translation>
    </message>
    <message>
        <source>Home Goal</source>
        <translation>But des locaux</translation>
    </message>
    <message>
        <source>Add Penalty</source>
        <translation>Ajout d&apos;une punition</translation>
    </message>
    <message>
        <source>Remove Penalty</source>
        <translation>Retrait d&apos;une punition</translation>
    </message>
    <message>
        <source>Penalty Shot</source>
        <translation>Lancer de pénalité</translation>
    </message>
    <message>
        <source>Next Lines</source>
        <translation>Lignes suivantes</translation>
    </message>
    <message>
        <source>Pick Lines</source>
        <translation>Choix des lignes</translation>
    </message>
    <message>
        <source>Change Goalie</source>
        <translation>Changement de gardien</translation>
    </message>
    <message>
        <source>Edit Goal</source>
        <translation>Modification d&apos;un but</translation>
    </message>
    <message>
        <source>Three Stars</source>
        <translation>Trois étoiles</translation>
    </message>
    <message>
        <source>Update Rosters</source>
        <translation>Mise à jour des alignements</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Fin du match</translation>
    </message>
    <message>
        <source>Shoot-out Attempt</source>
        <translation>Tentative en tirs au but</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulation</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablissement</translation>
    </message>
</context>
<context>
    <name>Control</name>
    <message>
        <source>Card number</source>
        <translation>Numéro de carte</translation>
    </message>
    <message>
        <source>Pass to</source>
        <translation>Passe à</translation>
    </message>
    <message>
        <source>Pass to, second choice</source>
        <translation>Passe à, second choix</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Stratégie</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Tirs</translation>
    </message>
    <message>
        <source>Rebound</source>
        <translation>Rebond</translation>
    </message>
    <message>
        <source>Loose puck</source>
        <translation>Rondelle libre</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Punition</translation>
    </message>
    <message>
        <source>Lower half card number</source>
        <translation>Numéro de carte, moitié inférieure</translation>
    </message>
    <message>
        <source>Lower half pass to</source>
        <translation>Passe à, moitié inférieure</translation>
    </message>
    <message>
        <source>Faceoff</source>
        <translation>Mise au jeu</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Aides</translation>
    </message>
    <message>
        <source>Breakaway</source>
        <translation>Échappée</translation>
    </message>
    <message>
        <source>Breakaway defence</source>
        <translation>Défense sur échappée</translation>
    </message>
    <message>
        <source>Lower half shots</source>
        <translation>Tirs, moitié inférieure</translation>
    </message>
    <message>
        <source>Lower half strategy</source>
        <translation>Stratégie, moitié inférieure</translation>
    </message>
    <message>
        <source>Lower half rebound</source>
        <translation>Rebond, moitié inférieure</translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <translation>Tirs au but</translation>
    </message>
    <message>
        <source>Dump-ins</source>
        <translation>Envois au fond</translation>
    </message>
    <message>
        <source>Minor penalty</source>
        <translation>Punition mineure</translation>
    </message>
    <message>
        <source>Major penalty</source>
        <translation>Punition majeure</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Chrono</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Secondes restantes</translation>
    </message>
    <message>
        <source>Change lines</source>
        <translation>Changement de lignes</translation>
    </message>
    <message>
        <source>Away team name, %1 table</source>
        <translation>Nom de l&apos;équipe visiteuse, tableau des %1</translation>
    </message>
    <message>
        <source>Home team name, %1 table</source>
        <translation>Nom de l&apos;équipe locale, tableau des %1</translation>
    </message>
    <message>
        <source>Away %1, period 1</source>
        <translation>Visiteurs, %1, 1re période</translation>
    </message>
    <message>
        <source>Away %1, period 2</source>
        <translation>Visiteurs, %1, 2e période</translation>
    </message>
    <message>
        <source>Away %1, period 3</source>
        <translation>Visiteurs, %1, 3e période</translation>
    </message>
    <message>
        <source>Away %1, overtime</source>
        <translation>Visiteurs, %1, prolongation</translation>
    </message>
    <message>
        <source>Away %1, total</source>
        <translation>Visiteurs, %1, total</translation>
    </message>
    <message>
        <source>Home %1, period 1</source>
        <translation>Locaux, %1, 1re période</translation>
    </message>
    <message>
        <source>Home %1, period 2</source>
        <translation>Locaux, %1, 2e période</translation>
    </message>
    <message>
        <source>Home %1, period 3</source>
        <translation>Locaux, %1, 3e période</translation>
    </message>
    <message>
        <source>Home %1, overtime</source>
        <translation>Locaux, %1, prolongation</translation>
    </message>
    <message>
        <source>Home %1, total</source>
        <translation>Locaux, %1, total</translation>
    </message>
    <message>
        <source>Saved game path</source>
        <translation>Chemin du match enregistré</translation>
    </message>
    <message>
        <source>Flip FAC-Advance Timer</source>
        <translation>Retourner une FAC - avancer le chrono</translation>
    </message>
    <message>
        <source>Flip FAC-No Timer Advance</source>
        <translation>Retourner une FAC - sans avancer le chrono</translation>
    </message>
    <message>
        <source>Next Period</source>
        <translation>Période suivante</translation>
    </message>
    <message>
        <source>Home Goal</source>
        <translation>But des locaux</translation>
    </message>
    <message>
        <source>Away Goal</source>
        <translation>But des visiteurs</translation>
    </message>
    <message>
        <source>Home Shot</source>
        <translation>Tir des locaux</translation>
    </message>
    <message>
        <source>Away Shot</source>
        <translation>Tir des visiteurs</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>tirs</translation>
    </message>
    <message>
        <source>goals</source>
        <translation>buts</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>a quote is opened and never closed</source>
        <translation>un guillemet est ouvert et jamais fermé</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>du texte suit un guillemet fermant</translation>
    </message>
    <message>
        <source>a quote inside a cell that does not begin with one</source>
        <translation>un guillemet dans une cellule qui ne commence pas par un guillemet</translation>
    </message>
</context>
<context>
    <name>GameCodec</name>
    <message>
        <source>Its board cannot be read.</source>
        <translation>Son tableau ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Its field %1 holds no text that the program could have written.</source>
        <translation>Son champ %1 contient un texte que le programme n&apos;aurait pas pu écrire.</translation>
    </message>
    <message>
        <source>Its seconds left in the period are not a number from 0 to %1.</source>
        <translation>Ses secondes restantes dans la période ne sont pas un nombre de 0 à %1.</translation>
    </message>
    <message>
        <source>Its deck is not an order of the %1 cards.</source>
        <translation>Son paquet n&apos;est pas un ordre des %1 cartes.</translation>
    </message>
    <message>
        <source>Its place in the deck is outside the deck.</source>
        <translation>Sa position dans le paquet est en dehors du paquet.</translation>
    </message>
    <message>
        <source>Its penalty box cannot be read.</source>
        <translation>Son banc des pénalités ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Its score sheet cannot be read.</source>
        <translation>Sa feuille de pointage ne peut pas être lue.</translation>
    </message>
</context>
<context>
    <name>GameController</name>
    <message>
        <source>%1 was looked for in %2.</source>
        <translation>%1 a été cherché dans %2.</translation>
    </message>
    <message>
        <source>%1 was looked for in %2 and in %3.</source>
        <translation>%1 a été cherché dans %2 et dans %3.</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Torvane FAC %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The 200 action cards and the score sheet of a tabletop ice-hockey game.&lt;/p&gt;&lt;p&gt;Licensed under the GNU General Public License, version 3 or later. The card texts, the horn and the pictures are licensed under CC BY-SA 4.0.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%4&quot;&gt;%4&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Torvane FAC %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Les 200 cartes d&apos;action et la feuille de pointage d&apos;un jeu de hockey sur glace de table.&lt;/p&gt;&lt;p&gt;Distribué sous la licence publique générale GNU (GPL), version 3 ou ultérieure. Les textes des cartes, la sirène et les images sont distribués sous licence CC BY-SA 4.0.&lt;/p&gt;&lt;p&gt;Compilé avec Qt %2, exécuté avec Qt %3.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%4&quot;&gt;%4&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Torvane FAC</source>
        <translation>À propos de Torvane FAC</translation>
    </message>
    <message>
        <source>The game could not be saved to %1.
%2
Any earlier saved game there is unchanged.</source>
        <translation>Le match n&apos;a pas pu être enregistré dans %1.
%2
Tout match enregistré auparavant à cet endroit est inchangé.</translation>
    </message>
    <message>
        <source>TVN (*.TVN)</source>
        <translation>TVN (*.TVN)</translation>
    </message>
    <message>
        <source>The game could not be loaded from %1.
%2
Nothing was changed.</source>
        <translation>Le match n&apos;a pas pu être chargé depuis %1.
%2
Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The league already counts this game as final.</source>
        <translation>La ligue compte déjà ce match comme terminé.</translation>
    </message>
    <message>
        <source>End this game now? The league will count it as final whatever the score.
%1.
Undo takes it back.</source>
        <translation>Terminer ce match maintenant&#xa0;? La ligue le comptera comme terminé, quel que soit le score.
%1.
Annuler le reprend.</translation>
    </message>
    <message>
        <source>against %1</source>
        <translation>contre %1</translation>
    </message>
    <message>
        <source>goal</source>
        <translation>but</translation>
    </message>
    <message>
        <source>no goal</source>
        <translation>pas de but</translation>
    </message>
    <message>
        <source>Round %1, %2: %3</source>
        <translation>Ronde %1, %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>The game log could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation>Le journal du match n&apos;a pas pu être exporté vers %1.
%2
Tout fichier existant à cet endroit est inchangé.</translation>
    </message>
    <message>
        <source>The game log was exported to %1</source>
        <translation>Le journal du match a été exporté vers %1</translation>
    </message>
    <message>
        <source>%1: forward line %2, defence pair %3</source>
        <translation>%1&#xa0;: ligne d&apos;attaque %2, paire de défenseurs %3</translation>
    </message>
    <message>
        <source>%1 net empty, extra attacker</source>
        <translation>%1&#xa0;: filet désert, attaquant supplémentaire</translation>
    </message>
    <message>
        <source>%1 goalie %2</source>
        <translation>%1&#xa0;: gardien %2</translation>
    </message>
    <message>
        <source>%1 goal %2 (%3 %4): %5</source>
        <translation>%1, but %2 (%3 %4)&#xa0;: %5</translation>
    </message>
    <message>
        <source>as proposed</source>
        <translation>comme proposé</translation>
    </message>
</context>
<context>
    <name>GameLog</name>
    <message>
        <source>New game</source>
        <translation>Nouveau match</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Chargement du match</translation>
    </message>
    <message>
        <source>Resume game</source>
        <translation>Reprise du match</translation>
    </message>
    <message>
        <source>Timed flip</source>
        <translation>Carte avec chrono</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Next period</source>
        <translation>Période suivante</translation>
    </message>
    <message>
        <source>Away shot</source>
        <translation>Tir des visiteurs</translation>
    </message>
    <message>
        <source>Home shot</source>
        <translation>Tir des locaux</translation>
    </message>
    <message>
        <source>Away goal</source>
        <translation>But des visiteurs</translation>
    </message>
    <message>
        <source>Home goal</source>
        <translation>But des locaux</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Punition</translation>
    </message>
    <message>
        <source>Penalty removed</source>
        <translation>Punition retirée</translation>
    </message>
    <message>
        <source>Penalty shot</source>
        <translation>Lancer de pénalité</translation>
    </message>
    <message>
        <source>Next lines</source>
        <translation>Lignes suivantes</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Gardien</translation>
    </message>
    <message>
        <source>Goal details</source>
        <translation>Détails du but</translation>
    </message>
    <message>
        <source>Three stars</source>
        <translation>Trois étoiles</translation>
    </message>
    <message>
        <source>Rosters</source>
        <translation>Alignements</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Fin du match</translation>
    </message>
    <message>
        <source>Shoot-out attempt</source>
        <translation>Tentative en tirs au but</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulation</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablissement</translation>
    </message>
    <message>
        <source>Change lines</source>
        <translation>Changement de lignes</translation>
    </message>
    <message>
        <source>End of period</source>
        <translation>Fin de la période</translation>
    </message>
    <message>
        <source>Penalty over</source>
        <translation>Punition terminée</translation>
    </message>
    <message>
        <source>Penalty ended by a goal</source>
        <translation>Punition terminée par un but</translation>
    </message>
    <message>
        <source>First minor ended by a goal</source>
        <translation>Première mineure terminée par un but</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Chrono</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>%1 team</source>
        <translation>Équipe (%1)</translation>
    </message>
    <message>
        <source>Upper half %1, lower half %2</source>
        <translation>Moitié supérieure %1, moitié inférieure %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Tirs</translation>
    </message>
    <message>
        <source> for %1</source>
        <translation> pour %1</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>mineure</translation>
    </message>
    <message>
        <source>double minor</source>
        <translation>double mineure</translation>
    </message>
    <message>
        <source>major</source>
        <translation>majeure</translation>
    </message>
    <message>
        <source>misconduct</source>
        <translation>inconduite</translation>
    </message>
    <message>
        <source>penalty shot</source>
        <translation>lancer de pénalité</translation>
    </message>
    <message>
        <source> (penalty %1)</source>
        <translation> (punition %1)</translation>
    </message>
</context>
<context>
    <name>GameLogWindow</name>
    <message>
        <source>Game Log</source>
        <translation>Journal du match</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Game Log…</source>
        <translation>Journal du match…</translation>
    </message>
    <message>
        <source>Penalty Box…</source>
        <translation>Banc des pénalités…</translation>
    </message>
    <message>
        <source>On Ice…</source>
        <translation>Sur la glace…</translation>
    </message>
    <message>
        <source>Next Lines</source>
        <translation>Lignes suivantes</translation>
    </message>
    <message>
        <source>Goal Details…</source>
        <translation>Détails du but…</translation>
    </message>
    <message>
        <source>Game Sheet…</source>
        <translation>Feuille de match…</translation>
    </message>
    <message>
        <source>End Game…</source>
        <translation>Fin du match…</translation>
    </message>
    <message>
        <source>Shoot-out…</source>
        <translation>Tirs au but…</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>GameSheet</name>
    <message>
        <source>Game Sheet</source>
        <translation>Feuille de match</translation>
    </message>
    <message>
        <source>%1 (away) at %2 (home)</source>
        <translation>%1 (visiteurs) à %2 (locaux)</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date&#xa0;: %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Buts</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Tirs</translation>
    </message>
    <message>
        <source>%1 total</source>
        <translation>%1 (total)</translation>
    </message>
    <message>
        <source>Scoring and shots by period</source>
        <translation>Buts et tirs par période</translation>
    </message>
    <message>
        <source>No goals</source>
        <translation>Aucun but</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Scorer</source>
        <translation>Marqueur</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Aides</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>No penalties</source>
        <translation>Aucune punition</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Punitions</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Infraction</source>
        <translation>Infraction</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Empty net</source>
        <translation>Filet désert</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Gardien</translation>
    </message>
    <message>
        <source>Saves %1</source>
        <translation>Arrêts %1</translation>
    </message>
    <message>
        <source>Saves</source>
        <translation>Arrêts</translation>
    </message>
    <message>
        <source>Shots against</source>
        <translation>Tirs contre</translation>
    </message>
    <message>
        <source>Goals against</source>
        <translation>Buts contre</translation>
    </message>
    <message>
        <source>No shots</source>
        <translation>Aucun tir</translation>
    </message>
    <message>
        <source>Goalkeeping</source>
        <translation>Gardiens de but</translation>
    </message>
    <message>
        <source>No roster</source>
        <translation>Aucun alignement</translation>
    </message>
    <message>
        <source>Box score: %1</source>
        <translation>Statistiques&#xa0;: %1</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>G</source>
        <translation>B</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>PTS</source>
        <translation>PTS</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>PUN</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>SA</source>
        <translation>TC</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>BC</translation>
    </message>
    <message>
        <source>SV</source>
        <translation>ARR</translation>
    </message>
    <message>
        <source>First star</source>
        <translation>Première étoile</translation>
    </message>
    <message>
        <source>Second star</source>
        <translation>Deuxième étoile</translation>
    </message>
    <message>
        <source>Third star</source>
        <translation>Troisième étoile</translation>
    </message>
    <message>
        <source>Three stars</source>
        <translation>Trois étoiles</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Print Game Sheet</source>
        <translation>Imprimer la feuille de match</translation>
    </message>
</context>
<context>
    <name>GameSheetWindow</name>
    <message>
        <source>Game Sheet</source>
        <translation>Feuille de match</translation>
    </message>
    <message>
        <source>First star:</source>
        <translation>Première étoile&#xa0;:</translation>
    </message>
    <message>
        <source>Second star:</source>
        <translation>Deuxième étoile&#xa0;:</translation>
    </message>
    <message>
        <source>Third star:</source>
        <translation>Troisième étoile&#xa0;:</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exporter en PDF…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>(proposed) %1</source>
        <translation>(proposé) %1</translation>
    </message>
    <message>
        <source>(proposed) nobody</source>
        <translation>(proposé) personne</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>Le PDF n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The game sheet could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation>La feuille de match n&apos;a pas pu être exportée vers %1.
%2
Tout fichier existant à cet endroit est inchangé.</translation>
    </message>
    <message>
        <source>The game sheet was exported to %1</source>
        <translation>La feuille de match a été exportée vers %1</translation>
    </message>
    <message>
        <source>The game sheet could not be printed.</source>
        <translation>La feuille de match n&apos;a pas pu être imprimée.</translation>
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
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Joué le</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Visiteurs</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Locaux</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Chrono</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>GamesWindow</name>
    <message>
        <source>Games</source>
        <translation>Matchs</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Supprimer…</translation>
    </message>
    <message>
        <source>Delete the game %1 against %2, last played %3? It cannot be brought back.</source>
        <translation>Supprimer le match %1 contre %2, joué pour la dernière fois le %3&#xa0;? Il ne pourra pas être récupéré.</translation>
    </message>
</context>
<context>
    <name>GoalDetailsWindow</name>
    <message>
        <source>1st</source>
        <translation>1re</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>Goal Details</source>
        <translation>Détails du but</translation>
    </message>
    <message>
        <source>&amp;Goal:</source>
        <translation>&amp;But&#xa0;:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Scorer:</source>
        <translation>&amp;Marqueur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;First assist:</source>
        <translation>&amp;Première aide&#xa0;:</translation>
    </message>
    <message>
        <source>S&amp;econd assist:</source>
        <translation>&amp;Deuxième aide&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>%1. %2 %3 %4</source>
        <translation>%1. %2 %3 %4</translation>
    </message>
    <message>
        <source>No goal has been scored in this game yet.</source>
        <translation>Aucun but n&apos;a encore été marqué dans ce match.</translation>
    </message>
    <message>
        <source>This team plays without a roster: there is nobody to name.</source>
        <translation>Cette équipe joue sans alignement&#xa0;: il n&apos;y a personne à nommer.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>LeadersWindow</name>
    <message>
        <source>Leaders</source>
        <translation>Meneurs</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>É&amp;quipe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Skaters</source>
        <translation>&amp;Patineurs</translation>
    </message>
    <message>
        <source>&amp;Goalies</source>
        <translation>&amp;Gardiens</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exporter en PDF…</translation>
    </message>
    <message>
        <source>Final games only. GAA: goals against per game played.</source>
        <translation>Matchs terminés seulement. MOY&#xa0;: buts contre par match joué.</translation>
    </message>
    <message>
        <source>All teams</source>
        <translation>Toutes les équipes</translation>
    </message>
    <message>
        <source>Skaters</source>
        <translation>Patineurs</translation>
    </message>
    <message>
        <source>Goalies</source>
        <translation>Gardiens</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>League</name>
    <message>
        <source>Its %1 is larger than any this program writes.</source>
        <translation>La donnée «&#xa0;%1&#xa0;» est plus grande que tout ce que ce programme écrit.</translation>
    </message>
    <message>
        <source>Its game log cannot be read: %1.</source>
        <translation>Son journal du match ne peut pas être lu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>game log</source>
        <translation>journal du match</translation>
    </message>
    <message>
        <source>Its game log holds an event this program does not know: %1.</source>
        <translation>Son journal du match contient un événement que ce programme ne connaît pas&#xa0;: %1.</translation>
    </message>
    <message>
        <source>board</source>
        <translation>tableau</translation>
    </message>
    <message>
        <source>deck</source>
        <translation>paquet</translation>
    </message>
    <message>
        <source>penalty box</source>
        <translation>banc des pénalités</translation>
    </message>
    <message>
        <source>score sheet</source>
        <translation>feuille de pointage</translation>
    </message>
</context>
<context>
    <name>LeagueFiles</name>
    <message>
        <source>League (*.sqlite)</source>
        <translation>Ligue (*.sqlite)</translation>
    </message>
    <message>
        <source>The file %1 exists already, and a league is never written over. Open it as the league instead?</source>
        <translation>Le fichier %1 existe déjà, et une ligue n&apos;est jamais écrasée. L&apos;ouvrir plutôt comme ligue&#xa0;?</translation>
    </message>
    <message>
        <source>This is the league in use: its games are here already.</source>
        <translation>C&apos;est la ligue en cours&#xa0;: ses matchs y sont déjà.</translation>
    </message>
    <message>
        <source>No game was imported. %1</source>
        <translation>Aucun match n&apos;a été importé. %1</translation>
    </message>
</context>
<context>
    <name>LeagueImport</name>
    <message>
        <source>No game was imported. %1</source>
        <translation>Aucun match n&apos;a été importé. %1</translation>
    </message>
    <message>
        <source>Games imported: %1. Already in this league: %2. Refused: %3.</source>
        <translation>Matchs importés&#xa0;: %1. Déjà dans cette ligue&#xa0;: %2. Refusés&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Teams added: %1.</source>
        <translation>Équipes ajoutées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>These teams&apos; players differ between the two leagues; this league&apos;s rosters are left as they are:</source>
        <translation>Les joueurs de ces équipes diffèrent entre les deux ligues&#xa0;; les alignements de cette ligue restent tels quels&#xa0;:</translation>
    </message>
    <message>
        <source>Teams not imported:</source>
        <translation>Équipes non importées&#xa0;:</translation>
    </message>
    <message>
        <source>number %1, %2, only here</source>
        <translation>numéro %1, %2, seulement ici</translation>
    </message>
    <message>
        <source>number %1 is %2 here and %3 there</source>
        <translation>le numéro %1 est %2 ici et %3 là-bas</translation>
    </message>
    <message>
        <source>number %1, %2, only there</source>
        <translation>numéro %1, %2, seulement là-bas</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>– and %1 more.</source>
        <translation>– et %1 de plus.</translation>
    </message>
    <message>
        <source>Its game log is another game&apos;s too.</source>
        <translation>Son journal du match est aussi celui d&apos;un autre match.</translation>
    </message>
</context>
<context>
    <name>LeagueKeeper</name>
    <message>
        <source>The league file %1 is no longer there. The league in %2 is used instead.</source>
        <translation>Le fichier de ligue %1 n&apos;existe plus. La ligue de %2 est utilisée à la place.</translation>
    </message>
    <message>
        <source>%1

The league in use is still %2.</source>
        <translation>%1

La ligue en cours reste %2.</translation>
    </message>
</context>
<context>
    <name>LeagueMenu</name>
    <message>
        <source>&amp;League</source>
        <translation>&amp;Ligue</translation>
    </message>
    <message>
        <source>Games…</source>
        <translation>Matchs…</translation>
    </message>
    <message>
        <source>Teams…</source>
        <translation>Équipes…</translation>
    </message>
    <message>
        <source>Standings…</source>
        <translation>Classement…</translation>
    </message>
    <message>
        <source>Leaders…</source>
        <translation>Meneurs…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>New League…</source>
        <translation>Nouvelle ligue…</translation>
    </message>
    <message>
        <source>Open League…</source>
        <translation>Ouvrir une ligue…</translation>
    </message>
    <message>
        <source>Import Games…</source>
        <translation>Importer des matchs…</translation>
    </message>
</context>
<context>
    <name>LeagueSettingsWindow</name>
    <message>
        <source>League Settings</source>
        <translation>Paramètres de la ligue</translation>
    </message>
    <message>
        <source>&amp;Sudden death: the first goal in overtime ends the game</source>
        <translation>&amp;Mort subite&#xa0;: le premier but en prolongation met fin au match</translation>
    </message>
    <message>
        <source>20:00, played to 0:00</source>
        <translation>20:00, jouée jusqu&apos;à 0:00</translation>
    </message>
    <message>
        <source>5:00, over when the clock reaches 15:00</source>
        <translation>5:00, terminée quand le chrono atteint 15:00</translation>
    </message>
    <message>
        <source>%1 on %1</source>
        <translation>%1 contre %1</translation>
    </message>
    <message>
        <source>S&amp;hoot-out when overtime ends level</source>
        <translation>&amp;Tirs au but si la prolongation se termine à égalité</translation>
    </message>
    <message>
        <source>Overtime &amp;length:</source>
        <translation>&amp;Durée de la prolongation&#xa0;:</translation>
    </message>
    <message>
        <source>Overtime s&amp;trength:</source>
        <translation>&amp;Effectifs en prolongation&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>&amp;Valeurs par défaut</translation>
    </message>
    <message>
        <source>A game plays under the rules in force when it began: changes here take effect from the next game.</source>
        <translation>Un match se joue selon les règles en vigueur à son début&#xa0;: les changements faits ici s&apos;appliquent à partir du prochain match.</translation>
    </message>
</context>
<context>
    <name>LeagueStore</name>
    <message>
        <source>The games of the other league file cannot be read: %1.</source>
        <translation>Les matchs de l&apos;autre fichier de ligue ne peuvent pas être lus&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 à %2, %3</translation>
    </message>
    <message>
        <source>%1: its id is none this program writes.</source>
        <translation>%1&#xa0;: son identifiant n&apos;est pas de ceux que ce programme écrit.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>This league file cannot be written.</source>
        <translation>Ce fichier de ligue ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>The league file is not open.</source>
        <translation>Le fichier de ligue n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>The game cannot be read: %1.</source>
        <translation>Le match ne peut pas être lu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The game is not in the league.</source>
        <translation>Le match n&apos;est pas dans la ligue.</translation>
    </message>
    <message>
        <source>Its state is none this program knows: %1.</source>
        <translation>Son état n&apos;est pas de ceux que ce programme connaît&#xa0;: %1.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>The league file %1 is damaged (%2). It is kept as %3, and a new league file was started.</source>
        <translation>Le fichier de ligue %1 est endommagé (%2). Il est conservé sous le nom %3, et un nouveau fichier de ligue a été commencé.</translation>
    </message>
    <message>
        <source>The league file %1 cannot be written: %2. Games are not kept until it can be.</source>
        <translation>Le fichier de ligue %1 ne peut pas être écrit&#xa0;: %2. Les matchs ne sont pas conservés tant qu&apos;il ne peut pas l&apos;être.</translation>
    </message>
    <message>
        <source>The league file %1 cannot be made: its folder cannot be made. Games are not kept until it can be.</source>
        <translation>Le fichier de ligue %1 ne peut pas être créé&#xa0;: son dossier ne peut pas être créé. Les matchs ne sont pas conservés tant qu&apos;il ne peut pas l&apos;être.</translation>
    </message>
    <message>
        <source>The file %1 is not a league file of Torvane FAC. It is kept as %2, and a new league file was started.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier de ligue de Torvane FAC. Il est conservé sous le nom %2, et un nouveau fichier de ligue a été commencé.</translation>
    </message>
    <message>
        <source>The league file %1 was written by a later version of Torvane FAC. Its games can be resumed, but no game is kept in it.</source>
        <translation>Le fichier de ligue %1 a été écrit par une version plus récente de Torvane FAC. Ses matchs peuvent être repris, mais aucun match n&apos;y est conservé.</translation>
    </message>
    <message>
        <source>its integrity check failed</source>
        <translation>sa vérification d&apos;intégrité a échoué</translation>
    </message>
    <message>
        <source>The file %1 cannot be found.</source>
        <translation>Le fichier %1 est introuvable.</translation>
    </message>
    <message>
        <source>The file %1 is damaged (%2).</source>
        <translation>Le fichier %1 est endommagé (%2).</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a league file of Torvane FAC.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier de ligue de Torvane FAC.</translation>
    </message>
    <message>
        <source>The league file %1 was written by an earlier version of Torvane FAC. Open it once with League &gt; Open League… to bring it up to date.</source>
        <translation>Le fichier de ligue %1 a été écrit par une version antérieure de Torvane FAC. Ouvrez-le une fois avec Ligue &gt; Ouvrir une ligue… pour le mettre à jour.</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt (the package libqt6sql6-sqlite) is not installed</source>
        <translation>le pilote SQLite de Qt (le paquet libqt6sql6-sqlite) n&apos;est pas installé</translation>
    </message>
    <message>
        <source>it is not a league file</source>
        <translation>ce n&apos;est pas un fichier de ligue</translation>
    </message>
    <message>
        <source>its journal cannot be kept beside it</source>
        <translation>son journal ne peut pas être conservé à côté de lui</translation>
    </message>
    <message>
        <source>its tables are not those of a league file</source>
        <translation>ses tables ne sont pas celles d&apos;un fichier de ligue</translation>
    </message>
    <message>
        <source>it is damaged and cannot be moved aside: %1</source>
        <translation>il est endommagé et ne peut pas être mis de côté&#xa0;: %1</translation>
    </message>
    <message>
        <source>The league file %1 is damaged (%2). Games are not kept until New Game starts a new league file.</source>
        <translation>Le fichier de ligue %1 est endommagé (%2). Les matchs ne sont pas conservés tant que Nouveau match ne commence pas un nouveau fichier de ligue.</translation>
    </message>
    <message>
        <source>The league file %1 cannot be written: %2. Games are not kept until New Game finds it can be.</source>
        <translation>Le fichier de ligue %1 ne peut pas être écrit&#xa0;: %2. Les matchs ne sont pas conservés tant que Nouveau match ne constate pas qu&apos;il peut l&apos;être.</translation>
    </message>
    <message>
        <source>The teams of the league file cannot be read: %1.</source>
        <translation>Les équipes du fichier de ligue ne peuvent pas être lues&#xa0;: %1.</translation>
    </message>
    <message>
        <source>A team in the league file cannot be read: %1. It is left as it is.</source>
        <translation>Une équipe du fichier de ligue ne peut pas être lue&#xa0;: %1. Elle est laissée telle quelle.</translation>
    </message>
    <message>
        <source>The team “%1” in the league file cannot be read: %2. It is left as it is.</source>
        <translation>L&apos;équipe «&#xa0;%1&#xa0;» du fichier de ligue ne peut pas être lue&#xa0;: %2. Elle est laissée telle quelle.</translation>
    </message>
    <message>
        <source>its names are not text this program writes</source>
        <translation>ses noms ne sont pas un texte que ce programme écrit</translation>
    </message>
    <message>
        <source>its roster is larger than any this program writes</source>
        <translation>son alignement est plus grand que tout ce que ce programme écrit</translation>
    </message>
    <message>
        <source>another team has its name</source>
        <translation>une autre équipe porte son nom</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About Torvane FAC</source>
        <translation>À propos de Torvane FAC</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>À propos de Qt</translation>
    </message>
</context>
<context>
    <name>OnIceWindow</name>
    <message>
        <source>Loose puck</source>
        <translation>Rondelle libre</translation>
    </message>
    <message>
        <source>Faceoff</source>
        <translation>Mise au jeu</translation>
    </message>
    <message>
        <source>On Ice</source>
        <translation>Sur la glace</translation>
    </message>
    <message>
        <source>Whom the card&apos;s attack and defence mean</source>
        <translation>Qui l&apos;attaque et la défense de la carte désignent</translation>
    </message>
    <message>
        <source>&amp;Puck:</source>
        <translation>&amp;Rondelle&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Next Lines</source>
        <translation>&amp;Lignes suivantes</translation>
    </message>
    <message>
        <source>Both teams change to their next forward line and defence pair (F4)</source>
        <translation>Les deux équipes passent à leur ligne d&apos;attaque et à leur paire de défenseurs suivantes (F4)</translation>
    </message>
    <message>
        <source>This team plays without a roster. To give it one, add the team in League &gt; Teams… and type its name in the SHOTS table.</source>
        <translation>Cette équipe joue sans alignement. Pour lui en donner un, ajoutez l&apos;équipe dans Ligue &gt; Équipes… et tapez son nom dans le tableau SHOTS.</translation>
    </message>
    <message>
        <source>Forwards:</source>
        <translation>Attaquants&#xa0;:</translation>
    </message>
    <message>
        <source>Defence:</source>
        <translation>Défense&#xa0;:</translation>
    </message>
    <message>
        <source>Goalie:</source>
        <translation>Gardien&#xa0;:</translation>
    </message>
    <message>
        <source>Either team has it</source>
        <translation>L&apos;une ou l&apos;autre équipe l&apos;a</translation>
    </message>
    <message>
        <source>Empty net</source>
        <translation>Filet désert</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Paire %1</translation>
    </message>
    <message>
        <source>Empty net (extra attacker)</source>
        <translation>Filet désert (attaquant supplémentaire)</translation>
    </message>
</context>
<context>
    <name>PenaltyBox</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 contre %2</translation>
    </message>
</context>
<context>
    <name>PenaltyBoxWindow</name>
    <message>
        <source>Minor</source>
        <translation>Mineure</translation>
    </message>
    <message>
        <source>Double minor</source>
        <translation>Double mineure</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Majeure</translation>
    </message>
    <message>
        <source>Misconduct</source>
        <translation>Inconduite</translation>
    </message>
    <message>
        <source>Penalty shot</source>
        <translation>Lancer de pénalité</translation>
    </message>
    <message>
        <source>Penalty Box</source>
        <translation>Banc des pénalités</translation>
    </message>
    <message>
        <source>New penalty</source>
        <translation>Nouvelle punition</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Équipe&#xa0;:</translation>
    </message>
    <message>
        <source>Number and name (optional)</source>
        <translation>Numéro et nom (facultatif)</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Joueur&#xa0;:</translation>
    </message>
    <message>
        <source>I&amp;nfraction:</source>
        <translation>I&amp;nfraction&#xa0;:</translation>
    </message>
    <message>
        <source>Tripping, Fighting... (optional)</source>
        <translation>Croc-en-jambe, Bagarre... (facultatif)</translation>
    </message>
    <message>
        <source>M&amp;inor (2:00)</source>
        <translation>&amp;Mineure (2:00)</translation>
    </message>
    <message>
        <source>Penalty:</source>
        <translation>Punition&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Double minor (4:00)</source>
        <translation>&amp;Double mineure (4:00)</translation>
    </message>
    <message>
        <source>Ma&amp;jor (5:00)</source>
        <translation>Maj&amp;eure (5:00)</translation>
    </message>
    <message>
        <source>Misc&amp;onduct (10:00)</source>
        <translation>&amp;Inconduite (10:00)</translation>
    </message>
    <message>
        <source>Penalty &amp;shot</source>
        <translation>&amp;Lancer de pénalité</translation>
    </message>
    <message>
        <source>From &amp;card</source>
        <translation>Selon la &amp;carte</translation>
    </message>
    <message>
        <source>The kind the card&apos;s penalty cell calls, and the infraction of its lower half</source>
        <translation>Le type qu&apos;indique la case de punition de la carte, et l&apos;infraction de sa moitié inférieure</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Punition</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>In the &amp;box:</source>
        <translation>Au &amp;banc&#xa0;:</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Effectifs&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>A&amp;way</source>
        <translation>&amp;Visiteurs</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>L&amp;ocaux</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Coincidental</source>
        <translation>Coïncidente</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En cours</translation>
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
        <translation>Ce match ne peut pas être repris. %1</translation>
    </message>
    <message>
        <source>The league file cannot be written to.</source>
        <translation>Le fichier de ligue ne peut pas être écrit.</translation>
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
        <translation>Le tableau «&#xa0;%1&#xa0;» n&apos;a pas pu être exporté vers %2.
%3
Tout fichier existant à cet endroit est inchangé.</translation>
    </message>
    <message>
        <source>The table “%1” was exported to %2</source>
        <translation>Le tableau «&#xa0;%1&#xa0;» a été exporté vers %2</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>the team has no name</source>
        <translation>l&apos;équipe n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>the short name must be 1 to %1 letters</source>
        <translation>le nom abrégé doit compter de 1 à %1 lettres</translation>
    </message>
    <message>
        <source>number %1 is not from 0 to %2</source>
        <translation>le numéro %1 n&apos;est pas compris entre 0 et %2</translation>
    </message>
    <message>
        <source>number %1 is given twice</source>
        <translation>le numéro %1 est donné deux fois</translation>
    </message>
    <message>
        <source>number %1 has no name</source>
        <translation>le numéro %1 n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>number %1 in %2 is not on the team</source>
        <translation>le numéro %1 (%2) ne fait pas partie de l&apos;équipe</translation>
    </message>
    <message>
        <source>number %1 has more than one place in the lines</source>
        <translation>le numéro %1 a plus d&apos;une place dans les lignes</translation>
    </message>
    <message>
        <source>number %1 plays %2 and cannot be %3</source>
        <translation>le numéro %1 joue %2 et ne peut pas être %3</translation>
    </message>
    <message>
        <source>number %1 plays %2 and cannot play in %3</source>
        <translation>le numéro %1 joue %2 et ne peut pas jouer dans %3</translation>
    </message>
    <message>
        <source>forward line %1</source>
        <translation>la ligne d&apos;attaque %1</translation>
    </message>
    <message>
        <source>defence pair %1</source>
        <translation>la paire de défenseurs %1</translation>
    </message>
    <message>
        <source>the starting goalie</source>
        <translation>le gardien partant</translation>
    </message>
    <message>
        <source>the backup goalie</source>
        <translation>le gardien substitut</translation>
    </message>
</context>
<context>
    <name>RosterCodec</name>
    <message>
        <source>its roster has more than %1 players</source>
        <translation>son alignement compte plus de %1 joueurs</translation>
    </message>
    <message>
        <source>a player of its roster has no number from 0 to %1</source>
        <translation>un joueur de son alignement n&apos;a pas de numéro de 0 à %1</translation>
    </message>
    <message>
        <source>number %1 has no name this program writes</source>
        <translation>le numéro %1 n&apos;a pas de nom que ce programme écrit</translation>
    </message>
    <message>
        <source>number %1 has no position C, LW, RW, D or G</source>
        <translation>le numéro %1 n&apos;a pas de position C, LW, RW, D ou G</translation>
    </message>
    <message>
        <source>%1 has two players at %2</source>
        <translation>%1 a deux joueurs au poste %2</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>“%1” is not a place in the lines</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une place dans les lignes</translation>
    </message>
    <message>
        <source>%1 is number %2 already</source>
        <translation>%1 est déjà le numéro %2</translation>
    </message>
    <message>
        <source>%1 has number %2 at %3 already</source>
        <translation>%1 a déjà le numéro %2 au poste %3</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the first line is not the header %1</source>
        <translation>la première ligne n&apos;est pas l&apos;en-tête %1</translation>
    </message>
    <message>
        <source>%1 cells where there should be %2</source>
        <translation>%1 cellules là où il devrait y en avoir %2</translation>
    </message>
    <message>
        <source>the number “%1” is not from 0 to %2</source>
        <translation>le numéro «&#xa0;%1&#xa0;» n&apos;est pas compris entre 0 et %2</translation>
    </message>
    <message>
        <source>number %1 is on line %2 already</source>
        <translation>le numéro %1 est déjà à la ligne %2</translation>
    </message>
    <message>
        <source>number %1 has no name</source>
        <translation>le numéro %1 n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>“%1” is not a position: C, LW, RW, D or G</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une position&#xa0;: C, LW, RW, D ou G</translation>
    </message>
    <message>
        <source>the file lists no players</source>
        <translation>le fichier ne contient aucun joueur</translation>
    </message>
</context>
<context>
    <name>RosterModel</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
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
        <translation>HOME ne désigne pas un dossier</translation>
    </message>
    <message>
        <source>The folder %1 could not be made: %2.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The file is not text this program can read.</source>
        <translation>Le fichier n&apos;est pas un texte que ce programme peut lire.</translation>
    </message>
    <message>
        <source>It holds %1 of the %2 lines of a saved game.</source>
        <translation>Il contient %1 des %2 lignes d&apos;un match enregistré.</translation>
    </message>
    <message>
        <source>Its line %1, the seconds left in the period, is not a number from 0 to %2.</source>
        <translation>Sa ligne %1, les secondes restantes dans la période, n&apos;est pas un nombre de 0 à %2.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>It is too large to be a saved game.</source>
        <translation>Il est trop volumineux pour être un match enregistré.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>Il ne peut pas être lu&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>scored by %1</source>
        <translation>marqué par %1</translation>
    </message>
    <message>
        <source>no assist</source>
        <translation>sans aide</translation>
    </message>
    <message>
        <source>assists %1</source>
        <translation>aides %1</translation>
    </message>
</context>
<context>
    <name>SeasonModel</name>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>GP</source>
        <translation>MJ</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Matchs joués</translation>
    </message>
    <message>
        <source>W</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victoires</translation>
    </message>
    <message>
        <source>L</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Losses in regulation</source>
        <translation>Défaites en temps réglementaire</translation>
    </message>
    <message>
        <source>OTL</source>
        <translation>DP</translation>
    </message>
    <message>
        <source>Losses in overtime or the shoot-out</source>
        <translation>Défaites en prolongation ou aux tirs au but</translation>
    </message>
    <message>
        <source>T</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Games ended level</source>
        <translation>Matchs nuls</translation>
    </message>
    <message>
        <source>PTS</source>
        <translation>PTS</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>GF</source>
        <translation>BP</translation>
    </message>
    <message>
        <source>Goals for</source>
        <translation>Buts pour</translation>
    </message>
    <message>
        <source>GA</source>
        <translation>BC</translation>
    </message>
    <message>
        <source>Goals against</source>
        <translation>Buts contre</translation>
    </message>
    <message>
        <source>DIFF</source>
        <translation>DIFF</translation>
    </message>
    <message>
        <source>Goal difference</source>
        <translation>Différence de buts</translation>
    </message>
    <message>
        <source>Last 10</source>
        <translation>10 dern.</translation>
    </message>
    <message>
        <source>The last ten games: wins, losses, overtime losses (and ties)</source>
        <translation>Les dix derniers matchs&#xa0;: victoires, défaites, défaites en prolongation (et nuls)</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
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
        <translation>B</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Buts</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Assists</source>
        <translation>Aides</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>PUN</translation>
    </message>
    <message>
        <source>Penalty minutes</source>
        <translation>Minutes de pénalité</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Plus/minus</source>
        <translation>Plus/moins</translation>
    </message>
    <message>
        <source>SA</source>
        <translation>TC</translation>
    </message>
    <message>
        <source>Shots against</source>
        <translation>Tirs contre</translation>
    </message>
    <message>
        <source>GAA</source>
        <translation>MOY</translation>
    </message>
    <message>
        <source>Goals against per game played</source>
        <translation>Moyenne de buts contre par match joué</translation>
    </message>
    <message>
        <source>SV%</source>
        <translation>%ARR</translation>
    </message>
    <message>
        <source>Saves per shot against</source>
        <translation>Arrêts par tir contre</translation>
    </message>
    <message>
        <source>SO</source>
        <translation>BL</translation>
    </message>
    <message>
        <source>Shutouts</source>
        <translation>Blanchissages</translation>
    </message>
</context>
<context>
    <name>ShootoutWindow</name>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <translation>Tirs au but</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronde</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Shooter</source>
        <translation>Tireur</translation>
    </message>
    <message>
        <source>Goalie</source>
        <translation>Gardien</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>É&amp;quipe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Shooter:</source>
        <translation>&amp;Tireur&#xa0;:</translation>
    </message>
    <message>
        <source>G&amp;oalie:</source>
        <translation>&amp;Gardien&#xa0;:</translation>
    </message>
    <message>
        <source>Card:</source>
        <translation>Carte&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Goal</source>
        <translation>&amp;But</translation>
    </message>
    <message>
        <source>&amp;No Goal</source>
        <translation>&amp;Pas de but</translation>
    </message>
    <message>
        <source>%1 won the shoot-out.</source>
        <translation>%1 a gagné les tirs au but.</translation>
    </message>
    <message>
        <source>Overtime ended level: the shoot-out decides. Three rounds, then round by round until one team scores and the other does not.</source>
        <translation>La prolongation s&apos;est terminée à égalité&#xa0;: les tirs au but décident. Trois rondes, puis ronde par ronde jusqu&apos;à ce qu&apos;une équipe marque et pas l&apos;autre.</translation>
    </message>
    <message>
        <source>The league plays no shoot-out (League &gt; Settings).</source>
        <translation>La ligue ne joue pas de tirs au but (Ligue &gt; Paramètres).</translation>
    </message>
    <message>
        <source>A shoot-out follows an overtime that ends level.</source>
        <translation>Des tirs au but suivent une prolongation terminée à égalité.</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>(rien)</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>But</translation>
    </message>
    <message>
        <source>No goal</source>
        <translation>Pas de but</translation>
    </message>
</context>
<context>
    <name>StandingsWindow</name>
    <message>
        <source>Standings</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exporter en PDF…</translation>
    </message>
    <message>
        <source>Final games only. Two points for a win, one for a loss in overtime or the shoot-out, one for a tie.</source>
        <translation>Matchs terminés seulement. Deux points pour une victoire, un pour une défaite en prolongation ou aux tirs au but, un pour un match nul.</translation>
    </message>
</context>
<context>
    <name>Team</name>
    <message>
        <source>Away</source>
        <translation>Visiteurs</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Locaux</translation>
    </message>
</context>
<context>
    <name>TeamsWindow</name>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Équipes</translation>
    </message>
    <message>
        <source>&amp;League name:</source>
        <translation>Nom de la &amp;ligue&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Add Team</source>
        <translation>&amp;Ajouter équipe</translation>
    </message>
    <message>
        <source>&amp;Remove Team…</source>
        <translation>&amp;Retirer équipe…</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Short name:</source>
        <translation>Nom &amp;court&#xa0;:</translation>
    </message>
    <message>
        <source>Add &amp;Player</source>
        <translation>Ajouter &amp;joueur</translation>
    </message>
    <message>
        <source>Remo&amp;ve Player</source>
        <translation>Re&amp;tirer joueur</translation>
    </message>
    <message>
        <source>&amp;Import CSV…</source>
        <translation>&amp;Importer CSV…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exporter CSV…</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Forward line %1</source>
        <translation>Ligne d&apos;attaque %1</translation>
    </message>
    <message>
        <source>Defence pair %1</source>
        <translation>Paire de défenseurs %1</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Partant</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Substitut</translation>
    </message>
    <message>
        <source>Goalies</source>
        <translation>Gardiens</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>New team</source>
        <translation>Nouvelle équipe</translation>
    </message>
    <message>
        <source>New team %1</source>
        <translation>Nouvelle équipe %1</translation>
    </message>
    <message>
        <source>Remove the team %1 and its roster from the league?</source>
        <translation>Retirer l&apos;équipe %1 et son alignement de la ligue&#xa0;?</translation>
    </message>
    <message>
        <source>the name of number %1 is longer than %2 letters</source>
        <translation>le nom du numéro %1 dépasse %2 lettres</translation>
    </message>
    <message>
        <source>another team is named %1</source>
        <translation>une autre équipe s&apos;appelle %1</translation>
    </message>
    <message>
        <source>Not to be kept while %1.</source>
        <translation>Impossible de conserver tant que %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Nothing was kept. %1</source>
        <translation>Rien n&apos;a été conservé. %1</translation>
    </message>
    <message>
        <source>These teams were not kept, for what is wrong with them:
%1</source>
        <translation>Ces équipes n&apos;ont pas été conservées, à cause de ce qui ne va pas chez elles&#xa0;:
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
        <translation>L&apos;alignement n&apos;a pas pu être importé depuis %1.
%2
Rien du fichier n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The file is larger than any roster.</source>
        <translation>Le fichier est plus volumineux que tout alignement.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more lines</source>
        <translation>
            <numerusform>et %n autre ligne</numerusform>
            <numerusform>et %n autres lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>The roster could not be exported to %1.
%2
Any earlier file there is unchanged.</source>
        <translation>L&apos;alignement n&apos;a pas pu être exporté vers %1.
%2
Tout fichier existant à cet endroit est inchangé.</translation>
    </message>
    <message>
        <source>The roster of %1 was exported to %2</source>
        <translation>L&apos;alignement de %1 a été exporté vers %2</translation>
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
        <translation>Final&#xa0;: %1 %2, %3 %4</translation>
    </message>
    <message>
        <source>, OT</source>
        <translation>, PR</translation>
    </message>
    <message>
        <source>, SO</source>
        <translation>, TB</translation>
    </message>
</context>
</TS>
