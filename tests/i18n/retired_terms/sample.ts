<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>typical</name>
    <message>
        <source>Инерционно-форсирующее звено (link, astatism)</source>
        <extracomment>Not the lag-lead link of the textbooks.</extracomment>
        <translation>Lag-lead link</translation>
    </message>
    <message>
        <source>p</source>
        <comment>settling time index</comment>
        <extracomment>Index of the settling time.</extracomment>
        <translation>p</translation>
    </message>
    <message>
        <source>Не верно!
<byte value="xd"/>Scheme</source>
        <translation>Incorrect.
<byte value="xd"/>Think again! (hyperlinks, linked, a static gain)</translation>
    </message>
</context>
</TS>
