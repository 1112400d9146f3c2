<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>corvane::AboutText</name>
    <message>
        <source>Copyright © 2026 the Corvane Dice developers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions and ideas: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvane::Companions</name>
    <message>
        <source>Roll copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll Log</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvane::OddsText</name>
    <message>
        <source>C</source>
        <extracomment>The locale whose numbers the odds are written in, such as de_DE.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 successes expected (now %2);
%3 chance to gain at least one.</source>
        <extracomment>%1 is a decimal, %2 a whole number, %3 a percentage.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a target from -32768 to 32767 to see each die&apos;s chance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each die succeeds %1 of the time at target %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 success</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n successes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 die</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n dice</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Chance of at least %1 with %2 at target %3: %4.
Chance of a botch: %5.</source>
        <extracomment>%1 is &quot;3 successes&quot;, %2 &quot;5 dice&quot;, %3 the target number, %4 and %5 percentages.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n failures</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Rerolling %1:
%2</source>
        <extracomment>%1 is &quot;2 failures&quot;; %2 the expected successes after the reroll.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a die in the list to reroll it and every die below it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rerolling the selected die:
%1</source>
        <extracomment>%1 is the expected successes after the reroll.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Rerolling the selected die and %n below it:
%1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::ResultsDisplay</name>
    <message>
        <source>%1 (botch)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successes: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High roll: %1, Total roll: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n successes.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Overflow: a number passed 32767; nothing changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list and the pool disagreed; nothing changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvane::RollLogWindow</name>
    <message>
        <source>Roll Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolls, newest first</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvane::RollText</name>
    <message>
        <source>Reroll Failures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reroll from Marker Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>What was done: a new roll, beside &quot;Reroll Failures&quot; and &quot;Reroll from Marker Down&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dice %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die %1 was: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dice %1 to %2 were: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 die</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n dice</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 at target %2</source>
        <extracomment>%1 is &quot;10 dice&quot;, %2 the target number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 success</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n successes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (botch)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (high roll %2, total roll %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 = %3</source>
        <extracomment>%1 is &quot;10 dice at target 5&quot;, %2 the dice, %3 &quot;5 successes (high roll 14, total roll 51)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2), %3</source>
        <extracomment>%1 is what was done, %2 &quot;dice 7 to 10&quot;, %3 the roll after it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2: %3. Dice: %4.</source>
        <extracomment>%1 is what was done, %2 &quot;10 dice at target 5&quot;, %3 &quot;5 successes (high roll 14, total roll 51)&quot;, %4 the dice.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::Roller</name>
    <message>
        <source>No failures to reroll.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No marker specified.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvane::RollerControls</name>
    <message>
        <source>Corvane Dice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reroll &amp;Failures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reroll from
&amp;Marker Down</source>
        <extracomment>Two lines, each as wide as the Roll button at most.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dice to Roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Corvane Dice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Corvane Dice (F1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvane::frmRoller</name>
    <message>
        <source>About Corvane Dice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
