<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ApplyFlow</name>
    <message>
        <source>The mouse holds 20 macros. These were not sent: %1</source>
        <translation>Die Maus speichert 20 Makros. Nicht gesendet wurden: %1</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>Einstellungen übernommen.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Delete the macro &quot;%1&quot;? Buttons that use it become &quot;Button Off&quot; in every profile.</source>
        <translation>Das Makro „%1“ löschen? Tasten, die es verwenden, werden in jedem Profil zu „Taste aus“.</translation>
    </message>
    <message>
        <source>These stored profiles could not be updated: %1</source>
        <translation>Diese gespeicherten Profile konnten nicht aktualisiert werden: %1</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEU</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>UMBENENNEN</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>BEARBEITEN</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>GANZ OBEN</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>GANZ UNTEN</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>AUFWÄRTS</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>ABWÄRTS</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>LEEREN</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SICHERN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>PAUSE EINFÜGEN</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>RÜCKSTOSS</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>MEHRFACH</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>MAUSAKTION</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>WIEDERHOLUNGEN (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>WIEDERHOLEN, SOLANGE TASTE GEDRÜCKT</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>WIEDERHOLEN BIS ZUM NÄCHSTEN DRUCK</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Makrodatei(*.MSMACRO)</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>MAKRONAME</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TASTE</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>AKTION</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>PAUSE(ms)</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>PAUSEN ZWISCHEN AKTIONEN AUFZEICHNEN</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>STANDARDPAUSE EINFÜGEN</translation>
    </message>
    <message>
        <source>Macro name</source>
        <translation>Makroname</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Makrodatei laden</translation>
    </message>
    <message>
        <source>Not imported (a macro of that name exists, or the name or file cannot be used): %1</source>
        <translation>Nicht importiert (ein Makro dieses Namens existiert, oder Name bzw. Datei ist unbrauchbar): %1</translation>
    </message>
    <message>
        <source>Not imported: %1</source>
        <translation>Nicht importiert: %1</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>Makro existiert bereits!</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Makrodatei speichern</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>EINE ODER MEHRERE TASTEN WURDEN NICHT LOSGELASSEN.</translation>
    </message>
    <message>
        <source>Select a step to edit.</source>
        <translation>Wählen Sie einen Schritt zum Bearbeiten.</translation>
    </message>
    <message>
        <source>Press the key this step should use.</source>
        <translation>Drücken Sie die Taste für diesen Schritt.</translation>
    </message>
    <message>
        <source>Choose the mouse button of this step.</source>
        <translation>Wählen Sie die Maustaste für diesen Schritt.</translation>
    </message>
    <message>
        <source>Choose the direction and the distance (1-120).</source>
        <translation>Wählen Sie Richtung und Weg (1-120).</translation>
    </message>
    <message>
        <source>Enter the delay (10-65535 ms).</source>
        <translation>Geben Sie die Pause ein (10-65535 ms).</translation>
    </message>
    <message>
        <source>A macro name has at most %1 characters.</source>
        <translation>Ein Makroname hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>LINKSKLICK</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MITTELKLICK</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RECHTSKLICK</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>VORWÄRTS</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Drücken</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Loslassen</translation>
    </message>
    <message>
        <source>MOVE</source>
        <translation>BEWEGEN</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>MAUSBEFEHL</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>DRÜCKEN</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>LOSLASSEN</translation>
    </message>
</context>
<context>
    <name>MacroLibrary</name>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>ZU VIELE MAKROS – ES KANN KEINES MEHR ERSTELLT WERDEN!</translation>
    </message>
</context>
<context>
    <name>MacroMove</name>
    <message>
        <source>MOVE LEFT</source>
        <translation>NACH LINKS</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>NACH RECHTS</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>NACH OBEN</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>NACH UNTEN</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>Konfiguration &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Zum Anwenden Eingabetaste drücken</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>ZURÜCKSETZEN</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>HINZUFÜGEN</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIEREN</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Alles zurücksetzen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>LADEN</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SICHERN</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>BELEUCHTUNG</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>TASTENBELEGUNG</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MAKRO</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Vorne</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>MAUS AUS</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Empfänger getrennt!</translation>
    </message>
    <message>
        <source>Mouse battery low: %1%</source>
        <translation>Akku der Maus schwach: %1%</translation>
    </message>
    <message>
        <source>Mouse battery almost empty: %1%. Charge it now.</source>
        <translation>Akku der Maus fast leer: %1%. Jetzt aufladen.</translation>
    </message>
    <message>
        <source>No model description found: buttons and DPI stages are unknown.</source>
        <translation>Keine Modellbeschreibung gefunden: Tasten und DPI-Stufen sind unbekannt.</translation>
    </message>
    <message>
        <source>charging</source>
        <translation>lädt</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Zum Aktualisieren der Firmware die Maus bitte per Kabel mit dem Computer verbinden.</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Möchten Sie die Firmware aktualisieren?</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>Das Firmware-Update-Programm konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>MINDESTENS EINE KLICKFUNKTION MUSS ERHALTEN BLEIBEN.</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Die Maus schläft oder ist nicht verbunden.</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Senden der Daten fehlgeschlagen, bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Mit dem Desktop starten</translation>
    </message>
    <message>
        <source>Another program changed the stored profiles. Take its changes and drop the ones not applied here?</source>
        <translation>Ein anderes Programm hat die gespeicherten Profile geändert. Seine Änderungen übernehmen und die hier noch nicht angewendeten verwerfen?</translation>
    </message>
    <message>
        <source>No system tray: closing the window quits.</source>
        <translation>Kein Infobereich: Schließen des Fensters beendet das Programm.</translation>
    </message>
    <message>
        <source>Automatic switching…</source>
        <translation>Automatisches Umschalten…</translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Save Profile File</source>
        <translation>Profildatei speichern</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Profildatei laden</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Profildatei(*.prof)</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Konfigurationsdatei speichern</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Konfigurationsdatei laden</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Konfigurationsdatei(*.conf)</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>MINDESTENS EIN PROFIL MUSS ERHALTEN BLEIBEN.</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>Das Standardprofil kann weder gelöscht noch umbenannt werden.</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Profil wird bereits verwendet!</translation>
    </message>
    <message>
        <source>The profile list is full (%1 profiles). Delete a profile first.</source>
        <translation>Die Profilliste ist voll (%1 Profile). Bitte zuerst ein Profil löschen.</translation>
    </message>
    <message>
        <source>No other profile is free to take this slot: every other profile is used by another slot.</source>
        <translation>Kein anderes Profil ist für diesen Platz frei: Alle anderen Profile werden von anderen Plätzen verwendet.</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Möchten Sie dieses Profil wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Möchten Sie dieses Profil wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Möchten Sie wirklich alle Profile zurücksetzen?</translation>
    </message>
</context>
<context>
    <name>StorageResult</name>
    <message>
        <source>This name cannot be used: it must not be empty, contain &quot;/&quot; or &quot;\&quot;, be &quot;.&quot; or &quot;..&quot;, or be too long.</source>
        <translation>Dieser Name ist nicht zulässig: Er darf nicht leer sein, weder „/“ noch „\“ enthalten, nicht „.“ oder „..“ lauten und nicht zu lang sein.</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>Die Datei passt nicht zur aktuellen Maus!</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Das Profil existiert bereits!</translation>
    </message>
    <message>
        <source>The file could not be read or written.</source>
        <translation>Die Datei konnte nicht gelesen oder geschrieben werden.</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>not a file of this program</source>
        <translation>keine Datei dieses Programms</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>another program is saving here; try again in a moment</source>
        <translation>ein anderes Programm speichert gerade hier; bitte gleich noch einmal versuchen</translation>
    </message>
    <message>
        <source>not a configuration file of %1</source>
        <translation>keine Konfigurationsdatei für %1</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>keine Konfigurationsdatei</translation>
    </message>
    <message>
        <source>not a profile file of %1</source>
        <translation>keine Profildatei für %1</translation>
    </message>
    <message>
        <source>not a profile file</source>
        <translation>keine Profildatei</translation>
    </message>
    <message>
        <source>not a macro file</source>
        <translation>keine Makrodatei</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file name, %2 what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>holds a value the mouse cannot take</source>
        <translation>enthält einen Wert, den die Maus nicht annehmen kann</translation>
    </message>
    <message>
        <source>is not a colour</source>
        <translation>ist keine Farbe</translation>
    </message>
    <message>
        <source>is not a number this key can hold</source>
        <translation>ist keine Zahl, die dieser Schlüssel aufnehmen kann</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>is not a profile slot (0 to 4)</source>
        <translation>ist kein Profilplatz (0 bis 4)</translation>
    </message>
</context>
<context>
    <name>TarnBtnWindow</name>
    <message>
        <source>This mouse has no side buttons of its own to set here: the mouse takes the buttons of the Front view only.</source>
        <translation>Diese Maus hat hier keine eigenen Seitentasten zum Einstellen: Die Maus übernimmt nur die Tasten der Ansicht „Vorne“.</translation>
    </message>
    <message>
        <source>key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Combo key without keys</source>
        <translation>Tastenkombination ohne Tasten</translation>
    </message>
    <message>
        <source>left click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>right click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>middle click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Fire %1, %2 times, %3 ms apart</source>
        <translation>Feuer %1, %2 Mal, im Abstand von %3 ms</translation>
    </message>
    <message>
        <source>Gun set &quot;%1&quot;</source>
        <translation>Rückstoß-Makro „%1“</translation>
    </message>
    <message>
        <source>Macro &quot;%1&quot;</source>
        <translation>Makro „%1“</translation>
    </message>
    <message>
        <source>repeated while held</source>
        <translation>wiederholt, solange gedrückt</translation>
    </message>
    <message>
        <source>repeated until pressed again</source>
        <translation>wiederholt bis zum nächsten Drücken</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 Mal</translation>
    </message>
    <message>
        <source>Sniper %1 DPI</source>
        <translation>Sniper %1 DPI</translation>
    </message>
    <message>
        <source>Sniper step %1</source>
        <translation>Sniper-Stufe %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Die linke Taste kann keine Gun-Funktion sein.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; has %2 steps; the button takes its first %3.</source>
        <translation>Das Makro „%1“ hat %2 Schritte; die Taste übernimmt die ersten %3.</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Grundfunktionen</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Profilmenü</translation>
    </message>
    <message>
        <source>Function %1</source>
        <translation>Funktion %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>EINZELTASTE</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>TASTENKOMBINATION</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>FEUERTASTE</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Taste aus</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Fenster wechseln</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>PC sperren</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser: Startseite</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Browser: Zurück</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser: Vorwärts</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Browser: Stopp</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser: Aktualisieren</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Browser: Suche</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Browser: Favoriten</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Boss-Taste</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Mediaplayer</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI-Wechsel</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>Rate +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Rate -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Nach oben scrollen</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>LED SWITCH</source>
        <translation>LED-UMSCHALTUNG</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profil +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profil -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Profilwechsel</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Makro-Verwaltung</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>Gun-Datei-Verwaltung</translation>
    </message>
</context>
<context>
    <name>TarnColorArea</name>
    <message>
        <source>Color Edit</source>
        <translation>Farbe bearbeiten</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>ANWENDEN</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TarnColorWindow</name>
    <message>
        <source> MINUTE</source>
        <translation> MIN.</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFEKT</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>HELLIGKEIT</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>GESCHWINDIGKEIT</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>RUHEZEIT</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>LICHT AUS BEI BEWEGUNG</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>Farbe bearbeiten</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>DAUERLICHT</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>ATMEN</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>7-FARBEN-ATMEN</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>REGENBOGEN</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>BLITZ</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>Horizontale WELLE</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>Horizontal SPURLOS</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Regentropfen</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>WELLE</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>SPURLOS</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>REAKTIV</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>Jo-Jo</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Murmeln</translation>
    </message>
</context>
<context>
    <name>TarnComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Hold the modifiers, then press the key</source>
        <translation>Umschalttasten halten, dann die Taste drücken</translation>
    </message>
</context>
<context>
    <name>TarnDPIWindow</name>
    <message>
        <source>DPI STAGES</source>
        <translation>DPI-STUFEN</translation>
    </message>
</context>
<context>
    <name>TarnFireKeyWindow</name>
    <message>
        <source>FireKey Setting</source>
        <translation>Feuertaste einstellen</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Tastaturtaste</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Press the key to repeat</source>
        <translation>Die zu wiederholende Taste drücken</translation>
    </message>
</context>
<context>
    <name>TarnGunsetDialog</name>
    <message>
        <source>GUN SET</source>
        <translation>RÜCKSTOSS</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>DATEINAME</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>SCHÜSSE</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>PAUSE(MS)</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Bitte geben Sie einen Dateinamen ein.</translation>
    </message>
</context>
<context>
    <name>TarnKeyDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TarnMacroSelect</name>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>WIEDERHOLUNGEN (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>WIEDERHOLEN, SOLANGE GEDRÜCKT</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>WIEDERHOLEN BIS ZUM NÄCHSTEN DRUCK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>GUN-DATEI WÄHLEN</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>MAKRO WÄHLEN</translation>
    </message>
</context>
<context>
    <name>TarnMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TarnPointSpeed</name>
    <message>
        <source>POINTER SPEED</source>
        <translation>ZEIGERGESCHWINDIGKEIT</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>SCROLLGESCHWINDIGKEIT</translation>
    </message>
</context>
<context>
    <name>TarnPopBox</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>TarnReportRate</name>
    <message>
        <source>REPORT RATE</source>
        <translation>ABFRAGERATE</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Lift-off-Distanz</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
</context>
<context>
    <name>TarnSingleDPI</name>
    <message>
        <source>Stage %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>XY koppeln</translation>
    </message>
    <message>
        <source>Use this stage</source>
        <translation>Diese Stufe verwenden</translation>
    </message>
    <message>
        <source>Active stage</source>
        <translation>Aktive Stufe</translation>
    </message>
    <message>
        <source>Double-click to type a DPI value</source>
        <translation>Doppelklicken, um einen DPI-Wert einzugeben</translation>
    </message>
</context>
<context>
    <name>TarnSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>Einzeltaste</translation>
    </message>
    <message>
        <source>Press the key to assign</source>
        <translation>Die zuzuweisende Taste drücken</translation>
    </message>
</context>
<context>
    <name>TarnSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>Sniper-Einstellung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ProfileDomains</name>
    <message>
        <source>is not a report rate (%1)</source>
        <translation>ist keine Abfragerate (%1)</translation>
    </message>
    <message>
        <source>is not a DPI stage (0 to 7)</source>
        <translation>ist keine DPI-Stufe (0 bis 7)</translation>
    </message>
    <message>
        <source>is not 0 or 1</source>
        <translation>ist weder 0 noch 1</translation>
    </message>
    <message>
        <source>is not a resolution step of this sensor (%1 to %2)</source>
        <translation>ist keine Auflösungsstufe dieses Sensors (%1 bis %2)</translation>
    </message>
    <message>
        <source>is not a button function</source>
        <translation>ist keine Tastenfunktion</translation>
    </message>
    <message>
        <source>is not a macro name</source>
        <translation>ist kein Makroname</translation>
    </message>
    <message>
        <source>is not a loop mode (0, 1, 2)</source>
        <translation>ist kein Wiederholmodus (0, 1, 2)</translation>
    </message>
    <message>
        <source>is not a key code</source>
        <translation>ist kein Tastencode</translation>
    </message>
    <message>
        <source>is not a lighting effect (0 to %1)</source>
        <translation>ist kein Lichteffekt (0 bis %1)</translation>
    </message>
</context>
<context>
    <name>DeviceDoctor</name>
    <message>
        <source>receiver 248A:FA02</source>
        <translation>Empfänger 248A:FA02</translation>
    </message>
    <message>
        <source>cable 248A:FB01</source>
        <translation>Kabel 248A:FB01</translation>
    </message>
    <message>
        <source>device 248A:%1</source>
        <translation>Gerät 248A:%1</translation>
    </message>
    <message>
        <source>Everything is in order: the mouse can be reached.</source>
        <translation>Alles in Ordnung: Die Maus ist erreichbar.</translation>
    </message>
    <message>
        <source>Access is checked for %1, who ran sudo.</source>
        <translation>Der Zugriff wird für %1 geprüft, der sudo aufgerufen hat.</translation>
    </message>
    <message>
        <source>This runs as root, which can open every node; run it as yourself to check your own access:</source>
        <translation>Dies läuft als root, und root darf jedes Gerät öffnen; starten Sie es als Sie selbst, um Ihren eigenen Zugriff zu prüfen:</translation>
    </message>
    <message>
        <source>The kernel offers no hidraw devices (%1 is missing), so no program can reach the mouse. Load the HID drivers; if the folder is still missing, this kernel was built without hidraw (CONFIG_HIDRAW):</source>
        <translation>Der Kernel bietet keine hidraw-Geräte an (%1 fehlt), daher kann kein Programm die Maus erreichen. Laden Sie die HID-Treiber; fehlt der Ordner danach noch, wurde dieser Kernel ohne hidraw (CONFIG_HIDRAW) gebaut:</translation>
    </message>
    <message>
        <source>USB interface %1 of the %2 is bound to no HID driver, so the kernel makes no hidraw node for it. Load the driver and bind the interface to it:</source>
        <translation>Die USB-Schnittstelle %1 von %2 ist an keinen HID-Treiber gebunden, daher legt der Kernel kein hidraw-Gerät dafür an. Laden Sie den Treiber und binden Sie die Schnittstelle daran:</translation>
    </message>
    <message>
        <source>USB interface %1 of the %2 is held by the driver &quot;%3&quot; instead of the HID driver (a program using libusb may have taken it). Quit that program, then give the interface back:</source>
        <translation>Die USB-Schnittstelle %1 von %2 wird vom Treiber „%3“ statt vom HID-Treiber gehalten (vielleicht hat ein Programm sie über libusb übernommen). Beenden Sie dieses Programm und geben Sie die Schnittstelle dann zurück:</translation>
    </message>
    <message>
        <source>No receiver (248A:FA02) or cable (248A:FB01) is connected. Plug one in; once the computer sees it, this lists it:</source>
        <translation>Weder Empfänger (248A:FA02) noch Kabel (248A:FB01) ist angeschlossen. Schließen Sie eines an; sobald der Computer es erkennt, zeigt dieser Befehl es an:</translation>
    </message>
    <message>
        <source>The %1 is on USB, but the kernel made no hidraw node for it. Load the HID drivers, then re-plug it:</source>
        <translation>%1 ist am USB angeschlossen, aber der Kernel hat kein hidraw-Gerät dafür angelegt. Laden Sie die HID-Treiber und stecken Sie es dann neu ein:</translation>
    </message>
    <message>
        <source>Found the %1 at %2, top-level collections: %3.</source>
        <translation>%1 gefunden unter %2, oberste Collections: %3.</translation>
    </message>
    <message>
        <source>Found the %1 at %2; its report descriptor could not be read.</source>
        <translation>%1 gefunden unter %2; sein Report-Deskriptor konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The kernel lists %1, but udev made no device node for it. Ask udev to make it:</source>
        <translation>Der Kernel führt %1, aber udev hat keine Gerätedatei dafür angelegt. Lassen Sie udev sie anlegen:</translation>
    </message>
    <message>
        <source>%1 cannot be opened by %2 (owner %3, group %4, mode %5).</source>
        <translation>%1 kann von %2 nicht geöffnet werden (Besitzer %3, Gruppe %4, Modus %5).</translation>
    </message>
    <message>
        <source>%1 may be opened, yet opening it failed: %2. Its state:</source>
        <translation>%1 darf geöffnet werden, doch das Öffnen schlug fehl: %2. Sein Zustand:</translation>
    </message>
    <message>
        <source>%1 can be opened by %2.</source>
        <translation>%1 kann von %2 geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 is open in %2 (process %3), which is mousecfg itself; that is fine.</source>
        <translation>%1 ist in %2 (Prozess %3) geöffnet, das ist mousecfg selbst; das ist in Ordnung.</translation>
    </message>
    <message>
        <source>%1 is open in %2 (process %3). Another program talking to the mouse at the same time takes its answers; quit it, or end it:</source>
        <translation>%1 ist in %2 (Prozess %3) geöffnet. Ein anderes Programm, das gleichzeitig mit der Maus spricht, nimmt ihre Antworten weg; beenden Sie es, oder brechen Sie es ab:</translation>
    </message>
    <message>
        <source>%1 carries the uaccess tag and names %2 in its access list, yet %2 cannot open it. Its permissions:</source>
        <translation>%1 trägt die Markierung uaccess und nennt %2 in seiner Zugriffsliste, doch %2 kann es nicht öffnen. Seine Berechtigungen:</translation>
    </message>
    <message>
        <source>The udev rule is in place, but %1 lacks its &quot;uaccess&quot; tag: the node was made before the rule was installed. Have udev apply the rule (or re-plug the receiver):</source>
        <translation>Die udev-Regel ist vorhanden, aber %1 fehlt die Markierung „uaccess“: Das Gerät wurde angelegt, bevor die Regel installiert war. Lassen Sie udev die Regel anwenden (oder stecken Sie den Empfänger neu ein):</translation>
    </message>
    <message>
        <source>%1 carries the &quot;uaccess&quot; tag, but its access list does not name %2: access goes to the user of the active session at the computer&apos;s own screen, not to a remote or inactive one. Log out and in again at the computer; this shows the sessions:</source>
        <translation>%1 trägt die Markierung „uaccess“, aber seine Zugriffsliste nennt %2 nicht: Zugriff erhält der Benutzer der aktiven Sitzung am Bildschirm des Computers, nicht eine entfernte oder inaktive Sitzung. Melden Sie sich am Computer ab und wieder an; dieser Befehl zeigt die Sitzungen:</translation>
    </message>
    <message>
        <source>%1 replaces the udev rule %2 and gives no access. Remove it, then have udev apply the rule:</source>
        <translation>%1 ersetzt die udev-Regel %2 und gewährt keinen Zugriff. Entfernen Sie die Datei und lassen Sie udev dann die Regel anwenden:</translation>
    </message>
    <message>
        <source>The udev rule is at %1, a folder udev does not read. Copy it to %2, then have udev apply it:</source>
        <translation>Die udev-Regel liegt unter %1, einem Ordner, den udev nicht liest. Kopieren Sie sie nach %2 und lassen Sie udev sie dann anwenden:</translation>
    </message>
    <message>
        <source>The udev rule that gives you access (%1) is in none of the folders udev reads. Install it, then have udev apply it:</source>
        <translation>Die udev-Regel, die Ihnen Zugriff gibt (%1), liegt in keinem der Ordner, die udev liest. Installieren Sie sie und lassen Sie udev sie dann anwenden:</translation>
    </message>
    <message>
        <source>%1, line %2, runs after the mousecfg rule and can take the access away again: %3. Change or remove that line, then have udev apply the rules:</source>
        <translation>%1, Zeile %2, läuft nach der mousecfg-Regel und kann den Zugriff wieder entziehen: %3. Ändern oder entfernen Sie diese Zeile und lassen Sie udev dann die Regeln anwenden:</translation>
    </message>
</context>
<context>
    <name>PermissionNotice</name>
    <message>
        <source>The mouse cannot be opened</source>
        <translation>Die Maus kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Copy commands</source>
        <translation>Befehle kopieren</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The mouse is connected, but opening it failed, and no cause was found. Re-plug the receiver, then check again.</source>
        <translation>Die Maus ist angeschlossen, aber das Öffnen schlug fehl, und keine Ursache wurde gefunden. Stecken Sie den Empfänger neu ein und prüfen Sie dann erneut.</translation>
    </message>
    <message>
        <source>The mouse is connected, but this user may not open it, so no setting can be read or sent. Here is why, with the commands that fix it:</source>
        <translation>Die Maus ist angeschlossen, aber dieser Benutzer darf sie nicht öffnen, daher kann keine Einstellung gelesen oder gesendet werden. Hier steht, warum, mit den Befehlen, die es beheben:</translation>
    </message>
</context>
<context>
    <name>AutoSwitchDialog</name>
    <message>
        <source>Type or pick the application&apos;s name first.</source>
        <translation>Geben Sie zuerst den Namen der Anwendung ein oder wählen Sie ihn aus.</translation>
    </message>
    <message>
        <source>An application name has at most %1 characters.</source>
        <translation>Ein Anwendungsname hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>An application name cannot hold a line break or another control character.</source>
        <translation>Ein Anwendungsname darf keinen Zeilenumbruch und kein anderes Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>On Wayland only KDE Plasma and GNOME tell other programs which window is in front.</source>
        <translation>Unter Wayland teilen nur KDE Plasma und GNOME anderen Programmen mit, welches Fenster im Vordergrund ist.</translation>
    </message>
    <message>
        <source>There is no X11 display.</source>
        <translation>Es gibt keine X11-Anzeige.</translation>
    </message>
    <message>
        <source>The X11 display cannot be opened.</source>
        <translation>Die X11-Anzeige kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>This desktop does not tell which application is in front.</source>
        <translation>Dieser Desktop teilt nicht mit, welche Anwendung im Vordergrund ist.</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>Automatisches Umschalten</translation>
    </message>
    <message>
        <source>Switch the mouse&apos;s profile by the application in front</source>
        <translation>Profil der Maus nach der Anwendung im Vordergrund umschalten</translation>
    </message>
    <message>
        <source>Automatic switching is not available on this desktop: %1</source>
        <translation>Automatisches Umschalten ist auf diesem Desktop nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Application name</source>
        <translation>Name der Anwendung</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Any other application:</source>
        <translation>Jede andere Anwendung:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Leave as is</source>
        <translation>Unverändert lassen</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>There is no session bus for the desktop to report the window in front on.</source>
        <translation>Es gibt keinen Sitzungsbus, über den der Desktop das Fenster im Vordergrund melden könnte.</translation>
    </message>
    <message>
        <source>The KWin script that reports the window in front is not installed.</source>
        <translation>Das KWin-Skript, das das Fenster im Vordergrund meldet, ist nicht installiert.</translation>
    </message>
    <message>
        <source>Enable the GNOME Shell extension with &quot;gnome-extensions enable %1&quot;, then log out and in again.</source>
        <translation>Aktivieren Sie die GNOME-Shell-Erweiterung mit „gnome-extensions enable %1“ und melden Sie sich dann ab und wieder an.</translation>
    </message>
</context>
</TS>
