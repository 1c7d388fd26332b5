<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>MacroDialog</name>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not imported (a macro of that name exists, or the name or file cannot be used): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not imported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a step to edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the key this step should use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the mouse button of this step.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the direction and the distance (1-120).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the delay (10-65535 ms).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A macro name has at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MacroLibrary</name>
    <message>
        <source>WARNING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MacroMove</name>
    <message>
        <source>MOVE LEFT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>&amp;Load Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COPY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StorageResult</name>
    <message>
        <source>This name cannot be used: it must not be empty, contain &quot;/&quot; or &quot;\&quot;, be &quot;.&quot; or &quot;..&quot;, or be too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be read or written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnGunsetDialog</name>
    <message>
        <source>GUN SET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnMessageBox</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnPopBox</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
