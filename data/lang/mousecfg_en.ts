<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>ConfirmButtons</name>
    <message>
        <location filename="../../src/ui/widgets/ConfirmButtons.cpp" line="+48"/>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
