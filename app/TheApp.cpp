#include "SetupApp.h"

// The setup's one application object; WinMain finds it through AfxGetApp.
CSetupApp theApp;
