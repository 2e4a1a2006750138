<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AccessAdvice</name>
    <message>
        <location filename="../../src/device/link/AccessAdvice.cpp" line="+35"/>
        <source>The mouse is plugged in, but you may not open it (%1: permission denied).</source>
        <translation>Il mouse è collegato, ma non si hanno i permessi per aprirlo (%1: permesso negato).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Install the udev rule %1 from the source folder:</source>
        <translation>Installare la regola udev %1 dalla cartella dei sorgenti:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>then plug the receiver in again.</source>
        <translation>quindi ricollegare il ricevitore.</translation>
    </message>
</context>
<context>
    <name>AppProfilesDialog</name>
    <message>
        <location filename="../../src/ui/main/AppProfilesDialog.cpp" line="+33"/>
        <source>Profile %1</source>
        <translation>Profilo %1</translation>
    </message>
    <message>
        <location line="+92"/>
        <location line="+1"/>
        <source>APPLICATIONS</source>
        <translation>APPLICAZIONI</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TURN ON</source>
        <translation>ATTIVA</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Switch profiles by application</source>
        <translation>Cambia profilo in base all&apos;applicazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Other programs</source>
        <translation>Altri programmi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADD</source>
        <translation>AGGIUNGI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a rule for a program</source>
        <translation>Aggiungi una regola per un programma</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Leave the profile as it is</source>
        <translation>Lascia il profilo invariato</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+104"/>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="-103"/>
        <source>The rules could not be saved to &quot;%1&quot;.</source>
        <translation>Impossibile salvare le regole in «%1».</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>No rules yet. ADD a program to give it a profile.</source>
        <translation>Ancora nessuna regola. Usare AGGIUNGI per assegnare un profilo a un programma.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Profile for %1</source>
        <translation>Profilo per %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>REMOVE</source>
        <translation>RIMUOVI</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove the rule for %1</source>
        <translation>Rimuovi la regola per %1</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Choose a program file…</source>
        <translation>Scegli un file di programma…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose a program</source>
        <translation>Scegli un programma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; cannot be given a rule.</source>
        <translation>Impossibile assegnare una regola a «%1».</translation>
    </message>
</context>
<context>
    <name>AppSwitchSupport</name>
    <message>
        <location filename="../../src/ui/main/AppSwitchSupport.cpp" line="+9"/>
        <source>%1: profiles follow the program in front through the GNOME Shell extension “mousecfg window focus”.</source>
        <translation>%1: i profili seguono il programma in primo piano tramite l’estensione di GNOME Shell «mousecfg window focus».</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Profiles follow the program in front through this compositor&apos;s window list, by application id only.</source>
        <translation>I profili seguono il programma in primo piano tramite l&apos;elenco delle finestre di questo compositor, solo in base all&apos;ID dell&apos;applicazione.</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>%1: the GNOME Shell extension “mousecfg window focus” is off, so profiles cannot follow the program in front. Turn it on with the button or this command:</source>
        <translation>%1: l’estensione di GNOME Shell «mousecfg window focus» è disattivata, quindi i profili non possono seguire il programma in primo piano. Attivala con il pulsante o con questo comando:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: the GNOME Shell extension “mousecfg window focus” is not installed, so profiles cannot follow the program in front. It comes with mousecfg&apos;s package.</source>
        <translation>%1: l’estensione di GNOME Shell «mousecfg window focus» non è installata, quindi i profili non possono seguire il programma in primo piano. È inclusa nel pacchetto di mousecfg.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: GNOME Shell could not run the extension “mousecfg window focus”, so profiles cannot follow the program in front.</source>
        <translation>%1: GNOME Shell non è riuscito ad avviare l’estensione «mousecfg window focus», quindi i profili non possono seguire il programma in primo piano.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>This desktop does not tell which program is in front, so profiles cannot follow it here.</source>
        <translation>Questo desktop non indica quale programma è in primo piano, quindi qui i profili non possono seguirlo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 does not tell which program is in front, so profiles cannot follow it here.</source>
        <translation>%1 non indica quale programma è in primo piano, quindi i profili non possono seguirlo qui.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Profiles follow the program in front on this desktop.</source>
        <translation>I profili seguono il programma in primo piano su questo desktop.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: profiles follow the program in front.</source>
        <translation>%1: i profili seguono il programma in primo piano.</translation>
    </message>
