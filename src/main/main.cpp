// Placeholder entry point until the application shell lands.
#include "game/log.hpp"
int main() {
    coilwend::log_line("Hello!");
    return 0;
}
