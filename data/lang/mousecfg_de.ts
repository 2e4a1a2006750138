<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AccessAdvice</name>
    <message>
        <location filename="../../src/device/link/AccessAdvice.cpp" line="+35"/>
        <source>The mouse is plugged in, but you may not open it (%1: permission denied).</source>
        <translation>Die Maus ist angeschlossen, aber Sie dürfen sie nicht öffnen (%1: Zugriff verweigert).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Install the udev rule %1 from the source folder:</source>
        <translation>Installieren Sie die udev-Regel %1 aus dem Quellordner:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>then plug the receiver in again.</source>
        <translation>und stecken Sie dann den Empfänger neu ein.</translation>
    </message>
</context>
<context>
    <name>AppProfilesDialog</name>
    <message>
        <location filename="../../src/ui/main/AppProfilesDialog.cpp" line="+33"/>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <location line="+92"/>
        <location line="+1"/>
        <source>APPLICATIONS</source>
        <translation>ANWENDUNGEN</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TURN ON</source>
        <translation>EINSCHALTEN</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Switch profiles by application</source>
        <translation>Profile je nach Anwendung wechseln</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Other programs</source>
        <translation>Andere Programme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADD</source>
        <translation>HINZUFÜGEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a rule for a program</source>
        <translation>Regel für ein Programm hinzufügen</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Leave the profile as it is</source>
        <translation>Profil unverändert lassen</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+104"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="-103"/>
        <source>The rules could not be saved to &quot;%1&quot;.</source>
        <translation>Die Regeln konnten nicht in „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>No rules yet. ADD a program to give it a profile.</source>
        <translation>Noch keine Regeln. Mit HINZUFÜGEN erhält ein Programm ein Profil.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Profile for %1</source>
        <translation>Profil für %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>REMOVE</source>
        <translation>ENTFERNEN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove the rule for %1</source>
        <translation>Regel für %1 entfernen</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Choose a program file…</source>
        <translation>Programmdatei wählen…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose a program</source>
        <translation>Programm wählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; cannot be given a rule.</source>
        <translation>„%1“ kann keine Regel erhalten.</translation>
    </message>
</context>
<context>
    <name>AppSwitchSupport</name>
    <message>
        <location filename="../../src/ui/main/AppSwitchSupport.cpp" line="+9"/>
        <source>%1: profiles follow the program in front through the GNOME Shell extension “mousecfg window focus”.</source>
        <translation>%1: Die Profile folgen dem Programm im Vordergrund über die GNOME-Shell-Erweiterung „mousecfg window focus“.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Profiles follow the program in front through this compositor&apos;s window list, by application id only.</source>
        <translation>Die Profile folgen dem Programm im Vordergrund über die Fensterliste dieses Compositors, allein anhand der Anwendungs-ID.</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>%1: the GNOME Shell extension “mousecfg window focus” is off, so profiles cannot follow the program in front. Turn it on with the button or this command:</source>
        <translation>%1: Die GNOME-Shell-Erweiterung „mousecfg window focus“ ist ausgeschaltet, daher können die Profile dem Programm im Vordergrund nicht folgen. Schalten Sie sie mit der Schaltfläche oder diesem Befehl ein:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: the GNOME Shell extension “mousecfg window focus” is not installed, so profiles cannot follow the program in front. It comes with mousecfg&apos;s package.</source>
        <translation>%1: Die GNOME-Shell-Erweiterung „mousecfg window focus“ ist nicht installiert, daher können die Profile dem Programm im Vordergrund nicht folgen. Sie ist im Paket von mousecfg enthalten.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: GNOME Shell could not run the extension “mousecfg window focus”, so profiles cannot follow the program in front.</source>
        <translation>%1: GNOME Shell konnte die Erweiterung „mousecfg window focus“ nicht ausführen, daher können die Profile dem Programm im Vordergrund nicht folgen.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>This desktop does not tell which program is in front, so profiles cannot follow it here.</source>
        <translation>Dieser Desktop teilt nicht mit, welches Programm im Vordergrund ist; die Profile können ihm hier nicht folgen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 does not tell which program is in front, so profiles cannot follow it here.</source>
        <translation>%1 teilt nicht mit, welches Programm im Vordergrund ist, daher können die Profile ihm hier nicht folgen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Profiles follow the program in front on this desktop.</source>
        <translation>Die Profile folgen dem Programm im Vordergrund auf diesem Desktop.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: profiles follow the program in front.</source>
        <translation>%1: Die Profile folgen dem Programm im Vordergrund.</translation>
    </message>
