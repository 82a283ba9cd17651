<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>HelpViewer</name>
    <message>
        <source>&lt;p&gt;Раздел справки %1 не найден.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Help topic %1 not found.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>◀ Назад</source>
        <translation>◀ Back</translation>
    </message>
    <message>
        <source>Вперёд ▶</source>
        <translation>Forward ▶</translation>
    </message>
    <message>
        <source>Предыдущий раздел (Alt+←)</source>
        <translation>Previous topic (Alt+←)</translation>
    </message>
    <message>
        <source>Следующий раздел (Alt+→)</source>
        <translation>Next topic (Alt+→)</translation>
    </message>
    <message>
        <source>Мельче (Ctrl+−)</source>
        <translation>Smaller (Ctrl+−)</translation>
    </message>
    <message>
        <source>Крупнее (Ctrl++)</source>
        <translation>Larger (Ctrl++)</translation>
    </message>
    <message>
        <source>Поиск по словам</source>
        <translation>Search</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Журнал лабораторных работ: %1</source>
        <translation>Lab journal: %1</translation>
    </message>
    <message>
        <source>Стр. %1 из %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>без имени</source>
        <translation>unnamed</translation>
    </message>
    <message>
        <source>все имена файлов заняты</source>
        <translation>every file name is taken</translation>
    </message>
    <message>
        <source>документ не удалось подготовить</source>
        <translation>the document could not be prepared</translation>
    </message>
</context>
<context>
    <name>JournalDialog</name>
    <message>
        <source>Журнал</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Фамилия и имя:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Группа:</source>
        <translation>Group:</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Сохранить PDF…</source>
        <translation>Save PDF…</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Не удалось напечатать журнал.</source>
        <translation>The journal could not be printed.</translation>
    </message>
    <message>
        <source>журнал.pdf</source>
        <translation>journal.pdf</translation>
    </message>
    <message>
        <source>журнал_%1.pdf</source>
        <translation>journal_%1.pdf</translation>
    </message>
    <message>
        <source>Сохранить журнал</source>
        <translation>Save the journal</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Не удалось записать файл журнала:
<byte value="xd"/>%1</source>
        <translation>The journal file could not be written:
<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>не длиннее %1 знаков</source>
        <translation>at most %1 characters</translation>
    </message>
    <message>
        <source>Фамилия и имя, не длиннее %1 знаков</source>
        <translation>Name, at most %1 characters</translation>
    </message>
    <message>
        <source>Группа, не длиннее %1 знаков</source>
        <translation>Group, at most %1 characters</translation>
    </message>
    <message>
        <source>Новый студент…</source>
        <translation>New student…</translation>
    </message>
    <message>
        <source>Прежний файл остался как был.</source>
        <translation>The earlier file is kept as it was.</translation>
    </message>
    <message>
        <source>Начать журнал нового студента?</source>
        <translation>Start a journal for a new student?</translation>
    </message>
    <message>
        <source>Журнал «%1» будет сначала записан в файл.</source>
        <translation>The journal of “%1” will be written to a file first.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Вызов справки	F1</source>
        <translation>Open help	F1</translation>
    </message>
    <message>
        <source>Линейные непрерывные системы. Виртуальная лаборатория</source>
        <translation>Linear Continuous Systems. Virtual Laboratory</translation>
    </message>
    <message>
        <source>Эта работа пока недоступна</source>
        <translation>This lab is not available yet</translation>
    </message>
    <message>
        <source>Включить построение переходных характеристик во времени </source>
        <translation>Draw the time responses gradually, as they evolve </translation>
    </message>
    <message>
        <source>Идея и методика: кафедра САУ</source>
        <translation>Concept: Control Systems Dept.</translation>
    </message>
    <message>
        <source>Программа: команда Lumeq</source>
        <translation>Software: the Lumeq team</translation>
    </message>
    <message>
        <source>Язык интерфейса</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>Меню</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Далее</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Калькулятор</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Координаты указателя (locked)</source>
        <translation>Pointer coordinates (locked)</translation>
    </message>
    <message>
        <source>Координаты указателя</source>
        <translation>Pointer coordinates</translation>
    </message>
    <message>
        <source>Приложения &quot;калькулятор&quot; нет!</source>
        <translation>No calculator application found!</translation>
    </message>
    <message>
        <source>Типовые динамические звенья</source>
        <translation>Standard dynamic elements</translation>
    </message>
    <message>
        <source>Нетиповые динамические звенья</source>
        <translation>Non-standard dynamic elements</translation>
    </message>
    <message>
        <source>Составные динамические звенья</source>
        <translation>Composite dynamic elements</translation>
    </message>
    <message>
        <source>Представление схемы в переменных состояния</source>
        <translation>State-variable form of a block diagram</translation>
    </message>
    <message>
        <source>Структурные преобразования схем</source>
        <translation>Block diagram transformations</translation>
    </message>
    <message>
        <source>Устойчивость одноконтурной САУ</source>
        <translation>Stability of a single-loop system</translation>
    </message>
    <message>
        <source>Астатизм САУ</source>
        <translation>System type</translation>
    </message>
    <message>
        <source>Инвариантность САУ</source>
        <translation>Invariance of a control system</translation>
    </message>
    <message>
        <source>Коррекция САУ</source>
        <translation>Compensation of a control system</translation>
    </message>
    <message>
        <source>Лабораторная работа выполнена!</source>
        <translation>Lab complete!</translation>
    </message>
    <message>
        <source>Результаты работ будут сброшены
<byte value="xd"/>Перейти в главное меню?</source>
        <translation>Your results in this lab will be lost.
<byte value="xd"/>Return to the main menu?</translation>
    </message>
    <message>
        <source>Лабораторный тренажер. Lumeq</source>
        <translation>Laboratory Trainer. Lumeq</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>После --journal-pdf не указан файл: журнал при выходе записан не будет.</source>
        <translation>No file follows --journal-pdf: the journal will not be saved on exit.</translation>
    </message>
    <message>
        <source>Журнал не может быть записан в файл
<byte value="xd"/>%1
<byte value="xd"/>Проверьте путь и права на запись: при выходе из программы журнал в этот файл записан не будет.</source>
        <translation>The journal cannot be written to the file
<byte value="xd"/>%1
<byte value="xd"/>Check the path and the write permission: the journal will not be saved to this file on exit.</translation>
    </message>
    <message>
        <source>Не удалось записать журнал в файл
<byte value="xd"/>%1</source>
        <translation>The journal could not be written to the file
<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Следующий опыт (Alt+→)</source>
        <translation>Next experiment (Alt+→)</translation>
    </message>
    <message>
        <source>Предыдущий опыт (Alt+←)</source>
        <translation>Previous experiment (Alt+←)</translation>
    </message>
    <message>
        <source>Завершить работу и вернуться к разделам (Alt+M)</source>
        <translation>Finish this lab and return to the section list (Alt+M)</translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>В файле
