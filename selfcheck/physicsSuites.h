#pragma once

#include "selfcheck/selfCheckSuite.h"

// The start-up suites of the physics value types.

class TestAngle : public SelfCheckSuite {
public:
    static constexpr const char* className = "TestAngle";
    void run() override;

private:
    void construct_default();
    void construct_nonDefault();
    void setRadians();
    void add();
    void normalizePositive();
    void normalizeNegative();
};

class TestAcceleration : public SelfCheckSuite {
public:
    static constexpr const char* className = "TestAcceleration";
    void run() override;

private:
    void construct_default();
    void construct_nonDefault();
    void setDDX();
    void setDDY();
};

class TestVelocity : public SelfCheckSuite {
public:
    static constexpr const char* className = "TestVelocity";
    void run() override;

private:
    void construct_default();
    void construct_nonDefault();
    void setDX();
    void setDY();
    void addAcceleration();
};

// The cases that need another scale set their own and put the previous one back.
class TestPosition : public SelfCheckSuite {
public:
    static constexpr const char* className = "TestPosition";
    void run() override;

private:
    void construct_default();
    void construct_nonDefault();
    void construct_copy();
    void assign();
    void setMeters();
    void setMetersX();
    void setMetersY();
    void setPixelsX();
    void setPixelsY();
    void addMeters();
    void addPixels();
    void getMetersX();
    void getMetersY();
    void getDistance();
};
