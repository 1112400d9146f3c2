<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChancesText</name>
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
        <source>Successes</source>
        <translation>Erfolge</translation>
    </message>
    <message>
        <source>Successes %1 to %2 (the rest: under 0.1%)</source>
        <translation>Erfolge %1 bis %2 (der Rest: unter 0,1&#xa0;%)</translation>
    </message>
    <message>
        <source>New roll at target %1</source>
        <translation>Neuer Wurf bei Mindestwurf %1</translation>
    </message>
    <message>
        <source>After Reroll Failures (none to reroll)</source>
        <translation>Nach Neuwurf der Fehlschläge (keine zum Neuwürfeln)</translation>
    </message>
    <message>
        <source>After Reroll Failures (%1)</source>
        <translation>Nach Neuwurf der Fehlschläge (%1)</translation>
    </message>
    <message>
        <source>After Reroll from Marker Down (%1)</source>
        <translation>Nach Neuwurf ab Markierung (%1)</translation>
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
        <source>A new roll at target %1: %2; at least %3: %4.</source>
        <translation>Ein neuer Wurf bei Mindestwurf %1: %2; mindestens %3: %4.</translation>
    </message>
    <message>
        <source>After Reroll Failures: no failures to reroll.</source>
        <translation>Nach Neuwurf der Fehlschläge: keine Fehlschläge zum Neuwürfeln.</translation>
    </message>
    <message>
        <source>After Reroll Failures: %1.</source>
        <translation>Nach Neuwurf der Fehlschläge: %1.</translation>
    </message>
    <message>
        <source>After Reroll from Marker Down: %1.</source>
        <translation>Nach Neuwurf ab Markierung: %1.</translation>
    </message>
    <message>
        <source>Select a die in the list to see Reroll from Marker Down.</source>
        <translation>Einen Würfel in der Liste auswählen, um den Neuwurf ab Markierung zu sehen.</translation>
    </message>
</context>
<context>
    <name>corvane::AboutText</name>
    <message>
        <source>Questions and ideas: %1</source>
        <translation>Fragen und Ideen: %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Corvane Dice developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 die Entwickler von Corvane Dice. Freie Software unter der GNU GPL, Version 3 oder neuer.</translation>
    </message>
</context>
<context>
    <name>corvane::CountText</name>
    <message>
        <source>1 success</source>
        <translation>1 Erfolg</translation>
    </message>
    <message numerus="yes">
        <source>%n successes</source>
        <translation>
            <numerusform>%n Erfolg</numerusform>
            <numerusform>%n Erfolge</numerusform>
        </translation>
    </message>
    <message>
        <source>1 die</source>
        <translation>1 Würfel</translation>
    </message>
    <message numerus="yes">
        <source>%n dice</source>
        <translation>
            <numerusform>%n Würfel</numerusform>
            <numerusform>%n Würfel</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::EngineText</name>
    <message>
        <source>Type a target from -32768 to 32767 to see the chances.</source>
        <translation>Einen Mindestwurf von -32768 bis 32767 eingeben, um die Chancen zu sehen.</translation>
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
    <message>
        <source>1 die</source>
        <translation>1 Würfel</translation>
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
    <message>
        <source>1 failure</source>
        <translation>1 Fehlschlag</translation>
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
        <source>Overflow: a number passed 32767; nothing changed.</source>
        <translation>Überlauf: eine Zahl überstieg 32767; nichts geändert.</translation>
    </message>
    <message>
        <source>The list and the pool disagreed; nothing changed.</source>
        <translation>Liste und Pool widersprachen sich; nichts geändert.</translation>
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
    <message>
        <source>%1, %2: %3. Dice: %4.</source>
        <extracomment>%1 is what was done, %2 &quot;10 dice at target 5&quot;, %3 &quot;5 successes (high roll 14, total roll 51)&quot;, %4 the dice.</extracomment>
        <translation>%1, %2: %3. Würfel: %4.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... und %n weiterer</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
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
</TS>
