<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AccessAdvice</name>
    <message>
        <location filename="../../src/device/link/AccessAdvice.cpp" line="+35"/>
        <source>The mouse is plugged in, but you may not open it (%1: permission denied).</source>
        <translation>La souris est branchée, mais vous n&apos;avez pas le droit de l&apos;ouvrir (%1 : permission refusée).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Install the udev rule %1 from the source folder:</source>
        <translation>Installez la règle udev %1 depuis le dossier des sources :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>then plug the receiver in again.</source>
        <translation>puis rebranchez le récepteur.</translation>
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
        <translation>APPLICATIONS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TURN ON</source>
        <translation>ACTIVER</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Switch profiles by application</source>
        <translation>Changer de profil selon l&apos;application</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Other programs</source>
        <translation>Autres programmes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADD</source>
        <translation>AJOUTER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a rule for a program</source>
        <translation>Ajouter une règle pour un programme</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Leave the profile as it is</source>
        <translation>Laisser le profil tel quel</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+104"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="-103"/>
        <source>The rules could not be saved to &quot;%1&quot;.</source>
        <translation>Les règles n&apos;ont pas pu être enregistrées dans « %1 ».</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>No rules yet. ADD a program to give it a profile.</source>
        <translation>Aucune règle pour l&apos;instant. AJOUTER un programme pour lui donner un profil.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Profile for %1</source>
        <translation>Profil pour %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>REMOVE</source>
        <translation>RETIRER</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove the rule for %1</source>
        <translation>Retirer la règle de %1</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Choose a program file…</source>
        <translation>Choisir un fichier de programme…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose a program</source>
        <translation>Choisir un programme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; cannot be given a rule.</source>
        <translation>« %1 » ne peut pas recevoir de règle.</translation>
    </message>
</context>
<context>
    <name>AppSwitchSupport</name>
    <message>
        <location filename="../../src/ui/main/AppSwitchSupport.cpp" line="+9"/>
        <source>%1: profiles follow the program in front through the GNOME Shell extension “mousecfg window focus”.</source>
        <translation>%1 : les profils suivent le programme au premier plan grâce à l’extension GNOME Shell « mousecfg window focus ».</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Profiles follow the program in front through this compositor&apos;s window list, by application id only.</source>
        <translation>Les profils suivent le programme au premier plan grâce à la liste des fenêtres de ce compositeur, par identifiant d&apos;application seulement.</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>%1: the GNOME Shell extension “mousecfg window focus” is off, so profiles cannot follow the program in front. Turn it on with the button or this command:</source>
        <translation>%1 : l’extension GNOME Shell « mousecfg window focus » est désactivée : les profils ne peuvent pas suivre le programme au premier plan. Activez-la avec le bouton ou cette commande :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: the GNOME Shell extension “mousecfg window focus” is not installed, so profiles cannot follow the program in front. It comes with mousecfg&apos;s package.</source>
        <translation>%1 : l’extension GNOME Shell « mousecfg window focus » n’est pas installée : les profils ne peuvent pas suivre le programme au premier plan. Elle est fournie avec le paquet de mousecfg.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: GNOME Shell could not run the extension “mousecfg window focus”, so profiles cannot follow the program in front.</source>
        <translation>%1 : GNOME Shell n’a pas pu exécuter l’extension « mousecfg window focus » : les profils ne peuvent pas suivre le programme au premier plan.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>This desktop does not tell which program is in front, so profiles cannot follow it here.</source>
        <translation>Ce bureau n&apos;indique pas quel programme est au premier plan : les profils ne peuvent pas le suivre ici.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 does not tell which program is in front, so profiles cannot follow it here.</source>
        <translation>%1 n’indique pas quel programme est au premier plan : les profils ne peuvent pas le suivre ici.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Profiles follow the program in front on this desktop.</source>
        <translation>Les profils suivent le programme au premier plan sur ce bureau.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: profiles follow the program in front.</source>
        <translation>%1 : les profils suivent le programme au premier plan.</translation>
    </message>
</context>
<context>
    <name>AppSwitching</name>
    <message>
        <location filename="../../src/ui/main/AppSwitching.cpp" line="+50"/>
        <source>The mouse did not switch to profile %1</source>
        <translation>La souris n&apos;est pas passée au profil %1</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Applications…</source>
        <translation>Applications…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch profiles by application</source>
        <translation>Changer de profil selon l&apos;application</translation>
    </message>
