#include <cstdio>

int main() {
    std::printf("The Saga of Tovan 0.1.0\n");
    return 0;
}
