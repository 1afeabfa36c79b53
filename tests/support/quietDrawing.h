#pragma once

#include "support/glRecorder.h"

#include <gtest/gtest.h>

// For runs of many frames: every frame draws, as in the window, and the recorder then only
// counts the calls instead of keeping thousands of them a frame.
class QuietDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        glrec::reset();
        glrec::setRecording(false);
    }
    void TearDown() override { glrec::reset(); }
};
