// The one place where a scene's errors are caught: in the page, only code built to catch
// exceptions can, and that costs the download a few bytes for every call it makes.

#include "scene/scene.h"
#include "scene/sceneError.h"

std::string SceneReader::readLine(const std::string& line) {
    try {
        readAnyLine(line);
    } catch (const SceneError& error) {
        return error.what();
    }
    return {};
}
