<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AccessAdvice</name>
    <message>
        <location filename="../../src/device/link/AccessAdvice.cpp" line="+35"/>
        <source>The mouse is plugged in, but you may not open it (%1: permission denied).</source>
        <translation>El ratón está conectado, pero no tiene permiso para abrirlo (%1: permiso denegado).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Install the udev rule %1 from the source folder:</source>
        <translation>Instale la regla udev %1 desde la carpeta del código fuente:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>then plug the receiver in again.</source>
        <translation>y vuelva a conectar el receptor.</translation>
    </message>
</context>
<context>
    <name>AppProfilesDialog</name>
    <message>
        <location filename="../../src/ui/main/AppProfilesDialog.cpp" line="+33"/>
        <source>Profile %1</source>
        <translation>Perfil %1</translation>
    </message>
    <message>
        <location line="+92"/>
        <location line="+1"/>
        <source>APPLICATIONS</source>
        <translation>APLICACIONES</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Command</source>
        <translation>Orden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TURN ON</source>
        <translation>ACTIVAR</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Switch profiles by application</source>
        <translation>Cambiar de perfil según la aplicación</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Other programs</source>
        <translation>Otros programas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADD</source>
        <translation>AÑADIR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a rule for a program</source>
        <translation>Añadir una regla para un programa</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Leave the profile as it is</source>
        <translation>Dejar el perfil como está</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+104"/>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="-103"/>
        <source>The rules could not be saved to &quot;%1&quot;.</source>
        <translation>No se pudieron guardar las reglas en «%1».</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>No rules yet. ADD a program to give it a profile.</source>
        <translation>Aún no hay reglas. Pulse AÑADIR para dar un perfil a un programa.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Profile for %1</source>
        <translation>Perfil para %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>REMOVE</source>
        <translation>QUITAR</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove the rule for %1</source>
        <translation>Quitar la regla de %1</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Choose a program file…</source>
        <translation>Elegir un archivo de programa…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose a program</source>
        <translation>Elegir un programa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; cannot be given a rule.</source>
        <translation>No se puede asignar una regla a «%1».</translation>
    </message>
</context>
<context>
    <name>AppSwitchSupport</name>
    <message>
        <location filename="../../src/ui/main/AppSwitchSupport.cpp" line="+9"/>
        <source>%1: profiles follow the program in front through the GNOME Shell extension “mousecfg window focus”.</source>
        <translation>%1: los perfiles siguen al programa en primer plano mediante la extensión de GNOME Shell «mousecfg window focus».</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Profiles follow the program in front through this compositor&apos;s window list, by application id only.</source>
        <translation>Los perfiles siguen al programa en primer plano mediante la lista de ventanas de este compositor, solo por el identificador de la aplicación.</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>%1: the GNOME Shell extension “mousecfg window focus” is off, so profiles cannot follow the program in front. Turn it on with the button or this command:</source>
        <translation>%1: la extensión de GNOME Shell «mousecfg window focus» está desactivada, así que los perfiles no pueden seguir al programa en primer plano. Actívela con el botón o con esta orden:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: the GNOME Shell extension “mousecfg window focus” is not installed, so profiles cannot follow the program in front. It comes with mousecfg&apos;s package.</source>
        <translation>%1: la extensión de GNOME Shell «mousecfg window focus» no está instalada, así que los perfiles no pueden seguir al programa en primer plano. Viene con el paquete de mousecfg.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: GNOME Shell could not run the extension “mousecfg window focus”, so profiles cannot follow the program in front.</source>
        <translation>%1: GNOME Shell no pudo ejecutar la extensión «mousecfg window focus», así que los perfiles no pueden seguir al programa en primer plano.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>This desktop does not tell which program is in front, so profiles cannot follow it here.</source>
        <translation>Este escritorio no indica qué programa está en primer plano, así que los perfiles no pueden seguirlo aquí.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 does not tell which program is in front, so profiles cannot follow it here.</source>
        <translation>%1 no indica qué programa está en primer plano, así que los perfiles no pueden seguirlo aquí.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Profiles follow the program in front on this desktop.</source>
        <translation>Los perfiles siguen al programa en primer plano en este escritorio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: profiles follow the program in front.</source>
        <translation>%1: los perfiles siguen al programa en primer plano.</translation>
    </message>
