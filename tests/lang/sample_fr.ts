<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A few window texts in French, for the tests of the language switch. -->
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>TabBar</name>
    <message>
        <source>LIGHTING</source>
        <translation>ÉCLAIRAGE</translation>
    </message>
</context>
<context>
    <name>HeaderBar</name>
    <message>
        <source>Firmware Update</source>
        <translation>Mise à jour</translation>
    </message>
</context>
<context>
    <name>BatteryAlerts</name>
    <message>
        <source>Battery: %1%</source>
        <translation>Batterie : %1 %</translation>
    </message>
</context>
</TS>