</context>
<context>
    <name>AppSwitching</name>
    <message>
        <location filename="../../src/ui/main/AppSwitching.cpp" line="+50"/>
        <source>The mouse did not switch to profile %1</source>
        <translation>Die Maus hat nicht zu Profil %1 gewechselt</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Applications…</source>
        <translation>Anwendungen…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch profiles by application</source>
        <translation>Profile je nach Anwendung wechseln</translation>
    </message>
</context>
<context>
    <name>BatteryAlerts</name>
    <message>
        <location filename="../../src/ui/main/BatteryAlerts.cpp" line="+25"/>
        <source>Mouse battery almost empty</source>
        <translation>Mausakku fast leer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2% left. Connect the cable to charge it.</source>
        <translation>%1: noch %2 %. Schließen Sie das Kabel zum Aufladen an.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mouse battery low</source>
        <translation>Mausakku schwach</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2% left. Charge it soon.</source>
        <translation>%1: noch %2 %. Bitte bald aufladen.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Charging</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery: %1%</source>
        <translation>Akku: %1 %</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>MOUSE OFF</source>
        <translation>MAUS AUS</translation>
    </message>
</context>
<context>
    <name>ButtonCatalogue</name>
    <message>
        <location filename="../../src/ui/buttons/AssignmentDialogs.cpp" line="+70"/>
        <source>GUNFILE SELECT</source>
        <translation>GUNFILE-AUSWAHL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MACRO SELECT</source>
        <translation>MAKRO-AUSWAHL</translation>
    </message>
    <message>
        <location filename="../../src/core/settings/ButtonCatalogue.cpp" line="+14"/>
        <source>Left</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SINGLE KEY</source>
        <translation>EINZELTASTE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COMBO KEY</source>
        <translation>TASTENKOMBINATION</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FIRE KEY</source>
        <translation>FEUERTASTE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Off</source>
        <translation>Taste deaktiviert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switch Window</source>
        <translation>Fenster wechseln</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>My Computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock PC</source>
        <translation>PC sperren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Home</source>
        <translation>Browser: Startseite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Backward</source>
        <translation>Browser: Zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Forward</source>
        <translation>Browser: Vorwärts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Stop</source>
        <translation>Browser: Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Refresh</source>
        <translation>Browser: Aktualisieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Search</source>
        <translation>Browser: Suchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Favorite</source>
        <translation>Browser: Favoriten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boss Key</source>
        <translation>Boss-Taste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous Track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next Track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume Up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume Down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media Player</source>
        <translation>Mediaplayer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI Switch</source>
        <translation>DPI-Wechsel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate Switch</source>
        <translation>Ratenwechsel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate +</source>
        <translation>Rate +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate -</source>
        <translation>Rate -</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scroll Up</source>
        <translation>Nach oben scrollen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Led Switch</source>
        <translation>LED ein/aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile Switch</source>
        <translation>Profilwechsel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile +</source>
        <translation>Profil +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile -</source>
        <translation>Profil -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Macro Manager</source>
        <translation>Makroverwaltung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GunFile Manager</source>
        <translation>GunFile-Verwaltung</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Basic</source>
        <translation>Basis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advance</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polling Rate</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile Menu</source>
        <translation>Profile</translation>
    </message>
