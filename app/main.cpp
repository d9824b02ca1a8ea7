// Process entry: start-up, the mode switch and the end of the process.
#include <iostream>

int main(int, char**) {
    std::cerr << "nosivometrik: start-up is being built\n";
    return 1;
}
