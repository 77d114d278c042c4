#pragma once

#include <string>

// Every sound is decoded whole into memory when the game starts, so a file's header decides how
// much is reserved. This reads only the headers: empty when the file may be decoded, otherwise why
// not (a file above 64 MB, a WAV chunk longer than the file, an Ogg Vorbis stream longer than ten
// minutes or without a sample rate).
std::string SoundSizeFault(const std::string& path);
