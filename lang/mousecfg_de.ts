<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>MacroDialog</name>
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
</TS>
