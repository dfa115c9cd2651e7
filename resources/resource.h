// Resource identifiers shared by the .rc scripts and the code.
#pragma once
