<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>FormTavro</name>
    <message>
        <source>Elapsed time</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Percentage done</source>
        <translation>Pourcentage effectué</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>Barre de progression</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>Durée totale</translation>
    </message>
    <message>
        <source>Estimated total time</source>
        <translation>Durée totale estimée</translation>
    </message>
    <message>
        <source>Completion</source>
        <translation>Fin prévue</translation>
    </message>
    <message>
        <source>Estimated completion time</source>
        <translation>Date et heure de fin estimées</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>Avancement à</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Done at time set</source>
        <translation>Heure d’avancement définie</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>Appuyez sur Espace pour effacer ou définir l’heure d’avancement</translation>
    </message>
    <message>
        <source>[undefined]</source>
        <extracomment>The total time when nothing can be estimated, and the done-at result before any time has elapsed.</extracomment>
        <translation>[indéfini]</translation>
    </message>
    <message>
        <source>[Undefined]</source>
        <extracomment>The completion time and the done-at result when nothing can be estimated.</extracomment>
        <translation>[Indéfini]</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A percentage; %1 is its figure, such as 57.32.</extracomment>
        <translation>%1&#x202f;%</translation>
    </message>
    <message>
        <source>%1 (reached)</source>
        <extracomment>A percentage at a done-at time that has passed; %1 is the percentage, such as 57.32 %.</extracomment>
        <translation>%1 (atteint)</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>The job will be complete before the done-at time. Keep it short: the label is narrow.</extracomment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>(+ %1 %)</source>
        <extracomment>Below &quot;Completed&quot;: how far past 100 % the job will be; %1 is the figure, such as 12.50.</extracomment>
        <translation>(+ %1&#x202f;%)</translation>
    </message>
    <message>
        <source>Percentage reached at the done-at time</source>
        <translation>Pourcentage atteint à l’heure d’avancement</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A result read out by a screen reader: %1 is the caption of its frame, such as &quot;Total time&quot;, %2 the result as the window shows it.</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Job Time Estimator</source>
        <extracomment>The launcher entry&apos;s generic name.</extracomment>
        <translation>Estimation de durée de tâches</translation>
    </message>
    <message>
        <source>Estimate when a long-running job will finish</source>
        <extracomment>The launcher entry&apos;s comment and the software centre&apos;s summary.</extracomment>
        <translation>Estimer quand une tâche de longue durée se terminera</translation>
    </message>
    <message>
        <source>estimate;progress;remaining;finish;eta;</source>
        <extracomment>Words the launcher finds the program by, each followed by a semicolon.</extracomment>
        <translation>estimer;progression;restant;fin;durée;</translation>
    </message>
    <message>
        <source>TavroTime tells you when a long job, such as a render, a copy or a backup, will finish. Type how long the job has been running and what percentage of it is done, and it shows the estimated total duration and the date and time of completion, assuming the job keeps its average rate.</source>
        <extracomment>The software centre&apos;s description, first paragraph.</extracomment>
        <translation>TavroTime vous indique quand une longue tâche, comme un rendu, une copie ou une sauvegarde, se terminera. Saisissez depuis combien de temps la tâche tourne et quel pourcentage est effectué : il affiche la durée totale estimée ainsi que la date et l’heure de fin, en supposant que la tâche garde son rythme moyen.</translation>
    </message>
    <message>
        <source>Pick a done-at time to see what percentage the job will have reached by then, or by how much it will already be past complete. Dates, times and decimals follow your locale, and everything works from the keyboard.</source>
        <extracomment>The software centre&apos;s description, second paragraph.</extracomment>
        <translation>Choisissez une heure pour voir quel pourcentage la tâche aura atteint d’ici là, ou de combien elle aura déjà dépassé la fin. Les dates, les heures et les décimales suivent vos paramètres régionaux, et tout se fait au clavier.</translation>
    </message>
</context>
</TS>
