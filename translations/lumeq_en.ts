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
