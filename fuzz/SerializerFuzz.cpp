// libFuzzer target for the serializer's reads. The input is the file; its own bytes choose which
// read comes next (word, number, bool, float, vector or text up to a bar), until a read fails.
// Every value read is written back and must read back the same, with the same reads.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

#include "fuzz/FuzzFiles.h"
#include "objects/Serializer.h"

namespace {

using Value = std::variant<std::string, int, bool, float, std::vector<char>>;

// Reads the kind of value `kind` names; false once the stream has failed.
bool ReadOne(Serializer& file, int kind, Value& value) {
    switch (kind) {
    case 0: {
        std::string word;
        return file.ReadWord(word) && (value = word, true);
    }
    case 1: {
        int number = 0;
        return file.ReadInt(number) && (value = number, true);
    }
    case 2: {
        bool flag = false;
        return file.ReadBool(flag) && (value = flag, true);
    }
    case 3: {
        float number = 0;
        return file.ReadFloat(number) && (value = number, true);
    }
    case 4: {
        vec3 v;
        return file.ReadVec3(v) && (value = v.x, true);
    }
    default: {
        std::string text;
        return file.ReadStringLine(text) && (value = std::vector<char>(text.begin(), text.end()), true);
    }
    }
}

void WriteOne(Serializer& file, const Value& value) {
    if (auto* word = std::get_if<std::string>(&value)) file.WriteString(*word);
    if (auto* number = std::get_if<int>(&value)) file.WriteInt(*number);
    if (auto* flag = std::get_if<bool>(&value)) file.WriteBool(*flag);
    if (auto* text = std::get_if<std::vector<char>>(&value))
        file.WriteStringLine({text->begin(), text->end()});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string inputPath = WriteInput("input.txt", data, size);
    const std::string savedPath = WriteInput("saved.txt", nullptr, 0);

    Serializer file;
    if (!file.OpenRead(inputPath)) abort();
    std::vector<int> kinds;
    std::vector<Value> values;
    for (size_t i = 0; i < 256; ++i) {
        const int kind = data[i % size] % 6;
        Value value;
        if (!ReadOne(file, kind, value)) break;
        // Floats are written to six digits, and text must follow a line of its own: only the
        // exact kinds go round.
        if (kind == 3 || kind == 4) continue;
        kinds.push_back(kind);
        values.push_back(value);
    }
    file.Close();

    Serializer out;
    if (!out.OpenWrite(savedPath)) abort();
    out.WriteInt(0); // the line a text read skips first
    for (const Value& value : values) WriteOne(out, value);
    out.Close();

    Serializer back;
    int leading = -1;
    if (!back.OpenRead(savedPath) || !back.ReadInt(leading) || leading != 0) abort();
    for (size_t i = 0; i < values.size(); ++i) {
        Value value;
        if (!ReadOne(back, kinds[i], value) || value.index() != values[i].index()) abort();
        if (value != values[i]) abort();
    }
    return 0;
}
