<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>corvane::AboutText</name>
    <message>
        <source>Copyright © 2026 the Corvane Dice developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 os desenvolvedores do Corvane Dice. Software livre sob a GNU GPL, versão 3 ou posterior.</translation>
    </message>
</context>
<context>
    <name>corvane::AtomicFile</name>
    <message>
        <source>there is not enough space left on the disk (the file needs %1, %2 are free)</source>
        <extracomment>%1 and %2 are sizes such as &quot;6.7 kB&quot;.</extracomment>
        <translation>não há espaço suficiente no disco (o arquivo precisa de %1, há %2 livres)</translation>
    </message>
    <message>
        <source>the disk did not confirm that the file was written (%1)</source>
        <translation>o disco não confirmou que o arquivo foi gravado (%1)</translation>
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
        <translation>Chance de cada número de sucessos</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Rolled</source>
        <translation>Rolado</translation>
    </message>
    <message>
        <source>First column.</source>
        <translation>Primeira coluna.</translation>
    </message>
    <message>
        <source>Last column.</source>
        <translation>Última coluna.</translation>
    </message>
    <message>
        <source>Rolled: %1</source>
        <extracomment>The mark over the rolled count; %1 is its luck: &quot;top 8% (1 in 12)&quot;.</extracomment>
        <translation>Rolado: %1</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Sucessos</translation>
    </message>
    <message>
        <source>Successes %1 to %2 (the rest: under 0.1%)</source>
        <translation>Sucessos de %1 a %2 (o resto: menos de 0,1%)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A stretch of the axis: &quot;3362 to 3640&quot;.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Successes %1 (the rest: under 0.1%)</source>
        <extracomment>%1 lists the stretches of the axis: &quot;3362 to 3640, 5160 to 5355&quot;.</extracomment>
        <translation>Sucessos %1 (o resto: menos de 0,1%)</translation>
    </message>
    <message>
        <source>%1 of %2 at target %3</source>
        <extracomment>%1 is how many dice are rolled again, %2 &quot;5 dice&quot;, %3 the target number.</extracomment>
        <translation>%1 de %2 na dificuldade %3</translation>
    </message>
    <message>
        <source>New roll: %1 at target %2</source>
        <extracomment>%1 is &quot;20 dice&quot;, %2 the target number.</extracomment>
        <translation>Nova rolagem: %1 na dificuldade %2</translation>
    </message>
    <message>
        <source>After Reroll Failures: %1 at target %2, none to reroll</source>
        <translation>Após rolar as falhas de novo: %1 na dificuldade %2, nenhuma para rolar</translation>
    </message>
    <message>
        <source>After Reroll Failures: %1</source>
        <translation>Após rolar as falhas de novo: %1</translation>
    </message>
    <message>
        <source>After Reroll from Marker Down: %1</source>
        <translation>Após rolar de novo do marcador: %1</translation>
    </message>
    <message>
        <source>%1 expected</source>
        <translation>%1 em média</translation>
    </message>
    <message>
        <source>%1 (rolled)</source>
        <translation>%1 (sua rolagem)</translation>
    </message>
    <message>
        <source>after Reroll Failures %1</source>
        <translation>após rolar as falhas de novo %1</translation>
    </message>
    <message>
        <source>after Reroll from Marker Down %1</source>
        <translation>após rolar de novo do marcador %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>most likely %1 (%2), %3</source>
        <translation>mais provável: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Rolled %1 with %2 at target %3.</source>
        <translation>Rolado: %1 com %2 na dificuldade %3.</translation>
    </message>
    <message>
        <source>Luck of the roll: %1; %2 from %3 thrown, %4 expected.</source>
        <extracomment>%1 is &quot;top 8% (1 in 12)&quot;, %2 &quot;7 successes&quot;, %3 &quot;10 dice&quot;, %4 the successes fair dice expect of them. A reroll throws only the dice it rolls again.</extracomment>
        <translation>Sorte da rolagem: %1; %2 com %3 rolados, %4 em média.</translation>
    </message>
    <message>
        <source>A new roll of %1 at target %2: %3; at least %4: %5.</source>
        <extracomment>%1 is &quot;20 dice&quot;, %2 the target number, %3 the likeliest count and the expected successes, %4 &quot;3 successes&quot;, %5 its chance.</extracomment>
        <translation>Uma nova rolagem de %1 na dificuldade %2: %3; pelo menos %4: %5.</translation>
    </message>
    <message>
        <source>Type from %1 to %2 dice to see a new roll&apos;s chances.</source>
        <translation>Digite de %1 a %2 dados para ver as chances de uma nova rolagem.</translation>
    </message>
    <message>
        <source>After Reroll Failures: no failures to reroll.</source>
        <translation>Após rolar as falhas de novo: não há falhas para rolar.</translation>
    </message>
    <message>
        <source>After Reroll Failures (%1): %2.</source>
        <translation>Após rolar as falhas de novo (%1): %2.</translation>
    </message>
    <message>
        <source>After Reroll from Marker Down (%1): %2.</source>
        <translation>Após rolar de novo do marcador (%1): %2.</translation>
    </message>
    <message>
        <source>Select a die in the list to see Reroll from Marker Down.</source>
        <translation>Escolha um dado na lista para ver a nova rolagem a partir do marcador.</translation>
    </message>
    <message>
        <source>Cannot roll: %1</source>
        <extracomment>A series whose dice would add up past the limit, said first so that a cut legend keeps it; %1 is its legend.</extracomment>
        <translation>Não dá para rolar: %1</translation>
    </message>
    <message>
        <source>Its dice would add up past %1 nearly every time, so it cannot be rolled.</source>
        <translation>Seus dados somariam mais de %1 quase sempre, então não dá para rolar.</translation>
    </message>
    <message>
        <source>A new roll of %1 at target %2: %3.</source>
        <extracomment>%1 is &quot;20 dice&quot;, %2 the target number, %3 the likeliest count and the expected successes.</extracomment>
        <translation>Uma nova rolagem de %1 na dificuldade %2: %3.</translation>
    </message>
