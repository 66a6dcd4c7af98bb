#pragma once

// Deletes the unpacked setup files from "C:\ztsetupdir" and the folder when
// nothing else is left in it. Every failure is silent.
void CleanUpSetupFolder();
