<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>corvane::AboutText</name>
    <message>
        <source>Copyright © 2026 the Corvane Dice developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 gli sviluppatori di Corvane Dice. Software libero sotto la GNU GPL, versione 3 o successiva.</translation>
    </message>
</context>
<context>
    <name>corvane::AtomicFile</name>
    <message>
        <source>there is not enough space left on the disk (the file needs %1, %2 are free)</source>
        <extracomment>%1 and %2 are sizes such as &quot;6.7 kB&quot;.</extracomment>
        <translation>non c&apos;è abbastanza spazio sul disco (il file richiede %1, ne restano liberi %2)</translation>
    </message>
    <message>
        <source>the disk did not confirm that the file was written (%1)</source>
        <translation>il disco non ha confermato che il file è stato scritto (%1)</translation>
    </message>
</context>
<context>
    <name>corvane::ChancesText</name>
    <message>
        <source>Chances</source>
        <translation>Probabilità</translation>
    </message>
    <message>
        <source>Chance of each number of successes</source>
        <translation>Probabilità di ogni numero di successi</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Probabilità</translation>
    </message>
    <message>
        <source>Rolled</source>
        <translation>Ottenuto</translation>
    </message>
    <message>
        <source>First column.</source>
        <translation>Prima colonna.</translation>
    </message>
    <message>
        <source>Last column.</source>
        <translation>Ultima colonna.</translation>
    </message>
    <message>
        <source>Rolled: %1</source>
        <extracomment>The mark over the rolled count; %1 is its luck: &quot;top 8% (1 in 12)&quot;.</extracomment>
        <translation>Ottenuto: %1</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Successi</translation>
    </message>
    <message>
        <source>Successes %1 to %2 (the rest: under 0.1%)</source>
        <translation>Successi da %1 a %2 (il resto: meno dello 0,1%)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A stretch of the axis: &quot;3362 to 3640&quot;.</extracomment>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>Successes %1 (the rest: under 0.1%)</source>
        <extracomment>%1 lists the stretches of the axis: &quot;3362 to 3640, 5160 to 5355&quot;.</extracomment>
        <translation>Successi %1 (il resto: meno dello 0,1%)</translation>
    </message>
    <message>
        <source>%1 of %2 at target %3</source>
        <extracomment>%1 is how many dice are rolled again, %2 &quot;5 dice&quot;, %3 the target number.</extracomment>
        <translation>%1 di %2 a difficoltà %3</translation>
    </message>
    <message>
        <source>New roll: %1 at target %2</source>
        <extracomment>%1 is &quot;20 dice&quot;, %2 the target number.</extracomment>
        <translation>Nuovo tiro: %1 a difficoltà %2</translation>
    </message>
    <message>
        <source>After Reroll Failures: %1 at target %2, none to reroll</source>
        <translation>Dopo il ritiro dei fallimenti: %1 a difficoltà %2, nessuno da ritirare</translation>
    </message>
    <message>
        <source>After Reroll Failures: %1</source>
        <translation>Dopo il ritiro dei fallimenti: %1</translation>
    </message>
    <message>
        <source>After Reroll from Marker Down: %1</source>
        <translation>Dopo il ritiro dal segno in giù: %1</translation>
    </message>
    <message>
        <source>%1 expected</source>
        <translation>%1 in media</translation>
    </message>
    <message>
        <source>%1 (rolled)</source>
        <translation>%1 (il tuo tiro)</translation>
    </message>
    <message>
        <source>after Reroll Failures %1</source>
        <translation>dopo il ritiro dei fallimenti %1</translation>
    </message>
    <message>
        <source>after Reroll from Marker Down %1</source>
        <translation>dopo il ritiro dal segno in giù %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>most likely %1 (%2), %3</source>
        <translation>più probabile: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Rolled %1 with %2 at target %3.</source>
        <translation>Ottenuto: %1 con %2 a difficoltà %3.</translation>
    </message>
    <message>
        <source>Luck of the roll: %1; %2 from %3 thrown, %4 expected.</source>
        <extracomment>%1 is &quot;top 8% (1 in 12)&quot;, %2 &quot;7 successes&quot;, %3 &quot;10 dice&quot;, %4 the successes fair dice expect of them. A reroll throws only the dice it rolls again.</extracomment>
        <translation>Fortuna del tiro: %1; %2 con %3 tirati, %4 in media.</translation>
    </message>
    <message>
        <source>A new roll of %1 at target %2: %3; at least %4: %5.</source>
        <extracomment>%1 is &quot;20 dice&quot;, %2 the target number, %3 the likeliest count and the expected successes, %4 &quot;3 successes&quot;, %5 its chance.</extracomment>
        <translation>Un nuovo tiro di %1 a difficoltà %2: %3; almeno %4: %5.</translation>
    </message>
    <message>
        <source>Type from %1 to %2 dice to see a new roll&apos;s chances.</source>
        <translation>Scrivi da %1 a %2 dadi per vedere le probabilità di un nuovo tiro.</translation>
    </message>
    <message>
        <source>After Reroll Failures: no failures to reroll.</source>
        <translation>Dopo il ritiro dei fallimenti: nessun fallimento da ritirare.</translation>
    </message>
    <message>
        <source>After Reroll Failures (%1): %2.</source>
        <translation>Dopo il ritiro dei fallimenti (%1): %2.</translation>
    </message>
    <message>
        <source>After Reroll from Marker Down (%1): %2.</source>
        <translation>Dopo il ritiro dal segno in giù (%1): %2.</translation>
    </message>
    <message>
        <source>Select a die in the list to see Reroll from Marker Down.</source>
        <translation>Scegli un dado nell&apos;elenco per vedere il ritiro dal segno in giù.</translation>
    </message>
    <message>
        <source>Cannot roll: %1</source>
        <extracomment>A series whose dice would add up past the limit, said first so that a cut legend keeps it; %1 is its legend.</extracomment>
        <translation>Non tirabile: %1</translation>
    </message>
    <message>
        <source>Its dice would add up past %1 nearly every time, so it cannot be rolled.</source>
        <translation>I suoi dadi sommerebbero oltre %1 quasi sempre, quindi non si può tirare.</translation>
    </message>
    <message>
        <source>A new roll of %1 at target %2: %3.</source>
        <extracomment>%1 is &quot;20 dice&quot;, %2 the target number, %3 the likeliest count and the expected successes.</extracomment>
        <translation>Un nuovo tiro di %1 a difficoltà %2: %3.</translation>
    </message>
