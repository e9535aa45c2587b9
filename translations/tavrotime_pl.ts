<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>FormTavro</name>
    <message>
        <source>Elapsed time</source>
        <translation>Czas, który upłynął</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Godziny</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Percentage done</source>
        <translation>Procent ukończenia</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>Pasek postępu</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>Czas całkowity</translation>
    </message>
    <message>
        <source>Estimated total time</source>
        <translation>Szacowany czas całkowity</translation>
    </message>
    <message>
        <source>Completion</source>
        <translation>Zakończenie</translation>
    </message>
    <message>
        <source>Estimated completion time</source>
        <translation>Szacowany czas zakończenia</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>Postęp o godzinie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Done at time set</source>
        <translation>Godzina postępu ustawiona</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>Naciśnij spację, aby wyczyścić lub ustawić godzinę postępu</translation>
    </message>
    <message>
        <source>[undefined]</source>
        <extracomment>The total time when nothing can be estimated, and the done-at result before any time has elapsed.</extracomment>
        <translation>[nieokreślony]</translation>
    </message>
    <message>
        <source>[Undefined]</source>
        <extracomment>The completion time and the done-at result when nothing can be estimated.</extracomment>
        <translation>[Nieokreślony]</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A percentage; %1 is its figure, such as 57.32.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 (reached)</source>
        <extracomment>A percentage at a done-at time that has passed; %1 is the percentage, such as 57.32 %.</extracomment>
        <translation>%1 (osiągnięto)</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>The job will be complete before the done-at time. Keep it short: the label is narrow.</extracomment>
        <translation>Ukończono</translation>
    </message>
    <message>
        <source>(+ %1 %)</source>
        <extracomment>Below &quot;Completed&quot;: how far past 100 % the job will be; %1 is the figure, such as 12.50.</extracomment>
        <translation>(+ %1%)</translation>
    </message>
    <message>
        <source>Percentage reached at the done-at time</source>
        <translation>Procent osiągnięty o godzinie postępu</translation>
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
        <translation>Szacowanie czasu zadań</translation>
    </message>
    <message>
        <source>Estimate when a long-running job will finish</source>
        <extracomment>The launcher entry&apos;s comment and the software centre&apos;s summary.</extracomment>
        <translation>Oszacuj, kiedy zakończy się długotrwałe zadanie</translation>
    </message>
    <message>
        <source>estimate;progress;remaining;finish;eta;</source>
        <extracomment>Words the launcher finds the program by, each followed by a semicolon.</extracomment>
        <translation>szacowanie;postęp;pozostały;koniec;czas;</translation>
    </message>
    <message>
        <source>TavroTime tells you when a long job, such as a render, a copy or a backup, will finish. Type how long the job has been running and what percentage of it is done, and it shows the estimated total duration and the date and time of completion, assuming the job keeps its average rate.</source>
        <extracomment>The software centre&apos;s description, first paragraph.</extracomment>
        <translation>TavroTime podpowiada, kiedy zakończy się długie zadanie, takie jak renderowanie, kopiowanie czy kopia zapasowa. Wpisz, jak długo zadanie już trwa i jaki procent jest ukończony, a program pokaże szacowany czas całkowity oraz datę i godzinę zakończenia, zakładając, że zadanie utrzyma swoje średnie tempo.</translation>
    </message>
    <message>
        <source>Pick a done-at time to see what percentage the job will have reached by then, or by how much it will already be past complete. Dates, times and decimals follow your locale, and everything works from the keyboard.</source>
        <extracomment>The software centre&apos;s description, second paragraph.</extracomment>
        <translation>Wybierz godzinę, aby zobaczyć, jaki procent zadanie osiągnie do tego czasu lub o ile przekroczy już ukończenie. Daty, godziny i liczby dziesiętne są zgodne z ustawieniami regionalnymi, a wszystko można obsłużyć z klawiatury.</translation>
    </message>
</context>
</TS>
