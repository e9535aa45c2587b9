<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>FormTavro</name>
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
    <message>
        <source>Done at time set</source>
        <translation>指定時刻を設定</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>スペースキーで指定時刻を解除または設定します</translation>
    </message>
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
        <translation>処理時間の見積もり</translation>
    </message>
    <message>
        <source>Estimate when a long-running job will finish</source>
        <extracomment>The launcher entry&apos;s comment and the software centre&apos;s summary.</extracomment>
        <translation>時間のかかる処理がいつ終わるかを見積もります</translation>
    </message>
    <message>
        <source>estimate;progress;remaining;finish;eta;</source>
        <extracomment>Words the launcher finds the program by, each followed by a semicolon.</extracomment>
        <translation>見積もり;進捗;残り時間;完了;所要時間;</translation>
    </message>
    <message>
        <source>TavroTime tells you when a long job, such as a render, a copy or a backup, will finish. Type how long the job has been running and what percentage of it is done, and it shows the estimated total duration and the date and time of completion, assuming the job keeps its average rate.</source>
        <extracomment>The software centre&apos;s description, first paragraph.</extracomment>
        <translation>TavroTime は、レンダリングやコピー、バックアップなど時間のかかる処理がいつ終わるかを教えてくれます。処理を始めてからの経過時間と完了した割合を入力すると、処理がこれまでの平均ペースを保つものとして、推定合計時間と完了予定の日時を表示します。</translation>
    </message>
    <message>
        <source>Pick a done-at time to see what percentage the job will have reached by then, or by how much it will already be past complete. Dates, times and decimals follow your locale, and everything works from the keyboard.</source>
        <extracomment>The software centre&apos;s description, second paragraph.</extracomment>
        <translation>時刻を指定すると、その時点で処理が何パーセントに達しているか、またはすでに完了をどれだけ超えているかを確認できます。日付、時刻、小数はロケールの形式で表示され、すべての操作をキーボードで行えます。</translation>
    </message>
</context>
</TS>
