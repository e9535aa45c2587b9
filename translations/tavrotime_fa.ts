<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>ControlTable</name>
    <message>
        <source>Elapsed time</source>
        <translation>زمان سپری‌شده</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>ساعت</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>دقیقه</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>ثانیه</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>پیشرفت</translation>
    </message>
    <message>
        <source>Percentage done</source>
        <translation>درصد انجام‌شده</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>نوار پیشرفت</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>زمان کل</translation>
    </message>
    <message>
        <source>Estimated total time</source>
        <translation>زمان کل برآوردی</translation>
    </message>
    <message>
        <source>Completion</source>
        <translation>پایان</translation>
    </message>
    <message>
        <source>Estimated completion time</source>
        <translation>زمان برآوردی پایان</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>پیشرفت در زمان</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
</context>
<context>
    <name>DoneTimePicker</name>
    <message>
        <source>Done at time set</source>
        <translation>زمان انتخابی تنظیم شده</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>زمان انتخابی</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>برای پاک کردن یا تنظیم زمان انتخابی، کلید فاصله را بزنید</translation>
    </message>
</context>
<context>
    <name>FormTavro</name>
    <message>
        <source>[undefined]</source>
        <extracomment>The total time when nothing can be estimated, and the done-at result before any time has elapsed.</extracomment>
        <translation>[نامشخص]</translation>
    </message>
    <message>
        <source>[Undefined]</source>
        <extracomment>The completion time and the done-at result when nothing can be estimated.</extracomment>
        <translation>[نامشخص]</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A percentage; %1 is its figure, such as 57.32.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 (reached)</source>
        <extracomment>A percentage at a done-at time that has passed; %1 is the percentage, such as 57.32 %.</extracomment>
        <translation>%1 (رسیده)</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>The job will be complete before the done-at time. Keep it short: the label is narrow.</extracomment>
        <translation>تکمیل‌شده</translation>
    </message>
    <message>
        <source>(+ %1 %)</source>
        <extracomment>Below &quot;Completed&quot;: how far past 100 % the job will be; %1 is the figure, such as 12.50.</extracomment>
        <translation>(⁦+%1%⁩)</translation>
    </message>
    <message>
        <source>Percentage reached at the done-at time</source>
        <translation>درصدی که تا زمان انتخابی به دست می‌آید</translation>
    </message>
</context>
</TS>