</context>
<context>
    <name>AppSwitching</name>
    <message>
        <location filename="../../src/ui/main/AppSwitching.cpp" line="+50"/>
        <source>The mouse did not switch to profile %1</source>
        <translation>El ratón no cambió al perfil %1</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Applications…</source>
        <translation>Aplicaciones…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch profiles by application</source>
        <translation>Cambiar de perfil según la aplicación</translation>
    </message>
</context>
<context>
    <name>BatteryAlerts</name>
    <message>
        <location filename="../../src/ui/main/BatteryAlerts.cpp" line="+25"/>
        <source>Mouse battery almost empty</source>
        <translation>Batería del ratón casi agotada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2% left. Connect the cable to charge it.</source>
        <translation>%1: queda un %2%. Conecte el cable para cargarlo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mouse battery low</source>
        <translation>Batería del ratón baja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2% left. Charge it soon.</source>
        <translation>%1: queda un %2%. Cárguelo pronto.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Not connected</source>
        <translation>No conectado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Charging</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery: %1%</source>
        <translation>Batería: %1%</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>MOUSE OFF</source>
        <translation>RATÓN APAGADO</translation>
    </message>
</context>
<context>
    <name>ButtonCatalogue</name>
    <message>
        <location filename="../../src/core/settings/ButtonCatalogue.cpp" line="+14"/>
        <source>Left</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SINGLE KEY</source>
        <translation>TECLA SIMPLE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COMBO KEY</source>
        <translation>COMBINACIÓN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FIRE KEY</source>
        <translation>TECLA DE DISPARO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Off</source>
        <translation>Botón desactivado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switch Window</source>
        <translation>Cambiar de ventana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>My Computer</source>
        <translation>Mi PC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Desktop</source>
        <translation>Mostrar escritorio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock PC</source>
        <translation>Bloquear PC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Home</source>
        <translation>Navegador: inicio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Backward</source>
        <translation>Navegador: atrás</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Forward</source>
        <translation>Navegador: adelante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Stop</source>
        <translation>Navegador: detener</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Refresh</source>
        <translation>Navegador: actualizar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Search</source>
        <translation>Navegador: buscar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Favorite</source>
        <translation>Navegador: favoritos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boss Key</source>
        <translation>Tecla del jefe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play/Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous Track</source>
        <translation>Pista anterior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next Track</source>
        <translation>Pista siguiente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume Up</source>
        <translation>Subir volumen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume Down</source>
        <translation>Bajar volumen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media Player</source>
        <translation>Reproductor multimedia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI Switch</source>
        <translation>Cambiar DPI</translation>
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
        <translation>Cambiar frecuencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate +</source>
        <translation>Frecuencia +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate -</source>
        <translation>Frecuencia -</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scroll Up</source>
        <translation>Desplazar arriba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Down</source>
        <translation>Desplazar abajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Led Switch</source>
        <translation>Alternar LED</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile Switch</source>
        <translation>Cambiar perfil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile +</source>
        <translation>Perfil +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile -</source>
        <translation>Perfil -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Macro Manager</source>
        <translation>Gestor de macros</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GunFile Manager</source>
        <translation>Gestor de GunFiles</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Basic</source>
        <translation>Básico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advance</source>
        <translation>Avanzado</translation>
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
        <translation>Frecuencia de sondeo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile Menu</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <location filename="../../src/ui/buttons/AssignmentDialogs.cpp" line="+70"/>
        <source>GUNFILE SELECT</source>
        <translation>ELEGIR GUNFILE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MACRO SELECT</source>
        <translation>ELEGIR MACRO</translation>
    </message>
</context>
<context>
    <name>ConfirmButtons</name>
    <message>
        <location filename="../../src/ui/widgets/ConfirmButtons.cpp" line="+56"/>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ok</source>
        <translation>Aceptar</translation>
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
        <translation>APAGADO</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Connected through the receiver</source>
        <translation>Conectado mediante el receptor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connected by cable</source>
        <translation>Conectado por cable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not connected</source>
        <translation>No conectado</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Connection and battery</source>
        <translation>Conexión y batería</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery level</source>
        <translation>Nivel de batería</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Receiver</source>
        <translation>Receptor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Charging</source>
        <translation>Cargando</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <location filename="../../src/ui/main/FirmwareUpdate.cpp" line="+35"/>
        <location line="+4"/>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Para actualizar el firmware, conecte el ratón al equipo con un cable.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Do you want to upgrade the firmware?</source>
        <translation>¿Quiere actualizar el firmware?</translation>
    </message>
