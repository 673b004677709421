#include <windows.h>

#include "app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  static CLingvaneApp app;
  return app.Main(instance);
}
