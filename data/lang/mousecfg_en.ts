<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>ConfirmButtons</name>
    <message>
        <location filename="../../src/ui/widgets/ConfirmButtons.cpp" line="+51"/>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
</TS>