</context>
<context>
    <name>BatteryAlerts</name>
    <message>
        <location filename="../../src/ui/main/BatteryAlerts.cpp" line="+25"/>
        <source>Mouse battery almost empty</source>
        <translation>Batterie de la souris presque vide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2% left. Connect the cable to charge it.</source>
        <translation>%1 : %2 % restants. Branchez le câble pour la recharger.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mouse battery low</source>
        <translation>Batterie de la souris faible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2% left. Charge it soon.</source>
        <translation>%1 : %2 % restants. Rechargez-la bientôt.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Not connected</source>
        <translation>Non connectée</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Charging</source>
        <translation>En charge</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery: %1%</source>
        <translation>Batterie : %1 %</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>MOUSE OFF</source>
        <translation>SOURIS ÉTEINTE</translation>
    </message>
</context>
<context>
    <name>ButtonCatalogue</name>
    <message>
        <location filename="../../src/ui/buttons/AssignmentDialogs.cpp" line="+70"/>
        <source>GUNFILE SELECT</source>
        <translation>CHOIX DU GUNFILE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MACRO SELECT</source>
        <translation>CHOIX DE LA MACRO</translation>
    </message>
    <message>
        <location filename="../../src/core/settings/ButtonCatalogue.cpp" line="+14"/>
        <source>Left</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle</source>
        <translation>Clic milieu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SINGLE KEY</source>
        <translation>TOUCHE SIMPLE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COMBO KEY</source>
        <translation>COMBINAISON</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FIRE KEY</source>
        <translation>TOUCHE DE TIR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Off</source>
        <translation>Bouton désactivé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switch Window</source>
        <translation>Changer de fenêtre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>My Computer</source>
        <translation>Poste de travail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock PC</source>
        <translation>Verrouiller le PC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Home</source>
        <translation>Navigateur : accueil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Backward</source>
        <translation>Navigateur : précédent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Forward</source>
        <translation>Navigateur : suivant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Stop</source>
        <translation>Navigateur : arrêter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Refresh</source>
        <translation>Navigateur : actualiser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Search</source>
        <translation>Navigateur : rechercher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Favorite</source>
        <translation>Navigateur : favoris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mail</source>
        <translation>Messagerie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boss Key</source>
        <translation>Touche boss</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous Track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next Track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume Up</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume Down</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media Player</source>
        <translation>Lecteur multimédia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI Switch</source>
        <translation>Changer de DPI</translation>
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
        <translation>Changer de taux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate +</source>
        <translation>Taux +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate -</source>
        <translation>Taux -</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scroll Up</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Led Switch</source>
        <translation>LED marche/arrêt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile Switch</source>
        <translation>Changer de profil</translation>
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
        <translation>Gestionnaire de macros</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GunFile Manager</source>
        <translation>Gestionnaire de GunFile</translation>
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
        <translation>Avancé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polling Rate</source>
        <translation>Taux de rapport</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile Menu</source>
        <translation>Profils</translation>
    </message>
</context>
<context>
    <name>ConfirmButtons</name>
    <message>
        <location filename="../../src/ui/widgets/ConfirmButtons.cpp" line="+56"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>ConnectionDisplay</name>
    <message>
        <location filename="../../src/ui/main/ConnectionDisplay.cpp" line="+49"/>
        <location line="+46"/>
        <source>MOUSE OFF</source>
        <translation>SOURIS ÉTEINTE</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Connected through the receiver</source>
        <translation>Connectée par le récepteur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connected by cable</source>
        <translation>Connectée par câble</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not connected</source>
        <translation>Non connectée</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Connection and battery</source>
        <translation>Connexion et batterie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery level</source>
        <translation>Niveau de batterie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Receiver</source>
        <translation>Récepteur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Charging</source>
        <translation>En charge</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <location filename="../../src/ui/main/FirmwareUpdate.cpp" line="+35"/>
        <location line="+4"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Pour mettre à jour le micrologiciel, reliez la souris à l&apos;ordinateur avec le câble.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Voulez-vous mettre à jour le micrologiciel ?</translation>
    </message>