<byte value="xd"/>%1
<byte value="xd"/>уже записан журнал другого запуска. Этот журнал записан в файл
<byte value="xd"/>%2</source>
        <translation>The file
<byte value="xd"/>%1
<byte value="xd"/>already holds the journal of another run. This journal has been written to the file
<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Не удалось записать журнал в файл
<byte value="xd"/>%1
<byte value="xd"/>(%2).
<byte value="xd"/>Журнал записан в файл
<byte value="xd"/>%3</source>
        <translation>The journal could not be written to the file
<byte value="xd"/>%1
<byte value="xd"/>(%2).
<byte value="xd"/>It has been written to the file
<byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>Фамилия и имя</source>
        <translation>Surname and name</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Студент для журнала</source>
        <translation>The student for the journal</translation>
    </message>
    <message>
        <source>Группа студента для журнала</source>
        <translation>The student&apos;s group for the journal</translation>
    </message>
    <message>
        <source>Файл записи работ недоступен: журнал хранится только в памяти.</source>
        <translation>The record file cannot be written: the journal is kept in memory only.</translation>
    </message>
    <message>
        <source>Неверный адрес базы класса: записи хранятся на этом компьютере.</source>
        <translation>Wrong class database address: the record is kept on this computer.</translation>
    </message>
    <message>
        <source>Сервер класса недоступен: записи хранятся на этом компьютере.</source>
        <translation>The class server cannot be reached: the record is kept on this computer.</translation>
    </message>
    <message>
        <source>Сервер класса не принял вход: записи хранятся на этом компьютере.</source>
        <translation>The class server refused the login: the record is kept on this computer.</translation>
    </message>
    <message>
        <source>На сервере класса схема другой версии: записи хранятся на этом компьютере.</source>
        <translation>The class server has a schema of another version: the record is kept on this computer.</translation>
    </message>
    <message>
        <source>Сервер класса отказал в записи: записи хранятся на этом компьютере.</source>
        <translation>The class server refused the record: the record is kept on this computer.</translation>
    </message>
    <message>
        <source>принят</source>
        <translation>accepted</translation>
    </message>
    <message>
        <source>неверно</source>
        <translation>wrong</translation>
    </message>
    <message>
        <source>не число</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>Воспроизведение %1 — %2</source>
        <translation>Replay %1 — %2</translation>
    </message>
    <message>
        <source>без имени</source>
        <translation>unnamed</translation>
    </message>
    <message>
        <source>Ответы студента</source>
        <translation>Student&apos;s answers</translation>
    </message>
    <message>
        <source>Запуск %1, окно %2, выборка %3.
Ответы можно вводить снова; в запись ничего не пишется.</source>
        <translation>Run %1, window %2, draw %3.
Answers can be tried again; nothing is written to the record.</translation>
    </message>
    <message>
        <source>Поле</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Введено</source>
        <translation>Typed</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>вопрос</source>
        <translation>question</translation>
    </message>
</context>
<context>
    <name>TeacherModel</name>
    <message>
        <source>выполнена</source>
        <translation>completed</translation>
    </message>
    <message>
        <source>выполняется</source>
        <translation>in progress</translation>
    </message>
    <message>
        <source>оставлена</source>
        <translation>left</translation>
    </message>
    <message>
        <source>прервана</source>
        <translation>interrupted</translation>
    </message>
    <message>
        <source>не начата</source>
        <translation>not started</translation>
    </message>
    <message>
        <source>%1 мин</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1; неверных ответов: %2, ошибок формата: %3, смен данных: %4; %5</source>
        <translation>%1; wrong answers: %2, format errors: %3, new data: %4; %5</translation>
    </message>
    <message>
        <source>Выполнили: %1 из %2 начавших; медиана времени: %3</source>
        <translation>Completed: %1 of the %2 who started; median time: %3</translation>
    </message>
    <message>
        <source>Больше всего неверных ответов: %1 (%2)</source>
        <translation>Most wrong answers: %1 (%2)</translation>
    </message>
    <message>
        <source>Итого по работе</source>
        <translation>Summary per lab</translation>
    </message>
    <message>
        <source>%1 — запуск %2 на %3</source>
        <translation>%1 — run %2 on %3</translation>
    </message>
    <message>
        <source>Студент</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
</context>
<context>
    <name>TeacherWindow</name>
    <message>
        <source>Класс по работам</source>
        <translation>Class by labs</translation>
    </message>
    <message>
        <source>&amp;Группа:</source>
        <translation>&amp;Group:</translation>
    </message>
    <message>
        <source>&amp;Раздел:</source>
        <translation>&amp;Section:</translation>
    </message>
    <message>
        <source>&amp;С:</source>
        <translation>&amp;From:</translation>
    </message>
    <message>
        <source>&amp;По:</source>
        <translation>&amp;To:</translation>
    </message>
    <message>
        <source>любая дата</source>
        <translation>any date</translation>
    </message>
    <message>
        <source>&amp;Печать…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>P&amp;DF…</source>
        <translation>P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;CSV…</source>
        <translation>&amp;CSV…</translation>
    </message>
    <message>
        <source>Студенты по работам</source>
        <translation>Students by labs</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Раздел</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Запуски с даты</source>
        <translation>Runs from the date</translation>
    </message>
    <message>
        <source>Запуски по дату</source>
        <translation>Runs up to the date</translation>
    </message>
    <message>
        <source>Печать таблицы класса</source>
        <translation>Print the class table</translation>
    </message>
    <message>
        <source>Таблица класса в PDF</source>
        <translation>Class table as PDF</translation>
    </message>
    <message>
        <source>Таблица класса в CSV</source>
        <translation>Class table as CSV</translation>
    </message>
    <message>
        <source>все группы</source>
        <translation>all groups</translation>
    </message>
    <message>
        <source>все разделы</source>
        <translation>all sections</translation>
    </message>
    <message>
        <source>Запись студента: %1</source>
        <translation>Student record: %1</translation>
    </message>
    <message>
        <source>Запись студента по работе</source>
        <translation>The student&apos;s record of the lab</translation>
    </message>
    <message>
        <source>Класс</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF не записан: %1</source>
        <translation>The PDF was not written: %1</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Файл не записан: %1</source>
        <translation>The file was not written: %1</translation>
    </message>
    <message>
        <source>Окна работы, как их видел студент</source>
        <translation>The work&apos;s windows as the student saw them</translation>
    </message>
    <message>
        <source>%1 %2, выборка %3 — %4</source>
        <translation>%1 %2, draw %3 — %4</translation>
    </message>
    <message>
        <source>&amp;Открыть как видел студент</source>
        <translation>&amp;Open as the student saw it</translation>
    </message>
    <message>
        <source>Про&amp;верить записи</source>
        <translation>&amp;Verify records</translation>
    </message>
    <message>
        <source>Проверить записи по их начальным числам</source>
        <translation>Verify the records against their seeds</translation>
    </message>
    <message>
        <source>Записи проверяются…</source>
        <translation>Verifying the records…</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Записей проверено: %1; не проверено: %2 (отмечены ⚠, подробности в подсказке).</source>
        <translation>Records checked: %1; not verified: %2 (marked ⚠, details in the tooltip).</translation>
    </message>
    <message>
        <source>Записей проверено: %1; все сходятся со своими данными.</source>
        <translation>Records checked: %1; all agree with their data.</translation>
    </message>
