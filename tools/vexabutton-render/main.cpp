#include <cstdio>

int main() {
  std::fprintf(stderr, "vexabutton-render: not built yet\n");
  return 2;
}