</context>
<context>
    <name>HeaderBar</name>
    <message>
        <location filename="../../src/ui/main/HeaderBar.cpp" line="+74"/>
        <location line="+8"/>
        <source>Model: %1</source>
        <translation>Modèle : %1</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+1"/>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Firmware Update</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>impossible de lire « %1 » : fichier introuvable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: a folder</source>
        <translation>impossible de lire « %1 » : c&apos;est un dossier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: not a plain file</source>
        <translation>impossible de lire « %1 » : ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: permission denied</source>
        <translation>impossible de lire « %1 » : permission refusée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is too large (%2 bytes) to be a file of this program</source>
        <translation>« %1 » est trop grand (%2 octets) pour être un fichier de ce programme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a profile or configuration file</source>
        <translation>« %1 » n&apos;est pas un fichier de profil ou de configuration</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&apos;%1&apos; is a profile file, not a configuration file</source>
        <translation>« %1 » est un fichier de profil, pas un fichier de configuration</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is a configuration file, not a profile file</source>
        <translation>« %1 » est un fichier de configuration, pas un fichier de profil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is incomplete: the key &apos;%2&apos; is missing</source>
        <translation>« %1 » est incomplet : la clé « %2 » manque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is incomplete: %2 keys are missing, the first is &apos;%3&apos;</source>
        <translation>« %1 » est incomplet : %2 clés manquent, la première est « %3 »</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&apos;%1&apos; is damaged: &apos;%2&apos; does not hold a colour</source>
        <translation>« %1 » est endommagé : « %2 » ne contient pas de couleur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is damaged: &apos;%2&apos; does not hold a number</source>
        <translation>« %1 » est endommagé : « %2 » ne contient pas de nombre</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&apos;%1&apos; gives profiles %2 and %3 the same name &apos;%4&apos;: each needs a name of its own</source>
        <translation>« %1 » donne aux profils %2 et %3 le même nom « %4 » : chacun doit avoir son propre nom</translation>
    </message>
</context>
<context>
    <name>KeyDialogFrame</name>
    <message>
        <location filename="../../src/ui/buttons/KeyDialogFrame.cpp" line="+75"/>
        <source>Keys are read only while this window has the focus.</source>
        <translation>Les touches ne sont lues que lorsque cette fenêtre a le focus.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+180"/>
        <location line="+35"/>
        <source>Captured key</source>
        <translation>Touche saisie</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>Captured key: %1</source>
        <translation>Touche saisie : %1</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>Taken: %1</source>
        <translation>Saisie : %1</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>Capture again</source>
        <translation>Saisir à nouveau</translation>
    </message>
</context>
<context>
    <name>LanguageButton</name>
    <message>
        <location filename="../../src/ui/main/LanguageButton.cpp" line="+81"/>
        <source>Language: %1</source>
        <translation>Langue : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <location filename="../../src/ui/macro/MacroDialog.cpp" line="+325"/>
        <location line="+1"/>
        <source>MOUSE ACTION</source>
        <translation>ACTION DE LA SOURIS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MACRO EVENTS</source>
        <translation>ÉVÉNEMENTS DE LA MACRO</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/MacroEventText.cpp" line="+13"/>
        <source>LEFT CLICK</source>
        <translation>CLIC GAUCHE</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MIDDLE CLICK</source>
        <translation>CLIC MILIEU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RIGHT CLICK</source>
        <translation>CLIC DROIT</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>FORWARD</source>
        <translation>SUIVANT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACKWARD</source>
        <translation>PRÉCÉDENT</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>MOVE LEFT</source>
        <translation>VERS LA GAUCHE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE RIGHT</source>
        <translation>VERS LA DROITE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE UP</source>
        <translation>VERS LE HAUT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE DOWN</source>
        <translation>VERS LE BAS</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Press</source>
        <translation>Appui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release</source>
        <translation>Relâchement</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/MacroNotices.cpp" line="+26"/>
        <source>WARNING</source>
        <translation>AVERTISSEMENT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TROP DE MACROS : IMPOSSIBLE D&apos;EN CRÉER UNE AUTRE !</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <location line="+7"/>
        <location line="+8"/>
        <location line="+6"/>
        <location line="+6"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Macro Exist!</source>
        <translation>Cette macro existe déjà !</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>THIS NAME CANNOT NAME A FILE: USE NO &quot;/&quot;, &quot;\&quot; OR &quot;..&quot;.</source>
        <translation>CE NOM NE PEUT PAS NOMMER UN FICHIER : N&apos;UTILISEZ NI &quot;/&quot;, NI &quot;\&quot;, NI &quot;..&quot;.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A MACRO HOLDS AT MOST %1 EVENTS.</source>
        <translation>UNE MACRO CONTIENT AU PLUS %1 ÉVÉNEMENTS.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>THE MACRO FILE COULD NOT BE COPIED.</source>
        <translation>LE FICHIER DE LA MACRO N&apos;A PAS PU ÊTRE COPIÉ.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>UNE OU PLUSIEURS TOUCHES N&apos;ONT PAS ÉTÉ RELÂCHÉES.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please input file name.</source>
        <translation>Veuillez saisir un nom de fichier.</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/TarnTreeItem.cpp" line="+28"/>
        <source>PRESS DOWN</source>
        <translation>APPUI</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BOUNCE UP</source>
        <translation>RELÂCHEMENT</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/MacroDialog.cpp" line="-24"/>
        <source>WITHOUT A DELAY THE MOUSE KEEPS ONLY THE FIRST %1 OF THESE %2 EVENTS. INSERT A DELAY TO SEND THEM ALL.</source>
        <translation>SANS DÉLAI, LA SOURIS NE GARDE QUE LES %1 PREMIERS DE CES %2 ÉVÉNEMENTS. INSÉREZ UN DÉLAI POUR LES ENVOYER TOUS.</translation>
    </message>