</context>
<context>
    <name>astatism</name>
    <message>
        <source>Астатизм САУ. Лаб №%1.%2</source>
        <translation>System type. Lab %1.%2</translation>
    </message>
    <message>
        <source>Схема №%1</source>
        <translation>Diagram %1</translation>
    </message>
    <message>
        <source>Реакция системы r(t) на сигнал задания g(t)=1</source>
        <translation>Response r(t) to the reference input g(t)=1</translation>
    </message>
    <message>
        <source>Реакция системы r(t) на сигнал возмущения f(t)=1</source>
        <translation>Response r(t) to the disturbance f(t)=1</translation>
    </message>
    <message>
        <source>Реакция системы r(t) на сигнал задания g(t)=t</source>
        <translation>Response r(t) to the reference input g(t)=t</translation>
    </message>
    <message>
        <source>Реакция системы r(t) на сигнал возмущения f(t)=t</source>
        <translation>Response r(t) to the disturbance f(t)=t</translation>
    </message>
    <message>
        <source>Астатизм САУ</source>
        <translation>System type</translation>
    </message>
    <message>
        <source> c</source>
        <translation> s</translation>
    </message>
    <message>
        <source>с</source>
        <extracomment>The letter c of the error coefficients c_0, c_1, c_2 (a Cyrillic с in the source).</extracomment>
        <translation>c</translation>
    </message>
    <message>
        <source>Для САУ с заданной структурой определите коэффициенты ошибок:</source>
        <translation>For the control system shown, find the error coefficients:</translation>
    </message>
    <message>
        <source>и порядок астатизма системы</source>
        <translation>and the system type</translation>
    </message>
    <message>
        <source>относительно сигнала задания</source>
        <translation>with respect to the reference input</translation>
    </message>
    <message>
        <source>Исходные данные:</source>
        <translation>Given:</translation>
    </message>
    <message>
        <source>Определите:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>Определите установившуюся ошибку</source>
        <translation>Find the steady-state error</translation>
    </message>
    <message>
        <source>при воздействии указанного сигнала</source>
        <translation>in response to the input shown</translation>
    </message>
    <message>
        <source>t, c</source>
        <translation>t, s</translation>
    </message>
    <message>
        <source>аст,%1</source>
        <extracomment>Index of N, the order of astatism with respect to the signal %1 (g or f); English: the system type N_g, N_f.</extracomment>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>compound</name>
    <message>
        <source>Верно!</source>
        <translation>Correct!</translation>
    </message>
    <message>
        <source>Не верно!
<byte value="xd"/>Подумайте!</source>
        <translation>Incorrect.
<byte value="xd"/>Think again!</translation>
    </message>
    <message>
        <source>Исходные данные:</source>
        <translation>Given:</translation>
    </message>
    <message>
        <source>Укажите, из каких элементов </source>
        <translation>State which components </translation>
    </message>
    <message>
        <source>(R, L, С)</source>
        <translation>(R, L, C)</translation>
    </message>
    <message>
        <source>состоят сопротивления </source>
        <translation>make up the impedances </translation>
    </message>
    <message>
        <source> и </source>
        <extracomment>&quot; and &quot;, between the impedances Z_1 and Z_2.</extracomment>
        <translation> and </translation>
    </message>
    <message>
        <source>с помощью которых реализуется</source>
        <translation>that realize the transfer function</translation>
    </message>
    <message>
        <source>передаточная функция &quot;ПИ&quot; звена</source>
        <translation>of the PI element</translation>
    </message>
    <message>
        <source>При С</source>
        <extracomment>&quot;With C&quot;: the capacitance C_2 = 10^-6 F follows (a Cyrillic С in the source).</extracomment>
        <translation>With C</translation>
    </message>
    <message>
        <source> Ф  определите:</source>
        <translation> F, find:</translation>
    </message>
    <message>
        <source>Ответить</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source> c</source>
        <translation> s</translation>
    </message>
    <message>
        <source>рад</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>Асимптотическая ЛАЧХ</source>
        <translation>Asymptotic Bode magnitude plot</translation>
    </message>
    <message>
        <source>L, дБ</source>
        <translation>L, dB</translation>
    </message>
    <message>
        <source>Реакция на гармонический сигнал g(t)=sin(wt)</source>
        <translation>Response to the sine input g(t)=sin(ωt)</translation>
    </message>
    <message>
        <source>Реакция на гармонический сигнал g(t)=A*sin(wt)</source>
        <translation>Response to the sine input g(t)=A·sin(ωt)</translation>
    </message>
    <message>
        <source> рад/c</source>
        <translation> rad/s</translation>
    </message>
    <message>
        <source> рад/с</source>
        <translation> rad/s</translation>
    </message>
    <message>
        <source>Для заданных значений:</source>
        <translation>For the given values:</translation>
    </message>
    <message>
        <source>А = </source>
        <extracomment>The amplitude A of the input sine (a Cyrillic А in the source).</extracomment>
        <translation>A = </translation>
    </message>
    <message>
        <source>По асимптотической ЛАЧХ определите</source>
        <translation>From the asymptotic Bode magnitude plot find</translation>
    </message>
    <message>
        <source> и Т</source>
        <translation> and T</translation>
    </message>
    <message>
        <source>По графику переходной функции для</source>
        <translation>From the step response for</translation>
    </message>
    <message>
        <source>определите:</source>
        <translation>find:</translation>
    </message>
    <message>
        <source>По графику переходной функции определите следующие параметры:</source>
        <translation>From the step response find the following parameters:</translation>
    </message>
    <message>
        <source>определите разность фаз</source>
        <translation>find the phase difference</translation>
    </message>
    <message>
        <source>вых</source>
        <extracomment>Index of the output phase φ_вых (&quot;выход&quot;, output) in Δφ = φ_out − φ_in.</extracomment>
        <translation>out</translation>
    </message>
    <message>
        <source>вх</source>
        <extracomment>Index of the input phase φ_вх (&quot;вход&quot;, input) in Δφ = φ_out − φ_in.</extracomment>
        <translation>in</translation>
    </message>
    <message>
        <source>и амплитуду сигнала на выходе:</source>
        <translation>and the output amplitude:</translation>
    </message>
    <message>
        <source>t, c</source>
        <translation>t, s</translation>
    </message>
    <message>
        <source>определите значение частоты </source>
        <translation>find the frequency </translation>
    </message>
    <message>
        <source> при которой</source>
        <translation> at which</translation>
    </message>
    <message>
        <source>определить амплитуду </source>
        <translation>find the amplitude </translation>
    </message>
    <message>
        <source> сигнала</source>
        <translation> of the signal</translation>
    </message>
    <message>
        <source>на выходе звена</source>
        <translation>at the element&apos;s output</translation>
    </message>
    <message>
        <source>при </source>
        <extracomment>&quot;for&quot;: followed by the condition T_2 = 0.</extracomment>
        <translation>for </translation>
    </message>
    <message>
        <source>wt, c</source>
        <translation>ωt, rad</translation>
    </message>
    <message>
        <source>определить значение </source>
        <translation>find the value of </translation>
    </message>
    <message>
        <source>Т</source>
        <extracomment>The time constant T (a Cyrillic Т in the source); the index 2 follows.</extracomment>
        <translation>T</translation>
    </message>
    <message>
        <source>при котором амплитуда </source>
        <translation>at which the amplitude </translation>
    </message>
    <message>
        <source>сигнала </source>
        <translation>of the signal </translation>
    </message>
    <message>
        <source>на выходе звена снизится</source>
        <translation>at the element&apos;s output drops</translation>
    </message>
    <message>
        <source>в </source>
        <extracomment>Start of &quot;drops by a factor of k = … compared with B_1&quot; (&quot;в k раз по сравнению с B_1&quot;).</extracomment>
        <translation>by a factor of </translation>
    </message>
    <message>
        <source> раз по сравнению с </source>
        <translation> compared with </translation>
    </message>
    <message>
        <source>определить </source>
        <translation>find </translation>
    </message>
    <message>
        <source>Пропорционально - интегральное звено</source>
        <translation>Proportional-integral element</translation>
    </message>
    <message>
        <source>Реальное дифференцирующее звено</source>
        <translation>Non-ideal differentiator</translation>
    </message>
    <message>
        <source>Инерционно - форсирующее звено</source>
        <translation>Lead/lag element</translation>
    </message>
    <message>
        <source>&quot;ПИ&quot; звено. Опыт №%1</source>
        <translation>PI element. Experiment %1</translation>
    </message>
    <message>
        <source>Реальное дифференцирующее звено. Опыт №%1</source>
        <translation>Non-ideal differentiator. Experiment %1</translation>
    </message>
    <message>
        <source>Инерционно-форсирующее звено. Опыт №%1</source>
        <translation>Lead/lag element. Experiment %1</translation>
    </message>
    <message>
        <source>&quot;ПИ&quot; звено</source>
        <translation>PI element</translation>
    </message>
    <message>
        <source>Инерционно-форсирующее звено</source>
        <translation>Lead/lag element</translation>
    </message>
