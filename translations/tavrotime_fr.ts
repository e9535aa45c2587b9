<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Announcer</name>
    <message>
        <source>%1: %2.</source>
        <extracomment>A result read out by a screen reader: %1 is the caption of its frame, such as &quot;Total time&quot;, %2 the result as the window shows it.</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
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
</context>
<context>
    <name>DoneTimePicker</name>
    <message>
        <source>Done at time set</source>
        <translation>Heure d’avancement définie</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>Avancement à</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>Appuyez sur Espace pour effacer ou définir l’heure d’avancement</translation>
    </message>
</context>
<context>
    <name>FormTavro</name>
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
</context>
</TS>
