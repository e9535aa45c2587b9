<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hans">
<context>
    <name>FormTavro</name>
    <message>
        <source>Elapsed time</source>
        <translation>已用时间</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Percentage done</source>
        <translation>完成百分比</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>进度条</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>总时长</translation>
    </message>
    <message>
        <source>Estimated total time</source>
        <translation>预计总时长</translation>
    </message>
    <message>
        <source>Completion</source>
        <translation>完成时间</translation>
    </message>
    <message>
        <source>Estimated completion time</source>
        <translation>预计完成时间</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>指定时间进度</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Done at time set</source>
        <translation>已设置指定时间</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>按空格键清除或设置指定时间</translation>
    </message>
    <message>
        <source>[undefined]</source>
        <extracomment>The total time when nothing can be estimated, and the done-at result before any time has elapsed.</extracomment>
        <translation>[无法估算]</translation>
    </message>
    <message>
        <source>[Undefined]</source>
        <extracomment>The completion time and the done-at result when nothing can be estimated.</extracomment>
        <translation>[无法估算]</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A percentage; %1 is its figure, such as 57.32.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 (reached)</source>
        <extracomment>A percentage at a done-at time that has passed; %1 is the percentage, such as 57.32 %.</extracomment>
        <translation>%1（已达到）</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>The job will be complete before the done-at time. Keep it short: the label is narrow.</extracomment>
        <translation>已完成</translation>
    </message>
    <message>
        <source>(+ %1 %)</source>
        <extracomment>Below &quot;Completed&quot;: how far past 100 % the job will be; %1 is the figure, such as 12.50.</extracomment>
        <translation>（+%1%）</translation>
    </message>
    <message>
        <source>Percentage reached at the done-at time</source>
        <translation>到指定时间时达到的完成百分比</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A result read out by a screen reader: %1 is the caption of its frame, such as &quot;Total time&quot;, %2 the result as the window shows it.</extracomment>
        <translation>%1：%2。</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Job Time Estimator</source>
        <extracomment>The launcher entry&apos;s generic name.</extracomment>
        <translation>任务时间估算</translation>
    </message>
    <message>
        <source>Estimate when a long-running job will finish</source>
        <extracomment>The launcher entry&apos;s comment and the software centre&apos;s summary.</extracomment>
        <translation>估算耗时任务何时完成</translation>
    </message>
    <message>
        <source>estimate;progress;remaining;finish;eta;</source>
        <extracomment>Words the launcher finds the program by, each followed by a semicolon.</extracomment>
        <translation>估算;进度;剩余时间;完成;时长;</translation>
    </message>
    <message>
        <source>TavroTime tells you when a long job, such as a render, a copy or a backup, will finish. Type how long the job has been running and what percentage of it is done, and it shows the estimated total duration and the date and time of completion, assuming the job keeps its average rate.</source>
        <extracomment>The software centre&apos;s description, first paragraph.</extracomment>
        <translation>TavroTime 告诉您渲染、复制或备份等耗时任务何时完成。输入任务已运行的时间和已完成的百分比，它会按任务目前的平均速度显示预计总时长以及完成的日期和时间。</translation>
    </message>
    <message>
        <source>Pick a done-at time to see what percentage the job will have reached by then, or by how much it will already be past complete. Dates, times and decimals follow your locale, and everything works from the keyboard.</source>
        <extracomment>The software centre&apos;s description, second paragraph.</extracomment>
        <translation>选择一个时间，即可查看任务届时将达到的百分比，或者已经超出完成多少。日期、时间和小数遵循您的区域设置，所有操作都可以用键盘完成。</translation>
    </message>
</context>
</TS>
