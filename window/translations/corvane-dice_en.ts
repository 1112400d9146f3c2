<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>corvane::CountText</name>
    <message numerus="yes">
        <source>%1 successes</source>
        <translation>
            <numerusform>%1 success</numerusform>
            <numerusform>%1 successes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 dice</source>
        <translation>
            <numerusform>%1 die</numerusform>
            <numerusform>%1 dice</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::EveningText</name>
    <message numerus="yes">
        <source>%1 rolls</source>
        <translation>
            <numerusform>%1 roll</numerusform>
            <numerusform>%1 rolls</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 dice</source>
        <translation>
            <numerusform>%1 die</numerusform>
            <numerusform>%1 dice</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 successes</source>
        <translation>
            <numerusform>%1 success</numerusform>
            <numerusform>%1 successes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 faces</source>
        <translation>
            <numerusform>%1 face</numerusform>
            <numerusform>%1 faces</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::LogFile</name>
    <message numerus="yes">
        <source>The evening, every roll since the program started, not only the %n above:</source>
        <translation>
            <numerusform>The evening, every roll since the program started, not only the %n above:</numerusform>
            <numerusform>The evening, every roll since the program started, not only the %n above:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::OddsText</name>
    <message numerus="yes">
        <source>%n dice</source>
        <translation>
            <numerusform>%n die</numerusform>
            <numerusform>%n dice</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failures</source>
        <translation>
            <numerusform>%n failure</numerusform>
            <numerusform>%n failures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rerolling the selected die and %n below it:
%1</source>
        <translation>
            <numerusform>Rerolling the selected die and %n below it:
%1</numerusform>
            <numerusform>Rerolling the selected die and %n below it:
%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::ResultsDisplay</name>
    <message numerus="yes">
        <source>%n successes.</source>
        <translatorcomment>The dice window&apos;s status line has always said &quot;1 successes.&quot; in English.</translatorcomment>
        <translation>
            <numerusform>%n successes.</numerusform>
            <numerusform>%n successes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::RollLogWindow</name>
    <message numerus="yes">
        <source>%n rolls copied.</source>
        <translation>
            <numerusform>%n roll copied.</numerusform>
            <numerusform>%n rolls copied.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rolls saved.</source>
        <translation>
            <numerusform>%n roll saved.</numerusform>
            <numerusform>%n rolls saved.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::RollText</name>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... and %n more</numerusform>
            <numerusform>... and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::SavedPool</name>
    <message numerus="yes">
        <source>%n pools</source>
        <translation>
            <numerusform>%n pool</numerusform>
            <numerusform>%n pools</numerusform>
        </translation>
    </message>
</context>
</TS>
