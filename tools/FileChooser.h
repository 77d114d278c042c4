#pragma once

#include <string>
#include <vector>

// The editor's file dialog: a GUI window listing the files of one game folder with one extension.
// A chosen name is a plain file name in that folder, so no path typed in the editor can reach a file
// elsewhere.
class FileChooser {
public:
    // title: window caption and purpose; folder like "../Resources/Level/"; extension like ".txt".
    // With `newName` a name may be typed that does not exist yet.
    void Open(const std::string& title, const std::string& folder, const std::string& extension,
              bool newName);
    void Close() { open = false; }
    bool IsOpen() const { return open; }
    const std::string& Title() const { return title; }
    // Shows the window while open. Returns true in the frame a file is chosen, with its path in
    // `path`; the chooser is closed then. Cancel closes it and returns false.
    bool Show(std::string& path);

    // A name the folder can hold as it is typed: letters, digits, '_' and '-' only, at most 64.
    static bool IsPlainName(const std::string& name);

private:
    std::string title, folder, extension, name;
    std::vector<std::string> listed; // file names without the extension, sorted
    bool open = false, allowNew = false;
};