</context>
<context>
    <name>AppSwitching</name>
    <message>
        <location filename="../../src/ui/main/AppSwitching.cpp" line="+50"/>
        <source>The mouse did not switch to profile %1</source>
        <translation>Il mouse non è passato al profilo %1</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Applications…</source>
        <translation>Applicazioni…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch profiles by application</source>
        <translation>Cambia profilo in base all&apos;applicazione</translation>
    </message>
</context>
<context>
    <name>BatteryAlerts</name>
    <message>
        <location filename="../../src/ui/main/BatteryAlerts.cpp" line="+25"/>
        <source>Mouse battery almost empty</source>
        <translation>Batteria del mouse quasi scarica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2% left. Connect the cable to charge it.</source>
        <translation>%1: %2% rimanente. Collegare il cavo per ricaricarlo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mouse battery low</source>
        <translation>Batteria del mouse in esaurimento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2% left. Charge it soon.</source>
        <translation>%1: %2% rimanente. Ricaricarlo presto.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Not connected</source>
        <translation>Non connesso</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Charging</source>
        <translation>In carica</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery: %1%</source>
        <translation>Batteria: %1%</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>MOUSE OFF</source>
        <translation>MOUSE SPENTO</translation>
    </message>
</context>
<context>
    <name>ButtonCatalogue</name>
    <message>
        <location filename="../../src/core/settings/ButtonCatalogue.cpp" line="+14"/>
        <source>Left</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SINGLE KEY</source>
        <translation>TASTO SINGOLO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COMBO KEY</source>
        <translation>COMBINAZIONE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FIRE KEY</source>
        <translation>TASTO DI FUOCO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Off</source>
        <translation>Pulsante disattivato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switch Window</source>
        <translation>Cambia finestra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>My Computer</source>
        <translation>Risorse del computer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run</source>
        <translation>Esegui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Desktop</source>
        <translation>Mostra desktop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock PC</source>
        <translation>Blocca PC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Home</source>
        <translation>Browser: pagina iniziale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Backward</source>
        <translation>Browser: indietro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Forward</source>
        <translation>Browser: avanti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Stop</source>
        <translation>Browser: interrompi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Refresh</source>
        <translation>Browser: aggiorna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Search</source>
        <translation>Browser: cerca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Favorite</source>
        <translation>Browser: preferiti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mail</source>
        <translation>Posta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boss Key</source>
        <translation>Tasto boss</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play/Pause</source>
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous Track</source>
        <translation>Traccia precedente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next Track</source>
        <translation>Traccia successiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume Up</source>
        <translation>Volume su</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume Down</source>
        <translation>Volume giù</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media Player</source>
        <translation>Lettore multimediale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI Switch</source>
        <translation>Cambia DPI</translation>
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
        <translation>Cambia frequenza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate +</source>
        <translation>Frequenza +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate -</source>
        <translation>Frequenza -</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scroll Up</source>
        <translation>Scorri su</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Down</source>
        <translation>Scorri giù</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Led Switch</source>
        <translation>Accendi/spegni LED</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile Switch</source>
        <translation>Cambia profilo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile +</source>
        <translation>Profilo +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile -</source>
        <translation>Profilo -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Macro Manager</source>
        <translation>Gestione macro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GunFile Manager</source>
        <translation>Gestione GunFile</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Basic</source>
        <translation>Base</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advance</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polling Rate</source>
        <translation>Frequenza di polling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile Menu</source>
        <translation>Profili</translation>
    </message>
    <message>
        <location filename="../../src/ui/buttons/AssignmentDialogs.cpp" line="+70"/>
        <source>GUNFILE SELECT</source>
        <translation>SCELTA GUNFILE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MACRO SELECT</source>
        <translation>SCELTA MACRO</translation>
    </message>
