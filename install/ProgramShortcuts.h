#pragma once

// The shortcut step after a complete copy: asks whether to keep desktop
// shortcuts, makes one shortcut for each of the two programs on the user's
// desktop, copies it into the Start menu, moves it to the all-users desktop
// where one exists, and tells the user that the installation is complete.
// Runs on the install worker's thread.
void CreateProgramShortcuts();