</context>
<context>
    <name>corvane::CountText</name>
    <message numerus="yes">
        <source>%1 successes</source>
        <translation>
            <numerusform>%1 sucesso</numerusform>
            <numerusform>%1 sucessos</numerusform>
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
        <translation>%1 já existe. Substituir?</translation>
    </message>
</context>
<context>
    <name>corvane::EngineText</name>
    <message>
        <source>Type a target from %1 to %2 to see the chances.</source>
        <translation>Digite uma dificuldade de %1 a %2 para ver as chances.</translation>
    </message>
</context>
<context>
    <name>corvane::EveningText</name>
    <message numerus="yes">
        <source>%1 rolls</source>
        <translation>
            <numerusform>%1 rolagem</numerusform>
            <numerusform>%1 rolagens</numerusform>
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
            <numerusform>%1 sucesso</numerusform>
            <numerusform>%1 sucessos</numerusform>
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
        <translation>Nenhuma rolagem ainda nesta sessão</translation>
    </message>
    <message>
        <source>This evening: %1 with %2, %3 (%4 expected): %5</source>
        <extracomment>%1 is &quot;42 rolls&quot;, %2 &quot;2,340 dice&quot;, %3 &quot;812 successes&quot;, %4 the successes fair dice expect, %5 the evening&apos;s luck: &quot;top 12% (1 in 8)&quot;.</extracomment>
        <translation>Nesta sessão: %1 com %2, %3 (%4 em média): %5</translation>
    </message>
    <message>
        <source>Every roll from the first on counts for the evening.</source>
        <translation>Toda rolagem, desde a primeira, conta para a sessão.</translation>
    </message>
    <message>
        <source>Every roll since the program started counts, those the log no longer lists too.</source>
        <translation>Conta toda rolagem desde que o programa foi aberto, inclusive as que o histórico não mostra mais.</translation>
    </message>
    <message>
        <source>more %1 than expected</source>
        <translation>mais %1 que o esperado</translation>
    </message>
    <message>
        <source>fewer %1 than expected</source>
        <translation>menos %1 que o esperado</translation>
    </message>
    <message>
        <source>No dice thrown yet to check for fairness</source>
        <translation>Nenhum dado rolado ainda para verificar se são honestos</translation>
    </message>
    <message>
        <source>The dice stopped on 1: %1, 2: %2, 3: %3, 4: %4, 5: %5; sixes rolled on the way: %6.</source>
        <extracomment>%1 to %5 count the dice that stopped on 1 to 5, %6 the sixes they rolled on the way.</extracomment>
        <translation>Os dados pararam em 1: %1, 2: %2, 3: %3, 4: %4, 5: %5; seis rolados no caminho: %6.</translation>
    </message>
    <message>
        <source>Fair dice expect %1 of each.</source>
        <translation>Dados honestos dão em média %1 de cada.</translation>
    </message>
    <message>
        <source>Furthest from that, as the check weighs them: the %1.</source>
        <extracomment>%1 is &quot;ones&quot; to &quot;sixes&quot;.</extracomment>
        <translation>O mais distante disso, conforme o teste pondera: os %1.</translation>
    </message>
    <message>
        <source>%1 is the chance that fair dice stray at least this far; below %2 the check calls them unusual.</source>
        <extracomment>%1 is &quot;p = 0.41&quot;, %2 the threshold, &quot;0.05&quot;.</extracomment>
        <translation>%1 é a chance de dados honestos se desviarem pelo menos tanto; abaixo de %2 o teste os considera incomuns.</translation>
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
        <translation>Com dados honestos, uma noite de tantas rolagens no mínimo com essa sorte tem chance de %1; uma no máximo com essa sorte, %2.</translation>
    </message>
    <message>
        <source>Each roll counts alike, by its own luck given the rolls before it, a tie with rolls just as good broken at random as it is made: so these chances hold whatever you chose to roll or reroll.</source>
        <translation>Cada rolagem conta igual, pela própria sorte dadas as rolagens anteriores, e um empate com rolagens tão boas quanto ela é desfeito ao acaso quando ela é feita: assim essas chances valem seja o que for que você escolheu rolar ou rolar de novo.</translation>
    </message>
    <message>
        <source>The dice look fair: nothing unusual in %1</source>
        <extracomment>%1 is &quot;2,340 faces&quot;.</extracomment>
        <translation>Os dados parecem honestos: nada incomum em %1</translation>
    </message>
    <message>
        <source>The dice look unusual: %1 (%2 for fair dice)</source>
        <extracomment>%1 is &quot;more ones than expected&quot;, %2 &quot;1 in 80&quot;: how seldom fair dice stray so far.</extracomment>
        <translation>Os dados parecem incomuns: %1 (%2 com dados honestos)</translation>
    </message>
    <message>
        <source>%1: %2, %3 (%4 expected): %5. %6</source>
        <extracomment>A member&apos;s evening at a shared table: %1 is the name, %2 &quot;12 rolls&quot;, %3 &quot;812 successes&quot;, %4 the successes fair dice expect, %5 &quot;top 12% (1 in 8)&quot;, %6 what the fairness line says of the member&apos;s dice.</extracomment>
        <translation>%1: %2, %3 (%4 em média): %5. %6</translation>
    </message>
