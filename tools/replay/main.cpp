#include "replay.h"

#include <fstream>
#include <iostream>

// zubble-replay [SCRIPT]: plays SCRIPT, or standard input, on the headless desktop.
int main(int argc, char* argv[])
{
    std::ios::sync_with_stdio(false);
    if (argc > 2) {
        std::cerr << "usage: zubble-replay [SCRIPT]\n";
        return zubble::replay::Replay::kScriptError;
    }
    zubble::replay::Replay replay(std::cout, std::cerr);
    if (argc == 2) {
        std::ifstream script(argv[1], std::ios::binary);
        if (!script) {
            std::cerr << "cannot read " << argv[1] << "\n";
            return zubble::replay::Replay::kScriptError;
        }
        return replay.run(script);
    }
    return replay.run(std::cin);
}
