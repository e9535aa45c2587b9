<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>ControlTable</name>
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
        <translation>التقدم في وقت</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DoneTimePicker</name>
    <message>
        <source>Done at time set</source>
        <translation>الوقت المختار مفعَّل</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>الوقت المختار</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>اضغط مفتاح المسافة لإلغاء الوقت المختار أو تفعيله</translation>
    </message>
</context>
<context>
    <name>FormTavro</name>
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
        <translation>النسبة التي تُبلغ في الوقت المختار</translation>
    </message>
</context>
</TS>
