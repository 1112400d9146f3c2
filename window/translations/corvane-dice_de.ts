<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>corvane::AboutText</name>
    <message>
        <source>Copyright © 2026 the Corvane Dice developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 die Entwickler von Corvane Dice. Freie Software unter der GNU GPL, Version 3 oder neuer.</translation>
    </message>
</context>
<context>
    <name>corvane::AtomicFile</name>
    <message>
        <source>there is not enough space left on the disk (the file needs %1, %2 are free)</source>
        <extracomment>%1 and %2 are sizes such as &quot;6.7 kB&quot;.</extracomment>
        <translation>auf dem Datenträger ist nicht genug Platz frei (die Datei braucht %1, frei sind %2)</translation>
    </message>
    <message>
        <source>the disk did not confirm that the file was written (%1)</source>
        <translation>der Datenträger hat nicht bestätigt, dass die Datei geschrieben ist (%1)</translation>
    </message>
</context>
<context>
    <name>corvane::ChancesText</name>
    <message>
        <source>Chances</source>
        <translation>Chancen</translation>
    </message>
    <message>
        <source>Chance of each number of successes</source>
        <translation>Chance für jede Anzahl an Erfolgen</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Rolled</source>
        <translation>Gewürfelt</translation>
    </message>
    <message>
        <source>First column.</source>
        <translation>Erste Spalte.</translation>
    </message>
    <message>
        <source>Last column.</source>
        <translation>Letzte Spalte.</translation>
    </message>
    <message>
        <source>Rolled: %1</source>
        <extracomment>The mark over the rolled count; %1 is its luck: &quot;top 8% (1 in 12)&quot;.</extracomment>
        <translation>Gewürfelt: %1</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Erfolge</translation>
    </message>
    <message>
        <source>Successes %1 to %2 (the rest: under 0.1%)</source>
        <translation>Erfolge %1 bis %2 (der Rest: unter 0,1&#xa0;%)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A stretch of the axis: &quot;3362 to 3640&quot;.</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Successes %1 (the rest: under 0.1%)</source>
        <extracomment>%1 lists the stretches of the axis: &quot;3362 to 3640, 5160 to 5355&quot;.</extracomment>
        <translation>Erfolge %1 (der Rest: unter 0,1&#xa0;%)</translation>
    </message>
    <message>
        <source>%1 of %2 at target %3</source>
        <extracomment>%1 is how many dice are rolled again, %2 &quot;5 dice&quot;, %3 the target number.</extracomment>
        <translation>%2 bei Mindestwurf %3, davon %1 neu</translation>
    </message>
    <message>
        <source>New roll: %1 at target %2</source>
        <extracomment>%1 is &quot;20 dice&quot;, %2 the target number.</extracomment>
        <translation>Neuer Wurf: %1 bei Mindestwurf %2</translation>
    </message>
    <message>
        <source>After Reroll Failures: %1 at target %2, none to reroll</source>
        <translation>Nach Neuwurf der Fehlschläge: %1 bei Mindestwurf %2, keiner neu</translation>
    </message>
    <message>
        <source>After Reroll Failures: %1</source>
        <translation>Nach Neuwurf der Fehlschläge: %1</translation>
    </message>
    <message>
        <source>After Reroll from Marker Down: %1</source>
        <translation>Nach Neuwurf ab Markierung: %1</translation>
    </message>
    <message>
        <source>%1 expected</source>
        <translation>%1 erwartet</translation>
    </message>
    <message>
        <source>%1 (rolled)</source>
        <translation>%1 (gewürfelt)</translation>
    </message>
    <message>
        <source>after Reroll Failures %1</source>
        <translation>nach Neuwurf der Fehlschläge %1</translation>
    </message>
    <message>
        <source>after Reroll from Marker Down %1</source>
        <translation>nach Neuwurf ab Markierung %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>most likely %1 (%2), %3</source>
        <translation>am wahrscheinlichsten %1 (%2), %3</translation>
    </message>
    <message>
        <source>Rolled %1 with %2 at target %3.</source>
        <translation>Gewürfelt: %1 (%2 bei Mindestwurf %3).</translation>
    </message>
    <message>
        <source>Luck of the roll: %1; %2 from %3 thrown, %4 expected.</source>
        <extracomment>%1 is &quot;top 8% (1 in 12)&quot;, %2 &quot;7 successes&quot;, %3 &quot;10 dice&quot;, %4 the successes fair dice expect of them. A reroll throws only the dice it rolls again.</extracomment>
        <translation>Glück des Wurfs: %1; geworfen: %3, %2, erwartet %4.</translation>
    </message>
    <message>
        <source>A new roll of %1 at target %2: %3; at least %4: %5.</source>
        <extracomment>%1 is &quot;20 dice&quot;, %2 the target number, %3 the likeliest count and the expected successes, %4 &quot;3 successes&quot;, %5 its chance.</extracomment>
        <translation>Ein neuer Wurf, %1 bei Mindestwurf %2: %3; mindestens %4: %5.</translation>
    </message>
    <message>
        <source>Type from %1 to %2 dice to see a new roll&apos;s chances.</source>
        <translation>Einen Würfelpool von %1 bis %2 eingeben, um die Chancen eines neuen Wurfs zu sehen.</translation>
    </message>
    <message>
        <source>After Reroll Failures: no failures to reroll.</source>
        <translation>Nach Neuwurf der Fehlschläge: keine Fehlschläge zum Neuwürfeln.</translation>
    </message>
    <message>
        <source>After Reroll Failures (%1): %2.</source>
        <translation>Nach Neuwurf der Fehlschläge (%1): %2.</translation>
    </message>
    <message>
        <source>After Reroll from Marker Down (%1): %2.</source>
        <translation>Nach Neuwurf ab Markierung (%1): %2.</translation>
    </message>
    <message>
        <source>Select a die in the list to see Reroll from Marker Down.</source>
        <translation>Einen Würfel in der Liste auswählen, um den Neuwurf ab Markierung zu sehen.</translation>
    </message>
    <message>
        <source>Cannot roll: %1</source>
        <extracomment>A series whose dice would add up past the limit, said first so that a cut legend keeps it; %1 is its legend.</extracomment>
        <translation>Nicht würfelbar: %1</translation>
    </message>
    <message>
        <source>Its dice would add up past %1 nearly every time, so it cannot be rolled.</source>
        <translation>Seine Würfel ergäben fast immer mehr als %1, darum kann er nicht gewürfelt werden.</translation>
    </message>
    <message>
        <source>A new roll of %1 at target %2: %3.</source>
        <extracomment>%1 is &quot;20 dice&quot;, %2 the target number, %3 the likeliest count and the expected successes.</extracomment>
        <translation>Ein neuer Wurf, %1 bei Mindestwurf %2: %3.</translation>
    </message>
</context>
<context>
    <name>corvane::CountText</name>
    <message numerus="yes">
        <source>%1 successes</source>
        <translation>
            <numerusform>%1 Erfolg</numerusform>
            <numerusform>%1 Erfolge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 dice</source>
        <translation>
            <numerusform>%1 Würfel</numerusform>
            <numerusform>%1 Würfel</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::Dialogs</name>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 gibt es schon. Ersetzen?</translation>
    </message>
</context>
<context>
    <name>corvane::EngineText</name>
    <message>
        <source>Type a target from %1 to %2 to see the chances.</source>
        <translation>Einen Mindestwurf von %1 bis %2 eingeben, um die Chancen zu sehen.</translation>
    </message>
</context>
<context>
    <name>corvane::EveningText</name>
    <message numerus="yes">
        <source>%1 rolls</source>
        <translation>
            <numerusform>%1 Wurf</numerusform>
            <numerusform>%1 Würfe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 dice</source>
        <translation>
            <numerusform>%1 Würfel</numerusform>
            <numerusform>%1 Würfel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 successes</source>
        <translation>
            <numerusform>%1 Erfolg</numerusform>
            <numerusform>%1 Erfolge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 faces</source>
        <translation>
            <numerusform>%1 Augenzahl</numerusform>
            <numerusform>%1 Augenzahlen</numerusform>
        </translation>
    </message>
    <message>
        <source>No rolls yet this evening</source>
        <translation>Noch keine Würfe heute Abend</translation>
    </message>
    <message>
        <source>This evening: %1 with %2, %3 (%4 expected): %5</source>
        <extracomment>%1 is &quot;42 rolls&quot;, %2 &quot;2,340 dice&quot;, %3 &quot;812 successes&quot;, %4 the successes fair dice expect, %5 the evening&apos;s luck: &quot;top 12% (1 in 8)&quot;.</extracomment>
        <translation>Heute Abend: %1, %2, %3 (%4 erwartet): %5</translation>
    </message>
    <message>
        <source>Every roll from the first on counts for the evening.</source>
        <translation>Jeder Wurf ab dem ersten zählt für den Abend.</translation>
    </message>
    <message>
        <source>Every roll since the program started counts, those the log no longer lists too.</source>
        <translation>Jeder Wurf seit dem Programmstart zählt, auch die, die das Wurfprotokoll nicht mehr aufführt.</translation>
    </message>
    <message>
        <source>more %1 than expected</source>
        <translation>mehr %1 als erwartet</translation>
    </message>
    <message>
        <source>fewer %1 than expected</source>
        <translation>weniger %1 als erwartet</translation>
    </message>
    <message>
        <source>No dice thrown yet to check for fairness</source>
        <translation>Noch keine Würfel geworfen, deren Fairness sich prüfen ließe</translation>
    </message>
    <message>
        <source>The dice stopped on 1: %1, 2: %2, 3: %3, 4: %4, 5: %5; sixes rolled on the way: %6.</source>
        <extracomment>%1 to %5 count the dice that stopped on 1 to 5, %6 the sixes they rolled on the way.</extracomment>
        <translation>Die Würfel blieben liegen auf 1: %1, 2: %2, 3: %3, 4: %4, 5: %5; Sechsen auf dem Weg dahin: %6.</translation>
    </message>
    <message>
        <source>Fair dice expect %1 of each.</source>
        <translation>Bei fairen Würfeln sind von jedem %1 zu erwarten.</translation>
    </message>
    <message>
        <source>Furthest from that, as the check weighs them: the %1.</source>
        <extracomment>%1 is &quot;ones&quot; to &quot;sixes&quot;.</extracomment>
        <translation>Am weitesten davon entfernt, so wie die Prüfung gewichtet: die %1.</translation>
    </message>
    <message>
        <source>%1 is the chance that fair dice stray at least this far; below %2 the check calls them unusual.</source>
        <extracomment>%1 is &quot;p = 0.41&quot;, %2 the threshold, &quot;0.05&quot;.</extracomment>
        <translation>%1 ist die Chance, dass faire Würfel mindestens so weit abweichen; unter %2 nennt die Prüfung sie ungewöhnlich.</translation>
    </message>
    <message>
        <source>ones</source>
        <translation>Einsen</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>Zweien</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>Dreien</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>Fünfen</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>Sechsen</translation>
    </message>
    <message>
        <source>faces</source>
        <translation>Augenzahlen</translation>
    </message>
    <message>
        <source>For fair dice, an evening of as many rolls at least this lucky has a chance of %1, one at most this lucky %2.</source>
        <extracomment>%1 and %2 are chances, &quot;12.3%&quot;.</extracomment>
        <translation>Für faire Würfel hat ein Abend mit ebenso vielen Würfen und mindestens so viel Glück eine Chance von %1, einer mit höchstens so viel Glück %2.</translation>
    </message>
    <message>
        <source>Each roll counts alike, by its own luck given the rolls before it, a tie with rolls just as good broken at random as it is made: so these chances hold whatever you chose to roll or reroll.</source>
        <translation>Jeder Wurf zählt gleich, mit seinem eigenen Glück nach den Würfen davor, ein Gleichstand mit ebenso guten Würfen beim Wurf zufällig aufgelöst: Daher gelten diese Chancen, was Sie auch gewürfelt oder neu gewürfelt haben.</translation>
    </message>
    <message>
        <source>The dice look fair: nothing unusual in %1</source>
        <extracomment>%1 is &quot;2,340 faces&quot;.</extracomment>
        <translation>Die Würfel wirken fair: nichts Ungewöhnliches in %1</translation>
    </message>
    <message>
        <source>The dice look unusual: %1 (%2 for fair dice)</source>
        <extracomment>%1 is &quot;more ones than expected&quot;, %2 &quot;1 in 80&quot;: how seldom fair dice stray so far.</extracomment>
        <translation>Die Würfel wirken ungewöhnlich: %1 (bei fairen Würfeln %2)</translation>
    </message>
    <message>
        <source>%1: %2, %3 (%4 expected): %5. %6</source>
        <extracomment>A member&apos;s evening at a shared table: %1 is the name, %2 &quot;12 rolls&quot;, %3 &quot;812 successes&quot;, %4 the successes fair dice expect, %5 &quot;top 12% (1 in 8)&quot;, %6 what the fairness line says of the member&apos;s dice.</extracomment>
        <translation>%1: %2, %3 (%4 erwartet): %5. %6</translation>
    </message>
</context>
<context>
    <name>corvane::FramedSocket</name>
    <message>
        <source>The connection closed.</source>
        <translation>Die Verbindung wurde getrennt.</translation>
    </message>
    <message>
        <source>The other end stopped answering.</source>
        <translation>Die Gegenseite antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>The other end stopped reading.</source>
        <translation>Die Gegenseite liest nicht mehr.</translation>
    </message>
    <message>
        <source>A frame was larger or smaller than any frame may be.</source>
        <translation>Ein Datenpaket war größer oder kleiner als erlaubt.</translation>
    </message>
    <message>
        <source>A frame came that no member of this table sends.</source>
        <translation>Es kam ein Datenpaket, das kein Mitspieler dieses Tisches sendet.</translation>
    </message>
    <message>
        <source>A frame came without this table&apos;s code.</source>
        <translation>Es kam ein Datenpaket ohne den Code dieses Tisches.</translation>
    </message>
</context>
<context>
    <name>corvane::LogFile</name>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Reiner Text (*.txt)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>Markdown table (*.md)</source>
        <translation>Markdown-Tabelle (*.md)</translation>
    </message>
    <message numerus="yes">
        <source>The evening, every roll since the program started, not only the %n above:</source>
        <translation>
            <numerusform>Der Abend, jeder Wurf seit dem Programmstart, nicht nur der %n oben:</numerusform>
            <numerusform>Der Abend, jeder Wurf seit dem Programmstart, nicht nur die %n oben:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::LogTable</name>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Mindestwurf</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Erfolge</translation>
    </message>
    <message>
        <source>Botch</source>
        <translation>Patzer</translation>
    </message>
    <message>
        <source>High roll</source>
        <translation>Höchster Wurf</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>First rerolled</source>
        <translation>Erster neu gewürfelt</translation>
    </message>
    <message>
        <source>Replaced</source>
        <translation>Ersetzt</translation>
    </message>
    <message>
        <source>Dice thrown</source>
        <translation>Geworfene Würfel</translation>
    </message>
    <message>
        <source>Their successes</source>
        <translation>Ihre Erfolge</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>Chance at least as well</source>
        <translation>Chance mindestens so gut</translation>
    </message>
    <message>
        <source>Chance at most as well</source>
        <translation>Chance höchstens so gut</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Glück</translation>
    </message>
</context>
<context>
    <name>corvane::LuckText</name>
    <message>
        <source>1 in over %1</source>
        <translation>1 von über %1</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <translation>1 von %1</translation>
    </message>
    <message>
        <source>certain</source>
        <extracomment>A roll or an evening that could not have come out otherwise.</extracomment>
        <translation>sicher</translation>
    </message>
    <message>
        <source>top %1</source>
        <extracomment>A roll as good as this or better comes in %1 of rolls.</extracomment>
        <translation>unter den besten %1</translation>
    </message>
    <message>
        <source>bottom %1</source>
        <extracomment>A roll as poor as this or worse comes in %1 of rolls.</extracomment>
        <translation>unter den schlechtesten %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is &quot;top 8%&quot;, %2 the odds: &quot;1 in 12&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>about average</source>
        <extracomment>A roll or an evening in the middle half of how fair dice come out.</extracomment>
        <translation>etwa durchschnittlich</translation>
    </message>
</context>
<context>
    <name>corvane::NumberFormat</name>
    <message>
        <source>C</source>
        <extracomment>The locale whose numbers the program writes, such as de_DE.</extracomment>
        <translation>de_DE</translation>
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
        <translation>%1 Erfolge erwartet (jetzt %2);
%3 Chance, mindestens einen dazuzugewinnen.</translation>
    </message>
    <message>
        <source>Each die succeeds %1 of the time at target %2.</source>
        <translation>Jeder Würfel hat bei Mindestwurf %2 eine Erfolgschance von %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n dice</source>
        <translation>
            <numerusform>%n Würfel</numerusform>
            <numerusform>%n Würfeln</numerusform>
        </translation>
    </message>
    <message>
        <source>Chance of at least %1 with %2 at target %3: %4.
Chance of a botch: %5.</source>
        <extracomment>%1 is &quot;3 successes&quot;, %2 &quot;5 dice&quot;, %3 the target number, %4 and %5 percentages.</extracomment>
        <translation>Chance auf mindestens %1 mit %2 bei Mindestwurf %3: %4.
Chance auf einen Patzer: %5.</translation>
    </message>
    <message numerus="yes">
        <source>%n failures</source>
        <translation>
            <numerusform>%n Fehlschlag</numerusform>
            <numerusform>%n Fehlschläge</numerusform>
        </translation>
    </message>
    <message>
        <source>Rerolling %1:
%2</source>
        <extracomment>%1 is &quot;2 failures&quot;; %2 the expected successes after the reroll.</extracomment>
        <translation>%1 neu würfeln:
%2</translation>
    </message>
    <message>
        <source>Select a die in the list to reroll it and every die below it.</source>
        <translation>Einen Würfel in der Liste auswählen, um ihn und alle Würfel darunter neu zu würfeln.</translation>
    </message>
    <message>
        <source>Rerolling the selected die:
%1</source>
        <extracomment>%1 is the expected successes after the reroll.</extracomment>
        <translation>Den gewählten Würfel neu würfeln:
%1</translation>
    </message>
    <message numerus="yes">
        <source>Rerolling the selected die and %n below it:
%1</source>
        <translation>
            <numerusform>Den gewählten Würfel und %n darunter neu würfeln:
%1</numerusform>
            <numerusform>Den gewählten Würfel und %n darunter neu würfeln:
%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::PoolKeeper</name>
    <message>
        <source>Saved Pools</source>
        <translation>Gespeicherte Pools</translation>
    </message>
    <message>
        <source>Save Pool</source>
        <translation>Pool speichern</translation>
    </message>
    <message>
        <source>Replace the saved pool &quot;%1&quot;?</source>
        <translation>Den gespeicherten Pool „%1“ ersetzen?</translation>
    </message>
    <message>
        <source>Pool saved.</source>
        <translation>Pool gespeichert.</translation>
    </message>
    <message>
        <source>Not saved: kept until you close the program.</source>
        <translation>Nicht gespeichert: bleibt bis zum Beenden.</translation>
    </message>
    <message>
        <source>Rename Pool</source>
        <translation>Pool umbenennen</translation>
    </message>
    <message>
        <source>New name of the pool:</source>
        <translation>Neuer Name des Pools:</translation>
    </message>
    <message>
        <source>Pool renamed.</source>
        <translation>Pool umbenannt.</translation>
    </message>
    <message>
        <source>Export Pools</source>
        <translation>Pools exportieren</translation>
    </message>
    <message>
        <source>Pools (*.json)</source>
        <translation>Pools (*.json)</translation>
    </message>
    <message>
        <source>The pools could not be exported to %1: %2.</source>
        <translation>Die Pools konnten nicht nach %1 exportiert werden: %2.</translation>
    </message>
    <message>
        <source>Pools exported.</source>
        <translation>Pools exportiert.</translation>
    </message>
    <message>
        <source>Import Pools</source>
        <translation>Pools importieren</translation>
    </message>
    <message>
        <source>Nothing imported: %1 cannot be read as saved pools, because %2.</source>
        <translation>Nichts importiert: %1 lässt sich nicht als gespeicherte Pools lesen, denn %2.</translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <extracomment>%1 is &quot;1 pool&quot; or &quot;4 pools&quot;.</extracomment>
        <translation>%1 importiert.</translation>
    </message>
    <message>
        <source>Nothing saved: a pool has %1 to %2 dice and a target from %3 to %4.</source>
        <translation>Nichts gespeichert: Ein Pool hat %1 bis %2 Würfel und einen Mindestwurf von %3 bis %4.</translation>
    </message>
    <message>
        <source>Name for %1:</source>
        <extracomment>%1 is what the pool rolls: &quot;7 dice at target 4&quot;.</extracomment>
        <translation>Name für %1:</translation>
    </message>
    <message>
        <source>A name has 1 to %1 characters.</source>
        <translation>Ein Name hat 1 bis %1 Zeichen.</translation>
    </message>
    <message>
        <source>There is a pool named &quot;%1&quot; already.</source>
        <translation>Es gibt schon einen Pool namens „%1“.</translation>
    </message>
    <message>
        <source>%1: yours %2, imported %3</source>
        <extracomment>One pool of the same name on both sides: %1 its name, %2 and %3 what each rolls.</extracomment>
        <translation>%1: deiner %2, importiert %3</translation>
    </message>
    <message>
        <source>Already in your list under the same name:</source>
        <translation>Unter gleichem Namen schon in deiner Liste:</translation>
    </message>
    <message>
        <source>Yes: take the imported ones. No: keep yours and import the rest. Cancel: import nothing.</source>
        <translation>Ja: die importierten nehmen. Nein: deine behalten und den Rest importieren. Abbrechen: nichts importieren.</translation>
    </message>
</context>
<context>
    <name>corvane::PoolLock</name>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>der Ordner %1 ließ sich nicht anlegen</translation>
    </message>
    <message>
        <source>%1 is in the way of the lock file that saving takes: move it away</source>
        <translation>%1 steht der Sperrdatei im Weg, die das Speichern anlegt: Bitte verschieben Sie es</translation>
    </message>
    <message>
        <source>there is no space left on the disk of %1</source>
        <translation>auf dem Datenträger von %1 ist kein Platz mehr frei</translation>
    </message>
    <message>
        <source>no file can be written in the folder %1</source>
        <translation>im Ordner %1 lässt sich keine Datei schreiben</translation>
    </message>
    <message>
        <source>another copy of Corvane Dice is saving pools right now</source>
        <translation>ein anderes Corvane Dice speichert gerade Pools</translation>
    </message>
    <message>
        <source>another copy of Corvane Dice (process %1 on %2) is saving pools right now</source>
        <translation>ein anderes Corvane Dice (Prozess %1 auf %2) speichert gerade Pools</translation>
    </message>
</context>
<context>
    <name>corvane::PoolMessages</name>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>sie lässt sich nicht öffnen (%1)</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>sie ist größer als 1 MiB</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>sie bricht mittendrin ab</translation>
    </message>
    <message>
        <source>it is not a pools file</source>
        <translation>sie ist keine Pool-Datei</translation>
    </message>
    <message>
        <source>it was written by a newer version of Corvane Dice</source>
        <translation>sie stammt von einer neueren Version von Corvane Dice</translation>
    </message>
    <message>
        <source>its list of pools is missing</source>
        <translation>ihr fehlt die Liste der Pools</translation>
    </message>
    <message>
        <source>pool %1 in it is not a name with a number of dice and a target</source>
        <translation>Pool %1 darin ist kein Name mit Würfelzahl und Mindestwurf</translation>
    </message>
    <message>
        <source>the name of pool %1 in it is longer than %2 characters</source>
        <translation>der Name von Pool %1 darin ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>pool %1 in it has the same name as a pool before it</source>
        <translation>Pool %1 darin heißt wie ein Pool davor</translation>
    </message>
    <message>
        <source>it holds more than %1 pools</source>
        <translation>sie enthält mehr als %1 Pools</translation>
    </message>
    <message>
        <source>The unreadable pools file is kept as %1.</source>
        <translation>Die unlesbare Pool-Datei bleibt als %1 erhalten.</translation>
    </message>
    <message>
        <source>Your pools could not be saved in %1: %2. They stay in the list until you close the program, and the next save tries again.</source>
        <translation>Ihre Pools konnten nicht in %1 gespeichert werden: %2. Sie bleiben bis zum Beenden in der Liste, und das nächste Speichern versucht es erneut.</translation>
    </message>
    <message>
        <source>The list holds at most %1 pools: delete one to save another.</source>
        <translation>Die Liste fasst höchstens %1 Pools: Löschen Sie einen, um einen weiteren zu speichern.</translation>
    </message>
    <message>
        <source>The saved pools in %1 cannot all be read: %2. The file is left as it is, and the program goes on with the %3 it could read. Your next save asks before it changes anything.</source>
        <extracomment>%3 is &quot;1 pool&quot; or &quot;4 pools&quot;.</extracomment>
        <translation>Die gespeicherten Pools in %1 lassen sich nicht alle lesen: %2. Die Datei bleibt, wie sie ist, und das Programm arbeitet mit den lesbaren (%3) weiter. Ihr nächstes Speichern fragt, bevor es etwas ändert.</translation>
    </message>
    <message>
        <source>The saved pools in %1 cannot all be read: %2. To save, the program keeps that file aside under a dated name and writes a new one with the %3 it could read and your changes. Save?</source>
        <extracomment>%3 is &quot;1 pool&quot; or &quot;4 pools&quot;.</extracomment>
        <translation>Die gespeicherten Pools in %1 lassen sich nicht alle lesen: %2. Zum Speichern legt das Programm die Datei unter einem Namen mit Datum beiseite und schreibt eine neue mit den lesbaren (%3) und Ihren Änderungen. Speichern?</translation>
    </message>
    <message>
        <source>it is a folder, a pipe or a device, not a file</source>
        <translation>sie ist ein Ordner, eine Pipe oder ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>Not changed: the pool &quot;%1&quot; was deleted or renamed meanwhile by another copy of Corvane Dice.</source>
        <translation>Nicht geändert: Ein anderes Corvane Dice hat den Pool „%1“ inzwischen gelöscht oder umbenannt.</translation>
    </message>
    <message>
        <source>Not changed: there is a saved pool named &quot;%1&quot; already.</source>
        <translation>Nicht geändert: Es gibt schon einen gespeicherten Pool namens „%1“.</translation>
    </message>
    <message>
        <source>The saved pools cannot be read from %1: %2. It is left as it is; to save pools, move it away.</source>
        <translation>Die gespeicherten Pools lassen sich nicht aus %1 lesen: %2. Sie bleibt, wie sie ist; um Pools zu speichern, verschieben Sie sie.</translation>
    </message>
    <message>
        <source>pool %1 in it has more dice than a roll can hold (%2)</source>
        <translation>Pool %1 darin hat mehr Würfel, als ein Wurf fassen kann (%2)</translation>
    </message>
</context>
<context>
    <name>corvane::PoolStore</name>
    <message>
        <source>it is a folder, a pipe or a device, not a file: move it away</source>
        <translation>sie ist ein Ordner, eine Pipe oder ein Gerät, keine Datei: Bitte verschieben Sie sie</translation>
    </message>
</context>
<context>
    <name>corvane::PoolsWindow</name>
    <message>
        <source>Pools</source>
        <translation>Pools</translation>
    </message>
    <message>
        <source>Saved pools; Ctrl+1 to Ctrl+9 roll the first nine</source>
        <translation>Gespeicherte Pools; Strg+1 bis Strg+9 würfeln die ersten neun</translation>
    </message>
    <message>
        <source>Roll Pool</source>
        <translation>Pool würfeln</translation>
    </message>
    <message>
        <source>Rename Pool...</source>
        <translation>Pool umbenennen...</translation>
    </message>
    <message>
        <source>Delete Pool</source>
        <translation>Pool löschen</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Löschen rückgängig</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Export Pools...</source>
        <translation>Pools exportieren...</translation>
    </message>
    <message>
        <source>Import Pools...</source>
        <translation>Pools importieren...</translation>
    </message>
    <message>
        <source>Pool deleted; Ctrl+Z brings it back.</source>
        <translation>Pool gelöscht; Strg+Z holt ihn zurück.</translation>
    </message>
    <message>
        <source>Pool restored.</source>
        <translation>Pool wiederhergestellt.</translation>
    </message>
    <message>
        <source>Pool moved.</source>
        <translation>Pool verschoben.</translation>
    </message>
    <message>
        <source>The pool is first already.</source>
        <translation>Der Pool steht schon oben.</translation>
    </message>
    <message>
        <source>The pool is last already.</source>
        <translation>Der Pool steht schon unten.</translation>
    </message>
    <message>
        <source>Enter rolls, F2 renames, Delete deletes, Alt+Up and Alt+Down move the selected pool.</source>
        <translation>Eingabe würfelt, F2 benennt um, Entf löscht, Alt+Hoch und Alt+Runter verschieben den gewählten Pool.</translation>
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
        <translation>%1 (Patzer)</translation>
    </message>
    <message>
        <source>Successes: %1</source>
        <translation>Erfolge: %1</translation>
    </message>
    <message>
        <source>High roll: %1, Total roll: %2</source>
        <translation>Höchster: %1, Summe: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n successes.</source>
        <translation>
            <numerusform>%n Erfolg.</numerusform>
            <numerusform>%n Erfolge.</numerusform>
        </translation>
    </message>
    <message>
        <source>The list and the pool disagreed; nothing changed.</source>
        <translation>Liste und Pool widersprachen sich; nichts geändert.</translation>
    </message>
    <message>
        <source>Dice to Roll: type a number from %1 to %2.</source>
        <translation>Würfelpool: eine Zahl von %1 bis %2 eingeben.</translation>
    </message>
    <message>
        <source>Target Number: type from %1 to %2.</source>
        <translation>Mindestwurf: von %1 bis %2 eingeben.</translation>
    </message>
    <message>
        <source>The dice add up past %1: roll at most %2.</source>
        <translation>Summe über %1: mit höchstens %2 würfeln.</translation>
    </message>
    <message>
        <source>Rerolling %1 dice would pass %2.</source>
        <extracomment>%1 is how many dice the reroll would throw, %2 the highest total.</extracomment>
        <translation>Neuwurf von %1 Würfeln: Summe über %2.</translation>
    </message>
    <message>
        <source>The total passed %1 this time: roll at most %2.</source>
        <extracomment>%1 is the highest total, %2 the most dice that nearly always stay within it.</extracomment>
        <translation>Diesmal über %1: höchstens %2 würfeln.</translation>
    </message>
</context>
<context>
    <name>corvane::ResultsModel</name>
    <message>
        <source>%1, success</source>
        <extracomment>How a screen reader reads a die in the results list; %1 is the die.</extracomment>
        <translation>%1, Erfolg</translation>
    </message>
    <message>
        <source>%1, failure</source>
        <translation>%1, Fehlschlag</translation>
    </message>
    <message>
        <source>%1, high roll, die 1 of %2</source>
        <extracomment>The first row of the results list, the highest die; %1 is &quot;14, success&quot;, %2 the number of dice.</extracomment>
        <translation>%1, höchster Wurf, Würfel 1 von %2</translation>
    </message>
</context>
<context>
    <name>corvane::RollLogWindow</name>
    <message>
        <source>Roll Log</source>
        <translation>Wurfprotokoll</translation>
    </message>
    <message>
        <source>Rolls, newest first</source>
        <translation>Würfe, neueste zuerst</translation>
    </message>
    <message>
        <source>Copy Rolls</source>
        <translation>Würfe kopieren</translation>
    </message>
    <message>
        <source>Save Log...</source>
        <translation>Protokoll speichern...</translation>
    </message>
    <message>
        <source>Save Selected Rolls...</source>
        <translation>Ausgewählte Würfe speichern...</translation>
    </message>
    <message>
        <source>No rolls selected.</source>
        <translation>Keine Würfe ausgewählt.</translation>
    </message>
    <message>
        <source>No rolls to save.</source>
        <translation>Keine Würfe zum Speichern.</translation>
    </message>
    <message>
        <source>Save Roll Log</source>
        <translation>Wurfprotokoll speichern</translation>
    </message>
    <message>
        <source>The roll log could not be saved to %1: %2.</source>
        <translation>Das Wurfprotokoll konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls saved.</source>
        <translation>
            <numerusform>%n Wurf gespeichert.</numerusform>
            <numerusform>%n Würfe gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Roll copied.</source>
        <translation>Wurf kopiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls copied.</source>
        <translation>
            <numerusform>%n Wurf kopiert.</numerusform>
            <numerusform>%n Würfe kopiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::RollText</name>
    <message>
        <source>Reroll Failures</source>
        <translation>Neuwurf der Fehlschläge</translation>
    </message>
    <message>
        <source>Reroll from Marker Down</source>
        <translation>Neuwurf ab Markierung</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>What was done: a new roll, beside &quot;Reroll Failures&quot; and &quot;Reroll from Marker Down&quot;.</extracomment>
        <translation>Wurf</translation>
    </message>
    <message>
        <source>die %1</source>
        <translation>Würfel %1</translation>
    </message>
    <message>
        <source>dice %1 to %2</source>
        <translation>Würfel %1 bis %2</translation>
    </message>
    <message>
        <source>Die %1 was: %2.</source>
        <translation>Würfel %1 war: %2.</translation>
    </message>
    <message>
        <source>Dice %1 to %2 were: %3.</source>
        <translation>Würfel %1 bis %2 waren: %3.</translation>
    </message>
    <message>
        <source>%1 at target %2</source>
        <extracomment>%1 is &quot;10 dice&quot;, %2 the target number.</extracomment>
        <translation>%1 bei Mindestwurf %2</translation>
    </message>
    <message>
        <source>%1 (botch)</source>
        <translation>%1 (Patzer)</translation>
    </message>
    <message>
        <source>%1 (high roll %2, total roll %3)</source>
        <translation>%1 (höchster Wurf %2, Summe %3)</translation>
    </message>
    <message>
        <source>%1: %2 = %3</source>
        <extracomment>%1 is &quot;10 dice at target 5&quot;, %2 the dice, %3 &quot;5 successes (high roll 14, total roll 51)&quot;.</extracomment>
        <translation>%1: %2 = %3</translation>
    </message>
    <message>
        <source>%1 (%2), %3</source>
        <extracomment>%1 is what was done, %2 &quot;dice 7 to 10&quot;, %3 the roll after it.</extracomment>
        <translation>%1 (%2), %3</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... und %n weiterer</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, botch</source>
        <translation>%1, Patzer</translation>
    </message>
    <message>
        <source>%1. High roll %2, total %3.</source>
        <extracomment>Spoken after a roll. %1 is &quot;5 successes&quot;, %2 the highest die, %3 the total.</extracomment>
        <translation>%1. Höchster Wurf %2, Summe %3.</translation>
    </message>
    <message>
        <source>Rerolled die %1: %2</source>
        <extracomment>Spoken after a reroll of the last die alone; %2 is &quot;5 successes. High roll 14, total 51.&quot;</extracomment>
        <translation>Würfel %1 neu gewürfelt: %2</translation>
    </message>
    <message>
        <source>Rerolled dice %1 to %2: %3</source>
        <extracomment>Spoken after a reroll; %3 is &quot;5 successes. High roll 14, total 51.&quot;</extracomment>
        <translation>Würfel %1 bis %2 neu gewürfelt: %3</translation>
    </message>
    <message>
        <source>Dice: %1.</source>
        <translation>Würfel: %1.</translation>
    </message>
    <message>
        <source>luck: %1</source>
        <extracomment>%1 is &quot;top 8% (1 in 12)&quot; or &quot;bottom 15%&quot;.</extracomment>
        <translation>Glück: %1</translation>
    </message>
    <message>
        <source>luck of the die rolled again: %1</source>
        <extracomment>%1 is &quot;top 8% (1 in 12)&quot; or &quot;bottom 15%&quot;.</extracomment>
        <translation>Glück des neu geworfenen Würfels: %1</translation>
    </message>
    <message>
        <source>luck of the %1 rolled again: %2</source>
        <extracomment>%1 is &quot;4 dice&quot;, %2 &quot;top 8% (1 in 12)&quot; or &quot;bottom 15%&quot;.</extracomment>
        <translation>Glück der %1 im Neuwurf: %2</translation>
    </message>
    <message>
        <source>%1, %2: %3; %4.</source>
        <extracomment>%1 is what was done, %2 &quot;10 dice at target 5&quot;, %3 &quot;5 successes (high roll 14, total roll 51)&quot;, %4 &quot;luck: top 8% (1 in 12)&quot;.</extracomment>
        <translation>%1, %2: %3; %4.</translation>
    </message>
    <message>
        <source>%1, round %2, checked: </source>
        <extracomment>At a shared table: the member who rolled, the table&apos;s round, and that this program checked the round itself.</extracomment>
        <translation>%1, Runde %2, geprüft: </translation>
    </message>
</context>
<context>
    <name>corvane::Roller</name>
    <message>
        <source>No failures to reroll.</source>
        <translation>Keine Fehlschläge zum Neuwürfeln.</translation>
    </message>
    <message>
        <source>No marker specified.</source>
        <translation>Kein Würfel markiert.</translation>
    </message>
</context>
<context>
    <name>corvane::RollerCommands</name>
    <message>
        <source>Copy Roll</source>
        <translation>Wurf kopieren</translation>
    </message>
    <message>
        <source>Roll Log</source>
        <translation>Wurfprotokoll</translation>
    </message>
    <message>
        <source>Chances</source>
        <translation>Chancen</translation>
    </message>
    <message>
        <source>About Corvane Dice</source>
        <translation>Über Corvane Dice</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Roll copied.</source>
        <translation>Wurf kopiert.</translation>
    </message>
    <message>
        <source>Save Pool...</source>
        <translation>Pool speichern...</translation>
    </message>
    <message>
        <source>Pools</source>
        <translation>Pools</translation>
    </message>
    <message>
        <source>Roll %1: %2</source>
        <extracomment>A menu entry that rolls a saved pool: %1 its place in the list (1 to 9), %2 its name.</extracomment>
        <translation>%1 würfeln: %2</translation>
    </message>
    <message>
        <source>Roll Pool %1</source>
        <translation>Pool %1 würfeln</translation>
    </message>
    <message>
        <source>No pool %1 saved.</source>
        <translation>Kein Pool %1 gespeichert.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>Roll a Pool</source>
        <translation>Pool würfeln</translation>
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
        <translation>&amp;Würfeln</translation>
    </message>
    <message>
        <source>Reroll &amp;Failures</source>
        <translation>&amp;Fehlschläge
neu würfeln</translation>
    </message>
    <message>
        <source>Reroll from
&amp;Marker Down</source>
        <extracomment>Two lines, each as wide as the Roll button at most.</extracomment>
        <translation>Ab &amp;Markierung
neu würfeln</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Dice to Roll</source>
        <translation>Würfelpool</translation>
    </message>
    <message>
        <source>Target Number</source>
        <translation>Mindestwurf</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Erfolge</translation>
    </message>
    <message>
        <source>About Corvane Dice</source>
        <translation>Über Corvane Dice</translation>
    </message>
    <message>
        <source>About Corvane Dice (F1)</source>
        <translation>Über Corvane Dice (F1)</translation>
    </message>
</context>
<context>
    <name>corvane::SavedPool</name>
    <message numerus="yes">
        <source>%n pools</source>
        <translation>
            <numerusform>%n Pool</numerusform>
            <numerusform>%n Pools</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A saved pool: %1 is its name, %2 &quot;7 dice at target 4&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 at target %2</source>
        <extracomment>What a pool rolls: %1 is &quot;7 dice&quot;, %2 the target number.</extracomment>
        <translation>%1 bei Mindestwurf %2</translation>
    </message>
</context>
<context>
    <name>corvane::Settings</name>
    <message>
        <source>it cannot be opened</source>
        <translation>sie lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>it is not a settings file of Corvane Dice</source>
        <translation>sie ist keine Einstellungsdatei von Corvane Dice</translation>
    </message>
    <message>
        <source>it was written by another version of Corvane Dice</source>
        <translation>sie wurde von einer anderen Version von Corvane Dice geschrieben</translation>
    </message>
    <message>
        <source>the settings file %1 is kept as it is, because %2</source>
        <translation>die Einstellungsdatei %1 bleibt, wie sie ist, denn %2</translation>
    </message>
</context>
<context>
    <name>corvane::TableGuest</name>
    <message>
        <source>The host now holds another table.</source>
        <translation>Der Gastgeber hat inzwischen einen anderen Tisch eröffnet.</translation>
    </message>
    <message>
        <source>The code is not this table&apos;s.</source>
        <translation>Der Code gehört nicht zu diesem Tisch.</translation>
    </message>
    <message>
        <source>The host sent what does not check: %1</source>
        <translation>Vom Gastgeber kam etwas, das die Prüfung nicht besteht: %1</translation>
    </message>
    <message>
        <source>The table is full: it seats %1.</source>
        <extracomment>%1 is the most members a table seats.</extracomment>
        <translation>Der Tisch ist voll: Er hat %1 Plätze.</translation>
    </message>
    <message>
        <source>The host closed the table.</source>
        <translation>Der Gastgeber hat den Tisch geschlossen.</translation>
    </message>
    <message>
        <source>The host sent a frame no host sends.</source>
        <translation>Der Gastgeber sandte ein Datenpaket, das kein Gastgeber sendet.</translation>
    </message>
    <message>
        <source>Could not join the table: %1</source>
        <translation>Beitritt zum Tisch nicht möglich: %1</translation>
    </message>
    <message>
        <source>Lost the table&apos;s host; trying again.</source>
        <translation>Verbindung zum Gastgeber verloren; neuer Versuch läuft.</translation>
    </message>
    <message>
        <source>The table closed: its host is gone.</source>
        <translation>Der Tisch ist geschlossen: Der Gastgeber ist weg.</translation>
    </message>
    <message>
        <source>You left the table.</source>
        <translation>Sie haben den Tisch verlassen.</translation>
    </message>
</context>
<context>
    <name>corvane::TableHost</name>
    <message>
        <source>You closed the table.</source>
        <translation>Sie haben den Tisch geschlossen.</translation>
    </message>
</context>
<context>
    <name>corvane::TableLink</name>
    <message>
        <source>%1 joined the table.</source>
        <translation>%1 hat sich an den Tisch gesetzt.</translation>
    </message>
    <message>
        <source>%1 left the table.</source>
        <translation>%1 hat den Tisch verlassen.</translation>
    </message>
</context>
<context>
    <name>corvane::TableRolls</name>
    <message>
        <source>Another roll is on the table: roll again once it is done.</source>
        <translation>Ein anderer Wurf läuft noch: danach erneut würfeln.</translation>
    </message>
    <message>
        <source>Roll at the table before rerolling there.</source>
        <translation>Erst am Tisch würfeln, dann dort neu würfeln.</translation>
    </message>
</context>
<context>
    <name>corvane::TableSession</name>
    <message>
        <source>The table&apos;s transcript could not be saved to %1: %2.</source>
        <translation>Das Tischprotokoll konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The table&apos;s transcript is in %1.</source>
        <translation>Das Tischprotokoll liegt in %1.</translation>
    </message>
</context>
<context>
    <name>corvane::TableText</name>
    <message>
        <source>The table has closed.</source>
        <translation>Der Tisch ist geschlossen.</translation>
    </message>
    <message>
        <source>You host on port %1. Players join at %2 with the code: %3</source>
        <extracomment>%1 is the port, %2 this machine&apos;s addresses, %3 the join code.</extracomment>
        <translation>Sie sind Gastgeber auf Port %1. Mitspieler treten unter %2 bei, mit dem Code: %3</translation>
    </message>
    <message>
        <source>Joining the table...</source>
        <translation>Beitritt zum Tisch...</translation>
    </message>
    <message>
        <source>At %1&apos;s table.</source>
        <translation>Am Tisch von %1.</translation>
    </message>
    <message>
        <source>host</source>
        <translation>Gastgeber</translation>
    </message>
    <message>
        <source>you</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>left</source>
        <translation>gegangen</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>verbunden</translation>
    </message>
    <message>
        <source>away</source>
        <translation>abwesend</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A member of the table: %1 is the name, %2 &quot;host, you, connected&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2, high roll %3.</source>
        <extracomment>Another member&apos;s roll, heard once: %1 is the name, %2 &quot;3 successes&quot;, %3 the highest die.</extracomment>
        <translation>%1: %2, höchster Wurf %3.</translation>
    </message>
    <message>
        <source>Round %1 given up: %2 did not answer.</source>
        <extracomment>%1 is the round&apos;s number, %2 the members who did not answer in time; the round changed nothing.</extracomment>
        <translation>Runde %1 zählt nicht, keine Antwort von %2.</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>Warte auf %1...</translation>
    </message>
</context>
<context>
    <name>corvane::TableWindow</name>
    <message>
        <source>R&amp;emember my name</source>
        <translation>Namen &amp;merken</translation>
    </message>
    <message>
        <source>&amp;Host Table</source>
        <translation>Tisch &amp;eröffnen</translation>
    </message>
    <message>
        <source>&amp;Join Table</source>
        <translation>Tisch &amp;beitreten</translation>
    </message>
    <message>
        <source>&amp;Remove Member</source>
        <translation>Mitspieler ent&amp;fernen</translation>
    </message>
    <message>
        <source>&amp;Leave Table</source>
        <translation>Tisch &amp;verlassen</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>address:port</source>
        <translation>Adresse:Port</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Mitspieler</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Ihr &amp;Name:</translation>
    </message>
    <message>
        <source>Host a table</source>
        <translation>Einen Tisch eröffnen</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>Join a table</source>
        <translation>Einem Tisch beitreten</translation>
    </message>
    <message>
        <source>Host&apos;s &amp;address:</source>
        <translation>&amp;Adresse des Gastgebers:</translation>
    </message>
    <message>
        <source>C&amp;ode:</source>
        <translation>C&amp;ode:</translation>
    </message>
    <message>
        <source>Type a name of 1 to 32 letters to sit at a table with.</source>
        <translation>Einen Namen mit 1 bis 32 Zeichen eingeben, um an einem Tisch Platz zu nehmen.</translation>
    </message>
    <message>
        <source>Type a code for the table, or keep the one given.</source>
        <translation>Einen Code für den Tisch eingeben oder den vorgegebenen behalten.</translation>
    </message>
    <message>
        <source>Could not host on port %1: %2</source>
        <translation>Auf Port %1 ließ sich kein Tisch eröffnen: %2</translation>
    </message>
    <message>
        <source>You host a table.</source>
        <translation>Ihr Tisch ist eröffnet.</translation>
    </message>
    <message>
        <source>Type the code the host gave.</source>
        <translation>Den Code des Gastgebers eingeben.</translation>
    </message>
    <message>
        <source>Type the host&apos;s address and port, as 192.168.1.20:%1.</source>
        <translation>Adresse und Port des Gastgebers eingeben, etwa 192.168.1.20:%1.</translation>
    </message>
    <message>
        <source>Joining the table at %1...</source>
        <translation>Beitritt zum Tisch bei %1...</translation>
    </message>
    <message>
        <source>A member can be removed once the open round is done.</source>
        <translation>Ein Mitspieler lässt sich erst entfernen, wenn die offene Runde vorbei ist.</translation>
    </message>
</context>
</TS>