</context>
<context>
    <name>correction</name>
    <message>
        <source>Последовательная коррекция САУ</source>
        <translation>Series compensation of a control system</translation>
    </message>
    <message>
        <source>Параллельная коррекция САУ</source>
        <translation>Parallel compensation of a control system</translation>
    </message>
    <message>
        <source>Коррекция в виде местной обратной связи</source>
        <translation>Minor-loop feedback compensation</translation>
    </message>
    <message>
        <source>%1. Опыт №%2</source>
        <translation>%1. Experiment %2</translation>
    </message>
    <message>
        <source> c</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Для САУ с заданной схемой включения корректирующего устройства определите коэффициент передачи указанного корректирующего устройства &lt;font color=&quot;#800080&quot;&gt;&lt;b&gt;&amp;nbsp;k&amp;nbsp;&lt;/b&gt;&lt;/font&gt; исходя из условий получения кратных вещественных полюсов </source>
        <translation>For the control system with the compensating device connected as shown, find the gain &lt;font color=&quot;#800080&quot;&gt;&lt;b&gt;&amp;nbsp;k&amp;nbsp;&lt;/b&gt;&lt;/font&gt; of the compensating device for which the closed-loop poles are real and repeated </translation>
    </message>
    <message>
        <source>Для заданной САУ:</source>
        <translation>For the given system:</translation>
    </message>
    <message>
        <source>Определите:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>По графику переходной функции определите следующие параметры:</source>
        <translation>From the step response find the following parameters:</translation>
    </message>
    <message>
        <source>уст</source>
        <extracomment>Index of the steady-state error e (Russian e_уст, &quot;установившаяся&quot;); English e_ss.</extracomment>
        <translation>ss</translation>
    </message>
    <message>
        <source>Реакция на единичный ступенчатый сигнал</source>
        <translation>Unit step response</translation>
    </message>
    <message>
        <source>t, c</source>
        <translation>t, s</translation>
    </message>
    <message>
        <source>p</source>
        <comment>settling time index</comment>
        <extracomment>Index of the settling time t (Russian t_р, &quot;время регулирования&quot;, written with a Latin p); English t_s.</extracomment>
        <translation>s</translation>
    </message>
</context>
<context>
    <name>diagrams</name>
    <message>
        <source>Представление схем в переменных сосотояния</source>
        <translation>State-variable form of block diagrams</translation>
    </message>
    <message>
        <source>Интегрирующее</source>
        <translation>Integrating</translation>
    </message>
    <message>
        <source>Апериодическое</source>
        <translation>First-order lag</translation>
    </message>
    <message>
        <source>Колебательное</source>
        <translation>Oscillatory</translation>
    </message>
    <message>
        <source>Чистого запаздывания</source>
        <translation>Pure time delay</translation>
    </message>
    <message>
        <source>Неминимально-фазовое 1-го порядка</source>
        <translation>First-order non-minimum-phase</translation>
    </message>
    <message>
        <source>Пропорционально-интегральное</source>
        <translation>Proportional-integral</translation>
    </message>
    <message>
        <source>Реального дифференцирования</source>
        <translation>Non-ideal differentiator</translation>
    </message>
    <message>
        <source>Инерционно-форсирующее</source>
        <translation>Lead/lag</translation>
    </message>
    <message>
        <source>Задание №%1 из 3</source>
        <translation>Task %1 of 3</translation>
    </message>
    <message>
        <source> c</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Определите тип звена, указанного на рисунке:</source>
        <translation>Identify the element shown in the diagram:</translation>
    </message>
    <message>
        <source>Ответить</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Тип звена:</source>
        <translation>Element type:</translation>
    </message>
    <message>
        <source>Исходные данные:</source>
        <translation>Given:</translation>
    </message>
    <message>
        <source>Для апериодического звена определите:</source>
        <translation>For the first-order lag find:</translation>
    </message>
    <message>
        <source>Определите %1, при котором система описывается как колебательное звено с коэффициентом затухания %2 = %3</source>
        <translation>Find %1 for which the system is an oscillatory element with the damping ratio %2 = %3</translation>
    </message>
    <message>
        <source>Структурные преобразования схем. Опыт №1</source>
        <translation>Block diagram transformations. Experiment 1</translation>
    </message>
    <message>
        <source>Определить параметры передаточной функции системы в одной из форм:</source>
        <translation>Find the parameters of the system&apos;s transfer function in either form:</translation>
    </message>
    <message>
        <source>Форма 1</source>
        <translation>Form 1</translation>
    </message>
    <message>
        <source>Форма 2</source>
        <translation>Form 2</translation>
    </message>