</context>
<context>
    <name>HeaderBar</name>
    <message>
        <location filename="../../src/ui/main/HeaderBar.cpp" line="+74"/>
        <location line="+8"/>
        <source>Model: %1</source>
        <translation>Modelo: %1</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+1"/>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Firmware Update</source>
        <translation>Actualizar firmware</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>no se puede leer «%1»: el archivo no existe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: a folder</source>
        <translation>no se puede leer «%1»: es una carpeta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: not a plain file</source>
        <translation>no se puede leer «%1»: no es un archivo normal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: permission denied</source>
        <translation>no se puede leer «%1»: permiso denegado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is too large (%2 bytes) to be a file of this program</source>
        <translation>«%1» es demasiado grande (%2 bytes) para ser un archivo de este programa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a profile or configuration file</source>
        <translation>«%1» no es un archivo de perfil ni de configuración</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&apos;%1&apos; is a profile file, not a configuration file</source>
        <translation>«%1» es un archivo de perfil, no un archivo de configuración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is a configuration file, not a profile file</source>
        <translation>«%1» es un archivo de configuración, no un archivo de perfil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is incomplete: the key &apos;%2&apos; is missing</source>
        <translation>«%1» está incompleto: falta la clave «%2»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is incomplete: %2 keys are missing, the first is &apos;%3&apos;</source>
        <translation>«%1» está incompleto: faltan %2 claves; la primera es «%3»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&apos;%1&apos; is damaged: &apos;%2&apos; does not hold a colour</source>
        <translation>«%1» está dañado: «%2» no contiene un color</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is damaged: &apos;%2&apos; does not hold a number</source>
        <translation>«%1» está dañado: «%2» no contiene un número</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&apos;%1&apos; gives profiles %2 and %3 the same name &apos;%4&apos;: each needs a name of its own</source>
        <translation>«%1» da a los perfiles %2 y %3 el mismo nombre «%4»: cada uno necesita un nombre propio</translation>
    </message>
</context>
<context>
    <name>KeyDialogFrame</name>
    <message>
        <location filename="../../src/ui/buttons/KeyDialogFrame.cpp" line="+75"/>
        <source>Keys are read only while this window has the focus.</source>
        <translation>Las teclas solo se leen mientras esta ventana tiene el foco.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Taken: %1</source>
        <translation>Capturada: %1</translation>
    </message>
    <message>
        <location line="+95"/>
        <location line="+35"/>
        <source>Captured key</source>
        <translation>Tecla capturada</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>Captured key: %1</source>
        <translation>Tecla capturada: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Capture again</source>
        <translation>Repetir captura</translation>
    </message>
</context>
<context>
    <name>LanguageButton</name>
    <message>
        <location filename="../../src/ui/main/LanguageButton.cpp" line="+81"/>
        <source>Language: %1</source>
        <translation>Idioma: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <location filename="../../src/ui/macro/MacroDialog.cpp" line="+303"/>
        <source>WITHOUT A DELAY THE MOUSE KEEPS ONLY THE FIRST %1 OF THESE %2 EVENTS. INSERT A DELAY TO SEND THEM ALL.</source>
        <translation>SIN UN RETARDO, EL RATÓN SOLO CONSERVA LOS PRIMEROS %1 DE ESTOS %2 EVENTOS. INSERTE UN RETARDO PARA ENVIARLOS TODOS.</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+1"/>
        <source>MOUSE ACTION</source>
        <translation>ACCIÓN DEL RATÓN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MACRO EVENTS</source>
        <translation>EVENTOS DE LA MACRO</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/MacroEventText.cpp" line="+13"/>
        <source>LEFT CLICK</source>
        <translation>CLIC IZQUIERDO</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MIDDLE CLICK</source>
        <translation>CLIC CENTRAL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RIGHT CLICK</source>
        <translation>CLIC DERECHO</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>FORWARD</source>
        <translation>ADELANTE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACKWARD</source>
        <translation>ATRÁS</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>MOVE LEFT</source>
        <translation>A LA IZQUIERDA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE RIGHT</source>
        <translation>A LA DERECHA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE UP</source>
        <translation>HACIA ARRIBA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE DOWN</source>
        <translation>HACIA ABAJO</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Press</source>
        <translation>Pulsar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/MacroNotices.cpp" line="+26"/>
        <source>WARNING</source>
        <translation>ADVERTENCIA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>¡DEMASIADAS MACROS PARA CREAR OTRA!</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <location line="+7"/>
        <location line="+8"/>
        <location line="+6"/>
        <location line="+6"/>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Macro Exist!</source>
        <translation>¡La macro ya existe!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>THIS NAME CANNOT NAME A FILE: USE NO &quot;/&quot;, &quot;\&quot; OR &quot;..&quot;.</source>
        <translation>ESTE NOMBRE NO PUEDE SER UN NOMBRE DE ARCHIVO: NO USE &quot;/&quot;, &quot;\&quot; NI &quot;..&quot;.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A MACRO HOLDS AT MOST %1 EVENTS.</source>
        <translation>UNA MACRO CONTIENE COMO MÁXIMO %1 EVENTOS.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>THE MACRO FILE COULD NOT BE COPIED.</source>
        <translation>NO SE PUDO COPIAR EL ARCHIVO DE LA MACRO.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>UNA O MÁS TECLAS NO SE HAN SOLTADO.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please input file name.</source>
        <translation>Introduzca un nombre de archivo.</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/TarnTreeItem.cpp" line="+28"/>
        <source>PRESS DOWN</source>
        <translation>PULSAR</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BOUNCE UP</source>
        <translation>SOLTAR</translation>
    </message>