</context>
<context>
    <name>corvane::FramedSocket</name>
    <message>
        <source>The connection closed.</source>
        <translation>A conexão foi fechada.</translation>
    </message>
    <message>
        <source>The other end stopped answering.</source>
        <translation>O outro lado parou de responder.</translation>
    </message>
    <message>
        <source>The other end stopped reading.</source>
        <translation>O outro lado parou de ler.</translation>
    </message>
    <message>
        <source>A frame was larger or smaller than any frame may be.</source>
        <translation>Chegou um pacote maior ou menor do que o permitido.</translation>
    </message>
    <message>
        <source>A frame came that no member of this table sends.</source>
        <translation>Chegou um pacote que nenhum jogador desta mesa envia.</translation>
    </message>
    <message>
        <source>A frame came without this table&apos;s code.</source>
        <translation>Chegou um pacote sem o código desta mesa.</translation>
    </message>
</context>
<context>
    <name>corvane::LogFile</name>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texto simples (*.txt)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabela CSV (*.csv)</translation>
    </message>
    <message>
        <source>Markdown table (*.md)</source>
        <translation>Tabela Markdown (*.md)</translation>
    </message>
    <message numerus="yes">
        <source>The evening, every roll since the program started, not only the %n above:</source>
        <translation>
            <numerusform>A noite, cada rolagem desde que o programa começou, não só a %n acima:</numerusform>
            <numerusform>A noite, cada rolagem desde que o programa começou, não só as %n acima:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::LogTable</name>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Dificuldade</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Sucessos</translation>
    </message>
    <message>
        <source>Botch</source>
        <translation>Falha crítica</translation>
    </message>
    <message>
        <source>High roll</source>
        <translation>Maior dado</translation>
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
        <translation>Primeiro rolado de novo</translation>
    </message>
    <message>
        <source>Replaced</source>
        <translation>Substituídos</translation>
    </message>
    <message>
        <source>Dice thrown</source>
        <translation>Dados rolados</translation>
    </message>
    <message>
        <source>Their successes</source>
        <translation>Seus sucessos</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperados</translation>
    </message>
    <message>
        <source>Chance at least as well</source>
        <translation>Chance de pelo menos tanto</translation>
    </message>
    <message>
        <source>Chance at most as well</source>
        <translation>Chance de no máximo tanto</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Sorte</translation>
    </message>
</context>
<context>
    <name>corvane::LuckText</name>
    <message>
        <source>1 in over %1</source>
        <translation>1 em mais de %1</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <translation>1 em %1</translation>
    </message>
    <message>
        <source>certain</source>
        <extracomment>A roll or an evening that could not have come out otherwise.</extracomment>
        <translation>certa</translation>
    </message>
    <message>
        <source>top %1</source>
        <extracomment>A roll as good as this or better comes in %1 of rolls.</extracomment>
        <translation>entre os %1 melhores</translation>
    </message>
    <message>
        <source>bottom %1</source>
        <extracomment>A roll as poor as this or worse comes in %1 of rolls.</extracomment>
        <translation>entre os %1 piores</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is &quot;top 8%&quot;, %2 the odds: &quot;1 in 12&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>about average</source>
        <extracomment>A roll or an evening in the middle half of how fair dice come out.</extracomment>
        <translation>mais ou menos na média</translation>
    </message>
</context>
<context>
    <name>corvane::NumberFormat</name>
    <message>
        <source>C</source>
        <extracomment>The locale whose numbers the program writes, such as de_DE.</extracomment>
        <translation>pt_BR</translation>
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
        <translation>%1 sucessos em média (agora %2);
%3 de chance de ganhar pelo menos um.</translation>
    </message>
    <message>
        <source>Each die succeeds %1 of the time at target %2.</source>
        <translation>Na dificuldade %2, cada dado tem sucesso em %1 das vezes.</translation>
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
        <translation>Chance de pelo menos %1 com %2 na dificuldade %3: %4.
Chance de falha crítica: %5.</translation>
    </message>
    <message numerus="yes">
        <source>%n failures</source>
        <translation>
            <numerusform>%n falha</numerusform>
            <numerusform>%n falhas</numerusform>
        </translation>
    </message>
    <message>
        <source>Rerolling %1:
%2</source>
        <extracomment>%1 is &quot;2 failures&quot;; %2 the expected successes after the reroll.</extracomment>
        <translation>Rolando de novo %1:
%2</translation>
    </message>
    <message>
        <source>Select a die in the list to reroll it and every die below it.</source>
        <translation>Escolha um dado na lista para rolá-lo de novo com todos os dados abaixo dele.</translation>
    </message>
    <message>
        <source>Rerolling the selected die:
%1</source>
        <extracomment>%1 is the expected successes after the reroll.</extracomment>
        <translation>Rolando de novo o dado escolhido:
%1</translation>
    </message>
    <message numerus="yes">
        <source>Rerolling the selected die and %n below it:
%1</source>
        <translation>
            <numerusform>Rolando de novo o dado escolhido e %n abaixo:
%1</numerusform>
            <numerusform>Rolando de novo o dado escolhido e %n abaixo:
