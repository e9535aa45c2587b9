<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>FormTavro</name>
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
    <message>
        <source>Done at time set</source>
        <translation>Hora de avance establecida</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>Pulse Espacio para borrar o establecer la hora de avance</translation>
    </message>
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
        <translation>Estimador de tiempo de tareas</translation>
    </message>
    <message>
        <source>Estimate when a long-running job will finish</source>
        <extracomment>The launcher entry&apos;s comment and the software centre&apos;s summary.</extracomment>
        <translation>Estime cuándo terminará una tarea de larga duración</translation>
    </message>
    <message>
        <source>estimate;progress;remaining;finish;eta;</source>
        <extracomment>Words the launcher finds the program by, each followed by a semicolon.</extracomment>
        <translation>estimar;progreso;restante;terminar;duración;</translation>
    </message>
    <message>
        <source>TavroTime tells you when a long job, such as a render, a copy or a backup, will finish. Type how long the job has been running and what percentage of it is done, and it shows the estimated total duration and the date and time of completion, assuming the job keeps its average rate.</source>
        <extracomment>The software centre&apos;s description, first paragraph.</extracomment>
        <translation>TavroTime le indica cuándo terminará una tarea larga, como un renderizado, una copia o una copia de seguridad. Escriba cuánto tiempo lleva en marcha la tarea y qué porcentaje está completado, y mostrará la duración total estimada y la fecha y hora de finalización, suponiendo que la tarea mantiene su ritmo medio.</translation>
    </message>
    <message>
        <source>Pick a done-at time to see what percentage the job will have reached by then, or by how much it will already be past complete. Dates, times and decimals follow your locale, and everything works from the keyboard.</source>
        <extracomment>The software centre&apos;s description, second paragraph.</extracomment>
        <translation>Elija una hora para ver qué porcentaje habrá alcanzado la tarea para entonces, o cuánto habrá sobrepasado ya el final. Las fechas, las horas y los decimales siguen su configuración regional, y todo se puede hacer con el teclado.</translation>
    </message>
</context>
</TS>