</context>
<context>
    <name>MacroEditPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroEditPanel.cpp" line="+148"/>
        <location line="+6"/>
        <location line="+4"/>
        <source>KEY</source>
        <translation>TOUCHE</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+7"/>
        <source>MOVEMENT</source>
        <translation>MOUVEMENT</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+4"/>
        <source>DELAY</source>
        <translation>DÉLAI</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
</context>
<context>
    <name>MacroEventButtons</name>
    <message>
        <location filename="../../src/ui/macro/MacroEventButtons.cpp" line="+20"/>
        <source>RECORD AFTER</source>
        <translation>ENREG. APRÈS</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DELETE</source>
        <translation>SUPPRIMER</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MOVE UP</source>
        <translation>MONTER</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MOVE DOWN</source>
        <translation>DESCENDRE</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TOP</source>
        <translation>EN HAUT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BOTTOM</source>
        <translation>EN BAS</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CLEAR</source>
        <translation>EFFACER</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EDIT</source>
        <translation>MODIFIER</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>COPY</source>
        <translation>COPIER</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CUT</source>
        <translation>COUPER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PASTE</source>
        <translation>COLLER</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INSERT DELAY</source>
        <translation>INSÉRER DÉLAI</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GUN SET</source>
        <translation>RÉGLAGE DE TIR</translation>
    </message>
</context>
<context>
    <name>MacroEventModel</name>
    <message>
        <location filename="../../src/ui/macro/MacroEventModel.cpp" line="+38"/>
        <source>KEY</source>
        <translation>TOUCHE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DELAY(ms)</source>
        <translation>DÉLAI (ms)</translation>
    </message>
</context>
<context>
    <name>MacroListPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroListPanel.cpp" line="+21"/>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Fichier de macro (*.MSMACRO)</translation>
    </message>
    <message>
        <location line="+134"/>
        <location line="+23"/>
        <source>Load Macro File</source>
        <translation>Charger un fichier de macro</translation>
    </message>
    <message>
        <location line="+34"/>
        <location line="+8"/>
        <source>Save Macro File</source>
        <translation>Enregistrer le fichier de macro</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+1"/>
        <source>MACRO LIST</source>
        <translation>LISTE DES MACROS</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>MACRO NAME</source>
        <translation>NOM DE LA MACRO</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>NEW</source>
        <translation>NOUVELLE</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DELETE</source>
        <translation>SUPPRIMER</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CHANGE NAME</source>
        <translation>RENOMMER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IMPORT</source>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EXPORT</source>
        <translation>EXPORTER</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>BATCH</source>
        <translation>LOT</translation>
    </message>
