<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Announcer</name>
    <message>
        <source>%1: %2.</source>
        <extracomment>A result read out by a screen reader: %1 is the caption of its frame, such as &quot;Total time&quot;, %2 the result as the window shows it.</extracomment>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
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
</context>
<context>
    <name>DoneTimePicker</name>
    <message>
        <source>Done at time set</source>
        <translation>Время «Выполнено к» задано</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>Выполнено к</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>Нажмите пробел, чтобы сбросить или задать время «Выполнено к»</translation>
    </message>
</context>
<context>
    <name>FormTavro</name>
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
</context>
</TS>