</context>
<context>
    <name>ConfirmButtons</name>
    <message>
        <location filename="../../src/ui/widgets/ConfirmButtons.cpp" line="+56"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>ConnectionDisplay</name>
    <message>
        <location filename="../../src/ui/main/ConnectionDisplay.cpp" line="+49"/>
        <location line="+46"/>
        <source>MOUSE OFF</source>
        <translation>MAUS AUS</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Connected through the receiver</source>
        <translation>Über den Empfänger verbunden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connected by cable</source>
        <translation>Per Kabel verbunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Connection and battery</source>
        <translation>Verbindung und Akku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery level</source>
        <translation>Akkustand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Receiver</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Charging</source>
        <translation>Wird geladen</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <location filename="../../src/ui/main/FirmwareUpdate.cpp" line="+35"/>
        <location line="+4"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Zum Aktualisieren der Firmware verbinden Sie die Maus bitte per Kabel mit dem Computer.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Möchten Sie die Firmware aktualisieren?</translation>
    </message>
</context>
<context>
    <name>HeaderBar</name>
    <message>
        <location filename="../../src/ui/main/HeaderBar.cpp" line="+74"/>
        <location line="+8"/>
        <source>Model: %1</source>
        <translation>Modell: %1</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+1"/>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Firmware Update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mousecfg %1</source>
        <translation>mousecfg %1</translation>
    </message>
</context>
<context>
    <name>ImportCheck</name>
    <message>
        <location filename="../../src/storage/ImportCheck.cpp" line="+200"/>
        <source>cannot read &apos;%1&apos;: no such file</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden: Datei nicht vorhanden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: a folder</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden: ein Ordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: not a plain file</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden: keine gewöhnliche Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: permission denied</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden: Zugriff verweigert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is too large (%2 bytes) to be a file of this program</source>
        <translation>&apos;%1&apos; ist zu groß (%2 Bytes) für eine Datei dieses Programms</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a profile or configuration file</source>
        <translation>&apos;%1&apos; ist keine Profil- oder Konfigurationsdatei</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&apos;%1&apos; is a profile file, not a configuration file</source>
        <translation>&apos;%1&apos; ist eine Profildatei, keine Konfigurationsdatei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is a configuration file, not a profile file</source>
        <translation>&apos;%1&apos; ist eine Konfigurationsdatei, keine Profildatei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is incomplete: the key &apos;%2&apos; is missing</source>
        <translation>&apos;%1&apos; ist unvollständig: der Schlüssel &apos;%2&apos; fehlt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is incomplete: %2 keys are missing, the first is &apos;%3&apos;</source>
        <translation>&apos;%1&apos; ist unvollständig: %2 Schlüssel fehlen, der erste ist &apos;%3&apos;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&apos;%1&apos; is damaged: &apos;%2&apos; does not hold a colour</source>
        <translation>&apos;%1&apos; ist beschädigt: &apos;%2&apos; enthält keine Farbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is damaged: &apos;%2&apos; does not hold a number</source>
        <translation>&apos;%1&apos; ist beschädigt: &apos;%2&apos; enthält keine Zahl</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&apos;%1&apos; gives profiles %2 and %3 the same name &apos;%4&apos;: each needs a name of its own</source>
        <translation>&apos;%1&apos; gibt den Profilen %2 und %3 denselben Namen &apos;%4&apos;: jedes braucht einen eigenen Namen</translation>
    </message>
</context>
<context>
    <name>KeyDialogFrame</name>
    <message>
        <location filename="../../src/ui/buttons/KeyDialogFrame.cpp" line="+75"/>
        <source>Keys are read only while this window has the focus.</source>
        <translation>Tasten werden nur gelesen, solange dieses Fenster den Fokus hat.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+180"/>
        <location line="+35"/>
        <source>Captured key</source>
        <translation>Erfasste Taste</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>Captured key: %1</source>
        <translation>Erfasste Taste: %1</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>Taken: %1</source>
        <translation>Erfasst: %1</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>Capture again</source>
        <translation>Erneut erfassen</translation>
    </message>
