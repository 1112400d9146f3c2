<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>corvane::AboutText</name>
    <message>
        <source>Copyright © 2026 the Corvane Dice developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 les développeurs de Corvane Dice. Logiciel libre sous licence GNU GPL, version 3 ou ultérieure.</translation>
    </message>
</context>
<context>
    <name>corvane::AtomicFile</name>
    <message>
        <source>there is not enough space left on the disk (the file needs %1, %2 are free)</source>
        <extracomment>%1 and %2 are sizes such as &quot;6.7 kB&quot;.</extracomment>
        <translation>il ne reste pas assez de place sur le disque (le fichier a besoin de %1, %2 sont libres)</translation>
    </message>
    <message>
        <source>the disk did not confirm that the file was written (%1)</source>
        <translation>le disque n’a pas confirmé que le fichier était écrit (%1)</translation>
    </message>
</context>
<context>
    <name>corvane::ChancesText</name>
    <message>
        <source>Chances</source>
        <translation>Chances</translation>
    </message>
    <message>
        <source>Chance of each number of successes</source>
        <translation>Chance de chaque nombre de succès</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Rolled</source>
        <translation>Obtenu</translation>
    </message>
    <message>
        <source>First column.</source>
        <translation>Première colonne.</translation>
    </message>
    <message>
        <source>Last column.</source>
        <translation>Dernière colonne.</translation>
    </message>
    <message>
        <source>Rolled: %1</source>
        <extracomment>The mark over the rolled count; %1 is its luck: &quot;top 8% (1 in 12)&quot;.</extracomment>
        <translation>Obtenu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Succès</translation>
    </message>
    <message>
        <source>Successes %1 to %2 (the rest: under 0.1%)</source>
        <translation>Succès de %1 à %2 (le reste&#xa0;: moins de 0,1&#xa0;%)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A stretch of the axis: &quot;3362 to 3640&quot;.</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Successes %1 (the rest: under 0.1%)</source>
        <extracomment>%1 lists the stretches of the axis: &quot;3362 to 3640, 5160 to 5355&quot;.</extracomment>
        <translation>Succès %1 (le reste&#xa0;: moins de 0,1&#xa0;%)</translation>
    </message>
    <message>
        <source>%1 of %2 at target %3</source>
        <extracomment>%1 is how many dice are rolled again, %2 &quot;5 dice&quot;, %3 the target number.</extracomment>
        <translation>%1 sur %2 au seuil %3</translation>
    </message>
    <message>
        <source>New roll: %1 at target %2</source>
        <extracomment>%1 is &quot;20 dice&quot;, %2 the target number.</extracomment>
        <translation>Nouveau jet&#xa0;: %1 au seuil %2</translation>
    </message>
    <message>
        <source>After Reroll Failures: %1 at target %2, none to reroll</source>
        <translation>Après relance des échecs&#xa0;: %1 au seuil %2, aucun à relancer</translation>
    </message>
    <message>
        <source>After Reroll Failures: %1</source>
        <translation>Après relance des échecs&#xa0;: %1</translation>
    </message>
    <message>
        <source>After Reroll from Marker Down: %1</source>
        <translation>Après relance dès le marqueur&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 expected</source>
        <translation>%1 en moyenne</translation>
    </message>
    <message>
        <source>%1 (rolled)</source>
        <translation>%1 (votre jet)</translation>
    </message>
    <message>
        <source>after Reroll Failures %1</source>
        <translation>après relance des échecs %1</translation>
    </message>
    <message>
        <source>after Reroll from Marker Down %1</source>
        <translation>après relance dès le marqueur %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>most likely %1 (%2), %3</source>
        <translation>le plus probable&#xa0;: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Rolled %1 with %2 at target %3.</source>
        <translation>Obtenu&#xa0;: %1 avec %2 au seuil %3.</translation>
    </message>
    <message>
        <source>Luck of the roll: %1; %2 from %3 thrown, %4 expected.</source>
        <extracomment>%1 is &quot;top 8% (1 in 12)&quot;, %2 &quot;7 successes&quot;, %3 &quot;10 dice&quot;, %4 the successes fair dice expect of them. A reroll throws only the dice it rolls again.</extracomment>
        <translation>Chance du jet&#xa0;: %1&#xa0;; %2 avec %3, %4 attendus.</translation>
    </message>
    <message>
        <source>A new roll of %1 at target %2: %3; at least %4: %5.</source>
        <extracomment>%1 is &quot;20 dice&quot;, %2 the target number, %3 the likeliest count and the expected successes, %4 &quot;3 successes&quot;, %5 its chance.</extracomment>
        <translation>Un nouveau jet de %1 au seuil %2&#xa0;: %3&#xa0;; au moins %4&#xa0;: %5.</translation>
    </message>
    <message>
        <source>Type from %1 to %2 dice to see a new roll&apos;s chances.</source>
        <translation>Saisissez de %1 à %2 dés pour voir les chances d&apos;un nouveau jet.</translation>
    </message>
    <message>
        <source>After Reroll Failures: no failures to reroll.</source>
        <translation>Après relance des échecs&#xa0;: aucun échec à relancer.</translation>
    </message>
    <message>
        <source>After Reroll Failures (%1): %2.</source>
        <translation>Après relance des échecs (%1)&#xa0;: %2.</translation>
    </message>
    <message>
        <source>After Reroll from Marker Down (%1): %2.</source>
        <translation>Après relance dès le marqueur (%1)&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Select a die in the list to see Reroll from Marker Down.</source>
        <translation>Choisissez un dé dans la liste pour voir la relance dès le marqueur.</translation>
    </message>
    <message>
        <source>Cannot roll: %1</source>
        <extracomment>A series whose dice would add up past the limit, said first so that a cut legend keeps it; %1 is its legend.</extracomment>
        <translation>Impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Its dice would add up past %1 nearly every time, so it cannot be rolled.</source>
        <translation>Ses dés dépasseraient %1 presque à chaque fois&#xa0;: ce jet est impossible.</translation>
    </message>
    <message>
        <source>A new roll of %1 at target %2: %3.</source>
        <extracomment>%1 is &quot;20 dice&quot;, %2 the target number, %3 the likeliest count and the expected successes.</extracomment>
        <translation>Un nouveau jet de %1 au seuil %2&#xa0;: %3.</translation>
    </message>
</context>
<context>
    <name>corvane::CountText</name>
    <message numerus="yes">
        <source>%1 successes</source>
        <translation>
            <numerusform>%1 succès</numerusform>
            <numerusform>%1 succès</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 dice</source>
        <translation>
            <numerusform>%1 dé</numerusform>
            <numerusform>%1 dés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::Dialogs</name>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer ?</translation>
    </message>
</context>
<context>
    <name>corvane::EngineText</name>
    <message>
        <source>Type a target from %1 to %2 to see the chances.</source>
        <translation>Saisissez un seuil de %1 à %2 pour voir les chances.</translation>
    </message>
</context>
<context>
    <name>corvane::EveningText</name>
    <message numerus="yes">
        <source>%1 rolls</source>
        <translation>
            <numerusform>%1 jet</numerusform>
            <numerusform>%1 jets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 dice</source>
        <translation>
            <numerusform>%1 dé</numerusform>
            <numerusform>%1 dés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 successes</source>
        <translation>
            <numerusform>%1 succès</numerusform>
            <numerusform>%1 succès</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 faces</source>
        <translation>
            <numerusform>%1 face</numerusform>
            <numerusform>%1 faces</numerusform>
        </translation>
    </message>
    <message>
        <source>No rolls yet this evening</source>
        <translation>Pas encore de jet ce soir</translation>
    </message>
    <message>
        <source>This evening: %1 with %2, %3 (%4 expected): %5</source>
        <extracomment>%1 is &quot;42 rolls&quot;, %2 &quot;2,340 dice&quot;, %3 &quot;812 successes&quot;, %4 the successes fair dice expect, %5 the evening&apos;s luck: &quot;top 12% (1 in 8)&quot;.</extracomment>
        <translation>Ce soir&#xa0;: %1, %2, %3 (%4 attendus)&#xa0;: %5</translation>
    </message>
    <message>
        <source>Every roll from the first on counts for the evening.</source>
        <translation>Chaque jet, dès le premier, compte pour la soirée.</translation>
    </message>
    <message>
        <source>Every roll since the program started counts, those the log no longer lists too.</source>
        <translation>Chaque jet depuis le démarrage du programme compte, même ceux que l&apos;historique n&apos;affiche plus.</translation>
    </message>
    <message>
        <source>more %1 than expected</source>
        <translation>plus de %1 que prévu</translation>
    </message>
    <message>
        <source>fewer %1 than expected</source>
        <translation>moins de %1 que prévu</translation>
    </message>
    <message>
        <source>No dice thrown yet to check for fairness</source>
        <translation>Aucun dé lancé encore pour en vérifier l&apos;équilibre</translation>
    </message>
    <message>
        <source>The dice stopped on 1: %1, 2: %2, 3: %3, 4: %4, 5: %5; sixes rolled on the way: %6.</source>
        <extracomment>%1 to %5 count the dice that stopped on 1 to 5, %6 the sixes they rolled on the way.</extracomment>
        <translation>Les dés se sont arrêtés sur 1&#xa0;: %1, 2&#xa0;: %2, 3&#xa0;: %3, 4&#xa0;: %4, 5&#xa0;: %5&#xa0;; 6 obtenus en chemin&#xa0;: %6.</translation>
    </message>
    <message>
        <source>Fair dice expect %1 of each.</source>
        <translation>Des dés équilibrés en donnent %1 de chaque en moyenne.</translation>
    </message>
    <message>
        <source>Furthest from that, as the check weighs them: the %1.</source>
        <extracomment>%1 is &quot;ones&quot; to &quot;sixes&quot;.</extracomment>
        <translation>Le plus loin de cela, selon la pondération du test&#xa0;: les %1.</translation>
    </message>
    <message>
        <source>%1 is the chance that fair dice stray at least this far; below %2 the check calls them unusual.</source>
        <extracomment>%1 is &quot;p = 0.41&quot;, %2 the threshold, &quot;0.05&quot;.</extracomment>
        <translation>%1 est la probabilité que des dés équilibrés s&apos;écartent au moins autant&#xa0;; sous %2, le test les dit inhabituels.</translation>
    </message>
    <message>
        <source>ones</source>
        <translation>1</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>2</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>3</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>4</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>5</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>6</translation>
    </message>
    <message>
        <source>faces</source>
        <translation>faces</translation>
    </message>
    <message>
        <source>For fair dice, an evening of as many rolls at least this lucky has a chance of %1, one at most this lucky %2.</source>
        <extracomment>%1 and %2 are chances, &quot;12.3%&quot;.</extracomment>
        <translation>Pour des dés équilibrés, une soirée d&apos;autant de jets au moins aussi chanceuse a une probabilité de %1, une au plus aussi chanceuse de %2.</translation>
    </message>
    <message>
        <source>Each roll counts alike, by its own luck given the rolls before it, a tie with rolls just as good broken at random as it is made: so these chances hold whatever you chose to roll or reroll.</source>
        <translation>Chaque jet compte autant, selon sa propre chance compte tenu des jets précédents, une égalité avec des jets aussi bons étant tranchée au hasard au moment du jet&#xa0;: ces probabilités valent donc quels que soient les jets et relances choisis.</translation>
    </message>
    <message>
        <source>The dice look fair: nothing unusual in %1</source>
        <extracomment>%1 is &quot;2,340 faces&quot;.</extracomment>
        <translation>Les dés semblent équilibrés&#xa0;: rien d&apos;inhabituel sur %1</translation>
    </message>
    <message>
        <source>The dice look unusual: %1 (%2 for fair dice)</source>
        <extracomment>%1 is &quot;more ones than expected&quot;, %2 &quot;1 in 80&quot;: how seldom fair dice stray so far.</extracomment>
        <translation>Les dés semblent inhabituels&#xa0;: %1 (%2 pour des dés équilibrés)</translation>
    </message>
    <message>
        <source>%1: %2, %3 (%4 expected): %5. %6</source>
        <extracomment>A member&apos;s evening at a shared table: %1 is the name, %2 &quot;12 rolls&quot;, %3 &quot;812 successes&quot;, %4 the successes fair dice expect, %5 &quot;top 12% (1 in 8)&quot;, %6 what the fairness line says of the member&apos;s dice.</extracomment>
        <translation>%1&#xa0;: %2, %3 (%4 en moyenne)&#xa0;: %5. %6</translation>
    </message>
</context>
<context>
    <name>corvane::FramedSocket</name>
    <message>
        <source>The connection closed.</source>
        <translation>La connexion a été fermée.</translation>
    </message>
    <message>
        <source>The other end stopped answering.</source>
        <translation>L’autre côté ne répond plus.</translation>
    </message>
    <message>
        <source>The other end stopped reading.</source>
        <translation>L’autre côté ne lit plus.</translation>
    </message>
    <message>
        <source>A frame was larger or smaller than any frame may be.</source>
        <translation>Un paquet était plus grand ou plus petit que permis.</translation>
    </message>
    <message>
        <source>A frame came that no member of this table sends.</source>
        <translation>Il est arrivé un paquet qu’aucun joueur de cette table n’envoie.</translation>
    </message>
    <message>
        <source>A frame came without this table&apos;s code.</source>
        <translation>Il est arrivé un paquet sans le code de cette table.</translation>
    </message>
</context>
<context>
    <name>corvane::LogFile</name>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texte brut (*.txt)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>Markdown table (*.md)</source>
        <translation>Tableau Markdown (*.md)</translation>
    </message>
    <message numerus="yes">
        <source>The evening, every roll since the program started, not only the %n above:</source>
        <translation>
            <numerusform>La soirée, chaque jet depuis le lancement du programme, pas seulement le %n ci-dessus&#xa0;:</numerusform>
            <numerusform>La soirée, chaque jet depuis le lancement du programme, pas seulement les %n ci-dessus&#xa0;:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::LogTable</name>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dés</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Succès</translation>
    </message>
    <message>
        <source>Botch</source>
        <translation>Fumble</translation>
    </message>
    <message>
        <source>High roll</source>
        <translation>Plus haut dé</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>First rerolled</source>
        <translation>Premier relancé</translation>
    </message>
    <message>
        <source>Replaced</source>
        <translation>Remplacés</translation>
    </message>
    <message>
        <source>Dice thrown</source>
        <translation>Dés lancés</translation>
    </message>
    <message>
        <source>Their successes</source>
        <translation>Leurs succès</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attendus</translation>
    </message>
    <message>
        <source>Chance at least as well</source>
        <translation>Probabilité au moins aussi bien</translation>
    </message>
    <message>
        <source>Chance at most as well</source>
        <translation>Probabilité au plus aussi bien</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Chance</translation>
    </message>
</context>
<context>
    <name>corvane::LuckText</name>
    <message>
        <source>1 in over %1</source>
        <translation>1 sur plus de %1</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <translation>1 sur %1</translation>
    </message>
    <message>
        <source>certain</source>
        <extracomment>A roll or an evening that could not have come out otherwise.</extracomment>
        <translation>certaine</translation>
    </message>
    <message>
        <source>top %1</source>
        <extracomment>A roll as good as this or better comes in %1 of rolls.</extracomment>
        <translation>parmi les %1 meilleurs</translation>
    </message>
    <message>
        <source>bottom %1</source>
        <extracomment>A roll as poor as this or worse comes in %1 of rolls.</extracomment>
        <translation>parmi les %1 pires</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is &quot;top 8%&quot;, %2 the odds: &quot;1 in 12&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>about average</source>
        <extracomment>A roll or an evening in the middle half of how fair dice come out.</extracomment>
        <translation>dans la moyenne</translation>
    </message>
</context>
<context>
    <name>corvane::NumberFormat</name>
    <message>
        <source>C</source>
        <extracomment>The locale whose numbers the program writes, such as de_DE.</extracomment>
        <translation>fr_FR</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>corvane::OddsText</name>
    <message>
        <source>%1 successes expected (now %2);
%3 chance to gain at least one.</source>
        <extracomment>%1 is a decimal, %2 a whole number, %3 a percentage.</extracomment>
        <translation>%1 succès en moyenne (%2 actuellement)&#xa0;;
%3 de chances d&apos;en gagner au moins un.</translation>
    </message>
    <message>
        <source>Each die succeeds %1 of the time at target %2.</source>
        <translation>Au seuil %2, chaque dé réussit dans %1 des cas.</translation>
    </message>
    <message numerus="yes">
        <source>%n dice</source>
        <translation>
            <numerusform>%n dé</numerusform>
            <numerusform>%n dés</numerusform>
        </translation>
    </message>
    <message>
        <source>Chance of at least %1 with %2 at target %3: %4.
Chance of a botch: %5.</source>
        <extracomment>%1 is &quot;3 successes&quot;, %2 &quot;5 dice&quot;, %3 the target number, %4 and %5 percentages.</extracomment>
        <translation>Chance d&apos;obtenir au moins %1 avec %2 au seuil %3&#xa0;: %4.
Chance de fumble (échec critique)&#xa0;: %5.</translation>
    </message>
    <message numerus="yes">
        <source>%n failures</source>
        <translation>
            <numerusform>%n échec</numerusform>
            <numerusform>%n échecs</numerusform>
        </translation>
    </message>
    <message>
        <source>Rerolling %1:
%2</source>
        <extracomment>%1 is &quot;2 failures&quot;; %2 the expected successes after the reroll.</extracomment>
        <translation>Relancer %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Select a die in the list to reroll it and every die below it.</source>
        <translation>Choisissez un dé dans la liste pour le relancer avec tous les dés en dessous.</translation>
    </message>
    <message>
        <source>Rerolling the selected die:
%1</source>
        <extracomment>%1 is the expected successes after the reroll.</extracomment>
        <translation>Relancer le dé choisi&#xa0;:
%1</translation>
    </message>
    <message numerus="yes">
        <source>Rerolling the selected die and %n below it:
%1</source>
        <translation>
            <numerusform>Relancer le dé choisi et %n en dessous&#xa0;:
%1</numerusform>
            <numerusform>Relancer le dé choisi et %n en dessous&#xa0;:
%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::PoolKeeper</name>
    <message>
        <source>Saved Pools</source>
        <translation>Réserves enregistrées</translation>
    </message>
    <message>
        <source>Save Pool</source>
        <translation>Enregistrer la réserve</translation>
    </message>
    <message>
        <source>Replace the saved pool &quot;%1&quot;?</source>
        <translation>Remplacer la réserve enregistrée « %1 » ?</translation>
    </message>
    <message>
        <source>Pool saved.</source>
        <translation>Réserve enregistrée.</translation>
    </message>
    <message>
        <source>Not saved: kept until you close the program.</source>
        <translation>Non enregistré : gardé jusqu’à la fermeture.</translation>
    </message>
    <message>
        <source>Rename Pool</source>
        <translation>Renommer la réserve</translation>
    </message>
    <message>
        <source>New name of the pool:</source>
        <translation>Nouveau nom de la réserve :</translation>
    </message>
    <message>
        <source>Pool renamed.</source>
        <translation>Réserve renommée.</translation>
    </message>
    <message>
        <source>Export Pools</source>
        <translation>Exporter les réserves</translation>
    </message>
    <message>
        <source>Pools (*.json)</source>
        <translation>Réserves (*.json)</translation>
    </message>
    <message>
        <source>The pools could not be exported to %1: %2.</source>
        <translation>Les réserves n’ont pas pu être exportées vers %1 : %2.</translation>
    </message>
    <message>
        <source>Pools exported.</source>
        <translation>Réserves exportées.</translation>
    </message>
    <message>
        <source>Import Pools</source>
        <translation>Importer des réserves</translation>
    </message>
    <message>
        <source>Nothing imported: %1 cannot be read as saved pools, because %2.</source>
        <translation>Rien n’est importé : %1 ne peut pas être lu comme des réserves enregistrées, car %2.</translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <extracomment>%1 is &quot;1 pool&quot; or &quot;4 pools&quot;.</extracomment>
        <translation>Importé : %1.</translation>
    </message>
    <message>
        <source>Nothing saved: a pool has %1 to %2 dice and a target from %3 to %4.</source>
        <translation>Rien n’est enregistré : une réserve a de %1 à %2 dés et un seuil de %3 à %4.</translation>
    </message>
    <message>
        <source>Name for %1:</source>
        <extracomment>%1 is what the pool rolls: &quot;7 dice at target 4&quot;.</extracomment>
        <translation>Nom pour %1&#xa0;:</translation>
    </message>
    <message>
        <source>A name has 1 to %1 characters.</source>
        <translation>Un nom a de 1 à %1 caractères.</translation>
    </message>
    <message>
        <source>There is a pool named &quot;%1&quot; already.</source>
        <translation>Il existe déjà une réserve nommée «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>%1: yours %2, imported %3</source>
        <extracomment>One pool of the same name on both sides: %1 its name, %2 and %3 what each rolls.</extracomment>
        <translation>%1&#xa0;: la vôtre %2, importée %3</translation>
    </message>
    <message>
        <source>Already in your list under the same name:</source>
        <translation>Déjà dans votre liste sous le même nom&#xa0;:</translation>
    </message>
    <message>
        <source>Yes: take the imported ones. No: keep yours and import the rest. Cancel: import nothing.</source>
        <translation>Oui&#xa0;: prendre les importées. Non&#xa0;: garder les vôtres et importer le reste. Annuler&#xa0;: ne rien importer.</translation>
    </message>
</context>
<context>
    <name>corvane::PoolLock</name>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>le dossier %1 n’a pas pu être créé</translation>
    </message>
    <message>
        <source>%1 is in the way of the lock file that saving takes: move it away</source>
        <translation>%1 occupe la place du fichier de verrou de l’enregistrement : déplacez-le</translation>
    </message>
    <message>
        <source>there is no space left on the disk of %1</source>
        <translation>il ne reste plus de place sur le disque de %1</translation>
    </message>
    <message>
        <source>no file can be written in the folder %1</source>
        <translation>aucun fichier ne peut être écrit dans le dossier %1</translation>
    </message>
    <message>
        <source>another copy of Corvane Dice is saving pools right now</source>
        <translation>un autre Corvane Dice enregistre des réserves en ce moment</translation>
    </message>
    <message>
        <source>another copy of Corvane Dice (process %1 on %2) is saving pools right now</source>
        <translation>un autre Corvane Dice (processus %1 sur %2) enregistre des réserves en ce moment</translation>
    </message>
</context>
<context>
    <name>corvane::PoolMessages</name>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>il ne peut pas être ouvert (%1)</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>il dépasse 1 Mio</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>il est tronqué</translation>
    </message>
    <message>
        <source>it is not a pools file</source>
        <translation>ce n’est pas un fichier de réserves</translation>
    </message>
    <message>
        <source>it was written by a newer version of Corvane Dice</source>
        <translation>il vient d’une version plus récente de Corvane Dice</translation>
    </message>
    <message>
        <source>its list of pools is missing</source>
        <translation>la liste des réserves y manque</translation>
    </message>
    <message>
        <source>pool %1 in it is not a name with a number of dice and a target</source>
        <translation>la réserve %1 n’y est pas un nom avec un nombre de dés et un seuil</translation>
    </message>
    <message>
        <source>the name of pool %1 in it is longer than %2 characters</source>
        <translation>le nom de la réserve %1 y dépasse %2 caractères</translation>
    </message>
    <message>
        <source>pool %1 in it has the same name as a pool before it</source>
        <translation>la réserve %1 y porte le nom d’une réserve précédente</translation>
    </message>
    <message>
        <source>it holds more than %1 pools</source>
        <translation>il contient plus de %1 réserves</translation>
    </message>
    <message>
        <source>The unreadable pools file is kept as %1.</source>
        <translation>Le fichier de réserves illisible est gardé sous le nom %1.</translation>
    </message>
    <message>
        <source>Your pools could not be saved in %1: %2. They stay in the list until you close the program, and the next save tries again.</source>
        <translation>Vos réserves n’ont pas pu être enregistrées dans %1 : %2. Elles restent dans la liste jusqu’à la fermeture, et le prochain enregistrement réessaie.</translation>
    </message>
    <message>
        <source>The list holds at most %1 pools: delete one to save another.</source>
        <translation>La liste contient au plus %1 réserves : supprimez-en une pour en enregistrer une autre.</translation>
    </message>
    <message>
        <source>The saved pools in %1 cannot all be read: %2. The file is left as it is, and the program goes on with the %3 it could read. Your next save asks before it changes anything.</source>
        <extracomment>%3 is &quot;1 pool&quot; or &quot;4 pools&quot;.</extracomment>
        <translation>Les réserves enregistrées dans %1 ne peuvent pas toutes être lues : %2. Le fichier reste tel quel, et le programme continue avec celles qu’il a pu lire (%3). Votre prochain enregistrement demande avant de rien changer.</translation>
    </message>
    <message>
        <source>The saved pools in %1 cannot all be read: %2. To save, the program keeps that file aside under a dated name and writes a new one with the %3 it could read and your changes. Save?</source>
        <extracomment>%3 is &quot;1 pool&quot; or &quot;4 pools&quot;.</extracomment>
        <translation>Les réserves enregistrées dans %1 ne peuvent pas toutes être lues : %2. Pour enregistrer, le programme garde ce fichier à part sous un nom daté et en écrit un nouveau avec celles qu’il a pu lire (%3) et vos modifications. Enregistrer ?</translation>
    </message>
    <message>
        <source>it is a folder, a pipe or a device, not a file</source>
        <translation>c’est un dossier, un tube ou un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>Not changed: the pool &quot;%1&quot; was deleted or renamed meanwhile by another copy of Corvane Dice.</source>
        <translation>Rien n’a changé : un autre Corvane Dice a supprimé ou renommé entre-temps la réserve « %1 ».</translation>
    </message>
    <message>
        <source>Not changed: there is a saved pool named &quot;%1&quot; already.</source>
        <translation>Rien n’a changé : il existe déjà une réserve enregistrée nommée « %1 ».</translation>
    </message>
    <message>
        <source>The saved pools cannot be read from %1: %2. It is left as it is; to save pools, move it away.</source>
        <translation>Les réserves enregistrées ne peuvent pas être lues depuis %1 : %2. Il reste tel quel ; pour enregistrer des réserves, déplacez-le.</translation>
    </message>
    <message>
        <source>pool %1 in it has more dice than a roll can hold (%2)</source>
        <translation>la réserve %1 y a plus de dés qu’un jet n’en peut contenir (%2)</translation>
    </message>
</context>
<context>
    <name>corvane::PoolStore</name>
    <message>
        <source>it is a folder, a pipe or a device, not a file: move it away</source>
        <translation>c’est un dossier, un tube ou un périphérique, pas un fichier : déplacez-le</translation>
    </message>
</context>
<context>
    <name>corvane::PoolsWindow</name>
    <message>
        <source>Pools</source>
        <translation>Réserves</translation>
    </message>
    <message>
        <source>Saved pools; Ctrl+1 to Ctrl+9 roll the first nine</source>
        <translation>Réserves enregistrées ; Ctrl+1 à Ctrl+9 lancent les neuf premières</translation>
    </message>
    <message>
        <source>Roll Pool</source>
        <translation>Lancer la réserve</translation>
    </message>
    <message>
        <source>Rename Pool...</source>
        <translation>Renommer la réserve...</translation>
    </message>
    <message>
        <source>Delete Pool</source>
        <translation>Supprimer la réserve</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Annuler la suppression</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Export Pools...</source>
        <translation>Exporter les réserves...</translation>
    </message>
    <message>
        <source>Import Pools...</source>
        <translation>Importer des réserves...</translation>
    </message>
    <message>
        <source>Pool deleted; Ctrl+Z brings it back.</source>
        <translation>Réserve supprimée ; Ctrl+Z la rétablit.</translation>
    </message>
    <message>
        <source>Pool restored.</source>
        <translation>Réserve rétablie.</translation>
    </message>
    <message>
        <source>Pool moved.</source>
        <translation>Réserve déplacée.</translation>
    </message>
    <message>
        <source>The pool is first already.</source>
        <translation>La réserve est déjà la première.</translation>
    </message>
    <message>
        <source>The pool is last already.</source>
        <translation>La réserve est déjà la dernière.</translation>
    </message>
    <message>
        <source>Enter rolls, F2 renames, Delete deletes, Alt+Up and Alt+Down move the selected pool.</source>
        <translation>Entrée lance, F2 renomme, Suppr supprime, Alt+Haut et Alt+Bas déplacent la réserve choisie.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>corvane::ResultsDisplay</name>
    <message>
        <source>%1 (botch)</source>
        <translation>%1 (fumble)</translation>
    </message>
    <message>
        <source>Successes: %1</source>
        <translation>Succès&#xa0;: %1</translation>
    </message>
    <message>
        <source>High roll: %1, Total roll: %2</source>
        <translation>Meilleur dé&#xa0;: %1, total&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n successes.</source>
        <translation>
            <numerusform>%n succès.</numerusform>
            <numerusform>%n succès.</numerusform>
        </translation>
    </message>
    <message>
        <source>The list and the pool disagreed; nothing changed.</source>
        <translation>La liste et les dés divergeaient&#xa0;; rien n&apos;a changé.</translation>
    </message>
    <message>
        <source>Dice to Roll: type a number from %1 to %2.</source>
        <translation>Nombre de dés&#xa0;: saisissez de %1 à %2.</translation>
    </message>
    <message>
        <source>Target Number: type from %1 to %2.</source>
        <translation>Seuil de réussite&#xa0;: de %1 à %2.</translation>
    </message>
    <message>
        <source>The dice add up past %1: roll at most %2.</source>
        <translation>Somme au-delà de %1&#xa0;: au plus %2 dés.</translation>
    </message>
    <message>
        <source>Rerolling %1 dice would pass %2.</source>
        <extracomment>%1 is how many dice the reroll would throw, %2 the highest total.</extracomment>
        <translation>Relancer %1 dés dépasserait %2.</translation>
    </message>
    <message>
        <source>The total passed %1 this time: roll at most %2.</source>
        <extracomment>%1 is the highest total, %2 the most dice that nearly always stay within it.</extracomment>
        <translation>Somme &gt; %1 cette fois&#xa0;: max. %2 dés.</translation>
    </message>
</context>
<context>
    <name>corvane::ResultsModel</name>
    <message>
        <source>%1, success</source>
        <extracomment>How a screen reader reads a die in the results list; %1 is the die.</extracomment>
        <translation>%1, succès</translation>
    </message>
    <message>
        <source>%1, failure</source>
        <translation>%1, échec</translation>
    </message>
    <message>
        <source>%1, high roll, die 1 of %2</source>
        <extracomment>The first row of the results list, the highest die; %1 is &quot;14, success&quot;, %2 the number of dice.</extracomment>
        <translation>%1, meilleur dé, dé 1 sur %2</translation>
    </message>
</context>
<context>
    <name>corvane::RollLogWindow</name>
    <message>
        <source>Roll Log</source>
        <translation>Historique des jets</translation>
    </message>
    <message>
        <source>Rolls, newest first</source>
        <translation>Jets, du plus récent au plus ancien</translation>
    </message>
    <message>
        <source>Copy Rolls</source>
        <translation>Copier les jets</translation>
    </message>
    <message>
        <source>Save Log...</source>
        <translation>Enregistrer l’historique...</translation>
    </message>
    <message>
        <source>Save Selected Rolls...</source>
        <translation>Enregistrer les jets choisis...</translation>
    </message>
    <message>
        <source>No rolls selected.</source>
        <translation>Aucun jet choisi.</translation>
    </message>
    <message>
        <source>No rolls to save.</source>
        <translation>Aucun jet à enregistrer.</translation>
    </message>
    <message>
        <source>Save Roll Log</source>
        <translation>Enregistrer l’historique des jets</translation>
    </message>
    <message>
        <source>The roll log could not be saved to %1: %2.</source>
        <translation>L’historique des jets n’a pas pu être enregistré dans %1 : %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls saved.</source>
        <translation>
            <numerusform>%n jet enregistré.</numerusform>
            <numerusform>%n jets enregistrés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Roll copied.</source>
        <translation>Jet copié.</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls copied.</source>
        <translation>
            <numerusform>%n jet copié.</numerusform>
            <numerusform>%n jets copiés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::RollText</name>
    <message>
        <source>Reroll Failures</source>
        <translation>Relance des échecs</translation>
    </message>
    <message>
        <source>Reroll from Marker Down</source>
        <translation>Relance dès le marqueur</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>What was done: a new roll, beside &quot;Reroll Failures&quot; and &quot;Reroll from Marker Down&quot;.</extracomment>
        <translation>Jet</translation>
    </message>
    <message>
        <source>die %1</source>
        <translation>dé %1</translation>
    </message>
    <message>
        <source>dice %1 to %2</source>
        <translation>dés %1 à %2</translation>
    </message>
    <message>
        <source>Die %1 was: %2.</source>
        <translation>Le dé %1 était&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Dice %1 to %2 were: %3.</source>
        <translation>Les dés %1 à %2 étaient&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 at target %2</source>
        <extracomment>%1 is &quot;10 dice&quot;, %2 the target number.</extracomment>
        <translation>%1 au seuil %2</translation>
    </message>
    <message>
        <source>%1 (botch)</source>
        <translation>%1 (fumble)</translation>
    </message>
    <message>
        <source>%1 (high roll %2, total roll %3)</source>
        <translation>%1 (meilleur dé %2, total %3)</translation>
    </message>
    <message>
        <source>%1: %2 = %3</source>
        <extracomment>%1 is &quot;10 dice at target 5&quot;, %2 the dice, %3 &quot;5 successes (high roll 14, total roll 51)&quot;.</extracomment>
        <translation>%1&#xa0;: %2 = %3</translation>
    </message>
    <message>
        <source>%1 (%2), %3</source>
        <extracomment>%1 is what was done, %2 &quot;dice 7 to 10&quot;, %3 the roll after it.</extracomment>
        <translation>%1 (%2), %3</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... et %n autre</numerusform>
            <numerusform>... et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, botch</source>
        <translation>%1, fumble</translation>
    </message>
    <message>
        <source>%1. High roll %2, total %3.</source>
        <extracomment>Spoken after a roll. %1 is &quot;5 successes&quot;, %2 the highest die, %3 the total.</extracomment>
        <translation>%1. Meilleur dé %2, total %3.</translation>
    </message>
    <message>
        <source>Rerolled die %1: %2</source>
        <extracomment>Spoken after a reroll of the last die alone; %2 is &quot;5 successes. High roll 14, total 51.&quot;</extracomment>
        <translation>Dé %1 relancé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Rerolled dice %1 to %2: %3</source>
        <extracomment>Spoken after a reroll; %3 is &quot;5 successes. High roll 14, total 51.&quot;</extracomment>
        <translation>Dés %1 à %2 relancés&#xa0;: %3</translation>
    </message>
    <message>
        <source>Dice: %1.</source>
        <translation>Dés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>luck: %1</source>
        <extracomment>%1 is &quot;top 8% (1 in 12)&quot; or &quot;bottom 15%&quot;.</extracomment>
        <translation>chance&#xa0;: %1</translation>
    </message>
    <message>
        <source>luck of the die rolled again: %1</source>
        <extracomment>%1 is &quot;top 8% (1 in 12)&quot; or &quot;bottom 15%&quot;.</extracomment>
        <translation>chance du dé relancé&#xa0;: %1</translation>
    </message>
    <message>
        <source>luck of the %1 rolled again: %2</source>
        <extracomment>%1 is &quot;4 dice&quot;, %2 &quot;top 8% (1 in 12)&quot; or &quot;bottom 15%&quot;.</extracomment>
        <translation>chance des %1 relancés&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, %2: %3; %4.</source>
        <extracomment>%1 is what was done, %2 &quot;10 dice at target 5&quot;, %3 &quot;5 successes (high roll 14, total roll 51)&quot;, %4 &quot;luck: top 8% (1 in 12)&quot;.</extracomment>
        <translation>%1, %2&#xa0;: %3&#xa0;; %4.</translation>
    </message>
    <message>
        <source>%1, round %2, checked: </source>
        <extracomment>At a shared table: the member who rolled, the table&apos;s round, and that this program checked the round itself.</extracomment>
        <translation>%1, tour %2, vérifié&#xa0;: </translation>
    </message>
</context>
<context>
    <name>corvane::Roller</name>
    <message>
        <source>No failures to reroll.</source>
        <translation>Aucun échec à relancer.</translation>
    </message>
    <message>
        <source>No marker specified.</source>
        <translation>Aucun dé marqué.</translation>
    </message>
</context>
<context>
    <name>corvane::RollerCommands</name>
    <message>
        <source>Copy Roll</source>
        <translation>Copier le jet</translation>
    </message>
    <message>
        <source>Roll Log</source>
        <translation>Historique des jets</translation>
    </message>
    <message>
        <source>Chances</source>
        <translation>Chances</translation>
    </message>
    <message>
        <source>About Corvane Dice</source>
        <translation>À propos de Corvane Dice</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Roll copied.</source>
        <translation>Jet copié.</translation>
    </message>
    <message>
        <source>Save Pool...</source>
        <translation>Enregistrer la réserve...</translation>
    </message>
    <message>
        <source>Pools</source>
        <translation>Réserves</translation>
    </message>
    <message>
        <source>Roll %1: %2</source>
        <extracomment>A menu entry that rolls a saved pool: %1 its place in the list (1 to 9), %2 its name.</extracomment>
        <translation>Lancer %1 : %2</translation>
    </message>
    <message>
        <source>Roll Pool %1</source>
        <translation>Lancer la réserve %1</translation>
    </message>
    <message>
        <source>No pool %1 saved.</source>
        <translation>Aucune réserve %1.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Roll a Pool</source>
        <translation>Lancer une réserve</translation>
    </message>
</context>
<context>
    <name>corvane::RollerControls</name>
    <message>
        <source>Corvane Dice</source>
        <translation>Corvane Dice</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>Reroll &amp;Failures</source>
        <translation>&amp;Relancer
les échecs</translation>
    </message>
    <message>
        <source>Reroll from
&amp;Marker Down</source>
        <extracomment>Two lines, each as wide as the Roll button at most.</extracomment>
        <translation>Relancer dès
le &amp;marqueur</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Dice to Roll</source>
        <translation>Nombre de dés</translation>
    </message>
    <message>
        <source>Target Number</source>
        <translation>Seuil de réussite</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Succès</translation>
    </message>
    <message>
        <source>About Corvane Dice</source>
        <translation>À propos de Corvane Dice</translation>
    </message>
    <message>
        <source>About Corvane Dice (F1)</source>
        <translation>À propos de Corvane Dice (F1)</translation>
    </message>
</context>
<context>
    <name>corvane::SavedPool</name>
    <message numerus="yes">
        <source>%n pools</source>
        <translation>
            <numerusform>%n réserve</numerusform>
            <numerusform>%n réserves</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A saved pool: %1 is its name, %2 &quot;7 dice at target 4&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 at target %2</source>
        <extracomment>What a pool rolls: %1 is &quot;7 dice&quot;, %2 the target number.</extracomment>
        <translation>%1 au seuil %2</translation>
    </message>
</context>
<context>
    <name>corvane::Settings</name>
    <message>
        <source>it cannot be opened</source>
        <translation>il ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>it is not a settings file of Corvane Dice</source>
        <translation>ce n’est pas un fichier de paramètres de Corvane Dice</translation>
    </message>
    <message>
        <source>it was written by another version of Corvane Dice</source>
        <translation>il a été écrit par une autre version de Corvane Dice</translation>
    </message>
    <message>
        <source>the settings file %1 is kept as it is, because %2</source>
        <translation>le fichier de paramètres %1 reste tel quel, car %2</translation>
    </message>
</context>
<context>
    <name>corvane::TableGuest</name>
    <message>
        <source>The host now holds another table.</source>
        <translation>L’hôte héberge désormais une autre table.</translation>
    </message>
    <message>
        <source>The code is not this table&apos;s.</source>
        <translation>Ce code n’est pas celui de cette table.</translation>
    </message>
    <message>
        <source>The host sent what does not check: %1</source>
        <translation>L’hôte a envoyé des données qui ne passent pas la vérification&#xa0;: %1</translation>
    </message>
    <message>
        <source>The table is full: it seats %1.</source>
        <extracomment>%1 is the most members a table seats.</extracomment>
        <translation>La table est pleine&#xa0;: elle compte %1 places.</translation>
    </message>
    <message>
        <source>The host closed the table.</source>
        <translation>L’hôte a fermé la table.</translation>
    </message>
    <message>
        <source>The host sent a frame no host sends.</source>
        <translation>L’hôte a envoyé un paquet qu’aucun hôte n’envoie.</translation>
    </message>
    <message>
        <source>Could not join the table: %1</source>
        <translation>Impossible de rejoindre la table&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lost the table&apos;s host; trying again.</source>
        <translation>Liaison avec l’hôte perdue&#xa0;; nouvelle tentative.</translation>
    </message>
    <message>
        <source>The table closed: its host is gone.</source>
        <translation>La table est fermée&#xa0;: son hôte est parti.</translation>
    </message>
    <message>
        <source>You left the table.</source>
        <translation>Vous avez quitté la table.</translation>
    </message>
</context>
<context>
    <name>corvane::TableHost</name>
    <message>
        <source>You closed the table.</source>
        <translation>Vous avez fermé la table.</translation>
    </message>
</context>
<context>
    <name>corvane::TableLink</name>
    <message>
        <source>%1 joined the table.</source>
        <translation>%1 a rejoint la table.</translation>
    </message>
    <message>
        <source>%1 left the table.</source>
        <translation>%1 a quitté la table.</translation>
    </message>
</context>
<context>
    <name>corvane::TableRolls</name>
    <message>
        <source>Another roll is on the table: roll again once it is done.</source>
        <translation>Un autre jet est en cours&#xa0;: lancez quand il sera fini.</translation>
    </message>
    <message>
        <source>Roll at the table before rerolling there.</source>
        <translation>Lancez à la table avant d’y relancer.</translation>
    </message>
</context>
<context>
    <name>corvane::TableSession</name>
    <message>
        <source>The table&apos;s transcript could not be saved to %1: %2.</source>
        <translation>Le compte rendu de la table n’a pas pu être enregistré dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The table&apos;s transcript is in %1.</source>
        <translation>Le compte rendu de la table est dans %1.</translation>
    </message>
</context>
<context>
    <name>corvane::TableText</name>
    <message>
        <source>The table has closed.</source>
        <translation>La table est fermée.</translation>
    </message>
    <message>
        <source>You host on port %1. Players join at %2 with the code: %3</source>
        <extracomment>%1 is the port, %2 this machine&apos;s addresses, %3 the join code.</extracomment>
        <translation>Vous hébergez sur le port %1. Les joueurs rejoignent à %2 avec le code&#xa0;: %3</translation>
    </message>
    <message>
        <source>Joining the table...</source>
        <translation>Connexion à la table...</translation>
    </message>
    <message>
        <source>At %1&apos;s table.</source>
        <translation>À la table de %1.</translation>
    </message>
    <message>
        <source>host</source>
        <translation>hôte</translation>
    </message>
    <message>
        <source>you</source>
        <translation>vous</translation>
    </message>
    <message>
        <source>left</source>
        <translation>a quitté la table</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>en ligne</translation>
    </message>
    <message>
        <source>away</source>
        <translation>hors ligne</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A member of the table: %1 is the name, %2 &quot;host, you, connected&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2, high roll %3.</source>
        <extracomment>Another member&apos;s roll, heard once: %1 is the name, %2 &quot;3 successes&quot;, %3 the highest die.</extracomment>
        <translation>%1&#xa0;: %2, meilleur dé %3.</translation>
    </message>
    <message>
        <source>Round %1 given up: %2 did not answer.</source>
        <extracomment>%1 is the round&apos;s number, %2 the members who did not answer in time; the round changed nothing.</extracomment>
        <translation>Tour %1 annulé, faute de réponse de %2.</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>En attente de %1...</translation>
    </message>
</context>
<context>
    <name>corvane::TableWindow</name>
    <message>
        <source>R&amp;emember my name</source>
        <translation>&amp;Mémoriser mon nom</translation>
    </message>
    <message>
        <source>&amp;Host Table</source>
        <translation>&amp;Héberger la table</translation>
    </message>
    <message>
        <source>&amp;Join Table</source>
        <translation>Re&amp;joindre la table</translation>
    </message>
    <message>
        <source>&amp;Remove Member</source>
        <translation>&amp;Retirer le joueur</translation>
    </message>
    <message>
        <source>&amp;Leave Table</source>
        <translation>&amp;Quitter la table</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>address:port</source>
        <translation>adresse:port</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Votre &amp;nom&#xa0;:</translation>
    </message>
    <message>
        <source>Host a table</source>
        <translation>Héberger une table</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code&#xa0;:</translation>
    </message>
    <message>
        <source>Join a table</source>
        <translation>Rejoindre une table</translation>
    </message>
    <message>
        <source>Host&apos;s &amp;address:</source>
        <translation>&amp;Adresse de l’hôte&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;ode:</source>
        <translation>C&amp;ode&#xa0;:</translation>
    </message>
    <message>
        <source>Type a name of 1 to 32 letters to sit at a table with.</source>
        <translation>Saisissez un nom de 1 à 32 caractères pour vous asseoir à une table.</translation>
    </message>
    <message>
        <source>Type a code for the table, or keep the one given.</source>
        <translation>Saisissez un code pour la table, ou gardez celui proposé.</translation>
    </message>
    <message>
        <source>Could not host on port %1: %2</source>
        <translation>Impossible d’héberger la table sur le port %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>You host a table.</source>
        <translation>Vous hébergez une table.</translation>
    </message>
    <message>
        <source>Type the code the host gave.</source>
        <translation>Saisissez le code donné par l’hôte.</translation>
    </message>
    <message>
        <source>Type the host&apos;s address and port, as 192.168.1.20:%1.</source>
        <translation>Saisissez l’adresse et le port de l’hôte, par exemple 192.168.1.20:%1.</translation>
    </message>
    <message>
        <source>Joining the table at %1...</source>
        <translation>Connexion à la table sur %1...</translation>
    </message>
    <message>
        <source>A member can be removed once the open round is done.</source>
        <translation>Un joueur ne peut être retiré qu’une fois le tour en cours terminé.</translation>
    </message>
</context>
</TS>