</context>
<context>
    <name>ConfirmButtons</name>
    <message>
        <location filename="../../src/ui/widgets/ConfirmButtons.cpp" line="+56"/>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>ConnectionDisplay</name>
    <message>
        <location filename="../../src/ui/main/ConnectionDisplay.cpp" line="+49"/>
        <location line="+46"/>
        <source>MOUSE OFF</source>
        <translation>SPENTO</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Connected through the receiver</source>
        <translation>Connesso tramite il ricevitore</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connected by cable</source>
        <translation>Connesso via cavo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not connected</source>
        <translation>Non connesso</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Connection and battery</source>
        <translation>Connessione e batteria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery level</source>
        <translation>Livello della batteria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Receiver</source>
        <translation>Ricevitore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Charging</source>
        <translation>In carica</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <location filename="../../src/ui/main/FirmwareUpdate.cpp" line="+35"/>
        <location line="+4"/>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Per aggiornare il firmware, collegare il mouse al computer con un cavo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Aggiornare il firmware?</translation>
    </message>
</context>
<context>
    <name>HeaderBar</name>
    <message>
        <location filename="../../src/ui/main/HeaderBar.cpp" line="+74"/>
        <location line="+8"/>
        <source>Model: %1</source>
        <translation>Modello: %1</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+1"/>
        <source>Minimise</source>
        <translation>Minimizza</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Firmware Update</source>
        <translation>Aggiorna firmware</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>impossibile leggere «%1»: file inesistente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: a folder</source>
        <translation>impossibile leggere «%1»: è una cartella</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: not a plain file</source>
        <translation>impossibile leggere «%1»: non è un file normale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: permission denied</source>
        <translation>impossibile leggere «%1»: permesso negato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is too large (%2 bytes) to be a file of this program</source>
        <translation>«%1» è troppo grande (%2 byte) per essere un file di questo programma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a profile or configuration file</source>
        <translation>«%1» non è un file di profilo né di configurazione</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&apos;%1&apos; is a profile file, not a configuration file</source>
        <translation>«%1» è un file di profilo, non un file di configurazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is a configuration file, not a profile file</source>
        <translation>«%1» è un file di configurazione, non un file di profilo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is incomplete: the key &apos;%2&apos; is missing</source>
        <translation>«%1» è incompleto: manca la chiave «%2»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is incomplete: %2 keys are missing, the first is &apos;%3&apos;</source>
        <translation>«%1» è incompleto: mancano %2 chiavi, la prima è «%3»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&apos;%1&apos; is damaged: &apos;%2&apos; does not hold a colour</source>
        <translation>«%1» è danneggiato: «%2» non contiene un colore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is damaged: &apos;%2&apos; does not hold a number</source>
        <translation>«%1» è danneggiato: «%2» non contiene un numero</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&apos;%1&apos; gives profiles %2 and %3 the same name &apos;%4&apos;: each needs a name of its own</source>
        <translation>«%1» assegna ai profili %2 e %3 lo stesso nome «%4»: ognuno deve avere un nome proprio</translation>
    </message>
</context>
<context>
    <name>KeyDialogFrame</name>
    <message>
        <location filename="../../src/ui/buttons/KeyDialogFrame.cpp" line="+75"/>
        <source>Keys are read only while this window has the focus.</source>
        <translation>I tasti vengono letti solo mentre questa finestra ha il focus.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Taken: %1</source>
        <translation>Acquisito: %1</translation>
    </message>
    <message>
        <location line="+95"/>
        <location line="+35"/>
        <source>Captured key</source>
        <translation>Tasto acquisito</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>Captured key: %1</source>
        <translation>Tasto acquisito: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Capture again</source>
        <translation>Riacquisisci</translation>
    </message>