</context>
<context>
    <name>framework</name>
    <message>
        <source>рад</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>рад/с</source>
        <translation>rad/s</translation>
    </message>
    <message>
        <source>с</source>
        <extracomment>The unit second, read out with a time quantity (t, T, τ).</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>дБ</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>, точка графика читается: %1 и %2 (стрелки, Shift, Home, End)</source>
        <translation>, reads %1 and %2 at a point (arrow keys, Shift, Home, End)</translation>
    </message>
    <message>
        <source>Первая измерительная линия</source>
        <translation>First measuring line</translation>
    </message>
    <message>
        <source>Вторая измерительная линия</source>
        <translation>Second measuring line</translation>
    </message>
    <message>
        <source>Уровень первой линии, h</source>
        <translation>Level of the first line, h</translation>
    </message>
    <message>
        <source>Уровень второй линии, h</source>
        <translation>Level of the second line, h</translation>
    </message>
    <message>
        <source> c;</source>
        <translation> s;</translation>
    </message>
    <message>
        <source>Реакция на единичный ступенчатый сигнал</source>
        <translation>Unit step response</translation>
    </message>
    <message>
        <source>hуст</source>
        <translation>h_ss</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>t, c</source>
        <translation>t, s</translation>
    </message>
    <message>
        <source>Реакция на синусоидальный сигнал g(t)=sin(wt)</source>
        <translation>Response to the sine input g(t)=sin(ωt)</translation>
    </message>
    <message>
        <source>принято</source>
        <translation>accepted</translation>
    </message>
    <message>
        <source>Задание № %1 из %2</source>
        <translation>Task %1 of %2</translation>
    </message>
    <message>
        <source>Задание №%1 из %2</source>
        <translation>Task %1 of %2</translation>
    </message>
    <message>
        <source>Лаб №%1</source>
        <translation>Lab %1</translation>
    </message>
</context>
<context>
    <name>invariance</name>
    <message>
        <source>Определите параметры передаточной фунции: &lt;b&gt;W&lt;sub&gt;k&lt;/sub&gt;&lt;/b&gt; обеспечивающей абсолютную инвариантность относительно сигнала %1, если эта функция представлена в следующем виде:</source>
        <translation>Find the parameters of the transfer function &lt;b&gt;W&lt;sub&gt;k&lt;/sub&gt;&lt;/b&gt; that gives absolute invariance with respect to the %1, if the function has the following form:</translation>
    </message>
    <message>
        <source> c</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Для заданной САУ:</source>
        <translation>For the given system:</translation>
    </message>
    <message>
        <source>t, c</source>
        <translation>t, s</translation>
    </message>
    <message>
        <source>Инвариантность к сигналу задания. Опыт №%1</source>
        <translation>Invariance to the reference input. Experiment %1</translation>
    </message>
    <message>
        <source>Инвариантность к возмущающему воздействию. Опыт №%1</source>
        <translation>Invariance to the disturbance. Experiment %1</translation>
    </message>
    <message>
        <source>Инвариантность САУ к сигналу задания</source>
        <translation>Invariance of a control system to the reference input</translation>
    </message>
    <message>
        <source>Инвариантность САУ к возмущающему воздействию</source>
        <translation>Invariance of a control system to the disturbance</translation>
    </message>
    <message>
        <source>задания</source>
        <translation>reference input</translation>
    </message>
    <message>
        <source>возмущения</source>
        <translation>disturbance</translation>
    </message>
    <message>
        <source>уст.g</source>
        <extracomment>Index of the steady-state error with respect to the reference g (Russian e_уст.g); English e_ss,g.</extracomment>
        <translation>ss,g</translation>
    </message>
    <message>
        <source>уст.f</source>
        <extracomment>Index of the steady-state error with respect to the disturbance f (Russian e_уст.f); English e_ss,f.</extracomment>
        <translation>ss,f</translation>
    </message>
    <message>
        <source>Реакция системы r(t) на сигнал задания g(t)=1</source>
        <translation>Response r(t) to the reference input g(t)=1</translation>
    </message>
    <message>
        <source>Реакция системы r(t) на сигнал возмущения f(t)=1</source>
        <translation>Response r(t) to the disturbance f(t)=1</translation>
    </message>
    <message>
        <source>Реализуема ли найденная передаточная функция?</source>
        <translation>Is the transfer function you found physically realizable?</translation>
    </message>
    <message>
        <source>определите величину установившейся ошибки при отработке сигнала %1</source>
        <translation>find the steady-state error in response to the %1</translation>
    </message>
    <message>
        <source>определите, при каком значении &lt;b&gt;k&lt;/b&gt;, e&lt;sub&gt;%1&lt;/sub&gt; = 0</source>
        <translation>find the value of &lt;b&gt;k&lt;/b&gt; at which e&lt;sub&gt;%1&lt;/sub&gt; = 0</translation>
    </message>
    <message>
        <source>Инвариантность к сигналу задания</source>
        <translation>Invariance to the reference input</translation>
    </message>
    <message>
        <source>Инвариантность к возмущающему воздействию</source>
        <translation>Invariance to the disturbance</translation>
    </message>
</context>
<context>
    <name>journal</name>
    <message>
        <source>вопрос</source>
        <translation>question</translation>
    </message>
    <message>
        <source>поле %1</source>
        <translation>field %1</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Работа</source>
        <translation>Lab</translation>
    </message>
    <message>
        <source>Начата</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Неверных ответов</source>
        <translation>Wrong answers</translation>
    </message>
    <message>
        <source>Ошибок формата</source>
        <translation>Format errors</translation>
    </message>
    <message>
        <source>Смен данных</source>
        <translation>Data redrawn</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Окно</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Принято ответов</source>
        <translation>Answers accepted</translation>
    </message>
    <message>
        <source>выполняется</source>
        <translation>in progress</translation>
    </message>
    <message>
        <source>выполнена</source>
        <translation>completed</translation>
    </message>
    <message>
        <source>прервана (выход в меню)</source>
        <translation>abandoned (back to the menu)</translation>
    </message>
    <message>
        <source>не завершена (открыта при выходе)</source>
        <translation>not finished (open at exit)</translation>
    </message>
    <message>
        <source>%1 с</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 мин %2 с</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 ч %2 мин</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>(имя не указано)</source>
        <translation>(no name given)</translation>
    </message>
    <message>
        <source>%1, группа %2</source>
        <translation>%1, group %2</translation>
    </message>
    <message>
        <source>Журнал лабораторных работ</source>
        <translation>Lab journal</translation>
    </message>
    <message>
        <source>Программа</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>версия</source>
        <translation>version</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Студент</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Ни одна работа ещё не начиналась.</source>
        <translation>No lab has been started yet.</translation>
    </message>
    <message>
        <source>Работы</source>
        <translation>Labs</translation>
    </message>
    <message>
        <source>Ни одно окно работы не открылось.</source>
        <translation>No window of this lab was opened.</translation>
    </message>
    <message>
        <source>Код запуска</source>
        <translation>Run ID</translation>
    </message>
