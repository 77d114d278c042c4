#pragma once

#include <string>

#include "objects/Serializer.h"

// The one stream every level load and save goes through; each call opens and closes it.
extern Serializer LevelSerializer;

// Appends the level's objects to GameObjectList (and the interactable ones to InteractableObjects),
// then a default "Camera" unless the file held an object of type Camera. The terminator looked for
// is "/" + levelName. Bad data stops the reader: the objects completed before it stay, the one in
// progress is dropped, and one line on standard output names the file, the object and the fault.
// Returns true when the whole file up to its terminator was read.
bool LoadLevel(const std::string& levelName, const std::string& path);

// Writes GameObjectList to path through "<path>.tmp", synced to the disk and renamed over the old
// file, which is kept as "<path>.bak". A failed save leaves the previous file as it was. Refuses
// (false) when a name or parent name would not read back as one word, or a component cannot store
// its fields. `failure`, when given, receives the reason in a few words.
bool SaveLevel(const std::string& levelName, const std::string& path, std::string* failure = nullptr);

// True for a non-empty text without white space: what a level file can store as one word.
bool IsStorableWord(const std::string& text);
