<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>FormTavro</name>
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
    <message>
        <source>Done at time set</source>
        <translation>زمان پیشرفت تنظیم شده</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>برای پاک کردن یا تنظیم زمان پیشرفت، کلید فاصله را بزنید</translation>
    </message>
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
        <translation>برآوردگر زمان کارها</translation>
    </message>
    <message>
        <source>Estimate when a long-running job will finish</source>
        <extracomment>The launcher entry&apos;s comment and the software centre&apos;s summary.</extracomment>
        <translation>برآورد زمان پایان یک کار طولانی</translation>
    </message>
    <message>
        <source>estimate;progress;remaining;finish;eta;</source>
        <extracomment>Words the launcher finds the program by, each followed by a semicolon.</extracomment>
        <translation>برآورد;پیشرفت;باقی‌مانده;پایان;مدت;</translation>
    </message>
    <message>
        <source>TavroTime tells you when a long job, such as a render, a copy or a backup, will finish. Type how long the job has been running and what percentage of it is done, and it shows the estimated total duration and the date and time of completion, assuming the job keeps its average rate.</source>
        <extracomment>The software centre&apos;s description, first paragraph.</extracomment>
        <translation>TavroTime به شما می‌گوید یک کار طولانی، مانند رندر، کپی یا پشتیبان‌گیری، کی تمام می‌شود. وارد کنید کار چه مدت است که در حال اجراست و چند درصد آن انجام شده است، تا مدت کل برآوردی و تاریخ و زمان پایان را نشان دهد، با این فرض که کار آهنگ میانگین خود را حفظ کند.</translation>
    </message>
    <message>
        <source>Pick a done-at time to see what percentage the job will have reached by then, or by how much it will already be past complete. Dates, times and decimals follow your locale, and everything works from the keyboard.</source>
        <extracomment>The software centre&apos;s description, second paragraph.</extracomment>
        <translation>زمانی را انتخاب کنید تا ببینید کار تا آن هنگام به چند درصد می‌رسد، یا چه اندازه از پایان گذشته است. تاریخ‌ها، زمان‌ها و اعداد اعشاری از تنظیمات منطقه‌ای شما پیروی می‌کنند و همه‌چیز با صفحه‌کلید کار می‌کند.</translation>
    </message>
</context>
</TS>