</context>
<context>
    <name>corvane::CountText</name>
    <message numerus="yes">
        <source>%1 successes</source>
        <translation>
            <numerusform>%1 successo</numerusform>
            <numerusform>%1 successi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 dice</source>
        <translation>
            <numerusform>%1 dado</numerusform>
            <numerusform>%1 dadi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::Dialogs</name>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 esiste già. Sostituirlo?</translation>
    </message>
</context>
<context>
    <name>corvane::EngineText</name>
    <message>
        <source>Type a target from %1 to %2 to see the chances.</source>
        <translation>Scrivi una difficoltà da %1 a %2 per vedere le probabilità.</translation>
    </message>
</context>
<context>
    <name>corvane::EveningText</name>
    <message numerus="yes">
        <source>%1 rolls</source>
        <translation>
            <numerusform>%1 tiro</numerusform>
            <numerusform>%1 tiri</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 dice</source>
        <translation>
            <numerusform>%1 dado</numerusform>
            <numerusform>%1 dadi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 successes</source>
        <translation>
            <numerusform>%1 successo</numerusform>
            <numerusform>%1 successi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 faces</source>
        <translation>
            <numerusform>%1 faccia</numerusform>
            <numerusform>%1 facce</numerusform>
        </translation>
    </message>
    <message>
        <source>No rolls yet this evening</source>
        <translation>Ancora nessun tiro stasera</translation>
    </message>
    <message>
        <source>This evening: %1 with %2, %3 (%4 expected): %5</source>
        <extracomment>%1 is &quot;42 rolls&quot;, %2 &quot;2,340 dice&quot;, %3 &quot;812 successes&quot;, %4 the successes fair dice expect, %5 the evening&apos;s luck: &quot;top 12% (1 in 8)&quot;.</extracomment>
        <translation>Stasera: %1 con %2, %3 (%4 in media): %5</translation>
    </message>
    <message>
        <source>Every roll from the first on counts for the evening.</source>
        <translation>Ogni tiro, dal primo in poi, conta per la serata.</translation>
    </message>
    <message>
        <source>Every roll since the program started counts, those the log no longer lists too.</source>
        <translation>Conta ogni tiro dall&apos;avvio del programma, anche quelli che il registro non mostra più.</translation>
    </message>
    <message>
        <source>more %1 than expected</source>
        <translation>più %1 del previsto</translation>
    </message>
    <message>
        <source>fewer %1 than expected</source>
        <translation>meno %1 del previsto</translation>
    </message>
    <message>
        <source>No dice thrown yet to check for fairness</source>
        <translation>Ancora nessun dado tirato di cui verificare l&apos;equità</translation>
    </message>
    <message>
        <source>The dice stopped on 1: %1, 2: %2, 3: %3, 4: %4, 5: %5; sixes rolled on the way: %6.</source>
        <extracomment>%1 to %5 count the dice that stopped on 1 to 5, %6 the sixes they rolled on the way.</extracomment>
        <translation>I dadi si sono fermati su 1: %1, 2: %2, 3: %3, 4: %4, 5: %5; sei usciti lungo la strada: %6.</translation>
    </message>
    <message>
        <source>Fair dice expect %1 of each.</source>
        <translation>Dadi equi ne danno in media %1 di ciascuno.</translation>
    </message>
    <message>
        <source>Furthest from that, as the check weighs them: the %1.</source>
        <extracomment>%1 is &quot;ones&quot; to &quot;sixes&quot;.</extracomment>
        <translation>Il più lontano da questo, secondo il peso del test: i %1.</translation>
    </message>
    <message>
        <source>%1 is the chance that fair dice stray at least this far; below %2 the check calls them unusual.</source>
        <extracomment>%1 is &quot;p = 0.41&quot;, %2 the threshold, &quot;0.05&quot;.</extracomment>
        <translation>%1 è la probabilità che dadi equi si scostino almeno così tanto; sotto %2 il test li considera insoliti.</translation>
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
        <translation>facce</translation>
    </message>
    <message>
        <source>For fair dice, an evening of as many rolls at least this lucky has a chance of %1, one at most this lucky %2.</source>
        <extracomment>%1 and %2 are chances, &quot;12.3%&quot;.</extracomment>
        <translation>Con dadi onesti, una serata di altrettanti tiri fortunata almeno così ha una probabilità di %1; una fortunata al massimo così, %2.</translation>
    </message>
    <message>
        <source>Each roll counts alike, by its own luck given the rolls before it, a tie with rolls just as good broken at random as it is made: so these chances hold whatever you chose to roll or reroll.</source>
        <translation>Ogni tiro conta allo stesso modo, con la sua fortuna dati i tiri precedenti, e un pareggio con tiri altrettanto buoni è risolto a caso quando il tiro è fatto: così queste probabilità valgono qualunque cosa tu abbia scelto di tirare o ritirare.</translation>
    </message>
    <message>
        <source>The dice look fair: nothing unusual in %1</source>
        <extracomment>%1 is &quot;2,340 faces&quot;.</extracomment>
        <translation>I dadi sembrano onesti: niente di insolito in %1</translation>
    </message>
    <message>
        <source>The dice look unusual: %1 (%2 for fair dice)</source>
        <extracomment>%1 is &quot;more ones than expected&quot;, %2 &quot;1 in 80&quot;: how seldom fair dice stray so far.</extracomment>
        <translation>I dadi sembrano insoliti: %1 (%2 con dadi onesti)</translation>
    </message>
    <message>
        <source>%1: %2, %3 (%4 expected): %5. %6</source>
        <extracomment>A member&apos;s evening at a shared table: %1 is the name, %2 &quot;12 rolls&quot;, %3 &quot;812 successes&quot;, %4 the successes fair dice expect, %5 &quot;top 12% (1 in 8)&quot;, %6 what the fairness line says of the member&apos;s dice.</extracomment>
        <translation>%1: %2, %3 (%4 in media): %5. %6</translation>
    </message>