%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::PoolKeeper</name>
    <message>
        <source>Saved Pools</source>
        <translation>Paradas salvas</translation>
    </message>
    <message>
        <source>Save Pool</source>
        <translation>Salvar parada</translation>
    </message>
    <message>
        <source>Replace the saved pool &quot;%1&quot;?</source>
        <translation>Substituir a parada salva “%1”?</translation>
    </message>
    <message>
        <source>Pool saved.</source>
        <translation>Parada salva.</translation>
    </message>
    <message>
        <source>Not saved: kept until you close the program.</source>
        <translation>Não salva: mantida até você fechar o programa.</translation>
    </message>
    <message>
        <source>Rename Pool</source>
        <translation>Renomear parada</translation>
    </message>
    <message>
        <source>New name of the pool:</source>
        <translation>Novo nome da parada:</translation>
    </message>
    <message>
        <source>Pool renamed.</source>
        <translation>Parada renomeada.</translation>
    </message>
    <message>
        <source>Export Pools</source>
        <translation>Exportar paradas</translation>
    </message>
    <message>
        <source>Pools (*.json)</source>
        <translation>Paradas (*.json)</translation>
    </message>
    <message>
        <source>The pools could not be exported to %1: %2.</source>
        <translation>Não foi possível exportar as paradas para %1: %2.</translation>
    </message>
    <message>
        <source>Pools exported.</source>
        <translation>Paradas exportadas.</translation>
    </message>
    <message>
        <source>Import Pools</source>
        <translation>Importar paradas</translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <extracomment>%1 is &quot;1 pool&quot; or &quot;4 pools&quot;.</extracomment>
        <translation>Importado: %1.</translation>
    </message>
    <message>
        <source>Nothing imported: %1 cannot be read as saved pools, because %2.</source>
        <translation>Nada foi importado: %1 não pode ser lido como paradas salvas, porque %2.</translation>
    </message>
    <message>
        <source>Nothing saved: a pool has %1 to %2 dice and a target from %3 to %4.</source>
        <translation>Nada foi salvo: uma parada tem de %1 a %2 dados e uma dificuldade de %3 a %4.</translation>
    </message>
    <message>
        <source>Name for %1:</source>
        <extracomment>%1 is what the pool rolls: &quot;7 dice at target 4&quot;.</extracomment>
        <translation>Nome para %1:</translation>
    </message>
    <message>
        <source>A name has 1 to %1 characters.</source>
        <translation>Um nome tem de 1 a %1 caracteres.</translation>
    </message>
    <message>
        <source>There is a pool named &quot;%1&quot; already.</source>
        <translation>Já existe uma parada chamada “%1”.</translation>
    </message>
    <message>
        <source>%1: yours %2, imported %3</source>
        <extracomment>One pool of the same name on both sides: %1 its name, %2 and %3 what each rolls.</extracomment>
        <translation>%1: a sua %2, importada %3</translation>
    </message>
    <message>
        <source>Already in your list under the same name:</source>
        <translation>Já na sua lista com o mesmo nome:</translation>
    </message>
    <message>
        <source>Yes: take the imported ones. No: keep yours and import the rest. Cancel: import nothing.</source>
        <translation>Sim: ficar com as importadas. Não: manter as suas e importar o resto. Cancelar: não importar nada.</translation>
    </message>
</context>
<context>
    <name>corvane::PoolLock</name>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>não foi possível criar a pasta %1</translation>
    </message>
    <message>
        <source>%1 is in the way of the lock file that saving takes: move it away</source>
        <translation>%1 está no lugar do arquivo de trava que o salvamento usa: mova-o para outro lugar</translation>
    </message>
    <message>
        <source>there is no space left on the disk of %1</source>
        <translation>não há mais espaço no disco de %1</translation>
    </message>
    <message>
        <source>no file can be written in the folder %1</source>
        <translation>nenhum arquivo pode ser gravado na pasta %1</translation>
    </message>
    <message>
        <source>another copy of Corvane Dice is saving pools right now</source>
        <translation>outra cópia do Corvane Dice está salvando paradas agora</translation>
    </message>
    <message>
        <source>another copy of Corvane Dice (process %1 on %2) is saving pools right now</source>
        <translation>outra cópia do Corvane Dice (processo %1 em %2) está salvando paradas agora</translation>
    </message>
