<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AccessAdvice</name>
    <message>
        <location filename="../../src/device/link/AccessAdvice.cpp" line="+35"/>
        <source>The mouse is plugged in, but you may not open it (%1: permission denied).</source>
        <translation>O mouse está conectado, mas você não tem permissão para abri-lo (%1: permissão negada).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Install the udev rule %1 from the source folder:</source>
        <translation>Instale a regra udev %1 a partir da pasta do código-fonte:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>then plug the receiver in again.</source>
        <translation>e conecte o receptor novamente.</translation>
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
        <translation>APLICATIVOS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TURN ON</source>
        <translation>ATIVAR</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Switch profiles by application</source>
        <translation>Trocar de perfil conforme o aplicativo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Other programs</source>
        <translation>Outros programas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADD</source>
        <translation>ADICIONAR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a rule for a program</source>
        <translation>Adicionar uma regra para um programa</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Leave the profile as it is</source>
        <translation>Manter o perfil como está</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+104"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="-103"/>
        <source>The rules could not be saved to &quot;%1&quot;.</source>
        <translation>Não foi possível salvar as regras em “%1”.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>No rules yet. ADD a program to give it a profile.</source>
        <translation>Nenhuma regra ainda. Use ADICIONAR para dar um perfil a um programa.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Profile for %1</source>
        <translation>Perfil para %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>REMOVE</source>
        <translation>REMOVER</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove the rule for %1</source>
        <translation>Remover a regra de %1</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Choose a program file…</source>
        <translation>Escolher um arquivo de programa…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose a program</source>
        <translation>Escolher um programa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; cannot be given a rule.</source>
        <translation>Não é possível atribuir uma regra a “%1”.</translation>
    </message>
</context>
<context>
    <name>AppSwitchSupport</name>
    <message>
        <location filename="../../src/ui/main/AppSwitchSupport.cpp" line="+9"/>
        <source>%1: profiles follow the program in front through the GNOME Shell extension “mousecfg window focus”.</source>
        <translation>%1: os perfis acompanham o programa em primeiro plano pela extensão do GNOME Shell “mousecfg window focus”.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Profiles follow the program in front through this compositor&apos;s window list, by application id only.</source>
        <translation>Os perfis acompanham o programa em primeiro plano por meio da lista de janelas deste compositor, somente pelo ID do aplicativo.</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>%1: the GNOME Shell extension “mousecfg window focus” is off, so profiles cannot follow the program in front. Turn it on with the button or this command:</source>
        <translation>%1: a extensão do GNOME Shell “mousecfg window focus” está desativada, então os perfis não podem acompanhar o programa em primeiro plano. Ative-a com o botão ou com este comando:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: the GNOME Shell extension “mousecfg window focus” is not installed, so profiles cannot follow the program in front. It comes with mousecfg&apos;s package.</source>
        <translation>%1: a extensão do GNOME Shell “mousecfg window focus” não está instalada, então os perfis não podem acompanhar o programa em primeiro plano. Ela vem com o pacote do mousecfg.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: GNOME Shell could not run the extension “mousecfg window focus”, so profiles cannot follow the program in front.</source>
        <translation>%1: o GNOME Shell não conseguiu executar a extensão “mousecfg window focus”, então os perfis não podem acompanhar o programa em primeiro plano.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>This desktop does not tell which program is in front, so profiles cannot follow it here.</source>
        <translation>Esta área de trabalho não informa qual programa está em primeiro plano, então os perfis não podem acompanhá-lo aqui.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 does not tell which program is in front, so profiles cannot follow it here.</source>
        <translation>%1 não informa qual programa está em primeiro plano, então os perfis não podem acompanhá-lo aqui.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Profiles follow the program in front on this desktop.</source>
        <translation>Os perfis acompanham o programa em primeiro plano nesta área de trabalho.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: profiles follow the program in front.</source>
        <translation>%1: os perfis acompanham o programa em primeiro plano.</translation>
    </message>