</context>
<context>
    <name>LanguageButton</name>
    <message>
        <location filename="../../src/ui/main/LanguageButton.cpp" line="+81"/>
        <source>Language: %1</source>
        <translation>Lingua: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <location filename="../../src/ui/macro/MacroDialog.cpp" line="+303"/>
        <source>WITHOUT A DELAY THE MOUSE KEEPS ONLY THE FIRST %1 OF THESE %2 EVENTS. INSERT A DELAY TO SEND THEM ALL.</source>
        <translation>SENZA UN RITARDO IL MOUSE MANTIENE SOLO I PRIMI %1 DI QUESTI %2 EVENTI. INSERIRE UN RITARDO PER INVIARLI TUTTI.</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+1"/>
        <source>MOUSE ACTION</source>
        <translation>AZIONE DEL MOUSE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MACRO EVENTS</source>
        <translation>EVENTI DELLA MACRO</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/MacroEventText.cpp" line="+13"/>
        <source>LEFT CLICK</source>
        <translation>CLIC SINISTRO</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MIDDLE CLICK</source>
        <translation>CLIC CENTRALE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RIGHT CLICK</source>
        <translation>CLIC DESTRO</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>FORWARD</source>
        <translation>AVANTI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACKWARD</source>
        <translation>INDIETRO</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>MOVE LEFT</source>
        <translation>A SINISTRA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE RIGHT</source>
        <translation>A DESTRA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE UP</source>
        <translation>IN ALTO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE DOWN</source>
        <translation>IN BASSO</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Press</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release</source>
        <translation>Rilascio</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/MacroNotices.cpp" line="+26"/>
        <source>WARNING</source>
        <translation>ATTENZIONE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TROPPE MACRO PER CREARNE UN&apos;ALTRA!</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <location line="+7"/>
        <location line="+8"/>
        <location line="+6"/>
        <location line="+6"/>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Macro Exist!</source>
        <translation>La macro esiste già!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>THIS NAME CANNOT NAME A FILE: USE NO &quot;/&quot;, &quot;\&quot; OR &quot;..&quot;.</source>
        <translation>QUESTO NOME NON PUÒ ESSERE UN NOME DI FILE: NON USARE &quot;/&quot;, &quot;\&quot; O &quot;..&quot;.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A MACRO HOLDS AT MOST %1 EVENTS.</source>
        <translation>UNA MACRO CONTIENE AL MASSIMO %1 EVENTI.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>THE MACRO FILE COULD NOT BE COPIED.</source>
        <translation>IMPOSSIBILE COPIARE IL FILE DELLA MACRO.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>UNO O PIÙ TASTI NON SONO STATI RILASCIATI.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please input file name.</source>
        <translation>Inserire un nome di file.</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/TarnTreeItem.cpp" line="+28"/>
        <source>PRESS DOWN</source>
        <translation>PRESSIONE</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BOUNCE UP</source>
        <translation>RILASCIO</translation>
    </message>
</context>
<context>
    <name>MacroEditPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroEditPanel.cpp" line="+148"/>
        <location line="+6"/>
        <location line="+4"/>
        <source>KEY</source>
        <translation>TASTO</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+7"/>
        <source>MOVEMENT</source>
        <translation>MOVIMENTO</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+4"/>
        <source>DELAY</source>
        <translation>RITARDO</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>DISTANCE</source>
        <translation>DISTANZA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAVE</source>
        <translation>SALVA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CANCEL</source>
        <translation>ANNULLA</translation>
    </message>
