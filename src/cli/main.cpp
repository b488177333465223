#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
        std::puts("usage: corvanectl COMMAND ...");
        return 0;
    }
    std::fputs("usage: corvanectl COMMAND ...\n", stderr);
    return 2;
}