</context>
<context>
    <name>AppSwitching</name>
    <message>
        <location filename="../../src/ui/main/AppSwitching.cpp" line="+50"/>
        <source>The mouse did not switch to profile %1</source>
        <translation>O mouse não trocou para o perfil %1</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Applications…</source>
        <translation>Aplicativos…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch profiles by application</source>
        <translation>Trocar de perfil conforme o aplicativo</translation>
    </message>
</context>
<context>
    <name>BatteryAlerts</name>
    <message>
        <location filename="../../src/ui/main/BatteryAlerts.cpp" line="+25"/>
        <source>Mouse battery almost empty</source>
        <translation>Bateria do mouse quase no fim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2% left. Connect the cable to charge it.</source>
        <translation>%1: %2% restante. Conecte o cabo para carregá-lo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mouse battery low</source>
        <translation>Bateria do mouse fraca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2% left. Charge it soon.</source>
        <translation>%1: %2% restante. Carregue-o em breve.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Not connected</source>
        <translation>Não conectado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Charging</source>
        <translation>Carregando</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery: %1%</source>
        <translation>Bateria: %1%</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>MOUSE OFF</source>
        <translation>MOUSE DESLIGADO</translation>
    </message>
</context>
<context>
    <name>ButtonCatalogue</name>
    <message>
        <location filename="../../src/core/settings/ButtonCatalogue.cpp" line="+14"/>
        <source>Left</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right</source>
        <translation>Clique direito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle</source>
        <translation>Clique do meio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SINGLE KEY</source>
        <translation>TECLA SIMPLES</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COMBO KEY</source>
        <translation>COMBINAÇÃO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FIRE KEY</source>
        <translation>TECLA DE DISPARO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Off</source>
        <translation>Botão desativado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switch Window</source>
        <translation>Alternar janela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Window</source>
        <translation>Fechar janela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>My Computer</source>
        <translation>Meu computador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run</source>
        <translation>Executar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Desktop</source>
        <translation>Mostrar área de trabalho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock PC</source>
        <translation>Bloquear PC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Home</source>
        <translation>Navegador: página inicial</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Backward</source>
        <translation>Navegador: voltar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Forward</source>
        <translation>Navegador: avançar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Stop</source>
        <translation>Navegador: parar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Refresh</source>
        <translation>Navegador: recarregar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Search</source>
        <translation>Navegador: pesquisar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Favorite</source>
        <translation>Navegador: favoritos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boss Key</source>
        <translation>Tecla do chefe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play/Pause</source>
        <translation>Reproduzir/Pausar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous Track</source>
        <translation>Faixa anterior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next Track</source>
        <translation>Próxima faixa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume Up</source>
        <translation>Aumentar volume</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume Down</source>
        <translation>Diminuir volume</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute</source>
        <translation>Mudo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media Player</source>
        <translation>Reprodutor de mídia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI Switch</source>
        <translation>Alternar DPI</translation>
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
        <translation>Alternar taxa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate +</source>
        <translation>Taxa +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate -</source>
        <translation>Taxa -</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scroll Up</source>
        <translation>Rolar para cima</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Down</source>
        <translation>Rolar para baixo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Led Switch</source>
        <translation>Ligar/desligar LED</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile Switch</source>
        <translation>Alternar perfil</translation>
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
        <translation>Gerenciador de macros</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GunFile Manager</source>
        <translation>Gerenciador de GunFiles</translation>
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
        <translation>Avançado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media</source>
        <translation>Mídia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polling Rate</source>
        <translation>Taxa de sondagem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile Menu</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <location filename="../../src/ui/buttons/AssignmentDialogs.cpp" line="+70"/>
        <source>GUNFILE SELECT</source>
        <translation>ESCOLHER GUNFILE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MACRO SELECT</source>
        <translation>ESCOLHER MACRO</translation>
    </message>
