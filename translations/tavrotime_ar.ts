<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>FormTavro</name>
    <message>
        <source>Elapsed time</source>
        <translation>الوقت المنقضي</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>الساعات</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>الدقائق</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>الثواني</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>Percentage done</source>
        <translation>النسبة المنجزة</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>شريط التقدم</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>الوقت الكلي</translation>
    </message>
    <message>
        <source>Estimated total time</source>
        <translation>الوقت الكلي المقدَّر</translation>
    </message>
    <message>
        <source>Completion</source>
        <translation>الانتهاء</translation>
    </message>
    <message>
        <source>Estimated completion time</source>
        <translation>وقت الانتهاء المقدَّر</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>الإنجاز عند</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Done at time set</source>
        <translation>وقت الإنجاز محدد</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>اضغط مفتاح المسافة لإلغاء وقت الإنجاز أو تحديده</translation>
    </message>
    <message>
        <source>[undefined]</source>
        <extracomment>The total time when nothing can be estimated, and the done-at result before any time has elapsed.</extracomment>
        <translation>[غير محدد]</translation>
    </message>
    <message>
        <source>[Undefined]</source>
        <extracomment>The completion time and the done-at result when nothing can be estimated.</extracomment>
        <translation>[غير محدد]</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A percentage; %1 is its figure, such as 57.32.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 (reached)</source>
        <extracomment>A percentage at a done-at time that has passed; %1 is the percentage, such as 57.32 %.</extracomment>
        <translation>%1 (تم بلوغها)</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>The job will be complete before the done-at time. Keep it short: the label is narrow.</extracomment>
        <translation>اكتملت</translation>
    </message>
    <message>
        <source>(+ %1 %)</source>
        <extracomment>Below &quot;Completed&quot;: how far past 100 % the job will be; %1 is the figure, such as 12.50.</extracomment>
        <translation>(⁦+%1%⁩)</translation>
    </message>
    <message>
        <source>Percentage reached at the done-at time</source>
        <translation>النسبة المبلوغة عند وقت الإنجاز</translation>
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
        <translation>مقدِّر مدة المهام</translation>
    </message>
    <message>
        <source>Estimate when a long-running job will finish</source>
        <extracomment>The launcher entry&apos;s comment and the software centre&apos;s summary.</extracomment>
        <translation>تقدير موعد انتهاء مهمة طويلة</translation>
    </message>
    <message>
        <source>estimate;progress;remaining;finish;eta;</source>
        <extracomment>Words the launcher finds the program by, each followed by a semicolon.</extracomment>
        <translation>تقدير;تقدم;متبقي;انتهاء;مدة;</translation>
    </message>
    <message>
        <source>TavroTime tells you when a long job, such as a render, a copy or a backup, will finish. Type how long the job has been running and what percentage of it is done, and it shows the estimated total duration and the date and time of completion, assuming the job keeps its average rate.</source>
        <extracomment>The software centre&apos;s description, first paragraph.</extracomment>
        <translation>يخبرك TavroTime متى ستنتهي مهمة طويلة، مثل التصيير أو النسخ أو النسخ الاحتياطي. اكتب منذ متى تعمل المهمة وما النسبة المنجزة منها، فيعرض المدة الكلية المقدَّرة وتاريخ الانتهاء ووقته، على افتراض أن المهمة تحافظ على معدلها المتوسط.</translation>
    </message>
    <message>
        <source>Pick a done-at time to see what percentage the job will have reached by then, or by how much it will already be past complete. Dates, times and decimals follow your locale, and everything works from the keyboard.</source>
        <extracomment>The software centre&apos;s description, second paragraph.</extracomment>
        <translation>اختر وقتًا لترى النسبة التي ستبلغها المهمة عندئذ، أو بكم ستكون قد تجاوزت الاكتمال. تتبع التواريخ والأوقات والأعداد العشرية إعداداتك المحلية، وكل شيء يعمل من لوحة المفاتيح.</translation>
    </message>
</context>
</TS>
