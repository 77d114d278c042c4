#include "objects/Serializer.h"

#include <limits>
#include <locale>

bool Serializer::OpenRead(const std::string& path) {
    Close();
    stream.clear();
    stream.imbue(std::locale::classic());
    stream.open(path, std::ios::in);
    return stream.is_open();
}

bool Serializer::OpenWrite(const std::string& path) {
    Close();
    stream.clear();
    stream.imbue(std::locale::classic());
    stream.open(path, std::ios::out | std::ios::trunc);
    return stream.is_open();
}

void Serializer::Close() {
    if (stream.is_open()) stream.close();
}

bool Serializer::Flush() {
    stream.flush();
    return stream.good();
}

void Serializer::WriteInt(int value) {
    stream << value << '\n';
}
void Serializer::WriteFloat(float value) {
    stream << value << '\n';
}
void Serializer::WriteBool(bool value) {
    stream << (value ? '1' : '0') << '\n';
}
void Serializer::WriteString(const std::string& text) {
    stream << text << '\n';
}
void Serializer::WriteStringLine(const std::string& text) {
    stream << text << "|\n";
}

void Serializer::WriteVec3(const vec3& v) {
    WriteFloat(v.x);
    WriteFloat(v.y);
    WriteFloat(v.z);
}

bool Serializer::ReadInt(int& value) {
    return static_cast<bool>(stream >> value);
}
bool Serializer::ReadFloat(float& value) {
    return static_cast<bool>(stream >> value);
}
bool Serializer::ReadBool(bool& value) {
    return static_cast<bool>(stream >> value);
}
bool Serializer::ReadWord(std::string& word) {
    return static_cast<bool>(stream >> word);
}

bool Serializer::ReadStringLine(std::string& text) {
    stream.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    std::string read;
    if (!std::getline(stream, read, '|')) return false;
    // A file saved with CRLF line ends keeps its '\r' before each '\n'; the text never needs them.
    text.clear();
    for (char c : read)
        if (c != '\r') text.push_back(c);
    return true;
}

bool Serializer::ReadVec3(vec3& v) {
    return ReadFloat(v.x) && ReadFloat(v.y) && ReadFloat(v.z);
}