</context>
<context>
    <name>ConfirmButtons</name>
    <message>
        <location filename="../../src/ui/widgets/ConfirmButtons.cpp" line="+56"/>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>ConnectionDisplay</name>
    <message>
        <location filename="../../src/ui/main/ConnectionDisplay.cpp" line="+49"/>
        <location line="+46"/>
        <source>MOUSE OFF</source>
        <translation>DESLIGADO</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Connected through the receiver</source>
        <translation>Conectado pelo receptor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connected by cable</source>
        <translation>Conectado por cabo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not connected</source>
        <translation>Não conectado</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Connection and battery</source>
        <translation>Conexão e bateria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery level</source>
        <translation>Nível da bateria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Receiver</source>
        <translation>Receptor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Charging</source>
        <translation>Carregando</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <location filename="../../src/ui/main/FirmwareUpdate.cpp" line="+35"/>
        <location line="+4"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Para atualizar o firmware, conecte o mouse ao computador com um cabo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Deseja atualizar o firmware?</translation>
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
        <translation>Atualizar firmware</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>não foi possível ler “%1”: arquivo inexistente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: a folder</source>
        <translation>não foi possível ler “%1”: é uma pasta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: not a plain file</source>
        <translation>não foi possível ler “%1”: não é um arquivo comum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: permission denied</source>
        <translation>não foi possível ler “%1”: permissão negada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is too large (%2 bytes) to be a file of this program</source>
        <translation>“%1” é grande demais (%2 bytes) para ser um arquivo deste programa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a profile or configuration file</source>
        <translation>“%1” não é um arquivo de perfil nem de configuração</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&apos;%1&apos; is a profile file, not a configuration file</source>
        <translation>“%1” é um arquivo de perfil, não um arquivo de configuração</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is a configuration file, not a profile file</source>
        <translation>“%1” é um arquivo de configuração, não um arquivo de perfil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is incomplete: the key &apos;%2&apos; is missing</source>
        <translation>“%1” está incompleto: falta a chave “%2”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is incomplete: %2 keys are missing, the first is &apos;%3&apos;</source>
        <translation>“%1” está incompleto: faltam %2 chaves, a primeira é “%3”</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&apos;%1&apos; is damaged: &apos;%2&apos; does not hold a colour</source>
        <translation>“%1” está danificado: “%2” não contém uma cor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is damaged: &apos;%2&apos; does not hold a number</source>
        <translation>“%1” está danificado: “%2” não contém um número</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&apos;%1&apos; gives profiles %2 and %3 the same name &apos;%4&apos;: each needs a name of its own</source>
        <translation>“%1” dá aos perfis %2 e %3 o mesmo nome “%4”: cada um precisa de um nome próprio</translation>
    </message>