</context>
<context>
    <name>corvane::FramedSocket</name>
    <message>
        <source>The connection closed.</source>
        <translation>La connessione si è chiusa.</translation>
    </message>
    <message>
        <source>The other end stopped answering.</source>
        <translation>L&apos;altro capo ha smesso di rispondere.</translation>
    </message>
    <message>
        <source>The other end stopped reading.</source>
        <translation>L&apos;altro capo ha smesso di leggere.</translation>
    </message>
    <message>
        <source>A frame was larger or smaller than any frame may be.</source>
        <translation>È arrivato un pacchetto più grande o più piccolo del consentito.</translation>
    </message>
    <message>
        <source>A frame came that no member of this table sends.</source>
        <translation>È arrivato un pacchetto che nessun giocatore di questo tavolo invia.</translation>
    </message>
    <message>
        <source>A frame came without this table&apos;s code.</source>
        <translation>È arrivato un pacchetto senza il codice di questo tavolo.</translation>
    </message>
</context>
<context>
    <name>corvane::LogFile</name>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Testo semplice (*.txt)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabella CSV (*.csv)</translation>
    </message>
    <message>
        <source>Markdown table (*.md)</source>
        <translation>Tabella Markdown (*.md)</translation>
    </message>
    <message numerus="yes">
        <source>The evening, every roll since the program started, not only the %n above:</source>
        <translation>
            <numerusform>La serata, ogni tiro da quando il programma è partito, non solo quello qui sopra:</numerusform>
            <numerusform>La serata, ogni tiro da quando il programma è partito, non solo i %n qui sopra:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::LogTable</name>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dadi</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Difficoltà</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Successi</translation>
    </message>
    <message>
        <source>Botch</source>
        <translation>Fallimento critico</translation>
    </message>
    <message>
        <source>High roll</source>
        <translation>Dado più alto</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>First rerolled</source>
        <translation>Primo ritirato</translation>
    </message>
    <message>
        <source>Replaced</source>
        <translation>Sostituiti</translation>
    </message>
    <message>
        <source>Dice thrown</source>
        <translation>Dadi tirati</translation>
    </message>
    <message>
        <source>Their successes</source>
        <translation>I loro successi</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attesi</translation>
    </message>
    <message>
        <source>Chance at least as well</source>
        <translation>Probabilità di almeno altrettanto</translation>
    </message>
    <message>
        <source>Chance at most as well</source>
        <translation>Probabilità di al massimo altrettanto</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Fortuna</translation>
    </message>
</context>
<context>
    <name>corvane::LuckText</name>
    <message>
        <source>1 in over %1</source>
        <translation>1 su oltre %1</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <translation>1 su %1</translation>
    </message>
    <message>
        <source>certain</source>
        <extracomment>A roll or an evening that could not have come out otherwise.</extracomment>
        <translation>certa</translation>
    </message>
    <message>
        <source>top %1</source>
        <extracomment>A roll as good as this or better comes in %1 of rolls.</extracomment>
        <translation>tra il %1 migliore</translation>
    </message>
    <message>
        <source>bottom %1</source>
        <extracomment>A roll as poor as this or worse comes in %1 of rolls.</extracomment>
        <translation>tra il %1 peggiore</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is &quot;top 8%&quot;, %2 the odds: &quot;1 in 12&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>about average</source>
        <extracomment>A roll or an evening in the middle half of how fair dice come out.</extracomment>
        <translation>più o meno nella media</translation>
    </message>
</context>
<context>
    <name>corvane::NumberFormat</name>
    <message>
        <source>C</source>
        <extracomment>The locale whose numbers the program writes, such as de_DE.</extracomment>
        <translation>it_IT</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>corvane::OddsText</name>
    <message>
        <source>%1 successes expected (now %2);
%3 chance to gain at least one.</source>
        <extracomment>%1 is a decimal, %2 a whole number, %3 a percentage.</extracomment>
        <translation>%1 successi in media (ora %2);
%3 di probabilità di guadagnarne almeno uno.</translation>
    </message>
    <message>
        <source>Each die succeeds %1 of the time at target %2.</source>
        <translation>A difficoltà %2, ogni dado riesce nel %1 dei casi.</translation>
    </message>
    <message numerus="yes">
        <source>%n dice</source>
        <translation>
            <numerusform>%n dado</numerusform>
            <numerusform>%n dadi</numerusform>
        </translation>
    </message>
    <message>
        <source>Chance of at least %1 with %2 at target %3: %4.
Chance of a botch: %5.</source>
        <extracomment>%1 is &quot;3 successes&quot;, %2 &quot;5 dice&quot;, %3 the target number, %4 and %5 percentages.</extracomment>
        <translation>Probabilità di almeno %1 con %2 a difficoltà %3: %4.
Probabilità di fallimento critico: %5.</translation>
    </message>
    <message numerus="yes">
        <source>%n failures</source>
        <translation>
            <numerusform>%n fallimento</numerusform>
            <numerusform>%n fallimenti</numerusform>
        </translation>
    </message>
    <message>
        <source>Rerolling %1:
%2</source>
        <extracomment>%1 is &quot;2 failures&quot;; %2 the expected successes after the reroll.</extracomment>
        <translation>Ritirando %1:
