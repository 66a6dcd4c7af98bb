#pragma once
#define IDD_REFERENCE 100
