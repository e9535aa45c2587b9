<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Announcer</name>
    <message>
        <source>%1: %2.</source>
        <extracomment>A result read out by a screen reader: %1 is the caption of its frame, such as &quot;Total time&quot;, %2 the result as the window shows it.</extracomment>
        <translation>%1：%2。</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
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
</context>
<context>
    <name>DoneTimePicker</name>
    <message>
        <source>Done at time set</source>
        <translation>已设置指定时间</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>指定时间</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>按空格键清除或设置指定时间</translation>
    </message>
</context>
<context>
    <name>FormTavro</name>
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
</context>
</TS>
