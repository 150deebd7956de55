// Another process that sets the wallpaper, as the Settings app or a photo viewer does: the file
// named, its change announced to every window. Exit 0 when Windows took it.
#include <windows.h>

int wmain(int count, wchar_t** arguments) {
  if (count != 2) return 2;
  return SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, arguments[1], SPIF_UPDATEINIFILE | SPIF_SENDCHANGE) ? 0 : 1;
}