%2</translation>
    </message>
    <message>
        <source>Select a die in the list to reroll it and every die below it.</source>
        <translation>Scegli un dado nell&apos;elenco per ritirarlo insieme a tutti i dadi sotto di esso.</translation>
    </message>
    <message>
        <source>Rerolling the selected die:
%1</source>
        <extracomment>%1 is the expected successes after the reroll.</extracomment>
        <translation>Ritirando il dado scelto:
%1</translation>
    </message>
    <message numerus="yes">
        <source>Rerolling the selected die and %n below it:
%1</source>
        <translation>
            <numerusform>Ritirando il dado scelto e %n sotto:
%1</numerusform>
            <numerusform>Ritirando il dado scelto e %n sotto:
%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::PoolKeeper</name>
    <message>
        <source>Saved Pools</source>
        <translation>Riserve salvate</translation>
    </message>
    <message>
        <source>Save Pool</source>
        <translation>Salva riserva</translation>
    </message>
    <message>
        <source>Replace the saved pool &quot;%1&quot;?</source>
        <translation>Sostituire la riserva salvata «%1»?</translation>
    </message>
    <message>
        <source>Pool saved.</source>
        <translation>Riserva salvata.</translation>
    </message>
    <message>
        <source>Not saved: kept until you close the program.</source>
        <translation>Non salvata: resta fino alla chiusura del programma.</translation>
    </message>
    <message>
        <source>Rename Pool</source>
        <translation>Rinomina riserva</translation>
    </message>
    <message>
        <source>New name of the pool:</source>
        <translation>Nuovo nome della riserva:</translation>
    </message>
    <message>
        <source>Pool renamed.</source>
        <translation>Riserva rinominata.</translation>
    </message>
    <message>
        <source>Export Pools</source>
        <translation>Esporta riserve</translation>
    </message>
    <message>
        <source>Pools (*.json)</source>
        <translation>Riserve (*.json)</translation>
    </message>
    <message>
        <source>The pools could not be exported to %1: %2.</source>
        <translation>Impossibile esportare le riserve in %1: %2.</translation>
    </message>
    <message>
        <source>Pools exported.</source>
        <translation>Riserve esportate.</translation>
    </message>
    <message>
        <source>Import Pools</source>
        <translation>Importa riserve</translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <extracomment>%1 is &quot;1 pool&quot; or &quot;4 pools&quot;.</extracomment>
        <translation>Importato: %1.</translation>
    </message>
    <message>
        <source>Nothing imported: %1 cannot be read as saved pools, because %2.</source>
        <translation>Niente importato: %1 non si può leggere come riserve salvate, perché %2.</translation>
    </message>
    <message>
        <source>Nothing saved: a pool has %1 to %2 dice and a target from %3 to %4.</source>
        <translation>Niente salvato: una riserva ha da %1 a %2 dadi e una difficoltà da %3 a %4.</translation>
    </message>
    <message>
        <source>Name for %1:</source>
        <extracomment>%1 is what the pool rolls: &quot;7 dice at target 4&quot;.</extracomment>
        <translation>Nome per %1:</translation>
    </message>
    <message>
        <source>A name has 1 to %1 characters.</source>
        <translation>Un nome ha da 1 a %1 caratteri.</translation>
    </message>
    <message>
        <source>There is a pool named &quot;%1&quot; already.</source>
        <translation>Esiste già una riserva di nome «%1».</translation>
    </message>
    <message>
        <source>%1: yours %2, imported %3</source>
        <extracomment>One pool of the same name on both sides: %1 its name, %2 and %3 what each rolls.</extracomment>
        <translation>%1: la tua %2, importata %3</translation>
    </message>
    <message>
        <source>Already in your list under the same name:</source>
        <translation>Già nella tua lista con lo stesso nome:</translation>
    </message>
    <message>
        <source>Yes: take the imported ones. No: keep yours and import the rest. Cancel: import nothing.</source>
        <translation>Sì: prendi quelle importate. No: tieni le tue e importa il resto. Annulla: non importare nulla.</translation>
    </message>
</context>
<context>
    <name>corvane::PoolLock</name>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>non è stato possibile creare la cartella %1</translation>
    </message>
    <message>
        <source>%1 is in the way of the lock file that saving takes: move it away</source>
        <translation>%1 occupa il posto del file di blocco usato dal salvataggio: spostalo altrove</translation>
    </message>
    <message>
        <source>there is no space left on the disk of %1</source>
        <translation>non c&apos;è più spazio sul disco di %1</translation>
    </message>
    <message>
        <source>no file can be written in the folder %1</source>
        <translation>nessun file si può scrivere nella cartella %1</translation>
    </message>
    <message>
        <source>another copy of Corvane Dice is saving pools right now</source>
        <translation>un&apos;altra copia di Corvane Dice sta salvando le riserve in questo momento</translation>
    </message>
    <message>
        <source>another copy of Corvane Dice (process %1 on %2) is saving pools right now</source>
        <translation>un&apos;altra copia di Corvane Dice (processo %1 su %2) sta salvando le riserve in questo momento</translation>
    </message>
