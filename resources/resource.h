// Resource identifiers shared by the .rc scripts and the code.
#pragma once

#define IDI_VISTREL 1
#define IDI_TRAY 2