</context>
<context>
    <name>MacroEventButtons</name>
    <message>
        <location filename="../../src/ui/macro/MacroEventButtons.cpp" line="+20"/>
        <source>RECORD AFTER</source>
        <translation>REG. DOPO</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DELETE</source>
        <translation>ELIMINA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MOVE UP</source>
        <translation>SPOSTA SU</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MOVE DOWN</source>
        <translation>SPOSTA GIÙ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TOP</source>
        <translation>IN CIMA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BOTTOM</source>
        <translation>IN FONDO</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CLEAR</source>
        <translation>SVUOTA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EDIT</source>
        <translation>MODIFICA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>COPY</source>
        <translation>COPIA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CUT</source>
        <translation>TAGLIA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PASTE</source>
        <translation>INCOLLA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INSERT DELAY</source>
        <translation>INS. RITARDO</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GUN SET</source>
        <translation>IMPOSTAZIONI TIRO</translation>
    </message>
</context>
<context>
    <name>MacroEventModel</name>
    <message>
        <location filename="../../src/ui/macro/MacroEventModel.cpp" line="+38"/>
        <source>KEY</source>
        <translation>TASTO</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ACTION</source>
        <translation>AZIONE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DELAY(ms)</source>
        <translation>RITARDO (ms)</translation>
    </message>
</context>
<context>
    <name>MacroListPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroListPanel.cpp" line="+21"/>
        <source>Macro File(*.MSMACRO)</source>
        <translation>File macro (*.MSMACRO)</translation>
    </message>
    <message>
        <location line="+134"/>
        <location line="+23"/>
        <source>Load Macro File</source>
        <translation>Carica file macro</translation>
    </message>
    <message>
        <location line="+34"/>
        <location line="+8"/>
        <source>Save Macro File</source>
        <translation>Salva file macro</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+1"/>
        <source>MACRO LIST</source>
        <translation>ELENCO MACRO</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>MACRO NAME</source>
        <translation>NOME MACRO</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>NEW</source>
        <translation>NUOVA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DELETE</source>
        <translation>ELIMINA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CHANGE NAME</source>
        <translation>RINOMINA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IMPORT</source>
        <translation>IMPORTA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EXPORT</source>
        <translation>ESPORTA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>BATCH</source>
        <translation>BLOCCO</translation>
    </message>
</context>
<context>
    <name>MacroRecordPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroRecordPanel.cpp" line="+127"/>
        <source>START</source>
        <translation>AVVIA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>STOP</source>
        <translation>FERMA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>REGISTRA RITARDI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSERISCI RITARDO FISSO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>RIPETIZIONI (1-255)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>RIPETI FINCHÉ PREMUTO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>RIPETI FINO A NUOVA PRESSIONE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DEFAULT DELAY</source>
        <translation>RITARDO PREDEFINITO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOOP COUNT</source>
        <translation>NUMERO DI RIPETIZIONI</translation>
    </message>
</context>
<context>
    <name>MousePicture</name>
    <message>
        <location filename="../../src/ui/main/MousePicture.cpp" line="+212"/>
        <location line="+1"/>
        <source>Front</source>
        <translation>Fronte</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Side</source>
        <translation>Lato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every button of this mouse is set in the front view.</source>
        <translation>Tutti i pulsanti di questo mouse si impostano nella vista Fronte.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Wheel up</source>
        <translation>Rotella su</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Wheel down</source>
        <translation>Rotella giù</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Selects this button in the list</source>
        <translation>Seleziona questo pulsante nell&apos;elenco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button %1</source>
        <translation>Pulsante %1</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <location filename="../../src/ui/main/MousecfgWidget.cpp" line="+299"/>
        <location filename="../../src/ui/main/MousecfgWidgetWindow.cpp" line="+39"/>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>È NECESSARIO MANTENERE ALMENO UNA FUNZIONE DI CLIC.</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetDevice.cpp" line="+150"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetReturn.cpp" line="+28"/>
        <source>No access to the mouse</source>
        <translation>Nessun accesso al mouse</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetWindow.cpp" line="+1"/>
        <source>Dongle Disconnect!</source>
        <translation>Ricevitore scollegato!</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