</context>
<context>
    <name>MacroEditPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroEditPanel.cpp" line="+148"/>
        <location line="+6"/>
        <location line="+4"/>
        <source>KEY</source>
        <translation>TECLA</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+7"/>
        <source>MOVEMENT</source>
        <translation>MOVIMIENTO</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+4"/>
        <source>DELAY</source>
        <translation>RETARDO</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>DISTANCE</source>
        <translation>DISTANCIA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
</context>
<context>
    <name>MacroEventButtons</name>
    <message>
        <location filename="../../src/ui/macro/MacroEventButtons.cpp" line="+20"/>
        <source>RECORD AFTER</source>
        <translation>GRABAR TRAS</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DELETE</source>
        <translation>ELIMINAR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MOVE UP</source>
        <translation>SUBIR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MOVE DOWN</source>
        <translation>BAJAR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TOP</source>
        <translation>AL PRINCIPIO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BOTTOM</source>
        <translation>AL FINAL</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CLEAR</source>
        <translation>VACIAR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EDIT</source>
        <translation>EDITAR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>COPY</source>
        <translation>COPIAR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CUT</source>
        <translation>CORTAR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PASTE</source>
        <translation>PEGAR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INSERT DELAY</source>
        <translation>INS. RETARDO</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GUN SET</source>
        <translation>AJUSTE DE DISPARO</translation>
    </message>
</context>
<context>
    <name>MacroEventModel</name>
    <message>
        <location filename="../../src/ui/macro/MacroEventModel.cpp" line="+38"/>
        <source>KEY</source>
        <translation>TECLA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ACTION</source>
        <translation>ACCIÓN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DELAY(ms)</source>
        <translation>RETARDO (ms)</translation>
    </message>
</context>
<context>
    <name>MacroListPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroListPanel.cpp" line="+21"/>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Archivo de macro (*.MSMACRO)</translation>
    </message>
    <message>
        <location line="+134"/>
        <location line="+23"/>
        <source>Load Macro File</source>
        <translation>Cargar archivo de macro</translation>
    </message>
    <message>
        <location line="+34"/>
        <location line="+8"/>
        <source>Save Macro File</source>
        <translation>Guardar archivo de macro</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+1"/>
        <source>MACRO LIST</source>
        <translation>LISTA DE MACROS</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>MACRO NAME</source>
        <translation>NOMBRE DE LA MACRO</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>NEW</source>
        <translation>NUEVA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DELETE</source>
        <translation>ELIMINAR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CHANGE NAME</source>
        <translation>RENOMBRAR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IMPORT</source>
        <translation>IMPORTAR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EXPORT</source>
        <translation>EXPORTAR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>BATCH</source>
        <translation>LOTE</translation>
    </message>
</context>
<context>
    <name>MacroRecordPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroRecordPanel.cpp" line="+127"/>
        <source>START</source>
        <translation>INICIAR</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>STOP</source>
        <translation>DETENER</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>GRABAR RETARDOS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSERTAR RETARDO FIJO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>REPETICIONES (1-255)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPETIR MIENTRAS SE PULSA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>REPETIR HASTA OTRA PULSACIÓN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DEFAULT DELAY</source>
        <translation>RETARDO PREDETERMINADO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOOP COUNT</source>
        <translation>NÚMERO DE REPETICIONES</translation>
    </message>