</context>
<context>
    <name>LanguageButton</name>
    <message>
        <location filename="../../src/ui/main/LanguageButton.cpp" line="+81"/>
        <source>Language: %1</source>
        <translation>Sprache: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <location filename="../../src/ui/macro/MacroDialog.cpp" line="+325"/>
        <location line="+1"/>
        <source>MOUSE ACTION</source>
        <translation>MAUSAKTION</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MACRO EVENTS</source>
        <translation>MAKRO-EREIGNISSE</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/MacroEventText.cpp" line="+13"/>
        <source>LEFT CLICK</source>
        <translation>LINKSKLICK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MIDDLE CLICK</source>
        <translation>MITTELKLICK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RIGHT CLICK</source>
        <translation>RECHTSKLICK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>FORWARD</source>
        <translation>VORWÄRTS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACKWARD</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>MOVE LEFT</source>
        <translation>NACH LINKS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE RIGHT</source>
        <translation>NACH RECHTS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE UP</source>
        <translation>NACH OBEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE DOWN</source>
        <translation>NACH UNTEN</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Press</source>
        <translation>Drücken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release</source>
        <translation>Loslassen</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/MacroNotices.cpp" line="+26"/>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>ZU VIELE MAKROS: ES KANN KEINES MEHR ERSTELLT WERDEN!</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <location line="+7"/>
        <location line="+8"/>
        <location line="+6"/>
        <location line="+6"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Macro Exist!</source>
        <translation>Dieses Makro existiert bereits!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>THIS NAME CANNOT NAME A FILE: USE NO &quot;/&quot;, &quot;\&quot; OR &quot;..&quot;.</source>
        <translation>DIESER NAME TAUGT NICHT ALS DATEINAME: KEIN &quot;/&quot;, &quot;\&quot; ODER &quot;..&quot; VERWENDEN.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A MACRO HOLDS AT MOST %1 EVENTS.</source>
        <translation>EIN MAKRO ENTHÄLT HÖCHSTENS %1 EREIGNISSE.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>THE MACRO FILE COULD NOT BE COPIED.</source>
        <translation>DIE MAKRODATEI KONNTE NICHT KOPIERT WERDEN.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>EINE ODER MEHRERE TASTEN WURDEN NICHT LOSGELASSEN.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please input file name.</source>
        <translation>Bitte geben Sie einen Dateinamen ein.</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/TarnTreeItem.cpp" line="+28"/>
        <source>PRESS DOWN</source>
        <translation>DRÜCKEN</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BOUNCE UP</source>
        <translation>LOSLASSEN</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/MacroDialog.cpp" line="-24"/>
        <source>WITHOUT A DELAY THE MOUSE KEEPS ONLY THE FIRST %1 OF THESE %2 EVENTS. INSERT A DELAY TO SEND THEM ALL.</source>
        <translation>OHNE PAUSE BEHÄLT DIE MAUS NUR DIE ERSTEN %1 DIESER %2 EREIGNISSE. FÜGEN SIE EINE PAUSE EIN, UM ALLE ZU SENDEN.</translation>
    </message>
</context>
<context>
    <name>MacroEditPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroEditPanel.cpp" line="+148"/>
        <location line="+6"/>
        <location line="+4"/>
        <source>KEY</source>
        <translation>TASTE</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+7"/>
        <source>MOVEMENT</source>
        <translation>BEWEGUNG</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+4"/>
        <source>DELAY</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>DISTANCE</source>
        <translation>DISTANZ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
</context>
<context>
    <name>MacroEventButtons</name>
    <message>
        <location filename="../../src/ui/macro/MacroEventButtons.cpp" line="+20"/>
        <source>RECORD AFTER</source>
        <translation>AUFN. DANACH</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MOVE UP</source>
        <translation>NACH OBEN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MOVE DOWN</source>
        <translation>NACH UNTEN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TOP</source>
        <translation>GANZ OBEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BOTTOM</source>
        <translation>GANZ UNTEN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CLEAR</source>
        <translation>LEEREN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EDIT</source>
        <translation>BEARBEITEN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>COPY</source>
        <translation>KOPIEREN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CUT</source>
        <translation>AUSSCHN.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PASTE</source>
        <translation>EINFÜGEN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INSERT DELAY</source>
        <translation>PAUSE EINF.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GUN SET</source>
        <translation>SCHUSSEINSTELLUNG</translation>
    </message>