</context>
<context>
    <name>ProfileBar</name>
    <message>
        <location filename="../../src/ui/main/ProfileBar.cpp" line="+126"/>
        <location line="+131"/>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Press Enter To Apply</source>
        <translation>Invio per applicare</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Stored profiles</source>
        <translation>Profili salvati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADD</source>
        <translation>NUOVO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COPY</source>
        <translation>COPIA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DELETE</source>
        <translation>ELIMINA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESET</source>
        <translation>AZZERA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset All</source>
        <translation>Azzera tutto</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Save Profile File</source>
        <translation>Salva file di profilo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Load Profile File</source>
        <translation>Carica file di profilo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOAD1</source>
        <translation>APRI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAVE</source>
        <translation>SALVA</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>APPLICATIONS</source>
        <translation>APPLICAZIONI</translation>
    </message>
</context>
<context>
    <name>ProfileOperations</name>
    <message>
        <location filename="../../src/ui/main/ProfileOperations.cpp" line="+70"/>
        <location line="+5"/>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+91"/>
        <location line="+18"/>
        <location line="+19"/>
        <location line="+24"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="+146"/>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Impossibile scrivere il file «%1».</translation>
    </message>
    <message>
        <location line="-106"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-12"/>
        <source>Profile is Already Used!</source>
        <translation>Il profilo è già in uso!</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="+9"/>
        <source>The file &quot;%1&quot; could not be read.</source>
        <translation>Impossibile leggere il file «%1».</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+113"/>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>Il profilo predefinito non può essere eliminato né rinominato.</translation>
    </message>
    <message>
        <location line="-108"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-3"/>
        <source>&quot;%1&quot; cannot name a profile file.</source>
        <translation>«%1» non può essere il nome di un file di profilo.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-3"/>
        <source>Profile Exist!</source>
        <translation>Il profilo esiste già!</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file &quot;%1&quot; could not be renamed.</source>
        <translation>Impossibile rinominare il file «%1».</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>È NECESSARIO MANTENERE ALMENO UN PROFILO.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Are you sure you want delete this profile?</source>
        <translation>Eliminare davvero questo profilo?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Every other profile is held by another slot, so this one cannot be deleted.</source>
        <translation>Tutti gli altri profili sono occupati da un altro slot, quindi questo non può essere eliminato.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file &quot;%1&quot; could not be deleted.</source>
        <translation>Impossibile eliminare il file «%1».</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Are you sure you want reset this profile?</source>
        <translation>Azzerare davvero questo profilo?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Azzerare davvero tutti i profili?</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-119"/>
        <source>Profile File(*.prof)</source>
        <translation>File di profilo (*.prof)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Config File(*.conf)</source>
        <translation>File di configurazione (*.conf)</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Il mouse è in sospensione o non è connesso.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send data failed, please try again.</source>
        <translation>Invio dei dati non riuscito, riprovare.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The settings were sent, but the mouse did not confirm them.</source>
        <translation>Le impostazioni sono state inviate, ma il mouse non le ha confermate.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>The file is not match current mouse!</source>
        <translation>Il file non corrisponde al mouse attuale!</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Save Profile File</source>
        <translation>Salva file di profilo</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Load Profile File</source>
        <translation>Carica file di profilo</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save Config File</source>
        <translation>Salva file di configurazione</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Load Config File</source>
        <translation>Carica file di configurazione</translation>
    </message>
</context>
<context>
    <name>SlotIndicators</name>
    <message>
        <location filename="../../src/ui/main/SlotIndicators.cpp" line="+45"/>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
</context>
<context>
    <name>TabBar</name>
    <message>
        <location filename="../../src/ui/main/TabBar.cpp" line="+42"/>
        <source>LIGHTING</source>
        <translation>LUCI</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CUSTOMIZE</source>
        <translation>PULSANTI</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
</context>
<context>
    <name>TarnBtnWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnBtnWindow.cpp" line="+129"/>
        <source>WHEEL UP</source>
        <translation>ROTELLA SU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WHEEL DOWN</source>
        <translation>ROTELLA GIÙ</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Button %1</source>
        <translation>Pulsante %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Il pulsante sinistro non può avere una funzione di tiro.</translation>
    </message>
