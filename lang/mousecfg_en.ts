<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
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
    <name>TarnBtnWindow</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; has %2 steps; the button takes its first %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED SWITCH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold the modifiers, then press the key</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnFireKeyWindow</name>
    <message>
        <source>FireKey Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the key to repeat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnKeyDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnMacroSelect</name>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
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
        <source>GUNFILE SELECT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
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
<context>
    <name>TarnSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the key to assign</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
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
</context>
</TS>