</context>
<context>
    <name>corvane::PoolMessages</name>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>ele não pode ser aberto (%1)</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>ele tem mais de 1 MiB</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>ele está truncado</translation>
    </message>
    <message>
        <source>it is not a pools file</source>
        <translation>ele não é um arquivo de paradas</translation>
    </message>
    <message>
        <source>it was written by a newer version of Corvane Dice</source>
        <translation>ele foi gravado por uma versão mais nova do Corvane Dice</translation>
    </message>
    <message>
        <source>its list of pools is missing</source>
        <translation>falta a lista de paradas nele</translation>
    </message>
    <message>
        <source>pool %1 in it is not a name with a number of dice and a target</source>
        <translation>a parada %1 nele não é um nome com um número de dados e uma dificuldade</translation>
    </message>
    <message>
        <source>the name of pool %1 in it is longer than %2 characters</source>
        <translation>o nome da parada %1 nele tem mais de %2 caracteres</translation>
    </message>
    <message>
        <source>pool %1 in it has the same name as a pool before it</source>
        <translation>a parada %1 nele tem o mesmo nome de uma parada anterior</translation>
    </message>
    <message>
        <source>it holds more than %1 pools</source>
        <translation>ele contém mais de %1 paradas</translation>
    </message>
    <message>
        <source>it is a folder, a pipe or a device, not a file</source>
        <translation>é uma pasta, um pipe ou um dispositivo, não um arquivo</translation>
    </message>
    <message>
        <source>The saved pools cannot be read from %1: %2. It is left as it is; to save pools, move it away.</source>
        <translation>As paradas salvas não podem ser lidas de %1: %2. Ele fica como está; para salvar paradas, mova-o para outro lugar.</translation>
    </message>
    <message>
        <source>The saved pools in %1 cannot all be read: %2. The file is left as it is, and the program goes on with the %3 it could read. Your next save asks before it changes anything.</source>
        <extracomment>%3 is &quot;1 pool&quot; or &quot;4 pools&quot;.</extracomment>
        <translation>Nem todas as paradas salvas em %1 podem ser lidas: %2. O arquivo fica como está, e o programa continua com as que conseguiu ler (%3). Seu próximo salvamento pergunta antes de mudar qualquer coisa.</translation>
    </message>
    <message>
        <source>The saved pools in %1 cannot all be read: %2. To save, the program keeps that file aside under a dated name and writes a new one with the %3 it could read and your changes. Save?</source>
        <extracomment>%3 is &quot;1 pool&quot; or &quot;4 pools&quot;.</extracomment>
        <translation>Nem todas as paradas salvas em %1 podem ser lidas: %2. Para salvar, o programa guarda esse arquivo à parte com um nome datado e grava um novo com as que conseguiu ler (%3) e suas alterações. Salvar?</translation>
    </message>
    <message>
        <source>The unreadable pools file is kept as %1.</source>
        <translation>O arquivo de paradas ilegível foi mantido como %1.</translation>
    </message>
    <message>
        <source>Your pools could not be saved in %1: %2. They stay in the list until you close the program, and the next save tries again.</source>
        <translation>Não foi possível salvar suas paradas em %1: %2. Elas ficam na lista até você fechar o programa, e o próximo salvamento tenta de novo.</translation>
    </message>
    <message>
        <source>Not changed: the pool &quot;%1&quot; was deleted or renamed meanwhile by another copy of Corvane Dice.</source>
        <translation>Nada mudou: outra cópia do Corvane Dice excluiu ou renomeou a parada “%1” nesse meio-tempo.</translation>
    </message>
    <message>
        <source>Not changed: there is a saved pool named &quot;%1&quot; already.</source>
        <translation>Nada mudou: já existe uma parada salva chamada “%1”.</translation>
    </message>
    <message>
        <source>The list holds at most %1 pools: delete one to save another.</source>
        <translation>A lista comporta no máximo %1 paradas: exclua uma para salvar outra.</translation>
    </message>
    <message>
        <source>pool %1 in it has more dice than a roll can hold (%2)</source>
        <translation>a parada %1 nele tem mais dados do que uma rolagem comporta (%2)</translation>
    </message>
</context>
<context>
    <name>corvane::PoolStore</name>
    <message>
        <source>it is a folder, a pipe or a device, not a file: move it away</source>
        <translation>é uma pasta, um pipe ou um dispositivo, não um arquivo: mova-o para outro lugar</translation>
    </message>
</context>
<context>
    <name>corvane::PoolsWindow</name>
    <message>
        <source>Pools</source>
        <translation>Paradas</translation>
    </message>
    <message>
        <source>Saved pools; Ctrl+1 to Ctrl+9 roll the first nine</source>
        <translation>Paradas salvas; Ctrl+1 a Ctrl+9 rolam as nove primeiras</translation>
    </message>
    <message>
        <source>Roll Pool</source>
        <translation>Rolar parada</translation>
    </message>
    <message>
        <source>Rename Pool...</source>
        <translation>Renomear parada...</translation>
    </message>
    <message>
        <source>Delete Pool</source>
        <translation>Excluir parada</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Desfazer exclusão</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Export Pools...</source>
        <translation>Exportar paradas...</translation>
    </message>
    <message>
        <source>Import Pools...</source>
        <translation>Importar paradas...</translation>
    </message>
    <message>
        <source>Pool deleted; Ctrl+Z brings it back.</source>
        <translation>Parada excluída; Ctrl+Z a traz de volta.</translation>
    </message>
    <message>
        <source>Pool restored.</source>
        <translation>Parada restaurada.</translation>
    </message>
    <message>
        <source>Pool moved.</source>
        <translation>Parada movida.</translation>
    </message>
    <message>
        <source>The pool is first already.</source>
        <translation>A parada já é a primeira.</translation>
    </message>
    <message>
        <source>The pool is last already.</source>
        <translation>A parada já é a última.</translation>
    </message>
    <message>
        <source>Enter rolls, F2 renames, Delete deletes, Alt+Up and Alt+Down move the selected pool.</source>
        <translation>Enter rola, F2 renomeia, Delete exclui, Alt+Cima e Alt+Baixo movem a parada escolhida.</translation>
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
        <translation>%1 (falha crít.)</translation>
    </message>
    <message>
        <source>Successes: %1</source>
        <translation>Sucessos: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n successes.</source>
        <translation>
            <numerusform>%n sucesso.</numerusform>
            <numerusform>%n sucessos.</numerusform>
        </translation>
    </message>
    <message>
        <source>High roll: %1, Total roll: %2</source>
        <translation>Maior: %1, Total: %2</translation>
    </message>
    <message>
        <source>The list and the pool disagreed; nothing changed.</source>
        <translation>A lista e a parada não batiam; nada mudou.</translation>
    </message>
    <message>
        <source>Dice to Roll: type a number from %1 to %2.</source>
        <translation>Parada: digite um número de %1 a %2.</translation>
    </message>
    <message>
        <source>Target Number: type from %1 to %2.</source>
        <translation>Dificuldade: digite de %1 a %2.</translation>
    </message>
    <message>
        <source>The dice add up past %1: roll at most %2.</source>
        <translation>Soma acima de %1: role no máximo %2.</translation>
    </message>
    <message>
        <source>Rerolling %1 dice would pass %2.</source>
        <extracomment>%1 is how many dice the reroll would throw, %2 the highest total.</extracomment>
        <translation>Rolar %1 dados de novo passaria de %2.</translation>
    </message>
    <message>
        <source>The total passed %1 this time: roll at most %2.</source>
        <extracomment>%1 is the highest total, %2 the most dice that nearly always stay within it.</extracomment>
        <translation>Total acima de %1 agora: role no máximo %2.</translation>
    </message>
