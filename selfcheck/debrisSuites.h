#pragma once

#include "selfcheck/selfCheckSuite.h"

// The start-up suites of the pieces of broken satellites and of their fragments.

class TestPart : public SelfCheckSuite {
public:
    static constexpr const char* className = "TestPart";
    void run() override;

private:
    void construct_nonDefault();
    void advance_changesPosition();
    void advance_changesVelocity();
    void gpsCenter_construct();
    void gpsLeft_construct();
    void gpsRight_construct();
    void hubbleTelescope_construct();
    void hubbleComputer_construct();
    void hubbleLeft_construct();
    void hubbleRight_construct();
    void crewDragonCenter_construct();
    void crewDragonLeft_construct();
    void crewDragonRight_construct();
    void starlinkBody_construct();
    void starlinkArray_construct();
};

class TestFragment : public SelfCheckSuite {
public:
    static constexpr const char* className = "TestFragment";
    void run() override;

private:
    void construct_position();
    void construct_velocity();
    void construct_radius();
    void construct_life();
    void construct_alive();
    void advance_changesPosition();
    void advance_changesVelocity();
    void advance_changesAngle();
    void advance_decreasesLife();
    void advance_expires();
    void advance_deadDoesNotMove();
};
