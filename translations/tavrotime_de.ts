<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>FormTavro</name>
    <message>
        <source>Elapsed time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Percentage done</source>
        <translation>Erledigt in Prozent</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>Fortschrittsbalken</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>Gesamtdauer</translation>
    </message>
    <message>
        <source>Estimated total time</source>
        <translation>Geschätzte Gesamtdauer</translation>
    </message>
    <message>
        <source>Completion</source>
        <translation>Fertigstellung</translation>
    </message>
    <message>
        <source>Estimated completion time</source>
        <translation>Geschätzter Zeitpunkt der Fertigstellung</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>Stand um</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Done at time set</source>
        <translation>Stand-um-Zeit gesetzt</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>Mit der Leertaste die Stand-um-Zeit löschen oder setzen</translation>
    </message>
    <message>
        <source>[undefined]</source>
        <extracomment>The total time when nothing can be estimated, and the done-at result before any time has elapsed.</extracomment>
        <translation>[unbestimmt]</translation>
    </message>
    <message>
        <source>[Undefined]</source>
        <extracomment>The completion time and the done-at result when nothing can be estimated.</extracomment>
        <translation>[Unbestimmt]</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A percentage; %1 is its figure, such as 57.32.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 (reached)</source>
        <extracomment>A percentage at a done-at time that has passed; %1 is the percentage, such as 57.32 %.</extracomment>
        <translation>%1 (erreicht)</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>The job will be complete before the done-at time. Keep it short: the label is narrow.</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>(+ %1 %)</source>
        <extracomment>Below &quot;Completed&quot;: how far past 100 % the job will be; %1 is the figure, such as 12.50.</extracomment>
        <translation>(+ %1&#xa0;%)</translation>
    </message>
    <message>
        <source>Percentage reached at the done-at time</source>
        <translation>Bis zur Stand-um-Zeit erreichter Prozentsatz</translation>
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
        <translation>Laufzeitschätzung</translation>
    </message>
    <message>
        <source>Estimate when a long-running job will finish</source>
        <extracomment>The launcher entry&apos;s comment and the software centre&apos;s summary.</extracomment>
        <translation>Abschätzen, wann eine lang laufende Aufgabe fertig wird</translation>
    </message>
    <message>
        <source>estimate;progress;remaining;finish;eta;</source>
        <extracomment>Words the launcher finds the program by, each followed by a semicolon.</extracomment>
        <translation>schätzen;Fortschritt;Restzeit;fertig;Dauer;</translation>
    </message>
    <message>
        <source>TavroTime tells you when a long job, such as a render, a copy or a backup, will finish. Type how long the job has been running and what percentage of it is done, and it shows the estimated total duration and the date and time of completion, assuming the job keeps its average rate.</source>
        <extracomment>The software centre&apos;s description, first paragraph.</extracomment>
        <translation>TavroTime sagt Ihnen, wann eine lange Aufgabe wie ein Rendering, ein Kopiervorgang oder eine Sicherung fertig wird. Geben Sie ein, wie lange die Aufgabe schon läuft und wie viel Prozent davon erledigt sind, und es zeigt die geschätzte Gesamtdauer sowie Datum und Uhrzeit der Fertigstellung, vorausgesetzt, die Aufgabe behält ihr bisheriges Tempo bei.</translation>
    </message>
    <message>
        <source>Pick a done-at time to see what percentage the job will have reached by then, or by how much it will already be past complete. Dates, times and decimals follow your locale, and everything works from the keyboard.</source>
        <extracomment>The software centre&apos;s description, second paragraph.</extracomment>
        <translation>Wählen Sie eine Uhrzeit, um zu sehen, wie viel Prozent die Aufgabe bis dahin erreicht haben wird oder um wie viel sie dann schon über das Ziel hinaus ist. Datum, Uhrzeit und Dezimalzahlen folgen Ihren Ländereinstellungen, und alles lässt sich mit der Tastatur bedienen.</translation>
    </message>
</context>
</TS>
