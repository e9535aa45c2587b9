<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Announcer</name>
    <message>
        <source>%1: %2.</source>
        <extracomment>A result read out by a screen reader: %1 is the caption of its frame, such as &quot;Total time&quot;, %2 the result as the window shows it.</extracomment>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <source>Elapsed time</source>
        <translation>Tempo decorrido</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Percentage done</source>
        <translation>Porcentagem concluída</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>Barra de progresso</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>Tempo total</translation>
    </message>
    <message>
        <source>Estimated total time</source>
        <translation>Tempo total estimado</translation>
    </message>
    <message>
        <source>Completion</source>
        <translation>Conclusão</translation>
    </message>
    <message>
        <source>Estimated completion time</source>
        <translation>Horário estimado de conclusão</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>Progresso às</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DoneTimePicker</name>
    <message>
        <source>Done at time set</source>
        <translation>Horário de progresso definido</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>Progresso às</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>Pressione Espaço para limpar ou definir o horário de progresso</translation>
    </message>
</context>
<context>
    <name>FormTavro</name>
    <message>
        <source>[undefined]</source>
        <extracomment>The total time when nothing can be estimated, and the done-at result before any time has elapsed.</extracomment>
        <translation>[indefinido]</translation>
    </message>
    <message>
        <source>[Undefined]</source>
        <extracomment>The completion time and the done-at result when nothing can be estimated.</extracomment>
        <translation>[Indefinido]</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A percentage; %1 is its figure, such as 57.32.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 (reached)</source>
        <extracomment>A percentage at a done-at time that has passed; %1 is the percentage, such as 57.32 %.</extracomment>
        <translation>%1 (atingido)</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>The job will be complete before the done-at time. Keep it short: the label is narrow.</extracomment>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>(+ %1 %)</source>
        <extracomment>Below &quot;Completed&quot;: how far past 100 % the job will be; %1 is the figure, such as 12.50.</extracomment>
        <translation>(+ %1%)</translation>
    </message>
    <message>
        <source>Percentage reached at the done-at time</source>
        <translation>Porcentagem atingida no horário de progresso</translation>
    </message>
</context>
</TS>
