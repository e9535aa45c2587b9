<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Percentage done</source>
        <translation>Porcentaje completado</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>Barra de progreso</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>Tiempo total</translation>
    </message>
    <message>
        <source>Estimated total time</source>
        <translation>Tiempo total estimado</translation>
    </message>
    <message>
        <source>Completion</source>
        <translation>Finalización</translation>
    </message>
    <message>
        <source>Estimated completion time</source>
        <translation>Hora estimada de finalización</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>Avance a las</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DoneTimePicker</name>
    <message>
        <source>Done at time set</source>
        <translation>Hora de avance establecida</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>Avance a las</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>Pulse Espacio para borrar o establecer la hora de avance</translation>
    </message>
</context>
<context>
    <name>FormTavro</name>
    <message>
        <source>[undefined]</source>
        <extracomment>The total time when nothing can be estimated, and the done-at result before any time has elapsed.</extracomment>
        <translation>[indefinido]</translation>
    </message>
    <message>
        <source>[Undefined]</source>
        <extracomment>The completion time and the done-at result when nothing can be estimated.</extracomment>
        <translation>[Indefinido]</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A percentage; %1 is its figure, such as 57.32.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 (reached)</source>
        <extracomment>A percentage at a done-at time that has passed; %1 is the percentage, such as 57.32 %.</extracomment>
        <translation>%1 (alcanzado)</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>The job will be complete before the done-at time. Keep it short: the label is narrow.</extracomment>
        <translation>Completado</translation>
    </message>
    <message>
        <source>(+ %1 %)</source>
        <extracomment>Below &quot;Completed&quot;: how far past 100 % the job will be; %1 is the figure, such as 12.50.</extracomment>
        <translation>(+ %1&#xa0;%)</translation>
    </message>
    <message>
        <source>Percentage reached at the done-at time</source>
        <translation>Porcentaje alcanzado a la hora de avance</translation>
    </message>
</context>
</TS>
