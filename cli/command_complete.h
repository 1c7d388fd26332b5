#pragma once
// mousecfgctl complete: the words the shell completion scripts offer, so that the scripts hold
// no list of their own. The command reads the data folder as it is and never sets it up: pressing
// Tab must not create a folder that a half-typed --data-dir names.

constexpr char kCompleteCommandName[] = "complete";