</context>
<context>
    <name>corvane::PoolMessages</name>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>non si può aprire (%1)</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>supera 1 MiB</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>è troncato</translation>
    </message>
    <message>
        <source>it is not a pools file</source>
        <translation>non è un file di riserve</translation>
    </message>
    <message>
        <source>it was written by a newer version of Corvane Dice</source>
        <translation>è stato scritto da una versione più recente di Corvane Dice</translation>
    </message>
    <message>
        <source>its list of pools is missing</source>
        <translation>manca l&apos;elenco delle riserve</translation>
    </message>
    <message>
        <source>pool %1 in it is not a name with a number of dice and a target</source>
        <translation>la riserva %1 al suo interno non è un nome con un numero di dadi e una difficoltà</translation>
    </message>
    <message>
        <source>the name of pool %1 in it is longer than %2 characters</source>
        <translation>il nome della riserva %1 al suo interno supera %2 caratteri</translation>
    </message>
    <message>
        <source>pool %1 in it has the same name as a pool before it</source>
        <translation>la riserva %1 al suo interno ha lo stesso nome di una riserva precedente</translation>
    </message>
    <message>
        <source>it holds more than %1 pools</source>
        <translation>contiene più di %1 riserve</translation>
    </message>
    <message>
        <source>it is a folder, a pipe or a device, not a file</source>
        <translation>è una cartella, una pipe o un dispositivo, non un file</translation>
    </message>
    <message>
        <source>The saved pools cannot be read from %1: %2. It is left as it is; to save pools, move it away.</source>
        <translation>Le riserve salvate non si possono leggere da %1: %2. Resta com&apos;è; per salvare le riserve, spostalo altrove.</translation>
    </message>
    <message>
        <source>The saved pools in %1 cannot all be read: %2. The file is left as it is, and the program goes on with the %3 it could read. Your next save asks before it changes anything.</source>
        <extracomment>%3 is &quot;1 pool&quot; or &quot;4 pools&quot;.</extracomment>
        <translation>Non tutte le riserve salvate in %1 si possono leggere: %2. Il file resta com&apos;è, e il programma continua con quelle che ha potuto leggere (%3). Il prossimo salvataggio chiederà prima di cambiare qualcosa.</translation>
    </message>
    <message>
        <source>The saved pools in %1 cannot all be read: %2. To save, the program keeps that file aside under a dated name and writes a new one with the %3 it could read and your changes. Save?</source>
        <extracomment>%3 is &quot;1 pool&quot; or &quot;4 pools&quot;.</extracomment>
        <translation>Non tutte le riserve salvate in %1 si possono leggere: %2. Per salvare, il programma mette da parte quel file con un nome datato e ne scrive uno nuovo con quelle che ha potuto leggere (%3) e le tue modifiche. Salvare?</translation>
    </message>
    <message>
        <source>The unreadable pools file is kept as %1.</source>
        <translation>Il file di riserve illeggibile è conservato come %1.</translation>
    </message>
    <message>
        <source>Your pools could not be saved in %1: %2. They stay in the list until you close the program, and the next save tries again.</source>
        <translation>Impossibile salvare le riserve in %1: %2. Restano nell&apos;elenco fino alla chiusura del programma, e il prossimo salvataggio riprova.</translation>
    </message>
    <message>
        <source>Not changed: the pool &quot;%1&quot; was deleted or renamed meanwhile by another copy of Corvane Dice.</source>
        <translation>Nessuna modifica: un&apos;altra copia di Corvane Dice ha eliminato o rinominato nel frattempo la riserva «%1».</translation>
    </message>
    <message>
        <source>Not changed: there is a saved pool named &quot;%1&quot; already.</source>
        <translation>Nessuna modifica: esiste già una riserva salvata di nome «%1».</translation>
    </message>
    <message>
        <source>The list holds at most %1 pools: delete one to save another.</source>
        <translation>L&apos;elenco contiene al massimo %1 riserve: eliminane una per salvarne un&apos;altra.</translation>
    </message>
    <message>
        <source>pool %1 in it has more dice than a roll can hold (%2)</source>
        <translation>la riserva %1 al suo interno ha più dadi di quanti un tiro ne possa tenere (%2)</translation>
    </message>
</context>
<context>
    <name>corvane::PoolStore</name>
    <message>
        <source>it is a folder, a pipe or a device, not a file: move it away</source>
        <translation>è una cartella, una pipe o un dispositivo, non un file: spostalo altrove</translation>
    </message>
</context>
<context>
    <name>corvane::PoolsWindow</name>
    <message>
        <source>Pools</source>
        <translation>Riserve</translation>
    </message>
    <message>
        <source>Saved pools; Ctrl+1 to Ctrl+9 roll the first nine</source>
        <translation>Riserve salvate; da Ctrl+1 a Ctrl+9 tirano le prime nove</translation>
    </message>
    <message>
        <source>Roll Pool</source>
        <translation>Tira riserva</translation>
    </message>
    <message>
        <source>Rename Pool...</source>
        <translation>Rinomina riserva...</translation>
    </message>
    <message>
        <source>Delete Pool</source>
        <translation>Elimina riserva</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Annulla eliminazione</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Export Pools...</source>
        <translation>Esporta riserve...</translation>
    </message>
    <message>
        <source>Import Pools...</source>
        <translation>Importa riserve...</translation>
    </message>
    <message>
        <source>Pool deleted; Ctrl+Z brings it back.</source>
        <translation>Riserva eliminata; Ctrl+Z la ripristina.</translation>
    </message>
    <message>
        <source>Pool restored.</source>
        <translation>Riserva ripristinata.</translation>
    </message>
    <message>
        <source>Pool moved.</source>
        <translation>Riserva spostata.</translation>
    </message>
    <message>
        <source>The pool is first already.</source>
        <translation>La riserva è già la prima.</translation>
    </message>
    <message>
        <source>The pool is last already.</source>
        <translation>La riserva è già l’ultima.</translation>
    </message>
    <message>
        <source>Enter rolls, F2 renames, Delete deletes, Alt+Up and Alt+Down move the selected pool.</source>
        <translation>Invio tira, F2 rinomina, Canc elimina, Alt+Su e Alt+Giù spostano la riserva scelta.</translation>
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
        <translation>%1 (fall. crit.)</translation>
    </message>
    <message>
        <source>Successes: %1</source>
        <translation>Successi: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n successes.</source>
        <translation>
            <numerusform>%n successo.</numerusform>
            <numerusform>%n successi.</numerusform>
        </translation>
    </message>
    <message>
        <source>High roll: %1, Total roll: %2</source>
        <translation>Più alto: %1, Totale: %2</translation>
    </message>
    <message>
        <source>The list and the pool disagreed; nothing changed.</source>
        <translation>Elenco e riserva discordavano; nessuna modifica.</translation>
    </message>
    <message>
        <source>Dice to Roll: type a number from %1 to %2.</source>
        <translation>Riserva di dadi: scrivi un numero da %1 a %2.</translation>
    </message>
    <message>
        <source>Target Number: type from %1 to %2.</source>
        <translation>Difficoltà: scrivi da %1 a %2.</translation>
    </message>
    <message>
        <source>The dice add up past %1: roll at most %2.</source>
        <translation>I dadi sommano oltre %1: tira al massimo %2.</translation>
    </message>
    <message>
        <source>Rerolling %1 dice would pass %2.</source>
        <extracomment>%1 is how many dice the reroll would throw, %2 the highest total.</extracomment>
        <translation>Ritirare %1 dadi supererebbe %2.</translation>
    </message>
    <message>
        <source>The total passed %1 this time: roll at most %2.</source>
        <extracomment>%1 is the highest total, %2 the most dice that nearly always stay within it.</extracomment>
        <translation>Stavolta oltre %1: tira al massimo %2.</translation>
    </message>