</context>
<context>
    <name>MacroEventModel</name>
    <message>
        <location filename="../../src/ui/macro/MacroEventModel.cpp" line="+38"/>
        <source>KEY</source>
        <translation>TASTE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ACTION</source>
        <translation>AKTION</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DELAY(ms)</source>
        <translation>PAUSE (ms)</translation>
    </message>
</context>
<context>
    <name>MacroListPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroListPanel.cpp" line="+21"/>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Makrodatei (*.MSMACRO)</translation>
    </message>
    <message>
        <location line="+134"/>
        <location line="+23"/>
        <source>Load Macro File</source>
        <translation>Makrodatei laden</translation>
    </message>
    <message>
        <location line="+34"/>
        <location line="+8"/>
        <source>Save Macro File</source>
        <translation>Makrodatei speichern</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+1"/>
        <source>MACRO LIST</source>
        <translation>MAKROLISTE</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>MACRO NAME</source>
        <translation>MAKRONAME</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>NEW</source>
        <translation>NEU</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CHANGE NAME</source>
        <translation>UMBENENNEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>BATCH</source>
        <translation>STAPEL</translation>
    </message>
</context>
<context>
    <name>MacroRecordPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroRecordPanel.cpp" line="+127"/>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>PAUSEN MITAUFNEHMEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSERT DEFAULT DELAY</source>
        <translation>FESTE PAUSE EINFÜGEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>DURCHLÄUFE (1-255)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>SOLANGE TASTE GEDRÜCKT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>BIS TASTE ERNEUT GEDRÜCKT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DEFAULT DELAY</source>
        <translation>STANDARDPAUSE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOOP COUNT</source>
        <translation>ANZAHL DER DURCHLÄUFE</translation>
    </message>
</context>
<context>
    <name>MousePicture</name>
    <message>
        <location filename="../../src/ui/main/MousePicture.cpp" line="+212"/>
        <location line="+1"/>
        <source>Front</source>
        <translation>Vorne</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every button of this mouse is set in the front view.</source>
        <translation>Alle Tasten dieser Maus werden in der Ansicht „Vorne“ belegt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Wheel up</source>
        <translation>Rad nach oben</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Wheel down</source>
        <translation>Rad nach unten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Button %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Selects this button in the list</source>
        <translation>Wählt diese Taste in der Liste aus</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <location filename="../../src/ui/main/MousecfgWidget.cpp" line="+299"/>
        <location filename="../../src/ui/main/MousecfgWidgetWindow.cpp" line="+39"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetWindow.cpp" line="+1"/>
        <source>Dongle Disconnect!</source>
        <translation>Empfänger getrennt!</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidget.cpp" line="+0"/>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>MINDESTENS EINE KLICKFUNKTION MUSS ERHALTEN BLEIBEN.</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetDevice.cpp" line="+150"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetReturn.cpp" line="+28"/>
        <source>No access to the mouse</source>
        <translation>Kein Zugriff auf die Maus</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <location filename="../../src/ui/main/ProfileActions.cpp" line="+54"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
</context>
<context>
    <name>ProfileBar</name>
    <message>
        <location filename="../../src/ui/main/ProfileBar.cpp" line="+126"/>
        <location line="+131"/>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Press Enter To Apply</source>
        <translation>Eingabe zum Anwenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Stored profiles</source>
        <translation>Gespeicherte Profile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADD</source>
        <translation>NEU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COPY</source>
        <translation>KOPIE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset All</source>
        <translation>Alle zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Save Profile File</source>
        <translation>Profildatei speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Load Profile File</source>
        <translation>Profildatei laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOAD1</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAVE</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>APPLICATIONS</source>
        <translation>ANWENDUNGEN</translation>
    </message>
