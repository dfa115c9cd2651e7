#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    MessageBoxW(nullptr, L"Vistrel", L"Vistrel", MB_OK);
    return 0;
}