</context>
<context>
    <name>corvane::ResultsModel</name>
    <message>
        <source>%1, success</source>
        <extracomment>How a screen reader reads a die in the results list; %1 is the die.</extracomment>
        <translation>%1, successo</translation>
    </message>
    <message>
        <source>%1, failure</source>
        <translation>%1, fallimento</translation>
    </message>
    <message>
        <source>%1, high roll, die 1 of %2</source>
        <extracomment>The first row of the results list, the highest die; %1 is &quot;14, success&quot;, %2 the number of dice.</extracomment>
        <translation>%1, dado più alto, dado 1 di %2</translation>
    </message>
</context>
<context>
    <name>corvane::RollLogWindow</name>
    <message>
        <source>Roll Log</source>
        <translation>Registro dei tiri</translation>
    </message>
    <message>
        <source>Rolls, newest first</source>
        <translation>Tiri, dal più recente</translation>
    </message>
    <message>
        <source>Copy Rolls</source>
        <translation>Copia tiri</translation>
    </message>
    <message>
        <source>Save Log...</source>
        <translation>Salva registro...</translation>
    </message>
    <message>
        <source>Save Selected Rolls...</source>
        <translation>Salva tiri scelti...</translation>
    </message>
    <message>
        <source>No rolls selected.</source>
        <translation>Nessun tiro scelto.</translation>
    </message>
    <message>
        <source>No rolls to save.</source>
        <translation>Nessun tiro da salvare.</translation>
    </message>
    <message>
        <source>Save Roll Log</source>
        <translation>Salva registro dei tiri</translation>
    </message>
    <message>
        <source>The roll log could not be saved to %1: %2.</source>
        <translation>Impossibile salvare il registro dei tiri in %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls saved.</source>
        <translation>
            <numerusform>%n tiro salvato.</numerusform>
            <numerusform>%n tiri salvati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Roll copied.</source>
        <translation>Tiro copiato.</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls copied.</source>
        <translation>
            <numerusform>%n tiro copiato.</numerusform>
            <numerusform>%n tiri copiati.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::RollText</name>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... e %n altro</numerusform>
            <numerusform>... e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>die %1</source>
        <translation>dado %1</translation>
    </message>
    <message>
        <source>dice %1 to %2</source>
        <translation>dadi da %1 a %2</translation>
    </message>
    <message>
        <source>Die %1 was: %2.</source>
        <translation>Il dado %1 era: %2.</translation>
    </message>
    <message>
        <source>Dice %1 to %2 were: %3.</source>
        <translation>I dadi da %1 a %2 erano: %3.</translation>
    </message>
    <message>
        <source>%1 at target %2</source>
        <extracomment>%1 is &quot;10 dice&quot;, %2 the target number.</extracomment>
        <translation>%1 a difficoltà %2</translation>
    </message>
    <message>
        <source>%1 (botch)</source>
        <translation>%1 (fallimento critico)</translation>
    </message>
    <message>
        <source>%1 (high roll %2, total roll %3)</source>
        <translation>%1 (dado più alto %2, totale %3)</translation>
    </message>
    <message>
        <source>luck: %1</source>
        <extracomment>%1 is &quot;top 8% (1 in 12)&quot; or &quot;bottom 15%&quot;.</extracomment>
        <translation>fortuna: %1</translation>
    </message>
    <message>
        <source>luck of the die rolled again: %1</source>
        <extracomment>%1 is &quot;top 8% (1 in 12)&quot; or &quot;bottom 15%&quot;.</extracomment>
        <translation>fortuna del dado ritirato: %1</translation>
    </message>
    <message>
        <source>luck of the %1 rolled again: %2</source>
        <extracomment>%1 is &quot;4 dice&quot;, %2 &quot;top 8% (1 in 12)&quot; or &quot;bottom 15%&quot;.</extracomment>
        <translation>fortuna dei %1 ritirati: %2</translation>
    </message>
    <message>
        <source>%1, %2: %3; %4.</source>
        <extracomment>%1 is what was done, %2 &quot;10 dice at target 5&quot;, %3 &quot;5 successes (high roll 14, total roll 51)&quot;, %4 &quot;luck: top 8% (1 in 12)&quot;.</extracomment>
        <translation>%1, %2: %3; %4.</translation>
    </message>
    <message>
        <source>Dice: %1.</source>
        <translation>Dadi: %1.</translation>
    </message>
    <message>
        <source>%1, botch</source>
        <translation>%1, fallimento critico</translation>
    </message>
    <message>
        <source>%1. High roll %2, total %3.</source>
        <extracomment>Spoken after a roll. %1 is &quot;5 successes&quot;, %2 the highest die, %3 the total.</extracomment>
        <translation>%1. Dado più alto %2, totale %3.</translation>
    </message>
    <message>
        <source>Reroll Failures</source>
        <translation>Ritiro dei fallimenti</translation>
    </message>
    <message>
        <source>Reroll from Marker Down</source>
        <translation>Ritiro dal segno in giù</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>What was done: a new roll, beside &quot;Reroll Failures&quot; and &quot;Reroll from Marker Down&quot;.</extracomment>
        <translation>Tiro</translation>
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
        <source>Rerolled die %1: %2</source>
        <extracomment>Spoken after a reroll of the last die alone; %2 is &quot;5 successes. High roll 14, total 51.&quot;</extracomment>
        <translation>Dado %1 ritirato: %2</translation>
    </message>
    <message>
        <source>Rerolled dice %1 to %2: %3</source>
        <extracomment>Spoken after a reroll; %3 is &quot;5 successes. High roll 14, total 51.&quot;</extracomment>
        <translation>Dadi da %1 a %2 ritirati: %3</translation>
    </message>
    <message>
        <source>%1, round %2, checked: </source>
        <extracomment>At a shared table: the member who rolled, the table&apos;s round, and that this program checked the round itself.</extracomment>
        <translation>%1, turno %2, verificato: </translation>
    </message>