</context>
<context>
    <name>KeyDialogFrame</name>
    <message>
        <location filename="../../src/ui/buttons/KeyDialogFrame.cpp" line="+75"/>
        <source>Keys are read only while this window has the focus.</source>
        <translation>As teclas só são lidas enquanto esta janela estiver em foco.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>SEM UM ATRASO, O MOUSE MANTÉM SÓ OS PRIMEIROS %1 DESTES %2 EVENTOS. INSIRA UM ATRASO PARA ENVIAR TODOS.</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+1"/>
        <source>MOUSE ACTION</source>
        <translation>AÇÃO DO MOUSE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MACRO EVENTS</source>
        <translation>EVENTOS DA MACRO</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/MacroEventText.cpp" line="+13"/>
        <source>LEFT CLICK</source>
        <translation>CLIQUE ESQUERDO</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MIDDLE CLICK</source>
        <translation>CLIQUE DO MEIO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RIGHT CLICK</source>
        <translation>CLIQUE DIREITO</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>FORWARD</source>
        <translation>AVANÇAR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACKWARD</source>
        <translation>VOLTAR</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>MOVE LEFT</source>
        <translation>PARA A ESQUERDA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE RIGHT</source>
        <translation>PARA A DIREITA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE UP</source>
        <translation>PARA CIMA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE DOWN</source>
        <translation>PARA BAIXO</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Press</source>
        <translation>Pressionar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/MacroNotices.cpp" line="+26"/>
        <source>WARNING</source>
        <translation>AVISO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>MACROS DEMAIS PARA CRIAR OUTRA!</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <location line="+7"/>
        <location line="+8"/>
        <location line="+6"/>
        <location line="+6"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Macro Exist!</source>
        <translation>A macro já existe!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>THIS NAME CANNOT NAME A FILE: USE NO &quot;/&quot;, &quot;\&quot; OR &quot;..&quot;.</source>
        <translation>ESTE NOME NÃO PODE SER NOME DE ARQUIVO: NÃO USE &quot;/&quot;, &quot;\&quot; NEM &quot;..&quot;.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A MACRO HOLDS AT MOST %1 EVENTS.</source>
        <translation>UMA MACRO TEM NO MÁXIMO %1 EVENTOS.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>THE MACRO FILE COULD NOT BE COPIED.</source>
        <translation>NÃO FOI POSSÍVEL COPIAR O ARQUIVO DA MACRO.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>UMA OU MAIS TECLAS NÃO FORAM SOLTAS.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please input file name.</source>
        <translation>Digite um nome de arquivo.</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/TarnTreeItem.cpp" line="+28"/>
        <source>PRESS DOWN</source>
        <translation>PRESSIONAR</translation>
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
        <translation>MOVIMENTO</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+4"/>
        <source>DELAY</source>
        <translation>ATRASO</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>DISTANCE</source>
        <translation>DISTÂNCIA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAVE</source>
        <translation>SALVAR</translation>
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
        <translation>GRAVAR APÓS</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DELETE</source>
        <translation>EXCLUIR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MOVE UP</source>
        <translation>SUBIR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MOVE DOWN</source>
        <translation>DESCER</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TOP</source>
        <translation>NO INÍCIO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BOTTOM</source>
        <translation>NO FIM</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CLEAR</source>
        <translation>LIMPAR</translation>
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
        <translation>RECORTAR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PASTE</source>
        <translation>COLAR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INSERT DELAY</source>
        <translation>INS. ATRASO</translation>
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
        <translation>AÇÃO</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DELAY(ms)</source>
        <translation>ATRASO (ms)</translation>
    </message>
</context>
<context>
    <name>MacroListPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroListPanel.cpp" line="+21"/>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Arquivo de macro (*.MSMACRO)</translation>
    </message>
    <message>
        <location line="+134"/>
        <location line="+23"/>
        <source>Load Macro File</source>
        <translation>Carregar arquivo de macro</translation>
    </message>
    <message>
        <location line="+34"/>
        <location line="+8"/>
        <source>Save Macro File</source>
        <translation>Salvar arquivo de macro</translation>
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
        <translation>NOME DA MACRO</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>NEW</source>
        <translation>NOVA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DELETE</source>
        <translation>EXCLUIR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CHANGE NAME</source>
        <translation>RENOMEAR</translation>
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
        <translation>PARAR</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>GRAVAR ATRASOS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSERIR ATRASO FIXO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>REPETIÇÕES (1-255)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPETIR ENQUANTO PRESSIONADA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>REPETIR ATÉ PRESSIONAR DE NOVO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DEFAULT DELAY</source>
        <translation>ATRASO PADRÃO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOOP COUNT</source>
        <translation>NÚMERO DE REPETIÇÕES</translation>
    </message>
