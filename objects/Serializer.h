#pragma once

#include <fstream>
#include <string>

#include "objects/Math.h"

// The text stream behind every settings, key, sound-list and level file. Values are written one
// per line and read back with white-space-skipping extraction, so a file written here reads back
// field by field in the same order. The stream always uses the classic "C" locale.
class Serializer {
public:
    bool OpenRead(const std::string& path);
    bool OpenWrite(const std::string& path); // truncates
    void Close();
    bool IsOpen() const { return stream.is_open(); }
    // True while no read has failed and no write has gone wrong since the last open.
    bool Good() const { return stream.good(); }
    bool Flush();

    void WriteInt(int value);
    void WriteFloat(float value); // six significant digits
    void WriteBool(bool value);   // "0" or "1"
    void WriteString(const std::string& text);
    // The text may hold spaces and line breaks; it ends with a vertical bar.
    void WriteStringLine(const std::string& text);
    void WriteVec3(const vec3& v);

    // Each read returns false once the stream has failed; the stream then stays failed.
    bool ReadInt(int& value);
    bool ReadFloat(float& value);
    bool ReadBool(bool& value);
    bool ReadWord(std::string& word);
    // Skips the rest of the current line, then reads up to the next vertical bar.
    bool ReadStringLine(std::string& text);
    bool ReadVec3(vec3& v);

private:
    std::fstream stream;
};