</context>
<context>
    <name>ProfileOperations</name>
    <message>
        <location filename="../../src/ui/main/ProfileOperations.cpp" line="+70"/>
        <location line="+5"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+69"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="+134"/>
        <source>Profile is Already Used!</source>
        <translation>Dieses Profil wird bereits verwendet!</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="+9"/>
        <source>The file &quot;%1&quot; could not be read.</source>
        <translation>Die Datei „%1“ konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+113"/>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>Das Standardprofil kann weder gelöscht noch umbenannt werden.</translation>
    </message>
    <message>
        <location line="-108"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-3"/>
        <source>&quot;%1&quot; cannot name a profile file.</source>
        <translation>„%1“ kann nicht als Name einer Profildatei dienen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-3"/>
        <source>Profile Exist!</source>
        <translation>Dieses Profil existiert bereits!</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file &quot;%1&quot; could not be renamed.</source>
        <translation>Die Datei „%1“ konnte nicht umbenannt werden.</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+91"/>
        <location line="+18"/>
        <location line="+19"/>
        <location line="+24"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="+9"/>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>MINDESTENS EIN PROFIL MUSS ERHALTEN BLEIBEN.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Are you sure you want delete this profile?</source>
        <translation>Möchten Sie dieses Profil wirklich löschen?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Every other profile is held by another slot, so this one cannot be deleted.</source>
        <translation>Alle anderen Profile sind bereits einem anderen Platz zugeordnet, daher kann dieses nicht gelöscht werden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file &quot;%1&quot; could not be deleted.</source>
        <translation>Die Datei „%1“ konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Are you sure you want reset this profile?</source>
        <translation>Möchten Sie dieses Profil wirklich zurücksetzen?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Möchten Sie wirklich alle Profile zurücksetzen?</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-128"/>
        <source>Profile File(*.prof)</source>
        <translation>Profildatei (*.prof)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Config File(*.conf)</source>
        <translation>Konfigurationsdatei (*.conf)</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Die Maus schläft oder ist nicht verbunden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send data failed, please try again.</source>
        <translation>Das Senden der Daten ist fehlgeschlagen, bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The settings were sent, but the mouse did not confirm them.</source>
        <translation>Die Einstellungen wurden gesendet, aber die Maus hat sie nicht bestätigt.</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Save Profile File</source>
        <translation>Profildatei speichern</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Load Profile File</source>
        <translation>Profildatei laden</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>The file is not match current mouse!</source>
        <translation>Diese Datei passt nicht zur aktuellen Maus!</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>Save Config File</source>
        <translation>Konfigurationsdatei speichern</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Load Config File</source>
        <translation>Konfigurationsdatei laden</translation>
    </message>
</context>
<context>
    <name>SlotIndicators</name>
    <message>
        <location filename="../../src/ui/main/SlotIndicators.cpp" line="+45"/>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
</context>
<context>
    <name>TabBar</name>
    <message>
        <location filename="../../src/ui/main/TabBar.cpp" line="+42"/>
        <source>LIGHTING</source>
        <translation>LICHT</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CUSTOMIZE</source>
        <translation>ANPASSEN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MACRO</source>
        <translation>MAKRO</translation>
    </message>
</context>
<context>
    <name>TarnBtnWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnBtnWindow.cpp" line="+129"/>
        <source>WHEEL UP</source>
        <translation>RAD NACH OBEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WHEEL DOWN</source>
        <translation>RAD NACH UNTEN</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Button %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Der linken Taste kann keine Schussfunktion zugewiesen werden.</translation>
    </message>
</context>
<context>
    <name>TarnColorArea</name>
    <message>
        <location filename="../../src/ui/pages/TarnColorArea.cpp" line="+33"/>
        <location line="+322"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location line="-322"/>
        <location line="+323"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location line="-322"/>
        <location line="+323"/>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <location line="-323"/>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <location line="+309"/>
        <location line="+1"/>
        <source>Color Edit</source>
        <translation>Farbe bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COLOR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>APPLY</source>
        <translation>ANWENDEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Saturation and value</source>
        <translation>Sättigung und Hellwert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Value</source>
        <translation>Hellwert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hexadecimal colour</source>
        <translation>Hexadezimale Farbe</translation>
    </message>
