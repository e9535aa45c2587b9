<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>FormTavro</name>
    <message>
        <source>Elapsed time</source>
        <translation>Прошло времени</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Минуты</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Секунды</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Percentage done</source>
        <translation>Процент выполнения</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>Индикатор выполнения</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>Общее время</translation>
    </message>
    <message>
        <source>Estimated total time</source>
        <translation>Расчётное общее время</translation>
    </message>
    <message>
        <source>Completion</source>
        <translation>Завершение</translation>
    </message>
    <message>
        <source>Estimated completion time</source>
        <translation>Расчётное время завершения</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>Выполнено к</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Done at time set</source>
        <translation>Время «Выполнено к» задано</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>Нажмите пробел, чтобы сбросить или задать время «Выполнено к»</translation>
    </message>
    <message>
        <source>[undefined]</source>
        <extracomment>The total time when nothing can be estimated, and the done-at result before any time has elapsed.</extracomment>
        <translation>[не определено]</translation>
    </message>
    <message>
        <source>[Undefined]</source>
        <extracomment>The completion time and the done-at result when nothing can be estimated.</extracomment>
        <translation>[Не определено]</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A percentage; %1 is its figure, such as 57.32.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 (reached)</source>
        <extracomment>A percentage at a done-at time that has passed; %1 is the percentage, such as 57.32 %.</extracomment>
        <translation>%1 (достигнуто)</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>The job will be complete before the done-at time. Keep it short: the label is narrow.</extracomment>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>(+ %1 %)</source>
        <extracomment>Below &quot;Completed&quot;: how far past 100 % the job will be; %1 is the figure, such as 12.50.</extracomment>
        <translation>(+ %1&#xa0;%)</translation>
    </message>
    <message>
        <source>Percentage reached at the done-at time</source>
        <translation>Процент выполнения к заданному времени</translation>
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
        <translation>Оценка времени выполнения</translation>
    </message>
    <message>
        <source>Estimate when a long-running job will finish</source>
        <extracomment>The launcher entry&apos;s comment and the software centre&apos;s summary.</extracomment>
        <translation>Оценка времени завершения долгой задачи</translation>
    </message>
    <message>
        <source>estimate;progress;remaining;finish;eta;</source>
        <extracomment>Words the launcher finds the program by, each followed by a semicolon.</extracomment>
        <translation>оценка;прогресс;осталось;завершение;время;</translation>
    </message>
    <message>
        <source>TavroTime tells you when a long job, such as a render, a copy or a backup, will finish. Type how long the job has been running and what percentage of it is done, and it shows the estimated total duration and the date and time of completion, assuming the job keeps its average rate.</source>
        <extracomment>The software centre&apos;s description, first paragraph.</extracomment>
        <translation>TavroTime подскажет, когда завершится долгая задача — например, рендеринг, копирование или резервное копирование. Введите, сколько времени задача уже выполняется и какой процент готов, и программа покажет расчётное общее время, а также дату и время завершения, если задача сохранит свой средний темп.</translation>
    </message>
    <message>
        <source>Pick a done-at time to see what percentage the job will have reached by then, or by how much it will already be past complete. Dates, times and decimals follow your locale, and everything works from the keyboard.</source>
        <extracomment>The software centre&apos;s description, second paragraph.</extracomment>
        <translation>Выберите время, чтобы узнать, какого процента задача достигнет к этому моменту или насколько она уже превысит завершение. Даты, время и десятичные числа отображаются в формате вашего региона, и всем можно управлять с клавиатуры.</translation>
    </message>
</context>
</TS>
