// A stand-in web browser for the tests: registered as the "http" command, it writes the
// arguments it was started with, one per line, to the file named by BRISVANE_BROWSER_LOG and
// ends at once.
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const char* log = std::getenv("BRISVANE_BROWSER_LOG");
    if (log == nullptr) return 2;
    std::FILE* out = std::fopen(log, "wb");
    if (out == nullptr) return 3;
    for (int i = 1; i < argc; ++i) std::fprintf(out, "%s\n", argv[i]);
    std::fclose(out);
    return 0;
}