</context>
<context>
    <name>MousePicture</name>
    <message>
        <location filename="../../src/ui/main/MousePicture.cpp" line="+212"/>
        <location line="+1"/>
        <source>Front</source>
        <translation>Frente</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Side</source>
        <translation>Lado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every button of this mouse is set in the front view.</source>
        <translation>Todos os botões deste mouse são configurados na vista Frente.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Wheel up</source>
        <translation>Roda para cima</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Wheel down</source>
        <translation>Roda para baixo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Selects this button in the list</source>
        <translation>Seleciona este botão na lista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button %1</source>
        <translation>Botão %1</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <location filename="../../src/ui/main/MousecfgWidget.cpp" line="+299"/>
        <location filename="../../src/ui/main/MousecfgWidgetWindow.cpp" line="+39"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>É PRECISO MANTER PELO MENOS UMA FUNÇÃO DE CLIQUE.</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetDevice.cpp" line="+150"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetReturn.cpp" line="+28"/>
        <source>No access to the mouse</source>
        <translation>Sem acesso ao mouse</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetWindow.cpp" line="+1"/>
        <source>Dongle Disconnect!</source>
        <translation>Receptor desconectado!</translation>
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
        <translation>NOME</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Press Enter To Apply</source>
        <translation>Enter para aplicar</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Stored profiles</source>
        <translation>Perfis salvos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADD</source>
        <translation>NOVO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COPY</source>
        <translation>COPIAR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DELETE</source>
        <translation>EXCLUIR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESET</source>
        <translation>REDEF.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset All</source>
        <translation>Redef. tudo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Save Profile File</source>
        <translation>Salvar arquivo de perfil</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Load Profile File</source>
        <translation>Carregar arquivo de perfil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOAD1</source>
        <translation>ABRIR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAVE</source>
        <translation>SALVAR</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>APPLICATIONS</source>
        <translation>APLICATIVOS</translation>
    </message>
</context>
<context>
    <name>ProfileOperations</name>
    <message>
        <location filename="../../src/ui/main/ProfileOperations.cpp" line="+70"/>
        <location line="+5"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+91"/>
        <location line="+18"/>
        <location line="+19"/>
        <location line="+24"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="+146"/>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Não foi possível gravar o arquivo “%1”.</translation>
    </message>
    <message>
        <location line="-106"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-12"/>
        <source>Profile is Already Used!</source>
        <translation>O perfil já está em uso!</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="+9"/>
        <source>The file &quot;%1&quot; could not be read.</source>
        <translation>Não foi possível ler o arquivo “%1”.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+113"/>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>O perfil padrão não pode ser excluído nem renomeado.</translation>
    </message>
    <message>
        <location line="-108"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-3"/>
        <source>&quot;%1&quot; cannot name a profile file.</source>
        <translation>“%1” não pode ser nome de arquivo de perfil.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-3"/>
        <source>Profile Exist!</source>
        <translation>O perfil já existe!</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file &quot;%1&quot; could not be renamed.</source>
        <translation>Não foi possível renomear o arquivo “%1”.</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>É PRECISO MANTER PELO MENOS UM PERFIL.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Are you sure you want delete this profile?</source>
        <translation>Tem certeza de que deseja excluir este perfil?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Every other profile is held by another slot, so this one cannot be deleted.</source>
        <translation>Todos os outros perfis estão ocupados por outro slot, então este não pode ser excluído.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file &quot;%1&quot; could not be deleted.</source>
        <translation>Não foi possível excluir o arquivo “%1”.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Are you sure you want reset this profile?</source>
        <translation>Tem certeza de que deseja redefinir este perfil?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Tem certeza de que deseja redefinir todos os perfis?</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-119"/>
        <source>Profile File(*.prof)</source>
        <translation>Arquivo de perfil (*.prof)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Config File(*.conf)</source>
        <translation>Arquivo de configuração (*.conf)</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Mouse is sleeping or not connected.</source>
        <translation>O mouse está em repouso ou não está conectado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send data failed, please try again.</source>
        <translation>Falha ao enviar os dados, tente novamente.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The settings were sent, but the mouse did not confirm them.</source>
        <translation>As configurações foram enviadas, mas o mouse não as confirmou.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>The file is not match current mouse!</source>
        <translation>O arquivo não corresponde ao mouse atual!</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Save Profile File</source>
        <translation>Salvar arquivo de perfil</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Load Profile File</source>
        <translation>Carregar arquivo de perfil</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save Config File</source>
        <translation>Salvar arquivo de configuração</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Load Config File</source>
        <translation>Carregar arquivo de configuração</translation>
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
        <translation>LUZES</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CUSTOMIZE</source>
        <translation>BOTÕES</translation>
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
        <translation>RODA PARA CIMA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WHEEL DOWN</source>
        <translation>RODA PARA BAIXO</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Button %1</source>
        <translation>Botão %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Left Button Can not be Gun Function.</source>
        <translation>O botão esquerdo não pode ter uma função de disparo.</translation>
    </message>
