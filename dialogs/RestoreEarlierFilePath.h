#pragma once

// Quitting before the installation puts back the "FilePath" that an
// installed product had before this setup started, so that its
// registration survives; nothing is written when there was none.
void RestoreEarlierFilePath();