</context>
<context>
    <name>MousePicture</name>
    <message>
        <location filename="../../src/ui/main/MousePicture.cpp" line="+212"/>
        <location line="+1"/>
        <source>Front</source>
        <translation>Frontal</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Side</source>
        <translation>Lateral</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every button of this mouse is set in the front view.</source>
        <translation>Todos los botones de este ratón se configuran en la vista frontal.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Wheel up</source>
        <translation>Rueda arriba</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Wheel down</source>
        <translation>Rueda abajo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Selects this button in the list</source>
        <translation>Selecciona este botón en la lista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button %1</source>
        <translation>Botón %1</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <location filename="../../src/ui/main/MousecfgWidget.cpp" line="+299"/>
        <location filename="../../src/ui/main/MousecfgWidgetWindow.cpp" line="+39"/>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>SE DEBE CONSERVAR AL MENOS UNA FUNCIÓN DE CLIC.</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetDevice.cpp" line="+150"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetReturn.cpp" line="+28"/>
        <source>No access to the mouse</source>
        <translation>Sin acceso al ratón</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetWindow.cpp" line="+1"/>
        <source>Dongle Disconnect!</source>
        <translation>¡Receptor desconectado!</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <location filename="../../src/ui/main/ProfileActions.cpp" line="+54"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>ProfileBar</name>
    <message>
        <location filename="../../src/ui/main/ProfileBar.cpp" line="+126"/>
        <location line="+131"/>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Press Enter To Apply</source>
        <translation>Intro para aplicar</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Stored profiles</source>
        <translation>Perfiles guardados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADD</source>
        <translation>CREAR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COPY</source>
        <translation>COPIA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DELETE</source>
        <translation>BORRAR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESET</source>
        <translation>REST.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset All</source>
        <translation>Rest. todo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Save Profile File</source>
        <translation>Guardar archivo de perfil</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Load Profile File</source>
        <translation>Cargar archivo de perfil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOAD1</source>
        <translation>ABRIR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>APPLICATIONS</source>
        <translation>APLICACIONES</translation>
    </message>
</context>
<context>
    <name>ProfileOperations</name>
    <message>
        <location filename="../../src/ui/main/ProfileOperations.cpp" line="+70"/>
        <location line="+5"/>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+91"/>
        <location line="+18"/>
        <location line="+19"/>
        <location line="+24"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="+146"/>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>No se pudo escribir el archivo «%1».</translation>
    </message>
    <message>
        <location line="-106"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-12"/>
        <source>Profile is Already Used!</source>
        <translation>¡El perfil ya está en uso!</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="+9"/>
        <source>The file &quot;%1&quot; could not be read.</source>
        <translation>No se pudo leer el archivo «%1».</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+113"/>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>El perfil predeterminado no se puede eliminar ni renombrar.</translation>
    </message>
    <message>
        <location line="-108"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-3"/>
        <source>&quot;%1&quot; cannot name a profile file.</source>
        <translation>«%1» no puede ser el nombre de un archivo de perfil.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-3"/>
        <source>Profile Exist!</source>
        <translation>¡El perfil ya existe!</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file &quot;%1&quot; could not be renamed.</source>
        <translation>No se pudo renombrar el archivo «%1».</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>SE DEBE CONSERVAR AL MENOS UN PERFIL.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Are you sure you want delete this profile?</source>
        <translation>¿Seguro que quiere eliminar este perfil?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Every other profile is held by another slot, so this one cannot be deleted.</source>
        <translation>Todos los demás perfiles están ocupados por otra ranura, así que este no se puede eliminar.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file &quot;%1&quot; could not be deleted.</source>
        <translation>No se pudo eliminar el archivo «%1».</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Are you sure you want reset this profile?</source>
        <translation>¿Seguro que quiere restablecer este perfil?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Are you sure you want reset all profiles?</source>
        <translation>¿Seguro que quiere restablecer todos los perfiles?</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-119"/>
        <source>Profile File(*.prof)</source>
        <translation>Archivo de perfil (*.prof)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Config File(*.conf)</source>
        <translation>Archivo de configuración (*.conf)</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Mouse is sleeping or not connected.</source>
        <translation>El ratón está en reposo o no está conectado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send data failed, please try again.</source>
        <translation>Error al enviar los datos; inténtelo de nuevo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The settings were sent, but the mouse did not confirm them.</source>
        <translation>Los ajustes se enviaron, pero el ratón no los confirmó.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>The file is not match current mouse!</source>
        <translation>¡El archivo no corresponde al ratón actual!</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Save Profile File</source>
        <translation>Guardar archivo de perfil</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Load Profile File</source>
        <translation>Cargar archivo de perfil</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save Config File</source>
        <translation>Guardar archivo de configuración</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Load Config File</source>
        <translation>Cargar archivo de configuración</translation>
    </message>
