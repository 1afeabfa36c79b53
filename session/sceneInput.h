#pragma once

#include "scene/scene.h"
#include "session/input.h"

#include <iosfwd>
#include <string>

// Reads a scene within the bounds of all text from outside (session/input.h); sourceName names
// it in messages, "ring.scene:7: unknown object 'gsp'; ...". Throws InputError.
Scene readScene(std::istream& in, const std::string& sourceName);
// The same from a file, named by its path.
Scene readSceneFile(const std::string& path);

// A scene's line read elsewhere too, a replay's: the problem named by the line last read.
void readSceneLine(SceneReader& reader, const std::string& line, const LineReader& lines);
