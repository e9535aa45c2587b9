<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
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
        <translation>経過時間</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進捗</translation>
    </message>
    <message>
        <source>Percentage done</source>
        <translation>完了率</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>プログレスバー</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>合計時間</translation>
    </message>
    <message>
        <source>Estimated total time</source>
        <translation>推定合計時間</translation>
    </message>
    <message>
        <source>Completion</source>
        <translation>完了予定</translation>
    </message>
    <message>
        <source>Estimated completion time</source>
        <translation>推定完了時刻</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>指定時刻の進捗</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DoneTimePicker</name>
    <message>
        <source>Done at time set</source>
        <translation>指定時刻を設定</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>指定時刻</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>スペースキーで指定時刻を解除または設定します</translation>
    </message>
</context>
<context>
    <name>FormTavro</name>
    <message>
        <source>[undefined]</source>
        <extracomment>The total time when nothing can be estimated, and the done-at result before any time has elapsed.</extracomment>
        <translation>[算出不可]</translation>
    </message>
    <message>
        <source>[Undefined]</source>
        <extracomment>The completion time and the done-at result when nothing can be estimated.</extracomment>
        <translation>[算出不可]</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A percentage; %1 is its figure, such as 57.32.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 (reached)</source>
        <extracomment>A percentage at a done-at time that has passed; %1 is the percentage, such as 57.32 %.</extracomment>
        <translation>%1（到達済み）</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>The job will be complete before the done-at time. Keep it short: the label is narrow.</extracomment>
        <translation>完了</translation>
    </message>
    <message>
        <source>(+ %1 %)</source>
        <extracomment>Below &quot;Completed&quot;: how far past 100 % the job will be; %1 is the figure, such as 12.50.</extracomment>
        <translation>（+%1%）</translation>
    </message>
    <message>
        <source>Percentage reached at the done-at time</source>
        <translation>指定時刻までに達する完了率</translation>
    </message>
</context>
</TS>
