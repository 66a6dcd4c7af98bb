#include "FileManifest.h"

const std::vector<CString> g_fileManifest = {
    "VOredi5VI.exe",  "DAvedu5.exe",          "AVI.avi",       "getdisk.exe",     "step1.BMP",
    "step1a.bmp",     "step2.bmp",            "step2a.bmp",    "step3.bmp",       "step4.bmp",
    "step5.bmp",      "VelmoraHelp.chm",      "RovovIRAZU5.dll", "UninstallDAVedu5.exe", "RepairWMI.exe",
    "unfixwmi.bat",   "EnglishA.dat",         "DutchA.dat",    "FrenchA.dat",     "GermanA.dat",
    "EnglishW.dat",   "DutchW.dat",           "FrenchW.dat",   "GermanW.dat",     "ZTParseMsgA.dll",
    "ZTParseMSGW.dll",
};
