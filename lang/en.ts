<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Osken</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>NO MOUSE DETECTED!</source>
        <translation>NO MOUSE DETECTED!</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Load Config</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Mouse is sleeping or not connected.</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Sending to the mouse failed. Please try again.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>The settings could not be saved.</translation>
    </message>
    <message>
        <source>Mouse Sleep</source>
        <translation>Mouse Sleep</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Reset All</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>LOAD</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Press Enter To Apply</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>LIGHTING</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>CUSTOMIZE</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>繁體中文</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AT LEAST ONE BUTTON MUST KEEP THE LEFT CLICK.</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AT LEAST ONE PROFILE MUST BE KEPT.</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>The default profiles cannot be deleted or renamed.</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Are you sure you want to delete this profile?</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>The profile already exists!</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>The profile is already in use!</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Profile File(*.prof)</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Load Profile File</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Save Profile File</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>The file does not match the current mouse!</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Config File(*.conf)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Load Config File</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Save Config File</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Are you sure you want to reset this profile?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Are you sure you want to reset all profiles?</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Advance</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Polling Rate</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Profile Menu</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>SINGLE KEY</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>COMBO KEY</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>FIRE KEY</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Button Off</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Switch Window</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>My Computer</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Show Desktop</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>Lock PC</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser Home</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Browser Backward</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser Forward</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Browser Stop</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser Refresh</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Browser Search</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Browser Favorite</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Next Track</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Media Player</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI Switch</translation>
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
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Led Switch</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profile +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profile -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Profile Switch</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Macro Manager</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>GunFile Manager</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>MACRO SELECT</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>GUNFILE SELECT</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>The left button cannot fire a gun file.</translation>
    </message>
    <message>
        <source>Left Button</source>
        <translation>Left Button</translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation>Right Button</translation>
    </message>
    <message>
        <source>Middle Button</source>
        <translation>Middle Button</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Single Key</translation>
    </message>
    <message>
        <source>Combo Key</source>
        <translation>Combo Key</translation>
    </message>
    <message>
        <source>FireKey Setting</source>
        <translation>Fire Key Settings</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Keyboard Key</translation>
    </message>
    <message>
        <source>Sniper Setting</source>
        <translation>Sniper Setting</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Times:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Delay:</translation>
    </message>
    <message>
        <source>Gun Set</source>
        <translation>Gun Set</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>GUN SET</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>GUNFILE NAME</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>DELAY(MS)</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>BULLETS</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Please enter a file name.</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOP TIMES (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT WHILE HELD DOWN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>REPEAT UNTIL PRESSED AGAIN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>REPEAT UNTIL PRESSED AGAIN</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>LEFT CLICK</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RIGHT CLICK</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MIDDLE CLICK</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>FORWARD</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>BACKWARD</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>RECORD DELAYS BETWEEN ACTIONS</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSERT DEFAULT DELAY</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>CHANGE NAME</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>NO MORE MACROS CAN BE CREATED!</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>The macro already exists!</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>KEY</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>DELAY(ms)</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>PRESS DOWN</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>BOUNCE UP</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>MOVE LEFT</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>MOVE RIGHT</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>MOVE DOWN</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>BATCH</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEW</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>EDIT</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>TOP</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>BOTTOM</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>INSERT DELAY</translation>
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
        <source>MOUSE ACTION</source>
        <translation>MOUSE ACTION</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>CUT</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>PASTE</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>RECORD AFTER</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>ONE OR MORE KEYS HAVE NOT BEEN RELEASED.</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Press</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Macro File(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Load Macro File</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Save Macro File</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>Link XY</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>REPORT RATE</translation>
    </message>
    <message>
        <source>POINTER SPEED</source>
        <translation>POINTER SPEED</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>SCROLL SPEED</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>FULLY LIT</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>BREATHING</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>7 COLOR BREATHING</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>RAINBOW</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>FLASH</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>Horizontal WAVE</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>Horizontal GO WITHOUT TRACE</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Raindrop</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>WAVE</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>GO WITHOUT TRACE</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>REACTIVE</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>yo-yo</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Marbles</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFECT</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>BRIGHTNESS</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>SPEED</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>Color Edit</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>APPLY</translation>
    </message>
    <message>
        <source>Stage on or off</source>
        <translation type="vanished">Stage on or off</translation>
    </message>
    <message>
        <source>EXPORT PROFILE</source>
        <translation type="vanished">EXPORT PROFILE</translation>
    </message>
    <message>
        <source>IMPORT PROFILE</source>
        <translation type="vanished">IMPORT PROFILE</translation>
    </message>
    <message>
        <source>Not available in this version.</source>
        <translation type="vanished">Not available in this version.</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>This name cannot be used for a profile.</source>
        <translation>This name cannot be used for a profile.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>The profile file could not be written.</translation>
    </message>
    <message>
        <source>This is not a regular file, so it was not opened.</source>
        <translation>This is not a regular file, so it was not opened.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>The profile file is damaged.</source>
        <translation>The profile file is damaged.</translation>
    </message>
    <message>
        <source>The configuration file is damaged.</source>
        <translation>The configuration file is damaged.</translation>
    </message>
    <message>
        <source>The configuration file names one profile for two slots.</source>
        <translation>The configuration file names one profile for two slots.</translation>
    </message>
    <message>
        <source>This macro is used by %1. Delete it anyway?</source>
        <translation>This macro is used by %1. Delete it anyway?</translation>
    </message>
    <message>
        <source>Macro not found: %1</source>
        <translation>Macro not found: %1</translation>
    </message>
    <message>
        <source>Asleep</source>
        <translation>Asleep</translation>
    </message>
    <message>
        <source>Export the profile to a file</source>
        <translation>Export the profile to a file</translation>
    </message>
    <message>
        <source>Import a profile from a file</source>
        <translation>Import a profile from a file</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Saved to mouse</source>
        <translation>Saved to mouse</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>Choose a macro</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Files of type:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Fire %1 ×%2 / %3 ms</source>
        <translation>Fire %1 ×%2 / %3 ms</translation>
    </message>
    <message>
        <source>Sniper %1 DPI</source>
        <translation>Sniper %1 DPI</translation>
    </message>
    <message>
        <source>%1 (while held)</source>
        <translation>%1 (while held)</translation>
    </message>
    <message>
        <source>%1 (until pressed again)</source>
        <translation>%1 (until pressed again)</translation>
    </message>
    <message>
        <source>%1 ×%2</source>
        <translation>%1 ×%2</translation>
    </message>
    <message>
        <source>Please input a valid macro name.</source>
        <translation>Please enter a valid macro name.</translation>
    </message>
    <message>
        <source>The macro file could not be saved.</source>
        <translation>The macro file could not be saved.</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Start with the desktop</translation>
    </message>
    <message>
        <source>Show messages as notifications</source>
        <translation>Show messages as notifications</translation>
    </message>
    <message>
        <source>The desktop&apos;s start-up list could not be changed.</source>
        <translation>The desktop&apos;s start-up list could not be changed.</translation>
    </message>
    <message>
        <source>The receiver is plugged in but cannot be opened.</source>
        <translation>The receiver is plugged in but cannot be opened.</translation>
    </message>
    <message>
        <source>The receiver opens, but the mouse did not answer.</source>
        <translation>The receiver opens, but the mouse did not answer.</translation>
    </message>
    <message>
        <source>You have no permission to open the receiver.</source>
        <translation>You have no permission to open the receiver.</translation>
    </message>
    <message>
        <source>Another program holds the receiver.</source>
        <translation>Another program holds the receiver.</translation>
    </message>
    <message>
        <source>The receiver went away while it was being opened.</source>
        <translation>The receiver went away while it was being opened.</translation>
    </message>
    <message>
        <source>The system refused to open the receiver.</source>
        <translation>The system refused to open the receiver.</translation>
    </message>
    <message>
        <source>Install the udev rule 70-osken-r5.rules (it comes with the package), then unplug the receiver and plug it in again.</source>
        <translation>Install the udev rule 70-osken-r5.rules (it comes with the package), then unplug the receiver and plug it in again.</translation>
    </message>
    <message>
        <source>Close the other program (another mouse tool, a browser page using WebHID), then unplug the receiver and plug it in again.</source>
        <translation>Close the other program (another mouse tool, a browser page using WebHID), then unplug the receiver and plug it in again.</translation>
    </message>
    <message>
        <source>Unplug the receiver and plug it in again.</source>
        <translation>Unplug the receiver and plug it in again.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Parent Directory</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Create New Folder</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>List View</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detail View</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Rename</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Show &amp;hidden files</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;New Folder</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Are you sure you want to delete &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Folder</translation>
    </message>
    <message>
        <source>File Folder</source>
        <comment>Match Windows Explorer</comment>
        <translation>File Folder</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Drive</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Date Modified</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>My Computer</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
</TS>