</context>
<context>
    <name>TarnColorWindow</name>
    <message>
        <location filename="../../src/core/settings/LightingEffects.cpp" line="+17"/>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FULL LIGHTED</source>
        <translation>DAUERLICHT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BREATHING</source>
        <translation>ATMEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7 COLOR BREATHING</source>
        <translation>ATMEN IN 7 FARBEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RAINBOW</source>
        <translation>REGENBOGEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FLASH</source>
        <translation>BLINKEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal WAVE</source>
        <translation>Horizontale WELLE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>Horizontal SPURLOS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Raindrop</source>
        <translation>Regentropfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WAVE</source>
        <translation>WELLE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GO WITHOUT TRACE</source>
        <translation>SPURLOS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REACTIVE</source>
        <translation>REAKTIV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yo-yo</source>
        <translation>Jo-Jo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Marbles</source>
        <translation>Murmeln</translation>
    </message>
    <message>
        <location filename="../../src/ui/pages/TarnColorWindow.cpp" line="+141"/>
        <location line="+63"/>
        <source>EFFECT</source>
        <translation>EFFEKT</translation>
    </message>
    <message>
        <location line="-48"/>
        <source> MINUTE</source>
        <translation> MIN</translation>
    </message>
    <message>
        <location line="+49"/>
        <location line="+5"/>
        <source>BRIGHTNESS</source>
        <translation>HELLIGKEIT</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+5"/>
        <source>SPEED</source>
        <translation>TEMPO</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>COLOR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+4"/>
        <source>SLEEP TIME</source>
        <translation>RUHEZUSTAND NACH</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>BEI BEWEGUNG AUS</translation>
    </message>
</context>
<context>
    <name>TarnComboKeyWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnComboKeyWindow.cpp" line="+6"/>
        <source>Combo Key</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hold the modifiers and press the key.</source>
        <translation>Halten Sie die Sondertasten gedrückt und drücken Sie die Taste.</translation>
    </message>
</context>
<context>
    <name>TarnDPIWindow</name>
    <message>
        <location filename="../../src/ui/pages/TarnDPIWindow.cpp" line="+139"/>
        <source>DPI STAGES</source>
        <translation>DPI-STUFEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>SLEEP TIME</source>
        <translation>RUHEZUSTAND NACH</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>BEI BEWEGUNG AUS</translation>
    </message>
    <message>
        <location line="+64"/>
        <source> MINUTE</source>
        <translation> MIN</translation>
    </message>
</context>
<context>
    <name>TarnFireKeyWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnFireKeyWindow.cpp" line="+24"/>
        <source>FireKey Setting</source>
        <translation>Feuertaste einstellen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keyboard Key</source>
        <translation>Tastaturtaste</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+8"/>
        <source>Times:</source>
        <translation>Anzahl:</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+8"/>
        <source>Delay:</source>
        <translation>Pause:</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Press a key</source>
        <translation>Taste drücken</translation>
    </message>
</context>
<context>
    <name>TarnGunsetDialog</name>
    <message>
        <location filename="../../src/ui/macro/TarnGunsetDialog.cpp" line="+38"/>
        <source>Gun Set</source>
        <translation>Schusseinstellung</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GUN SET</source>
        <translation>SCHUSSEINSTELLUNG</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+2"/>
        <source>GUNFILE NAME</source>
        <translation>GUNFILE-NAME</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+51"/>
        <source>BULLETS</source>
        <translation>SCHÜSSE</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+13"/>
        <source>DELAY(MS)</source>
        <translation>PAUSE (MS)</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>VERTICAL</source>
        <translation>VERTIKAL</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+15"/>
        <source>HORIZONTAL</source>
        <translation>HORIZONTAL</translation>
    </message>
</context>
<context>
    <name>TarnMacroSelect</name>
    <message>
        <location filename="../../src/ui/macro/TarnMacroSelect.cpp" line="+51"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>DURCHLÄUFE (1-255)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>SOLANGE TASTE GEDRÜCKT</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>BIS TASTE ERNEUT GEDRÜCKT</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>LOOP COUNT</source>
        <translation>ANZAHL DER DURCHLÄUFE</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>SELECT A MACRO</source>
        <translation>MAKRO WÄHLEN</translation>
    </message>
