<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ApplyFlow</name>
    <message>
        <source>The mouse holds 20 macros. These were not sent: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Delete the macro &quot;%1&quot;? Buttons that use it become &quot;Button Off&quot; in every profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These stored profiles could not be updated: %1</source>
        <translation type="unfinished"></translation>
    </message>
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
        <translation>REPEAT COUNT (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT WHILE THE KEY IS HELD DOWN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>REPEAT UNTIL THE KEY IS PRESSED AGAIN</translation>
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
        <translation>RECORD DELAYS BETWEEN ACTIONS</translation>
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
        <translation>A macro of this name already exists!</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>ONE OR MORE KEYS WERE NOT RELEASED.</translation>
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
        <translation>TOO MANY MACROS: NO MORE CAN BE CREATED!</translation>
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
        <translation>LOAD</translation>
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
        <translation>Receiver disconnected!</translation>
    </message>
    <message>
        <source>Mouse battery low: %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse battery almost empty: %1%. Charge it now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No model description found: buttons and DPI stages are unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>charging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AT LEAST ONE BUTTON MUST KEEP A CLICK FUNCTION.</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program changed the stored profiles. Take its changes and drop the ones not applied here?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No system tray: closing the window quits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic switching…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Save Profile File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AT LEAST ONE PROFILE MUST BE KEPT.</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>This profile is already used by another slot!</translation>
    </message>
    <message>
        <source>The profile list is full (%1 profiles). Delete a profile first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No other profile is free to take this slot: every other profile is used by another slot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Are you sure you want to delete this profile?</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Are you sure you want to reset this profile?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Are you sure you want to reset all profiles?</translation>
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
        <translation>This file is for a different mouse model.</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>A profile of this name already exists!</translation>
    </message>
    <message>
        <source>The file could not be read or written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a file of this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program is saving here; try again in a moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a configuration file of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a profile file of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a profile file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a macro file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file name, %2 what is wrong with it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a value the mouse cannot take</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a number this key can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a profile slot (0 to 4)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnBtnWindow</name>
    <message>
        <source>This mouse has no side buttons of its own to set here: the mouse takes the buttons of the Front view only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combo key without keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>middle click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire %1, %2 times, %3 ms apart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gun set &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repeated while held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repeated until pressed again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sniper %1 DPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sniper step %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>The left button cannot be a gun set.</translation>
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
    <name>TarnColorArea</name>
    <message>
        <source>Color Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APPLY</source>
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
<context>
    <name>TarnColorWindow</name>
    <message>
        <source> MINUTE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marbles</source>
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
    <name>TarnDPIWindow</name>
    <message>
        <source>DPI STAGES</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnFireKeyWindow</name>
    <message>
        <source>FireKey Setting</source>
        <translation>Fire Key Setting</translation>
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
        <translation>Please enter a file name.</translation>
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
        <translation>REPEAT COUNT (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT WHILE THE KEY IS HELD DOWN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>REPEAT UNTIL THE KEY IS PRESSED AGAIN</translation>
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
    <name>TarnPointSpeed</name>
    <message>
        <source>POINTER SPEED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
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
    <name>TarnReportRate</name>
    <message>
        <source>REPORT RATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Lift-off Distance</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TarnSingleDPI</name>
    <message>
        <source>Stage %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click to type a DPI value</source>
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
<context>
    <name>ProfileDomains</name>
    <message>
        <source>is not a report rate (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a DPI stage (0 to 7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not 0 or 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a resolution step of this sensor (%1 to %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a button function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a macro name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a loop mode (0, 1, 2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a key code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a lighting effect (0 to %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceDoctor</name>
    <message>
        <source>receiver 248A:FA02</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cable 248A:FB01</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device 248A:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything is in order: the mouse can be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access is checked for %1, who ran sudo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This runs as root, which can open every node; run it as yourself to check your own access:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kernel offers no hidraw devices (%1 is missing), so no program can reach the mouse. Load the HID drivers; if the folder is still missing, this kernel was built without hidraw (CONFIG_HIDRAW):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB interface %1 of the %2 is bound to no HID driver, so the kernel makes no hidraw node for it. Load the driver and bind the interface to it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB interface %1 of the %2 is held by the driver &quot;%3&quot; instead of the HID driver (a program using libusb may have taken it). Quit that program, then give the interface back:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No receiver (248A:FA02) or cable (248A:FB01) is connected. Plug one in; once the computer sees it, this lists it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 is on USB, but the kernel made no hidraw node for it. Load the HID drivers, then re-plug it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found the %1 at %2, top-level collections: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found the %1 at %2; its report descriptor could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kernel lists %1, but udev made no device node for it. Ask udev to make it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened by %2 (owner %3, group %4, mode %5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 may be opened, yet opening it failed: %2. Its state:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 can be opened by %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is open in %2 (process %3), which is mousecfg itself; that is fine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is open in %2 (process %3). Another program talking to the mouse at the same time takes its answers; quit it, or end it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 carries the uaccess tag and names %2 in its access list, yet %2 cannot open it. Its permissions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The udev rule is in place, but %1 lacks its &quot;uaccess&quot; tag: the node was made before the rule was installed. Have udev apply the rule (or re-plug the receiver):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 carries the &quot;uaccess&quot; tag, but its access list does not name %2: access goes to the user of the active session at the computer&apos;s own screen, not to a remote or inactive one. Log out and in again at the computer; this shows the sessions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 replaces the udev rule %2 and gives no access. Remove it, then have udev apply the rule:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The udev rule is at %1, a folder udev does not read. Copy it to %2, then have udev apply it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The udev rule that gives you access (%1) is in none of the folders udev reads. Install it, then have udev apply it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2, runs after the mousecfg rule and can take the access away again: %3. Change or remove that line, then have udev apply the rules:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PermissionNotice</name>
    <message>
        <source>The mouse cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mouse is connected, but opening it failed, and no cause was found. Re-plug the receiver, then check again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mouse is connected, but this user may not open it, so no setting can be read or sent. Here is why, with the commands that fix it:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AutoSwitchDialog</name>
    <message>
        <source>Type or pick the application&apos;s name first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An application name has at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An application name cannot hold a line break or another control character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Wayland only KDE Plasma and GNOME tell other programs which window is in front.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no X11 display.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The X11 display cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop does not tell which application is in front.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the mouse&apos;s profile by the application in front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic switching is not available on this desktop: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any other application:</source>
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
        <source>Leave as is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no session bus for the desktop to report the window in front on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The KWin script that reports the window in front is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable the GNOME Shell extension with &quot;gnome-extensions enable %1&quot;, then log out and in again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