</context>
<context>
    <name>corvane::ResultsModel</name>
    <message>
        <source>%1, success</source>
        <extracomment>How a screen reader reads a die in the results list; %1 is the die.</extracomment>
        <translation>%1, sucesso</translation>
    </message>
    <message>
        <source>%1, failure</source>
        <translation>%1, falha</translation>
    </message>
    <message>
        <source>%1, high roll, die 1 of %2</source>
        <extracomment>The first row of the results list, the highest die; %1 is &quot;14, success&quot;, %2 the number of dice.</extracomment>
        <translation>%1, maior dado, dado 1 de %2</translation>
    </message>
</context>
<context>
    <name>corvane::RollLogWindow</name>
    <message>
        <source>Roll Log</source>
        <translation>Histórico de rolagens</translation>
    </message>
    <message>
        <source>Rolls, newest first</source>
        <translation>Rolagens, as mais recentes primeiro</translation>
    </message>
    <message>
        <source>Copy Rolls</source>
        <translation>Copiar rolagens</translation>
    </message>
    <message>
        <source>Save Log...</source>
        <translation>Salvar histórico...</translation>
    </message>
    <message>
        <source>Save Selected Rolls...</source>
        <translation>Salvar rolagens escolhidas...</translation>
    </message>
    <message>
        <source>No rolls selected.</source>
        <translation>Nenhuma rolagem escolhida.</translation>
    </message>
    <message>
        <source>No rolls to save.</source>
        <translation>Nenhuma rolagem para salvar.</translation>
    </message>
    <message>
        <source>Save Roll Log</source>
        <translation>Salvar histórico de rolagens</translation>
    </message>
    <message>
        <source>The roll log could not be saved to %1: %2.</source>
        <translation>Não foi possível salvar o histórico de rolagens em %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls saved.</source>
        <translation>
            <numerusform>%n rolagem salva.</numerusform>
            <numerusform>%n rolagens salvas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Roll copied.</source>
        <translation>Rolagem copiada.</translation>
    </message>
    <message numerus="yes">
        <source>%n rolls copied.</source>
        <translation>
            <numerusform>%n rolagem copiada.</numerusform>
            <numerusform>%n rolagens copiadas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::RollText</name>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... e mais %n</numerusform>
            <numerusform>... e mais %n</numerusform>
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
        <translation>O dado %1 era: %2.</translation>
    </message>
    <message>
        <source>Dice %1 to %2 were: %3.</source>
        <translation>Os dados %1 a %2 eram: %3.</translation>
    </message>
    <message>
        <source>%1 at target %2</source>
        <extracomment>%1 is &quot;10 dice&quot;, %2 the target number.</extracomment>
        <translation>%1 na dificuldade %2</translation>
    </message>
    <message>
        <source>%1 (botch)</source>
        <translation>%1 (falha crítica)</translation>
    </message>
    <message>
        <source>%1 (high roll %2, total roll %3)</source>
        <translation>%1 (maior dado %2, total %3)</translation>
    </message>
    <message>
        <source>luck: %1</source>
        <extracomment>%1 is &quot;top 8% (1 in 12)&quot; or &quot;bottom 15%&quot;.</extracomment>
        <translation>sorte: %1</translation>
    </message>
    <message>
        <source>luck of the die rolled again: %1</source>
        <extracomment>%1 is &quot;top 8% (1 in 12)&quot; or &quot;bottom 15%&quot;.</extracomment>
        <translation>sorte do dado rolado de novo: %1</translation>
    </message>
    <message>
        <source>luck of the %1 rolled again: %2</source>
        <extracomment>%1 is &quot;4 dice&quot;, %2 &quot;top 8% (1 in 12)&quot; or &quot;bottom 15%&quot;.</extracomment>
        <translation>sorte dos %1 rolados de novo: %2</translation>
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
        <translation>%1, falha crítica</translation>
    </message>
    <message>
        <source>%1. High roll %2, total %3.</source>
        <extracomment>Spoken after a roll. %1 is &quot;5 successes&quot;, %2 the highest die, %3 the total.</extracomment>
        <translation>%1. Maior dado %2, total %3.</translation>
    </message>
    <message>
        <source>Reroll Failures</source>
        <translation>Rolar falhas de novo</translation>
    </message>
    <message>
        <source>Reroll from Marker Down</source>
        <translation>Rolar de novo do marcador</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>What was done: a new roll, beside &quot;Reroll Failures&quot; and &quot;Reroll from Marker Down&quot;.</extracomment>
        <translation>Rolagem</translation>
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
        <translation>Dado %1 rolado de novo: %2</translation>
    </message>
    <message>
        <source>Rerolled dice %1 to %2: %3</source>
        <extracomment>Spoken after a reroll; %3 is &quot;5 successes. High roll 14, total 51.&quot;</extracomment>
        <translation>Dados %1 a %2 rolados de novo: %3</translation>
    </message>
    <message>
        <source>%1, round %2, checked: </source>
        <extracomment>At a shared table: the member who rolled, the table&apos;s round, and that this program checked the round itself.</extracomment>
        <translation>%1, rodada %2, verificada: </translation>
    </message>