</context>
<context>
    <name>corvane::Roller</name>
    <message>
        <source>No failures to reroll.</source>
        <translation>Nessun fallimento da ritirare.</translation>
    </message>
    <message>
        <source>No marker specified.</source>
        <translation>Nessun dado segnato.</translation>
    </message>
</context>
<context>
    <name>corvane::RollerCommands</name>
    <message>
        <source>Copy Roll</source>
        <translation>Copia tiro</translation>
    </message>
    <message>
        <source>Roll Log</source>
        <translation>Registro dei tiri</translation>
    </message>
    <message>
        <source>Chances</source>
        <translation>Probabilità</translation>
    </message>
    <message>
        <source>Save Pool...</source>
        <translation>Salva riserva...</translation>
    </message>
    <message>
        <source>Pools</source>
        <translation>Riserve</translation>
    </message>
    <message>
        <source>Roll Pool %1</source>
        <translation>Tira riserva %1</translation>
    </message>
    <message>
        <source>About Corvane Dice</source>
        <translation>Informazioni su Corvane Dice</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Roll %1: %2</source>
        <extracomment>A menu entry that rolls a saved pool: %1 its place in the list (1 to 9), %2 its name.</extracomment>
        <translation>Tira %1: %2</translation>
    </message>
    <message>
        <source>No pool %1 saved.</source>
        <translation>Nessuna riserva %1 salvata.</translation>
    </message>
    <message>
        <source>Roll copied.</source>
        <translation>Tiro copiato.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tavolo</translation>
    </message>
    <message>
        <source>Roll a Pool</source>
        <translation>Tira una riserva</translation>
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
        <translation>&amp;Tira</translation>
    </message>
    <message>
        <source>Reroll &amp;Failures</source>
        <translation>Ritira i
&amp;fallimenti</translation>
    </message>
    <message>
        <source>Reroll from
&amp;Marker Down</source>
        <extracomment>Two lines, each as wide as the Roll button at most.</extracomment>
        <translation>Ritira dal
&amp;segno in giù</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Dice to Roll</source>
        <translation>Riserva di dadi</translation>
    </message>
    <message>
        <source>Target Number</source>
        <translation>Difficoltà</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Successi</translation>
    </message>
    <message>
        <source>About Corvane Dice</source>
        <translation>Informazioni su Corvane Dice</translation>
    </message>
    <message>
        <source>About Corvane Dice (F1)</source>
        <translation>Informazioni su Corvane Dice (F1)</translation>
    </message>
</context>
<context>
    <name>corvane::SavedPool</name>
    <message numerus="yes">
        <source>%n pools</source>
        <translation>
            <numerusform>%n riserva</numerusform>
            <numerusform>%n riserve</numerusform>
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
        <translation>%1 a difficoltà %2</translation>
    </message>
</context>
<context>
    <name>corvane::Settings</name>
    <message>
        <source>it cannot be opened</source>
        <translation>non si può aprire</translation>
    </message>
    <message>
        <source>it is not a settings file of Corvane Dice</source>
        <translation>non è un file di impostazioni di Corvane Dice</translation>
    </message>
    <message>
        <source>it was written by another version of Corvane Dice</source>
        <translation>è stato scritto da un&apos;altra versione di Corvane Dice</translation>
    </message>
    <message>
        <source>the settings file %1 is kept as it is, because %2</source>
        <translation>il file di impostazioni %1 resta com&apos;è, perché %2</translation>
    </message>
</context>
<context>
    <name>corvane::TableGuest</name>
    <message>
        <source>The host now holds another table.</source>
        <translation>L&apos;host ora ospita un altro tavolo.</translation>
    </message>
    <message>
        <source>The code is not this table&apos;s.</source>
        <translation>Il codice non è quello di questo tavolo.</translation>
    </message>
    <message>
        <source>The host sent what does not check: %1</source>
        <translation>L&apos;host ha inviato dati che non superano la verifica: %1</translation>
    </message>
    <message>
        <source>The table is full: it seats %1.</source>
        <extracomment>%1 is the most members a table seats.</extracomment>
        <translation>Il tavolo è pieno: ha %1 posti.</translation>
    </message>
    <message>
        <source>The host closed the table.</source>
        <translation>L&apos;host ha chiuso il tavolo.</translation>
    </message>
    <message>
        <source>The host sent a frame no host sends.</source>
        <translation>L&apos;host ha inviato un pacchetto che nessun host invia.</translation>
    </message>
    <message>
        <source>Could not join the table: %1</source>
        <translation>Impossibile unirsi al tavolo: %1</translation>
    </message>
    <message>
        <source>Lost the table&apos;s host; trying again.</source>
        <translation>Persa la connessione con l&apos;host; nuovo tentativo.</translation>
    </message>
    <message>
        <source>The table closed: its host is gone.</source>
        <translation>Il tavolo è chiuso: l&apos;host se n&apos;è andato.</translation>
    </message>
    <message>
        <source>You left the table.</source>
        <translation>Hai lasciato il tavolo.</translation>
    </message>
