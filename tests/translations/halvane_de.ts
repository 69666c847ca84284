<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A few finished German texts for the test that switches the language through Settings,
     independent of how far the real translation has come. -->
<TS version="2.1" language="de">
<context>
    <name>Words</name>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>E</source>
        <comment>compass point</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>Tonight in %1, %2</source>
        <translation>Heute Abend in %1, %2</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>day of the week</comment>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jän</translation>
    </message>
</context>
</TS>
