<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>ControlTable</name>
    <message>
        <source>Elapsed time</source>
        <translation>זמן שחלף</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>שעות</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>דקות</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>שניות</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>התקדמות</translation>
    </message>
    <message>
        <source>Percentage done</source>
        <translation>אחוז שהושלם</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>סרגל התקדמות</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>זמן כולל</translation>
    </message>
    <message>
        <source>Estimated total time</source>
        <translation>זמן כולל משוער</translation>
    </message>
    <message>
        <source>Completion</source>
        <translation>סיום</translation>
    </message>
    <message>
        <source>Estimated completion time</source>
        <translation>מועד סיום משוער</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>התקדמות במועד</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>DoneTimePicker</name>
    <message>
        <source>Done at time set</source>
        <translation>מועד נבחר מוגדר</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>מועד נבחר</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>הקש רווח כדי לבטל או להגדיר את המועד הנבחר</translation>
    </message>
</context>
<context>
    <name>FormTavro</name>
    <message>
        <source>[undefined]</source>
        <extracomment>The total time when nothing can be estimated, and the done-at result before any time has elapsed.</extracomment>
        <translation>[לא מוגדר]</translation>
    </message>
    <message>
        <source>[Undefined]</source>
        <extracomment>The completion time and the done-at result when nothing can be estimated.</extracomment>
        <translation>[לא מוגדר]</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A percentage; %1 is its figure, such as 57.32.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 (reached)</source>
        <extracomment>A percentage at a done-at time that has passed; %1 is the percentage, such as 57.32 %.</extracomment>
        <translation>%1 (הושג)</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>The job will be complete before the done-at time. Keep it short: the label is narrow.</extracomment>
        <translation>הושלם</translation>
    </message>
    <message>
        <source>(+ %1 %)</source>
        <extracomment>Below &quot;Completed&quot;: how far past 100 % the job will be; %1 is the figure, such as 12.50.</extracomment>
        <translation>(⁦+%1%⁩)</translation>
    </message>
    <message>
        <source>Percentage reached at the done-at time</source>
        <translation>האחוז שיושג במועד הנבחר</translation>
    </message>
</context>
</TS>