</context>
<context>
    <name>MacroRecordPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroRecordPanel.cpp" line="+127"/>
        <source>START</source>
        <translation>DÉMARRER</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>STOP</source>
        <translation>ARRÊTER</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>ENREGISTRER LES DÉLAIS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSÉRER UN DÉLAI FIXE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>RÉPÉTITIONS (1-255)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>RÉPÉTER TANT QUE MAINTENUE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>RÉPÉTER JUSQU&apos;À UN NOUVEL APPUI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DEFAULT DELAY</source>
        <translation>DÉLAI PAR DÉFAUT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOOP COUNT</source>
        <translation>NOMBRE DE RÉPÉTITIONS</translation>
    </message>
</context>
<context>
    <name>MousePicture</name>
    <message>
        <location filename="../../src/ui/main/MousePicture.cpp" line="+212"/>
        <location line="+1"/>
        <source>Front</source>
        <translation>Avant</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every button of this mouse is set in the front view.</source>
        <translation>Tous les boutons de cette souris se règlent dans la vue Avant.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Wheel up</source>
        <translation>Molette vers le haut</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Wheel down</source>
        <translation>Molette vers le bas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Button %1</source>
        <translation>Bouton %1</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Selects this button in the list</source>
        <translation>Sélectionne ce bouton dans la liste</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <location filename="../../src/ui/main/MousecfgWidget.cpp" line="+299"/>
        <location filename="../../src/ui/main/MousecfgWidgetWindow.cpp" line="+39"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetWindow.cpp" line="+1"/>
        <source>Dongle Disconnect!</source>
        <translation>Récepteur déconnecté !</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidget.cpp" line="+0"/>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AU MOINS UNE FONCTION DE CLIC DOIT ÊTRE CONSERVÉE.</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetDevice.cpp" line="+150"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetReturn.cpp" line="+28"/>
        <source>No access to the mouse</source>
        <translation>Pas d&apos;accès à la souris</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>Appliquer</translation>
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
        <translation>NOM</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Press Enter To Apply</source>
        <translation>Entrée pour appliquer</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Stored profiles</source>
        <translation>Profils enregistrés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADD</source>
        <translation>AJOUT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COPY</source>
        <translation>COPIER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DELETE</source>
        <translation>SUPPR.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESET</source>
        <translation>RÉINIT.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset All</source>
        <translation>Tout réinit.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Save Profile File</source>
        <translation>Enregistrer le fichier de profil</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Load Profile File</source>
        <translation>Charger un fichier de profil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOAD1</source>
        <translation>OUVRIR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAVE</source>
        <translation>ENREG.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>APPLICATIONS</source>
        <translation>APPLICATIONS</translation>
    </message>
</context>
<context>
    <name>ProfileOperations</name>
    <message>
        <location filename="../../src/ui/main/ProfileOperations.cpp" line="+70"/>
        <location line="+5"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+69"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="+134"/>
        <source>Profile is Already Used!</source>
        <translation>Ce profil est déjà utilisé !</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="+9"/>
        <source>The file &quot;%1&quot; could not be read.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+113"/>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>Le profil par défaut ne peut être ni supprimé ni renommé.</translation>
    </message>
    <message>
        <location line="-108"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-3"/>
        <source>&quot;%1&quot; cannot name a profile file.</source>
        <translation>« %1 » ne peut pas servir de nom de fichier de profil.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-3"/>
        <source>Profile Exist!</source>
        <translation>Ce profil existe déjà !</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file &quot;%1&quot; could not be renamed.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être renommé.</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+91"/>
        <location line="+18"/>
        <location line="+19"/>
        <location line="+24"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="+9"/>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AU MOINS UN PROFIL DOIT ÊTRE CONSERVÉ.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Are you sure you want delete this profile?</source>
        <translation>Voulez-vous vraiment supprimer ce profil ?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Every other profile is held by another slot, so this one cannot be deleted.</source>
        <translation>Tous les autres profils sont occupés par un autre emplacement : celui-ci ne peut donc pas être supprimé.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file &quot;%1&quot; could not be deleted.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être supprimé.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Are you sure you want reset this profile?</source>
        <translation>Voulez-vous vraiment réinitialiser ce profil ?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Voulez-vous vraiment réinitialiser tous les profils ?</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-128"/>
        <source>Profile File(*.prof)</source>
        <translation>Fichier de profil (*.prof)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Config File(*.conf)</source>
        <translation>Fichier de configuration (*.conf)</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Mouse is sleeping or not connected.</source>
        <translation>La souris est en veille ou n&apos;est pas connectée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send data failed, please try again.</source>
        <translation>L&apos;envoi des données a échoué, veuillez réessayer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The settings were sent, but the mouse did not confirm them.</source>
        <translation>Les réglages ont été envoyés, mais la souris ne les a pas confirmés.</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Save Profile File</source>
        <translation>Enregistrer le fichier de profil</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Load Profile File</source>
        <translation>Charger un fichier de profil</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>The file is not match current mouse!</source>
        <translation>Ce fichier ne correspond pas à la souris actuelle !</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>Save Config File</source>
        <translation>Enregistrer le fichier de configuration</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Load Config File</source>
        <translation>Charger un fichier de configuration</translation>
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
        <translation>ÉCLAIRAGE</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CUSTOMIZE</source>
        <translation>BOUTONS</translation>
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
        <translation>MOLETTE VERS LE HAUT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WHEEL DOWN</source>
        <translation>MOLETTE VERS LE BAS</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Button %1</source>
        <translation>Bouton %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Le bouton gauche ne peut pas recevoir une fonction de tir.</translation>
    </message>