</context>
<context>
    <name>msg</name>
    <message>
        <source>Неверный формат ввода!</source>
        <translation>Invalid number format!</translation>
    </message>
    <message>
        <source>Неверное значение, повторите попытку!</source>
        <translation>Wrong value, try again!</translation>
    </message>
    <message>
        <source>Вы превысили допустимое количество ошибок!
<byte value="xd"/>Исходные данные будут изменены.</source>
        <translation>You have exceeded the allowed number of errors!
<byte value="xd"/>New data will be generated.</translation>
    </message>
    <message>
        <source>Неверное значение!</source>
        <translation>Wrong value!</translation>
    </message>
    <message>
        <source>Верно!</source>
        <translation>Correct!</translation>
    </message>
    <message>
        <source>Не верно!
<byte value="xd"/>Подумайте!</source>
        <translation>Incorrect.
<byte value="xd"/>Think again!</translation>
    </message>
</context>
<context>
    <name>nontypical</name>
    <message>
        <source>Звено чистого запаздывания. Опыт №1</source>
        <translation>Pure time-delay element. Experiment 1</translation>
    </message>
    <message>
        <source>Звено чистого запаздывания</source>
        <translation>Pure time-delay element</translation>
    </message>
    <message>
        <source>Для заданных значений:</source>
        <translation>For the given values:</translation>
    </message>
    <message>
        <source>А = </source>
        <translation>A = </translation>
    </message>
    <message>
        <source>определить: </source>
        <translation>find: </translation>
    </message>
    <message>
        <source> рад/c</source>
        <translation> rad/s</translation>
    </message>
    <message>
        <source>Реакция на гармонический сигнал g(t)=A*sin(wt)</source>
        <translation>Response to the sine input g(t)=A·sin(ωt)</translation>
    </message>
    <message>
        <source>wt, c</source>
        <translation>ωt, rad</translation>
    </message>
    <message>
        <source>рад</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>Неминимально-фазовое звено первого порядка</source>
        <translation>First-order non-minimum-phase element</translation>
    </message>
    <message>
        <source>%1. Опыт №%2</source>
        <translation>%1. Experiment %2</translation>
    </message>
    <message>
        <source>Предел %1 при %2</source>
        <translation>Limit of %1 as %2</translation>
    </message>
    <message>
        <source>Параметры звена</source>
        <translation>Element parameters</translation>
    </message>
    <message>
        <source> c</source>
        <translation> s</translation>
    </message>
    <message>
        <source>,рад/c</source>
        <translation>,rad/s</translation>
    </message>
</context>
<context>
    <name>options</name>
    <message>
        <source>Использование: %1 [параметры]</source>
        <translation>Usage: %1 [options]</translation>
    </message>
    <message>
        <source>Лабораторный тренажер по линейным непрерывным системам автоматического управления.</source>
        <translation>Laboratory trainer for linear continuous automatic control systems.</translation>
    </message>
    <message>
        <source>Параметры:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>В пути журнала: %d — дата и время начала записи, %r — код запуска, %n — фамилия и имя студента.
Файл с журналом другого запуска не перезаписывается: журнал получает имя с номером (журнал-2.pdf).
Пример: --journal-pdf &apos;/srv/labs/%d-%r.pdf&apos;</source>
        <translation>In the journal path: %d is the date and time the record was started, %r the run ID, %n the student&apos;s name.
