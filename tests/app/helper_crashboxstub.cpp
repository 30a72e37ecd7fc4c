// Stands in for nocturnix-crashbox: writes its arguments, each followed by a
// NUL byte, to "crashbox-args" in the working directory.
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    std::FILE *out = std::fopen("crashbox-args", "wb");
    if (!out)
        return 1;
    for (int i = 1; i < argc; ++i)
        std::fwrite(argv[i], 1, std::strlen(argv[i]) + 1, out);
    return std::fclose(out) == 0 ? 0 : 1;
}
