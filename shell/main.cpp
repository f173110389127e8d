#include <cstdio>

int main()
{
    std::puts("Morvane: the graphical user interface is not built yet; run 'make test' for the "
              "libraries.");
    return 0;
}
