// strhaven-soundgen DIR: writes wheel.wav, coin.wav and jackpot.wav into DIR.
// Run by the build so that the game's sounds always come from this source.
#include "assets/sounds/SoundRecipes.h"
#include "assets/sounds/WaveWriter.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: strhaven-soundgen OUTPUT-FOLDER\n";
        return 2;
    }
    try {
        using namespace strhaven::soundgen;
        const std::filesystem::path folder(argv[1]);
        std::filesystem::create_directories(folder);
        writeFile((folder / "wheel.wav").string(), wheelWave());
        writeFile((folder / "coin.wav").string(), coinWave());
        writeFile((folder / "jackpot.wav").string(), jackpotWave());
    } catch (const std::exception& e) {
        std::cerr << "strhaven-soundgen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