</context>
<context>
    <name>TarnColorArea</name>
    <message>
        <location filename="../../src/ui/pages/TarnColorArea.cpp" line="+33"/>
        <location line="+322"/>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <location line="-322"/>
        <location line="+323"/>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <location line="-322"/>
        <location line="+323"/>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <location line="-323"/>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <location line="+309"/>
        <location line="+1"/>
        <source>Color Edit</source>
        <translation>Modifica colore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COLOR</source>
        <translation>COLORE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>APPLY</source>
        <translation>APPLICA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Hue</source>
        <translation>Tonalità</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Saturation and value</source>
        <translation>Saturazione e valore</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saturation</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hexadecimal colour</source>
        <translation>Colore esadecimale</translation>
    </message>
</context>
<context>
    <name>TarnColorWindow</name>
    <message>
        <location filename="../../src/core/settings/LightingEffects.cpp" line="+17"/>
        <source>OFF</source>
        <translation>SPENTO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FULL LIGHTED</source>
        <translation>SEMPRE ACCESO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BREATHING</source>
        <translation>RESPIRAZIONE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7 COLOR BREATHING</source>
        <translation>RESPIRAZIONE 7 COLORI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RAINBOW</source>
        <translation>ARCOBALENO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FLASH</source>
        <translation>LAMPEGGIO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal WAVE</source>
        <translation>ONDA orizzontale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>SENZA TRACCIA orizzontale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Raindrop</source>
        <translation>Gocce di pioggia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WAVE</source>
        <translation>ONDA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GO WITHOUT TRACE</source>
        <translation>SENZA TRACCIA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REACTIVE</source>
        <translation>REATTIVO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yo-yo</source>
        <translation>yo-yo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Marbles</source>
        <translation>Biglie</translation>
    </message>
    <message>
        <location filename="../../src/ui/pages/TarnColorWindow.cpp" line="+141"/>
        <location line="+63"/>
        <source>EFFECT</source>
        <translation>EFFETTO</translation>
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
        <translation>LUMINOSITÀ</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+5"/>
        <source>SPEED</source>
        <translation>VELOCITÀ</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>COLOR</source>
        <translation>COLORE</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+4"/>
        <source>SLEEP TIME</source>
        <translation>SOSPENSIONE DOPO</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>SPEGNI IN MOVIMENTO</translation>
    </message>
</context>
<context>
    <name>TarnComboKeyWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnComboKeyWindow.cpp" line="+6"/>
        <source>Combo Key</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hold the modifiers and press the key.</source>
        <translation>Tenere premuti i modificatori e premere il tasto.</translation>
    </message>
</context>
<context>
    <name>TarnDPIWindow</name>
    <message>
        <location filename="../../src/ui/pages/TarnDPIWindow.cpp" line="+139"/>
        <source>DPI STAGES</source>
        <translation>LIVELLI DPI</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>SLEEP TIME</source>
        <translation>SOSPENSIONE DOPO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>SPEGNI IN MOVIMENTO</translation>
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
        <translation>Impostazione tasto di fuoco</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Middle</source>
        <translation>Centrale</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keyboard Key</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+8"/>
        <source>Times:</source>
        <translation>Volte:</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+8"/>
        <source>Delay:</source>
        <translation>Ritardo:</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Press a key</source>
        <translation>Premere un tasto</translation>
    </message>
</context>
<context>
    <name>TarnGunsetDialog</name>
    <message>
        <location filename="../../src/ui/macro/TarnGunsetDialog.cpp" line="+38"/>
        <source>Gun Set</source>
        <translation>Impostazioni di tiro</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GUN SET</source>
        <translation>IMPOSTAZIONI DI TIRO</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+2"/>
        <source>GUNFILE NAME</source>
        <translation>NOME GUNFILE</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+51"/>
        <source>BULLETS</source>
        <translation>COLPI</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+13"/>
        <source>DELAY(MS)</source>
        <translation>RITARDO (MS)</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>VERTICAL</source>
        <translation>VERTICALE</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+15"/>
        <source>HORIZONTAL</source>
        <translation>ORIZZONTALE</translation>
    </message>
