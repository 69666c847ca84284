<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Words</name>
    <message numerus="yes">
        <source>no usable element set (%n skipped)</source>
        <translation>
            <numerusform>no usable element set (%n skipped)</numerusform>
            <numerusform>no usable element set (%n skipped)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n satellites as %1</source>
        <extracomment>%n is how many were read from the file, %1 the name they are kept under</extracomment>
        <translation>
            <numerusform>Imported %n satellite as %1</numerusform>
            <numerusform>Imported %n satellites as %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n comets and asteroids as %1</source>
        <translation>
            <numerusform>Imported %n comet or asteroid as %1</numerusform>
            <numerusform>Imported %n comets and asteroids as %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %n bytes, shorter than the 12-byte header</source>
        <translation>
            <numerusform>only %n byte, shorter than the 12-byte header</numerusform>
            <numerusform>only %n bytes, shorter than the 12-byte header</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bytes of a partial record at the end (ignored by readers)</source>
        <translation>
            <numerusform>%n byte of a partial record at the end (ignored by readers)</numerusform>
            <numerusform>%n bytes of a partial record at the end (ignored by readers)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8 (skipped by readers)</source>
        <translation>
            <numerusform>%n name that is not valid UTF-8 (skipped by readers)</numerusform>
            <numerusform>%n names that are not valid UTF-8 (skipped by readers)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cities without a name or country, or out of range (skipped by the reader)</source>
        <translation>
            <numerusform>%n city without a name or country, or out of range (skipped by the reader)</numerusform>
            <numerusform>%n cities without a name or country, or out of range (skipped by the reader)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with coordinates that are not finite (skipped by readers)</source>
        <translation>
            <numerusform>%n record with coordinates that are not finite (skipped by readers)</numerusform>
            <numerusform>%n records with coordinates that are not finite (skipped by readers)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with right ascension outside [0, 360) or declination outside [-90, 90] degrees</source>
        <translation>
            <numerusform>%n record with right ascension outside [0, 360) or declination outside [-90, 90] degrees</numerusform>
            <numerusform>%n records with right ascension outside [0, 360) or declination outside [-90, 90] degrees</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names without a terminating zero byte</source>
        <translation>
            <numerusform>%n name without a terminating zero byte</numerusform>
            <numerusform>%n names without a terminating zero byte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records (skipped by the reader)</source>
        <translation>
            <numerusform>%n damaged record (skipped by the reader)</numerusform>
            <numerusform>%n damaged records (skipped by the reader)</numerusform>
        </translation>
    </message>
</context>
</TS>
