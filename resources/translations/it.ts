<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AppShell</name>
    <message>
        <source>Nocturnix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is already running...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please relaunch the software with administrator privileges</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Nocturnix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Nocturnix</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
