<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>Tempo trascorso</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Ore</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Percentage done</source>
        <translation>Percentuale completata</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>Barra di avanzamento</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>Tempo totale</translation>
    </message>
    <message>
        <source>Estimated total time</source>
        <translation>Tempo totale stimato</translation>
    </message>
    <message>
        <source>Completion</source>
        <translation>Completamento</translation>
    </message>
    <message>
        <source>Estimated completion time</source>
        <translation>Ora di completamento stimata</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>Avanzamento alle</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DoneTimePicker</name>
    <message>
        <source>Done at time set</source>
        <translation>Ora di avanzamento impostata</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>Avanzamento alle</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>Premi Spazio per cancellare o impostare l’ora di avanzamento</translation>
    </message>
</context>
<context>
    <name>FormTavro</name>
    <message>
        <source>[undefined]</source>
        <extracomment>The total time when nothing can be estimated, and the done-at result before any time has elapsed.</extracomment>
        <translation>[indefinito]</translation>
    </message>
    <message>
        <source>[Undefined]</source>
        <extracomment>The completion time and the done-at result when nothing can be estimated.</extracomment>
        <translation>[Indefinito]</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A percentage; %1 is its figure, such as 57.32.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 (reached)</source>
        <extracomment>A percentage at a done-at time that has passed; %1 is the percentage, such as 57.32 %.</extracomment>
        <translation>%1 (raggiunto)</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>The job will be complete before the done-at time. Keep it short: the label is narrow.</extracomment>
        <translation>Completato</translation>
    </message>
    <message>
        <source>(+ %1 %)</source>
        <extracomment>Below &quot;Completed&quot;: how far past 100 % the job will be; %1 is the figure, such as 12.50.</extracomment>
        <translation>(+ %1%)</translation>
    </message>
    <message>
        <source>Percentage reached at the done-at time</source>
        <translation>Percentuale raggiunta all’ora di avanzamento</translation>
    </message>
</context>
</TS>
