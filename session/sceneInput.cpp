#include "session/sceneInput.h"

#include "session/input.h"

#include <fstream>

void readSceneLine(SceneReader& reader, const std::string& line, const LineReader& lines) {
    const std::string problem = reader.readLine(line);
    if (!problem.empty()) {
        throw InputError(lines.where() + problem);
    }
}

Scene readScene(std::istream& in, const std::string& sourceName) {
    SceneReader reader;
    LineReader lines(in, sourceName);
    for (std::string line; lines.next(line);) {
        readSceneLine(reader, line, lines);
    }
    Scene scene;
    const std::string problem = reader.finish(scene);
    if (!problem.empty()) {
        throw InputError(sourceName + ": " + problem);
    }
    return scene;
}

Scene readSceneFile(const std::string& path) {
    std::ifstream file = openInput(path);
    return readScene(file, path);
}