</context>
<context>
    <name>SlotIndicators</name>
    <message>
        <location filename="../../src/ui/main/SlotIndicators.cpp" line="+45"/>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
</context>
<context>
    <name>TabBar</name>
    <message>
        <location filename="../../src/ui/main/TabBar.cpp" line="+42"/>
        <source>LIGHTING</source>
        <translation>LUCES</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CUSTOMIZE</source>
        <translation>BOTONES</translation>
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
        <translation>RUEDA ARRIBA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WHEEL DOWN</source>
        <translation>RUEDA ABAJO</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Button %1</source>
        <translation>Botón %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Left Button Can not be Gun Function.</source>
        <translation>El botón izquierdo no puede tener una función de disparo.</translation>
    </message>
</context>
<context>
    <name>TarnColorArea</name>
    <message>
        <location filename="../../src/ui/pages/TarnColorArea.cpp" line="+33"/>
        <location line="+322"/>
        <source>Red</source>
        <translation>Rojo</translation>
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
        <translation>Azul</translation>
    </message>
    <message>
        <location line="-323"/>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <location line="+309"/>
        <location line="+1"/>
        <source>Color Edit</source>
        <translation>Editar color</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>APPLY</source>
        <translation>APLICAR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Hue</source>
        <translation>Tono</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Saturation and value</source>
        <translation>Saturación y valor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hexadecimal colour</source>
        <translation>Color hexadecimal</translation>
    </message>
</context>
<context>
    <name>TarnColorWindow</name>
    <message>
        <location filename="../../src/core/settings/LightingEffects.cpp" line="+17"/>
        <source>OFF</source>
        <translation>APAGADO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FULL LIGHTED</source>
        <translation>ENCENDIDO FIJO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BREATHING</source>
        <translation>RESPIRACIÓN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7 COLOR BREATHING</source>
        <translation>RESPIRACIÓN 7 COLORES</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RAINBOW</source>
        <translation>ARCOÍRIS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FLASH</source>
        <translation>PARPADEO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal WAVE</source>
        <translation>ONDA horizontal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>SIN RASTRO horizontal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Raindrop</source>
        <translation>Gotas de lluvia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WAVE</source>
        <translation>ONDA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GO WITHOUT TRACE</source>
        <translation>SIN RASTRO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REACTIVE</source>
        <translation>REACTIVO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yo-yo</source>
        <translation>yoyó</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Marbles</source>
        <translation>Canicas</translation>
    </message>
    <message>
        <location filename="../../src/ui/pages/TarnColorWindow.cpp" line="+141"/>
        <location line="+63"/>
        <source>EFFECT</source>
        <translation>EFECTO</translation>
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
        <translation>BRILLO</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+5"/>
        <source>SPEED</source>
        <translation>VELOCIDAD</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+4"/>
        <source>SLEEP TIME</source>
        <translation>TIEMPO DE REPOSO</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>APAGAR AL MOVER</translation>
    </message>
</context>
<context>
    <name>TarnComboKeyWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnComboKeyWindow.cpp" line="+6"/>
        <source>Combo Key</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hold the modifiers and press the key.</source>
        <translation>Mantenga pulsados los modificadores y pulse la tecla.</translation>
    </message>
</context>
<context>
    <name>TarnDPIWindow</name>
    <message>
        <location filename="../../src/ui/pages/TarnDPIWindow.cpp" line="+139"/>
        <source>DPI STAGES</source>
        <translation>NIVELES DE DPI</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>SLEEP TIME</source>
        <translation>TIEMPO DE REPOSO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>APAGAR AL MOVER</translation>
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
        <translation>Ajuste de la tecla de disparo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Left</source>
        <translation>Izq.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right</source>
        <translation>Der.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Middle</source>
        <translation>Central</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keyboard Key</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+8"/>
        <source>Times:</source>
        <translation>Veces:</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+8"/>
        <source>Delay:</source>
        <translation>Retardo:</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Press a key</source>
        <translation>Pulse una tecla</translation>
    </message>