A file holding another run&apos;s journal is never overwritten: the journal gets a numbered name (journal-2.pdf).
Example: --journal-pdf &apos;/srv/labs/%d-%r.pdf&apos;</translation>
    </message>
    <message>
        <source>Язык программы (иначе язык системы).</source>
        <translation>Language of the program (else the system&apos;s).</translation>
    </message>
    <message>
        <source>ПУТЬ</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>Записать журнал работ в PDF-файл при выходе.</source>
        <translation>Save the lab journal as a PDF file on exit.</translation>
    </message>
    <message>
        <source>ИМЯ</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Фамилия и имя студента для журнала.</source>
        <translation>The student&apos;s name for the journal.</translation>
    </message>
    <message>
        <source>ГРУППА</source>
        <translation>GROUP</translation>
    </message>
    <message>
        <source>Группа студента для журнала.</source>
        <translation>The student&apos;s group for the journal.</translation>
    </message>
    <message>
        <source>Показать эту справку и выйти.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Показать версию программы и выйти.</source>
        <translation>Show the version of the program and exit.</translation>
    </message>
    <message>
        <source>Неизвестный язык «%1»: возможны ru и en.</source>
        <translation>Unknown language “%1”: ru or en.</translation>
    </message>
    <message>
        <source>%1, версия %2</source>
        <translation>%1, version %2</translation>
    </message>
    <message>
        <source>Неизвестный параметр: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Не указано значение параметра: %1</source>
        <translation>Missing value of the option: %1</translation>
    </message>
    <message>
        <source>Лишний аргумент: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>Список параметров: %1 --help</source>
        <translation>List of options: %1 --help</translation>
    </message>
    <message>
        <source>Файл записи работ на этом компьютере (SQLite).</source>
        <translation>The record file on this computer (SQLite).</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>База записей класса (PostgreSQL), например postgresql://lumeq_student@server/lab.</source>
        <translation>The class record database (PostgreSQL), e.g. postgresql://lumeq_student@server/lab.</translation>
    </message>
    <message>
        <source>Вывести запуски из записи (код, начало, студент, группа, начато, выполнено) и выйти.</source>
        <translation>Print the runs of the record (code, start, student, group, started, completed) and exit.</translation>
    </message>
    <message>
        <source>Создать или проверить схему базы класса (администратор) и выйти.</source>
        <translation>Create or check the class database schema (administrator) and exit.</translation>
    </message>
    <message>
        <source>Окно преподавателя: весь класс по работам (из базы класса или из записи этого компьютера).</source>
        <translation>The teacher&apos;s window: the whole class by labs (from the class database or this computer&apos;s record).</translation>
    </message>
    <message>
        <source>С --teacher: записать таблицу класса в CSV-файл без окна и выйти.</source>
        <translation>With --teacher: write the class table to a CSV file without a window and exit.</translation>
    </message>
    <message>
        <source>Параметр --export-csv действует только вместе с --teacher.</source>
        <translation>The option --export-csv works only with --teacher.</translation>
    </message>
    <message>
        <source>ЗАПУСК:ОКНО[#N]</source>
        <translation>RUN:WINDOW[#N]</translation>
    </message>
    <message>
        <source>Открыть окно с данными, которые видел студент (из записи, --journal-db или --class-db), например 7f3a2c:Form1_1#2; в запись ничего не пишется.</source>
        <translation>Open a window with the data the student saw (from the record, --journal-db or --class-db), e.g. 7f3a2c:Form1_1#2; nothing is written to the record.</translation>
    </message>
    <message>
        <source>Не понял, что воспроизвести: «%1». Нужно ЗАПУСК:ОКНО или ЗАПУСК:ОКНО#N, например 7f3a2c:Form1_1#2.</source>
        <translation>Cannot tell what to replay: &quot;%1&quot;. Give RUN:WINDOW or RUN:WINDOW#N, e.g. 7f3a2c:Form1_1#2.</translation>
    </message>
    <message>
        <source>Параметры --replay и --teacher не действуют вместе.</source>
        <translation>The options --replay and --teacher do not go together.</translation>
    </message>
</context>
<context>
    <name>pictures</name>
    <message>
        <source>коррекция</source>
        <translation>compensation</translation>
    </message>
    <message>
        <source>Интегрирующее звено</source>
        <translation>Integrating element</translation>
    </message>
    <message>
        <source>Апериодическое звено</source>
        <translation>First-order lag element</translation>
    </message>
    <message>
        <source>Колебательное звено</source>
        <translation>Oscillatory element</translation>
    </message>
    <message>
        <source>Звено чистого запаздывания</source>
        <translation>Pure time-delay element</translation>
    </message>
    <message>
        <source>Неминимально-фазовое звено первого порядка</source>
        <translation>First-order non-minimum-phase element</translation>
    </message>
    <message>
        <source>&quot;ПИ&quot; звено</source>
        <translation>PI element</translation>
    </message>
    <message>
        <source>Реально-дифф. звено</source>
        <translation>Non-ideal differentiator</translation>
    </message>
    <message>
        <source>Инерционно-форсирующее звено</source>
        <translation>Lead/lag element</translation>
    </message>
    <message>
        <source>к сигналу задания</source>
        <translation>to the reference input</translation>
    </message>
    <message>
        <source>к сигналу возмущения</source>
        <translation>to the disturbance</translation>
    </message>
    <message>
        <source>последовательная коррекция</source>
        <translation>series compensation</translation>
    </message>
    <message>
        <source>параллельная коррекция</source>
        <translation>parallel compensation</translation>
    </message>
    <message>
        <source>корр. в виде обратной связи</source>
        <translation>minor-loop feedback compensation</translation>
    </message>
    <message>
        <source>Схема №1</source>
        <translation>Diagram 1</translation>
    </message>
    <message>
        <source>Схема № 2</source>
        <translation>Diagram 2</translation>
    </message>
    <message>
        <source>Схема № 3</source>
        <translation>Diagram 3</translation>
    </message>
    <message>
        <source>Схема № 4</source>
        <translation>Diagram 4</translation>
    </message>
</context>
<context>
    <name>record_commands</name>
    <message>
        <source>База класса не прочитана: %1</source>
        <translation>The class database could not be read: %1</translation>
    </message>
    <message>
        <source>Записи нет: %1</source>
        <translation>No record: %1</translation>
    </message>
    <message>
        <source>Запись не прочитана: %1</source>
        <translation>The record could not be read: %1</translation>
    </message>
    <message>
        <source>Схема базы класса не создана: %1</source>
        <translation>The class database schema was not created: %1</translation>
    </message>
    <message>
        <source>База класса готова, версия схемы %1.</source>
        <translation>The class database is ready, schema version %1.</translation>
    </message>
</context>
<context>
    <name>replay</name>
    <message>
        <source>lumeq: воспроизвести %1 нельзя: %2
</source>
        <translation>lumeq: cannot replay %1: %2
</translation>
    </message>
    <message>
        <source>неизвестной</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>такого окна нет</source>
        <translation>no such window</translation>
    </message>
    <message>
        <source>данные не следуют из записанного начального числа</source>
        <translation>the data do not follow from the recorded seed</translation>
    </message>
    <message>
        <source>у окна нет такого поля</source>
        <translation>the window has no such field</translation>
    </message>
    <message>
        <source>принятый ответ «%1» не проходит проверку окна</source>
        <translation>the accepted answer &quot;%1&quot; does not pass the window&apos;s check</translation>
    </message>
    <message>
        <source>Запись не содержит запуска %1.</source>
        <translation>The record holds no run %1.</translation>
    </message>
    <message>
        <source>В запуске %1 нет выборки %2 окна %3.</source>
        <translation>Run %1 has no draw %2 of window %3.</translation>
    </message>
    <message>
        <source>Проверять нечего: в записи нет выборок данных.</source>
        <translation>Nothing to check: the record holds no data draws.</translation>
    </message>
    <message>
        <source>Не проверено: запись сделана версией %1, эта версия %2.</source>
        <translation>Not checked: the record was made by version %1, this is version %2.</translation>
    </message>
    <message>
        <source>Проверено: выборок %1, принятых ответов %2.</source>
        <translation>Verified: %1 draws, %2 accepted answers.</translation>
    </message>
    <message>
        <source>%1 (выборка %2): %3</source>
        <translation>%1 (draw %2): %3</translation>
    </message>
    <message>
        <source>%1 (выборка %2), поле %3: %4</source>
        <translation>%1 (draw %2), field %3: %4</translation>
    </message>
    <message>
        <source>Не проверено: </source>
        <translation>Not verified: </translation>
    </message>
</context>
<context>
    <name>stability</name>
    <message>
        <source>Для САУ с заданной структурой определите параметры передаточной функции:  </source>
        <translation>For the control system shown, find the parameters of the transfer function:  </translation>
    </message>
    <message>
        <source>Затем определите коэффициент передачи %1, соответствующий границе устойчивости. </source>
        <translation>Then find the gain %1 at the stability boundary. </translation>
    </message>
    <message>
        <source>Затем ответьте, устойчива ли САУ.</source>
        <translation>Then say whether the system is stable.</translation>
    </message>
    <message>
        <source>Затем определите постоянную времени %1, соответствующую границе устойчивости. </source>
        <translation>Then find the time constant %1 at the stability boundary. </translation>
    </message>
    <message>
        <source>Определите:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source> c</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Устойчива ли данная САУ?</source>
        <translation>Is this control system stable?</translation>
    </message>
    <message>
        <source>ср</source>
        <extracomment>Index of the gain crossover frequency ω (Russian ω_ср, &quot;частота среза&quot;); English ω_c.</extracomment>
        <translation>c</translation>
    </message>
    <message>
        <source>Определите запас устойчивости по фазе %1 и частоту среза %2, если %3 &amp;gt; %4, %5 - прежние</source>
        <translation>Find %1 = −π − φ(%2), the phase margin with its sign reversed, in rad, and the gain crossover frequency %2 if %3 &amp;gt; %4; %5 unchanged</translation>
    </message>
    <message>
        <source>Определите запасы устойчивости %1 и частоту среза %2, если %3 = %4, %5 - прежние</source>
        <translation>Find the stability margins %1 and the gain crossover frequency %2 if %3 = %4; %5 unchanged</translation>
    </message>
    <message>
        <source>ЛАЧХ разомкнутой системы</source>
        <translation>Open-loop Bode magnitude plot</translation>
    </message>
    <message>
        <source>ЛФЧХ разомкнутой системы</source>
        <translation>Open-loop Bode phase plot</translation>
    </message>
    <message>
        <source>Курсор частоты, lg ω</source>
        <translation>Frequency cursor, lg ω</translation>
    </message>
    <message>
        <source>Курсор амплитуды, L</source>
        <translation>Magnitude cursor, L</translation>
    </message>
    <message>
        <source>Курсор фазы, φ</source>
        <translation>Phase cursor, φ</translation>
    </message>
    <message>
        <source>ЛЧХ разомкнутой системы</source>
        <translation>Open-loop Bode plots</translation>
    </message>
    <message>
        <source>L = %1 дБ; w= %2 рад/с</source>
        <translation>L = %1 dB; ω= %2 rad/s</translation>
    </message>
    <message>
        <source>%1 рад; log(w)= %2</source>
        <translation>%1 rad; lg(ω)= %2</translation>
    </message>
    <message>
        <source>Найдите полюсы САУ</source>
        <translation>Find the system poles</translation>
    </message>
    <message>
        <source>если %1 =</source>
        <translation>if %1 =</translation>
    </message>
    <message>
        <source>если %1 = %2,</source>
        <translation>if %1 = %2,</translation>
    </message>
    <message>
        <source>%1 - прежние</source>
        <translation>%1 unchanged</translation>
    </message>
    <message>
        <source>Переходная характеристика</source>
        <translation>Step response</translation>
    </message>
    <message>
        <source>t, c</source>
        <translation>t, s</translation>
    </message>
    <message>
        <source>Устойчивость САУ. Лаб №%1.%2</source>
        <translation>Stability of a single-loop system. Lab %1.%2</translation>
    </message>
    <message>
        <source>Схема №%1</source>
        <translation>Diagram %1</translation>
    </message>
    <message>
        <source>%1,кр</source>
        <extracomment>Index of a critical value (Russian &quot;кр&quot;, &quot;критический&quot;): k_1,кр, T_4,кр; %1 is the parameter&apos;s own index.</extracomment>
        <translation>%1,cr</translation>
    </message>
    <message>
        <source>Устойчивость САУ</source>
        <translation>Stability</translation>
    </message>
</context>
<context>
    <name>teacher</name>
    <message>
        <source>Лаб №%1</source>
        <translation>Lab %1</translation>
    </message>
    <message>
        <source>Эта учётная запись не может читать записи класса (сервер отказал): %1</source>
        <translation>This account may not read the class record (the server refused): %1</translation>
    </message>
    <message>
        <source>Записи нет: %1</source>
        <translation>No record: %1</translation>
    </message>
    <message>
        <source>Запись не прочитана: %1</source>
        <translation>The record could not be read: %1</translation>
    </message>
    <message>
        <source>База класса не прочитана: %1</source>
        <translation>The class database could not be read: %1</translation>
    </message>
    <message>
        <source>Файл не записан: %1: %2</source>
        <translation>The file was not written: %1: %2</translation>
    </message>
</context>
<context>
    <name>typical</name>
    <message>
        <source>Апериодическое звено</source>
        <translation>First-order lag element</translation>
    </message>
    <message>
        <source>По графику переходной функции определите следующие параметры:</source>
        <translation>From the step response find the following parameters:</translation>
    </message>
    <message>
        <source>w=%1рад/с, lg(w)=%2c</source>
        <translation>ω=%1 rad/s, lg(ω)=%2</translation>
    </message>
    <message>
        <source>t, c</source>
        <translation>t, s</translation>
    </message>
    <message>
        <source> рад;</source>
        <translation> rad;</translation>
    </message>
    <message>
        <source>Интегрирующее звено</source>
        <translation>Integrating element</translation>
    </message>
    <message>
        <source>По графику переходной функции определите постоянную времени интегрирующего звена:</source>
        <translation>From the step response find the time constant of the integrating element:</translation>
    </message>
    <message>
        <source>Режим касательной</source>
        <translation>Tangent mode</translation>
    </message>
    <message>
        <source> c</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Колебательное звено</source>
        <translation>Oscillatory element</translation>
    </message>
    <message>
        <source>Реакция на единичный ступенчатый сигнал</source>
        <translation>Unit step response</translation>
    </message>
    <message>
        <source>Реакция на линейно-нарастающий сигнал g(t)=t</source>
        <translation>Response to the ramp input g(t)=t</translation>
    </message>
    <message>
        <source> c;</source>
        <translation> s;</translation>
    </message>
    <message>
        <source>t  - время регулирования</source>
        <translation>t  - settling time</translation>
    </message>
    <message>
        <source>Для заданного значения постоянной времени</source>
        <translation>For the given time constant</translation>
    </message>
    <message>
        <source>определите значение коэффициента k</source>
        <translation>find the gain k</translation>
    </message>
    <message>
        <source>Для заданных значений:</source>
        <translation>For the given values:</translation>
    </message>
    <message>
        <source>определите значение коэффициента k:</source>
        <translation>find the gain k:</translation>
    </message>
    <message>
        <source>определите разность</source>
        <translation>find the phase</translation>
    </message>
    <message>
        <source>фаз </source>
        <translation>difference </translation>
    </message>
    <message>
        <source>вых</source>
        <translation>out</translation>
    </message>
    <message>
        <source>вх</source>
        <translation>in</translation>
    </message>
    <message>
        <source>и амплитуду сигнала на выходе:</source>
        <translation>and the output amplitude:</translation>
    </message>
    <message>
        <source> рад/c</source>
        <translation> rad/s</translation>
    </message>
    <message>
        <source>%1. Опыт №%2</source>
        <translation>%1. Experiment %2</translation>
    </message>
    <message>
        <source>p</source>
        <comment>settling time index</comment>
        <extracomment>Index of the settling time t (Russian t_р, &quot;время регулирования&quot;); English textbooks write t_s.</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>По графику переходной функции определите постоянную времени интегрирующего звена:</source>
        <comment>ramp window: the plot is the ramp response</comment>
        <translation>From the ramp response find the time constant of the integrating element:</translation>
    </message>
</context>
</TS>