</context>
<context>
    <name>TarnColorArea</name>
    <message>
        <location filename="../../src/ui/pages/TarnColorArea.cpp" line="+33"/>
        <location line="+322"/>
        <source>Red</source>
        <translation>Vermelho</translation>
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
        <translation>Ciano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <location line="+309"/>
        <location line="+1"/>
        <source>Color Edit</source>
        <translation>Editar cor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COLOR</source>
        <translation>COR</translation>
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
        <translation>Matiz</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Saturation and value</source>
        <translation>Saturação e valor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hexadecimal colour</source>
        <translation>Cor hexadecimal</translation>
    </message>
</context>
<context>
    <name>TarnColorWindow</name>
    <message>
        <location filename="../../src/core/settings/LightingEffects.cpp" line="+17"/>
        <source>OFF</source>
        <translation>DESLIGADO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FULL LIGHTED</source>
        <translation>SEMPRE ACESO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BREATHING</source>
        <translation>RESPIRAÇÃO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7 COLOR BREATHING</source>
        <translation>RESPIRAÇÃO 7 CORES</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RAINBOW</source>
        <translation>ARCO-ÍRIS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FLASH</source>
        <translation>PISCAR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal WAVE</source>
        <translation>ONDA horizontal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>SEM RASTRO horizontal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Raindrop</source>
        <translation>Gotas de chuva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WAVE</source>
        <translation>ONDA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GO WITHOUT TRACE</source>
        <translation>SEM RASTRO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REACTIVE</source>
        <translation>REATIVO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yo-yo</source>
        <translation>ioiô</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Marbles</source>
        <translation>Bolinhas de gude</translation>
    </message>
    <message>
        <location filename="../../src/ui/pages/TarnColorWindow.cpp" line="+141"/>
        <location line="+63"/>
        <source>EFFECT</source>
        <translation>EFEITO</translation>
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
        <translation>BRILHO</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+5"/>
        <source>SPEED</source>
        <translation>VELOCIDADE</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>COLOR</source>
        <translation>COR</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+4"/>
        <source>SLEEP TIME</source>
        <translation>TEMPO DE REPOUSO</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>APAGAR AO MOVER</translation>
    </message>
</context>
<context>
    <name>TarnComboKeyWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnComboKeyWindow.cpp" line="+6"/>
        <source>Combo Key</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hold the modifiers and press the key.</source>
        <translation>Segure os modificadores e pressione a tecla.</translation>
    </message>
</context>
<context>
    <name>TarnDPIWindow</name>
    <message>
        <location filename="../../src/ui/pages/TarnDPIWindow.cpp" line="+139"/>
        <source>DPI STAGES</source>
        <translation>NÍVEIS DE DPI</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>SLEEP TIME</source>
        <translation>TEMPO DE REPOUSO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>APAGAR AO MOVER</translation>
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
        <translation>Configuração da tecla de disparo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Left</source>
        <translation>Esq.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right</source>
        <translation>Dir.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Middle</source>
        <translation>Meio</translation>
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
        <translation>Vezes:</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+8"/>
        <source>Delay:</source>
        <translation>Atraso:</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Press a key</source>
        <translation>Pressione uma tecla</translation>
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
        <translation>NOME</translation>
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
        <translation>ATRASO (MS)</translation>
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
        <translation>REPETIÇÕES (1-255)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPETIR ENQUANTO PRESSIONADA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>REPETIR ATÉ PRESSIONAR DE NOVO</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>LOOP COUNT</source>
        <translation>NÚMERO DE REPETIÇÕES</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>SELECT A MACRO</source>
        <translation>ESCOLHA UMA MACRO</translation>
    </message>
