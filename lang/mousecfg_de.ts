<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>MINDESTENS EINE KLICKFUNKTION MUSS ERHALTEN BLEIBEN.</translation>
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
    <name>TarnBtnWindow</name>
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
</TS>