</context>
<context>
    <name>TarnGunsetDialog</name>
    <message>
        <location filename="../../src/ui/macro/TarnGunsetDialog.cpp" line="+38"/>
        <source>Gun Set</source>
        <translation>Ajuste de disparo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GUN SET</source>
        <translation>AJUSTE DE DISPARO</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+2"/>
        <source>GUNFILE NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+51"/>
        <source>BULLETS</source>
        <translation>BALAS</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+13"/>
        <source>DELAY(MS)</source>
        <translation>RETARDO (MS)</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>VERTICAL</source>
        <translation>VERTICAL</translation>
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
        <translation>REPETICIONES (1-255)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPETIR MIENTRAS SE PULSA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>REPETIR HASTA OTRA PULSACIÓN</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>LOOP COUNT</source>
        <translation>NÚMERO DE REPETICIONES</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>SELECT A MACRO</source>
        <translation>ELEGIR UNA MACRO</translation>
    </message>
</context>
<context>
    <name>TarnPointSpeed</name>
    <message>
        <location filename="../../src/ui/pages/TarnPointSpeed.cpp" line="+181"/>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No mouse settings program of the desktop was found.</source>
        <translation>No se encontró ningún programa de configuración del ratón del escritorio.</translation>
    </message>
    <message>
        <location line="+48"/>
        <location line="+1"/>
        <source>Key Response</source>
        <translation>Respuesta de botones</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Scroll Speed</source>
        <translation>Vel. de la rueda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable sync</source>
        <translation>Activar sincronización</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lift Distance</source>
        <translation>Distancia de elevación</translation>
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
        <translation>Corrección de ángulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jitter</source>
        <translation>Jitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motion Wake</source>
        <translation>Despertar al mover</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor Mode</source>
        <translation>Modo del sensor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eco</source>
        <translation>Eco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Competitive</source>
        <translation>Competición</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Mouse Setting</source>
        <translation>Ajustes del ratón</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This desktop&apos;s pointer speed cannot be set from here: use the desktop&apos;s own mouse settings.</source>
        <translation>La velocidad del puntero de este escritorio no se puede ajustar desde aquí: use la configuración del ratón del propio escritorio.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The pointer speed applies while mousecfg runs: the desktop&apos;s own settings are left as they are.</source>
        <translation>La velocidad del puntero se aplica mientras mousecfg está en marcha: la configuración propia del escritorio no se toca.</translation>
    </message>
</context>
<context>
    <name>TarnProcessDialog</name>
    <message>
        <location filename="../../src/ui/main/TarnProcessDialog.cpp" line="+24"/>
        <source>Sending data to the mouse</source>
        <translation>Enviando datos al ratón</translation>
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
        <translation>FRECUENCIA DE SONDEO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lift off Distance</source>
        <translation>Distancia de elevación</translation>
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
        <translation>Vincular X/Y</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable %1</source>
        <translation>Activar %1</translation>
    </message>
</context>
<context>
    <name>TarnSingleKeyWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnSingleKeyWindow.cpp" line="+10"/>
        <source>Single Key</source>
        <translation>Tecla simple</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Press the key for this button.</source>
        <translation>Pulse la tecla para este botón.</translation>
    </message>
</context>
<context>
    <name>TarnSniperWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnSniperWindow.cpp" line="+9"/>
        <source>Sniper Setting</source>
        <translation>Ajuste del modo sniper</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sniper resolution</source>
        <translation>Resolución sniper</translation>
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
        <translation>COMANDO DEL RATÓN</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+9"/>
        <source>DISTANCE</source>
        <translation>DISTANCIA</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../../src/ui/main/TrayIcon.cpp" line="+40"/>
        <source>&amp;Load Config</source>
        <translation>&amp;Cargar configuración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start at login</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The login start entry %1 could not be changed.</source>
        <translation>No se pudo cambiar la entrada de inicio de sesión %1.</translation>
    </message>
</context>
<context>
    <name>UploadRecovery</name>
    <message>
        <location filename="../../src/ui/main/UploadRecovery.cpp" line="+38"/>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The last transfer to the mouse did not finish. Send the settings again?</source>
        <translation>La última transferencia al ratón no terminó. ¿Enviar los ajustes de nuevo?</translation>
    </message>
</context>
</TS>
