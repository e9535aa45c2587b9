<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>FormTavro</name>
    <message>
        <source>Elapsed time</source>
        <translation>Verstreken tijd</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Uren</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Seconden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Percentage done</source>
        <translation>Percentage voltooid</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>Voortgangsbalk</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>Totale tijd</translation>
    </message>
    <message>
        <source>Estimated total time</source>
        <translation>Geschatte totale tijd</translation>
    </message>
    <message>
        <source>Completion</source>
        <translation>Voltooiing</translation>
    </message>
    <message>
        <source>Estimated completion time</source>
        <translation>Geschatte voltooiingstijd</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>Voortgang om</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Done at time set</source>
        <translation>Voortgangstijdstip ingesteld</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>Druk op Spatie om het voortgangstijdstip te wissen of in te stellen</translation>
    </message>
    <message>
        <source>[undefined]</source>
        <extracomment>The total time when nothing can be estimated, and the done-at result before any time has elapsed.</extracomment>
        <translation>[onbepaald]</translation>
    </message>
    <message>
        <source>[Undefined]</source>
        <extracomment>The completion time and the done-at result when nothing can be estimated.</extracomment>
        <translation>[Onbepaald]</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A percentage; %1 is its figure, such as 57.32.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 (reached)</source>
        <extracomment>A percentage at a done-at time that has passed; %1 is the percentage, such as 57.32 %.</extracomment>
        <translation>%1 (bereikt)</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>The job will be complete before the done-at time. Keep it short: the label is narrow.</extracomment>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>(+ %1 %)</source>
        <extracomment>Below &quot;Completed&quot;: how far past 100 % the job will be; %1 is the figure, such as 12.50.</extracomment>
        <translation>(+ %1%)</translation>
    </message>
    <message>
        <source>Percentage reached at the done-at time</source>
        <translation>Percentage bereikt op het voortgangstijdstip</translation>
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
        <translation>Looptijdschatter</translation>
    </message>
    <message>
        <source>Estimate when a long-running job will finish</source>
        <extracomment>The launcher entry&apos;s comment and the software centre&apos;s summary.</extracomment>
        <translation>Schat in wanneer een langlopende taak klaar is</translation>
    </message>
    <message>
        <source>estimate;progress;remaining;finish;eta;</source>
        <extracomment>Words the launcher finds the program by, each followed by a semicolon.</extracomment>
        <translation>schatten;voortgang;resterend;klaar;duur;</translation>
    </message>
    <message>
        <source>TavroTime tells you when a long job, such as a render, a copy or a backup, will finish. Type how long the job has been running and what percentage of it is done, and it shows the estimated total duration and the date and time of completion, assuming the job keeps its average rate.</source>
        <extracomment>The software centre&apos;s description, first paragraph.</extracomment>
        <translation>TavroTime vertelt u wanneer een lange taak, zoals een render, een kopieeractie of een back-up, klaar is. Voer in hoe lang de taak al loopt en welk percentage voltooid is, en het toont de geschatte totale duur en de datum en tijd van voltooiing, ervan uitgaande dat de taak haar gemiddelde tempo aanhoudt.</translation>
    </message>
    <message>
        <source>Pick a done-at time to see what percentage the job will have reached by then, or by how much it will already be past complete. Dates, times and decimals follow your locale, and everything works from the keyboard.</source>
        <extracomment>The software centre&apos;s description, second paragraph.</extracomment>
        <translation>Kies een tijdstip om te zien welk percentage de taak dan bereikt heeft, of hoeveel ze dan al voorbij voltooiing is. Datums, tijden en decimalen volgen uw landinstellingen, en alles werkt met het toetsenbord.</translation>
    </message>
</context>
</TS>
