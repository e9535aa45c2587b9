<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>FormTavro</name>
    <message>
        <source>Elapsed time</source>
        <translation>Tempo decorrido</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Percentage done</source>
        <translation>Porcentagem concluída</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>Barra de progresso</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>Tempo total</translation>
    </message>
    <message>
        <source>Estimated total time</source>
        <translation>Tempo total estimado</translation>
    </message>
    <message>
        <source>Completion</source>
        <translation>Conclusão</translation>
    </message>
    <message>
        <source>Estimated completion time</source>
        <translation>Horário estimado de conclusão</translation>
    </message>
    <message>
        <source>Done at</source>
        <translation>Progresso às</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done at time set</source>
        <translation>Horário de progresso definido</translation>
    </message>
    <message>
        <source>Press Space to clear or set the done-at time</source>
        <translation>Pressione Espaço para limpar ou definir o horário de progresso</translation>
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
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 (reached)</source>
        <extracomment>A percentage at a done-at time that has passed; %1 is the percentage, such as 57.32 %.</extracomment>
        <translation>%1 (atingido)</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>The job will be complete before the done-at time. Keep it short: the label is narrow.</extracomment>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>(+ %1 %)</source>
        <extracomment>Below &quot;Completed&quot;: how far past 100 % the job will be; %1 is the figure, such as 12.50.</extracomment>
        <translation>(+ %1%)</translation>
    </message>
    <message>
        <source>Percentage reached at the done-at time</source>
        <translation>Porcentagem atingida no horário de progresso</translation>
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
        <translation>Estimador de tempo de tarefas</translation>
    </message>
    <message>
        <source>Estimate when a long-running job will finish</source>
        <extracomment>The launcher entry&apos;s comment and the software centre&apos;s summary.</extracomment>
        <translation>Estime quando uma tarefa demorada vai terminar</translation>
    </message>
    <message>
        <source>estimate;progress;remaining;finish;eta;</source>
        <extracomment>Words the launcher finds the program by, each followed by a semicolon.</extracomment>
        <translation>estimar;progresso;restante;terminar;duração;</translation>
    </message>
    <message>
        <source>TavroTime tells you when a long job, such as a render, a copy or a backup, will finish. Type how long the job has been running and what percentage of it is done, and it shows the estimated total duration and the date and time of completion, assuming the job keeps its average rate.</source>
        <extracomment>The software centre&apos;s description, first paragraph.</extracomment>
        <translation>O TavroTime informa quando uma tarefa longa, como uma renderização, uma cópia ou um backup, vai terminar. Digite há quanto tempo a tarefa está em execução e qual porcentagem já foi concluída, e ele mostra a duração total estimada e a data e o horário de conclusão, supondo que a tarefa mantenha seu ritmo médio.</translation>
    </message>
    <message>
        <source>Pick a done-at time to see what percentage the job will have reached by then, or by how much it will already be past complete. Dates, times and decimals follow your locale, and everything works from the keyboard.</source>
        <extracomment>The software centre&apos;s description, second paragraph.</extracomment>
        <translation>Escolha um horário para ver que porcentagem a tarefa terá atingido até lá, ou quanto ela já terá passado da conclusão. Datas, horários e decimais seguem a sua localidade, e tudo funciona pelo teclado.</translation>
    </message>
</context>
</TS>
