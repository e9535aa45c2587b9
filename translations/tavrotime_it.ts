<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>FormTavro</name>
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
    <message>
        <source>Done at time set</source>
        <translation>Ora di avanzamento impostata</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>Premi Spazio per cancellare o impostare l’ora di avanzamento</translation>
    </message>
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
    <message>
        <source>%1: %2.</source>
        <extracomment>A result read out by a screen reader: %1 is the caption of its frame, such as &quot;Total time&quot;, %2 the result as the window shows it.</extracomment>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Job Time Estimator</source>
        <extracomment>The launcher entry&apos;s generic name.</extracomment>
        <translation>Stima della durata dei processi</translation>
    </message>
    <message>
        <source>Estimate when a long-running job will finish</source>
        <extracomment>The launcher entry&apos;s comment and the software centre&apos;s summary.</extracomment>
        <translation>Stima quando terminerà un processo di lunga durata</translation>
    </message>
    <message>
        <source>estimate;progress;remaining;finish;eta;</source>
        <extracomment>Words the launcher finds the program by, each followed by a semicolon.</extracomment>
        <translation>stimare;avanzamento;rimanente;fine;durata;</translation>
    </message>
    <message>
        <source>TavroTime tells you when a long job, such as a render, a copy or a backup, will finish. Type how long the job has been running and what percentage of it is done, and it shows the estimated total duration and the date and time of completion, assuming the job keeps its average rate.</source>
        <extracomment>The software centre&apos;s description, first paragraph.</extracomment>
        <translation>TavroTime ti dice quando terminerà un processo lungo, come un rendering, una copia o un backup. Inserisci da quanto tempo è in corso e quale percentuale è stata completata: mostra la durata totale stimata e la data e l’ora di completamento, supponendo che il processo mantenga il suo ritmo medio.</translation>
    </message>
    <message>
        <source>Pick a done-at time to see what percentage the job will have reached by then, or by how much it will already be past complete. Dates, times and decimals follow your locale, and everything works from the keyboard.</source>
        <extracomment>The software centre&apos;s description, second paragraph.</extracomment>
        <translation>Scegli un’ora per vedere quale percentuale avrà raggiunto il processo a quel punto, o di quanto avrà già superato il completamento. Date, ore e decimali seguono le impostazioni locali, e tutto funziona da tastiera.</translation>
    </message>
</context>
</TS>