</context>
<context>
    <name>corvane::TableHost</name>
    <message>
        <source>You closed the table.</source>
        <translation>Hai chiuso il tavolo.</translation>
    </message>
</context>
<context>
    <name>corvane::TableLink</name>
    <message>
        <source>%1 joined the table.</source>
        <translation>%1 entra al tavolo.</translation>
    </message>
    <message>
        <source>%1 left the table.</source>
        <translation>%1 lascia il tavolo.</translation>
    </message>
</context>
<context>
    <name>corvane::TableRolls</name>
    <message>
        <source>Another roll is on the table: roll again once it is done.</source>
        <translation>C&apos;è un altro tiro al tavolo: tira quando è finito.</translation>
    </message>
    <message>
        <source>Roll at the table before rerolling there.</source>
        <translation>Tira al tavolo prima di ritirare lì.</translation>
    </message>
</context>
<context>
    <name>corvane::TableSession</name>
    <message>
        <source>The table&apos;s transcript could not be saved to %1: %2.</source>
        <translation>Impossibile salvare la trascrizione del tavolo in %1: %2.</translation>
    </message>
    <message>
        <source>The table&apos;s transcript is in %1.</source>
        <translation>La trascrizione del tavolo è in %1.</translation>
    </message>
</context>
<context>
    <name>corvane::TableText</name>
    <message>
        <source>The table has closed.</source>
        <translation>Il tavolo è chiuso.</translation>
    </message>
    <message>
        <source>You host on port %1. Players join at %2 with the code: %3</source>
        <extracomment>%1 is the port, %2 this machine&apos;s addresses, %3 the join code.</extracomment>
        <translation>Ospiti sulla porta %1. I giocatori si uniscono su %2 con il codice: %3</translation>
    </message>
    <message>
        <source>Joining the table...</source>
        <translation>Connessione al tavolo...</translation>
    </message>
    <message>
        <source>At %1&apos;s table.</source>
        <translation>Al tavolo di %1.</translation>
    </message>
    <message>
        <source>host</source>
        <translation>host</translation>
    </message>
    <message>
        <source>you</source>
        <translation>tu</translation>
    </message>
    <message>
        <source>left</source>
        <translation>ha lasciato</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>in linea</translation>
    </message>
    <message>
        <source>away</source>
        <translation>non in linea</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A member of the table: %1 is the name, %2 &quot;host, you, connected&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2, high roll %3.</source>
        <extracomment>Another member&apos;s roll, heard once: %1 is the name, %2 &quot;3 successes&quot;, %3 the highest die.</extracomment>
        <translation>%1: %2, dado più alto %3.</translation>
    </message>
    <message>
        <source>Round %1 given up: %2 did not answer.</source>
        <extracomment>%1 is the round&apos;s number, %2 the members who did not answer in time; the round changed nothing.</extracomment>
        <translation>Turno %1 annullato: nessuna risposta da %2.</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>In attesa di %1...</translation>
    </message>
</context>
<context>
    <name>corvane::TableWindow</name>
    <message>
        <source>R&amp;emember my name</source>
        <translation>&amp;Ricorda il mio nome</translation>
    </message>
    <message>
        <source>&amp;Host Table</source>
        <translation>&amp;Ospita tavolo</translation>
    </message>
    <message>
        <source>&amp;Join Table</source>
        <translation>&amp;Unisciti al tavolo</translation>
    </message>
    <message>
        <source>&amp;Remove Member</source>
        <translation>Rimuovi &amp;giocatore</translation>
    </message>
    <message>
        <source>&amp;Leave Table</source>
        <translation>&amp;Lascia il tavolo</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tavolo</translation>
    </message>
    <message>
        <source>address:port</source>
        <translation>indirizzo:porta</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Il tuo &amp;nome:</translation>
    </message>
    <message>
        <source>Host a table</source>
        <translation>Ospita un tavolo</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Porta:</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Codice:</translation>
    </message>
    <message>
        <source>Join a table</source>
        <translation>Unisciti a un tavolo</translation>
    </message>
    <message>
        <source>Host&apos;s &amp;address:</source>
        <translation>&amp;Indirizzo dell&apos;host:</translation>
    </message>
    <message>
        <source>C&amp;ode:</source>
        <translation>Co&amp;dice:</translation>
    </message>
    <message>
        <source>Type a name of 1 to 32 letters to sit at a table with.</source>
        <translation>Scrivi un nome da 1 a 32 caratteri per sederti a un tavolo.</translation>
    </message>
    <message>
        <source>Type a code for the table, or keep the one given.</source>
        <translation>Scrivi un codice per il tavolo, o tieni quello proposto.</translation>
    </message>
    <message>
        <source>Could not host on port %1: %2</source>
        <translation>Impossibile ospitare il tavolo sulla porta %1: %2</translation>
    </message>
    <message>
        <source>You host a table.</source>
        <translation>Stai ospitando un tavolo.</translation>
    </message>
    <message>
        <source>Type the code the host gave.</source>
        <translation>Scrivi il codice che ti ha dato l&apos;host.</translation>
    </message>
    <message>
        <source>Type the host&apos;s address and port, as 192.168.1.20:%1.</source>
        <translation>Scrivi l&apos;indirizzo e la porta dell&apos;host, come 192.168.1.20:%1.</translation>
    </message>
    <message>
        <source>Joining the table at %1...</source>
        <translation>Connessione al tavolo su %1...</translation>
    </message>
    <message>
        <source>A member can be removed once the open round is done.</source>
        <translation>Puoi rimuovere un giocatore solo quando il turno in corso è finito.</translation>
    </message>
</context>
</TS>