</context>
<context>
    <name>TarnMacroSelect</name>
    <message>
        <location filename="../../src/ui/macro/TarnMacroSelect.cpp" line="+51"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>RIPETIZIONI (1-255)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>RIPETI FINCHÉ PREMUTO</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>RIPETI FINO A NUOVA PRESSIONE</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>LOOP COUNT</source>
        <translation>NUMERO DI RIPETIZIONI</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>SELECT A MACRO</source>
        <translation>SCEGLI UNA MACRO</translation>
    </message>
</context>
<context>
    <name>TarnPointSpeed</name>
    <message>
        <location filename="../../src/ui/pages/TarnPointSpeed.cpp" line="+181"/>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No mouse settings program of the desktop was found.</source>
        <translation>Non è stato trovato alcun programma del desktop per le impostazioni del mouse.</translation>
    </message>
    <message>
        <location line="+48"/>
        <location line="+1"/>
        <source>Key Response</source>
        <translation>Risposta dei pulsanti</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Scroll Speed</source>
        <translation>Velocità rotella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable sync</source>
        <translation>Abilita sincronizzazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lift Distance</source>
        <translation>Distanza di sollevamento</translation>
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
        <translation>Correzione angolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jitter</source>
        <translation>Jitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motion Wake</source>
        <translation>Risveglio al movimento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor Mode</source>
        <translation>Modalità sensore</translation>
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
        <translation>Competitiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Mouse Setting</source>
        <translation>Opzioni mouse</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This desktop&apos;s pointer speed cannot be set from here: use the desktop&apos;s own mouse settings.</source>
        <translation>La velocità del puntatore di questo desktop non può essere impostata da qui: usare le impostazioni del mouse del desktop.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The pointer speed applies while mousecfg runs: the desktop&apos;s own settings are left as they are.</source>
        <translation>La velocità del puntatore vale finché mousecfg è in esecuzione: le impostazioni del desktop restano invariate.</translation>
    </message>
</context>
<context>
    <name>TarnProcessDialog</name>
    <message>
        <location filename="../../src/ui/main/TarnProcessDialog.cpp" line="+24"/>
        <source>Sending data to the mouse</source>
        <translation>Invio dei dati al mouse</translation>
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
        <translation>FREQUENZA DI POLLING</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lift off Distance</source>
        <translation>Distanza di sollevamento</translation>
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
        <translation>Collega X/Y</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable %1</source>
        <translation>Abilita %1</translation>
    </message>
</context>
<context>
    <name>TarnSingleKeyWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnSingleKeyWindow.cpp" line="+10"/>
        <source>Single Key</source>
        <translation>Tasto singolo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Press the key for this button.</source>
        <translation>Premere il tasto per questo pulsante.</translation>
    </message>
</context>
<context>
    <name>TarnSniperWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnSniperWindow.cpp" line="+9"/>
        <source>Sniper Setting</source>
        <translation>Impostazione sniper</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sniper resolution</source>
        <translation>Risoluzione sniper</translation>
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
        <translation>COMANDO MOUSE</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+9"/>
        <source>DISTANCE</source>
        <translation>DISTANZA</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../../src/ui/main/TrayIcon.cpp" line="+40"/>
        <source>&amp;Load Config</source>
        <translation>&amp;Carica configurazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start at login</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The login start entry %1 could not be changed.</source>
        <translation>Impossibile modificare la voce di avvio all&apos;accesso %1.</translation>
    </message>
</context>
<context>
    <name>UploadRecovery</name>
    <message>
        <location filename="../../src/ui/main/UploadRecovery.cpp" line="+38"/>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The last transfer to the mouse did not finish. Send the settings again?</source>
        <translation>L&apos;ultimo trasferimento al mouse non è stato completato. Inviare di nuovo le impostazioni?</translation>
    </message>
</context>
</TS>
