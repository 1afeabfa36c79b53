#pragma once

#include <stdexcept>

// What is wrong with a line of a scene, thrown from deep in its reading and caught where the
// line's reading began (sceneReader.cpp), which turns it into text.
class SceneError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
