<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>FormTavro</name>
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
        <translation>מצב בשעה</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Done at time set</source>
        <translation>שעת המצב מוגדרת</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>הקש רווח כדי לבטל או להגדיר את שעת המצב</translation>
    </message>
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
        <translation>האחוז שיושג בשעה שנבחרה</translation>
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
        <translation>הערכת זמן משימות</translation>
    </message>
    <message>
        <source>Estimate when a long-running job will finish</source>
        <extracomment>The launcher entry&apos;s comment and the software centre&apos;s summary.</extracomment>
        <translation>הערכה מתי תסתיים משימה ארוכה</translation>
    </message>
    <message>
        <source>estimate;progress;remaining;finish;eta;</source>
        <extracomment>Words the launcher finds the program by, each followed by a semicolon.</extracomment>
        <translation>הערכה;התקדמות;נותר;סיום;משך;</translation>
    </message>
    <message>
        <source>TavroTime tells you when a long job, such as a render, a copy or a backup, will finish. Type how long the job has been running and what percentage of it is done, and it shows the estimated total duration and the date and time of completion, assuming the job keeps its average rate.</source>
        <extracomment>The software centre&apos;s description, first paragraph.</extracomment>
        <translation>TavroTime מראה לך מתי תסתיים משימה ארוכה, כמו רינדור, העתקה או גיבוי. הקלד כמה זמן המשימה כבר רצה ואיזה אחוז ממנה הושלם, והוא יציג את משך הזמן הכולל המשוער ואת התאריך והשעה של הסיום, בהנחה שהמשימה שומרת על הקצב הממוצע שלה.</translation>
    </message>
    <message>
        <source>Pick a done-at time to see what percentage the job will have reached by then, or by how much it will already be past complete. Dates, times and decimals follow your locale, and everything works from the keyboard.</source>
        <extracomment>The software centre&apos;s description, second paragraph.</extracomment>
        <translation>בחר שעה כדי לראות לאיזה אחוז תגיע המשימה עד אז, או בכמה היא כבר תעבור את הסיום. תאריכים, שעות ומספרים עשרוניים מוצגים לפי ההגדרות האזוריות שלך, והכול פועל מהמקלדת.</translation>
    </message>
</context>
</TS>
