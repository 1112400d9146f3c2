<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>corvane::AboutText</name>
    <message>
        <source>Copyright © 2026 the Corvane Dice developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 los desarrolladores de Corvane Dice. Software libre bajo la GNU GPL, versión 3 o posterior.</translation>
    </message>
</context>
<context>
    <name>corvane::AtomicFile</name>
    <message>
        <source>there is not enough space left on the disk (the file needs %1, %2 are free)</source>
        <extracomment>%1 and %2 are sizes such as &quot;6.7 kB&quot;.</extracomment>
        <translation>no queda espacio suficiente en el disco (el archivo necesita %1 y hay %2 libres)</translation>
    </message>
    <message>
        <source>the disk did not confirm that the file was written (%1)</source>
        <translation>el disco no confirmó que el archivo se escribiera (%1)</translation>
    </message>
</context>
<context>
    <name>corvane::ChancesText</name>
    <message>
        <source>Chances</source>
        <translation>Probabilidades</translation>
    </message>
    <message>
        <source>Chance of each number of successes</source>
        <translation>Probabilidad de cada número de éxitos</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Probabilidad</translation>
    </message>
    <message>
        <source>Rolled</source>
        <translation>Obtenido</translation>
    </message>
    <message>
        <source>First column.</source>
        <translation>Primera columna.</translation>
    </message>
    <message>
        <source>Last column.</source>
        <translation>Última columna.</translation>
    </message>
    <message>
        <source>Rolled: %1</source>
        <extracomment>The mark over the rolled count; %1 is its luck: &quot;top 8% (1 in 12)&quot;.</extracomment>
        <translation>Obtenido: %1</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Éxitos</translation>
    </message>
    <message>
        <source>Successes %1 to %2 (the rest: under 0.1%)</source>
        <translation>Éxitos de %1 a %2 (el resto: menos del 0,1&#xa0;%)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A stretch of the axis: &quot;3362 to 3640&quot;.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Successes %1 (the rest: under 0.1%)</source>
        <extracomment>%1 lists the stretches of the axis: &quot;3362 to 3640, 5160 to 5355&quot;.</extracomment>
        <translation>Éxitos %1 (el resto: menos del 0,1&#xa0;%)</translation>
    </message>
    <message>
        <source>%1 of %2 at target %3</source>
        <extracomment>%1 is how many dice are rolled again, %2 &quot;5 dice&quot;, %3 the target number.</extracomment>
        <translation>%1 de %2 a dificultad %3</translation>
    </message>
    <message>
        <source>New roll: %1 at target %2</source>
        <extracomment>%1 is &quot;20 dice&quot;, %2 the target number.</extracomment>
        <translation>Nueva tirada: %1 a dificultad %2</translation>
    </message>
    <message>
        <source>After Reroll Failures: %1 at target %2, none to reroll</source>
        <translation>Tras repetir fallos: %1 a dificultad %2, ninguno que repetir</translation>
    </message>
    <message>
        <source>After Reroll Failures: %1</source>
        <translation>Tras repetir fallos: %1</translation>
    </message>
    <message>
        <source>After Reroll from Marker Down: %1</source>
        <translation>Tras repetir desde el marcador: %1</translation>
    </message>
    <message>
        <source>%1 expected</source>
        <translation>%1 de media</translation>
    </message>
    <message>
        <source>%1 (rolled)</source>
        <translation>%1 (tu tirada)</translation>
    </message>
    <message>
        <source>after Reroll Failures %1</source>
        <translation>tras repetir fallos %1</translation>
    </message>
    <message>
        <source>after Reroll from Marker Down %1</source>
        <translation>tras repetir desde el marcador %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>most likely %1 (%2), %3</source>
        <translation>lo más probable: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Rolled %1 with %2 at target %3.</source>
        <translation>Obtenido: %1 con %2 a dificultad %3.</translation>
    </message>
    <message>
        <source>Luck of the roll: %1; %2 from %3 thrown, %4 expected.</source>
        <extracomment>%1 is &quot;top 8% (1 in 12)&quot;, %2 &quot;7 successes&quot;, %3 &quot;10 dice&quot;, %4 the successes fair dice expect of them. A reroll throws only the dice it rolls again.</extracomment>
        <translation>Suerte de la tirada: %1; %2 con %3 tirados, %4 de media.</translation>
    </message>
    <message>
        <source>A new roll of %1 at target %2: %3; at least %4: %5.</source>
        <extracomment>%1 is &quot;20 dice&quot;, %2 the target number, %3 the likeliest count and the expected successes, %4 &quot;3 successes&quot;, %5 its chance.</extracomment>
        <translation>Una nueva tirada de %1 a dificultad %2: %3; al menos %4: %5.</translation>
    </message>
    <message>
        <source>Type from %1 to %2 dice to see a new roll&apos;s chances.</source>
        <translation>Escribe de %1 a %2 dados para ver las probabilidades de una nueva tirada.</translation>
    </message>
    <message>
        <source>After Reroll Failures: no failures to reroll.</source>
        <translation>Tras repetir fallos: no hay fallos que repetir.</translation>
    </message>
    <message>
        <source>After Reroll Failures (%1): %2.</source>
        <translation>Tras repetir fallos (%1): %2.</translation>
    </message>
    <message>
        <source>After Reroll from Marker Down (%1): %2.</source>
        <translation>Tras repetir desde el marcador (%1): %2.</translation>
    </message>
    <message>
        <source>Select a die in the list to see Reroll from Marker Down.</source>
        <translation>Elige un dado de la lista para ver la repetición desde el marcador.</translation>
    </message>
    <message>
        <source>Cannot roll: %1</source>
        <extracomment>A series whose dice would add up past the limit, said first so that a cut legend keeps it; %1 is its legend.</extracomment>
        <translation>No se puede tirar: %1</translation>
    </message>
    <message>
        <source>Its dice would add up past %1 nearly every time, so it cannot be rolled.</source>
        <translation>Sus dados sumarían más de %1 casi siempre, así que no se puede tirar.</translation>
    </message>
    <message>
        <source>A new roll of %1 at target %2: %3.</source>
        <extracomment>%1 is &quot;20 dice&quot;, %2 the target number, %3 the likeliest count and the expected successes.</extracomment>
        <translation>Una nueva tirada de %1 a dificultad %2: %3.</translation>
    </message>
</context>
<context>
    <name>corvane::CountText</name>
    <message numerus="yes">
        <source>%1 successes</source>
        <translation>
            <numerusform>%1 éxito</numerusform>
            <numerusform>%1 éxitos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 dice</source>
        <translation>
            <numerusform>%1 dado</numerusform>
            <numerusform>%1 dados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::Dialogs</name>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ya existe. ¿Reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>corvane::EngineText</name>
    <message>
        <source>Type a target from %1 to %2 to see the chances.</source>
        <translation>Escribe una dificultad de %1 a %2 para ver las probabilidades.</translation>
    </message>
</context>
<context>
    <name>corvane::EveningText</name>
    <message numerus="yes">
        <source>%1 rolls</source>
        <translation>
            <numerusform>%1 tirada</numerusform>
            <numerusform>%1 tiradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 dice</source>
        <translation>
            <numerusform>%1 dado</numerusform>
            <numerusform>%1 dados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 successes</source>
        <translation>
            <numerusform>%1 éxito</numerusform>
            <numerusform>%1 éxitos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 faces</source>
        <translation>
            <numerusform>%1 cara</numerusform>
            <numerusform>%1 caras</numerusform>
        </translation>
    </message>
    <message>
        <source>No rolls yet this evening</source>
        <translation>Aún no hay tiradas esta noche</translation>
    </message>
    <message>
        <source>This evening: %1 with %2, %3 (%4 expected): %5</source>
        <extracomment>%1 is &quot;42 rolls&quot;, %2 &quot;2,340 dice&quot;, %3 &quot;812 successes&quot;, %4 the successes fair dice expect, %5 the evening&apos;s luck: &quot;top 12% (1 in 8)&quot;.</extracomment>
        <translation>Esta noche: %1 con %2, %3 (%4 de media): %5</translation>
    </message>
    <message>
        <source>Every roll from the first on counts for the evening.</source>
        <translation>Cuenta para la noche cada tirada desde la primera.</translation>
    </message>
    <message>
        <source>Every roll since the program started counts, those the log no longer lists too.</source>
        <translation>Cuenta cada tirada desde que se abrió el programa, también las que el historial ya no muestra.</translation>
    </message>
    <message>
        <source>more %1 than expected</source>
        <translation>más %1 de lo esperado</translation>
    </message>
    <message>
        <source>fewer %1 than expected</source>
        <translation>menos %1 de lo esperado</translation>
    </message>
    <message>
        <source>No dice thrown yet to check for fairness</source>
        <translation>Aún no se ha tirado ningún dado para comprobar si son justos</translation>
    </message>
    <message>
        <source>The dice stopped on 1: %1, 2: %2, 3: %3, 4: %4, 5: %5; sixes rolled on the way: %6.</source>
        <extracomment>%1 to %5 count the dice that stopped on 1 to 5, %6 the sixes they rolled on the way.</extracomment>
        <translation>Los dados se quedaron en 1: %1, 2: %2, 3: %3, 4: %4, 5: %5; seises que salieron por el camino: %6.</translation>
    </message>
    <message>
        <source>Fair dice expect %1 of each.</source>
        <translation>Con dados justos se esperan %1 de cada uno.</translation>
    </message>
    <message>
        <source>Furthest from that, as the check weighs them: the %1.</source>
        <extracomment>%1 is &quot;ones&quot; to &quot;sixes&quot;.</extracomment>
        <translation>Lo más alejado de eso, según pondera la prueba: los %1.</translation>
    </message>
    <message>
        <source>%1 is the chance that fair dice stray at least this far; below %2 the check calls them unusual.</source>
        <extracomment>%1 is &quot;p = 0.41&quot;, %2 the threshold, &quot;0.05&quot;.</extracomment>
        <translation>%1 es la probabilidad de que unos dados justos se desvíen al menos tanto; por debajo de %2 la prueba los considera raros.</translation>
    </message>
    <message>
        <source>ones</source>
        <translation>unos</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>doses</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>treses</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>cuatros</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>cincos</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>seises</translation>
    </message>
    <message>
        <source>faces</source>
        <translation>caras</translation>
    </message>
    <message>
        <source>For fair dice, an evening of as many rolls at least this lucky has a chance of %1, one at most this lucky %2.</source>
        <extracomment>%1 and %2 are chances, &quot;12.3%&quot;.</extracomment>
        <translation>Con dados justos, una velada de tantas tiradas al menos así de afortunada tiene una probabilidad de %1; una como mucho así de afortunada, %2.</translation>
    </message>
    <message>
        <source>Each roll counts alike, by its own luck given the rolls before it, a tie with rolls just as good broken at random as it is made: so these chances hold whatever you chose to roll or reroll.</source>
        <translation>Cada tirada cuenta igual, por su propia suerte dadas las tiradas anteriores, y un empate con tiradas igual de buenas se decide al azar al hacerla: así estas probabilidades valen decidas lo que decidas tirar o repetir.</translation>
    </message>
    <message>
        <source>The dice look fair: nothing unusual in %1</source>
        <extracomment>%1 is &quot;2,340 faces&quot;.</extracomment>
        <translation>Los dados parecen justos: nada inusual en %1</translation>
    </message>
    <message>
        <source>The dice look unusual: %1 (%2 for fair dice)</source>
        <extracomment>%1 is &quot;more ones than expected&quot;, %2 &quot;1 in 80&quot;: how seldom fair dice stray so far.</extracomment>
        <translation>Los dados parecen inusuales: %1 (%2 con dados justos)</translation>
    </message>
    <message>
        <source>%1: %2, %3 (%4 expected): %5. %6</source>
        <extracomment>A member&apos;s evening at a shared table: %1 is the name, %2 &quot;12 rolls&quot;, %3 &quot;812 successes&quot;, %4 the successes fair dice expect, %5 &quot;top 12% (1 in 8)&quot;, %6 what the fairness line says of the member&apos;s dice.</extracomment>
        <translation>%1: %2, %3 (%4 de media): %5. %6</translation>
    </message>
</context>
<context>
    <name>corvane::FramedSocket</name>
    <message>
        <source>The connection closed.</source>
        <translation>Se cerró la conexión.</translation>
    </message>
    <message>
        <source>The other end stopped answering.</source>
        <translation>El otro extremo dejó de responder.</translation>
    </message>
    <message>
        <source>The other end stopped reading.</source>
        <translation>El otro lado dejó de leer.</translation>
    </message>
    <message>
        <source>A frame was larger or smaller than any frame may be.</source>
        <translation>Llegó un paquete más grande o más pequeño de lo permitido.</translation>
    </message>
    <message>
        <source>A frame came that no member of this table sends.</source>
        <translation>Llegó un paquete que ningún jugador de esta mesa envía.</translation>
    </message>
    <message>
        <source>A frame came without this table&apos;s code.</source>
        <translation>Llegó un paquete sin el código de esta mesa.</translation>
    </message>
</context>
<context>
    <name>corvane::LogFile</name>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texto sin formato (*.txt)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>Markdown table (*.md)</source>
        <translation>Tabla Markdown (*.md)</translation>
    </message>
    <message numerus="yes">
        <source>The evening, every roll since the program started, not only the %n above:</source>
        <translation>
            <numerusform>La velada, cada tirada desde que empezó el programa, no solo la de arriba:</numerusform>
            <numerusform>La velada, cada tirada desde que empezó el programa, no solo las %n de arriba:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::LogTable</name>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Éxitos</translation>
    </message>
    <message>
        <source>Botch</source>
        <translation>Pifia</translation>
    </message>
    <message>
        <source>High roll</source>
        <translation>Dado más alto</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>First rerolled</source>
        <translation>Primero repetido</translation>
    </message>
    <message>
        <source>Replaced</source>
        <translation>Sustituidos</translation>
    </message>
    <message>
        <source>Dice thrown</source>
        <translation>Dados tirados</translation>
    </message>
    <message>
        <source>Their successes</source>
        <translation>Sus éxitos</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperados</translation>
    </message>
    <message>
        <source>Chance at least as well</source>
        <translation>Probabilidad de al menos lo mismo</translation>
    </message>
    <message>
        <source>Chance at most as well</source>
        <translation>Probabilidad de como mucho lo mismo</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Suerte</translation>
    </message>
</context>
<context>
    <name>corvane::LuckText</name>
    <message>
        <source>1 in over %1</source>
        <translation>1 entre más de %1</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <translation>1 entre %1</translation>
    </message>
    <message>
        <source>certain</source>
        <extracomment>A roll or an evening that could not have come out otherwise.</extracomment>
        <translation>segura</translation>
    </message>
    <message>
        <source>top %1</source>
        <extracomment>A roll as good as this or better comes in %1 of rolls.</extracomment>
        <translation>entre el %1 mejor</translation>
    </message>
    <message>
        <source>bottom %1</source>
        <extracomment>A roll as poor as this or worse comes in %1 of rolls.</extracomment>
        <translation>entre el %1 peor</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is &quot;top 8%&quot;, %2 the odds: &quot;1 in 12&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>about average</source>
        <extracomment>A roll or an evening in the middle half of how fair dice come out.</extracomment>
        <translation>más o menos en la media</translation>
    </message>
</context>
<context>
    <name>corvane::NumberFormat</name>
    <message>
        <source>C</source>
        <extracomment>The locale whose numbers the program writes, such as de_DE.</extracomment>
        <translation>es_ES</translation>
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
        <translation>%1 éxitos de media (ahora %2);
%3 de probabilidad de ganar al menos uno.</translation>
    </message>
    <message>
        <source>Each die succeeds %1 of the time at target %2.</source>
        <translation>A dificultad %2, cada dado acierta el %1 de las veces.</translation>
    </message>
    <message numerus="yes">
        <source>%n dice</source>
        <translation>
            <numerusform>%n dado</numerusform>
            <numerusform>%n dados</numerusform>
        </translation>
    </message>
    <message>
        <source>Chance of at least %1 with %2 at target %3: %4.
Chance of a botch: %5.</source>
        <extracomment>%1 is &quot;3 successes&quot;, %2 &quot;5 dice&quot;, %3 the target number, %4 and %5 percentages.</extracomment>
        <translation>Probabilidad de al menos %1 con %2 a dificultad %3: %4.
Probabilidad de pifia: %5.</translation>
    </message>
    <message numerus="yes">
        <source>%n failures</source>
        <translation>
            <numerusform>%n fallo</numerusform>
            <numerusform>%n fallos</numerusform>
        </translation>
    </message>
    <message>
        <source>Rerolling %1:
%2</source>
        <extracomment>%1 is &quot;2 failures&quot;; %2 the expected successes after the reroll.</extracomment>
        <translation>Repetir %1:
%2</translation>
    </message>
    <message>
        <source>Select a die in the list to reroll it and every die below it.</source>
        <translation>Elige un dado de la lista para repetirlo junto con todos los que tiene debajo.</translation>
    </message>
    <message>
        <source>Rerolling the selected die:
%1</source>
        <extracomment>%1 is the expected successes after the reroll.</extracomment>
        <translation>Repetir el dado elegido:
%1</translation>
    </message>
    <message numerus="yes">
        <source>Rerolling the selected die and %n below it:
%1</source>
        <translation>
            <numerusform>Repetir el dado elegido y %n debajo:
%1</numerusform>
            <numerusform>Repetir el dado elegido y %n debajo:
%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::PoolKeeper</name>
    <message>
        <source>Saved Pools</source>
        <translation>Reservas guardadas</translation>
    </message>
    <message>
        <source>Save Pool</source>
        <translation>Guardar reserva</translation>
    </message>
    <message>
        <source>Replace the saved pool &quot;%1&quot;?</source>
        <translation>¿Reemplazar la reserva guardada «%1»?</translation>
    </message>
    <message>
        <source>Pool saved.</source>
        <translation>Reserva guardada.</translation>
    </message>
    <message>
        <source>Not saved: kept until you close the program.</source>
        <translation>No guardada: se conserva hasta que cierres el programa.</translation>
    </message>
    <message>
        <source>Rename Pool</source>
        <translation>Renombrar reserva</translation>
    </message>
    <message>
        <source>New name of the pool:</source>
        <translation>Nuevo nombre de la reserva:</translation>
    </message>
    <message>
        <source>Pool renamed.</source>
        <translation>Reserva renombrada.</translation>
    </message>
    <message>
        <source>Export Pools</source>
        <translation>Exportar reservas</translation>
    </message>
    <message>
        <source>Pools (*.json)</source>
        <translation>Reservas (*.json)</translation>
    </message>
    <message>
        <source>The pools could not be exported to %1: %2.</source>
        <translation>No se pudieron exportar las reservas a %1: %2.</translation>
    </message>
    <message>
        <source>Pools exported.</source>
        <translation>Reservas exportadas.</translation>
    </message>
    <message>
        <source>Import Pools</source>
        <translation>Importar reservas</translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <extracomment>%1 is &quot;1 pool&quot; or &quot;4 pools&quot;.</extracomment>
        <translation>Importado: %1.</translation>
    </message>
    <message>
        <source>Nothing imported: %1 cannot be read as saved pools, because %2.</source>
        <translation>No se importó nada: %1 no se puede leer como reservas guardadas, porque %2.</translation>
    </message>
    <message>
        <source>Nothing saved: a pool has %1 to %2 dice and a target from %3 to %4.</source>
        <translation>No se guardó nada: una reserva tiene de %1 a %2 dados y una dificultad de %3 a %4.</translation>
    </message>
    <message>
        <source>Name for %1:</source>
        <extracomment>%1 is what the pool rolls: &quot;7 dice at target 4&quot;.</extracomment>
        <translation>Nombre para %1:</translation>
    </message>
    <message>
        <source>A name has 1 to %1 characters.</source>
        <translation>Un nombre tiene de 1 a %1 caracteres.</translation>
    </message>
    <message>
        <source>There is a pool named &quot;%1&quot; already.</source>
        <translation>Ya hay una reserva llamada «%1».</translation>
    </message>
    <message>
        <source>%1: yours %2, imported %3</source>
        <extracomment>One pool of the same name on both sides: %1 its name, %2 and %3 what each rolls.</extracomment>
        <translation>%1: la tuya %2, importada %3</translation>
    </message>
    <message>
        <source>Already in your list under the same name:</source>
        <translation>Ya en tu lista con el mismo nombre:</translation>
    </message>
    <message>
        <source>Yes: take the imported ones. No: keep yours and import the rest. Cancel: import nothing.</source>
        <translation>Sí: tomar las importadas. No: conservar las tuyas e importar el resto. Cancelar: no importar nada.</translation>
    </message>
</context>
<context>
    <name>corvane::PoolLock</name>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>no se pudo crear la carpeta %1</translation>
    </message>
    <message>
        <source>%1 is in the way of the lock file that saving takes: move it away</source>
        <translation>%1 ocupa el sitio del archivo de bloqueo que usa el guardado: muévelo a otra parte</translation>
    </message>
    <message>
        <source>there is no space left on the disk of %1</source>
        <translation>no queda espacio en el disco de %1</translation>
    </message>
    <message>
        <source>no file can be written in the folder %1</source>
        <translation>no se puede escribir ningún archivo en la carpeta %1</translation>
    </message>
    <message>
        <source>another copy of Corvane Dice is saving pools right now</source>
        <translation>otra copia de Corvane Dice está guardando reservas en este momento</translation>
    </message>
    <message>
        <source>another copy of Corvane Dice (process %1 on %2) is saving pools right now</source>
        <translation>otra copia de Corvane Dice (proceso %1 en %2) está guardando reservas en este momento</translation>
    </message>
</context>
<context>
    <name>corvane::PoolMessages</name>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>no se puede abrir (%1)</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>ocupa más de 1 MiB</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>está cortado</translation>
    </message>
    <message>
        <source>it is not a pools file</source>
        <translation>no es un archivo de reservas</translation>
    </message>
    <message>
        <source>it was written by a newer version of Corvane Dice</source>
        <translation>lo escribió una versión más reciente de Corvane Dice</translation>
    </message>
    <message>
        <source>its list of pools is missing</source>
        <translation>le falta la lista de reservas</translation>
    </message>
    <message>
        <source>pool %1 in it is not a name with a number of dice and a target</source>
        <translation>su reserva %1 no es un nombre con un número de dados y una dificultad</translation>
    </message>
    <message>
        <source>the name of pool %1 in it is longer than %2 characters</source>
        <translation>el nombre de su reserva %1 tiene más de %2 caracteres</translation>
    </message>
    <message>
        <source>pool %1 in it has the same name as a pool before it</source>
        <translation>su reserva %1 se llama igual que una reserva anterior</translation>
    </message>
    <message>
        <source>it holds more than %1 pools</source>
        <translation>contiene más de %1 reservas</translation>
    </message>
    <message>
        <source>it is a folder, a pipe or a device, not a file</source>
        <translation>es una carpeta, una tubería o un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>The saved pools cannot be read from %1: %2. It is left as it is; to save pools, move it away.</source>
        <translation>No se pueden leer las reservas guardadas de %1: %2. Se deja como está; para guardar reservas, muévelo a otra parte.</translation>
    </message>
    <message>
        <source>The saved pools in %1 cannot all be read: %2. The file is left as it is, and the program goes on with the %3 it could read. Your next save asks before it changes anything.</source>
        <extracomment>%3 is &quot;1 pool&quot; or &quot;4 pools&quot;.</extracomment>
        <translation>No se pueden leer todas las reservas guardadas en %1: %2. El archivo se deja como está y el programa sigue con las que pudo leer (%3). Tu próximo guardado preguntará antes de cambiar nada.</translation>
    </message>
    <message>
        <source>The saved pools in %1 cannot all be read: %2. To save, the program keeps that file aside under a dated name and writes a new one with the %3 it could read and your changes. Save?</source>
        <extracomment>%3 is &quot;1 pool&quot; or &quot;4 pools&quot;.</extracomment>
        <translation>No se pueden leer todas las reservas guardadas en %1: %2. Para guardar, el programa aparta ese archivo con un nombre fechado y escribe uno nuevo con las que pudo leer (%3) y tus cambios. ¿Guardar?</translation>
    </message>
    <message>
        <source>The unreadable pools file is kept as %1.</source>
        <translation>El archivo de reservas ilegible se conserva como %1.</translation>
    </message>
    <message>
        <source>Your pools could not be saved in %1: %2. They stay in the list until you close the program, and the next save tries again.</source>
        <translation>No se pudieron guardar tus reservas en %1: %2. Siguen en la lista hasta que cierres el programa, y el próximo guardado lo vuelve a intentar.</translation>
    </message>
    <message>
        <source>Not changed: the pool &quot;%1&quot; was deleted or renamed meanwhile by another copy of Corvane Dice.</source>
        <translation>Sin cambios: otra copia de Corvane Dice ha borrado o renombrado entretanto la reserva «%1».</translation>
    </message>
    <message>
        <source>Not changed: there is a saved pool named &quot;%1&quot; already.</source>
        <translation>Sin cambios: ya hay una reserva guardada llamada «%1».</translation>
    </message>
    <message>
        <source>The list holds at most %1 pools: delete one to save another.</source>
        <translation>La lista admite como mucho %1 reservas: borra una para guardar otra.</translation>
    </message>
    <message>
        <source>pool %1 in it has more dice than a roll can hold (%2)</source>
        <translation>su reserva %1 tiene más dados de los que cabe tirar (%2)</translation>
    </message>
</context>
<context>
    <name>corvane::PoolStore</name>
    <message>
        <source>it is a folder, a pipe or a device, not a file: move it away</source>
        <translation>es una carpeta, una tubería o un dispositivo, no un archivo: muévelo a otra parte</translation>
    </message>
</context>
<context>
    <name>corvane::PoolsWindow</name>
    <message>
        <source>Pools</source>
        <translation>Reservas</translation>
    </message>
    <message>
        <source>Saved pools; Ctrl+1 to Ctrl+9 roll the first nine</source>
        <translation>Reservas guardadas; Ctrl+1 a Ctrl+9 tiran las nueve primeras</translation>
    </message>
    <message>
        <source>Roll Pool</source>
        <translation>Tirar reserva</translation>
    </message>
    <message>
        <source>Rename Pool...</source>
        <translation>Renombrar reserva...</translation>
    </message>
    <message>
        <source>Delete Pool</source>
        <translation>Borrar reserva</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Deshacer borrado</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Export Pools...</source>
        <translation>Exportar reservas...</translation>
    </message>
    <message>
        <source>Import Pools...</source>
        <translation>Importar reservas...</translation>
    </message>
    <message>
        <source>Pool deleted; Ctrl+Z brings it back.</source>
        <translation>Reserva borrada; Ctrl+Z la recupera.</translation>
    </message>
    <message>
        <source>Pool restored.</source>
        <translation>Reserva recuperada.</translation>
    </message>
    <message>
        <source>Pool moved.</source>
        <translation>Reserva movida.</translation>
    </message>
    <message>
        <source>The pool is first already.</source>
        <translation>La reserva ya es la primera.</translation>
    </message>
    <message>
        <source>The pool is last already.</source>
        <translation>La reserva ya es la última.</translation>
    </message>
    <message>
        <source>Enter rolls, F2 renames, Delete deletes, Alt+Up and Alt+Down move the selected pool.</source>
        <translation>Intro tira, F2 renombra, Supr borra, Alt+Arriba y Alt+Abajo mueven la reserva elegida.</translation>
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
        <translation>%1 (pifia)</translation>
    </message>
    <message>
        <source>Successes: %1</source>
        <translation>Éxitos: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n successes.</source>
        <translation>
            <numerusform>%n éxito.</numerusform>
            <numerusform>%n éxitos.</numerusform>
        </translation>
    </message>
    <message>
        <source>High roll: %1, Total roll: %2</source>
        <translation>Más alto: %1, Total: %2</translation>
    </message>
    <message>
        <source>The list and the pool disagreed; nothing changed.</source>
        <translation>La lista y la reserva no coincidían; nada cambió.</translation>
    </message>
    <message>
        <source>Dice to Roll: type a number from %1 to %2.</source>
        <translation>Reserva: escribe un número de %1 a %2.</translation>
    </message>
    <message>
        <source>Target Number: type from %1 to %2.</source>
        <translation>Dificultad: escribe de %1 a %2.</translation>
    </message>
    <message>
        <source>The dice add up past %1: roll at most %2.</source>
        <translation>La suma pasa de %1: tira hasta %2.</translation>
    </message>
    <message>
        <source>Rerolling %1 dice would pass %2.</source>
        <extracomment>%1 is how many dice the reroll would throw, %2 the highest total.</extracomment>
        <translation>Repetir %1 dados pasaría de %2.</translation>
    </message>
    <message>
        <source>The total passed %1 this time: roll at most %2.</source>
        <extracomment>%1 is the highest total, %2 the most dice that nearly always stay within it.</extracomment>
        <translation>Esta vez el total pasó de %1: tira hasta %2.</translation>
    </message>
</context>
<context>
    <name>corvane::ResultsModel</name>
    <message>
        <source>%1, success</source>
        <extracomment>How a screen reader reads a die in the results list; %1 is the die.</extracomment>
        <translation>%1, éxito</translation>
    </message>
    <message>
        <source>%1, failure</source>
        <translation>%1, fallo</translation>
    </message>
    <message>
        <source>%1, high roll, die 1 of %2</source>
        <extracomment>The first row of the results list, the highest die; %1 is &quot;14, success&quot;, %2 the number of dice.</extracomment>
        <translation>%1, dado más alto, dado 1 de %2</translation>
    </message>
</context>
<context>
    <name>corvane::RollLogWindow</name>
    <message>
        <source>Roll Log</source>
        <translation>Historial de tiradas</translation>
    </message>
    <message>
        <source>Rolls, newest first</source>
        <translation>Tiradas, las más recientes primero</translation>
    </message>
    <message>
        <source>Copy Rolls</source>
        <translation>Copiar tiradas</translation>
    </message>
    <message>
        <source>Save Log...</source>
        <translation>Guardar historial...</translation>
    </message>
    <message>
        <source>Save Selected Rolls...</source>
        <translation>Guardar tiradas elegidas...</translation>
    </message>
    <message>
        <source>No rolls selected.</source>
        <translation>No hay tiradas elegidas.</translation>
    </message>
    <message>
        <source>No rolls to save.</source>
        <translation>No hay tiradas que guardar.</translation>
    </message>
    <message>
        <source>Save Roll Log</source>
        <translation>Guardar historial de tiradas</translation>
    </message>
    <message>
        <source>The roll log could not be saved to %1: %2.</source>
        <translation>No se pudo guardar el historial de tiradas en %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls saved.</source>
        <translation>
            <numerusform>%n tirada guardada.</numerusform>
            <numerusform>%n tiradas guardadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Roll copied.</source>
        <translation>Tirada copiada.</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls copied.</source>
        <translation>
            <numerusform>%n tirada copiada.</numerusform>
            <numerusform>%n tiradas copiadas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::RollText</name>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... y %n más</numerusform>
            <numerusform>... y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>die %1</source>
        <translation>dado %1</translation>
    </message>
    <message>
        <source>dice %1 to %2</source>
        <translation>dados %1 a %2</translation>
    </message>
    <message>
        <source>Die %1 was: %2.</source>
        <translation>El dado %1 era: %2.</translation>
    </message>
    <message>
        <source>Dice %1 to %2 were: %3.</source>
        <translation>Los dados %1 a %2 eran: %3.</translation>
    </message>
    <message>
        <source>%1 at target %2</source>
        <extracomment>%1 is &quot;10 dice&quot;, %2 the target number.</extracomment>
        <translation>%1 a dificultad %2</translation>
    </message>
    <message>
        <source>%1 (botch)</source>
        <translation>%1 (pifia)</translation>
    </message>
    <message>
        <source>%1 (high roll %2, total roll %3)</source>
        <translation>%1 (dado más alto %2, total %3)</translation>
    </message>
    <message>
        <source>luck: %1</source>
        <extracomment>%1 is &quot;top 8% (1 in 12)&quot; or &quot;bottom 15%&quot;.</extracomment>
        <translation>suerte: %1</translation>
    </message>
    <message>
        <source>luck of the die rolled again: %1</source>
        <extracomment>%1 is &quot;top 8% (1 in 12)&quot; or &quot;bottom 15%&quot;.</extracomment>
        <translation>suerte del dado repetido: %1</translation>
    </message>
    <message>
        <source>luck of the %1 rolled again: %2</source>
        <extracomment>%1 is &quot;4 dice&quot;, %2 &quot;top 8% (1 in 12)&quot; or &quot;bottom 15%&quot;.</extracomment>
        <translation>suerte de los %1 repetidos: %2</translation>
    </message>
    <message>
        <source>%1, %2: %3; %4.</source>
        <extracomment>%1 is what was done, %2 &quot;10 dice at target 5&quot;, %3 &quot;5 successes (high roll 14, total roll 51)&quot;, %4 &quot;luck: top 8% (1 in 12)&quot;.</extracomment>
        <translation>%1, %2: %3; %4.</translation>
    </message>
    <message>
        <source>Dice: %1.</source>
        <translation>Dados: %1.</translation>
    </message>
    <message>
        <source>%1, botch</source>
        <translation>%1, pifia</translation>
    </message>
    <message>
        <source>%1. High roll %2, total %3.</source>
        <extracomment>Spoken after a roll. %1 is &quot;5 successes&quot;, %2 the highest die, %3 the total.</extracomment>
        <translation>%1. Dado más alto %2, total %3.</translation>
    </message>
    <message>
        <source>Reroll Failures</source>
        <translation>Repetir fallos</translation>
    </message>
    <message>
        <source>Reroll from Marker Down</source>
        <translation>Repetir desde el marcador</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>What was done: a new roll, beside &quot;Reroll Failures&quot; and &quot;Reroll from Marker Down&quot;.</extracomment>
        <translation>Tirada</translation>
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
        <translation>Dado %1 repetido: %2</translation>
    </message>
    <message>
        <source>Rerolled dice %1 to %2: %3</source>
        <extracomment>Spoken after a reroll; %3 is &quot;5 successes. High roll 14, total 51.&quot;</extracomment>
        <translation>Dados %1 a %2 repetidos: %3</translation>
    </message>
    <message>
        <source>%1, round %2, checked: </source>
        <extracomment>At a shared table: the member who rolled, the table&apos;s round, and that this program checked the round itself.</extracomment>
        <translation>%1, ronda %2, comprobada: </translation>
    </message>
</context>
<context>
    <name>corvane::Roller</name>
    <message>
        <source>No failures to reroll.</source>
        <translation>No hay fallos que repetir.</translation>
    </message>
    <message>
        <source>No marker specified.</source>
        <translation>No hay ningún dado marcado.</translation>
    </message>
</context>
<context>
    <name>corvane::RollerCommands</name>
    <message>
        <source>Copy Roll</source>
        <translation>Copiar tirada</translation>
    </message>
    <message>
        <source>Roll Log</source>
        <translation>Historial de tiradas</translation>
    </message>
    <message>
        <source>Chances</source>
        <translation>Probabilidades</translation>
    </message>
    <message>
        <source>Save Pool...</source>
        <translation>Guardar reserva...</translation>
    </message>
    <message>
        <source>Pools</source>
        <translation>Reservas</translation>
    </message>
    <message>
        <source>Roll Pool %1</source>
        <translation>Tirar reserva %1</translation>
    </message>
    <message>
        <source>About Corvane Dice</source>
        <translation>Acerca de Corvane Dice</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Roll %1: %2</source>
        <extracomment>A menu entry that rolls a saved pool: %1 its place in the list (1 to 9), %2 its name.</extracomment>
        <translation>Tirar %1: %2</translation>
    </message>
    <message>
        <source>No pool %1 saved.</source>
        <translation>No hay reserva %1 guardada.</translation>
    </message>
    <message>
        <source>Roll copied.</source>
        <translation>Tirada copiada.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Roll a Pool</source>
        <translation>Tirar una reserva</translation>
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
        <translation>&amp;Tirar</translation>
    </message>
    <message>
        <source>Reroll &amp;Failures</source>
        <translation>Repetir
&amp;fallos</translation>
    </message>
    <message>
        <source>Reroll from
&amp;Marker Down</source>
        <extracomment>Two lines, each as wide as the Roll button at most.</extracomment>
        <translation>Repetir desde
el &amp;marcador</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Dice to Roll</source>
        <translation>Reserva</translation>
    </message>
    <message>
        <source>Target Number</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Éxitos</translation>
    </message>
    <message>
        <source>About Corvane Dice</source>
        <translation>Acerca de Corvane Dice</translation>
    </message>
    <message>
        <source>About Corvane Dice (F1)</source>
        <translation>Acerca de Corvane Dice (F1)</translation>
    </message>
</context>
<context>
    <name>corvane::SavedPool</name>
    <message numerus="yes">
        <source>%n pools</source>
        <translation>
            <numerusform>%n reserva</numerusform>
            <numerusform>%n reservas</numerusform>
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
        <translation>%1 a dificultad %2</translation>
    </message>
</context>
<context>
    <name>corvane::Settings</name>
    <message>
        <source>it cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>it is not a settings file of Corvane Dice</source>
        <translation>no es un archivo de configuración de Corvane Dice</translation>
    </message>
    <message>
        <source>it was written by another version of Corvane Dice</source>
        <translation>lo escribió otra versión de Corvane Dice</translation>
    </message>
    <message>
        <source>the settings file %1 is kept as it is, because %2</source>
        <translation>el archivo de configuración %1 se deja como está, porque %2</translation>
    </message>
</context>
<context>
    <name>corvane::TableGuest</name>
    <message>
        <source>The host now holds another table.</source>
        <translation>El anfitrión tiene ahora otra mesa abierta.</translation>
    </message>
    <message>
        <source>The code is not this table&apos;s.</source>
        <translation>El código no es el de esta mesa.</translation>
    </message>
    <message>
        <source>The host sent what does not check: %1</source>
        <translation>El anfitrión envió algo que no pasa la comprobación: %1</translation>
    </message>
    <message>
        <source>The table is full: it seats %1.</source>
        <extracomment>%1 is the most members a table seats.</extracomment>
        <translation>La mesa está llena: tiene %1 sitios.</translation>
    </message>
    <message>
        <source>The host closed the table.</source>
        <translation>El anfitrión cerró la mesa.</translation>
    </message>
    <message>
        <source>The host sent a frame no host sends.</source>
        <translation>El anfitrión envió un paquete que ningún anfitrión envía.</translation>
    </message>
    <message>
        <source>Could not join the table: %1</source>
        <translation>No se pudo entrar en la mesa: %1</translation>
    </message>
    <message>
        <source>Lost the table&apos;s host; trying again.</source>
        <translation>Se perdió la conexión con el anfitrión; volviendo a intentarlo.</translation>
    </message>
    <message>
        <source>The table closed: its host is gone.</source>
        <translation>La mesa se cerró: su anfitrión ya no está.</translation>
    </message>
    <message>
        <source>You left the table.</source>
        <translation>Has salido de la mesa.</translation>
    </message>
</context>
<context>
    <name>corvane::TableHost</name>
    <message>
        <source>You closed the table.</source>
        <translation>Has cerrado la mesa.</translation>
    </message>
</context>
<context>
    <name>corvane::TableLink</name>
    <message>
        <source>%1 joined the table.</source>
        <translation>%1 se ha sentado a la mesa.</translation>
    </message>
    <message>
        <source>%1 left the table.</source>
        <translation>%1 ha salido de la mesa.</translation>
    </message>
</context>
<context>
    <name>corvane::TableRolls</name>
    <message>
        <source>Another roll is on the table: roll again once it is done.</source>
        <translation>Hay otra tirada en la mesa: tira cuando termine.</translation>
    </message>
    <message>
        <source>Roll at the table before rerolling there.</source>
        <translation>Tira en la mesa antes de repetir allí.</translation>
    </message>
</context>
<context>
    <name>corvane::TableSession</name>
    <message>
        <source>The table&apos;s transcript could not be saved to %1: %2.</source>
        <translation>No se pudo guardar el registro de la mesa en %1: %2.</translation>
    </message>
    <message>
        <source>The table&apos;s transcript is in %1.</source>
        <translation>El registro de la mesa está en %1.</translation>
    </message>
</context>
<context>
    <name>corvane::TableText</name>
    <message>
        <source>The table has closed.</source>
        <translation>La mesa se ha cerrado.</translation>
    </message>
    <message>
        <source>You host on port %1. Players join at %2 with the code: %3</source>
        <extracomment>%1 is the port, %2 this machine&apos;s addresses, %3 the join code.</extracomment>
        <translation>Eres el anfitrión en el puerto %1. Los jugadores entran en %2 con el código: %3</translation>
    </message>
    <message>
        <source>Joining the table...</source>
        <translation>Entrando en la mesa...</translation>
    </message>
    <message>
        <source>At %1&apos;s table.</source>
        <translation>En la mesa de %1.</translation>
    </message>
    <message>
        <source>host</source>
        <translation>anfitrión</translation>
    </message>
    <message>
        <source>you</source>
        <translation>tú</translation>
    </message>
    <message>
        <source>left</source>
        <translation>se fue</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>en línea</translation>
    </message>
    <message>
        <source>away</source>
        <translation>sin conexión</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A member of the table: %1 is the name, %2 &quot;host, you, connected&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2, high roll %3.</source>
        <extracomment>Another member&apos;s roll, heard once: %1 is the name, %2 &quot;3 successes&quot;, %3 the highest die.</extracomment>
        <translation>%1: %2, dado más alto %3.</translation>
    </message>
    <message>
        <source>Round %1 given up: %2 did not answer.</source>
        <extracomment>%1 is the round&apos;s number, %2 the members who did not answer in time; the round changed nothing.</extracomment>
        <translation>Ronda %1 anulada: sin respuesta de %2.</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>Esperando a %1...</translation>
    </message>
</context>
<context>
    <name>corvane::TableWindow</name>
    <message>
        <source>R&amp;emember my name</source>
        <translation>&amp;Recordar mi nombre</translation>
    </message>
    <message>
        <source>&amp;Host Table</source>
        <translation>&amp;Abrir mesa</translation>
    </message>
    <message>
        <source>&amp;Join Table</source>
        <translation>&amp;Unirse a la mesa</translation>
    </message>
    <message>
        <source>&amp;Remove Member</source>
        <translation>&amp;Quitar jugador</translation>
    </message>
    <message>
        <source>&amp;Leave Table</source>
        <translation>&amp;Salir de la mesa</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>address:port</source>
        <translation>dirección:puerto</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Tu &amp;nombre:</translation>
    </message>
    <message>
        <source>Host a table</source>
        <translation>Abrir una mesa</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Puerto:</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Código:</translation>
    </message>
    <message>
        <source>Join a table</source>
        <translation>Unirse a una mesa</translation>
    </message>
    <message>
        <source>Host&apos;s &amp;address:</source>
        <translation>&amp;Dirección del anfitrión:</translation>
    </message>
    <message>
        <source>C&amp;ode:</source>
        <translation>Códi&amp;go:</translation>
    </message>
    <message>
        <source>Type a name of 1 to 32 letters to sit at a table with.</source>
        <translation>Escribe un nombre de 1 a 32 caracteres para sentarte a una mesa.</translation>
    </message>
    <message>
        <source>Type a code for the table, or keep the one given.</source>
        <translation>Escribe un código para la mesa o quédate con el propuesto.</translation>
    </message>
    <message>
        <source>Could not host on port %1: %2</source>
        <translation>No se pudo abrir la mesa en el puerto %1: %2</translation>
    </message>
    <message>
        <source>You host a table.</source>
        <translation>Has abierto una mesa.</translation>
    </message>
    <message>
        <source>Type the code the host gave.</source>
        <translation>Escribe el código que te dio el anfitrión.</translation>
    </message>
    <message>
        <source>Type the host&apos;s address and port, as 192.168.1.20:%1.</source>
        <translation>Escribe la dirección y el puerto del anfitrión, como 192.168.1.20:%1.</translation>
    </message>
    <message>
        <source>Joining the table at %1...</source>
        <translation>Uniéndote a la mesa en %1...</translation>
    </message>
    <message>
        <source>A member can be removed once the open round is done.</source>
        <translation>Solo se puede quitar a un jugador cuando termine la ronda en curso.</translation>
    </message>
</context>
</TS>
