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
        <translation>Search for words</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Журнал лабораторных работ: %1</source>
        <translation>Laboratory journal: %1</translation>
    </message>
    <message>
        <source>Стр. %1 из %2</source>
        <translation>Page %1 of %2</translation>
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
        <translation>This work is not available yet</translation>
    </message>
    <message>
        <source>Включить построение переходных характеристик во времени </source>
        <translation>Draw the time responses gradually, as they evolve </translation>
    </message>
    <message>
        <source>Идея и методика: кафедра САУ</source>
        <translation>Idea and method: Dept. of ACS</translation>
    </message>
    <message>
        <source>Программа: команда Lumeq</source>
        <translation>Software: the Lumeq team</translation>
    </message>
    <message>
        <source>Язык интерфейса</source>
        <translation>Language of the program</translation>
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
        <translation>There is no calculator application!</translation>
    </message>
    <message>
        <source>Типовые динамические звенья</source>
        <translation>Typical dynamic links</translation>
    </message>
    <message>
        <source>Нетиповые динамические звенья</source>
        <translation>Non-typical dynamic links</translation>
    </message>
    <message>
        <source>Составные динамические звенья</source>
        <translation>Compound dynamic links</translation>
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
        <translation>System type (astatism)</translation>
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
        <translation>The laboratory work is complete!</translation>
    </message>
    <message>
        <source>Результаты работ будут сброшены
<byte value="xd"/>Перейти в главное меню?</source>
        <translation>The results of the work will be discarded.
<byte value="xd"/>Go to the main menu?</translation>
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
        <source>Записать журнал работ в PDF-файл при выходе.</source>
        <translation>Write the journal of the works to a PDF file at exit.</translation>
    </message>
    <message>
        <source>После --journal-pdf не указан файл: журнал при выходе записан не будет.</source>
        <translation>No file follows --journal-pdf: the journal will not be written at exit.</translation>
    </message>
    <message>
        <source>Журнал не может быть записан в файл
<byte value="xd"/>%1
<byte value="xd"/>Проверьте путь и права на запись: при выходе из программы журнал в этот файл записан не будет.</source>
        <translation>The journal cannot be written to the file
<byte value="xd"/>%1
<byte value="xd"/>Check the path and the write permission: the journal will not be written to this file at exit.</translation>
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
        <translation>End the work and return to the sections (Alt+M)</translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation>Journal</translation>
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
        <translation>Work</translation>
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
        <translation>Laboratory journal</translation>
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
        <translation>No work has been started yet.</translation>
    </message>
    <message>
        <source>Работы</source>
        <translation>Works</translation>
    </message>
    <message>
        <source>Ни одно окно работы не открылось.</source>
        <translation>No window of the work was opened.</translation>
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
<byte value="xd"/>The initial data will be changed.</translation>
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
        <translation>Not correct!
<byte value="xd"/>Think again!</translation>
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
        <translation>Integrating link</translation>
    </message>
    <message>
        <source>Апериодическое звено</source>
        <translation>First-order lag link</translation>
    </message>
    <message>
        <source>Колебательное звено</source>
        <translation>Oscillatory link</translation>
    </message>
    <message>
        <source>Звено чистого запаздывания</source>
        <translation>Pure time-delay link</translation>
    </message>
    <message>
        <source>Неминимально-фазовое звено первого порядка</source>
        <translation>First-order non-minimum-phase link</translation>
    </message>
    <message>
        <source>&quot;ПИ&quot; звено</source>
        <translation>&quot;PI&quot; link</translation>
    </message>
    <message>
        <source>Реально-дифф. звено</source>
        <translation>Real differentiating link</translation>
    </message>
    <message>
        <source>Инерционно-форсирующее звено</source>
        <translation>Lag-lead link</translation>
    </message>
    <message>
        <source>к сигналу задания</source>
        <translation>to the reference signal</translation>
    </message>
    <message>
        <source>к сигналу возмущения</source>
        <translation>to the disturbance signal</translation>
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
        <translation>feedback compensation</translation>
    </message>
    <message>
        <source>Схема №1</source>
        <translation>Scheme No. 1</translation>
    </message>
    <message>
        <source>Схема № 2</source>
        <translation>Scheme No. 2</translation>
    </message>
    <message>
        <source>Схема № 3</source>
        <translation>Scheme No. 3</translation>
    </message>
    <message>
        <source>Схема № 4</source>
        <translation>Scheme No. 4</translation>
    </message>
</context>
</TS>
