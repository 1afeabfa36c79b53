#pragma once

#include "selfcheck/selfCheckSuite.h"

// The start-up suites of the satellite base, the five kinds and the contact checks.

class TestSatellite : public SelfCheckSuite {
public:
    static constexpr const char* className = "TestSatellite";
    void run() override;

private:
    void construct_nonDefault();
    void advance_changesPosition();
    void advance_changesVelocity();
};

class TestSputnik : public SelfCheckSuite {
public:
    static constexpr const char* className = "TestSputnik";
    void run() override;

private:
    void construct_position();
    void construct_velocity();
    void construct_radius();
    void advance_changesPosition();
    void advance_changesVelocity();
};

class TestSatellites : public SelfCheckSuite {
public:
    static constexpr const char* className = "TestSatellites";
    void run() override;

private:
    void hubble_construct();
    void gps1_construct();
    void gps2_construct();
    void gps3_construct();
    void gps4_construct();
    void gps5_construct();
    void gps6_construct();
    void starlink_construct();
    void crewDragon_construct();
    void hubble_advance();
    void gps_advance();
    void starlink_advance();
    void crewDragon_advance();
};

// All its checks are made in run, at a scale of 1 m/px, which it leaves at the running scale.
class TestCollision : public SelfCheckSuite {
public:
    static constexpr const char* className = "TestCollision";
    void run() override;
};