</context>
<context>
    <name>TarnPointSpeed</name>
    <message>
        <location filename="../../src/ui/pages/TarnPointSpeed.cpp" line="+181"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No mouse settings program of the desktop was found.</source>
        <translation>Es wurde kein Mauseinstellungsprogramm der Arbeitsumgebung gefunden.</translation>
    </message>
    <message>
        <location line="+48"/>
        <location line="+1"/>
        <source>Key Response</source>
        <translation>Tastenreaktion</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Scroll Speed</source>
        <translation>Scrolltempo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable sync</source>
        <translation>Sync aktivieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lift Distance</source>
        <translation>Abhebedistanz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1mm</source>
        <translation>1mm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2mm</source>
        <translation>2mm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Angle Snapping</source>
        <translation>Winkelkorrektur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jitter</source>
        <translation>Jitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motion Wake</source>
        <translation>Wecken durch Bewegung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor Mode</source>
        <translation>Sensormodus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eco</source>
        <translation>Eco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Competitive</source>
        <translation>Wettkampf</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Mouse Setting</source>
        <translation>Mauseinstellungen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This desktop&apos;s pointer speed cannot be set from here: use the desktop&apos;s own mouse settings.</source>
        <translation>Die Zeigergeschwindigkeit dieses Desktops lässt sich hier nicht einstellen: Nutzen Sie die Mauseinstellungen des Desktops.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The pointer speed applies while mousecfg runs: the desktop&apos;s own settings are left as they are.</source>
        <translation>Die Zeigergeschwindigkeit gilt, solange mousecfg läuft: Die Einstellungen des Desktops bleiben, wie sie sind.</translation>
    </message>
</context>
<context>
    <name>TarnProcessDialog</name>
    <message>
        <location filename="../../src/ui/main/TarnProcessDialog.cpp" line="+24"/>
        <source>Sending data to the mouse</source>
        <translation>Daten werden an die Maus gesendet</translation>
    </message>
</context>
<context>
    <name>TarnReportRate</name>
    <message>
        <location filename="../../src/ui/pages/TarnReportRate.cpp" line="+21"/>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <location line="+70"/>
        <location line="+33"/>
        <source>REPORT RATE</source>
        <translation>ABFRAGERATE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lift off Distance</source>
        <translation>Abhebedistanz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
</context>
<context>
    <name>TarnSingleDPI</name>
    <message>
        <location filename="../../src/ui/pages/TarnSingleDPI.cpp" line="+128"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link XY</source>
        <translation>XY koppeln</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable %1</source>
        <translation>%1 aktivieren</translation>
    </message>
</context>
<context>
    <name>TarnSingleKeyWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnSingleKeyWindow.cpp" line="+10"/>
        <source>Single Key</source>
        <translation>Einzeltaste</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Press the key for this button.</source>
        <translation>Drücken Sie die Taste für diese Maustaste.</translation>
    </message>
</context>
<context>
    <name>TarnSniperWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnSniperWindow.cpp" line="+9"/>
        <source>Sniper Setting</source>
        <translation>Sniper-Einstellung</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sniper resolution</source>
        <translation>Sniper-Auflösung</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>%1 DPI</source>
        <translation>%1 DPI</translation>
    </message>
</context>
<context>
    <name>TarnTreeWidget</name>
    <message>
        <location filename="../../src/ui/macro/TarnTreeWidget.cpp" line="+54"/>
        <location line="+1"/>
        <source>MOUSE COMMAND</source>
        <translation>MAUSBEFEHL</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+9"/>
        <source>DISTANCE</source>
        <translation>DISTANZ</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../../src/ui/main/TrayIcon.cpp" line="+40"/>
        <source>&amp;Load Config</source>
        <translation>Konfiguration &amp;laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start at login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The login start entry %1 could not be changed.</source>
        <translation>Der Autostart-Eintrag %1 konnte nicht geändert werden.</translation>
    </message>
</context>
<context>
    <name>UploadRecovery</name>
    <message>
        <location filename="../../src/ui/main/UploadRecovery.cpp" line="+38"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The last transfer to the mouse did not finish. Send the settings again?</source>
        <translation>Die letzte Übertragung zur Maus wurde nicht beendet. Die Einstellungen erneut senden?</translation>
    </message>
</context>
</TS>
