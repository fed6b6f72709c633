// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the game's three round pieces into the folder given, as Standard MIDI Files.
#include "Composer.h"

#include <cstdio>
#include <fstream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: compose FOLDER\n");
        return 2;
    }
    for (const compose::Piece& piece : compose::pieces()) {
        const auto data = compose::compose(piece);
        const std::string path = std::string(argv[1]) + "/" + piece.file;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
        if (!out) {
            std::fprintf(stderr, "compose: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