</context>
<context>
    <name>corvane::Roller</name>
    <message>
        <source>No failures to reroll.</source>
        <translation>Não há falhas para rolar de novo.</translation>
    </message>
    <message>
        <source>No marker specified.</source>
        <translation>Nenhum dado marcado.</translation>
    </message>
</context>
<context>
    <name>corvane::RollerCommands</name>
    <message>
        <source>Copy Roll</source>
        <translation>Copiar rolagem</translation>
    </message>
    <message>
        <source>Roll Log</source>
        <translation>Histórico de rolagens</translation>
    </message>
    <message>
        <source>Chances</source>
        <translation>Chances</translation>
    </message>
    <message>
        <source>Save Pool...</source>
        <translation>Salvar parada...</translation>
    </message>
    <message>
        <source>Pools</source>
        <translation>Paradas</translation>
    </message>
    <message>
        <source>Roll Pool %1</source>
        <translation>Rolar parada %1</translation>
    </message>
    <message>
        <source>About Corvane Dice</source>
        <translation>Sobre o Corvane Dice</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Roll %1: %2</source>
        <extracomment>A menu entry that rolls a saved pool: %1 its place in the list (1 to 9), %2 its name.</extracomment>
        <translation>Rolar %1: %2</translation>
    </message>
    <message>
        <source>No pool %1 saved.</source>
        <translation>Nenhuma parada %1 salva.</translation>
    </message>
    <message>
        <source>Roll copied.</source>
        <translation>Rolagem copiada.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Roll a Pool</source>
        <translation>Rolar uma parada</translation>
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
        <translation>&amp;Rolar</translation>
    </message>
    <message>
        <source>Reroll &amp;Failures</source>
        <translation>Rolar &amp;falhas
de novo</translation>
    </message>
    <message>
        <source>Reroll from
&amp;Marker Down</source>
        <extracomment>Two lines, each as wide as the Roll button at most.</extracomment>
        <translation>Rolar de novo
do &amp;marcador</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Dice to Roll</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Target Number</source>
        <translation>Dificuldade</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Sucessos</translation>
    </message>
    <message>
        <source>About Corvane Dice</source>
        <translation>Sobre o Corvane Dice</translation>
    </message>
    <message>
        <source>About Corvane Dice (F1)</source>
        <translation>Sobre o Corvane Dice (F1)</translation>
    </message>
</context>
<context>
    <name>corvane::SavedPool</name>
    <message numerus="yes">
        <source>%n pools</source>
        <translation>
            <numerusform>%n parada</numerusform>
            <numerusform>%n paradas</numerusform>
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
        <translation>%1 na dificuldade %2</translation>
    </message>
</context>
<context>
    <name>corvane::Settings</name>
    <message>
        <source>it cannot be opened</source>
        <translation>ele não pode ser aberto</translation>
    </message>
    <message>
        <source>it is not a settings file of Corvane Dice</source>
        <translation>ele não é um arquivo de configurações do Corvane Dice</translation>
    </message>
    <message>
        <source>it was written by another version of Corvane Dice</source>
        <translation>ele foi escrito por outra versão do Corvane Dice</translation>
    </message>
    <message>
        <source>the settings file %1 is kept as it is, because %2</source>
        <translation>o arquivo de configurações %1 fica como está, porque %2</translation>
    </message>
</context>
<context>
    <name>corvane::TableGuest</name>
    <message>
        <source>The host now holds another table.</source>
        <translation>O anfitrião agora está com outra mesa aberta.</translation>
    </message>
    <message>
        <source>The code is not this table&apos;s.</source>
        <translation>O código não é o desta mesa.</translation>
    </message>
    <message>
        <source>The host sent what does not check: %1</source>
        <translation>O anfitrião enviou algo que não passa na verificação: %1</translation>
    </message>
    <message>
        <source>The table is full: it seats %1.</source>
        <extracomment>%1 is the most members a table seats.</extracomment>
        <translation>A mesa está cheia: ela tem %1 lugares.</translation>
    </message>
    <message>
        <source>The host closed the table.</source>
        <translation>O anfitrião fechou a mesa.</translation>
    </message>
    <message>
        <source>The host sent a frame no host sends.</source>
        <translation>O anfitrião enviou um pacote que nenhum anfitrião envia.</translation>
    </message>
    <message>
        <source>Could not join the table: %1</source>
        <translation>Não foi possível entrar na mesa: %1</translation>
    </message>
    <message>
        <source>Lost the table&apos;s host; trying again.</source>
        <translation>A conexão com o anfitrião caiu; tentando de novo.</translation>
    </message>
    <message>
        <source>The table closed: its host is gone.</source>
        <translation>A mesa foi fechada: o anfitrião sumiu.</translation>
    </message>
    <message>
        <source>You left the table.</source>
        <translation>Você saiu da mesa.</translation>
    </message>