</context>
<context>
    <name>TarnColorArea</name>
    <message>
        <location filename="../../src/ui/pages/TarnColorArea.cpp" line="+33"/>
        <location line="+322"/>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <location line="-322"/>
        <location line="+323"/>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <location line="-322"/>
        <location line="+323"/>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <location line="-323"/>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <location line="+309"/>
        <location line="+1"/>
        <source>Color Edit</source>
        <translation>Modifier la couleur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COLOR</source>
        <translation>COULEUR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>APPLY</source>
        <translation>APPLIQUER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Hue</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Saturation and value</source>
        <translation>Saturation et valeur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hexadecimal colour</source>
        <translation>Couleur hexadécimale</translation>
    </message>
</context>
<context>
    <name>TarnColorWindow</name>
    <message>
        <location filename="../../src/core/settings/LightingEffects.cpp" line="+17"/>
        <source>OFF</source>
        <translation>ÉTEINT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FULL LIGHTED</source>
        <translation>ALLUMÉ EN CONTINU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BREATHING</source>
        <translation>RESPIRATION</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7 COLOR BREATHING</source>
        <translation>RESPIRATION 7 COULEURS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RAINBOW</source>
        <translation>ARC-EN-CIEL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FLASH</source>
        <translation>FLASH</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal WAVE</source>
        <translation>VAGUE horizontale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>SANS TRACE horizontal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Raindrop</source>
        <translation>Gouttes de pluie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WAVE</source>
        <translation>VAGUE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GO WITHOUT TRACE</source>
        <translation>SANS TRACE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REACTIVE</source>
        <translation>RÉACTIF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yo-yo</source>
        <translation>yo-yo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Marbles</source>
        <translation>Billes</translation>
    </message>
    <message>
        <location filename="../../src/ui/pages/TarnColorWindow.cpp" line="+141"/>
        <location line="+63"/>
        <source>EFFECT</source>
        <translation>EFFET</translation>
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
        <translation>LUMINOSITÉ</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+5"/>
        <source>SPEED</source>
        <translation>VITESSE</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>COLOR</source>
        <translation>COULEUR</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+4"/>
        <source>SLEEP TIME</source>
        <translation>TEMPS DE VEILLE</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>ÉTEINDRE EN MOUVEMENT</translation>
    </message>
</context>
<context>
    <name>TarnComboKeyWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnComboKeyWindow.cpp" line="+6"/>
        <source>Combo Key</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hold the modifiers and press the key.</source>
        <translation>Maintenez les touches de modification et appuyez sur la touche.</translation>
    </message>
</context>
<context>
    <name>TarnDPIWindow</name>
    <message>
        <location filename="../../src/ui/pages/TarnDPIWindow.cpp" line="+139"/>
        <source>DPI STAGES</source>
        <translation>NIVEAUX DPI</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>SLEEP TIME</source>
        <translation>TEMPS DE VEILLE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>ÉTEINDRE EN MOUVEMENT</translation>
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
        <translation>Réglage de la touche de tir</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right</source>
        <translation>Droit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keyboard Key</source>
        <translation>Touche clavier</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+8"/>
        <source>Times:</source>
        <translation>Fois :</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+8"/>
        <source>Delay:</source>
        <translation>Délai :</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Press a key</source>
        <translation>Tapez une touche</translation>
    </message>
