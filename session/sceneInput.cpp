#include "session/sceneInput.h"

#include "session/input.h"

#include <fstream>

void readSceneLine(SceneReader& reader, const std::string& line, const std::string& where) {
    try {
        reader.readLine(line);
    } catch (const SceneError& error) {
        throw InputError(where + error.what());
    }
}

Scene readScene(std::istream& in, const std::string& sourceName) {
    SceneReader reader;
    LineReader lines(in, sourceName);
    for (std::string line; lines.next(line);) {
        readSceneLine(reader, line, lines.where());
    }
    try {
        return reader.finish();
    } catch (const SceneError& error) {
        throw InputError(sourceName + ": " + error.what());
    }
}

Scene readSceneFile(const std::string& path) {
    std::ifstream file = openInput(path);
    return readScene(file, path);
}
