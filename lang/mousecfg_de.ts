<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>MacroLibrary</name>
    <message>
        <location filename="../storage/macro_file.cpp" line="+17"/>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>ZU VIELE MAKROS – ES KANN KEINES MEHR ERSTELLT WERDEN!</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <location filename="../app/mousecfg_widget.cpp" line="+387"/>
        <location line="+276"/>
        <source>&amp;Load Config</source>
        <translation>Konfiguration &amp;laden</translation>
    </message>
    <message>
        <location line="-275"/>
        <location line="+276"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press Enter To Apply</source>
        <translation>Zum Anwenden Eingabetaste drücken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RESET</source>
        <translation>ZURÜCKSETZEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADD</source>
        <translation>HINZUFÜGEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COPY</source>
        <translation>KOPIEREN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset All</source>
        <translation>Alles zurücksetzen</translation>
    </message>
    <message>
        <location line="+1"/>
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
    <message>
        <location line="+1"/>
        <source>LOAD1</source>
        <translation>LADEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAVE</source>
        <translation>SICHERN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LIGHTING</source>
        <translation>BELEUCHTUNG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CUSTOMIZE</source>
        <translation>TASTENBELEGUNG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MACRO</source>
        <translation>MAKRO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware Update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Front</source>
        <translation>Vorne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+318"/>
        <source>MOUSE OFF</source>
        <translation>MAUS AUS</translation>
    </message>
    <message>
        <location line="-138"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dongle Disconnect!</source>
        <translation>Empfänger getrennt!</translation>
    </message>
</context>
<context>
    <name>StorageResult</name>
    <message>
        <location filename="../storage/storage_result.cpp" line="+16"/>
        <source>This name cannot be used: it must not be empty, contain &quot;/&quot; or &quot;\&quot;, be &quot;.&quot; or &quot;..&quot;, or be too long.</source>
        <translation>Dieser Name ist nicht zulässig: Er darf nicht leer sein, weder „/“ noch „\“ enthalten, nicht „.“ oder „..“ lauten und nicht zu lang sein.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file is not match current mouse!</source>
        <translation>Die Datei passt nicht zur aktuellen Maus!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Profile Exist!</source>
        <translation>Das Profil existiert bereits!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file could not be read or written.</source>
        <translation>Die Datei konnte nicht gelesen oder geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>TarnMessageBox</name>
    <message>
        <location filename="../widgets/tarn_message_box.cpp" line="+69"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TarnPopBox</name>
    <message>
        <location filename="../widgets/tarn_pop_box.cpp" line="+45"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
</TS>