</context>
<context>
    <name>TarnGunsetDialog</name>
    <message>
        <location filename="../../src/ui/macro/TarnGunsetDialog.cpp" line="+38"/>
        <source>Gun Set</source>
        <translation>Réglage de tir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GUN SET</source>
        <translation>RÉGLAGE DE TIR</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+2"/>
        <source>GUNFILE NAME</source>
        <translation>NOM DU GUNFILE</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+51"/>
        <source>BULLETS</source>
        <translation>BALLES</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+13"/>
        <source>DELAY(MS)</source>
        <translation>DÉLAI (MS)</translation>
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
        <translation>RÉPÉTITIONS (1-255)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>RÉPÉTER TANT QUE MAINTENUE</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>RÉPÉTER JUSQU&apos;À UN NOUVEL APPUI</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>LOOP COUNT</source>
        <translation>NOMBRE DE RÉPÉTITIONS</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>SELECT A MACRO</source>
        <translation>CHOISIR UNE MACRO</translation>
    </message>
</context>
<context>
    <name>TarnPointSpeed</name>
    <message>
        <location filename="../../src/ui/pages/TarnPointSpeed.cpp" line="+181"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No mouse settings program of the desktop was found.</source>
        <translation>Aucun programme de réglage de la souris n&apos;a été trouvé pour ce bureau.</translation>
    </message>
    <message>
        <location line="+48"/>
        <location line="+1"/>
        <source>Key Response</source>
        <translation>Réponse des boutons</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Scroll Speed</source>
        <translation>Vitesse molette</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable sync</source>
        <translation>Activer la synchro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lift Distance</source>
        <translation>Distance de levée</translation>
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
        <translation>Correction d&apos;angle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jitter</source>
        <translation>Jitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motion Wake</source>
        <translation>Réveil au mouvement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor Mode</source>
        <translation>Mode du capteur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eco</source>
        <translation>Éco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Competitive</source>
        <translation>Compétition</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Mouse Setting</source>
        <translation>Réglages souris</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This desktop&apos;s pointer speed cannot be set from here: use the desktop&apos;s own mouse settings.</source>
        <translation>La vitesse du pointeur de ce bureau ne peut pas être réglée d&apos;ici : utilisez les réglages de souris du bureau.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The pointer speed applies while mousecfg runs: the desktop&apos;s own settings are left as they are.</source>
        <translation>La vitesse du pointeur s&apos;applique tant que mousecfg fonctionne : les réglages du bureau restent tels quels.</translation>
    </message>
</context>
<context>
    <name>TarnProcessDialog</name>
    <message>
        <location filename="../../src/ui/main/TarnProcessDialog.cpp" line="+24"/>
        <source>Sending data to the mouse</source>
        <translation>Envoi des données à la souris</translation>
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
        <translation>TAUX DE RAPPORT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lift off Distance</source>
        <translation>Distance de levée</translation>
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
        <translation>Lier X/Y</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable %1</source>
        <translation>Activer %1</translation>
    </message>
</context>
<context>
    <name>TarnSingleKeyWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnSingleKeyWindow.cpp" line="+10"/>
        <source>Single Key</source>
        <translation>Touche simple</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Press the key for this button.</source>
        <translation>Appuyez sur la touche à attribuer à ce bouton.</translation>
    </message>
</context>
<context>
    <name>TarnSniperWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnSniperWindow.cpp" line="+9"/>
        <source>Sniper Setting</source>
        <translation>Réglage sniper</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sniper resolution</source>
        <translation>Résolution sniper</translation>
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
        <translation>COMMANDE SOURIS</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+9"/>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../../src/ui/main/TrayIcon.cpp" line="+40"/>
        <source>&amp;Load Config</source>
        <translation>&amp;Charger une configuration</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start at login</source>
        <translation>Démarrer à la connexion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The login start entry %1 could not be changed.</source>
        <translation>L&apos;entrée de démarrage à la connexion %1 n&apos;a pas pu être modifiée.</translation>
    </message>
</context>
<context>
    <name>UploadRecovery</name>
    <message>
        <location filename="../../src/ui/main/UploadRecovery.cpp" line="+38"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The last transfer to the mouse did not finish. Send the settings again?</source>
        <translation>Le dernier transfert vers la souris ne s&apos;est pas terminé. Renvoyer les réglages ?</translation>
    </message>
</context>
</TS>
