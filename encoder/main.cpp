// The encoder program "register.dat". Placeholder until the adapter over
// FFmpeg lands: it describes nothing and converts nothing.
#include <cstdio>

int main()
{
    std::fprintf(stderr, "register.dat: not built yet\n");
    return 1;
}
