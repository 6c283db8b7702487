#include <cstdio>

// The desktop window is not part of this build yet; the settings, locale and file layers are.
int main() {
  std::fprintf(stderr, "Pagewing: the desktop program is not built yet; run the test command to check what is.\n");
  return 1;
}