</context>
<context>
    <name>corvane::TableHost</name>
    <message>
        <source>You closed the table.</source>
        <translation>Você fechou a mesa.</translation>
    </message>
</context>
<context>
    <name>corvane::TableLink</name>
    <message>
        <source>%1 joined the table.</source>
        <translation>%1 entrou na mesa.</translation>
    </message>
    <message>
        <source>%1 left the table.</source>
        <translation>%1 saiu da mesa.</translation>
    </message>
</context>
<context>
    <name>corvane::TableRolls</name>
    <message>
        <source>Another roll is on the table: roll again once it is done.</source>
        <translation>Há outra rolagem na mesa: role quando terminar.</translation>
    </message>
    <message>
        <source>Roll at the table before rerolling there.</source>
        <translation>Role na mesa antes de rolar de novo lá.</translation>
    </message>
</context>
<context>
    <name>corvane::TableSession</name>
    <message>
        <source>The table&apos;s transcript could not be saved to %1: %2.</source>
        <translation>Não foi possível salvar o registro da mesa em %1: %2.</translation>
    </message>
    <message>
        <source>The table&apos;s transcript is in %1.</source>
        <translation>O registro da mesa está em %1.</translation>
    </message>
</context>
<context>
    <name>corvane::TableText</name>
    <message>
        <source>The table has closed.</source>
        <translation>A mesa foi fechada.</translation>
    </message>
    <message>
        <source>You host on port %1. Players join at %2 with the code: %3</source>
        <extracomment>%1 is the port, %2 this machine&apos;s addresses, %3 the join code.</extracomment>
        <translation>Você é o anfitrião na porta %1. Os jogadores entram em %2 com o código: %3</translation>
    </message>
    <message>
        <source>Joining the table...</source>
        <translation>Entrando na mesa...</translation>
    </message>
    <message>
        <source>At %1&apos;s table.</source>
        <translation>Na mesa de %1.</translation>
    </message>
    <message>
        <source>host</source>
        <translation>anfitrião</translation>
    </message>
    <message>
        <source>you</source>
        <translation>você</translation>
    </message>
    <message>
        <source>left</source>
        <translation>saiu</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>on-line</translation>
    </message>
    <message>
        <source>away</source>
        <translation>sem conexão</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A member of the table: %1 is the name, %2 &quot;host, you, connected&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2, high roll %3.</source>
        <extracomment>Another member&apos;s roll, heard once: %1 is the name, %2 &quot;3 successes&quot;, %3 the highest die.</extracomment>
        <translation>%1: %2, maior dado %3.</translation>
    </message>
    <message>
        <source>Round %1 given up: %2 did not answer.</source>
        <extracomment>%1 is the round&apos;s number, %2 the members who did not answer in time; the round changed nothing.</extracomment>
        <translation>Rodada %1 anulada: sem resposta de %2.</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>Aguardando %1...</translation>
    </message>
</context>
<context>
    <name>corvane::TableWindow</name>
    <message>
        <source>R&amp;emember my name</source>
        <translation>&amp;Lembrar meu nome</translation>
    </message>
    <message>
        <source>&amp;Host Table</source>
        <translation>&amp;Abrir mesa</translation>
    </message>
    <message>
        <source>&amp;Join Table</source>
        <translation>&amp;Entrar na mesa</translation>
    </message>
    <message>
        <source>&amp;Remove Member</source>
        <translation>&amp;Remover jogador</translation>
    </message>
    <message>
        <source>&amp;Leave Table</source>
        <translation>&amp;Sair da mesa</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>address:port</source>
        <translation>endereço:porta</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Seu &amp;nome:</translation>
    </message>
    <message>
        <source>Host a table</source>
        <translation>Abrir uma mesa</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Porta:</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Código:</translation>
    </message>
    <message>
        <source>Join a table</source>
        <translation>Entrar em uma mesa</translation>
    </message>
    <message>
        <source>Host&apos;s &amp;address:</source>
        <translation>En&amp;dereço do anfitrião:</translation>
    </message>
    <message>
        <source>C&amp;ode:</source>
        <translation>Códi&amp;go:</translation>
    </message>
    <message>
        <source>Type a name of 1 to 32 letters to sit at a table with.</source>
        <translation>Digite um nome de 1 a 32 caracteres para se sentar a uma mesa.</translation>
    </message>
    <message>
        <source>Type a code for the table, or keep the one given.</source>
        <translation>Digite um código para a mesa ou mantenha o sugerido.</translation>
    </message>
    <message>
        <source>Could not host on port %1: %2</source>
        <translation>Não foi possível abrir a mesa na porta %1: %2</translation>
    </message>
    <message>
        <source>You host a table.</source>
        <translation>Você abriu uma mesa.</translation>
    </message>
    <message>
        <source>Type the code the host gave.</source>
        <translation>Digite o código que o anfitrião passou.</translation>
    </message>
    <message>
        <source>Type the host&apos;s address and port, as 192.168.1.20:%1.</source>
        <translation>Digite o endereço e a porta do anfitrião, como 192.168.1.20:%1.</translation>
    </message>
    <message>
        <source>Joining the table at %1...</source>
        <translation>Entrando na mesa em %1...</translation>
    </message>
    <message>
        <source>A member can be removed once the open round is done.</source>
        <translation>Um jogador só pode ser removido quando a rodada em andamento terminar.</translation>
    </message>
</context>
</TS>