</context>
<context>
    <name>TarnPointSpeed</name>
    <message>
        <location filename="../../src/ui/pages/TarnPointSpeed.cpp" line="+181"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No mouse settings program of the desktop was found.</source>
        <translation>Nenhum programa de configurações de mouse da área de trabalho foi encontrado.</translation>
    </message>
    <message>
        <location line="+48"/>
        <location line="+1"/>
        <source>Key Response</source>
        <translation>Resposta dos botões</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Scroll Speed</source>
        <translation>Vel. de rolagem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable sync</source>
        <translation>Ativar sincronização</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lift Distance</source>
        <translation>Distância de elevação</translation>
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
        <translation>Correção de ângulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jitter</source>
        <translation>Jitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motion Wake</source>
        <translation>Despertar ao mover</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor Mode</source>
        <translation>Modo do sensor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eco</source>
        <translation>Eco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Competitive</source>
        <translation>Competitivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Mouse Setting</source>
        <translation>Ajustes do mouse</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This desktop&apos;s pointer speed cannot be set from here: use the desktop&apos;s own mouse settings.</source>
        <translation>A velocidade do ponteiro desta área de trabalho não pode ser ajustada aqui: use as configurações de mouse da própria área de trabalho.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The pointer speed applies while mousecfg runs: the desktop&apos;s own settings are left as they are.</source>
        <translation>A velocidade do ponteiro vale enquanto o mousecfg estiver em execução: as configurações da própria área de trabalho ficam como estão.</translation>
    </message>
</context>
<context>
    <name>TarnProcessDialog</name>
    <message>
        <location filename="../../src/ui/main/TarnProcessDialog.cpp" line="+24"/>
        <source>Sending data to the mouse</source>
        <translation>Enviando dados ao mouse</translation>
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
        <translation>TAXA DE SONDAGEM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lift off Distance</source>
        <translation>Distância de elevação</translation>
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
        <translation>Ativar %1</translation>
    </message>
</context>
<context>
    <name>TarnSingleKeyWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnSingleKeyWindow.cpp" line="+10"/>
        <source>Single Key</source>
        <translation>Tecla simples</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Press the key for this button.</source>
        <translation>Pressione a tecla para este botão.</translation>
    </message>
</context>
<context>
    <name>TarnSniperWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnSniperWindow.cpp" line="+9"/>
        <source>Sniper Setting</source>
        <translation>Configuração do sniper</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sniper resolution</source>
        <translation>Resolução do sniper</translation>
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
        <translation>COMANDO DO MOUSE</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+9"/>
        <source>DISTANCE</source>
        <translation>DISTÂNCIA</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../../src/ui/main/TrayIcon.cpp" line="+40"/>
        <source>&amp;Load Config</source>
        <translation>&amp;Carregar configuração</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start at login</source>
        <translation>Iniciar com a sessão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The login start entry %1 could not be changed.</source>
        <translation>Não foi possível alterar a entrada de início com a sessão %1.</translation>
    </message>
</context>
<context>
    <name>UploadRecovery</name>
    <message>
        <location filename="../../src/ui/main/UploadRecovery.cpp" line="+38"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The last transfer to the mouse did not finish. Send the settings again?</source>
        <translation>A última transferência para o mouse não foi concluída. Enviar as configurações novamente?</translation>
    </message>
</context>
</TS>
